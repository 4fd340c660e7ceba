// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TNumPlayersDialog3.h"

#include "platform/System.h"

namespace tumbledown {

namespace {
constexpr int noId = 0; // the template's frames and labels have none
}

TNumPlayersDialog3::TNumPlayersDialog3(QWidget* parent, const PokerDiceOptionsRecord& record)
    : OpponentDialog(resource, parent) {
    setWindowTitle("Options for Poker Dice");
    setDialogUnitsSize(339, 214);
    addOpponentAndName(noId, noId, noId);
    addLabel(noId, "Number of Rolls", 200, 4, 60, 8);
    addRadioButton(111, "2 rolls", 196, 22, 60, 12, true);
    addRadioButton(112, "3 rolls", 196, 38, 60, 12, false);
    addFrame(noId, 188, 17, 80, 35);
    addCheckBox(113, "Aces wild", 227, 105, 60, 12);
    addCheckBox(114, "Reset coins to 5000", 227, 120, 92, 12);
    addLabel(noId, "Other options", 244, 82, 60, 8);
    addFrame(noId, 220, 96, 96, 46);
    addOkButton(130, 177, 50, 14);

    setChecked(111, record.twoRolls);
    setChecked(112, record.threeRolls);
    setChecked(113, record.acesWild);
    setChecked(114, record.resetCoins);
    showOpponentAndName(record);
}

PokerDiceOptionsRecord TNumPlayersDialog3::record() const {
    PokerDiceOptionsRecord r;
    readOpponentAndName(r);
    r.twoRolls = isChecked(111);
    r.threeRolls = isChecked(112);
    r.acesWild = isChecked(113);
    r.resetCoins = isChecked(114);
    return r;
}

std::optional<PokerDiceOptionsRecord> askPokerDiceOptions(PreferencesRecord& preferences,
                                                          QWidget* parent) {
    TNumPlayersDialog3 dialog(parent, fillPokerDiceOptions(preferences));
    if (!runModal(dialog))
        return std::nullopt;
    return dialog.record();
}

} // namespace tumbledown
