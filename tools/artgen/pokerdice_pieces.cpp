// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Poker Dice pictures drawn over the board: the large dice in the crystal
// ball, the small dice of the players' rows, the abacus digits and bead, the
// ROLL candle's flames, the turn markers, the sign and the buttons.
//
// The dice are drawn through a one-bit mask (AND), then the picture (OR): a
// picture is black outside its mask and fills all of it inside. Every other
// picture is blitted opaque, so it carries the board beneath it.

#include "artwork.h"
#include "buttonicons.h"
#include "lettering.h"
#include "paintkit.h"
#include "pokerdice_art.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace art::pokerdice {

namespace {

// ------------------------------------------------------------- card faces

enum class Suit { Spade, Heart, Diamond, Club };

struct CardFace {
    const char* index;
    Suit suit;
    QColor ink;
};

// A four-colour pack, so that no two neighbouring ranks share a look.
const std::array<CardFace, 6> kCardFaces{{
    {"A", Suit::Spade, QColor(22, 20, 28)},
    {"K", Suit::Heart, QColor(190, 18, 28)},
    {"Q", Suit::Diamond, QColor(22, 62, 178)},
    {"J", Suit::Club, QColor(16, 112, 48)},
    {"10", Suit::Heart, QColor(190, 18, 28)},
    {"9", Suit::Spade, QColor(22, 20, 28)},
}};

// The suit's shape filling the unit square.
QPainterPath suitShape(Suit suit) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Heart:
    case Suit::Spade: {
        QPainterPath heart;
        heart.moveTo(0.5, 0.98);
        heart.cubicTo(0.38, 0.8, 0.0, 0.58, 0.02, 0.3);
        heart.cubicTo(0.04, 0.04, 0.4, -0.02, 0.5, 0.24);
        heart.cubicTo(0.6, -0.02, 0.96, 0.04, 0.98, 0.3);
        heart.cubicTo(1.0, 0.58, 0.62, 0.8, 0.5, 0.98);
        heart.closeSubpath();
        if (suit == Suit::Heart)
            return heart;
        // The spade is the heart upside down, on a flared stem.
        path = QTransform(1, 0, 0, -0.82, 0, 0.82).map(heart);
        QPainterPath stem;
        stem.moveTo(0.5, 0.55);
        stem.quadTo(0.52, 0.86, 0.7, 1.0);
        stem.lineTo(0.3, 1.0);
        stem.quadTo(0.48, 0.86, 0.5, 0.55);
        stem.closeSubpath();
        return path.united(stem);
    }
    case Suit::Diamond:
        path.moveTo(0.5, 0.0);
        path.quadTo(0.66, 0.3, 0.86, 0.5);
        path.quadTo(0.66, 0.7, 0.5, 1.0);
        path.quadTo(0.34, 0.7, 0.14, 0.5);
        path.quadTo(0.34, 0.3, 0.5, 0.0);
        path.closeSubpath();
        return path;
    case Suit::Club: {
        path.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
        path.addEllipse(QPointF(0.26, 0.58), 0.23, 0.23);
        path.addEllipse(QPointF(0.74, 0.58), 0.23, 0.23);
        path.addRect(QRectF(0.4, 0.3, 0.2, 0.3));
        QPainterPath stem;
        stem.moveTo(0.5, 0.5);
        stem.quadTo(0.52, 0.86, 0.7, 1.0);
        stem.lineTo(0.3, 1.0);
        stem.quadTo(0.48, 0.86, 0.5, 0.5);
        stem.closeSubpath();
        path.addPath(stem);
        return path.simplified();
    }
    }
    return path;
}

// ------------------------------------------------------------------ dice

const QColor kDieEdge(70, 52, 36);
const QColor kIvoryLight(255, 252, 240);
const QColor kIvory(242, 234, 212);
const QColor kIvoryShade(214, 200, 170);

