// 10,000: a stone hall with a leaded stained-glass window. Each scoring
// combination is a pane of the window, lettered with the dice it needs; the
// dice rise from a well at the lower left, and each player has a score plate.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>

#include "games/tenthousand/PaneShapes.h"

namespace art {

namespace {

constexpr QSize kSize(632, 428);

// The lettering of each pane, in the order of the game's pane shapes.
struct PaneLettering {
    QRect label;
    const char* text;
    QColor glass;
};

const std::array<PaneLettering, tumbledown::paneCount>& paneLettering() {
    static const std::array<PaneLettering, tumbledown::paneCount> list{{
        {QRect(154, 44, 81, 26), "1-6", QColor(46, 84, 180)},
        {QRect(258, 47, 72, 19), "3 PAIRS", QColor(150, 40, 150)},
        {QRect(374, 46, 24, 16), "111", QColor(190, 36, 40)},
        {QRect(444, 52, 37, 16), "666", QColor(40, 140, 90)},
        {QRect(177, 100, 31, 17), "555", QColor(220, 150, 30)},
        {QRect(256, 95, 40, 16), "444", QColor(60, 110, 200)},
        {QRect(351, 91, 28, 17), "333", QColor(170, 50, 60)},
        {QRect(431, 93, 33, 16), "222", QColor(110, 60, 170)},
        {QRect(179, 149, 7, 15), "1", QColor(40, 130, 130)},
        {QRect(245, 147, 11, 17), "5", QColor(200, 120, 40)},
        {QRect(327, 140, 42, 22), "ROLL", QColor(30, 120, 60)},
        {QRect(424, 144, 50, 19), "PASS", QColor(150, 30, 36)},
    }};
    return list;
}

constexpr QRect kWindow(140, 27, 365, 160);
constexpr QPointF kWellCentre(160, 314);
constexpr double kWellRadiusX = 104;
constexpr double kWellRadiusY = 94;
constexpr QRect kStrip(3, 150, 38, 254);
constexpr QRect kBackButton(8, 156, 28, 20);
constexpr std::array<QRect, 6> kStripSockets{QRect(8, 193, 19, 19), QRect(8, 229, 19, 5),
                                             QRect(8, 251, 16, 23), QRect(8, 293, 23, 23),
                                             QRect(8, 333, 23, 23), QRect(8, 373, 13, 23)};

struct ScorePlate {
    QRect plate;
    QRect turn;
    QRect total;
    QRect name;
    const char* title;
};
constexpr ScorePlate kPlayerOne{QRect(286, 226, 120, 136), QRect(302, 244, 92, 20),
                                QRect(302, 280, 92, 20), QRect(299, 321, 97, 33), "PLAYER ONE"};
constexpr ScorePlate kPlayerTwo{QRect(431, 278, 130, 136), QRect(447, 295, 97, 23),
                                QRect(447, 334, 97, 23), QRect(447, 373, 103, 36), "PLAYER TWO"};

void paintWall(QImage& img) {
    StoneStyle stone{QColor(118, 110, 100), QColor(70, 64, 58), 11, 14, 2, 0.3, 66};
    paintStoneBlocks(img, img.rect(), stone);
    QPainter p(&img);
    QRadialGradient light(QPointF(320, 110), 420);
    light.setColorAt(0.0, QColor(255, 230, 170, 50));
    light.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), light);
    vignette(p, QRectF(img.rect()), 0.6);
}

