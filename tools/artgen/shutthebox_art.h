// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Shut The Box pictures share with the board they are cut from.

#include "shutthebox_layout.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace art::shutthebox {

// The finished board, painted once and shared by every picture cut from it.
const QImage& board();
// The board before the icon-row buttons were set into it.
const QImage& boardWithoutButtons();

// The flat card of the score panel; the glyphs and the turn arrow sit on it.
inline const QColor kCardColour(242, 233, 208);

// The open box's bottom plate, the same under every box.
const QImage& bottomPlate();
// One icon-row button (index into kButtons), off or on.
void drawButton(QPainter& p, int index, bool on);

} // namespace art::shutthebox
