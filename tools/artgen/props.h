// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Game props drawn in the artwork: dice seen in three dimensions, flat die
// faces, gold coins and abacus beads.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace art {

struct DieStyle {
    QColor body;
    QColor pip;
    bool pokerFaces = false; // A K Q J 10 9 instead of pips
};

DieStyle ivoryDie();
DieStyle redDie();
DieStyle pokerDie();

// Orientation of a cube in degrees about the screen's x, y and z axes.
struct Tumble {
    double aboutX;
    double aboutY;
    double aboutZ;
};

// A cube die of edge length size centred on centre, lit from the top left.
void drawDie3D(QPainter& p, const QPointF& centre, double size, const Tumble& tumble,
               const DieStyle& style);
// A die seen straight from above, showing value (1..6).
void drawDieFace(QPainter& p, const QRectF& r, int value, const DieStyle& style);

// A gold coin lying flat: an ellipse of the given radii with a visible rim.
void drawCoin(QPainter& p, const QPointF& centre, double radiusX, double radiusY);
// A polished wooden bead filling r.
void drawBead(QPainter& p, const QRectF& r, const QColor& colour);

} // namespace art