// Coverage of path over the pixels of a picture of the given size, at the
// scale being painted, row by row; a pixel at least half covered belongs to
// the shape.
std::vector<bool> shapeCover(const QPainterPath& path, QSize size) {
    QImage cover = canvas(size);
    cover.fill(Qt::transparent);
    QPainter p(&cover);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::white);
    p.end();
    std::vector<bool> inside(static_cast<std::size_t>(cover.width() * cover.height()));
    for (int y = 0; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x)
            inside[static_cast<std::size_t>(y * cover.width() + x)] =
                qAlpha(cover.pixel(x, y)) >= 128;
    return inside;
}

QImage maskOf(const std::vector<bool>& inside, QSize size) {
    const int scale = paintScale();
    QImage mask(size * scale, QImage::Format_Mono);
    mask.setDevicePixelRatio(scale);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Every byte, the padding past each row's last pixel too (QImage::fill stops
    // at the last whole byte of pixels), so that the file is the same every run.
    std::memset(mask.bits(), 0, static_cast<std::size_t>(mask.sizeInBytes()));
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, inside[static_cast<std::size_t>(y * mask.width() + x)] ? 0 : 1);
    return mask;
}

// The picture as the game ORs it in: black wherever the mask lets the board show.
QImage clipped(const QImage& picture, const std::vector<bool>& inside) {
    QImage img = opaque(picture);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!inside[static_cast<std::size_t>(y * img.width() + x)])
                img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

struct DieShape {
    QSize size;
    QRectF body; // the die's outline seen from above and a little in front
    QRectF top;  // its upper face; the near side shows below it
    double radius;
    QRectF marks; // the 100 x 100 square of the rank and suit
};

const DieShape kLargeDie{kDieSize, QRectF(1.5, 0.5, 37, 41), QRectF(1.5, 0.5, 37, 35.5), 7.5,
                         QRectF(4, 2.5, 32, 31)};
const DieShape kSmallDie{kSmallDiePicture, QRectF(1, 0.5, 31, 30), QRectF(1, 0.5, 31, 26.5), 6,
                         QRectF(3.5, 1.6, 26, 24)};

QPainterPath bodyPath(const DieShape& s) {
    return roundedRect(s.body, s.radius);
}

const std::vector<bool>& cover(const DieShape& s) {
    static PerScale<std::vector<bool>> large;
    static PerScale<std::vector<bool>> small;
    if (&s == &kLargeDie)
        return large.get([] { return shapeCover(bodyPath(kLargeDie), kLargeDie.size); });
    return small.get([] {
        std::vector<bool> in = shapeCover(bodyPath(kSmallDie), kSmallDie.size);
        // The game draws the small dice a row short of their pictures.
        const int scale = paintScale();
        const int width = kSmallDie.size.width() * scale;
        std::fill(in.begin() + kSmallDieSize.height() * scale * width,
                  in.begin() + (kSmallDieSize.height() + 1) * scale * width, false);
        return in;
    });
}

// A die at rest, its face up: ivory, lit from the top left.
QImage paintRestingDie(const DieShape& s, int face) {
    QImage img = canvas(s.size);
    img.fill(kDieEdge);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = bodyPath(s);
    QLinearGradient side(0, s.top.bottom() - 8, 0, s.body.bottom());
    side.setColorAt(0.0, kIvoryShade);
    side.setColorAt(1.0, shade(kIvoryShade, 0.62));
    p.fillPath(body.translated(0, 0).intersected(
                   roundedRect(s.body.adjusted(0.8, 0.8, -0.8, -0.8), s.radius - 0.8)),
               side);
    const QPainterPath top = roundedRect(s.top.adjusted(0.8, 0.8, -0.8, -0.5), s.radius - 0.8);
    QLinearGradient lit(s.top.topLeft(), s.top.bottomRight());
    lit.setColorAt(0.0, kIvoryLight);
    lit.setColorAt(0.55, kIvory);
    lit.setColorAt(1.0, shade(kIvory, 0.9));
    p.fillPath(top, lit);
    p.strokePath(top, QPen(QColor(150, 130, 96, 150), 0.8));
    QRadialGradient sheen(s.top.topLeft() + QPointF(s.top.width() * 0.3, s.top.height() * 0.25),
                          s.top.width() * 0.45);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 150));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(top, sheen);
    p.save();
    p.translate(s.marks.topLeft());
    p.scale(s.marks.width() / 100.0, s.marks.height() / 100.0);
    drawCardMarks(p, face, 1.0);
    p.restore();
    p.end();
    return clipped(img, cover(s));
}

