// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the games' script builders share: where the board sits in the client
// area and the commands every board takes.

#include <string>
#include <vector>

namespace tumbledown::test {

// The board's top-left corner in the default 800 x 600 client area.
inline constexpr int originX = 84;
inline constexpr int originY = 86;

// A point on the board, board-relative.
struct BoardPoint {
    int x, y;
};

inline std::string at(BoardPoint p, int x0 = originX, int y0 = originY) {
    return std::to_string(x0 + p.x) + " " + std::to_string(y0 + p.y);
}

// A script, command by command; each game's builder adds its own moves. Draws
// (rand) are queued with the event before them, so they are in place before
// that event's handler runs.
template <class Builder> class ScriptText {
public:
    // The board's origin in the client area: the default size unless said.
    explicit ScriptText(int x = originX, int y = originY) : x_(x), y_(y) {}

    std::string at(BoardPoint p) const { return test::at(p, x_, y_); }
    Builder& raw(const std::string& line) {
        text_ += line + "\n";
        return static_cast<Builder&>(*this);
    }
    Builder& draws(const std::vector<int>& values) {
        if (values.empty())
            return static_cast<Builder&>(*this);
        std::string line = "rand";
        for (int v : values)
            line += " " + std::to_string(v);
        return raw(line);
    }
    // One draw per digit, giving that face ("111156").
    Builder& faces(const std::string& digits) {
        std::vector<int> values;
        for (char c : digits)
            values.push_back(c - '1');
        return draws(values);
    }
    Builder& menu(int id) { return raw("menu " + std::to_string(id)); }
    Builder& key(const std::string& k) { return raw("key " + k); }
    Builder& click(BoardPoint p) { return raw("click " + at(p)); }
    Builder& rclick(BoardPoint p) { return raw("rclick " + at(p)); }
    Builder& press(BoardPoint p) { return raw("press " + at(p)); }
    Builder& release(BoardPoint p) { return raw("release " + at(p)); }

    const std::string& str() const { return text_; }

private:
    int x_, y_;
    std::string text_;
};

} // namespace tumbledown::test
