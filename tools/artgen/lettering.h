// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lettering for titles, labels and plaques: text as outlined, gradient-filled
// paths with optional soft shadows, sized to fit a box.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace art {

inline const QString kSerif = QStringLiteral("Liberation Serif");
inline const QString kSans = QStringLiteral("Liberation Sans");
inline const QString kDisplaySerif = QStringLiteral("DejaVu Serif");

QFont makeFont(const QString& family, double pixelSize, int weight = QFont::Bold,
               bool italic = false);

struct Lettering {
    QColor fillTop;
    QColor fillBottom; // vertical gradient over the letters' height
    QColor outline = Qt::transparent;
    double outlineWidth = 0.0;
    QColor shadow = Qt::transparent;
    QPointF shadowOffset{1.0, 1.0};
    double shadowBlur = 0.0;            // 0 draws a crisp offset copy
    QColor highlight = Qt::transparent; // thin light copy offset up-left, as on embossed metal
};

// Flat single-colour lettering.
Lettering plain(const QColor& c);
// Light text cut into a surface: dark edge above, light edge below.
Lettering engraved(const QColor& fill);
// Gold lettering with a dark outline and a soft drop shadow, for board titles.
Lettering gildedTitle(int shadowAlpha);

// Text path with its ink centred on box (horizontally by ink, vertically by cap height).
QPainterPath centredText(const QRectF& box, const QString& text, const QFont& font);
// The largest font of the family (up to maxPixels) whose text fits box.
QFont fittedFont(const QString& family, int weight, bool italic, const QString& text,
                 const QSizeF& box, double maxPixels);

void drawLettering(QPainter& p, const QPainterPath& path, const Lettering& style);
void letterCentred(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const Lettering& style);

} // namespace art
