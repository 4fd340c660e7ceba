// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OpponentDialog.h"

#include <optional>

namespace tumbledown {

// Poker Dice's options: the opponent, a new name for either player, the number
// of rolls per turn, aces wild and a reset of both players' coins.
class TNumPlayersDialog3 : public OpponentDialog {
public:
    static constexpr int resource = 204;
    TNumPlayersDialog3(QWidget* parent, const PokerDiceOptionsRecord& record);

    // What the controls hold now.
    PokerDiceOptionsRecord record() const;
};

// Runs the dialog filled from the preferences; what was chosen when closed with
// OK, nothing when cancelled.
std::optional<PokerDiceOptionsRecord> askPokerDiceOptions(PreferencesRecord& preferences,
                                                          QWidget* parent);

} // namespace tumbledown
