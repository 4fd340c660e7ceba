// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SavedArea.h"
#include "platform/Graphics.h"

#include <QColor>

#include <string>
#include <vector>

namespace tumbledown {

// Where a board's message panel stands and how its lines are written.
struct PanelLayout {
    const char* game; // the board's name in the transcript
    int bitmap;       // its picture; 0: the lines are written on the board itself
    int x, y, width, height;
    int textLeft, textWidth; // each line is centred in this column
    int firstLineTop, lineStep;
    FontDescription font;
    int maxLines = 6;
    QColor textColour{0, 0, 0};
    // A round panel is narrower at its top and bottom: the width line i may
    // take there (none: textWidth for every line).
    int (*lineWidth)(int line) = nullptr;
};

// The panel through which a board talks to the players: drawn over the board
// with its lines centred, and taken down by putting the board back.
class MessagePanel {
public:
    static constexpr int maxLineLength = 49;

    explicit MessagePanel(const PanelLayout& layout);

    // Keeps the board under the panel; called at the first paint.
    void saveBoard();
    // Up to the layout's number of lines, of at most 49 characters each.
    void show(std::vector<std::string> lines);
    // Draws the panel that is up again (after a repaint).
    void redraw() const;
    void hide();

    bool showing() const { return showing_; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    // The narrowest a line is squeezed, in percent of the font's width.
    static constexpr int minimumStretch = 70;

    void draw() const;
    Font fittedFont(const std::string& line, int width) const;

    PanelLayout layout_;
    Bitmap picture_;
    Font font_;
    SavedArea under_;
    std::vector<std::string> lines_;
    bool showing_ = false;
};

} // namespace tumbledown
