// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The games' layouts (games/*/...Layout.h) in Qt's types, for the painters.

#include "core/BoardGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstddef>

namespace art {

constexpr QPoint qpoint(tumbledown::Point p) {
    return QPoint(p.x, p.y);
}
constexpr QSize qsize(tumbledown::Size s) {
    return QSize(s.width, s.height);
}
// A picture's rectangle.
constexpr QRect picture(tumbledown::Rect r) {
    return QRect(r.x, r.y, r.width, r.height);
}
// A click spot: its far edges are part of it.
constexpr QRect spot(tumbledown::Rect r) {
    return QRect(QPoint(r.x, r.y), QPoint(r.x + r.width, r.y + r.height));
}

// The entries from `from` on of a table, converted (a layout numbers its dice
// and pictures from 1; the painters count from 0).
template <std::size_t from, class T, std::size_t N, class Convert>
constexpr auto tail(const std::array<T, N>& table, Convert convert) {
    std::array<decltype(convert(table[from])), N - from> out{};
    for (std::size_t i = from; i < N; ++i)
        out[i - from] = convert(table[i]);
    return out;
}

} // namespace art