// A cube in the air for the tumbling pictures: orthographic, lit from the top left.
struct Vec3 {
    double x, y, z;
};

Vec3 rotate(const Vec3& v, double ax, double ay, double az) {
    ax *= M_PI / 180;
    ay *= M_PI / 180;
    az *= M_PI / 180;
    Vec3 r{v.x, v.y * std::cos(ax) - v.z * std::sin(ax), v.y * std::sin(ax) + v.z * std::cos(ax)};
    r = {r.x * std::cos(ay) + r.z * std::sin(ay), r.y, -r.x * std::sin(ay) + r.z * std::cos(ay)};
    return {r.x * std::cos(az) - r.y * std::sin(az), r.x * std::sin(az) + r.y * std::cos(az), r.z};
}

struct CubeSide {
    Vec3 normal, u, v;
    int face;
};

// u x v = normal, so no face is drawn mirrored; opposite faces are A-9, K-10, Q-J.
constexpr std::array<CubeSide, 6> kCube{{
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, 1},
    {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, 6},
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}, 2},
    {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}, 5},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, 4},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}, 3},
}};

// The turn that brings face 1..6 to the viewer, upright.
Vec3 faceForward(int face) {
    switch (face) {
    case 6:
        return {0, 180, 0};
    case 2:
        return {0, -90, 0};
    case 5:
        return {0, 90, 0};
    case 4:
        return {90, 0, 0};
    case 3:
        return {-90, 0, 0};
    default:
        return {0, 0, 0};
    }
}

struct Orientation {
    int face;    // the face turned mostly toward the viewer
    Vec3 tumble; // degrees about x, y and z after that
};

Vec3 orient(const Vec3& v, const Orientation& o) {
    const Vec3 f = faceForward(o.face);
    const Vec3 r = rotate(v, f.x, f.y, f.z);
    return rotate(r, o.tumble.x, o.tumble.y, o.tumble.z);
}

QPolygonF cubeHull(const QPointF& centre, double size, const Orientation& o) {
    QPolygonF points;
    for (int i = 0; i < 8; ++i) {
        const Vec3 c = orient({i & 1 ? 0.5 : -0.5, i & 2 ? 0.5 : -0.5, i & 4 ? 0.5 : -0.5}, o);
        points << centre + QPointF(c.x, c.y) * size;
    }
    return points;
}

void drawCube(QPainter& p, const QPointF& centre, double size, const Orientation& o) {
    const Vec3 light{-0.45, -0.65, 0.62};
    for (const CubeSide& side : kCube) {
        const Vec3 n = orient(side.normal, o);
        if (n.z <= 0.02)
            continue;
        const Vec3 u = orient(side.u, o);
        const Vec3 v = orient(side.v, o);
        const QPointF c = centre + QPointF(n.x, n.y) * (size / 2);
        const QPointF du = QPointF(u.x, u.y) * (size / 2);
        const QPointF dv = QPointF(v.x, v.y) * (size / 2);
        const QPolygonF quad{c - du - dv, c + du - dv, c + du + dv, c - du + dv};
        const double lit =
            0.6 + 0.45 * std::max(0.0, n.x * light.x + n.y * light.y + n.z * light.z);
        p.setPen(QPen(kDieEdge, 0.9));
        p.setBrush(shade(kIvory, std::min(1.05, lit)));
        p.drawPolygon(quad);
        QTransform map;
        if (!QTransform::quadToQuad(
                QPolygonF{QPointF(0, 0), QPointF(100, 0), QPointF(100, 100), QPointF(0, 100)}, quad,
                map))
            continue;
        p.save();
        p.setTransform(map, true);
        p.setPen(Qt::NoPen);
        p.setBrush(shade(kIvoryLight, std::min(1.0, lit)));
        p.drawRoundedRect(QRectF(6, 6, 88, 88), 16, 16);
        p.translate(10, 8);
        p.scale(0.8, 0.84);
        drawCardMarks(p, side.face, std::min(1.0, lit));
        p.restore();
    }
}

