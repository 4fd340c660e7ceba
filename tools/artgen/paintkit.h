// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared building blocks for the artwork: a seeded random source, tileable
// noise, material textures (wood, felt, stone, marble, parchment) and light.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <vector>

namespace art {

// Small deterministic generator, so that every build paints identical pictures.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next();
    double uniform(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint32_t state_;
};

// Smooth value noise on a lattice of periodX x periodY cells that wraps, so a
// texture that spans exactly one period tiles without seams.
class ValueNoise {
public:
    ValueNoise(std::uint32_t seed, int periodX, int periodY);
    double at(double x, double y) const; // [0, 1], x and y in cell units
    double fbm(double x, double y, int octaves) const;

private:
    double lattice(int ix, int iy) const;
    int periodX_;
    int periodY_;
    std::vector<double> values_;
};

QColor shade(const QColor& c, double factor); // factor < 1 darkens, > 1 lightens

struct WoodStyle {
    QColor dark;
    QColor light;
    double ringsPerPixel = 0.08; // density of the grain lines across the board
    double warp = 6.0;           // how much the grain wanders
    std::uint32_t seed = 1;
};

// Fills rect of img with wood whose grain runs along x (or along y if vertical).
void paintWood(QImage& img, const QRect& rect, const WoodStyle& style, bool vertical = false);
// Horizontal planks whose grain repeats exactly over rect's size, for tiles.
void paintPlankTile(QImage& img, const QRect& rect, const WoodStyle& style, int planks);
// Fine fibrous noise around a base colour, for baize and cloth.
void paintFelt(QImage& img, const QRect& rect, const QColor& base, double strength,
               std::uint32_t seed);
// Mottled, veined stone (marble when veins is high).
void paintMarble(QImage& img, const QRect& rect, const QColor& dark, const QColor& light,
                 double veins, std::uint32_t seed);
// Aged paper with blotches.
void paintParchment(QImage& img, const QRect& rect, const QColor& base, std::uint32_t seed);
// Running-bond blocks with mortar joints; the pattern repeats exactly over
// rect's size (rows should be even), so a tile of it joins without seams.
// rect's width and height must be multiples of 5.
struct StoneStyle {
    QColor stone;
    QColor mortar;
    int columns; // blocks per row
    int rows;
    int mortarWidth = 2;
    double roughness = 0.25;
    std::uint32_t seed = 1;
};
void paintStoneBlocks(QImage& img, const QRect& rect, const StoneStyle& style);

// Clips subsequent texture painting to an arbitrary shape: paints the texture
// into a scratch image and composites it through the path.
void fillPathWithImage(QPainter& p, const QPainterPath& path, const QImage& texture);

// Darkens the borders of rect, as a lamp over the middle would.
void vignette(QPainter& p, const QRectF& rect, double strength);
// A soft blurred shadow of path, offset by (dx, dy).
void softShadow(QPainter& p, const QPainterPath& path, double dx, double dy, double blur,
                int alpha);
// Box blur of a premultiplied ARGB image, radius in pixels.
QImage blurred(const QImage& src, int radius);

// A raised panel: fill, light top-left edge, dark bottom-right edge.
void bevel(QPainter& p, const QPainterPath& shape, double width, int lightAlpha, int darkAlpha);
// A glossy highlight stripe across the upper part of shape.
void gloss(QPainter& p, const QPainterPath& shape, int alpha);

QPainterPath roundedRect(const QRectF& r, double radius);

} // namespace art
