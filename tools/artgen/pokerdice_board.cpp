// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Poker Dice: a vaulted stone hall by candlelight. A carved cabinet on the wall
// holds two marble plates for the players' names and coins, with the row of
// buttons beneath; a little castle dice tower carries three more. On the plum
// velvet of the table lie the abacus that holds the bet, the PASS and ROLL
// candles, and a glowing crystal ball in which the dice appear and the
// messages are read.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "pokerdice_art.h"
#include "props.h"

#include "games/pokerdice/CrystalBall.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace art::pokerdice {

namespace {

constexpr int kTableTop = 194;
constexpr QRectF kCabinet(230, 22, 202, 160);
constexpr QRect kMarble(240, 33, 182, 90);
// The gilt bar between the players' plates, clear of the text on either side.
constexpr double kPlateDivide = 80;
constexpr QRectF kTower(214, 140, 44, 114);
constexpr QRectF kWindow(60, 34, 108, 156);
constexpr QPointF kBallCentre(tumbledown::pokerdice::crystalBallCentreX,
                              tumbledown::pokerdice::crystalBallCentreY);
constexpr double kBallRadius = tumbledown::pokerdice::crystalBallRadius;
constexpr QRectF kPassBody(282, 276, 26, 122);
constexpr QRectF kRollBody(337.5, 262, 20, 86);
constexpr QPointF kPassWick(295, 276.5);

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb mix(QRgb a, QRgb b, double t) {
    auto m = [t](int u, int v) {
        return std::clamp(static_cast<int>(std::lround(u + (v - u) * t)), 0, 255);
    };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

QPainterPath ellipsePath(const QPointF& c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

// A soft light added over whatever lies beneath.
void glow(QPainter& p, const QPointF& centre, double rx, double ry, const QColor& colour) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, colour);
    QColor mid = colour;
    mid.setAlphaF(colour.alphaF() * 0.35);
    g.setColorAt(0.4, mid);
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.translate(centre);
    p.scale(rx, ry);
    p.fillRect(QRectF(-1, -1, 2, 2), g);
    p.restore();
}

Texture woodTexture(const WoodStyle& style, bool vertical = false) {
    return Texture(kBoardSize, [style, vertical](QImage& img, const QRect& r) {
        paintWood(img, r, style, vertical);
    });
}

Texture& walnut() {
    static PerScale<Texture> kept;
    return kept.get([] {
        return woodTexture({QColor(30, 16, 9), QColor(78, 44, 22), 0.09, 6.0, 461});
    });
}

Texture& oak() {
    static PerScale<Texture> kept;
    return kept.get([] {
        return woodTexture({QColor(88, 52, 24), QColor(150, 100, 52), 0.12, 4.0, 462}, true);
    });
}

Texture& mahogany() {
    static PerScale<Texture> kept;
    return kept.get([] {
        return woodTexture({QColor(66, 20, 10), QColor(128, 52, 26), 0.1, 5.0, 463});
    });
}

QBrush giltBrush(const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(255, 236, 160));
    g.setColorAt(0.5, QColor(214, 160, 62));
    g.setColorAt(1.0, QColor(130, 84, 24));
    return g;
}

// --------------------------------------------------------------- the hall

// A pointed arch over the rectangle r, its point at r's top.
QPainterPath lancet(const QRectF& r, double springAt) {
    QPainterPath path;
    const double w = r.width();
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), springAt);
    path.cubicTo(r.left(), springAt - (springAt - r.top()) * 0.55, r.center().x() - w * 0.18,
                 r.top() + 6, r.center().x(), r.top());
    path.cubicTo(r.center().x() + w * 0.18, r.top() + 6, r.right(),
                 springAt - (springAt - r.top()) * 0.55, r.right(), springAt);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void paintWall(QImage& img) {
    StoneStyle stone{QColor(112, 98, 90), QColor(50, 42, 40), 16, 10, 2, 0.3, 146};
    paintStoneBlocks(img, QRect(0, 0, 640, 200), stone);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The vault: two great ribs spring from the wall and meet above the
    // cabinet; the ceiling between them falls into darkness.
    QPainterPath ceiling;
    ceiling.addRect(QRectF(-10, -10, 660, 140));
    QPainterPath under;
    for (double cx : {160.0, 480.0})
        under.addEllipse(QPointF(cx, 128), 168, 120);
    under.addRect(QRectF(-10, 128, 660, 80));
    ceiling = ceiling.subtracted(under);
    QLinearGradient dark(0, 0, 0, 130);
    dark.setColorAt(0.0, QColor(8, 4, 10, 250));
    dark.setColorAt(1.0, QColor(20, 12, 18, 200));
    p.fillPath(ceiling, dark);
    // Fan ribs across the ceiling.
    for (int i = 0; i < 7; ++i) {
        const double x = 20 + i * 100;
        QPainterPath rib;
        rib.moveTo(320, 20);
        rib.quadTo((x + 320) / 2, -6, x, -20);
        p.strokePath(rib, QPen(QColor(90, 76, 70, 120), 3));
    }
    for (double cx : {160.0, 480.0}) {
        QPainterPath arch;
        arch.arcMoveTo(QRectF(cx - 168, 8, 336, 240), 180);
        arch.arcTo(QRectF(cx - 168, 8, 336, 240), 180, -180);
        p.strokePath(arch, QPen(QColor(20, 14, 16, 200), 15));
        p.strokePath(arch, QPen(QColor(150, 134, 122), 10));
        p.strokePath(arch.translated(0, 2.5), QPen(QColor(70, 58, 54, 200), 3));
        p.strokePath(arch.translated(0, -3), QPen(QColor(200, 184, 166, 140), 1.5));
    }
}

