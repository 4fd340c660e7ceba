// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OpponentDialog.h"

#include <optional>

namespace tumbledown {

// 10,000's options: the opponent (a computer level or player 2) and a new name
// for either player.
class TNumPlayersDialog2 : public OpponentDialog {
public:
    static constexpr int resource = 203;
    TNumPlayersDialog2(QWidget* parent, const TenThouOptionsRecord& record);

    // What the controls hold now.
    TenThouOptionsRecord record() const;
};

// Runs the dialog filled from the preferences; what was chosen when closed with
// OK, nothing when cancelled.
std::optional<TenThouOptionsRecord> askTenThouOptions(PreferencesRecord& preferences,
                                                      QWidget* parent);

} // namespace tumbledown
