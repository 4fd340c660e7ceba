// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TNumPlayersDialog.h"

#include "platform/System.h"

#include <QLineEdit>

namespace tumbledown {

TNumPlayersDialog::TNumPlayersDialog(QWidget* parent, const ShutTheBoxOptionsRecord& record)
    : ModalDialog(resource, parent) {
    setWindowTitle("");
    setDialogUnitsSize(210, 147);
    addRadioButton(101, "Play vs Computer", 21, 11, 75, 12, true);
    addRadioButton(102, "Play vs Player 2", 21, 24, 84, 12, false);
    addRadioButton(103, "Change first player's name", 21, 50, 104, 12, true);
    addRadioButton(104, "Change second player's name", 21, 66, 115, 12, false);
    addFrame(106, 16, 4, 84, 36);
    addFrame(107, 16, 44, 176, 64);
    addLabel(108, "Enter new player name:", 24, 92, 80, 8);
    name_ = addEdit(105, 116, 90, 64, 12);
    makeNameField(name_);
    addOkButton(71, 119, 50, 14);

    setChecked(101, record.vsComputer);
    setChecked(102, record.vsPlayer2);
    setChecked(103, record.changeFirstName);
    setChecked(104, record.changeSecondName);
    name_->setText(QString::fromStdString(record.name));
    // A radio group takes the focus on its checked button.
    for (int id : {101, 102})
        if (isChecked(id))
            control(id)->setFocus();
}

ShutTheBoxOptionsRecord TNumPlayersDialog::record() const {
    ShutTheBoxOptionsRecord r;
    r.vsComputer = isChecked(101);
    r.vsPlayer2 = isChecked(102);
    r.changeFirstName = isChecked(103);
    r.changeSecondName = isChecked(104);
    r.name = name_->text().toStdString();
    return r;
}

std::optional<ShutTheBoxOptionsRecord> askShutTheBoxOptions(PreferencesRecord& preferences,
                                                            QWidget* parent) {
    TNumPlayersDialog dialog(parent, fillShutTheBoxOptions(preferences));
    if (!runModal(dialog))
        return std::nullopt;
    return dialog.record();
}

} // namespace tumbledown