void drawWindow(QPainter& p) {
    const QRectF r = kWindow;
    const QPainterPath outer = lancet(r.adjusted(-8, -8, 8, 0), r.top() + 58);
    softShadow(p, outer, 2, 3, 5, 170);
    static PerScale<Texture> kept;
    Texture& dressed = kept.get([] {
        return Texture(kBoardSize, [](QImage& img, const QRect& r) {
            paintMarble(img, r, QColor(120, 106, 96), QColor(176, 162, 146), 0.2, 464);
        });
    });
    fillPathWithImage(p, outer, dressed);
    bevel(p, outer, 2, 110, 150);
    const QPainterPath glass = lancet(r, r.top() + 54);
    // The night outside: deep blue, paler toward the horizon, with stars and a moon.
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(10, 14, 40));
    sky.setColorAt(0.7, QColor(26, 40, 88));
    sky.setColorAt(1.0, QColor(52, 66, 112));
    p.fillPath(glass, sky);
    p.save();
    p.setClipPath(glass);
    Rng rng(465);
    for (int i = 0; i < 40; ++i) {
        const QPointF s(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom() - 40));
        const double size = rng.range(0.3, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 230, static_cast<int>(120 + 130 * size)));
        p.drawEllipse(s, size, size);
    }
    const QPointF moon(r.left() + 34, r.top() + 58);
    glow(p, moon, 44, 44, QColor(170, 190, 255, 120));
    QPainterPath crescent =
        ellipsePath(moon, 13, 13).subtracted(ellipsePath(moon + QPointF(6, -4), 11.5, 11.5));
    p.fillPath(crescent, QColor(250, 246, 220));
    // Far hills under the sky.
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.bottom() - 26);
    hills.cubicTo(r.left() + 30, r.bottom() - 44, r.left() + 50, r.bottom() - 20, r.left() + 74,
                  r.bottom() - 34);
    hills.cubicTo(r.left() + 90, r.bottom() - 42, r.right() - 10, r.bottom() - 30, r.right(),
                  r.bottom() - 24);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.fillPath(hills, QColor(14, 18, 36));
    // Leaded diamond panes.
    p.setPen(QPen(QColor(24, 22, 26, 220), 1.3));
    for (double d = -200; d < 300; d += 17) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + 160, r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + 160, r.top()));
    }
    p.restore();
    // The mullion and the transom of the window.
    p.fillRect(QRectF(r.center().x() - 2.5, r.top() + 2, 5, r.height()), QColor(120, 106, 96));
    p.fillRect(QRectF(r.center().x() - 2.5, r.top() + 2, 1.5, r.height()), QColor(170, 156, 140));
    p.fillRect(QRectF(r.left(), r.top() + 92, r.width(), 4), QColor(110, 96, 88));
    p.strokePath(glass, QPen(QColor(40, 34, 32), 2));
    // The sill.
    const QRectF sill(r.left() - 14, r.bottom() - 2, r.width() + 28, 8);
    softShadow(p, roundedRect(sill, 2), 1, 3, 3, 180);
    fillPathWithImage(p, roundedRect(sill, 2), dressed);
    bevel(p, roundedRect(sill, 2), 1.5, 140, 150);
}

