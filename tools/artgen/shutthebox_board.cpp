// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shut The Box: a walnut games box lined with green baize. Nine ivory tiles
// stand in a row of slots along the top; a shutter rises in a slot to shut
// its box. The score card, the leather dice cup and the icon rail sit on the
// baize where the game draws and hit-tests them.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"
#include "shutthebox_art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace art::shutthebox {

namespace {

constexpr QRect kFelt(18, 172, 596, 240);
constexpr QRectF kRail(40, 26, 552, 140);
constexpr QRectF kScoreCard(44, 203, 232, 131);
constexpr QPointF kCupCentre(354, 295);
constexpr double kCupRadius = 57;
constexpr double kCupMouth = 47;
constexpr QRectF kIconRail(44, 354, 340, 38);

const WoodStyle kWalnut{QColor(78, 42, 18), QColor(150, 94, 48), 0.075, 7.0, 101};
const WoodStyle kOakRail{QColor(120, 74, 34), QColor(198, 146, 84), 0.06, 5.0, 105};
const QColor kSlot(30, 16, 6);
const QColor kNumberRed(140, 22, 26);

Texture texture(const WoodStyle& style, bool vertical = false) {
    return Texture(kBoardSize, [style, vertical](QImage& img, const QRect& r) {
        paintWood(img, r, style, vertical);
    });
}

void paintBoxAndFelt(QImage& img) {
    paintWood(img, boardRect(img), kWalnut);
    paintFelt(img, kFelt, QColor(28, 100, 62), 0.22, 102);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The box's walls: mitred frame, lit from the top left.
    bevel(p, roundedRect(QRectF(boardRect(img)), 0), 9, 90, 140);
    // The baize lies below the frame: shadow along its top and left edges.
    QLinearGradient top(0, kFelt.top(), 0, kFelt.top() + 18);
    top.setColorAt(0.0, QColor(0, 0, 0, 180));
    top.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(kFelt, top);
    QLinearGradient left(kFelt.left(), 0, kFelt.left() + 14, 0);
    left.setColorAt(0.0, QColor(0, 0, 0, 130));
    left.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(kFelt, left);
    vignette(p, QRectF(kFelt), 0.4);
    // A lamp above the middle of the table.
    QRadialGradient lamp(QPointF(330, 290), 320);
    lamp.setColorAt(0.0, QColor(255, 240, 200, 40));
    lamp.setColorAt(1.0, QColor(255, 240, 200, 0));
    p.fillRect(kFelt, lamp);
    // The lip of the frame round the baize, with a fine brass inlay.
    const QRectF lip = QRectF(kFelt).adjusted(-3, -3, 3, 3);
    p.setPen(QPen(QColor(40, 20, 6), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(lip.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(214, 170, 84, 200), 1.0));
    p.drawRect(lip.adjusted(-3.5, -3.5, 3.5, 3.5));
}

void drawTitle(QPainter& p) {
    Lettering carved = engraved(QColor(60, 30, 10));
    carved.shadow = QColor(255, 220, 170, 80);
    letterCentred(p, QRectF(0, 5, kBoardSize.width(), 20), QStringLiteral("SHUT  THE  BOX"),
                  makeFont(kSerif, 18, QFont::Bold), carved);
}

// The rail that holds the tiles: a lighter oak board with a slot per box.
void drawRail(QPainter& p) {
    const QPainterPath rail = roundedRect(kRail, 5);
    softShadow(p, rail, 3, 4, 6, 190);
    static PerScale<Texture> oak;
    fillPathWithImage(p, rail, oak.get([] { return texture(kOakRail); }));
    bevel(p, rail, 3, 150, 170);
    for (int n = 1; n <= 9; ++n) {
        const QRectF slot = QRectF(boxRect(n)).adjusted(-1.5, -1.5, 1.5, 1.5);
        p.fillRect(slot, QColor(60, 34, 14));
        p.fillRect(QRectF(boxRect(n)), kSlot);
    }
}

// An open box: an ivory tile standing in its slot, its number painted large.
void drawOpenBox(QPainter& p, int number) {
    const QRectF box(boxRect(number));
    const QRectF tile = QRectF(box.left(), box.top(), box.width(), kPlateTop - kBoxTop + 4)
                            .adjusted(3.5, 3, -3.5, 0);
    const QPainterPath tilePath = roundedRect(tile, 5);
    QLinearGradient ivory(tile.topLeft(), tile.topRight());
    ivory.setColorAt(0.0, QColor(255, 251, 236));
    ivory.setColorAt(0.6, QColor(242, 230, 202));
    ivory.setColorAt(1.0, QColor(204, 184, 150));
    p.fillPath(tilePath, ivory);
    // Fine lengthwise grain of the bone.
    Rng rng(200 + number);
    p.save();
    p.setClipPath(tilePath);
    for (int i = 0; i < 10; ++i) {
        const double x = tile.left() + rng.range(2, tile.width() - 2);
        p.setPen(QPen(QColor(170, 150, 110, 28), 0.8));
        p.drawLine(QPointF(x, tile.top()), QPointF(x + rng.range(-2, 2), tile.bottom()));
    }
    p.restore();
    bevel(p, tilePath, 2, 170, 120);
    // An inlaid border line and the number.
    p.setPen(QPen(QColor(150, 110, 60, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(4, 4, -4, -8), 3, 3);
    Lettering numeral = plain(kNumberRed);
    numeral.fillTop = QColor(176, 34, 34);
    numeral.fillBottom = QColor(112, 14, 18);
    numeral.shadow = QColor(255, 255, 255, 150);
    numeral.shadowOffset = {0.8, 1.2};
    numeral.highlight = QColor(60, 10, 6, 120);
    letterCentred(p, tile.adjusted(0, 4, 0, -14), QString::number(number),
                  makeFont(kSerif, 56, QFont::Bold), numeral);
}

void drawScoreCard(QPainter& p) {
    const QPainterPath outline = roundedRect(kScoreCard, 6);
    softShadow(p, outline, 3, 4, 6, 170);
    // The glyphs are opaque and land anywhere on the strips, so the card is flat.
    p.fillPath(outline, kCardColour);
    p.strokePath(outline, QPen(QColor(120, 76, 30), 3));
    p.strokePath(roundedRect(kScoreCard.adjusted(4, 4, -4, -4), 4),
                 QPen(QColor(170, 40, 40, 150), 1.0));
    letterCentred(p, QRectF(kScoreCard.left(), kScoreCard.top() + 6, kScoreCard.width(), 12),
                  QStringLiteral("SCORES"), makeFont(kSerif, 11, QFont::Bold),
                  plain(QColor(140, 40, 34)));
    // Rules between the rows, where no glyph is ever drawn.
    for (double y : {247.5, 298.5}) {
        p.setPen(QPen(QColor(150, 110, 60, 110), 1));
        p.drawLine(QPointF(kStripLeft + 4, y), QPointF(kStripLeft + kStripWidth - 4, y));
    }
    p.setPen(QPen(QColor(140, 40, 34, 170), 1.4));
    p.drawLine(QPointF(kScoreCard.left() + 8, 272.5), QPointF(kScoreCard.right() - 8, 272.5));
}

void drawDiceCup(QPainter& p) {
    QPainterPath outer;
    outer.addEllipse(kCupCentre, kCupRadius, kCupRadius);
    softShadow(p, outer, 4, 6, 9, 210);
    QRadialGradient leather(kCupCentre + QPointF(-22, -26), kCupRadius * 1.5);
    leather.setColorAt(0.0, QColor(160, 90, 46));
    leather.setColorAt(0.6, QColor(110, 56, 24));
    leather.setColorAt(1.0, QColor(60, 28, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(outer);
    // Tooled ring and saddle stitching round the rim.
    p.setPen(QPen(QColor(50, 22, 6, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCupCentre, kCupRadius - 3, kCupRadius - 3);
    p.setPen(QPen(QColor(236, 206, 150, 190), 1.2, Qt::DashLine));
    p.drawEllipse(kCupCentre, kCupRadius - 5.5, kCupRadius - 5.5);
    bevel(p, outer, 2.5, 90, 140);
    // The mouth: dark baize inside, in shadow at the far wall.
    QRadialGradient well(kCupCentre + QPointF(6, 10), kCupMouth * 1.2);
    well.setColorAt(0.0, QColor(34, 86, 52));
    well.setColorAt(0.75, QColor(18, 48, 28));
    well.setColorAt(1.0, QColor(6, 14, 8));
    p.setPen(QPen(QColor(36, 16, 4), 2));
    p.setBrush(well);
    p.drawEllipse(kCupCentre, kCupMouth, kCupMouth);
    QPainterPath mouth;
    mouth.addEllipse(kCupCentre, kCupMouth, kCupMouth);
    p.save();
    p.setClipPath(mouth);
    QLinearGradient wall(QPointF(0, kCupCentre.y() - kCupMouth), QPointF(0, kCupCentre.y()));
    wall.setColorAt(0.0, QColor(0, 0, 0, 150));
    wall.setColorAt(0.4, QColor(0, 0, 0, 0));
    p.fillRect(
        QRectF(kCupCentre.x() - kCupMouth, kCupCentre.y() - kCupMouth, kCupMouth * 2, kCupMouth),
        wall);
    p.restore();
}

void drawIconRail(QPainter& p) {
    const QPainterPath rail = roundedRect(kIconRail, 8);
    softShadow(p, rail, 2, 3, 5, 170);
    static PerScale<Texture> walnut;
    fillPathWithImage(p, rail, walnut.get([] {
        return texture({QColor(50, 26, 12), QColor(104, 60, 30), 0.1, 6.0, 104});
    }));
    bevel(p, rail, 2, 110, 150);
    p.strokePath(rail, QPen(QColor(214, 170, 84, 160), 0.8));
    // The back arrow and the one-die icon belong to the board itself.
    QPainterPath arrow;
    const QRectF a(kBackArrow);
    arrow.moveTo(a.left() + 1, a.center().y());
    arrow.lineTo(a.left() + 12, a.top() + 1);
    arrow.lineTo(a.left() + 12, a.top() + 6);
    arrow.lineTo(a.right() - 1, a.top() + 6);
    arrow.lineTo(a.right() - 1, a.bottom() - 6);
    arrow.lineTo(a.left() + 12, a.bottom() - 6);
    arrow.lineTo(a.left() + 12, a.bottom() - 1);
    arrow.closeSubpath();
    softShadow(p, arrow, 1, 1.5, 2, 160);
    QLinearGradient ivory(a.topLeft(), a.bottomLeft());
    ivory.setColorAt(0.0, QColor(255, 248, 226));
    ivory.setColorAt(1.0, QColor(206, 184, 140));
    p.setPen(QPen(QColor(40, 20, 6), 1));
    p.setBrush(ivory);
    p.drawPath(arrow);
    drawDieFace(p, QRectF(kOneDieIcon).adjusted(1, 0, -1, 0), 1, ivoryDie());
}

QImage paintBase() {
    QImage img = canvas(kBoardSize);
    paintBoxAndFelt(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTitle(p);
    drawRail(p);
    for (int n = 1; n <= 9; ++n) {
        drawOpenBox(p, n);
        p.drawImage(QPoint(kBoxLeft[n - 1], kPlateTop), bottomPlate());
    }
    drawScoreCard(p);
    drawDiceCup(p);
    drawIconRail(p);
    p.end();
    return opaque(img);
}

QImage paintPlate() {
    QImage img = canvas(kPlateSize);
    img.fill(kSlot);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A brass sill the tile stands on, screwed to the slot.
    const QRectF sill(2.5, 3, kPlateSize.width() - 5, kPlateSize.height() - 5);
    const QPainterPath path = roundedRect(sill, 2.5);
    QLinearGradient brass(sill.topLeft(), sill.bottomLeft());
    brass.setColorAt(0.0, QColor(255, 230, 150));
    brass.setColorAt(0.45, QColor(206, 156, 64));
    brass.setColorAt(1.0, QColor(120, 78, 24));
    p.fillPath(path, brass);
    bevel(p, path, 1.5, 200, 150);
    p.strokePath(path, QPen(QColor(70, 44, 12), 0.8));
    // The shadow the tile casts on it.
    p.fillRect(QRectF(sill.left() + 1, sill.top(), sill.width() - 2, 2), QColor(40, 24, 8, 150));
    for (double x : {sill.left() + 6, sill.right() - 6}) {
        const QPointF c(x, sill.center().y() + 1);
        QRadialGradient screw(c + QPointF(-0.7, -0.7), 3);
        screw.setColorAt(0.0, QColor(255, 240, 190));
        screw.setColorAt(1.0, QColor(110, 74, 24));
        p.setPen(QPen(QColor(70, 44, 12), 0.6));
        p.setBrush(screw);
        p.drawEllipse(c, 2.4, 2.4);
        p.setPen(QPen(QColor(70, 44, 12), 0.8));
        p.drawLine(c + QPointF(-1.6, 1.0), c + QPointF(1.6, -1.0));
    }
    p.end();
    return opaque(img);
}

QImage paintShutter() {
    QImage img = canvas(kBoxSize);
    img.fill(kSlot);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A walnut shutter with a raised, fielded panel, slid up to cover the tile.
    const QRectF leaf(2.5, 2, kBoxSize.width() - 5, kBoxSize.height() - 3);
    const QPainterPath path = roundedRect(leaf, 4);
    QImage grain = canvas(kBoxSize);
    paintWood(grain, boardRect(grain), {QColor(70, 36, 14), QColor(142, 86, 42), 0.16, 4.0, 113},
              true);
    fillPathWithImage(p, path, grain);
    bevel(p, path, 2.5, 150, 170);
    p.strokePath(path, QPen(QColor(30, 14, 4), 1));
    const QRectF field = leaf.adjusted(7, 16, -7, -10);
    const QPainterPath panel = roundedRect(field, 3);
    bevel(p, panel, 2, 0, 0);
    p.strokePath(panel.translated(0.8, 0.8), QPen(QColor(255, 220, 170, 70), 1));
    p.strokePath(panel, QPen(QColor(30, 14, 4, 190), 1));
    // A brass rosette in the middle, and a pull at the top edge.
    const QPointF c = field.center();
    for (int i = 0; i < 8; ++i) {
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -5.5), 2.2, 4.2);
        const QPainterPath placed =
            QTransform().translate(c.x(), c.y()).rotate(i * 45.0).map(petal);
        QLinearGradient g(placed.boundingRect().topLeft(), placed.boundingRect().bottomRight());
        g.setColorAt(0.0, QColor(255, 236, 160));
        g.setColorAt(1.0, QColor(150, 100, 30));
        p.fillPath(placed, g);
        p.strokePath(placed, QPen(QColor(80, 50, 12), 0.5));
    }
    QRadialGradient boss(c + QPointF(-1, -1), 4);
    boss.setColorAt(0.0, QColor(255, 246, 200));
    boss.setColorAt(1.0, QColor(160, 104, 30));
    p.setPen(QPen(QColor(80, 50, 12), 0.6));
    p.setBrush(boss);
    p.drawEllipse(c, 3, 3);
    const QRectF pull(leaf.center().x() - 8, leaf.top() + 4, 16, 6);
    const QPainterPath grip = roundedRect(pull, 3);
    QLinearGradient brass(pull.topLeft(), pull.bottomLeft());
    brass.setColorAt(0.0, QColor(255, 232, 150));
    brass.setColorAt(1.0, QColor(130, 84, 24));
    p.fillPath(grip, brass);
    p.strokePath(grip, QPen(QColor(70, 44, 12), 0.7));
    p.fillRect(QRectF(pull.left() + 3, pull.center().y() - 0.5, pull.width() - 6, 1.2),
               QColor(60, 36, 8, 200));
    p.end();
    return opaque(img);
}

} // namespace

const QImage& bottomPlate() {
    static PerScale<QImage> kept;
    return kept.get(paintPlate);
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
        for (int i = 0; i < static_cast<int>(kButtons.size()); ++i)
            drawButton(p, i, false);
        p.end();
        return opaque(b);
    });
}

} // namespace art::shutthebox

namespace art {

QImage paintShutTheBoxBoard() {
    return shutthebox::board();
}

QImage paintShutTheBoxShutBox() {
    return shutthebox::paintShutter();
}

QImage paintShutTheBoxPlate() {
    return shutthebox::bottomPlate();
}

QImage paintShutTheBoxTile() {
    QImage img = canvas({56, 32});
    paintPlankTile(img, boardRect(img), {QColor(52, 28, 12), QColor(108, 64, 30), 0, 4.0, 140}, 2);
    return opaque(img);
}

} // namespace art
