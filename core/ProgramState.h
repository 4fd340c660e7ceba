// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreferencesRecord.h"

namespace tumbledown {

// Values the shell and the games share, one instance each.
struct BoardPoint {
    int x = 0;
    int y = 0;
};
struct ClientSize {
    int width = 0;
    int height = 0;
};

inline constexpr int boardWidth = 632;
inline constexpr int boardHeight = 428;

// Top-left corner of the board in client coordinates: every drawing and hit
// position of every screen is an offset from it. Client coordinates are the
// off-screen image's, at 1x whatever the zoom (see Screen).
inline BoardPoint boardOrigin;
// The client size recorded at the first paint, in the same coordinates.
inline ClientSize clientSize;

PreferencesRecord& preferences();

// The board origin for a client size; the first paint keeps a small client's
// board at the corner.
BoardPoint centredOrigin(int width, int height);
BoardPoint firstPaintOrigin(int width, int height);

// Steps an animation delay by one notch, within 0..200.
void speedUp(std::int32_t& delay);
void slowDown(std::int32_t& delay);

} // namespace tumbledown