void drawTitle(QPainter& p) {
    const Lettering gold = gildedTitle(220);
    const QRectF box(440, 38, 184, 52);
    letterCentred(p, box, QStringLiteral("Poker Dice"),
                  fittedFont(kDisplaySerif, QFont::Bold, true, QStringLiteral("Poker Dice"),
                             box.size() - QSizeF(12, 8), 34),
                  gold);
    // A flourish under the title, with a spade at its heart.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath curl;
    curl.moveTo(box.left() + 20, 100);
    curl.cubicTo(box.left() + 60, 92, box.center().x() - 30, 108, box.center().x() - 10, 100);
    curl.moveTo(box.right() - 20, 100);
    curl.cubicTo(box.right() - 60, 92, box.center().x() + 30, 108, box.center().x() + 10, 100);
    p.strokePath(curl, QPen(QColor(30, 16, 4, 200), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(curl, QPen(QColor(226, 176, 76), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.restore();
    const QFont suit = makeFont(kDisplaySerif, 18, QFont::Bold);
    drawLettering(
        p, centredText(QRectF(box.center().x() - 10, 92, 20, 16), QStringLiteral("\u2660"), suit),
        gold);
}

// An iron sconce on the wall beside the window, its candle alight.
void drawSconce(QPainter& p, const QPointF& wick) {
    const double x = wick.x();
    glow(p, wick + QPointF(0, -6), 80, 80, QColor(255, 180, 90, 120));
    QPainterPath plate;
    plate.moveTo(x - 7, wick.y() + 44);
    plate.quadTo(x - 7, wick.y() + 32, x, wick.y() + 28);
    plate.quadTo(x + 7, wick.y() + 32, x + 7, wick.y() + 44);
    plate.lineTo(x + 7, wick.y() + 70);
    plate.quadTo(x + 5, wick.y() + 76, x, wick.y() + 82);
    plate.quadTo(x - 5, wick.y() + 76, x - 7, wick.y() + 70);
    plate.closeSubpath();
    softShadow(p, plate, 3, 4, 5, 190);
    QLinearGradient iron(QPointF(x - 7, 0), QPointF(x + 7, 0));
    iron.setColorAt(0.0, QColor(96, 84, 72));
    iron.setColorAt(0.5, QColor(52, 46, 40));
    iron.setColorAt(1.0, QColor(22, 20, 18));
    p.fillPath(plate, iron);
    bevel(p, plate, 1.2, 110, 140);
    QPainterPath arm;
    arm.moveTo(x, wick.y() + 62);
    arm.cubicTo(x, wick.y() + 52, x - 3, wick.y() + 50, x, wick.y() + 42);
    p.strokePath(arm, QPen(QColor(26, 22, 20), 3, Qt::SolidLine, Qt::RoundCap));
    const QRectF candle(x - 5, wick.y() + 4, 10, 30);
    softShadow(p, roundedRect(candle, 2), 4, 3, 5, 140);
    QLinearGradient wax(candle.topLeft(), candle.topRight());
    wax.setColorAt(0.0, QColor(255, 236, 196));
    wax.setColorAt(0.45, QColor(246, 226, 186));
    wax.setColorAt(1.0, QColor(170, 140, 100));
    p.fillPath(roundedRect(candle, 1.5), wax);
    p.fillPath(ellipsePath(QPointF(x, candle.top()), candle.width() / 2, 1.4),
               QColor(255, 246, 220));
    QPainterPath dish;
    dish.moveTo(x - 13, wick.y() + 34);
    dish.lineTo(x + 13, wick.y() + 34);
    dish.quadTo(x + 10, wick.y() + 41, x, wick.y() + 41);
    dish.quadTo(x - 10, wick.y() + 41, x - 13, wick.y() + 34);
    QLinearGradient metal(QPointF(0, wick.y() + 34), QPointF(0, wick.y() + 41));
    metal.setColorAt(0.0, QColor(130, 112, 92));
    metal.setColorAt(1.0, QColor(24, 20, 18));
    p.fillPath(dish, metal);
    p.strokePath(
        [&] {
            QPainterPath w;
            w.moveTo(x, wick.y() + 4);
            w.lineTo(x - 0.4, wick.y());
            return w;
        }(),
        QPen(QColor(34, 24, 18), 1.2));
    drawCandleFlame(p, wick + QPointF(-0.4, -3), 16);
}

// ---------------------------------------------------------------- the table

void paintTable(QImage& img) {
    const QRect cloth(0, kTableTop, kBoardSize.width(), kBoardSize.height() - kTableTop);
    paintFelt(img, cloth, QColor(92, 30, 56), 0.3, 466);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The velvet falls into shade toward the wall.
    QLinearGradient depth(0, kTableTop, 0, kTableTop + 120);
    depth.setColorAt(0.0, QColor(0, 0, 0, 170));
    depth.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(cloth, depth);
    // The table's back edge against the wall.
    p.fillRect(QRectF(0, kTableTop - 4, kBoardSize.width(), 4), QColor(40, 20, 12));
    p.fillRect(QRectF(0, kTableTop - 4, kBoardSize.width(), 1.2), QColor(150, 100, 60));
    QLinearGradient wallShade(0, kTableTop - 30, 0, kTableTop - 4);
    wallShade.setColorAt(0.0, QColor(0, 0, 0, 0));
    wallShade.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(QRectF(0, kTableTop - 30, kBoardSize.width(), 26), wallShade);
}

void lightTheHall(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vignette(p, QRectF(boardRect(img)), 0.6);
    // Candlelight from the middle of the table, and the crystal's own glow.
    glow(p, QPointF(318, 268), 230, 190, QColor(255, 170, 80, 120));
    glow(p, kPassWick + QPointF(0, -14), 90, 90, QColor(255, 190, 100, 110));
    glow(p, kBallCentre, 200, 190, QColor(190, 170, 255, 90));
    glow(p, kBallCentre, 150, 145, QColor(220, 210, 255, 130));
    // Moonlight through the window onto the abacus.
    glow(p, QPointF(120, 230), 120, 70, QColor(120, 140, 220, 50));
}

// --------------------------------------------------------------- the cabinet

void drawMarble(QPainter& p) {
    static PerScale<QImage> kept;
    const QImage& stone = kept.get([] {
        QImage t = canvas(kBoardSize);
        paintMarble(t, kMarble.adjusted(-2, -2, 2, 2), QColor(6, 14, 12), QColor(36, 56, 48), 0.25,
                    467);
        QPainter tp(&t);
        tp.setRenderHint(QPainter::Antialiasing);
        // A few pale veins; faint, so the gold writing keeps its contrast.
        Rng rng(468);
        for (int i = 0; i < 7; ++i) {
            QPainterPath vein;
            double x = kMarble.left() + rng.range(-20, kMarble.width());
            double y = kMarble.top() + rng.range(0, kMarble.height());
            vein.moveTo(x, y);
            for (int k = 0; k < 6; ++k) {
                x += rng.range(8, 26);
                y += rng.range(-8, 10);
                vein.lineTo(x, y);
            }
            tp.strokePath(vein, QPen(QColor(120, 150, 136, 50), rng.range(0.5, 1.2)));
        }
        return t;
    });
    for (const QRectF& slab : {QRectF(kMarble.left(), kMarble.top(), kMarble.width(),
                                      kPlateDivide - kMarble.top() - 1.5),
                               QRectF(kMarble.left(), kPlateDivide + 1.5, kMarble.width(),
                                      kMarble.bottom() + 1 - kPlateDivide - 1.5)}) {
        const QPainterPath s = roundedRect(slab, 2);
        fillPathWithImage(p, s, stone);
        gloss(p, s, 14);
        bevel(p, s, 1.5, 40, 120);
    }
    // Gilt beading round the plates and between them.
    const QRectF all = QRectF(kMarble).adjusted(-2.5, -2.5, 2.5, 2.5);
    p.strokePath(roundedRect(all, 3), QPen(QColor(30, 16, 6), 3));
    p.strokePath(roundedRect(all, 3), QPen(giltBrush(all), 1.8));
    const QRectF bar(kMarble.left(), kPlateDivide - 1.5, kMarble.width(), 3);
    p.fillRect(bar, giltBrush(bar));
    p.fillRect(QRectF(bar.left(), bar.top(), bar.width(), 0.8), QColor(255, 244, 200, 180));
}

void drawSign(QPainter& p) {
    const QRectF r = QRectF(kSign).adjusted(-2, -1, 2, 1);
    QPainterPath plaque;
    plaque.moveTo(r.left() + 5, r.top());
    plaque.lineTo(r.right() - 5, r.top());
    plaque.quadTo(r.right() - 4, r.center().y(), r.right(), r.center().y());
    plaque.quadTo(r.right() - 4, r.center().y(), r.right() - 5, r.bottom());
    plaque.lineTo(r.left() + 5, r.bottom());
    plaque.quadTo(r.left() + 4, r.center().y(), r.left(), r.center().y());
    plaque.quadTo(r.left() + 4, r.center().y(), r.left() + 5, r.top());
    plaque.closeSubpath();
    softShadow(p, plaque, 1, 2, 3, 200);
    fillPathWithImage(p, plaque, mahogany());
    bevel(p, plaque, 1.5, 130, 170);
    p.strokePath(plaque, QPen(QColor(200, 150, 70), 0.9));
    // The word is cut into the wood and gilded.
    Lettering cut;
    cut.fillTop = QColor(255, 230, 140);
    cut.fillBottom = QColor(196, 140, 48);
    cut.highlight = QColor(10, 4, 0, 200);
    cut.shadow = QColor(255, 210, 150, 70);
    cut.shadowOffset = {0, 0.8};
    QFont f = makeFont(kSerif, 11, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    drawLettering(p, centredText(QRectF(kSign), QStringLiteral("OPTIONS"), f), cut);
}

void drawCrest(QPainter& p) {
    QPainterPath crest;
    crest.moveTo(286, kCabinet.top() + 2);
    crest.cubicTo(300, 4, 362, 4, 376, kCabinet.top() + 2);
    crest.closeSubpath();
    fillPathWithImage(p, crest, walnut());
    bevel(p, crest, 2, 90, 0);
    // A gilt roundel with the ace's spade.
    const QPointF c(331, 16);
    QRadialGradient disc(c + QPointF(-3, -3), 12);
    disc.setColorAt(0.0, QColor(255, 236, 160));
    disc.setColorAt(1.0, QColor(150, 96, 26));
    p.setPen(QPen(QColor(60, 34, 8), 1));
    p.setBrush(disc);
    p.drawEllipse(c, 9.5, 9.5);
    const QFont suit = makeFont(kDisplaySerif, 16, QFont::Bold);
    p.fillPath(centredText(QRectF(c.x() - 8, c.y() - 8, 16, 16), QStringLiteral("\u2660"), suit),
               QColor(30, 16, 8));
}

void drawCabinet(QPainter& p) {
    QPainterPath body = roundedRect(kCabinet, 5);
    softShadow(p, body, 4, 6, 8, 220);
    drawCrest(p);
    fillPathWithImage(p, body, walnut());
    bevel(p, body, 3, 110, 200);
    // A gilt moulding inset from the edge.
    const QRectF inset = kCabinet.adjusted(4.5, 4.5, -4.5, -4.5);
    p.strokePath(roundedRect(inset, 3), QPen(QColor(20, 10, 4, 200), 2.4));
    p.strokePath(roundedRect(inset.adjusted(0.6, 0.6, 0.6, 0.6), 3),
                 QPen(QColor(200, 150, 70, 170), 0.9));
    drawMarble(p);
    for (const QRect& m : kMarkers)
        drawMarkerSocket(p, m);
    // The rail below the plates that carries the buttons.
    const QRectF rail(kCabinet.left() + 8, 145, kCabinet.width() - 16, 30);
    p.fillRect(rail, QColor(0, 0, 0, 50));
    p.strokePath(roundedRect(rail, 2), QPen(QColor(16, 8, 2, 150), 1.4));
    p.strokePath(roundedRect(rail.translated(0.8, 0.8), 2), QPen(QColor(160, 110, 60, 90), 0.8));
    drawSign(p);
}

// ------------------------------------------------------------ the dice tower

void drawTower(QPainter& p) {
    const QRectF r = kTower;
    QPainterPath body;
    // Battlements along the top.
    const int merlons = 4;
    const double step = r.width() / (2 * merlons - 1);
    body.moveTo(r.left(), r.bottom());
    body.lineTo(r.left(), r.top() - 7);
    for (int i = 0; i < 2 * merlons - 1; ++i) {
        const double x = r.left() + (i + 1) * step;
        const double y = i % 2 == 0 ? r.top() - 7 : r.top();
        body.lineTo(x - (i % 2 == 0 ? 0 : step), y);
        body.lineTo(x, y);
        if (i + 1 < 2 * merlons - 1)
            body.lineTo(x, i % 2 == 0 ? r.top() : r.top() - 7);
    }
    body.lineTo(r.right(), r.bottom());
    body.closeSubpath();
    body = body.simplified();
    QPainterPath footShadow = ellipsePath(QPointF(r.center().x() + 6, r.bottom() + 2), 32, 7);
    softShadow(p, footShadow, 0, 0, 5, 190);
    softShadow(p, body, 5, 4, 6, 200);
    fillPathWithImage(p, body, oak());
    // Rounded front: lit on the left, shaded on the right.
    QLinearGradient round(r.topLeft(), r.topRight());
    round.setColorAt(0.0, QColor(255, 220, 160, 50));
    round.setColorAt(0.4, QColor(0, 0, 0, 0));
    round.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillPath(body, round);
    bevel(p, body, 2, 120, 170);
    // Iron bands between the buttons, with rivets.
    for (double y : {r.top() + 1, 181.0, 214.5, r.bottom() - 8}) {
        const QRectF band(r.left(), y, r.width(), 3.5);
        QLinearGradient iron(band.topLeft(), band.bottomLeft());
        iron.setColorAt(0.0, QColor(120, 110, 100));
        iron.setColorAt(1.0, QColor(26, 22, 20));
        p.fillRect(band, iron);
        for (double x : {band.left() + 3, band.right() - 3}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 190, 170));
            p.drawEllipse(QPointF(x, band.center().y()), 1.1, 1.1);
        }
    }
    // The dark mouth the dice tumble out of.
    const QRectF mouth(r.left() + 10, r.bottom() - 4.5, r.width() - 20, 4.5);
    p.fillPath(roundedRect(mouth, 2), QColor(14, 8, 4));
}

// --------------------------------------------------------------- the abacus

// Abacus space: u runs from rod 7's bead centres (0) to rod 1's (76), v from
// the centres of place 1 (0) to those of place 7 (64). The tray lies a little
// askew on the table, so the map is fitted to the bead places.
QTransform abacusMap() {
    auto centre = [](int rod, int place) {
        return QPointF(kBeads[rod][place]) +
               QPointF(kBeadSize.width() / 2.0, kBeadSize.height() / 2.0);
    };
    const QPolygonF from{QPointF(0, 0), QPointF(76, 0), QPointF(76, 64), QPointF(0, 64)};
    const QPolygonF to{centre(6, 0), centre(0, 0), centre(0, 6), centre(6, 6)};
    QTransform map;
    QTransform::quadToQuad(from, to, map);
    return map;
}

QPainterPath abacusRect(const QTransform& map, const QRectF& r, double radius = 0) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return map.map(path);
}

// The column of a rod's left half at screen row y: the bead places fix it
// exactly, and between places it steps across to the next one.
int rodColumn(int rod, int y) {
    const auto& places = kBeads[rod];
    if (y < places[0].y())
        return places[0].x() + 4;
    for (int i = 0; i < 7; ++i) {
        if (y < places[i].y() + kBeadSize.height())
            return (y >= places[i].y() ? places[i] : places[i - 1]).x() + 4;
    }
    return places[6].x() + 4;
}

// One row of a brass rod two units wide, lit on its left half, at board (x, y).
void paintRodRow(QImage& img, int x, int y) {
    const int s = scaleOf(img);
    for (int py = y * s; py < (y + 1) * s; ++py)
        for (int px = 0; px < 2 * s; ++px)
            img.setPixel(x * s + px, py, (px < s ? kRodLight : kRodDark).rgb());
}

void stampBeadPlaces(QImage& img) {
    const QImage place = beadPlace();
    QPainter p(&img);
    for (const auto& rod : kBeads)
        for (const QPoint& at : rod)
            p.drawImage(at, place);
}

void stampDigitPlaces(QImage& img) {
    QPainter p(&img);
    for (const QPoint& at : kDigits)
        p.fillRect(QRect(at, kDigitSize), kDigitGround);
}

void drawAbacus(QPainter& p, QImage& img) {
    const QTransform map = abacusMap();
    // Outer frame, the counter window at the top and the well the rods cross.
    const QRectF outer(-22, -48, 120, 128);
    const QRectF window(-12, -37, 100, 27);
    const QRectF well(-12, -6, 100, 78);
    const QPainterPath frame = abacusRect(map, outer, 6);
    softShadow(p, frame, 4, 6, 7, 220);
    fillPathWithImage(p, frame, mahogany());
    bevel(p, frame, 3, 120, 190);
    // Gilt inlay round the frame.
    p.strokePath(abacusRect(map, outer.adjusted(4, 4, -4, -4), 3),
                 QPen(QColor(210, 160, 70, 150), 0.9));
    // The openings are cut into the frame, their edges dark.
    for (const QRectF& hole : {window, well}) {
        const QPainterPath cut = abacusRect(map, hole.adjusted(-1.5, -1.5, 1.5, 1.5), 2);
        p.fillPath(cut, QColor(22, 8, 4));
    }
    p.fillPath(abacusRect(map, window), kDigitGround);
    p.fillPath(abacusRect(map, well), kBeadGround);
    p.end();
    // The rods, exactly through the middle of every bead place.
    const QRectF wellOnScreen = abacusRect(map, well).boundingRect();
    for (int rod = 0; rod < 7; ++rod) {
        const int top = static_cast<int>(std::ceil(map.map(QPointF(76 - rod * 76.0 / 6, -6)).y()));
        const int bottom =
            static_cast<int>(std::floor(map.map(QPointF(76 - rod * 76.0 / 6, 72)).y())) - 1;
        for (int y = std::max(top, static_cast<int>(wellOnScreen.top())); y <= bottom; ++y)
            paintRodRow(img, rodColumn(rod, y), y);
    }
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The reckoning bar, in the gap between places 2 and 3 on every rod.
    const QPainterPath bar = abacusRect(map, QRectF(-12, 15.9, 100, 3.3));
    p.fillPath(bar, QBrush(QColor(92, 30, 14)));
    p.setPen(QPen(QColor(200, 120, 80, 160), 0.7));
    p.drawLine(map.map(QLineF(-12, 16.3, 88, 16.3)));
    // Brass corner plates.
    for (const QPointF& c :
         {QPointF(-17, -43), QPointF(93, -43), QPointF(93, 75), QPointF(-17, 75)}) {
        const QPointF at = map.map(c);
        QRadialGradient brass(at + QPointF(-1, -1), 4.5);
        brass.setColorAt(0.0, QColor(255, 236, 160));
        brass.setColorAt(1.0, QColor(140, 92, 26));
        p.setPen(QPen(QColor(60, 34, 8), 0.8));
        p.setBrush(brass);
        p.drawEllipse(at, 3.2, 3.2);
    }
    p.end();
    stampBeadPlaces(img);
    stampDigitPlaces(img);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
}

// --------------------------------------------------------------- the candles

void drawCandle(QPainter& p, const QRectF& body, const QString& word) {
    const double cx = body.center().x();
    // The brass dish it stands in, and its shadow on the velvet.
    const QRectF dish(body.left() - 9, body.bottom() - 6, body.width() + 18, 14);
    softShadow(p, ellipsePath(dish.center() + QPointF(7, 4), dish.width() * 0.6, 7), 0, 0, 5, 200);
    QLinearGradient brass(dish.topLeft(), dish.topRight());
    brass.setColorAt(0.0, QColor(120, 76, 20));
    brass.setColorAt(0.35, QColor(255, 226, 140));
    brass.setColorAt(1.0, QColor(100, 62, 16));
    p.setPen(QPen(QColor(70, 42, 10), 1));
    p.setBrush(brass);
    p.drawEllipse(dish);
    p.setBrush(QColor(90, 56, 16));
    p.drawEllipse(dish.adjusted(5, 2.5, -5, -5));
    // The wax, round and lit from the left.
    QPainterPath stick;
    stick.addRect(QRectF(body.left(), body.top() + 2, body.width(), body.height() - 2));
    stick.addEllipse(QPointF(cx, body.bottom()), body.width() / 2, 2.5);
    stick.addEllipse(QPointF(cx, body.top() + 2), body.width() / 2, 2.5);
    stick = stick.simplified();
    QLinearGradient wax(body.topLeft(), body.topRight());
    wax.setColorAt(0.0, QColor(206, 178, 132));
    wax.setColorAt(0.3, QColor(255, 246, 222));
    wax.setColorAt(0.6, QColor(238, 220, 184));
    wax.setColorAt(1.0, QColor(150, 118, 80));
    p.fillPath(stick, wax);
    // Drips run down from the rim.
    Rng rng(static_cast<std::uint32_t>(body.left() * 7));
    for (int i = 0; i < 3; ++i) {
        const double x = body.left() + 3 + rng.range(0, body.width() - 6);
        const double len = rng.range(8, 22);
        QPainterPath drip;
        drip.addRoundedRect(QRectF(x - 1.4, body.top() + 2, 2.8, len), 1.4, 1.4);
        QLinearGradient d(x - 1.4, 0, x + 1.4, 0);
        d.setColorAt(0.0, QColor(255, 250, 232));
        d.setColorAt(1.0, QColor(210, 186, 146));
        p.fillPath(drip, d);
    }
    // The hollow the flame melts in the top, and the wick.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 214, 170));
    p.drawEllipse(QPointF(cx, body.top() + 2), body.width() / 2 - 1, 2.2);
    p.setBrush(QColor(214, 186, 136));
    p.drawEllipse(QPointF(cx, body.top() + 2.4), body.width() / 2 - 3, 1.3);
    QPainterPath wick;
    wick.moveTo(cx, body.top() + 2.5);
    wick.quadTo(cx + 0.4, body.top() - 2, cx - 0.6, body.top() - 5);
    p.strokePath(wick, QPen(QColor(34, 24, 18), 1.4, Qt::SolidLine, Qt::RoundCap));
    // The word runs down the candle, one letter under another, pressed into the wax.
    const QFont font = makeFont(kSerif, 13, QFont::Bold);
    const double stepY = 15;
    const double start = body.top() + 14;
    Lettering red;
    red.fillTop = QColor(170, 24, 24);
    red.fillBottom = QColor(110, 10, 14);
    red.highlight = QColor(90, 50, 20, 120);
    red.shadow = QColor(255, 255, 240, 140);
    red.shadowOffset = {0.5, 0.8};
    for (int i = 0; i < word.size(); ++i)
        letterCentred(p, QRectF(body.left(), start + i * stepY, body.width(), stepY),
                      word.mid(i, 1), font, red);
}

// ------------------------------------------------------------- crystal ball

// The glass is milky and evenly lit where the dice fall and the messages are
// read, so a tumbling die's mist and dark writing both sit well on it; the
// sphere shows in its rim, its reflections and the velvet seen through it.
QRgb ballColour(double x, double y, const ValueNoise& clouds) {
    const double dx = (x - kBallCentre.x()) / kBallRadius;
    const double dy = (y - kBallCentre.y()) / kBallRadius;
    const double d = std::hypot(dx, dy);
    QRgb c = qRgb(240, 236, 248);
    c = mix(c, qRgb(222, 214, 242), smoothstep(0.55, 0.92, d) * 0.6);
    c = mix(c, qRgb(206, 194, 234), smoothstep(0.86, 0.95, d));
    c = mix(c, qRgb(150, 128, 196), smoothstep(0.93, 0.985, d));
    c = mix(c, qRgb(80, 60, 128), smoothstep(0.975, 1.0, d));
    // Slow milky swirls in the glass.
    const double n = clouds.fbm(x / 46.0, y / 46.0, 3) - 0.5;
    const double swirl = std::sin((dx * 3 + dy * 2 + n * 5) * 2.2);
    c = mix(c, swirl > 0 ? qRgb(255, 244, 250) : qRgb(214, 212, 246),
            std::abs(swirl) * 0.22 * (1 - smoothstep(0.8, 0.95, d)));
    // The velvet seen upside down through the bottom of the glass.
    if (dy > 0)
        c = mix(c, qRgb(120, 50, 92), smoothstep(0.9, 0.99, d) * std::min(1.0, dy * 1.6) * 0.7);
    // Warm candlelight caught in the rim toward the candles.
    c = mix(c, qRgb(255, 214, 150), std::max(0.0, -dx) * 0.4 * smoothstep(0.86, 0.97, d));
    return c;
}

void drawBallStand(QPainter& p) {
    const double cx = kBallCentre.x();
    const double top = kBallCentre.y() + kBallRadius - 12;
    softShadow(p, ellipsePath(QPointF(cx + 10, 424), 78, 10), 0, 0, 6, 210);
    QLinearGradient brass(cx - 60, 0, cx + 60, 0);
    brass.setColorAt(0.0, QColor(110, 68, 18));
    brass.setColorAt(0.35, QColor(255, 226, 140));
    brass.setColorAt(0.6, QColor(200, 150, 60));
    brass.setColorAt(1.0, QColor(90, 56, 14));
    QPainterPath stand;
    stand.moveTo(cx - 38, top);
    stand.cubicTo(cx - 26, top + 14, cx - 22, 404, cx - 60, 420);
    stand.lineTo(cx + 60, 420);
    stand.cubicTo(cx + 22, 404, cx + 26, top + 14, cx + 38, top);
    stand.closeSubpath();
    p.fillPath(stand, brass);
    p.strokePath(stand, QPen(QColor(70, 40, 8), 1));
    const QRectF foot(cx - 68, 414, 136, 13);
    p.setPen(QPen(QColor(70, 40, 8), 1));
    p.setBrush(brass);
    p.drawRoundedRect(foot, 5, 5);
}

void drawBall(QPainter& p, QImage& img) {
    drawBallStand(p);
    p.end();
    const ValueNoise clouds(469, 16, 16);
    const QRect box = QRectF(kBallCentre.x() - kBallRadius - 1, kBallCentre.y() - kBallRadius - 1,
                             2 * kBallRadius + 2, 2 * kBallRadius + 2)
                          .toAlignedRect();
    // Painted pixel by pixel; four samples a pixel smooth the rim.
    const double unit = 1.0 / scaleOf(img); // a pixel's width in board units
    forEachPixel(img, box, [&](double x, double y, QRgb& pixel) {
        int inside = 0;
        for (int k = 0; k < 4; ++k) {
            const double sx = x + (0.25 + 0.5 * (k % 2)) * unit;
            const double sy = y + (0.25 + 0.5 * (k / 2)) * unit;
            inside += std::hypot(sx - kBallCentre.x(), sy - kBallCentre.y()) < kBallRadius;
        }
        if (inside == 0)
            return;
        const QRgb c = ballColour(x + 0.5 * unit, y + 0.5 * unit, clouds);
        pixel = mix(mix(pixel, qRgb(40, 28, 70), 0.5 * inside / 4.0), c, inside / 4.0);
    });
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath ball = ellipsePath(kBallCentre, kBallRadius, kBallRadius);
    p.save();
    p.setClipPath(ball);
    // The window's reflection, high on the left, and a broad sheen.
    const QPointF w = kBallCentre + QPointF(-67, -60);
    QRadialGradient sheen(w, 26);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 160));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(w.x() - 26, w.y() - 26, 52, 52), sheen);
    QTransform skew;
    skew.translate(w.x(), w.y());
    skew.rotate(-40);
    skew.scale(0.42, 0.6);
    QPainterPath pane = lancet(QRectF(-12, -18, 24, 36), -8);
    pane = skew.map(pane);
    p.fillPath(pane, QColor(255, 255, 255, 235));
    p.strokePath(pane, QPen(QColor(190, 180, 230, 120), 0.8));
    p.strokePath(skew.map([] {
        QPainterPath bars;
        bars.moveTo(0, -18);
        bars.lineTo(0, 18);
        bars.moveTo(-12, 4);
        bars.lineTo(12, 4);
        return bars;
    }()),
                 QPen(QColor(206, 200, 236, 150), 1.3));
    // The candles, small and bright on the near side of the glass.
    for (const QPointF& c : {QPointF(432, 318), QPointF(441, 301)}) {
        QRadialGradient spot(c, 5);
        spot.setColorAt(0.0, QColor(255, 250, 220, 240));
        spot.setColorAt(0.5, QColor(255, 200, 110, 140));
        spot.setColorAt(1.0, QColor(255, 200, 110, 0));
        p.fillRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), spot);
    }
    p.restore();
    p.strokePath(ball, QPen(QColor(60, 40, 96, 200), 1.2));
    // The claws of the stand reach up round the glass.
    for (int side : {-1, 1}) {
        QPainterPath claw;
        const double x = kBallCentre.x() + side * 46;
        claw.moveTo(x, 398);
        claw.cubicTo(x + side * 10, 392, x + side * 20, 384, x + side * 22, 372);
        claw.cubicTo(x + side * 16, 380, x + side * 8, 386, x - side * 4, 392);
        claw.closeSubpath();
        QLinearGradient g(0, 372, 0, 398);
        g.setColorAt(0.0, QColor(255, 226, 140));
        g.setColorAt(1.0, QColor(130, 84, 22));
        p.fillPath(claw, g);
        p.strokePath(claw, QPen(QColor(70, 40, 8), 0.8));
    }
}

