// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <map>
#include <string>

class QAbstractButton;
class QButtonGroup;
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
    // Radio buttons are exclusive within their group; startsGroup opens a new
    // one. A group may have none checked, as it is before a person picks one.
    void addRadioButton(int id, const QString& text, int x, int y, int width, int height,
                        bool startsGroup);
    // An etched rectangle around a group of controls; it takes no input.
    void addFrame(int id, int x, int y, int width, int height);
    void addOkButton(int x, int y, int width, int height);
    void registerControl(int id, QWidget* widget);
    // The check state of the check box or radio button with this id.
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);

private:
    int resourceId_;
    double unitX_;
    double unitY_;
    std::map<int, QWidget*> controls_;
    QButtonGroup* radioGroup_ = nullptr;
};

// A dialog whose owner is not on screen yet (the names asked for on a first
// run, while the window is still being built) would be centred on the hidden
// owner's default place near the corner of the screen: it is placed in the
// middle of the primary screen instead, at a position the window manager keeps.
// A dialog with its owner on screen is left to be centred over it.
void centreIfOwnerHidden(QDialog& dialog);

// Checks or clears a check box or radio button as the dialog's own code would,
// so a radio button can be cleared even when it is the one checked in its group.
void setButtonChecked(QAbstractButton& button, bool checked);

// Text fields that take a player name: at most 8 letters A-Z or a-z.
void makeNameField(QLineEdit* edit);

} // namespace tumbledown
