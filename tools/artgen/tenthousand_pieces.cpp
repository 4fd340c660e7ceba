// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The 10,000 pictures drawn over the board: dice rising from the pool, lit
// panes, pressed strip buttons, score digits, the turn marker and the message
// panel. Most are cut from the board and painted over, so that wherever the
// game blits them the board around them carries on unbroken.

#include "artwork.h"
#include "buttonicons.h"
#include "lettering.h"
#include "paintkit.h"
#include "tenthousand_art.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace art::tenthousand {

namespace {

const QColor kInk(58, 36, 12);

// ------------------------------------------------------------------- dice

// Centre of pip place i (0..6) within the pip area.
QPointF pipCentre(int i) {
    return QPointF(kPipPlaces[i]) + QPointF(kPipSize / 2.0, kPipSize / 2.0);
}

// The die's top face, fitted round the four corner pips (P2, P4, P3, P5) so
// that every pip the game draws lands on it.
QPolygonF faceQuad(const QPointF& pipArea) {
    const std::array<QPointF, 4> corners{pipCentre(1), pipCentre(3), pipCentre(2), pipCentre(4)};
    QPointF mid;
    for (const QPointF& c : corners)
        mid += c / 4.0;
    QPolygonF quad;
    for (const QPointF& c : corners)
        quad << pipArea + mid + (c - mid) * 1.5;
    return quad;
}

QPainterPath roundedQuad(const QPolygonF& quad, double radius) {
    QTransform map;
    const QPolygonF square{QPointF(0, 0), QPointF(100, 0), QPointF(100, 100), QPointF(0, 100)};
    QTransform::quadToQuad(square, quad, map);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, 100, 100), radius, radius);
    return map.map(path);
}

struct DiePose {
    QPointF pipArea;  // absolute
    QPointF depth;    // towards the die's far edges
    double waterline; // absolute y; nothing of the die shows below it
    bool floating;    // risen clear of the water
};

DiePose pose(int die, int frame) {
    const QRect r = kDieFrames[die - 1][frame - 1];
    DiePose p;
    if (frame >= 2) {
        p.pipArea = QPointF(r.topLeft() + kPipAreas[die - 1][frame - 2]);
    } else {
        // Only the top edge has broken the surface.
        const QRect next = kDieFrames[die - 1][1];
        p.pipArea = QPointF(next.left() + kPipAreas[die - 1][0].x(), r.top() + 3.6);
    }
    // As much of the left side as the picture has room for, clear of its edge.
    const QPolygonF face = faceQuad(p.pipArea);
    const double room = std::min(face[0].x(), face[3].x()) - r.left();
    p.depth = QPointF(-std::clamp(room - 1.6, 1.0, 4.5), frame == 1 ? -1.6 : -2.0);
    p.floating = frame == 4;
    switch (frame) {
    case 1:
        p.waterline = r.bottom() - 0.5;
        break;
    case 2:
        // Between the middle row of pips and the bottom row, which stays under.
        p.waterline = std::min(p.pipArea.y() + 21.6, r.bottom() - 0.5);
        break;
    default:
        p.waterline = r.bottom() + 1.0;
        break;
    }
    return p;
}

const QColor kIvoryLight(255, 252, 242);
const QColor kIvory(240, 232, 210);
const QColor kIvoryShade(150, 138, 116);

void paintDieBody(QPainter& p, const DiePose& pose) {
    const QPolygonF face = faceQuad(pose.pipArea);
    const QPointF e = pose.depth;
    const QPolygonF left{face[0], face[3], face[3] + e, face[0] + e};
    const QPolygonF top{face[0] + e, face[1] + e, face[1], face[0]};
    QPainterPath body;
    body.addPolygon(left);
    body.addPolygon(top);
    body.addPath(roundedQuad(face, 16));
    body = body.simplified();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(body, kIvoryShade);
    QPainterPath topSide;
    topSide.addPolygon(top);
    QLinearGradient topLight(face[0] + e, face[1]);
    topLight.setColorAt(0.0, QColor(226, 216, 190));
    topLight.setColorAt(1.0, QColor(250, 244, 226));
    p.fillPath(topSide.intersected(body), topLight);
    QPainterPath leftSide;
    leftSide.addPolygon(left);
    QLinearGradient leftShade(face[0], face[3]);
    leftShade.setColorAt(0.0, QColor(176, 164, 140));
    leftShade.setColorAt(1.0, QColor(128, 116, 96));
    p.fillPath(leftSide.intersected(body), leftShade);
    const QPainterPath facePath = roundedQuad(face, 16);
    QLinearGradient lit(face[0], face[2]);
    lit.setColorAt(0.0, kIvoryLight);
    lit.setColorAt(0.6, kIvory);
    lit.setColorAt(1.0, QColor(222, 210, 184));
    p.fillPath(facePath, lit);
    // A soft gloss from the window high on the left.
    QRadialGradient gloss(face[0] + (face[2] - face[0]) * 0.22, 9);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 140));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(facePath, gloss);
    p.strokePath(facePath, QPen(QColor(120, 106, 84, 150), 0.7));
    p.strokePath(body, QPen(QColor(60, 52, 44, 170), 0.8));
}

