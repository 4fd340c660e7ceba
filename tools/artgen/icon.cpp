// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program icon: two dice tumbling, one red and one ivory. Each theme size
// is painted for itself. From 128 pixels up the dice are shaded cubes with
// soft shadows; at 48 and 64 the same cubes stand on plain shadows, which a
// blur would turn to smudge; from 32 down the dice are flat faces laid out on
// the pixel grid, with whole-pixel outlines and pips, since a shrunken cube is
// a blur at that size.

#include "artwork.h"
#include "paintkit.h"
#include "props.h"

#include <array>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kDesignSize = 256;
const QPointF kRedCentre(92, 92);
const QPointF kIvoryCentre(168, 166);
constexpr Tumble kRedTumble{-24, 30, -16};
constexpr Tumble kIvoryTumble{-30, -28, 20};

QImage transparentCanvas(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage paintShadedIcon(int size) {
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (size != kDesignSize)
        p.scale(size / double(kDesignSize), size / double(kDesignSize));

    QPainterPath shadows;
    shadows.addEllipse(QPointF(96, 150), 70, 22);
    shadows.addEllipse(QPointF(170, 226), 66, 20);
    softShadow(p, shadows, 0, 0, 12, 120);

    drawDie3D(p, kRedCentre, 104, kRedTumble, redDie());
    drawDie3D(p, kIvoryCentre, 100, kIvoryTumble, ivoryDie());
    p.end();
    return img;
}

// Centres on half pixels, so that the cubes' outlines fall on whole ones.
QPointF snapped(const QPointF& design, double scale) {
    return {std::round(design.x() * scale) + 0.5, std::round(design.y() * scale) + 0.5};
}

QImage paintPlainShadowIcon(int size) {
    QImage img = transparentCanvas(size);
    const double k = size / double(kDesignSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(snapped({96, 150}, k), 64 * k, 18 * k);
    p.drawEllipse(snapped({170, 226}, k), 60 * k, 16 * k);
    drawDie3D(p, snapped(kRedCentre, k), std::round(104 * k), kRedTumble, redDie());
    drawDie3D(p, snapped(kIvoryCentre, k), std::round(100 * k), kIvoryTumble, ivoryDie());
    p.end();
    return img;
}

// A die face drawn pixel by pixel: a dark outline with its corner pixels left
// out (a rounded look without grey fringes), a light top-left and a shaded
// bottom-right edge inside it, and square pips.
struct GridDie {
    QRect rect; // outline included
    int value;  // 2 and 3 run from the top right to the bottom left
    DieStyle style;
};

struct GridLayout {
    int size;
    int pip;   // pip edge in pixels
    int inset; // from the face's inner edge to the nearest pip
    GridDie back;
    GridDie front;
};

std::vector<QPoint> gridPips(int value, int face, int pip, int inset) {
    const int low = inset;
    const int high = face - inset - pip;
    const int mid = (face - pip) / 2;
    switch (value) {
    case 1:
        return {{mid, mid}};
    case 2:
        return {{high, low}, {low, high}};
    case 3:
        return {{high, low}, {mid, mid}, {low, high}};
    case 4:
        return {{low, low}, {high, low}, {low, high}, {high, high}};
    case 5:
        return {{low, low}, {high, low}, {mid, mid}, {low, high}, {high, high}};
    default:
        return {{low, low}, {high, low}, {low, mid}, {high, mid}, {low, high}, {high, high}};
    }
}

void drawGridDie(QPainter& p, const GridDie& die, int pip, int inset) {
    const QRect r = die.rect;
    const QColor outline = shade(die.style.body, 0.42);
    p.fillRect(r.adjusted(1, 0, -1, 0), outline);
    p.fillRect(r.adjusted(0, 1, 0, -1), outline);
    const QRect face = r.adjusted(1, 1, -1, -1);
    p.fillRect(face, shade(die.style.body, 0.97));
    p.fillRect(QRect(face.left(), face.top(), face.width(), 1), shade(die.style.body, 1.12));
    p.fillRect(QRect(face.left(), face.top(), 1, face.height()), shade(die.style.body, 1.12));
    p.fillRect(QRect(face.left(), face.bottom(), face.width(), 1), shade(die.style.body, 0.8));
    p.fillRect(QRect(face.right(), face.top(), 1, face.height()), shade(die.style.body, 0.8));
    for (const QPoint& at : gridPips(die.value, face.width(), pip, inset)) {
        const QRect dot(face.topLeft() + at, QSize(pip, pip));
        p.fillRect(dot, die.style.pip);
        if (pip < 3)
            continue;
        // Corners a third of the way from the face to the pip round the
        // bigger pips off; any darker and they read as crosses.
        const auto mix = [&](float pipPart, float facePart) {
            return pipPart / 3 + facePart * 2 / 3;
        };
        const QColor faceColour = shade(die.style.body, 0.97);
        const QColor corner = QColor::fromRgbF(mix(die.style.pip.redF(), faceColour.redF()),
                                               mix(die.style.pip.greenF(), faceColour.greenF()),
                                               mix(die.style.pip.blueF(), faceColour.blueF()));
        for (const QPoint& c : {dot.topLeft(), dot.topRight(), dot.bottomLeft(), dot.bottomRight()})
            p.fillRect(QRect(c, QSize(1, 1)), corner);
    }
}

const std::array<GridLayout, 3>& gridLayouts() {
    static const std::array<GridLayout, 3> layouts{{
        {16, 2, 1, {{0, 0, 10, 10}, 2, redDie()}, {{6, 6, 10, 10}, 4, ivoryDie()}},
        {24, 2, 2, {{1, 1, 14, 14}, 3, redDie()}, {{9, 9, 14, 14}, 5, ivoryDie()}},
        {32, 3, 2, {{1, 1, 19, 19}, 3, redDie()}, {{12, 12, 19, 19}, 5, ivoryDie()}},
    }};
    return layouts;
}

QImage paintGridIcon(const GridLayout& layout) {
    QImage img = transparentCanvas(layout.size);
    QPainter p(&img);
    drawGridDie(p, layout.back, layout.pip, layout.inset);
    // The front die's shadow, one pixel down and right, falls on the red die
    // only: on the ground it would be a grey fringe against a dark panel.
    p.fillRect(layout.front.rect.translated(1, 1) & layout.back.rect.adjusted(1, 1, -1, -1),
               QColor(0, 0, 0, 80));
    drawGridDie(p, layout.front, layout.pip, layout.inset);
    p.end();
    return img;
}

} // namespace

const std::vector<int>& iconSizes() {
    static const std::vector<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage paintIcon(int size) {
    for (const GridLayout& layout : gridLayouts())
        if (layout.size == size)
            return paintGridIcon(layout);
    if (size < 96)
        return paintPlainShadowIcon(size);
    return paintShadedIcon(size);
}

QImage paintIcon() {
    return paintIcon(kDesignSize);
}

} // namespace art
