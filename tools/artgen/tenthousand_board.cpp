// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 10,000: a candle-lit stone chapel. The scoring combinations are the panes of
// a leaded stained-glass window, the dice float up out of a glowing pool at
// the lower left, and each player keeps score on a brass plaque.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"
#include "tenthousand_art.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "games/tenthousand/PaneShapes.h"

namespace art::tenthousand {

namespace {

constexpr QRectF kSurround(133, 21, 379, 169);
constexpr QRectF kSill(124, 180, 397, 14);
constexpr QRect kStrip(3, 148, 38, 258);
constexpr QPointF kPoolCentre(166, 314);
constexpr double kRimRadiusX = 116;
constexpr double kRimRadiusY = 104;
constexpr double kWaterRadiusX = 103;
constexpr double kWaterRadiusY = 91;
constexpr QPointF kSconceFlame(86, 56);
constexpr QPointF kStandFlame(597, 262);
constexpr QRectF kBanner(522, 12, 92, 186);
constexpr std::array<QRectF, 2> kPlaques{QRectF(286, 224, 120, 139), QRectF(431, 277, 129, 140)};

const QColor kLead(32, 31, 36);
const QColor kBrassInk(58, 36, 12);

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb mix(QRgb a, QRgb b, double t) {
    auto m = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

QRgb scaled(const QColor& c, double f) {
    auto s = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return qRgb(s(c.red()), s(c.green()), s(c.blue()));
}

// Coverage of path over the pixels of box at a scale, as alpha.
QImage coverage(const QPainterPath& path, const QRect& box, int scale) {
    QImage mask(box.size() * scale, QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(scale);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-box.topLeft());
    p.fillPath(path, Qt::white);
    return mask;
}

// A soft light: a radial glow added over whatever lies beneath.
void lightPool(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, colour);
    QColor mid = colour;
    mid.setAlphaF(colour.alphaF() * 0.35);
    g.setColorAt(0.35, mid);
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2), g);
    p.restore();
}

void paintWall(QImage& img) {
    StoneStyle stone{QColor(112, 102, 92), QColor(58, 52, 48), 11, 14, 2, 0.32, 66};
    paintStoneBlocks(img, boardRect(img), stone);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Cool daylight through the window, warm candlelight at the sides.
    lightPool(p, QPointF(322, 110), 330, QColor(150, 140, 120, 70));
    lightPool(p, kSconceFlame, 150, QColor(255, 170, 70, 110));
    lightPool(p, kStandFlame, 150, QColor(255, 170, 70, 100));
    vignette(p, QRectF(boardRect(img)), 0.7);
}

// ---------------------------------------------------------------- the window

// The glass of one pane, painted pixel by pixel: antique glass is streaky and
// seeded, thinner and brighter in the middle, and darker where the lead holds it.
void paintGlass(QImage& img, int pane) {
    const QPainterPath outline = paneOutline(pane);
    const QRect box = outline.boundingRect().toAlignedRect().adjusted(-3, -3, 3, 3);
    const int s = scaleOf(img);
    const QImage mask = coverage(outline, box, s);
    const QImage depth = blurred(mask, 2);
    const QColor glass = paneArt()[pane].glass;
    const auto seed = static_cast<std::uint32_t>(500 + pane * 17);
    const ValueNoise streaks(seed, 16, 16);
    const ValueNoise seeds(seed + 5, 64, 64);
    const double angle = 0.35 * std::sin(pane * 1.7);
    const double ca = std::cos(angle), sa = std::sin(angle);
    const QPointF hot = QRectF(box).center() + QPointF(-box.width() * 0.12, -box.height() * 0.2);
    const double reach = std::hypot(box.width(), box.height()) * 0.62;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        const auto* d = reinterpret_cast<const QRgb*>(depth.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(box.top() * s + y)) + box.left() * s;
        for (int x = 0; x < mask.width(); ++x) {
            const double a = qAlpha(m[x]) / 255.0;
            if (a <= 0.0)
                continue;
            const double bx = box.left() + double(x) / s, by = box.top() + double(y) / s;
            const double u = bx * ca + by * sa, v = -bx * sa + by * ca;
            const double streak = streaks.fbm(u / 26.0, v / 4.0, 3) - 0.5;
            const double seedDot = seeds.at(bx / 1.3, by / 1.3);
            const double glow =
                1.0 - std::clamp(std::hypot(bx - hot.x(), by - hot.y()) / reach, 0.0, 1.0);
            // Daylight is strongest through the middle of the window.
            const double sun =
                1.0 - 0.3 * std::clamp(std::hypot(bx - 330, (by - 70) * 1.6) / 260, 0.0, 1.0);
            double f = (0.78 + 0.55 * glow + 0.38 * streak) * sun;
            if (seedDot > 0.965)
                f += 0.14;
            const double inner = qAlpha(d[x]) / 255.0;
            f *= 0.45 + 0.55 * smoothstep(0.45, 0.95, inner);
            // A painted trace line follows the lead a little inside the pane.
            if (std::abs(inner - 0.86) < 0.035)
                f *= 0.74;
            QRgb c = scaled(glass, f);
            // Where the light is strongest the glass burns paler.
            c = mix(c, qRgb(255, 248, 226), std::clamp(glow * glow * sun - 0.25, 0.0, 0.45));
            out[x] = mix(out[x], c, a);
        }
    }
}

