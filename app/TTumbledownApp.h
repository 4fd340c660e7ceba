// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

namespace tumbledown {

class TTumbledownWindow;

// The application: its name, and the creation of the one main window.
class TTumbledownApp {
public:
    TTumbledownApp(int& argc, char** argv);
    ~TTumbledownApp();

    QApplication& qt() { return app_; }
    TTumbledownWindow& createMainWindow();
    TTumbledownWindow* mainWindow() const { return window_.get(); }
    void closeMainWindow() { window_.reset(); }

private:
    QApplication app_;
    std::unique_ptr<TTumbledownWindow> window_;
};

} // namespace tumbledown
