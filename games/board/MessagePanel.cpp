// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessagePanel.h"

#include "core/BoardGeometry.h"
#include "core/ProgramState.h"
#include "platform/Screen.h"
#include "platform/Transcript.h"

#include <QColor>

#include <algorithm>

namespace tumbledown {

MessagePanel::MessagePanel(const PanelLayout& layout)
    : layout_(layout), picture_(layout.bitmap ? loadBitmap(bitmapName(layout.bitmap)) : Bitmap{}),
      font_(createFont(layout.font)), under_(layout.x, layout.y, layout.width, layout.height) {}

void MessagePanel::saveBoard() {
    under_.capture();
}

void MessagePanel::show(std::vector<std::string> lines) {
    const auto most = static_cast<std::size_t>(layout_.maxLines);
    if (lines.size() > most)
        lines.resize(most);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > maxLineLength)
            lines[i].resize(maxLineLength);
        joined += (i ? "|" : "") + lines[i];
    }
    lines_ = std::move(lines);
    showing_ = true;
    transcript().write({"panel", layout_.game, joined});
    draw();
}

void MessagePanel::redraw() const {
    if (showing_)
        draw();
}

void MessagePanel::hide() {
    showing_ = false;
    transcript().write({"panel-hide", layout_.game});
    under_.restore();
}

Font MessagePanel::fittedFont(const std::string& line, int width) const {
    // Long names can make a line wider than the panel: it is narrowed to fit
    // rather than spilling over the board.
    Font font = font_;
    const int natural = font.font.stretch() > 0 ? font.font.stretch() : 100;
    for (int stretch = natural;
         stretch > minimumStretch && Screen::textWidth(font, line) > width;) {
        stretch = std::max(minimumStretch, stretch * width / Screen::textWidth(font, line) - 1);
        font.font.setStretch(stretch);
    }
    return font;
}

void MessagePanel::draw() const {
    Screen& s = screen();
    // Without a picture of its own the panel is the board: the old lines go first.
    if (layout_.bitmap)
        s.drawBitmap(picture_, boardOrigin.x + layout_.x, boardOrigin.y + layout_.y);
    else
        under_.restore();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int room = layout_.lineWidth
                             ? std::min(layout_.textWidth, layout_.lineWidth(static_cast<int>(i)))
                             : layout_.textWidth;
        const Font font = fittedFont(lines_[i], room);
        const int width = Screen::textWidth(font, lines_[i]);
        const int left = layout_.textLeft + (layout_.textWidth - width) / 2;
        s.drawText(font, layout_.textColour, boardOrigin.x + left,
                   boardOrigin.y + layout_.firstLineTop + layout_.lineStep * static_cast<int>(i),
                   lines_[i]);
    }
    s.present();
}

} // namespace tumbledown
