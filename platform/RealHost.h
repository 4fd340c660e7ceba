// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Host.h"

class QWidget;

namespace tumbledown {

// A person answers: real message boxes, dialogs and the desktop's viewer.
class RealHost : public Host {
public:
    void setWindow(QWidget* window, QWidget* clientArea);
    MessageAnswer messageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons) override;
    bool runDialog(ModalDialog& dialog) override;
    std::optional<std::string> chooseFile(const std::string& filter) override;
    void setCursor(CursorShape shape) override;
    void openDocument(const std::string& path) override;

private:
    QWidget* window_ = nullptr;
    QWidget* clientArea_ = nullptr;
};

} // namespace tumbledown
