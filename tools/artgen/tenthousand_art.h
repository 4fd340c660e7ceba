// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the 10,000 pictures share with the board they are cut from: the board
// in its layers, the glass and lettering of each pane, and the strip buttons.

#include "tenthousand_layout.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace art::tenthousand {

// The finished board, painted once and shared by every picture cut from it.
const QImage& board();
// The board before the strip buttons were set into it.
const QImage& boardWithoutButtons();

// The flat enamel of the score fields; the digits are painted on it.
inline const QColor kFieldColour(244, 236, 214);

struct PaneArt {
    QString combination; // lettered inside the pane's picture rectangle
    QString points;      // lettered beside it, outside the lit part
    QRectF pointsBox;
    QColor glass;
};
const std::array<PaneArt, 12>& paneArt();
QPainterPath paneOutline(int pane);
// The combination's letters exactly as the board paints them.
QPainterPath paneLetters(int pane);

// One strip button (index into kStripButtons), drawn up or pressed down.
void drawStripButton(QPainter& p, int index, bool down);
// The empty setting of the turn marker, and the lit gem set into it.
void drawMarkerSocket(QPainter& p, const QPoint& topLeft);
void drawMarkerGem(QPainter& p, const QPoint& topLeft);

} // namespace art::tenthousand
