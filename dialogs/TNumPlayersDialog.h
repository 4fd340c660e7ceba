// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameOptions.h"
#include "platform/ModalDialog.h"

#include <optional>

class QLineEdit;

namespace tumbledown {

// Shut The Box's options: the computer or player 2 as opponent, and a new name
// for either player.
class TNumPlayersDialog : public ModalDialog {
public:
    static constexpr int resource = 201;
    TNumPlayersDialog(QWidget* parent, const ShutTheBoxOptionsRecord& record);

    // What the controls hold now.
    ShutTheBoxOptionsRecord record() const;

private:
    QLineEdit* name_;
};

// Runs the dialog filled from the preferences; what was chosen when closed with
// OK, nothing when cancelled.
std::optional<ShutTheBoxOptionsRecord> askShutTheBoxOptions(PreferencesRecord& preferences,
                                                            QWidget* parent);

} // namespace tumbledown
