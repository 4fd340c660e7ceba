// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TNumPlayersDialog2.h"

#include "platform/System.h"

namespace tumbledown {

TNumPlayersDialog2::TNumPlayersDialog2(QWidget* parent, const TenThouOptionsRecord& record)
    : OpponentDialog(resource, parent) {
    setWindowTitle("");
    setDialogUnitsSize(210, 187);
    addOpponentAndName(108, 109, 110);
    addOkButton(71, 164, 50, 14);
    showOpponentAndName(record);
}

TenThouOptionsRecord TNumPlayersDialog2::record() const {
    TenThouOptionsRecord r;
    readOpponentAndName(r);
    return r;
}

std::optional<TenThouOptionsRecord> askTenThouOptions(PreferencesRecord& preferences,
                                                      QWidget* parent) {
    TNumPlayersDialog2 dialog(parent, fillTenThouOptions(preferences));
    if (!runModal(dialog))
        return std::nullopt;
    return dialog.record();
}

} // namespace tumbledown