// Alpha that falls to nothing at the picture's edges, so that what the die
// stirs up on the water never shows a seam against the board.
void fadeToEdges(QImage& overlay, double margin) {
    const double pixels = margin * scaleOf(overlay);
    for (int y = 0; y < overlay.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(overlay.scanLine(y));
        const double fy = std::min(y + 0.5, overlay.height() - y - 0.5) / pixels;
        for (int x = 0; x < overlay.width(); ++x) {
            const double fx = std::min(x + 0.5, overlay.width() - x - 0.5) / pixels;
            const double f = std::clamp(std::min(fx, fy) - 0.5, 0.0, 1.0);
            const QRgb c = line[x];
            line[x] = qRgba(qRound(qRed(c) * f), qRound(qGreen(c) * f), qRound(qBlue(c) * f),
                            qRound(qAlpha(c) * f));
        }
    }
}

QImage paintDie(int die, int frame) {
    const QRect r = kDieFrames[die - 1][frame - 1];
    QImage img = cutOut(board(), r);
    const DiePose dp = pose(die, frame);
    const QPolygonF face = faceQuad(dp.pipArea);
    const double left = face[3].x() + dp.depth.x();
    const double right = face[1].x();
    const double centreX = (left + right) / 2;
    const double width = right - left;

    // What shows on and in the water: the risen die's light on the surface,
    // or the rings where it breaks through and its drowned lower part.
    QImage water = canvas(r.size());
    water.fill(Qt::transparent);
    {
        QPainter w(&water);
        w.setRenderHint(QPainter::Antialiasing);
        w.translate(-r.topLeft());
        if (dp.floating) {
            const double below = (face[2].y() + face[3].y()) / 2;
            const QPointF spot(centreX, (below + r.bottom() + 1) / 2 + 1);
            QRadialGradient glow(spot, width * 0.55);
            glow.setColorAt(0.0, QColor(255, 236, 170, 150));
            glow.setColorAt(0.5, QColor(170, 240, 220, 70));
            glow.setColorAt(1.0, QColor(0, 0, 0, 0));
            w.save();
            w.translate(spot);
            w.scale(1.0, 0.32);
            w.translate(-spot);
            w.fillRect(QRectF(spot.x() - width, spot.y() - width, width * 2, width * 2), glow);
            w.restore();
            w.setPen(QPen(QColor(220, 255, 245, 120), 0.9));
            w.setBrush(Qt::NoBrush);
            w.drawEllipse(spot, width * 0.46, 2.6);
        } else {
            if (frame < 3) {
                w.save();
                w.setClipRect(QRectF(r.left(), dp.waterline, r.width(), 6));
                w.setOpacity(0.28);
                paintDieBody(w, dp);
                w.restore();
            }
            const QPointF at(centreX, std::min(dp.waterline, face[2].y()));
            for (int i = 0; i < 2; ++i) {
                w.setPen(QPen(QColor(225, 255, 248, 170 - 70 * i), 1.0));
                w.setBrush(Qt::NoBrush);
                w.drawEllipse(at, width * (0.52 + 0.1 * i), 1.6 + 1.6 * i);
            }
        }
    }
    fadeToEdges(water, 3.0);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, water);
    p.translate(-r.topLeft());
    p.save();
    p.setClipRect(QRectF(r.left(), r.top() - 1, r.width(), dp.waterline - r.top() + 1));
    paintDieBody(p, dp);
    p.restore();
    p.end();
    // Sinking puts back only the board under the resting frame, so whatever
    // of a frame lies outside it must be the board itself.
    const int s = scaleOf(img);
    const QRect rest = toPixels(kDieFrames[die - 1][3], s);
    const QPoint origin = r.topLeft() * s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!rest.contains(origin + QPoint(x, y)))
                img.setPixel(x, y, board().pixel(origin + QPoint(x, y)));
    return opaque(img);
}

// ----------------------------------------------------------------- panes