// The board's colour round the edge of the large dice, where they stand in the
// crystal: the mist of a tumbling die fades into it.
QColor crystalAtDiceEdges() {
    const std::vector<bool>& in = cover(kLargeDie);
    const QImage& b = board();
    const int scale = scaleOf(b);
    const int w = kDieSize.width() * scale, h = kDieSize.height() * scale;
    double r = 0, g = 0, bl = 0;
    int n = 0;
    for (const QPoint& at : kDice)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto i = static_cast<std::size_t>(y * w + x);
                const bool edge = in[i] && (x == 0 || !in[i - 1] || x + 1 == w || !in[i + 1] ||
                                            y == 0 || !in[i - w] || y + 1 == h || !in[i + w]);
                if (!edge)
                    continue;
                const QRgb c = b.pixel(at * scale + QPoint(x, y));
                r += qRed(c);
                g += qGreen(c);
                bl += qBlue(c);
                ++n;
            }
    return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(bl / n));
}

void sparkle(QPainter& p, const QPointF& c, double r, int alpha) {
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
        const double len = k % 2 == 0 ? r : r * 0.22;
        const double a = k * M_PI / 4;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * len;
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(255, 252, 230, alpha));
}

struct Tumbling {
    double size;
    Orientation pose;
    double opacity;
    Vec3 spin; // the turn per ghost image trailing behind it
};

// Picture 1..3 of face: the die turning over in a swirl of the crystal's mist,
// growing clearer as it comes to rest.
QImage paintTumblingDie(int face, int picture) {
    const std::array<Tumbling, 3> frames{{
        {19, {face, {48, -52, 30}}, 0.55, {-22, 18, -10}},
        {25, {face, {-34, 30, -22}}, 0.85, {16, -14, 10}},
        {29, {face, {14, -16, 8}}, 1.0, {-8, 8, -4}},
    }};
    const Tumbling& t = frames[picture - 1];
    const DieShape& s = kLargeDie;
    QImage img = canvas(s.size);
    static PerScale<QColor> kept;
    const QColor edge = kept.get(crystalAtDiceEdges);
    img.fill(edge);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = s.body.center();
    QRadialGradient mist(centre, 21);
    mist.setColorAt(0.0, QColor(255, 250, 232));
    mist.setColorAt(0.4, QColor(250, 242, 238));
    mist.setColorAt(0.8, edge);
    p.fillRect(boardRect(img), mist);
    // Shrink the die until it and its ghosts stand clear inside the outline.
    const QPainterPath room = roundedRect(s.body.adjusted(2, 2, -2, -2), s.radius - 2);
    double size = t.size;
    auto fits = [&](double sz) {
        for (int g = 0; g <= 2; ++g) {
            const Orientation o{face,
                                {t.pose.tumble.x + g * t.spin.x, t.pose.tumble.y + g * t.spin.y,
                                 t.pose.tumble.z + g * t.spin.z}};
            for (const QPointF& c : cubeHull(centre, sz, o))
                if (!room.contains(c))
                    return false;
        }
        return true;
    };
    while (size > 8 && !fits(size))
        size -= 0.5;
    for (int g = 2; g >= 1; --g) {
        p.setOpacity(t.opacity * 0.16 * (3 - g));
        drawCube(p, centre, size,
                 {face,
                  {t.pose.tumble.x + g * t.spin.x, t.pose.tumble.y + g * t.spin.y,
                   t.pose.tumble.z + g * t.spin.z}});
    }
    p.setOpacity(t.opacity);
    drawCube(p, centre, size, t.pose);
    p.setOpacity(1.0);
    Rng rng(static_cast<std::uint32_t>(700 + face * 10 + picture));
    for (int i = 0; i < 5 - picture; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double d = rng.range(13, 17);
        sparkle(p, centre + QPointF(std::cos(a) * d, std::sin(a) * d * 1.05), rng.range(2, 3.5),
                220);
    }
    p.end();
    return clipped(img, cover(s));
}

// ----------------------------------------------------------------- flames

