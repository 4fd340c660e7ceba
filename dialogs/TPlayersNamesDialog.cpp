// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TPlayersNamesDialog.h"

#include "core/NameRules.h"
#include "platform/System.h"

#include <QLineEdit>

namespace tumbledown {

TPlayersNamesDialog::TPlayersNamesDialog(QWidget* parent) : ModalDialog(resource, parent) {
    setWindowTitle("");
    setDialogUnitsSize(189, 103);
    addLabel(103, "Player 1 Name", 38, 22, 60, 8);
    addLabel(104, "Player 2 Name", 38, 42, 60, 8);
    first_ = addEdit(101, 98, 20, 52, 12);
    second_ = addEdit(102, 98, 40, 52, 12);
    makeNameField(first_);
    makeNameField(second_);
    addOkButton(72, 70, 50, 14);
    first_->setFocus();
}

std::string TPlayersNamesDialog::firstName() const {
    return first_->text().toStdString();
}
std::string TPlayersNamesDialog::secondName() const {
    return second_->text().toStdString();
}

void AskPlayerNames(PreferencesRecord& record, QWidget* parent) {
    TPlayersNamesDialog dialog(parent);
    const bool accepted = runModal(dialog);
    applyEnteredNames(record, accepted ? dialog.firstName() : "",
                      accepted ? dialog.secondName() : "");
}

} // namespace tumbledown