QImage paintPane(int pane, bool touched) {
    const QRect r = kPaneRects[pane];
    QImage img = cutOut(board(), r);
    if (!touched)
        return opaque(img);
    // Light flares up behind the glass: it burns pale gold in the middle and
    // dies away over the last few pixels, so the lit picture melts into the
    // unlit pane round it.
    const QColor glass = paneArt()[pane].glass;
    const double fade = std::clamp(std::min(r.width(), r.height()) / 4.0, 1.5, 5.0);
    const int s = scaleOf(img);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        // The pixel's centre, in board units.
        const double cy = (y + 0.5) / s;
        for (int x = 0; x < img.width(); ++x) {
            const double cx = (x + 0.5) / s;
            const double edge = std::min({cx, cy, r.width() - cx, r.height() - cy});
            const double dx = cx / r.width() * 2 - 1;
            const double dy = cy / r.height() * 2 - 1;
            const double core = 1.0 - 0.3 * std::min(1.0, dx * dx + dy * dy);
            const double t = std::clamp((edge - 0.3) / fade, 0.0, 1.0) * core;
            // Screen toward a light made of white and a little of the glass's colour.
            const double lr = 255 * 0.7 + glass.red() * 0.3;
            const double lg = 250 * 0.7 + glass.green() * 0.3;
            const double lb = 220 * 0.7 + glass.blue() * 0.3;
            const QRgb c = line[x];
            auto screen = [t](int v, double l) {
                const double s = 255 - (255 - v) * (255 - l * t) / 255.0;
                return std::clamp(static_cast<int>(std::lround(s)), 0, 255);
            };
            line[x] = qRgb(screen(qRed(c), lr), screen(qGreen(c), lg), screen(qBlue(c), lb));
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-r.topLeft());
    const QPainterPath letters = paneLetters(pane);
    p.strokePath(letters, QPen(QColor(150, 60, 10), r.width() < 15 ? 1.4 : 2.0, Qt::SolidLine,
                               Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient hot(QRectF(r).topLeft(), QRectF(r).bottomLeft());
    hot.setColorAt(0.0, QColor(255, 255, 248));
    hot.setColorAt(1.0, QColor(255, 236, 150));
    p.fillPath(letters, hot);
    p.end();
    return opaque(img);
}

// ----------------------------------------------------------- strip buttons

QImage paintButton(int index, bool down) {
    const QRect r = kStripButtons[index];
    if (!down)
        return opaque(cutOut(board(), r));
    QImage img = cutOut(boardWithoutButtons(), r);
    QPainter p(&img);
    p.translate(-r.topLeft());
    drawStripButton(p, index, true);
    p.end();
    return opaque(img);
}

// ---------------------------------------------------------------- digits

QImage paintDigit(int index) {
    QImage img = canvas(kDigitSize);
    img.fill(kFieldColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    static const char* const glyphs[] = {"0", "1", "2", "3", "4", "5",
                                         "6", "7", "8", "9", "-", "+"};
    const QString text = QString::fromLatin1(glyphs[index]);
    const QFont font = makeFont(kDisplaySerif, 13, QFont::Bold);
    const QRectF box(0, 0.5, kDigitSize.width(), kDigitSize.height() - 1);
    if (index < 10) {
        p.fillPath(centredText(box, text, font), QColor(26, 18, 12));
    } else {
        // The spare signs, drawn as bars so they sit on the digits' middle.
        p.fillRect(QRectF(2, 5, 7, 2), QColor(26, 18, 12));
        if (index == 11)
            p.fillRect(QRectF(4.5, 2.5, 2, 7), QColor(26, 18, 12));
    }
    p.end();
    return opaque(img);
}

// ----------------------------------------------------------- message panel

const std::array<QColor, 4> kBorderGlass{QColor(170, 30, 44), QColor(40, 76, 180),
                                         QColor(214, 156, 40), QColor(34, 128, 78)};

void glassPiece(QPainter& p, const QRectF& r, const QColor& c, double light) {
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.15, -r.height() * 0.2),
                      std::max(r.width(), r.height()) * 0.8);
    g.setColorAt(0.0, shade(c, 1.55 * light));
    g.setColorAt(0.7, shade(c, light));
    g.setColorAt(1.0, shade(c, 0.6 * light));
    p.fillRect(r, g);
}

QImage paintPanel() {
    const QSize size = kMessagePanel.size();
    QImage img = canvas(size);
    img.fill(QColor(32, 31, 36));
    const int band = 11;
    const QRect field(band + 3, band + 3, size.width() - 2 * (band + 3),
                      size.height() - 2 * (band + 3));
    // The pale glass that carries the text: streaky cream, lit from behind.
    const ValueNoise streaks(142, 16, 8);
    forEachPixel(img, field, [&](double x, double y, QRgb& pixel) {
        const double n = streaks.fbm(x / 40.0, y / 8.0, 3) - 0.5;
        const double dx = (x - size.width() / 2.0) / (field.width() / 2.0);
        const double dy = (y - size.height() * 0.42) / (field.height() / 2.0);
        const double glow = 1.0 - 0.09 * (dx * dx + dy * dy);
        const double f = glow + 0.06 * n;
        pixel = qRgb(std::clamp(qRound(250 * f), 0, 255), std::clamp(qRound(240 * f), 0, 255),
                     std::clamp(qRound(212 * f), 0, 255));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The border: a run of jewel-coloured glass between lead cames.
    auto runOfGlass = [&](const QRectF& strip, bool horizontal, int offset) {
        const double length = horizontal ? strip.width() : strip.height();
        const int pieces = std::max(1, static_cast<int>(std::round(length / 22.0)));
        const double step = length / pieces;
        for (int i = 0; i < pieces; ++i) {
            const QRectF piece =
                horizontal
                    ? QRectF(strip.left() + i * step + 1, strip.top(), step - 2, strip.height())
                    : QRectF(strip.left(), strip.top() + i * step + 1, strip.width(), step - 2);
            glassPiece(p, piece, kBorderGlass[(i + offset) % 4], 1.0);
        }
    };
    const double in = 2, out = band + 1;
    runOfGlass(QRectF(out, in, size.width() - 2 * out, band - 1), true, 0);
    runOfGlass(QRectF(out, size.height() - in - band + 1, size.width() - 2 * out, band - 1), true,
               2);
    runOfGlass(QRectF(in, out, band - 1, size.height() - 2 * out), false, 1);
    runOfGlass(QRectF(size.width() - in - band + 1, out, band - 1, size.height() - 2 * out), false,
               3);
    // Gold roundels at the corners.
    for (const QPointF& c :
         {QPointF(in + band / 2.0 - 0.5, in + band / 2.0 - 0.5),
          QPointF(size.width() - in - band / 2.0 + 0.5, in + band / 2.0 - 0.5),
          QPointF(in + band / 2.0 - 0.5, size.height() - in - band / 2.0 + 0.5),
          QPointF(size.width() - in - band / 2.0 + 0.5, size.height() - in - band / 2.0 + 0.5)}) {
        QRadialGradient g(c + QPointF(-1.5, -1.5), 6);
        g.setColorAt(0.0, QColor(255, 240, 170));
        g.setColorAt(1.0, QColor(200, 130, 30));
        p.setPen(QPen(QColor(32, 31, 36), 1.2));
        p.setBrush(g);
        p.drawEllipse(c, 4.3, 4.3);
    }
    // The lead round the pale field, with its lip catching the light.
    p.setPen(QPen(QColor(32, 31, 36), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(field).adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(QColor(120, 116, 124), 0.8));
    p.drawRect(QRectF(field).adjusted(-2.6, -2.6, 2.6, 2.6));
    // A painted flourish under the last line of text, in brown grisaille.
    const double cx = size.width() / 2.0;
    const double y = 121;
    QPainterPath vine;
    vine.moveTo(cx - 90, y);
    vine.cubicTo(cx - 60, y - 6, cx - 30, y + 6, cx - 10, y);
    vine.moveTo(cx + 90, y);
    vine.cubicTo(cx + 60, y - 6, cx + 30, y + 6, cx + 10, y);
    p.strokePath(vine, QPen(QColor(120, 84, 44, 150), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath diamond;
    diamond.moveTo(cx, y - 5);
    diamond.lineTo(cx + 6, y);
    diamond.lineTo(cx, y + 5);
    diamond.lineTo(cx - 6, y);
    diamond.closeSubpath();
    p.fillPath(diamond, QColor(170, 40, 50, 200));
    p.strokePath(diamond, QPen(QColor(110, 70, 36, 200), 1.0));
    for (double s : {-1.0, 1.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 84, 44, 160));
        p.drawEllipse(QPointF(cx + s * 94, y), 2.0, 2.0);
    }
    p.end();
    return opaque(img);
}

} // namespace

// ------------------------------------------------- shared with the board

void drawStripButton(QPainter& p, int index, bool down) {
    const QRectF r = QRectF(kStripButtons[index]);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(3.0, r.height() / 2.0 - 0.5);
    const QPainterPath body = roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    if (down) {
        metal.setColorAt(0.0, QColor(150, 108, 40));
        metal.setColorAt(1.0, QColor(206, 164, 80));
    } else {
        metal.setColorAt(0.0, QColor(252, 226, 150));
        metal.setColorAt(0.5, QColor(220, 176, 86));
        metal.setColorAt(1.0, QColor(168, 120, 44));
    }
    p.fillPath(body, metal);
    // Raised: light on the top-left edge. Pressed: shade falls there instead.
    QLinearGradient edge(r.topLeft(), r.bottomRight());
    edge.setColorAt(0.0, down ? QColor(50, 30, 6, 200) : QColor(255, 250, 220, 220));
    edge.setColorAt(0.5, QColor(0, 0, 0, 0));
    edge.setColorAt(1.0, down ? QColor(255, 240, 200, 120) : QColor(60, 36, 8, 200));
    p.save();
    p.setClipPath(body);
    p.strokePath(body, QPen(QBrush(edge), r.height() < 8 ? 1.6 : 2.4));
    p.restore();
    p.strokePath(body, QPen(QColor(62, 38, 10), 0.9));

    const QRectF place = r.translated(down ? QPointF(0.7, 0.7) : QPointF(0, 0));
    const QPainterPath icon = buttonIcon(static_cast<ButtonIcon>(index), place);
    // Engraved: a light lip below each stroke of the cut.
    p.fillPath(icon.translated(0.5, 0.7),
               down ? QColor(255, 230, 170, 90) : QColor(255, 246, 210, 150));
    p.fillPath(icon, down ? QColor(40, 22, 4) : kInk);
    p.restore();
}

namespace {

const QImage& markerSocket() {
    static PerScale<QImage> kept;
    return kept.get([] {
        QImage s = canvas(kMarkerSize);
        s.fill(QColor(30, 40, 70));
        QPainter p(&s);
        p.setRenderHint(QPainter::Antialiasing);
        // A square of dark enamel framed in brass, with an empty gem setting.
        p.setPen(QPen(QColor(120, 84, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, kMarkerSize.width() - 1, kMarkerSize.height() - 1));
        QRadialGradient enamel(QPointF(4, 3), 10);
        enamel.setColorAt(0.0, QColor(56, 74, 130));
        enamel.setColorAt(1.0, QColor(18, 24, 50));
        p.fillRect(QRectF(1, 1, kMarkerSize.width() - 2, kMarkerSize.height() - 2), enamel);
        const QPointF c(kMarkerSize.width() / 2.0, kMarkerSize.height() / 2.0);
        p.setPen(QPen(QColor(226, 184, 96), 1.1));
        p.setBrush(QColor(12, 10, 16));
        p.drawEllipse(c, 3.4, 3.4);
        return s;
    });
}

} // namespace

void drawMarkerSocket(QPainter& p, const QPoint& topLeft) {
    p.drawImage(topLeft, markerSocket());
}

void drawMarkerGem(QPainter& p, const QPoint& topLeft) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c =
        QPointF(topLeft) + QPointF(kMarkerSize.width() / 2.0, kMarkerSize.height() / 2.0);
    // The gem lights the enamel round it.
    QRadialGradient halo(c, 6.5);
    halo.setColorAt(0.0, QColor(255, 120, 90, 200));
    halo.setColorAt(1.0, QColor(255, 60, 40, 0));
    p.fillRect(QRectF(QPointF(topLeft) + QPointF(1, 1), QSizeF(kMarkerSize) - QSizeF(2, 2)), halo);
    QRadialGradient gem(c + QPointF(-1.2, -1.4), 4.6);
    gem.setColorAt(0.0, QColor(255, 236, 220));
    gem.setColorAt(0.3, QColor(255, 70, 60));
    gem.setColorAt(1.0, QColor(120, 0, 16));
    p.setPen(QPen(QColor(236, 196, 110), 1.1));
    p.setBrush(gem);
    p.drawEllipse(c, 3.6, 3.6);
    p.restore();
}

} // namespace art::tenthousand

namespace art {

QImage paintTenThousandDie(int die, int frame) {
    return tenthousand::paintDie(die, frame);
}

QImage paintTenThousandPane(int pane, bool touched) {
    return tenthousand::paintPane(pane, touched);
}

QImage paintTenThousandButton(int button, bool down) {
    return tenthousand::paintButton(button, down);
}

QImage paintTenThousandDigit(int index) {
    return tenthousand::paintDigit(index);
}

QImage paintTenThousandMarker() {
    const QPoint spot = tenthousand::kMarkerSpots[0];
    QImage img = cutOut(tenthousand::board(), QRect(spot, tenthousand::kMarkerSize));
    QPainter p(&img);
    tenthousand::drawMarkerGem(p, QPoint(0, 0));
    p.end();
    return opaque(img);
}

QImage paintTenThousandPanel() {
    return tenthousand::paintPanel();
}

} // namespace art
