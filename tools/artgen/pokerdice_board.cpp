// Poker Dice: a vaulted stone hall. On the table stand the abacus that holds
// the bet, the PASS and ROLL candles and a crystal ball in which the dice
// fall; two marble tablets at the top carry the players' names and coins.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>

namespace art {

namespace {

constexpr QSize kSize(640, 428);
constexpr int kTableTop = 196;

constexpr QRect kTablet(238, 30, 162, 96);
constexpr int kTabletDivide = 80;
constexpr QRect kAbacusFrame(38, 208, 114, 124);
constexpr int kAbacusRods = 7;
// Bead place 1 of rods 1 and 7, and place 7 of the same rods, to run the rods.
constexpr QPointF kRodOneTop(134, 246);
constexpr QPointF kRodOneBottom(136, 320);
constexpr QPointF kRodSevenTop(58, 251);
constexpr QPointF kRodSevenBottom(61, 326);
constexpr QPointF kBarRodOne(134, 268);
constexpr QPointF kBarRodSeven(59, 273);
constexpr QRect kDigitRow(48, 218, 96, 22);

constexpr QRect kPassCandle(284, 262, 24, 136);
constexpr QRect kRollCandle(337, 276, 22, 66);
constexpr QPointF kBallCentre(513, 292);
constexpr double kBallRadius = 104;
constexpr std::array<QRect, 8> kButtonSockets{QRect(296, 148, 17, 17), QRect(330, 155, 19, 5),
                                              QRect(367, 148, 16, 17), QRect(222, 188, 23, 23),
                                              QRect(398, 150, 23, 23), QRect(260, 148, 13, 17),
                                              QRect(222, 220, 28, 21), QRect(222, 156, 27, 20)};
constexpr QRect kSignPlace(298, 126, 63, 16);

void paintHall(QImage& img) {
    StoneStyle stone{QColor(96, 84, 96), QColor(50, 42, 52), 12, 12, 2, 0.3, 146};
    paintStoneBlocks(img, QRect(0, 0, 640, 200), stone);
    paintWood(img, QRect(0, kTableTop, kSize.width(), kSize.height() - kTableTop),
              {QColor(56, 26, 12), QColor(112, 56, 28), 0.05, 8.0, 147});
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Vaults: dark arches receding into the wall.
    for (int i = 0; i < 4; ++i) {
        const double cx = 80 + i * 160;
        QPainterPath arch;
        arch.moveTo(cx - 62, kTableTop);
        arch.lineTo(cx - 62, 70);
        arch.arcTo(QRectF(cx - 62, 8, 124, 124), 180, -180);
        arch.lineTo(cx + 62, kTableTop);
        arch.closeSubpath();
        QLinearGradient depth(0, 8, 0, kTableTop);
        depth.setColorAt(0.0, QColor(20, 14, 30, 230));
        depth.setColorAt(1.0, QColor(40, 30, 50, 160));
        p.fillPath(arch, depth);
        p.strokePath(arch, QPen(QColor(150, 136, 150), 4));
    }
    // The table's front edge and the shadow the wall throws on it.
    QLinearGradient edge(0, kTableTop, 0, kTableTop + 14);
    edge.setColorAt(0.0, QColor(0, 0, 0, 170));
    edge.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, kTableTop, kSize.width(), 14), edge);
    p.setPen(QPen(QColor(160, 110, 70), 2));
    p.drawLine(0, kTableTop, kSize.width(), kTableTop);
    QRadialGradient candleLight(QPointF(330, 260), 330);
    candleLight.setColorAt(0.0, QColor(255, 200, 120, 60));
    candleLight.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), candleLight);
    vignette(p, QRectF(img.rect()), 0.55);
}

