#pragma once

#include <QDialog>

#include <map>
#include <string>

class QAbstractButton;
class QLineEdit;

namespace tumbledown {

// A modal dialog built from a dialog template: controls are placed in dialog
// units (converted with the dialog font's metrics) and known by their ids, so
// that the replay mode can fill them in like a person would.
class ModalDialog : public QDialog {
public:
    ModalDialog(int resourceId, QWidget* parent);

    int resourceId() const { return resourceId_; }
    QWidget* control(int id) const;
    // The controls' values as "id=value" joined by ",", in id order.
    std::string fieldSummary() const;

protected:
    void setDialogUnitsSize(int width, int height);
    void place(QWidget* widget, int x, int y, int width, int height);
    QLineEdit* addEdit(int id, int x, int y, int width, int height);
    void addLabel(int id, const QString& text, int x, int y, int width, int height);
    void addCheckBox(int id, const QString& text, int x, int y, int width, int height);
    void addOkButton(int x, int y, int width, int height);
    void registerControl(int id, QWidget* widget);

private:
    int resourceId_;
    double unitX_;
    double unitY_;
    std::map<int, QWidget*> controls_;
};

// Text fields that take a player name: at most 8 letters A-Z or a-z.
void makeNameField(QLineEdit* edit);

} // namespace tumbledown