// ---------------------------------------------------------------- props

void drawCoins(QPainter& p) {
    softShadow(p, ellipsePath(QPointF(188, 314), 22, 7), 0, 0, 4, 180);
    for (int i = 0; i < 6; ++i)
        drawCoin(p, QPointF(186 + (i % 2) * 0.8, 312 - i * 4.2), 15, 6);
    drawCoin(p, QPointF(206, 322), 11, 4.5);
    drawCoin(p, QPointF(164, 320), 10, 4);
}

// Two cards dropped on the velvet by the candles.
void drawCards(QPainter& p) {
    struct Card {
        QPointF centre;
        double angle;
        int face;
    };
    for (const Card& c : {Card{QPointF(382, 398), -24, 2}, Card{QPointF(410, 404), 10, 1}}) {
        p.save();
        p.translate(c.centre);
        p.rotate(c.angle);
        const QRectF r(-15, -21, 30, 42);
        const QPainterPath card = roundedRect(r, 3);
        softShadow(p, card, 2, 3, 3, 190);
        QLinearGradient paper(r.topLeft(), r.bottomRight());
        paper.setColorAt(0.0, QColor(255, 250, 236));
        paper.setColorAt(1.0, QColor(214, 200, 172));
        p.fillPath(card, paper);
        p.strokePath(card, QPen(QColor(120, 96, 70), 0.8));
        // The rank and suit large in the middle, and small in two corners.
        p.save();
        p.translate(r.left() + 4, r.top() + 9);
        p.scale(0.22, 0.26);
        drawCardMarks(p, c.face, 0.92);
        p.restore();
        for (int corner : {0, 1}) {
            p.save();
            p.rotate(corner * 180);
            p.translate(r.left() + 1.2, r.top() + 1.5);
            p.scale(0.075, 0.09);
            drawCardMarks(p, c.face, 0.92);
            p.restore();
        }
        p.restore();
    }
}