QPainterPath paneOutline(const tumbledown::PaneShape& pane) {
    QPolygonF outline;
    for (const tumbledown::PaneVertex& vertex : pane.vertices)
        outline << QPointF(vertex.x, vertex.y);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

void drawWindow(QPainter& p) {
    const QRectF frame(kWindow);
    const QPainterPath framePath = roundedRect(frame, 10);
    softShadow(p, framePath, 4, 5, 8, 200);
    QLinearGradient stone(frame.topLeft(), frame.bottomRight());
    stone.setColorAt(0.0, QColor(206, 196, 176));
    stone.setColorAt(1.0, QColor(130, 120, 104));
    p.fillPath(framePath, stone);
    bevel(p, framePath, 3, 160, 160);
    // Lead fills the gaps; each pane glows with light from outside.
    const QRectF leaded = frame.adjusted(7, 7, -7, -7);
    p.fillRect(leaded, QColor(34, 32, 36));
    for (std::size_t i = 0; i < paneLettering().size(); ++i) {
        const PaneLettering& pane = paneLettering()[i];
        const QPainterPath outline = paneOutline(tumbledown::paneShapes()[i]);
        const QRectF b = outline.boundingRect();
        QRadialGradient glow(b.center() + QPointF(-b.width() * 0.15, -b.height() * 0.2),
                             std::max(b.width(), b.height()) * 0.8);
        glow.setColorAt(0.0, shade(pane.glass, 1.7));
        glow.setColorAt(0.6, pane.glass);
        glow.setColorAt(1.0, shade(pane.glass, 0.6));
        p.fillPath(outline, glow);
        p.strokePath(outline,
                     QPen(QColor(30, 28, 30), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QString text = QString::fromLatin1(pane.text);
        const QFont font = fittedFont(kSerif, QFont::Bold, false, text,
                                      QSizeF(pane.label.size()) + QSizeF(0, 2), 30);
        Lettering label = plain(QColor(255, 250, 230));
        label.outline = QColor(20, 16, 20);
        label.outlineWidth = 2.2;
        letterCentred(p, QRectF(pane.label), text, font, label);
    }
}

void drawDiceWell(QPainter& p) {
    QPainterPath rim;
    rim.addEllipse(kWellCentre, kWellRadiusX, kWellRadiusY);
    softShadow(p, rim, 3, 5, 8, 200);
    QRadialGradient stone(kWellCentre + QPointF(-30, -40), kWellRadiusX * 1.4);
    stone.setColorAt(0.0, QColor(200, 190, 170));
    stone.setColorAt(1.0, QColor(110, 100, 88));
    p.setPen(QPen(QColor(50, 44, 38), 1.5));
    p.setBrush(stone);
    p.drawPath(rim);
    // Dark velvet inside, lit from the top left so the ivory dice stand out.
    QRadialGradient velvet(kWellCentre + QPointF(-20, -20), kWellRadiusX);
    velvet.setColorAt(0.0, QColor(44, 40, 90));
    velvet.setColorAt(0.8, QColor(22, 20, 50));
    velvet.setColorAt(1.0, QColor(8, 8, 20));
    p.setBrush(velvet);
    p.setPen(QPen(QColor(30, 26, 22), 2));
    p.drawEllipse(kWellCentre, kWellRadiusX - 10, kWellRadiusY - 10);
}

void drawStrip(QPainter& p) {
    const QPainterPath strip = roundedRect(QRectF(kStrip), 6);
    softShadow(p, strip, 3, 3, 5, 180);
    static const QImage oak = [] {
        QImage t = canvas(kSize);
        paintWood(t, t.rect(), {QColor(60, 34, 16), QColor(120, 76, 40), 0.1, 6.0, 67}, true);
        return t;
    }();
    fillPathWithImage(p, strip, oak);
    bevel(p, strip, 2, 110, 150);
    for (const QRect& socket : kStripSockets) {
        const QPainterPath s = roundedRect(QRectF(socket).adjusted(-2, -2, 2, 2), 3);
        p.fillPath(s, QColor(24, 14, 6));
    }
    // The way back to the main screen belongs to the board itself.
    const QRectF back(kBackButton);
    const QPainterPath button = roundedRect(back, 4);
    QLinearGradient brass(back.topLeft(), back.bottomLeft());
    brass.setColorAt(0.0, QColor(250, 220, 140));
    brass.setColorAt(1.0, QColor(160, 110, 36));
    p.fillPath(button, brass);
    bevel(p, button, 1.5, 200, 150);
    QPainterPath arrow;
    arrow.moveTo(back.left() + 4, back.center().y());
    arrow.lineTo(back.left() + 13, back.top() + 3);
    arrow.lineTo(back.left() + 13, back.top() + 7);
    arrow.lineTo(back.right() - 4, back.top() + 7);
    arrow.lineTo(back.right() - 4, back.bottom() - 7);
    arrow.lineTo(back.left() + 13, back.bottom() - 7);
    arrow.lineTo(back.left() + 13, back.bottom() - 3);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(60, 30, 10));
}

void drawScorePlate(QPainter& p, const ScorePlate& s) {
    const QPainterPath plate = roundedRect(QRectF(s.plate), 8);
    softShadow(p, plate, 3, 4, 6, 190);
    QImage paper = canvas(kSize);
    paintParchment(paper, s.plate, QColor(240, 226, 190), s.plate.left());
    fillPathWithImage(p, plate, paper);
    p.setPen(QPen(QColor(120, 84, 36), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(plate);
    const QFont small = makeFont(kSerif, 11, QFont::Bold);
    const Lettering ink = plain(QColor(90, 60, 30));
    auto caption = [&](const QRect& field, const QString& text) {
        letterCentred(p, QRectF(field.left(), field.top() - 13, field.width(), 12), text, small,
                      ink);
    };
    caption(s.turn, QStringLiteral("TURN"));
    caption(s.total, QStringLiteral("TOTAL"));
    caption(s.name, QString::fromLatin1(s.title));
    for (const QRect& field : {s.turn, s.total}) {
        const QPainterPath box = roundedRect(QRectF(field), 3);
        p.fillPath(box, QColor(252, 246, 226));
        bevel(p, box, 1.5, 0, 0);
        p.strokePath(box, QPen(QColor(150, 116, 70), 1));
    }
    const QPainterPath nameBox = roundedRect(QRectF(s.name), 4);
    p.fillPath(nameBox, QColor(250, 242, 218));
    p.strokePath(nameBox, QPen(QColor(150, 116, 70), 1));
}

void drawTitle(QPainter& p) {
    const Lettering gold = gildedTitle(200);
    letterCentred(p, QRectF(510, 60, 118, 50), QStringLiteral("10,000"),
                  makeFont(kDisplaySerif, 30, QFont::Bold), gold);
    drawDie3D(p, QPointF(568, 150), 34, {-28, 32, 14}, ivoryDie());
    drawDie3D(p, QPointF(80, 90), 40, {-30, -30, -18}, ivoryDie());
}

} // namespace

QImage paintTenThousandBoard() {
    QImage img = canvas(kSize);
    paintWall(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawWindow(p);
    drawDiceWell(p);
    drawStrip(p);
    drawScorePlate(p, kPlayerOne);
    drawScorePlate(p, kPlayerTwo);
    drawTitle(p);
    p.end();
    return opaque(img);
}

QImage paintTenThousandTile() {
    QImage img = canvas({115, 90});
    StoneStyle stone{QColor(92, 86, 78), QColor(52, 48, 44), 2, 2, 2, 0.3, 141};
    paintStoneBlocks(img, img.rect(), stone);
    return opaque(img);
}

} // namespace art
