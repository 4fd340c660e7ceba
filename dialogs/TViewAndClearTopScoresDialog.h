// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ModalDialog.h"

#include <array>

namespace tumbledown {

// "Top Scores Options": which tables to view and which to clear, in one go.
class TViewAndClearTopScoresDialog : public ModalDialog {
public:
    static constexpr int resource = 205;
    enum Choice {
        View10000,
        ViewPokerDice,
        ViewShutTheBox,
        Clear10000,
        ClearPokerDice,
        ClearShutTheBox,
        ChoiceCount
    };

    explicit TViewAndClearTopScoresDialog(QWidget* parent);
    std::array<bool, ChoiceCount> choices() const;
};

} // namespace tumbledown