QImage paintBase() {
    QImage img = canvas(kBoardSize);
    paintWall(img);
    paintTable(img);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        drawWindow(p);
    }
    lightTheHall(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTitle(p);
    drawSconce(p, QPointF(205, 62));
    drawCabinet(p);
    drawBall(p, img);
    drawCoins(p);
    drawAbacus(p, img);
    drawTower(p);
    drawCandle(p, kPassBody, QStringLiteral("PASS"));
    drawCandleFlame(p, kPassWick + QPointF(-0.6, -5), 26);
    drawCandle(p, kRollBody, QStringLiteral("ROLL"));
    drawCards(p);
    p.end();
    return opaque(img);
}

} // namespace

QImage beadPlace() {
    QImage img = canvas(kBeadSize);
    img.fill(kBeadGround);
    for (int y = 0; y < kBeadSize.height(); ++y)
        paintRodRow(img, 4, y);
    return img;
}

const QImage& boardWithoutButtons() {
    static PerScale<QImage> kept;
    return kept.get(paintBase);
}

const QImage& board() {
    static PerScale<QImage> kept;
    return kept.get([] {
        QImage b = boardWithoutButtons().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter p(&b);
        for (int i = 0; i < kButtonCount; ++i)
            drawButton(p, static_cast<Button>(i), false);
        p.end();
        return opaque(b);
    });
}

} // namespace art::pokerdice

namespace art {

QImage paintPokerDiceBoard() {
    return pokerdice::board();
}

QImage paintPokerDiceTile() {
    // The hall's own coursed stone, in the shadow beyond the candlelight.
    QImage img = canvas({105, 70});
    StoneStyle stone{QColor(86, 74, 70), QColor(34, 28, 28), 3, 4, 2, 0.32, 147};
    paintStoneBlocks(img, boardRect(img), stone);
    return opaque(img);
}

} // namespace art
