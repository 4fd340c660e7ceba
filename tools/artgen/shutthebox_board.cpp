// Shut The Box: an oak box with a felt floor. Nine numbered tiles stand along
// the top; the score card, the leather dice cup and the icon rail sit on the
// felt where the game draws and hit-tests them.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>

namespace art {

namespace {

constexpr QSize kSize(632, 428);
constexpr std::array<int, 9> kBoxLeft{51, 110, 170, 229, 288, 347, 407, 466, 525};
constexpr int kBoxTop = 33;
constexpr QSize kBoxSize(56, 125);
constexpr int kBoxPlateTop = 136; // the open box's bottom plate is drawn from here

constexpr QRect kFelt(18, 172, 596, 240);
constexpr QRect kScoreCard(46, 214, 228, 122);
constexpr int kScoreStripLeft = 82;
constexpr int kScoreStripWidth = 184;
constexpr std::array<int, 4> kScoreStripTops{224, 250, 276, 302};
constexpr QPointF kCupCentre(354, 296);
constexpr double kCupRadius = 56;
constexpr QRect kIconRail(44, 354, 340, 38);
constexpr QRect kBackArrow(52, 361, 28, 21);
constexpr QRect kOneDieIcon(316, 362, 24, 22);
// Places of the icon buttons the game draws over the rail.
constexpr std::array<QRect, 7> kButtonSockets{QRect(95, 362, 19, 19),  QRect(133, 369, 19, 5),
                                              QRect(172, 363, 16, 23), QRect(207, 360, 23, 23),
                                              QRect(245, 360, 23, 23), QRect(285, 360, 13, 23),
                                              QRect(359, 360, 6, 23)};

const WoodStyle kOak{QColor(112, 66, 28), QColor(190, 130, 68), 0.07, 6.0, 101};

void paintBoxAndFelt(QImage& img) {
    paintWood(img, img.rect(), kOak);
    paintFelt(img, kFelt, QColor(30, 104, 64), 0.2, 102);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The felt lies below the rim: shadow along its top and left edges.
    QLinearGradient top(0, kFelt.top(), 0, kFelt.top() + 16);
    top.setColorAt(0.0, QColor(0, 0, 0, 170));
    top.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(kFelt, top);
    QLinearGradient left(kFelt.left(), 0, kFelt.left() + 12, 0);
    left.setColorAt(0.0, QColor(0, 0, 0, 120));
    left.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(kFelt, left);
    vignette(p, QRectF(kFelt), 0.35);
    bevel(p, roundedRect(QRectF(img.rect()), 0), 8, 70, 120);
    p.setPen(QPen(QColor(50, 26, 8), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(kFelt).adjusted(-1, -1, 1, 1));
}

void drawTitle(QPainter& p) {
    Lettering carved = engraved(QColor(70, 36, 12));
    carved.shadow = QColor(255, 230, 190, 90);
    letterCentred(p, QRectF(0, 6, kSize.width(), 24), QStringLiteral("SHUT  THE  BOX"),
                  makeFont(kSerif, 20, QFont::Bold), carved);
}

// An open box: an ivory tile standing upright, its number painted large.
void drawOpenBox(QPainter& p, int number) {
    const QRectF box(kBoxLeft[number - 1], kBoxTop, kBoxSize.width(), kBoxSize.height());
    p.fillRect(box, QColor(40, 22, 8));
    const QRectF tile =
        QRectF(box.left(), box.top(), box.width(), kBoxPlateTop - kBoxTop).adjusted(3, 3, -3, 0);
    const QPainterPath tilePath = roundedRect(tile, 4);
    QLinearGradient ivory(tile.topLeft(), tile.topRight());
    ivory.setColorAt(0.0, QColor(255, 250, 234));
    ivory.setColorAt(0.7, QColor(240, 226, 196));
    ivory.setColorAt(1.0, QColor(200, 180, 146));
    p.fillPath(tilePath, ivory);
    bevel(p, tilePath, 2, 160, 110);
    Lettering numeral = plain(QColor(120, 24, 20));
    numeral.shadow = QColor(0, 0, 0, 70);
    numeral.shadowOffset = {1.5, 1.5};
    letterCentred(p, tile.adjusted(0, 6, 0, -6), QString::number(number),
                  makeFont(kSerif, 54, QFont::Bold), numeral);

    // The hinged bottom plate.
    const QRectF plate(box.left(), kBoxPlateTop, box.width(), box.bottom() - kBoxPlateTop);
    QLinearGradient brass(plate.topLeft(), plate.bottomLeft());
    brass.setColorAt(0.0, QColor(120, 76, 36));
    brass.setColorAt(1.0, QColor(74, 42, 16));
    p.fillRect(plate.adjusted(2, 1, -2, 0), brass);
    p.setPen(QPen(QColor(214, 170, 80), 2));
    p.drawLine(QPointF(plate.left() + 8, plate.top() + 4),
               QPointF(plate.right() - 8, plate.top() + 4));
}

void drawScoreCard(QPainter& p) {
    const QRectF card(kScoreCard);
    const QPainterPath outline = roundedRect(card, 6);
    softShadow(p, outline, 3, 4, 6, 170);
    QImage paper = canvas(kSize);
    paintParchment(paper, kScoreCard, QColor(244, 230, 196), 103);
    fillPathWithImage(p, outline, paper);
    p.setPen(QPen(QColor(150, 100, 40), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    // Ruled lines between the strips, heavier between the two players.
    for (int i = 1; i < 4; ++i) {
        const double y = kScoreStripTops[i] - 0.5;
        p.setPen(QPen(QColor(150, 110, 60, i == 2 ? 200 : 90), i == 2 ? 1.5 : 1));
        p.drawLine(QPointF(card.left() + 6, y), QPointF(card.right() - 6, y));
    }
    p.setPen(QPen(QColor(150, 110, 60, 90), 1));
    p.drawLine(QPointF(kScoreStripLeft - 3, card.top() + 8),
               QPointF(kScoreStripLeft - 3, card.bottom() - 8));
}

void drawDiceCup(QPainter& p) {
    QPainterPath outer;
    outer.addEllipse(kCupCentre, kCupRadius, kCupRadius);
    softShadow(p, outer, 4, 6, 8, 200);
    QRadialGradient leather(kCupCentre + QPointF(-20, -24), kCupRadius * 1.5);
    leather.setColorAt(0.0, QColor(150, 84, 44));
    leather.setColorAt(1.0, QColor(70, 34, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(outer);
    p.setPen(QPen(QColor(230, 200, 150, 170), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCupCentre, kCupRadius - 5, kCupRadius - 5);
    // The well inside the cup, lined with dark felt.
    const double inner = kCupRadius - 10;
    QRadialGradient well(kCupCentre + QPointF(8, 10), inner * 1.2);
    well.setColorAt(0.0, QColor(30, 70, 44));
    well.setColorAt(0.8, QColor(14, 36, 22));
    well.setColorAt(1.0, QColor(4, 10, 6));
    p.setPen(QPen(QColor(40, 18, 6), 2));
    p.setBrush(well);
    p.drawEllipse(kCupCentre, inner, inner);
}

void drawIconRail(QPainter& p) {
    const QPainterPath rail = roundedRect(QRectF(kIconRail), 8);
    softShadow(p, rail, 2, 3, 5, 170);
    static const QImage walnut = [] {
        QImage t = canvas(kSize);
        paintWood(t, t.rect(), {QColor(50, 26, 12), QColor(104, 60, 30), 0.1, 6.0, 104});
        return t;
    }();
    fillPathWithImage(p, rail, walnut);
    bevel(p, rail, 2, 110, 150);
    for (const QRect& socket : kButtonSockets) {
        const QPainterPath s = roundedRect(QRectF(socket).adjusted(-2, -2, 2, 2), 3);
        p.fillPath(s, QColor(24, 12, 4));
        bevel(p, s, 1.5, 0, 0);
    }
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
    QLinearGradient ivory(a.topLeft(), a.bottomLeft());
    ivory.setColorAt(0.0, QColor(255, 248, 226));
    ivory.setColorAt(1.0, QColor(206, 184, 140));
    p.setPen(QPen(QColor(40, 20, 6), 1));
    p.setBrush(ivory);
    p.drawPath(arrow);
    drawDieFace(p, QRectF(kOneDieIcon).adjusted(1, 0, -1, 0), 1, ivoryDie());
}

} // namespace

QImage paintShutTheBoxBoard() {
    QImage img = canvas(kSize);
    paintBoxAndFelt(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTitle(p);
    for (int n = 1; n <= 9; ++n)
        drawOpenBox(p, n);
    drawScoreCard(p);
    drawDiceCup(p);
    drawIconRail(p);
    p.end();
    return opaque(img);
}

QImage paintShutTheBoxTile() {
    QImage img = canvas({56, 32});
    paintPlankTile(img, img.rect(), {QColor(60, 34, 14), QColor(116, 70, 34), 0, 4.0, 140}, 2);
    return opaque(img);
}

} // namespace art