Lettering paneLettering() {
    Lettering l;
    l.fillTop = QColor(255, 250, 232);
    l.fillBottom = QColor(238, 220, 170);
    l.outline = QColor(26, 18, 16);
    l.outlineWidth = 2.2;
    return l;
}

Lettering pointsLettering() {
    Lettering l;
    l.fillTop = QColor(255, 230, 120);
    l.fillBottom = QColor(232, 168, 48);
    l.outline = QColor(30, 18, 10);
    l.outlineWidth = 1.8;
    return l;
}

void drawLeadedGlass(QPainter& p, QImage& img) {
    const QRectF leaded(kMessagePanel);
    p.fillRect(leaded, kLead);
    // The came's rounded lip catches the room's light along its top.
    for (int i = 0; i < 12; ++i) {
        const QPainterPath outline = paneOutline(i);
        const QRectF b = outline.boundingRect();
        QLinearGradient sheen(b.topLeft(), b.bottomLeft());
        sheen.setColorAt(0.0, QColor(128, 124, 130));
        sheen.setColorAt(1.0, QColor(58, 56, 62));
        p.strokePath(outline, QPen(QBrush(sheen), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.end();
    for (int i = 0; i < 12; ++i)
        paintGlass(img, i);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        const QPainterPath outline = paneOutline(i);
        p.strokePath(outline, QPen(QColor(20, 18, 22, 200), 1.2));
        Lettering letters = paneLettering();
        if (kPaneRects[i].width() < 15)
            letters.outlineWidth = 1.5; // a heavy outline would swallow a lone digit
        drawLettering(p, paneLetters(i), letters);
        const PaneArt& art = paneArt()[i];
        if (!art.points.isEmpty()) {
            const QFont f = fittedFont(kSerif, QFont::Bold, false, art.points,
                                       art.pointsBox.size() - QSizeF(1.5, 1.5), 11);
            drawLettering(p, centredText(art.pointsBox, art.points, f), pointsLettering());
        }
    }
    // Painted stars flank the two buttons of the window.
    for (const QPointF& c :
         {QPointF(307, 151), QPointF(389, 151), QPointF(417, 154), QPointF(482, 154)}) {
        QPainterPath star;
        for (int k = 0; k < 8; ++k) {
            const double r = k % 2 == 0 ? 5.0 : 1.6;
            const double a = k * M_PI / 4 - M_PI / 2;
            const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            if (k == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        drawLettering(p, star, pointsLettering());
    }
}

// The glass of every pane on its own, for the glow the window sheds on the wall.
QImage glassOnly() {
    QImage layer = canvas(kBoardSize);
    for (int i = 0; i < 12; ++i)
        paintGlass(layer, i);
    return layer;
}

void drawWindowSurround(QPainter& p) {
    // The window's coloured light blooms onto the stone around it.
    {
        const QImage bloom = blurred(glassOnly(), 12);
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.setOpacity(0.85);
        p.drawImage(0, 0, bloom);
        p.restore();
    }
    const QPainterPath surround = roundedRect(kSurround, 6);
    softShadow(p, surround, 3, 5, 9, 210);
    static PerScale<Texture> kept;
    Texture& limestone = kept.get([] {
        return Texture(kBoardSize, [](QImage& img, const QRect& r) {
            paintMarble(img, r, QColor(150, 138, 118), QColor(214, 204, 184), 0.25, 77);
        });
    });
    fillPathWithImage(p, surround, limestone);
    bevel(p, surround, 3, 170, 170);
    // The moulding: a groove running round the opening.
    p.setPen(QPen(QColor(90, 80, 66, 160), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kSurround.adjusted(5.5, 5.5, -5.5, -5.5), 4, 4);
    p.setPen(QPen(QColor(255, 248, 230, 90), 1.0));
    p.drawRoundedRect(kSurround.adjusted(6.7, 6.7, -6.7, -6.7), 4, 4);
    // The sill juts out below, lit from above.
    const QPainterPath sill = roundedRect(kSill, 3);
    softShadow(p, sill, 2, 5, 6, 200);
    fillPathWithImage(p, sill, limestone);
    QLinearGradient face(kSill.topLeft(), kSill.bottomLeft());
    face.setColorAt(0.0, QColor(255, 250, 235, 110));
    face.setColorAt(0.35, QColor(255, 250, 235, 0));
    face.setColorAt(0.45, QColor(0, 0, 0, 60));
    face.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillPath(sill, face);
    bevel(p, sill, 1.5, 120, 150);
    // The reveal: the opening's inner faces fall into shade.
    const QRectF opening = QRectF(kMessagePanel).adjusted(-3, -3, 3, 3);
    p.fillRect(opening, QColor(40, 36, 34));
}

// ------------------------------------------------------------------ the pool

QPainterPath ellipsePath(const QPointF& c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

void paintWater(QImage& img, const QPainterPath& water) {
    const QRect box = water.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    const int s = scaleOf(img);
    const QImage mask = coverage(water, box, s);
    const ValueNoise ripples(901, 16, 16);
    const ValueNoise drift(902, 8, 8);
    const QColor deep(8, 34, 52);
    const QColor shallow(40, 134, 148);
    for (int y = 0; y < mask.height(); ++y) {
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(box.top() * s + y)) + box.left() * s;
        for (int x = 0; x < mask.width(); ++x) {
            const double a = qAlpha(m[x]) / 255.0;
            if (a <= 0.0)
                continue;
            const double bx = box.left() + double(x) / s, by = box.top() + double(y) / s;
            const double dx = (bx - kPoolCentre.x() + 18) / kWaterRadiusX;
            const double dy = (by - kPoolCentre.y() + 10) / kWaterRadiusY;
            const double centre = 1.0 - std::clamp(std::hypot(dx, dy), 0.0, 1.0);
            // Caustic threads: bright where the warped noise crosses its bands.
            const double n =
                ripples.fbm(bx / 40.0, by / 16.0, 3) + 0.3 * drift.at(bx / 50, by / 50);
            const double band = n * 5.0 - std::floor(n * 5.0);
            const double thread = std::pow(1.0 - std::abs(band * 2 - 1), 12.0);
            const double t = std::clamp(0.1 + 0.8 * centre + 0.12 * thread, 0.0, 1.0);
            QRgb c = mix(qRgb(deep.red(), deep.green(), deep.blue()),
                         qRgb(shallow.red(), shallow.green(), shallow.blue()), t);
            c = mix(c, qRgb(170, 235, 225), 0.25 * thread * (0.3 + centre));
            out[x] = mix(out[x], c, a);
        }
    }
}

void drawPool(QPainter& p, QImage& img) {
    const QPainterPath rim = ellipsePath(kPoolCentre, kRimRadiusX, kRimRadiusY);
    softShadow(p, rim, 4, 7, 10, 220);
    static PerScale<Texture> kept;
    Texture& stone = kept.get([] {
        return Texture(kBoardSize, [](QImage& img, const QRect& r) {
            paintMarble(img, r, QColor(120, 110, 96), QColor(200, 190, 170), 0.3, 78);
        });
    });
    fillPathWithImage(p, rim, stone);
    // The rim is rounded: lit along its far edge, shaded toward us.
    QLinearGradient round(QPointF(0, kPoolCentre.y() - kRimRadiusY),
                          QPointF(0, kPoolCentre.y() + kRimRadiusY));
    round.setColorAt(0.0, QColor(255, 246, 225, 70));
    round.setColorAt(0.5, QColor(0, 0, 0, 0));
    round.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillPath(rim, round);
    bevel(p, rim, 2.5, 150, 170);
    const QPainterPath opening = ellipsePath(kPoolCentre, kWaterRadiusX, kWaterRadiusY);
    p.strokePath(opening, QPen(QColor(50, 44, 38), 2.5));
    // The far inner wall shows above the water.
    QLinearGradient wall(QPointF(0, kPoolCentre.y() - kWaterRadiusY),
                         QPointF(0, kPoolCentre.y() - kWaterRadiusY + 14));
    wall.setColorAt(0.0, QColor(96, 86, 74));
    wall.setColorAt(1.0, QColor(44, 40, 36));
    p.fillPath(opening, wall);
    const QPainterPath water = opening.intersected(
        ellipsePath(kPoolCentre + QPointF(0, 7), kWaterRadiusX - 1, kWaterRadiusY - 3));
    p.end();
    paintWater(img, water);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The waterline against the stone, and the window's colours mirrored in it.
    p.strokePath(water, QPen(QColor(180, 230, 225, 90), 1.2));
    p.save();
    p.setClipPath(water);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    const std::array<QColor, 4> tints{QColor(60, 90, 200, 60), QColor(190, 40, 60, 55),
                                      QColor(220, 160, 40, 55), QColor(40, 150, 90, 50)};
    for (int i = 0; i < 4; ++i) {
        QRadialGradient g(QPointF(110 + i * 34, 244 + (i % 2) * 5), 22);
        g.setColorAt(0.0, tints[i]);
        g.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setTransform(QTransform()
                           .translate(110 + i * 34, 244 + (i % 2) * 5)
                           .scale(1.0, 0.45)
                           .translate(-(110 + i * 34), -(244 + (i % 2) * 5)));
        p.fillRect(QRectF(60, 200, 220, 90), g);
    }
    p.resetTransform();
    // Glints where the candlelight catches the ripples.
    Rng rng(903);
    for (int i = 0; i < 26; ++i) {
        const double angle = rng.range(0, 2 * M_PI);
        const double reach = std::sqrt(rng.uniform()) * 0.9;
        const QPointF at(kPoolCentre.x() + std::cos(angle) * reach * kWaterRadiusX,
                         kPoolCentre.y() + 7 + std::sin(angle) * reach * (kWaterRadiusY - 6));
        const double size = rng.range(0.8, 2.2);
        QRadialGradient glint(at, size * 2.2);
        glint.setColorAt(0.0, QColor(255, 250, 230, 200));
        glint.setColorAt(1.0, QColor(255, 250, 230, 0));
        p.fillRect(QRectF(at.x() - size * 2.5, at.y() - size * 2.5, size * 5, size * 5), glint);
        p.fillRect(QRectF(at.x() - size * 2.2, at.y() - 0.25, size * 4.4, 0.5),
                   QColor(255, 250, 235, 110));
    }
    p.restore();
}

// ---------------------------------------------------------------- the plaques

// Brushed metal: fine streaks along x, a broad sheen across.
void paintBrass(QImage& img, const QRect& rect) {
    const ValueNoise brush(303, 8, 64);
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double n = brush.fbm(x / 80.0, y / 1.2, 2) - 0.5;
        const double sheen = 0.5 + 0.5 * std::sin((x * 0.6 + y) * 0.02);
        const double f = 0.82 + 0.3 * sheen + 0.07 * n;
        pixel = scaled(QColor(222, 182, 92), f);
    });
}

Texture& brass() {
    static PerScale<Texture> kept;
    return kept.get([] { return Texture(kBoardSize, paintBrass); });
}

void drawRivet(QPainter& p, const QPointF& c) {
    QRadialGradient g(c + QPointF(-0.8, -0.8), 3);
    g.setColorAt(0.0, QColor(255, 246, 200));
    g.setColorAt(0.6, QColor(186, 140, 60));
    g.setColorAt(1.0, QColor(90, 60, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 2.3, 2.3);
}

void insetField(QPainter& p, const QRect& field, const QColor& fill) {
    const QRectF r(field);
    // The enamel sits in a sunken bed cut into the brass.
    p.fillRect(r.adjusted(-2, -2, 2, 2), QColor(92, 62, 22));
    p.fillRect(r.adjusted(-1, -1, 2, 2), QColor(246, 220, 150));
    p.fillRect(r.adjusted(-1, -1, 1, 1), QColor(70, 46, 16));
    p.fillRect(r, fill);
}

void drawPlaque(QPainter& p, int player) {
    const QRectF box = kPlaques[player];
    const PlayerPlaces& places = kPlayers[player];
    QPainterPath plate;
    // A brass plaque with an arched top.
    plate.moveTo(box.left(), box.bottom() - 6);
    plate.lineTo(box.left(), box.top() + 16);
    plate.quadTo(box.left(), box.top() + 4, box.left() + 14, box.top() + 3);
    plate.quadTo(box.center().x(), box.top() - 6, box.right() - 14, box.top() + 3);
    plate.quadTo(box.right(), box.top() + 4, box.right(), box.top() + 16);
    plate.lineTo(box.right(), box.bottom() - 6);
    plate.quadTo(box.right(), box.bottom(), box.right() - 6, box.bottom());
    plate.lineTo(box.left() + 6, box.bottom());
    plate.quadTo(box.left(), box.bottom(), box.left(), box.bottom() - 6);
    softShadow(p, plate, 3, 5, 7, 210);
    fillPathWithImage(p, plate, brass());
    bevel(p, plate, 2.5, 190, 190);
    p.strokePath(plate, QPen(QColor(80, 52, 14), 1.2));
    const QRectF inner = box.adjusted(5, 9, -5, -5);
    p.setPen(QPen(QColor(120, 84, 30, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, 3, 3);
    drawRivet(p, QPointF(box.left() + 6, box.bottom() - 6));
    drawRivet(p, QPointF(box.right() - 6, box.bottom() - 6));
    drawRivet(p, QPointF(box.left() + 7, box.top() + 12));
    drawRivet(p, QPointF(box.right() - 7, box.top() + 12));
    const Lettering cut = engraved(kBrassInk);
    const QFont caption = makeFont(kSerif, 11, QFont::Bold);
    auto label = [&](const QRect& field, const QString& text) {
        letterCentred(p, QRectF(field.left(), field.top() - 13, field.width(), 11), text, caption,
                      cut);
    };
    label(places.turn, QStringLiteral("TURN"));
    label(places.total, QStringLiteral("TOTAL"));
    label(places.name, player == 0 ? QStringLiteral("PLAYER ONE") : QStringLiteral("PLAYER TWO"));
    insetField(p, places.turn, kFieldColour);
    insetField(p, places.total, kFieldColour);
    insetField(p, places.name, kFieldColour);
    drawMarkerSocket(p, kMarkerSpots[player]);
}

// ----------------------------------------------------------------- the strip

Texture oakTexture() {
    return Texture(kBoardSize, [](QImage& img, const QRect& r) {
        paintWood(img, r, {QColor(52, 28, 12), QColor(112, 68, 34), 0.11, 6.0, 67}, true);
    });
}

void drawStrip(QPainter& p) {
    const QPainterPath strip = roundedRect(QRectF(kStrip), 5);
    softShadow(p, strip, 3, 4, 6, 200);
    static PerScale<Texture> oak;
    fillPathWithImage(p, strip, oak.get(oakTexture));
    bevel(p, strip, 2, 110, 160);
    // Iron bands across the oak, between the buttons.
    for (int y : {187, 242, 285, 326, 366, 400}) {
        const QRectF band(kStrip.left() + 1, y, kStrip.width() - 2, 2);
        p.fillRect(band, QColor(30, 26, 24));
        p.fillRect(QRectF(band.left(), y, band.width(), 0.7), QColor(120, 110, 100));
    }
    // The way back to the main screen belongs to the board itself.
    const QRectF back(kBackButton);
    const QPainterPath button = roundedRect(back.adjusted(0.5, 0.5, -0.5, -0.5), 4);
    softShadow(p, button, 1, 2, 3, 180);
    fillPathWithImage(p, button, brass());
    bevel(p, button, 1.5, 210, 170);
    p.strokePath(button, QPen(QColor(70, 44, 12), 1));
    QPainterPath arrow;
    arrow.moveTo(back.left() + 4, back.center().y());
    arrow.lineTo(back.left() + 13, back.top() + 3.5);
    arrow.lineTo(back.left() + 13, back.top() + 7.5);
    arrow.lineTo(back.right() - 4, back.top() + 7.5);
    arrow.lineTo(back.right() - 4, back.bottom() - 7.5);
    arrow.lineTo(back.left() + 13, back.bottom() - 7.5);
    arrow.lineTo(back.left() + 13, back.bottom() - 3.5);
    arrow.closeSubpath();
    p.fillPath(arrow.translated(0, 0.8), QColor(255, 240, 190, 120));
    p.fillPath(arrow, kBrassInk);
}

// ------------------------------------------------------------- the candles

void drawFlame(QPainter& p, const QPointF& base, double height) {
    lightPool(p, base + QPointF(0, -height * 0.4), height * 3.2, QColor(255, 190, 90, 150));
    QPainterPath flame;
    const double w = height * 0.32;
    flame.moveTo(base);
    flame.cubicTo(base + QPointF(-w * 1.4, -height * 0.25), base + QPointF(-w * 0.4, -height * 0.7),
                  base + QPointF(0, -height));
    flame.cubicTo(base + QPointF(w * 0.4, -height * 0.7), base + QPointF(w * 1.4, -height * 0.25),
                  base);
    QRadialGradient g(base + QPointF(0, -height * 0.3), height * 0.75);
    g.setColorAt(0.0, QColor(255, 255, 240));
    g.setColorAt(0.35, QColor(255, 226, 120));
    g.setColorAt(0.8, QColor(255, 140, 30));
    g.setColorAt(1.0, QColor(200, 60, 10, 120));
    p.fillPath(flame, g);
    p.fillRect(QRectF(base.x() - 0.5, base.y() - 2.5, 1, 3), QColor(40, 24, 14));
}

void drawCandle(QPainter& p, const QRectF& body) {
    QLinearGradient wax(body.topLeft(), body.topRight());
    wax.setColorAt(0.0, QColor(255, 236, 196));
    wax.setColorAt(0.45, QColor(246, 226, 186));
    wax.setColorAt(1.0, QColor(170, 140, 100));
    QPainterPath candle = roundedRect(body, 1.5);
    // A drip of wax down the side.
    candle.addRoundedRect(QRectF(body.left() + 1.5, body.top(), 2.6, body.height() * 0.45), 1.3,
                          1.3);
    p.fillPath(candle, wax);
    p.fillPath(ellipsePath(QPointF(body.center().x(), body.top()), body.width() / 2, 1.6),
               QColor(255, 246, 220));
}

void drawSconce(QPainter& p) {
    const QPointF flame = kSconceFlame;
    // An iron backplate on the wall, a drip dish on its arm and a fat candle.
    const double x = flame.x();
    QPainterPath plate;
    plate.moveTo(x - 9, flame.y() + 40);
    plate.quadTo(x - 9, flame.y() + 28, x, flame.y() + 24);
    plate.quadTo(x + 9, flame.y() + 28, x + 9, flame.y() + 40);
    plate.lineTo(x + 9, flame.y() + 74);
    plate.quadTo(x + 6, flame.y() + 80, x, flame.y() + 88);
    plate.quadTo(x - 6, flame.y() + 80, x - 9, flame.y() + 74);
    plate.closeSubpath();
    softShadow(p, plate, 3, 4, 5, 190);
    QLinearGradient iron(QPointF(x - 9, 0), QPointF(x + 9, 0));
    iron.setColorAt(0.0, QColor(92, 80, 68));
    iron.setColorAt(0.5, QColor(52, 46, 40));
    iron.setColorAt(1.0, QColor(22, 20, 18));
    p.fillPath(plate, iron);
    bevel(p, plate, 1.2, 110, 140);
    drawRivet(p, QPointF(x, flame.y() + 33));
    drawRivet(p, QPointF(x, flame.y() + 76));
    const QRectF candle(x - 7, flame.y() + 8, 14, 42);
    softShadow(p, roundedRect(candle, 2), 4, 3, 5, 140);
    drawCandle(p, candle);
    QPainterPath arm;
    arm.moveTo(x, flame.y() + 56);
    arm.cubicTo(x, flame.y() + 64, x - 4, flame.y() + 66, x - 1, flame.y() + 70);
    p.strokePath(arm, QPen(QColor(26, 22, 20), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath dish;
    dish.moveTo(x - 16, flame.y() + 50);
    dish.lineTo(x + 16, flame.y() + 50);
    dish.quadTo(x + 12, flame.y() + 58, x, flame.y() + 58);
    dish.quadTo(x - 12, flame.y() + 58, x - 16, flame.y() + 50);
    QLinearGradient metal(QPointF(0, flame.y() + 50), QPointF(0, flame.y() + 58));
    metal.setColorAt(0.0, QColor(130, 112, 92));
    metal.setColorAt(1.0, QColor(24, 20, 18));
    p.fillPath(dish, metal);
    drawFlame(p, QPointF(x, flame.y() + 7), 17);
}

void drawStand(QPainter& p) {
    const QPointF flame = kStandFlame;
    // A tall iron candle stand on three feet.
    const double x = flame.x();
    QLinearGradient iron(QPointF(x - 3, 0), QPointF(x + 3, 0));
    iron.setColorAt(0.0, QColor(100, 88, 76));
    iron.setColorAt(1.0, QColor(20, 18, 16));
    softShadow(p, roundedRect(QRectF(x - 2, flame.y() + 44, 4, 130), 2), 5, 2, 4, 150);
    p.fillRect(QRectF(x - 2, flame.y() + 44, 4, 122), iron);
    for (double y : {flame.y() + 80, flame.y() + 120})
        p.fillPath(ellipsePath(QPointF(x, y), 4.5, 2.6), QColor(40, 34, 30));
    QPainterPath feet;
    feet.moveTo(x - 20, 426);
    feet.quadTo(x - 6, 412, x, flame.y() + 160);
    feet.quadTo(x + 6, 412, x + 20, 426);
    p.strokePath(feet, QPen(QColor(30, 26, 22), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath pan;
    pan.moveTo(x - 15, flame.y() + 40);
    pan.lineTo(x + 15, flame.y() + 40);
    pan.quadTo(x + 10, flame.y() + 48, x, flame.y() + 48);
    pan.quadTo(x - 10, flame.y() + 48, x - 15, flame.y() + 40);
    const QRectF candle(x - 6, flame.y() + 8, 12, 32);
    softShadow(p, roundedRect(candle, 2), 4, 3, 5, 140);
    drawCandle(p, candle);
    QLinearGradient dish(QPointF(0, flame.y() + 40), QPointF(0, flame.y() + 48));
    dish.setColorAt(0.0, QColor(120, 104, 86));
    dish.setColorAt(1.0, QColor(24, 20, 18));
    p.fillPath(pan, dish);
    drawFlame(p, QPointF(x, flame.y() + 7), 15);
}

// ---------------------------------------------------------------- the banner

void drawBanner(QPainter& p) {
    const QRectF b = kBanner;
    QPainterPath cloth;
    cloth.moveTo(b.topLeft());
    cloth.lineTo(b.topRight());
    cloth.lineTo(b.bottomRight());
    cloth.lineTo(b.center().x(), b.bottom() - 20);
    cloth.lineTo(b.bottomLeft());
    cloth.closeSubpath();
    softShadow(p, cloth, 4, 5, 8, 210);
    // Velvet hanging in soft folds.
    QLinearGradient folds(b.topLeft(), b.topRight());
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        const double f = 0.72 + 0.28 * std::sin(t * M_PI * 4.2 + 0.6);
        folds.setColorAt(t, scaled(QColor(150, 24, 38), f));
    }
    p.fillPath(cloth, folds);
    QLinearGradient shade(b.topLeft(), b.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 0, 0, 90));
    shade.setColorAt(0.2, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillPath(cloth, shade);
    // Gold braid inset from the edge.
    QPainterPath trim;
    trim.moveTo(b.left() + 5, b.top() + 12);
    trim.lineTo(b.right() - 5, b.top() + 12);
    trim.lineTo(b.right() - 5, b.bottom() - 8);
    trim.lineTo(b.center().x(), b.bottom() - 26);
    trim.lineTo(b.left() + 5, b.bottom() - 8);
    trim.closeSubpath();
    p.strokePath(trim, QPen(QColor(110, 70, 16), 3.2));
    p.strokePath(trim, QPen(QColor(236, 190, 90), 1.6));
    // The title.
    const Lettering gold = gildedTitle(170);
    letterCentred(p, QRectF(b.left() + 6, b.top() + 24, b.width() - 12, 30),
                  QStringLiteral("10,000"), makeFont(kDisplaySerif, 23, QFont::Bold), gold);
    Lettering small = gold;
    small.outlineWidth = 1.4;
    small.shadowBlur = 2;
    small.shadowOffset = {1, 1.5};
    letterCentred(p, QRectF(b.left() + 6, b.top() + 58, b.width() - 12, 12),
                  QStringLiteral("TEN THOUSAND"), makeFont(kSerif, 10.5, QFont::Bold), small);
    // A pair of dice as the house's arms.
    drawDie3D(p, QPointF(b.center().x() - 13, b.top() + 110), 27, {-24, 30, 12}, ivoryDie());
    drawDie3D(p, QPointF(b.center().x() + 15, b.top() + 124), 24, {-30, -34, -16}, ivoryDie());
    // The rod it hangs from.
    const QRectF rod(b.left() - 10, b.top() - 4, b.width() + 20, 5);
    softShadow(p, roundedRect(rod, 2.5), 2, 3, 3, 190);
    QLinearGradient iron(rod.topLeft(), rod.bottomLeft());
    iron.setColorAt(0.0, QColor(140, 124, 104));
    iron.setColorAt(1.0, QColor(28, 24, 20));
    p.fillPath(roundedRect(rod, 2.5), iron);
    for (double x : {rod.left(), rod.right()}) {
        QRadialGradient knob(QPointF(x - 1, rod.center().y() - 1.5), 5);
        knob.setColorAt(0.0, QColor(170, 150, 126));
        knob.setColorAt(1.0, QColor(26, 22, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(knob);
        p.drawEllipse(QPointF(x, rod.center().y()), 4.2, 4.2);
    }
}

QImage paintBase() {
    QImage img = canvas(kBoardSize);
    paintWall(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawWindowSurround(p);
    drawLeadedGlass(p, img);
    drawPool(p, img);
    drawPlaque(p, 0);
    drawPlaque(p, 1);
    drawStrip(p);
    drawSconce(p);
    drawStand(p);
    drawBanner(p);
    p.end();
    return opaque(img);
}

} // namespace

const std::array<PaneArt, 12>& paneArt() {
    static const std::array<PaneArt, 12> list{{
        {"1-2-3-4-5-6", "3000", QRectF(170, 71, 52, 10), QColor(44, 84, 200)},
        {"3 PAIRS", "1500", QRectF(280, 66, 33, 8), QColor(186, 30, 50)},
        {"111", "1000", QRectF(399, 50, 23, 11), QColor(226, 160, 36)},
        {"666", "600", QRectF(447, 69, 31, 9), QColor(34, 144, 84)},
        {"555", "500", QRectF(155, 102, 21, 12), QColor(30, 136, 144)},
        {"444", "400", QRectF(258, 112, 36, 10), QColor(226, 120, 34)},
        {"333", "300", QRectF(322, 94, 27, 12), QColor(48, 96, 206)},
        {"222", "200", QRectF(465, 96, 25, 11), QColor(132, 56, 178)},
        {"1", "100", QRectF(189, 151, 19, 11), QColor(196, 46, 96)},
        {"5", "50", QRectF(259, 151, 19, 11), QColor(56, 110, 210)},
        {"ROLL", "", QRectF(), QColor(32, 146, 68)},
        {"PASS", "", QRectF(), QColor(196, 32, 42)},
    }};
    return list;
}

QPainterPath paneOutline(int pane) {
    QPolygonF outline;
    for (const tumbledown::PaneVertex& vertex : tumbledown::paneShapes()[pane].vertices)
        outline << QPointF(vertex.x, vertex.y);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath paneLetters(int pane) {
    const QRectF box(kPaneRects[pane]);
    const QString& text = paneArt()[pane].combination;
    // Inset so that the outline stays inside the picture rectangle.
    const QRectF room = box.adjusted(1.2, 1.2, -1.2, -1.2);
    // Fitted to the height; a word too wide for its pane is narrowed to fit.
    const QFont font =
        fittedFont(kSerif, QFont::Bold, false, text, QSizeF(room.width() * 1.5, room.height()), 24);
    QPainterPath path = centredText(room, text, font);
    const QRectF ink = path.boundingRect();
    if (ink.width() > room.width()) {
        const double sx = room.width() / ink.width();
        path = QTransform()
                   .translate(room.center().x(), 0)
                   .scale(sx, 1)
                   .translate(-room.center().x(), 0)
                   .map(path);
    }
    return path;
}

const QImage& boardWithoutButtons() {
    static PerScale<QImage> kept;
    return kept.get(paintBase);
}

const QImage& board() {
    static PerScale<QImage> kept;
    return kept.get([] {
        QImage b = boardWithoutButtons();
        QPainter p(&b);
        for (int i = 0; i < 6; ++i)
            drawStripButton(p, i, false);
        return b;
    });
}

} // namespace art::tenthousand

namespace art {

QImage paintTenThousandBoard() {
    return tenthousand::board();
}

QImage paintTenThousandTile() {
    QImage img = canvas({115, 90});
    StoneStyle stone{QColor(58, 53, 48), QColor(30, 28, 25), 2, 2, 2, 0.3, 141};
    paintStoneBlocks(img, boardRect(img), stone);
    return opaque(img);
}

} // namespace art
