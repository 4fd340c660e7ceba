// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameOptions.h"
#include "platform/ModalDialog.h"

class QLineEdit;

namespace tumbledown {

// The controls the 10,000 and Poker Dice options dialogs share, at the same
// places: the opponent (101-104), which name to change (105, 106) and the new
// name (107).
class OpponentDialog : public ModalDialog {
protected:
    OpponentDialog(int resourceId, QWidget* parent) : ModalDialog(resourceId, parent) {}

    // Frame and label ids as the dialog's template gives them (0 for none).
    void addOpponentAndName(int opponentFrameId, int nameFrameId, int labelId);
    void showOpponentAndName(const TenThouOptionsRecord& record);
    void readOpponentAndName(TenThouOptionsRecord& record) const;

private:
    QLineEdit* name_ = nullptr;
};

} // namespace tumbledown