// The flame's glow stays inside the picture, a pixel clear of its edge, so
// the picture meets the candle round it without a seam.
QImage paintFlame(int level) {
    QImage img = cutOut(board(), kFlame);
    if (level == 0)
        return opaque(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-kFlame.topLeft());
    const QRectF inner = QRectF(kFlame).adjusted(1, 1, -1, -1);
    p.setClipRect(inner);
    static constexpr std::array<double, 4> kHeights{0, 12, 21, 30};
    const double height = kHeights[level];
    const QPointF middle = kRollWick + QPointF(0, -height * 0.45);
    QRadialGradient halo(QPointF(0, 0), 1.0);
    halo.setColorAt(0.0, QColor(255, 200, 110, 70 + 25 * level));
    halo.setColorAt(1.0, QColor(255, 170, 60, 0));
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.translate(middle);
    p.scale(inner.width() / 2, std::min(height * 0.9 + 6, 23.0));
    p.fillRect(QRectF(-1, -1, 2, 2), halo);
    p.restore();
    drawCandleFlame(p, kRollWick + QPointF(-0.6, -5), height);
    p.end();
    return opaque(img);
}

// ------------------------------------------------------------------ buttons

QPainterPath iconFor(Button button, const QRectF& r) {
    switch (button) {
    case AcesWild:
        return fittedButtonIcon(ButtonIcon::AcesWild, r, 3);
    case NextTune:
        return fittedButtonIcon(ButtonIcon::NextTune, r, 3);
    case Exit:
        return fittedButtonIcon(ButtonIcon::Exit, r, 3);
    case Help:
        return fittedButtonIcon(ButtonIcon::Help, r, 2);
    case Faster:
        return fittedButtonIcon(ButtonIcon::Faster, r, 3);
    case Slower:
        return fittedButtonIcon(ButtonIcon::Slower, r, 1);
    case Music:
        return fittedButtonIcon(ButtonIcon::Music, r, 2.5);
    case Sound:
        return fittedButtonIcon(ButtonIcon::Sound, r, 3);
    case kButtonCount:
        break;
    }
    return {};
}

QImage paintButton(Button button, bool down) {
    const QRect r = kButtons[button];
    if (!down)
        return opaque(cutOut(board(), r));
    QImage img = cutOut(boardWithoutButtons(), r);
    QPainter p(&img);
    p.translate(-r.topLeft());
    drawButton(p, button, true);
    p.end();
    return opaque(img);
}

// ------------------------------------------------------------------ digits

QImage paintDigit(int digit) {
    QImage img = canvas(kDigitSize);
    img.fill(kDigitGround);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = makeFont(kDisplaySerif, 15, QFont::Bold);
    const QPainterPath numeral = centredText(QRectF(0, 0, kDigitSize.width(), kDigitSize.height()),
                                             QString::number(digit), font);
    // Printed on the counter's ivory, with a faint light edge under each stroke.
    p.fillPath(numeral.translated(0, 0.7), QColor(255, 250, 230, 150));
    p.fillPath(numeral, kDigitInk);
    p.end();
    return opaque(img);
}

} // namespace

// ------------------------------------------------------------- shared parts

void drawCardMarks(QPainter& p, int face, double light) {
    const CardFace& card = kCardFaces[face - 1];
    const QString index = QString::fromLatin1(card.index);
    const QFont font = makeFont(kDisplaySerif, 100, QFont::Black);
    QPainterPath rank;
    rank.addText(0, 0, font, index);
    const QRectF ink = rank.boundingRect();
    // Every rank stands equally tall; the 10 is narrowed to the width of the others.
    const double height = 54;
    double sx = height / ink.height();
    const double sy = sx;
    if (ink.width() * sx > 76)
        sx = 76 / ink.width();
    rank = QTransform()
               .translate(50, 8 + height / 2)
               .scale(sx, sy)
               .translate(-ink.center().x(), -ink.center().y())
               .map(rank);
    const QColor ink2 = shade(card.ink, 0.55 + 0.45 * light);
    p.fillPath(rank, ink2);
    const QPainterPath suit =
        QTransform().translate(38, 68).scale(24, 24).map(suitShape(card.suit));
    p.fillPath(suit, ink2);
}

