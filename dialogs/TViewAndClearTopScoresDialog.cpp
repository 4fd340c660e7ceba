// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TViewAndClearTopScoresDialog.h"

#include <QAbstractButton>

namespace tumbledown {

namespace {
constexpr int firstId = 101;
}

TViewAndClearTopScoresDialog::TViewAndClearTopScoresDialog(QWidget* parent)
    : ModalDialog(resource, parent) {
    setWindowTitle("Top Scores Options");
    setDialogUnitsSize(295, 120);
    addCheckBox(101, "View 10,000 Top Scores", 32, 13, 96, 12);
    addCheckBox(102, "View Poker Dice Top Scores", 32, 34, 112, 12);
    addCheckBox(103, "View Shut The Box Top Scores", 32, 56, 124, 12);
    addCheckBox(104, "Clear 10,000 Top Scores", 163, 13, 101, 12);
    addCheckBox(105, "Clear Poker Dice Top Scores", 163, 34, 117, 12);
    addCheckBox(106, "Clear Shut The Box Top Scores", 163, 56, 121, 12);
    addOkButton(114, 90, 50, 14);
}

std::array<bool, TViewAndClearTopScoresDialog::ChoiceCount>
TViewAndClearTopScoresDialog::choices() const {
    std::array<bool, ChoiceCount> chosen{};
    for (int i = 0; i < ChoiceCount; ++i)
        chosen[static_cast<std::size_t>(i)] =
            static_cast<QAbstractButton*>(control(firstId + i))->isChecked();
    return chosen;
}

} // namespace tumbledown
