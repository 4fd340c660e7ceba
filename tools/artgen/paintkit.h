// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared building blocks for the artwork: a seeded random source, tileable
// noise, material textures (wood, felt, stone, marble, parchment) and light.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace art {

// Pictures are designed in board units and painted at a scale of 1, 2 or 3
// pixels a unit: the same shapes and textures, evaluated on a finer grid.
// Canvases take the scale in force; images carry it as their device pixel
// ratio, so a painter on them draws in board units.
inline constexpr int kMaxScale = 3;
int paintScale();
// Sets the scale for the painting done while it lives.
class PaintScale {
public:
    explicit PaintScale(int scale);
    ~PaintScale();
    PaintScale(const PaintScale&) = delete;
    PaintScale& operator=(const PaintScale&) = delete;

private:
    int previous_;
};

// Pixels a board unit of an image.
inline int scaleOf(const QImage& img) {
    return static_cast<int>(std::lround(img.devicePixelRatio()));
}
// The board-unit rectangle an image covers.
QRect boardRect(const QImage& img);
// A board-unit rectangle in the pixels of an image at the given scale.
inline QRect toPixels(const QRect& r, int scale) {
    return {r.topLeft() * scale, r.size() * scale};
}
// The part of from under the board-unit rectangle r, ready to paint on.
QImage cutOut(const QImage& from, const QRect& r);

// Calls shade(x, y, pixel) for every pixel of img under the board-unit
// rectangle rect, with (x, y) the board position of the pixel's top-left
// corner: at 1x the pixel's own coordinates.
template <class Shade> void forEachPixel(QImage& img, const QRect& rect, Shade&& shade) {
    const int s = scaleOf(img);
    const QRect pixels = toPixels(rect, s).intersected(img.rect());
    for (int py = pixels.top(); py <= pixels.bottom(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        const double y = static_cast<double>(py) / s;
        for (int px = pixels.left(); px <= pixels.right(); ++px)
            shade(static_cast<double>(px) / s, y, line[px]);
    }
}

// Something painted once at each scale and kept for the next picture.
template <class T> class PerScale {
public:
    template <class Paint> T& get(Paint&& paint) {
        auto& kept = kept_[static_cast<std::size_t>(paintScale() - 1)];
        if (!kept)
            kept = std::make_unique<T>(paint());
        return *kept;
    }

private:
    std::array<std::unique_ptr<T>, kMaxScale> kept_;
};

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

// A texture as large as a picture, at the scale being painted, whose pixels
// depend on their place alone (wood, marble, brushed metal): it is painted
// only where shapes take it from, which is a small part of most.
class Texture {
public:
    using Paint = std::function<void(QImage&, const QRect&)>;
    Texture(QSize size, Paint paint);
    // The texture, painted at least under area (board units).
    const QImage& over(const QRectF& area);

private:
    QImage image_;
    QRegion painted_;
    Paint paint_;
};

// Paints the shape filled with the texture beneath it.
void fillPathWithImage(QPainter& p, const QPainterPath& path, const QImage& texture);
void fillPathWithImage(QPainter& p, const QPainterPath& path, Texture& texture);

// Darkens the borders of rect, as a lamp over the middle would.
void vignette(QPainter& p, const QRectF& rect, double strength);
// A soft blurred shadow of path, offset by (dx, dy).
void softShadow(QPainter& p, const QPainterPath& path, double dx, double dy, double blur,
                int alpha);
// Box blur of a premultiplied ARGB image, radius in board units.
QImage blurred(const QImage& src, int radius);

// A raised panel: fill, light top-left edge, dark bottom-right edge.
void bevel(QPainter& p, const QPainterPath& shape, double width, int lightAlpha, int darkAlpha);
// A glossy highlight stripe across the upper part of shape.
void gloss(QPainter& p, const QPainterPath& shape, int alpha);

QPainterPath roundedRect(const QRectF& r, double radius);

} // namespace art
