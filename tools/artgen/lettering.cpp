// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lettering.h"

#include "paintkit.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace art {

QFont makeFont(const QString& family, double pixelSize, int weight, bool italic) {
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

Lettering plain(const QColor& c) {
    Lettering l;
    l.fillTop = c;
    l.fillBottom = c;
    return l;
}

Lettering engraved(const QColor& fill) {
    Lettering l = plain(fill);
    l.shadow = QColor(255, 255, 255, 90);
    l.shadowOffset = {0.0, 1.0};
    l.highlight = QColor(0, 0, 0, 160);
    return l;
}

Lettering gildedTitle(int shadowAlpha) {
    Lettering l;
    l.fillTop = QColor(255, 232, 150);
    l.fillBottom = QColor(186, 128, 36);
    l.outline = QColor(40, 22, 6);
    l.outlineWidth = 2.5;
    l.shadow = QColor(0, 0, 0, shadowAlpha);
    l.shadowOffset = {2, 3};
    l.shadowBlur = 5;
    return l;
}

QPainterPath centredText(const QRectF& box, const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const double capHeight = QFontMetricsF(font).capHeight();
    const double dx = box.center().x() - ink.center().x();
    const double dy = box.center().y() + capHeight / 2.0;
    return path.translated(dx, dy);
}

QFont fittedFont(const QString& family, int weight, bool italic, const QString& text,
                 const QSizeF& box, double maxPixels) {
    for (double px = maxPixels; px > 6.0; px -= 0.5) {
        const QFont f = makeFont(family, px, weight, italic);
        QPainterPath path;
        path.addText(0, 0, f, text);
        const QRectF ink = path.boundingRect();
        if (ink.width() <= box.width() && ink.height() <= box.height())
            return f;
    }
    return makeFont(family, 6.0, weight, italic);
}

void drawLettering(QPainter& p, const QPainterPath& path, const Lettering& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (style.shadow.alpha() > 0) {
        if (style.shadowBlur > 0.0) {
            QPainterPath thick = path;
            if (style.outlineWidth > 0.0) {
                QPainterPathStroker stroker;
                stroker.setWidth(style.outlineWidth);
                thick = thick.united(stroker.createStroke(path));
            }
            softShadow(p, thick, style.shadowOffset.x(), style.shadowOffset.y(), style.shadowBlur,
                       style.shadow.alpha());
        } else {
            p.fillPath(path.translated(style.shadowOffset), style.shadow);
        }
    }
    if (style.highlight.alpha() > 0)
        p.fillPath(path.translated(-0.6, -0.8), style.highlight);
    if (style.outlineWidth > 0.0)
        p.strokePath(path, QPen(style.outline, style.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
    const QRectF ink = path.boundingRect();
    QLinearGradient g(ink.topLeft(), ink.bottomLeft());
    g.setColorAt(0.0, style.fillTop);
    g.setColorAt(1.0, style.fillBottom);
    p.fillPath(path, g);
    p.restore();
}

void letterCentred(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const Lettering& style) {
    drawLettering(p, centredText(box, text, font), style);
}

} // namespace art
