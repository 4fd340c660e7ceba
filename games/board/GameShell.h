// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace tumbledown {

// What a game board asks of the main window that shows it.
class GameShell {
public:
    virtual ~GameShell() = default;

    // Back to the main screen. The game object is destroyed once the event
    // being handled has ended, so the caller may finish its work.
    virtual void leaveGame() = 0;
    // Keeps the mouse until the next left release, wherever it happens.
    virtual void captureMouse() = 0;
    virtual void toggleMusic() = 0;
    virtual void selectMusic() = 0;
    // A setting of the record changed on the board: the menu's marks follow.
    virtual void refreshMenuMarks() = 0;
    // The game's options dialog; true when the opponent or a name changed.
    virtual bool runOptionsDialog() = 0;
    // What the games' dialogs open over.
    virtual QWidget* dialogParent() = 0;
};

} // namespace tumbledown