void drawCandleFlame(QPainter& p, const QPointF& wick, double height) {
    if (height <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = height * 0.3;
    const QPointF base = wick + QPointF(0, 3);
    QPainterPath flame;
    flame.moveTo(base);
    flame.cubicTo(base + QPointF(-w * 1.3, -height * 0.12), base + QPointF(-w * 0.5, -height * 0.6),
                  base + QPointF(0, -height));
    flame.cubicTo(base + QPointF(w * 0.5, -height * 0.6), base + QPointF(w * 1.3, -height * 0.12),
                  base);
    flame.closeSubpath();
    QRadialGradient fire(base + QPointF(0, -height * 0.28), height * 0.7,
                         base + QPointF(0, -height * 0.2));
    fire.setColorAt(0.0, QColor(255, 255, 244));
    fire.setColorAt(0.3, QColor(255, 240, 160));
    fire.setColorAt(0.65, QColor(255, 168, 48));
    fire.setColorAt(1.0, QColor(214, 70, 16));
    p.fillPath(flame, fire);
    // The blue root of the flame, and the wick inside it.
    QRadialGradient root(base + QPointF(0, -w * 0.4), w * 0.8);
    root.setColorAt(0.0, QColor(90, 120, 255, 150));
    root.setColorAt(1.0, QColor(90, 120, 255, 0));
    p.fillPath(flame, root);
    p.fillRect(QRectF(wick.x() - 0.6, base.y() - height * 0.2, 1.2, height * 0.2),
               QColor(60, 30, 14, 200));
    p.restore();
}

void drawButton(QPainter& p, Button button, bool down) {
    const QRectF r(kButtons[button]);
    const bool toggle = button == AcesWild || button == Music || button == Sound;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(3.0, std::min(r.width(), r.height()) / 2.0 - 0.5);
    const QPainterPath body = roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    // Gilt bronze: raised when up, sunk and darker when pressed or switched on.
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    if (down) {
        metal.setColorAt(0.0, QColor(120, 80, 26));
        metal.setColorAt(1.0, QColor(190, 140, 60));
    } else {
        metal.setColorAt(0.0, QColor(255, 228, 150));
        metal.setColorAt(0.5, QColor(210, 158, 66));
        metal.setColorAt(1.0, QColor(140, 92, 30));
    }
    p.fillPath(body, metal);
    QLinearGradient edge(r.topLeft(), r.bottomRight());
    edge.setColorAt(0.0, down ? QColor(40, 20, 2, 210) : QColor(255, 250, 220, 220));
    edge.setColorAt(0.5, QColor(0, 0, 0, 0));
    edge.setColorAt(1.0, down ? QColor(255, 236, 180, 130) : QColor(50, 26, 4, 210));
    p.save();
    p.setClipPath(body);
    p.strokePath(body, QPen(QBrush(edge), r.height() < 8 ? 1.6 : 2.4));
    p.restore();
    p.strokePath(body, QPen(QColor(40, 20, 4), 0.9));
    const QPainterPath icon = iconFor(button, r.translated(down ? QPointF(0.6, 0.6) : QPointF()));
    if (toggle && down) {
        // Switched on, the engraving glows like the candle flame.
        p.save();
        p.setClipPath(body);
        QRadialGradient halo(r.center(), std::max(r.width(), r.height()) * 0.6);
        halo.setColorAt(0.0, QColor(255, 220, 120, 200));
        halo.setColorAt(1.0, QColor(255, 160, 40, 0));
        p.fillRect(r, halo);
        p.restore();
        p.strokePath(icon, QPen(QColor(120, 40, 0, 160), 1.2));
        p.fillPath(icon, QColor(255, 252, 220));
    } else {
        p.fillPath(icon.translated(0.4, 0.6),
                   down ? QColor(255, 230, 170, 90) : QColor(255, 246, 210, 150));
        p.fillPath(icon, down ? QColor(30, 14, 2) : QColor(56, 30, 8));
    }
    p.restore();
}

void drawMarkerSocket(QPainter& p, const QRect& place) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(place).center();
    QRadialGradient bezel(c + QPointF(-1.5, -1.5), 6);
    bezel.setColorAt(0.0, QColor(255, 236, 160));
    bezel.setColorAt(1.0, QColor(130, 84, 24));
    p.setPen(QPen(QColor(30, 16, 4), 0.8));
    p.setBrush(bezel);
    p.drawEllipse(c, 5.2, 5.2);
    // The stone unlit: dark garnet with one glint.
    QRadialGradient garnet(c + QPointF(-1, -1), 4);
    garnet.setColorAt(0.0, QColor(110, 30, 36));
    garnet.setColorAt(1.0, QColor(30, 6, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(garnet);
    p.drawEllipse(c, 3.6, 3.6);
    p.setBrush(QColor(255, 220, 220, 110));
    p.drawEllipse(c + QPointF(-1.3, -1.4), 0.9, 0.9);
    p.restore();
}

void drawMarkerGem(QPainter& p, const QRect& place) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(place).adjusted(1, 1, -1, -1);
    p.setClipRect(inner);
    const QPointF c = QRectF(place).center();
    QRadialGradient halo(c, 6.4);
    halo.setColorAt(0.0, QColor(255, 190, 100, 240));
    halo.setColorAt(0.6, QColor(255, 120, 40, 150));
    halo.setColorAt(1.0, QColor(255, 80, 20, 0));
    p.fillRect(inner, halo);
    QRadialGradient gem(c + QPointF(-0.8, -1), 4);
    gem.setColorAt(0.0, QColor(255, 252, 220));
    gem.setColorAt(0.35, QColor(255, 180, 70));
    gem.setColorAt(1.0, QColor(210, 40, 20));
    p.setPen(QPen(QColor(255, 230, 150), 0.9));
    p.setBrush(gem);
    p.drawEllipse(c, 3.6, 3.6);
    p.restore();
}

} // namespace art::pokerdice

