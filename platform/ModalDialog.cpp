// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>

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
            value = button->isChecked() ? '1' : '0';
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

void ModalDialog::addRadioButton(int id, const QString& text, int x, int y, int width, int height,
                                 bool startsGroup) {
    if (startsGroup || !radioGroup_)
        radioGroup_ = new QButtonGroup(this);
    auto* radio = new QRadioButton(text, this);
    place(radio, x, y, width, height);
    radioGroup_->addButton(radio, id);
    registerControl(id, radio);
}

void ModalDialog::addFrame(int id, int x, int y, int width, int height) {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (id > 0)
        frame->setObjectName(QString::number(id));
    place(frame, x, y, width, height);
    // Frames are drawn around controls made before them: keep them beneath and
    // let the clicks through to the buttons they enclose.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
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

void centreIfOwnerHidden(QDialog& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (owner && owner->isVisible())
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog.ensurePolished();
    dialog.adjustSize();
    QRect placed(QPoint(0, 0), dialog.size());
    placed.moveCenter(screen->availableGeometry().center());
    dialog.move(placed.topLeft());
}

void setButtonChecked(QAbstractButton& button, bool checked) {
    if (button.isChecked() == checked)
        return;
    QButtonGroup* group = button.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button.autoExclusive();
    // An exclusive group refuses to clear its checked button; lift that briefly.
    if (!checked) {
        if (groupExclusive)
            group->setExclusive(false);
        button.setAutoExclusive(false);
    }
    button.setChecked(checked);
    if (!checked) {
        button.setAutoExclusive(autoExclusive);
        if (groupExclusive)
            group->setExclusive(true);
    }
}

bool ModalDialog::isChecked(int id) const {
    const auto* button = qobject_cast<const QAbstractButton*>(control(id));
    return button && button->isChecked();
}

void ModalDialog::setChecked(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(id)))
        setButtonChecked(*button, checked);
}

void makeNameField(QLineEdit* edit) {
    edit->setMaxLength(8);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[A-Za-z]{0,8}"), edit));
}

} // namespace tumbledown
