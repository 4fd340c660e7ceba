// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ModalDialog.h"

#include <string>

class QLineEdit;

namespace tumbledown {

struct PreferencesRecord;

// Asks for both player names on a first run.
class TPlayersNamesDialog : public ModalDialog {
public:
    static constexpr int resource = 202;
    explicit TPlayersNamesDialog(QWidget* parent);

    std::string firstName() const;
    std::string secondName() const;

private:
    QLineEdit* first_;
    QLineEdit* second_;
};

// Runs the dialog (cancelling it counts as two empty names) and sets the names.
void AskPlayerNames(PreferencesRecord& record, QWidget* parent);

} // namespace tumbledown
