// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "props.h"

#include "lettering.h"
#include "paintkit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>

namespace art {

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 rotate(Vec3 v, const Tumble& t) {
    const double ax = t.aboutX * M_PI / 180.0;
    const double ay = t.aboutY * M_PI / 180.0;
    const double az = t.aboutZ * M_PI / 180.0;
    Vec3 r{v.x, v.y * std::cos(ax) - v.z * std::sin(ax), v.y * std::sin(ax) + v.z * std::cos(ax)};
    r = {r.x * std::cos(ay) + r.z * std::sin(ay), r.y, -r.x * std::sin(ay) + r.z * std::cos(ay)};
    return {r.x * std::cos(az) - r.y * std::sin(az), r.x * std::sin(az) + r.y * std::cos(az), r.z};
}

// Screen axes: x right, y down, z towards the viewer. For each face, u x v = normal,
// so its picture is never drawn mirrored.
struct CubeFace {
    Vec3 normal;
    Vec3 u;
    Vec3 v;
    int value;
};

constexpr std::array<CubeFace, 6> kFaces{{
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, 1},
    {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, 6},
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}, 2},
    {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}, 5},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, 4},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}, 3},
}};

const Vec3 kLight{-0.45, -0.65, 0.62};

// Pip centres on a 100 x 100 face.
std::vector<QPointF> pipCentres(int value) {
    const QPointF c(50, 50), tl(26, 26), tr(74, 26), bl(26, 74), br(74, 74), ml(26, 50), mr(74, 50);
    switch (value) {
    case 1:
        return {c};
    case 2:
        return {tl, br};
    case 3:
        return {tl, c, br};
    case 4:
        return {tl, tr, bl, br};
    case 5:
        return {tl, tr, c, bl, br};
    default:
        return {tl, tr, ml, mr, bl, br};
    }
}

QString pokerLabel(int value) {
    static const std::array<const char*, 6> labels{"A", "K", "Q", "J", "10", "9"};
    return QString::fromLatin1(labels[value - 1]);
}

// Paints the face picture on a 100 x 100 square (the painter maps it into place).
void paintFacePicture(QPainter& p, int value, const DieStyle& style, double light) {
    const QColor face = shade(style.body, light);
    QRadialGradient plate(QPointF(38, 32), 80);
    plate.setColorAt(0.0, shade(face, 1.08));
    plate.setColorAt(1.0, shade(face, 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(5, 5, 90, 90), 18, 18);
    if (style.pokerFaces) {
        const bool red = value == 1 || value == 3 || value == 5;
        const QColor ink = red ? QColor(178, 22, 30) : QColor(20, 20, 28);
        const QString label = pokerLabel(value);
        const QFont font = makeFont(kSerif, label.size() > 1 ? 50 : 66, QFont::Black);
        p.fillPath(centredText(QRectF(0, 0, 100, 100), label, font), shade(ink, light));
        return;
    }
    const double r = value == 1 ? 13.0 : 10.5;
    const QColor pip = style.pip;
    for (const QPointF& c : pipCentres(value)) {
        QRadialGradient g(c + QPointF(-2, -3), r * 1.4);
        g.setColorAt(0.0, shade(pip, 0.7 + 0.6 * light));
        g.setColorAt(1.0, shade(pip, 0.45 * light + 0.3));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

} // namespace

DieStyle ivoryDie() {
    return {QColor(246, 240, 222), QColor(25, 25, 35)};
}
DieStyle redDie() {
    return {QColor(200, 28, 36), QColor(250, 246, 236)};
}
DieStyle pokerDie() {
    return {QColor(244, 238, 220), QColor(20, 20, 28), true};
}

void drawDie3D(QPainter& p, const QPointF& centre, double size, const Tumble& tumble,
               const DieStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double h = size / 2.0;
    const Vec3 origin{centre.x(), centre.y(), 0};
    auto project = [](Vec3 v) { return QPointF(v.x, v.y); };
    for (const CubeFace& f : kFaces) {
        const Vec3 n = rotate(f.normal, tumble);
        if (n.z <= 0.01)
            continue;
        const Vec3 u = rotate(f.u, tumble) * h;
        const Vec3 v = rotate(f.v, tumble) * h;
        const Vec3 c = origin + rotate(f.normal, tumble) * h;
        const QPolygonF quad{project(c - u - v), project(c + u - v), project(c + u + v),
                             project(c - u + v)};
        const double light = 0.62 + 0.45 * std::max(0.0, dot(n, kLight));
        p.setPen(QPen(shade(style.body, 0.45), std::max(0.8, size / 40.0)));
        p.setBrush(shade(style.body, light * 0.86));
        p.drawPolygon(quad);
        QTransform map;
        const QPolygonF square{QPointF(0, 0), QPointF(100, 0), QPointF(100, 100), QPointF(0, 100)};
        if (!QTransform::quadToQuad(square, quad, map))
            continue;
        p.save();
        p.setTransform(map, true);
        paintFacePicture(p, f.value, style, light);
        p.restore();
    }
    p.restore();
}

void drawDieFace(QPainter& p, const QRectF& r, int value, const DieStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = roundedRect(r, r.width() * 0.18);
    p.fillPath(body, shade(style.body, 0.8));
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);
    paintFacePicture(p, value, style, 1.0);
    p.restore();
    bevel(p, body, std::max(1.0, r.width() / 16.0), 120, 110);
}

void drawCoin(QPainter& p, const QPointF& centre, double radiusX, double radiusY) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double rim = std::max(1.5, radiusY * 0.28);
    p.setPen(QPen(QColor(110, 70, 10), 0.8));
    p.setBrush(QColor(170, 118, 28));
    p.drawEllipse(centre + QPointF(0, rim), radiusX, radiusY);
    p.drawRect(QRectF(centre.x() - radiusX, centre.y(), radiusX * 2, rim));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(centre.x() - radiusX + 0.5, centre.y(), radiusX * 2 - 1, rim));
    QRadialGradient face(centre + QPointF(-radiusX * 0.35, -radiusY * 0.4), radiusX * 1.3);
    face.setColorAt(0.0, QColor(255, 244, 170));
    face.setColorAt(0.5, QColor(236, 184, 56));
    face.setColorAt(1.0, QColor(176, 120, 24));
    p.setPen(QPen(QColor(120, 78, 12), 0.8));
    p.setBrush(face);
    p.drawEllipse(centre, radiusX, radiusY);
    p.setPen(QPen(QColor(150, 100, 20, 200), std::max(0.6, radiusX * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radiusX * 0.72, radiusY * 0.72);
    p.restore();
}

void drawBead(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.2, -r.height() * 0.25), r.width() * 0.7);
    g.setColorAt(0.0, shade(colour, 1.6));
    g.setColorAt(0.4, colour);
    g.setColorAt(1.0, shade(colour, 0.45));
    p.setPen(QPen(shade(colour, 0.35), 0.7));
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

} // namespace art
