// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program icon: two dice tumbling, one red and one ivory. Each theme size
// is painted for itself. From 128 pixels up the dice are shaded cubes; at 48
// and 64 the same cubes have their centres and edges on whole pixels; from 32
// down the dice are flat faces laid out on the pixel grid, with whole-pixel
// outlines and pips, since a shrunken cube is a blur at that size.
//
// Like other application icons, the dice keep a margin of about a tenth of
// the square free (a pixel or two at the smallest sizes) and cast no shadow
// on the ground: the desktop draws what it wants around an icon.

#include "artwork.h"
#include "paintkit.h"
#include "props.h"

#include <QTransform>

#include <algorithm>
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
// Where the two cubes above lie, outlines included, in design pixels.
const QRectF kDiceBounds(15, 15, 228, 229);

// The design's dice centred in the square, within a free margin of 3/32 of it
// (whole pixels).
QTransform designToIcon(int size) {
    const int margin = size * 3 / 32;
    const double scale = (size - 2 * margin) / std::max(kDiceBounds.width(), kDiceBounds.height());
    QTransform t;
    t.translate(size / 2.0, size / 2.0);
    t.scale(scale, scale);
    t.translate(-kDiceBounds.center().x(), -kDiceBounds.center().y());
    return t;
}

QImage transparentCanvas(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage paintShadedIcon(int size) {
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(designToIcon(size));
    drawDie3D(p, kRedCentre, 104, kRedTumble, redDie());
    drawDie3D(p, kIvoryCentre, 100, kIvoryTumble, ivoryDie());
    p.end();
    return img;
}

// Centres on half pixels, so that the cubes' outlines fall on whole ones.
QPointF snapped(const QPointF& design, const QTransform& toIcon) {
    const QPointF at = toIcon.map(design);
    return {std::floor(at.x()) + 0.5, std::floor(at.y()) + 0.5};
}

QImage paintSnappedIcon(int size) {
    QImage img = transparentCanvas(size);
    const QTransform toIcon = designToIcon(size);
    const double k = toIcon.m11();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawDie3D(p, snapped(kRedCentre, toIcon), std::round(104 * k), kRedTumble, redDie());
    drawDie3D(p, snapped(kIvoryCentre, toIcon), std::round(100 * k), kIvoryTumble, ivoryDie());
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

// The pips of the red die stay clear of the ivory one. Inside its outline a
// face is a pip's width plus an even number of pixels, so the middle pip sits
// in the middle.
const std::array<GridLayout, 3>& gridLayouts() {
    static const std::array<GridLayout, 3> layouts{{
        {16, 2, 1, {{1, 1, 9, 9}, 2, redDie()}, {{6, 6, 9, 9}, 4, ivoryDie()}},
        {24, 2, 1, {{2, 2, 12, 12}, 3, redDie()}, {{10, 10, 12, 12}, 5, ivoryDie()}},
        {32, 3, 2, {{2, 2, 17, 17}, 3, redDie()}, {{13, 13, 17, 17}, 5, ivoryDie()}},
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
        return paintSnappedIcon(size);
    return paintShadedIcon(size);
}

QImage paintIcon() {
    return paintIcon(kDesignSize);
}

} // namespace art
