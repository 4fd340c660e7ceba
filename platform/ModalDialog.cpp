#include "ModalDialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <cmath>

namespace tumbledown {

ModalDialog::ModalDialog(int resourceId, QWidget* parent)
    : QDialog(parent), resourceId_(resourceId) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    QFont dialogFont("MS Sans Serif");
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    // A dialog unit is a quarter of the average character width and an eighth
    // of the character height of the dialog's font.
    const QFontMetrics metrics(font());
    const QString sample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    unitX_ = metrics.horizontalAdvance(sample) / double(sample.size()) / 4.0;
    unitY_ = metrics.height() / 8.0;
}

QWidget* ModalDialog::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

std::string ModalDialog::fieldSummary() const {
    std::string summary;
    for (const auto& [id, widget] : controls_) {
        std::string value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            value = edit->text().toStdString();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            value = button->isChecked() ? "1" : "0";
        else
            continue;
        if (!summary.empty())
            summary += ',';
        summary += std::to_string(id) + "=" + value;
    }
    return summary;
}

void ModalDialog::setDialogUnitsSize(int width, int height) {
    setFixedSize(static_cast<int>(std::lround(width * unitX_)),
                 static_cast<int>(std::lround(height * unitY_)));
}

void ModalDialog::place(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(static_cast<int>(std::lround(x * unitX_)),
                        static_cast<int>(std::lround(y * unitY_)),
                        static_cast<int>(std::lround(width * unitX_)),
                        static_cast<int>(std::lround(height * unitY_)));
}

QLineEdit* ModalDialog::addEdit(int id, int x, int y, int width, int height) {
    auto* edit = new QLineEdit(this);
    place(edit, x, y, width, height);
    registerControl(id, edit);
    return edit;
}

void ModalDialog::addLabel(int id, const QString& text, int x, int y, int width, int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::number(id));
    place(label, x, y, width, height);
}

void ModalDialog::addCheckBox(int id, const QString& text, int x, int y, int width, int height) {
    auto* box = new QCheckBox(text, this);
    place(box, x, y, width, height);
    registerControl(id, box);
}

void ModalDialog::addOkButton(int x, int y, int width, int height) {
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    place(ok, x, y, width, height);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ModalDialog::registerControl(int id, QWidget* widget) {
    widget->setObjectName(QString::number(id));
    controls_[id] = widget;
}

void makeNameField(QLineEdit* edit) {
    edit->setMaxLength(8);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[A-Za-z]{0,8}"), edit));
}

} // namespace tumbledown
