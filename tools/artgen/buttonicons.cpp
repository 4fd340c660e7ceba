// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttonicons.h"

#include "lettering.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace art {

QPainterPath buttonIcon(ButtonIcon kind, const QRectF& r) {
    const QPointF o = r.topLeft();
    QPainterPath icon;
    switch (kind) {
    case ButtonIcon::Faster: // faster: a plus
        icon.setFillRule(Qt::WindingFill);
        icon.addRect(QRectF(o.x() + 4, o.y() + 8, 11, 3));
        icon.addRect(QRectF(o.x() + 8, o.y() + 4, 3, 11));
        icon = icon.simplified();
        break;
    case ButtonIcon::Slower: // slower: a bar
        icon.addRect(QRectF(o.x() + 4.5, o.y() + 2, 10, 1.2));
        break;
    case ButtonIcon::Music: { // music: a quaver
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 3.4, 2.5);
        icon.addPath(QTransform().translate(o.x() + 6, o.y() + 17).rotate(-22).map(head));
        icon.addRect(QRectF(o.x() + 8.3, o.y() + 4, 1.4, 13));
        QPainterPath flag;
        flag.moveTo(o.x() + 8.3, o.y() + 4);
        flag.cubicTo(o.x() + 10, o.y() + 8, o.x() + 15, o.y() + 8, o.x() + 12.5, o.y() + 14);
        flag.cubicTo(o.x() + 13.5, o.y() + 9.5, o.x() + 10.5, o.y() + 9.5, o.x() + 9.7,
                     o.y() + 7.5);
        flag.closeSubpath();
        icon.addPath(flag);
        icon = icon.simplified();
        break;
    }
    case ButtonIcon::MusicFile: { // select music: a folder with a note on it
        QPainterPath folder;
        folder.moveTo(o.x() + 3, o.y() + 7);
        folder.lineTo(o.x() + 9, o.y() + 7);
        folder.lineTo(o.x() + 10.5, o.y() + 9);
        folder.lineTo(o.x() + 20, o.y() + 9);
        folder.lineTo(o.x() + 20, o.y() + 19);
        folder.lineTo(o.x() + 3, o.y() + 19);
        folder.closeSubpath();
        QPainterPath note;
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 2.2, 1.6);
        note.addPath(QTransform().translate(o.x() + 10.5, o.y() + 16).rotate(-22).map(head));
        note.addRect(QRectF(o.x() + 12, o.y() + 10.5, 1.1, 5.5));
        note.addRect(QRectF(o.x() + 12, o.y() + 10.5, 3.5, 1.2));
        icon = folder.subtracted(note.simplified());
        break;
    }
    case ButtonIcon::Sound: { // sound: a speaker and its waves
        QPainterPath speaker;
        speaker.moveTo(o.x() + 3.5, o.y() + 9);
        speaker.lineTo(o.x() + 7, o.y() + 9);
        speaker.lineTo(o.x() + 12, o.y() + 4.5);
        speaker.lineTo(o.x() + 12, o.y() + 18.5);
        speaker.lineTo(o.x() + 7, o.y() + 14);
        speaker.lineTo(o.x() + 3.5, o.y() + 14);
        speaker.closeSubpath();
        icon.addPath(speaker);
        QPainterPathStroker waves;
        waves.setWidth(1.4);
        waves.setCapStyle(Qt::RoundCap);
        for (double rad : {3.5, 6.5}) {
            QPainterPath arc;
            const QRectF box(o.x() + 12 - rad, o.y() + 11.5 - rad, rad * 2, rad * 2);
            arc.arcMoveTo(box, -50);
            arc.arcTo(box, -50, 100);
            icon.addPath(waves.createStroke(arc));
        }
        icon = icon.simplified();
        break;
    }
    case ButtonIcon::Help: {
        const QFont f = makeFont(kSerif, 19, QFont::Bold);
        icon = centredText(r, QStringLiteral("?"), f);
        break;
    }
    case ButtonIcon::Mischief: {
        icon.addRoundedRect(QRectF(o.x() + r.width() / 2 - 1.2, o.y() + 4, 2.4, 10.5), 1.2, 1.2);
        icon.addEllipse(QPointF(o.x() + r.width() / 2, o.y() + 17.5), 1.4, 1.4);
        break;
    }
    case ButtonIcon::NextTune: {
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 3.2, 2.4);
        icon.addPath(QTransform().translate(o.x() + 6.5, o.y() + 16).rotate(-22).map(head));
        icon.addRect(QRectF(o.x() + 8.4, o.y() + 5, 1.4, 11));
        QPainterPath flag;
        flag.moveTo(o.x() + 8.4, o.y() + 5);
        flag.cubicTo(o.x() + 10, o.y() + 8, o.x() + 13.5, o.y() + 8, o.x() + 11.5, o.y() + 13);
        flag.cubicTo(o.x() + 12, o.y() + 9.5, o.x() + 10.5, o.y() + 9.5, o.x() + 9.8, o.y() + 8);
        flag.closeSubpath();
        icon.addPath(flag);
        QPainterPath pointer;
        pointer.moveTo(o.x() + 14, o.y() + 7.5);
        pointer.lineTo(o.x() + 20, o.y() + 11.5);
        pointer.lineTo(o.x() + 14, o.y() + 15.5);
        pointer.closeSubpath();
        icon.addPath(pointer);
        icon = icon.simplified();
        break;
    }
    case ButtonIcon::AcesWild: {
        const QFont f = makeFont(kSerif, 17, QFont::Bold);
        icon = centredText(QRectF(o.x() + 2, o.y(), 13, r.height()), QStringLiteral("A"), f);
        QPainterPath star;
        const QPointF c(o.x() + 20.5, o.y() + r.height() / 2);
        for (int k = 0; k < 10; ++k) {
            const double rad = k % 2 == 0 ? 5.6 : 2.3;
            const double a = k * M_PI / 5 - M_PI / 2;
            const QPointF pt = c + QPointF(std::cos(a) * rad, std::sin(a) * rad);
            if (k == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        icon.addPath(star);
        icon = icon.simplified();
        break;
    }
    case ButtonIcon::Exit: {
        const double cy = o.y() + r.height() / 2;
        icon.moveTo(o.x() + 4, cy);
        icon.lineTo(o.x() + 12, cy - 6);
        icon.lineTo(o.x() + 12, cy - 2.5);
        icon.lineTo(o.x() + 23, cy - 2.5);
        icon.lineTo(o.x() + 23, cy + 2.5);
        icon.lineTo(o.x() + 12, cy + 2.5);
        icon.lineTo(o.x() + 12, cy + 6);
        icon.closeSubpath();
        break;
    }
    }
    return icon;
}

QPainterPath fittedButtonIcon(ButtonIcon kind, const QRectF& r, double margin) {
    const QPainterPath icon = buttonIcon(kind, r);
    const QRectF ink = icon.boundingRect();
    const QRectF room = r.adjusted(margin, margin, -margin, -margin);
    const double scale = std::min({1.0, room.width() / ink.width(), room.height() / ink.height()});
    return QTransform()
        .translate(r.center().x(), r.center().y())
        .scale(scale, scale)
        .translate(-ink.center().x(), -ink.center().y())
        .map(icon);
}

} // namespace art
