// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OpponentDialog.h"

#include <QLineEdit>

namespace tumbledown {

void OpponentDialog::addOpponentAndName(int opponentFrameId, int nameFrameId, int labelId) {
    addRadioButton(101, "Play vs Apprentice", 20, 11, 75, 12, true);
    addRadioButton(102, "Play vs Mage", 20, 24, 75, 12, false);
    addRadioButton(103, "Play vs Wizard", 20, 37, 75, 12, false);
    addRadioButton(104, "Play vs Player 2", 20, 51, 84, 12, false);
    addFrame(opponentFrameId, 16, 4, 84, 68);
    addRadioButton(105, "Change first player's name", 21, 93, 104, 12, true);
    addRadioButton(106, "Change second player's name", 21, 109, 115, 12, false);
    addLabel(labelId, "Enter new player name:", 24, 135, 80, 8);
    name_ = addEdit(107, 116, 133, 64, 12);
    makeNameField(name_);
    addFrame(nameFrameId, 16, 87, 176, 64);
}

void OpponentDialog::showOpponentAndName(const TenThouOptionsRecord& record) {
    setChecked(101, record.apprentice);
    setChecked(102, record.mage);
    setChecked(103, record.wizard);
    setChecked(104, record.player2);
    setChecked(105, record.changeFirstName);
    setChecked(106, record.changeSecondName);
    name_->setText(QString::fromStdString(record.name));
    // A radio group takes the focus on its checked button.
    for (int id : {101, 102, 103, 104})
        if (isChecked(id))
            control(id)->setFocus();
}

void OpponentDialog::readOpponentAndName(TenThouOptionsRecord& record) const {
    record.apprentice = isChecked(101);
    record.mage = isChecked(102);
    record.wizard = isChecked(103);
    record.player2 = isChecked(104);
    record.changeFirstName = isChecked(105);
    record.changeSecondName = isChecked(106);
    record.name = name_->text().toStdString();
}

} // namespace tumbledown
