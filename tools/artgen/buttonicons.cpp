#include "buttonicons.h"

#include "lettering.h"

#include <QTransform>

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
    }
    return icon;
}

} // namespace art