void drawTablet(QPainter& p) {
    const QPainterPath tablet = roundedRect(QRectF(kTablet), 8);
    softShadow(p, tablet, 4, 5, 7, 210);
    QImage marble = canvas(kSize);
    paintMarble(marble, kTablet, QColor(16, 30, 26), QColor(58, 84, 74), 0.35, 148);
    fillPathWithImage(p, tablet, marble);
    gloss(p, tablet, 40);
    bevel(p, tablet, 3, 120, 170);
    p.setPen(QPen(QColor(200, 170, 100), 1.5));
    p.drawLine(QPointF(kTablet.left() + 6, kTabletDivide),
               QPointF(kTablet.right() - 6, kTabletDivide));
}

void drawAbacus(QPainter& p) {
    const QPainterPath frame = roundedRect(QRectF(kAbacusFrame), 5);
    softShadow(p, frame, 3, 5, 6, 200);
    static const QImage rosewood = [] {
        QImage t = canvas(kSize);
        paintWood(t, t.rect(), {QColor(60, 20, 10), QColor(120, 50, 24), 0.12, 5.0, 149});
        return t;
    }();
    fillPathWithImage(p, frame, rosewood);
    bevel(p, frame, 3, 120, 160);
    // The digit window above the rods and the open space the beads run in.
    const QPainterPath digits = roundedRect(QRectF(kDigitRow), 3);
    p.fillPath(digits, QColor(236, 222, 186));
    bevel(p, digits, 1.5, 0, 0);
    p.strokePath(digits, QPen(QColor(40, 14, 6), 1));
    const QRectF well(kAbacusFrame.left() + 8, 243, kAbacusFrame.width() - 16, 86);
    p.fillRect(well, QColor(40, 16, 8));
    QLinearGradient depth(well.topLeft(), well.bottomLeft());
    depth.setColorAt(0.0, QColor(0, 0, 0, 120));
    depth.setColorAt(0.2, QColor(0, 0, 0, 0));
    p.fillRect(well, depth);
    p.setPen(QPen(QColor(210, 200, 180), 1.2));
    for (int i = 0; i < kAbacusRods; ++i) {
        const double t = static_cast<double>(i) / (kAbacusRods - 1);
        const QPointF top = kRodOneTop + (kRodSevenTop - kRodOneTop) * t;
        const QPointF bottom = kRodOneBottom + (kRodSevenBottom - kRodOneBottom) * t;
        p.drawLine(top, bottom + QPointF(0, 8));
    }
    // The reckoning bar between the five-beads and the one-beads.
    p.setPen(QPen(QColor(70, 26, 12), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kBarRodOne + QPointF(8, 0), kBarRodSeven + QPointF(-8, 0));
}

void drawCandle(QPainter& p, const QRect& body, const QString& word, bool lit) {
    const QRectF b(body);
    QPainterPath holderShadow;
    holderShadow.addEllipse(QPointF(b.center().x(), b.bottom() + 6), b.width() * 1.1, 7);
    softShadow(p, holderShadow, 3, 2, 5, 200);
    // Brass dish.
    const QRectF dish(b.left() - 9, b.bottom() - 2, b.width() + 18, 13);
    QLinearGradient brass(dish.topLeft(), dish.bottomLeft());
    brass.setColorAt(0.0, QColor(255, 226, 140));
    brass.setColorAt(1.0, QColor(140, 92, 26));
    p.setPen(QPen(QColor(90, 56, 12), 1));
    p.setBrush(brass);
    p.drawEllipse(dish);
    // Wax with a rounded top and a drip or two.
    QLinearGradient wax(b.topLeft(), b.topRight());
    wax.setColorAt(0.0, QColor(200, 186, 150));
    wax.setColorAt(0.35, QColor(252, 244, 220));
    wax.setColorAt(1.0, QColor(170, 150, 110));
    const QPainterPath stick = roundedRect(b, 4);
    p.fillPath(stick, wax);
    p.setPen(QPen(QColor(40, 30, 20), 1.5));
    p.drawLine(QPointF(b.center().x(), b.top()), QPointF(b.center().x(), b.top() - 5));
    if (lit) {
        QRadialGradient flame(QPointF(b.center().x(), b.top() - 14), 12);
        flame.setColorAt(0.0, QColor(255, 250, 210));
        flame.setColorAt(0.5, QColor(255, 190, 60, 230));
        flame.setColorAt(1.0, QColor(255, 120, 20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(flame);
        p.drawEllipse(QPointF(b.center().x(), b.top() - 14), 6, 13);
    }
    // The word runs down the candle, one letter under another.
    const QFont font = makeFont(kSerif, 13, QFont::Bold);
    const double step = std::min(15.0, (b.height() - 8) / word.size());
    const double start = b.center().y() - step * word.size() / 2.0;
    for (int i = 0; i < word.size(); ++i)
        letterCentred(p, QRectF(b.left(), start + i * step, b.width(), step), word.mid(i, 1), font,
                      plain(QColor(120, 20, 20)));
}

void drawCrystalBall(QPainter& p) {
    // Stand first, then the glass.
    QPainterPath stand;
    stand.moveTo(kBallCentre.x() - 60, 414);
    stand.lineTo(kBallCentre.x() - 40, kBallCentre.y() + kBallRadius - 16);
    stand.lineTo(kBallCentre.x() + 40, kBallCentre.y() + kBallRadius - 16);
    stand.lineTo(kBallCentre.x() + 60, 414);
    stand.closeSubpath();
    softShadow(p, stand, 4, 3, 6, 200);
    QLinearGradient brass(kBallCentre.x() - 60, 0, kBallCentre.x() + 60, 0);
    brass.setColorAt(0.0, QColor(120, 76, 20));
    brass.setColorAt(0.4, QColor(255, 222, 130));
    brass.setColorAt(1.0, QColor(110, 70, 18));
    p.fillPath(stand, brass);

    QRadialGradient glass(kBallCentre + QPointF(-30, -40), kBallRadius * 1.3);
    glass.setColorAt(0.0, QColor(236, 232, 250));
    glass.setColorAt(0.6, QColor(190, 182, 226));
    glass.setColorAt(1.0, QColor(96, 82, 150));
    p.setPen(QPen(QColor(60, 50, 100), 2));
    p.setBrush(glass);
    p.drawEllipse(kBallCentre, kBallRadius, kBallRadius);
    QRadialGradient shine(kBallCentre + QPointF(-46, -56), 34);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(kBallCentre + QPointF(-46, -56), 34, 24);
}

void drawSockets(QPainter& p) {
    for (const QRect& socket : kButtonSockets) {
        const QPainterPath s = roundedRect(QRectF(socket).adjusted(-2, -2, 2, 2), 3);
        softShadow(p, s, 1, 2, 3, 150);
        p.fillPath(s, QColor(28, 20, 24));
        bevel(p, s, 1.5, 90, 0);
    }
    const QPainterPath sign = roundedRect(QRectF(kSignPlace).adjusted(-3, -1, 3, 1), 3);
    p.fillPath(sign, QColor(70, 40, 20));
}

void drawTitle(QPainter& p) {
    const Lettering gold = gildedTitle(220);
    letterCentred(p, QRectF(412, 40, 210, 60), QStringLiteral("Poker Dice"),
                  makeFont(kDisplaySerif, 34, QFont::Bold, true), gold);
    for (int i = 0; i < 4; ++i)
        drawCoin(p, QPointF(186, 176 - i * 4), 14, 5.5);
    drawCoin(p, QPointF(164, 186), 11, 4.5);
}

} // namespace

QImage paintPokerDiceBoard() {
    QImage img = canvas(kSize);
    paintHall(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTablet(p);
    drawAbacus(p);
    drawCandle(p, kPassCandle, QStringLiteral("PASS"), true);
    drawCandle(p, kRollCandle, QStringLiteral("ROLL"), false);
    drawCrystalBall(p);
    drawSockets(p);
    drawTitle(p);
    p.end();
    return opaque(img);
}

QImage paintPokerDiceTile() {
    QImage img = canvas({105, 70});
    StoneStyle stone{QColor(80, 70, 82), QColor(42, 36, 44), 3, 2, 2, 0.3, 147};
    paintStoneBlocks(img, img.rect(), stone);
    return opaque(img);
}

} // namespace art