namespace art {

using namespace pokerdice;

QImage paintPokerDiceDie(int face, int picture) {
    return picture == 4 ? paintRestingDie(kLargeDie, face) : paintTumblingDie(face, picture);
}

QImage paintPokerDiceDieMask() {
    return maskOf(cover(kLargeDie), kLargeDie.size);
}

QImage paintPokerDiceSmallDie(int face) {
    return paintRestingDie(kSmallDie, face);
}

QImage paintPokerDiceSmallDieMask() {
    return maskOf(cover(kSmallDie), kSmallDie.size);
}

QImage paintPokerDiceDigit(int digit) {
    return paintDigit(digit);
}

QImage paintPokerDiceBead() {
    QImage img = beadPlace();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A lacquered bead, a little wider than tall, with the ridge round its middle.
    const QRectF r(0.2, 0.3, kBeadSize.width() - 0.4, kBeadSize.height() - 0.6);
    QRadialGradient lacquer(QPointF(3.3, 2.6), 6.5);
    lacquer.setColorAt(0.0, QColor(255, 176, 130));
    lacquer.setColorAt(0.35, QColor(214, 58, 34));
    lacquer.setColorAt(1.0, QColor(96, 14, 8));
    p.setPen(QPen(QColor(60, 8, 4), 0.6));
    p.setBrush(lacquer);
    p.drawEllipse(r);
    p.setPen(QPen(QColor(255, 190, 150, 90), 0.6));
    p.drawLine(QPointF(1.4, 4.6), QPointF(8.6, 4.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240, 200));
    p.drawEllipse(QPointF(3.2, 2.5), 1.3, 0.9);
    p.end();
    return opaque(img);
}

QImage paintPokerDiceFlame(int level) {
    return paintFlame(level);
}

QImage paintPokerDiceMarker(int player) {
    const QRect place = kMarkers[player];
    QImage img = cutOut(board(), place);
    QPainter p(&img);
    p.translate(-place.topLeft());
    drawMarkerGem(p, place);
    p.end();
    return opaque(img);
}

QImage paintPokerDiceSign() {
    return opaque(cutOut(board(), kSign));
}

QImage paintPokerDiceButton(int button, bool down) {
    return paintButton(static_cast<Button>(button), down);
}

} // namespace art
