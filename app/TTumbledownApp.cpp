// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TTumbledownApp.h"

#include "TTumbledownWindow.h"
#include "platform/Graphics.h"

namespace tumbledown {

TTumbledownApp::TTumbledownApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName("Tumbledown");
    QApplication::setApplicationVersion(TUMBLEDOWN_VERSION);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(TUMBLEDOWN_APP_ID);
    installFontSubstitutions();
}

TTumbledownApp::~TTumbledownApp() = default;

TTumbledownWindow& TTumbledownApp::createMainWindow() {
    window_ = std::make_unique<TTumbledownWindow>();
    return *window_;
}

} // namespace tumbledown
