// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paintkit.h"

#include "artwork.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace art {

namespace {

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

int wrap(int v, int period) {
    if (v >= 0 && v < period) // nearly always: no division
        return v;
    return ((v % period) + period) % period;
}

QRgb toRgb(double r, double g, double b) {
    auto clamp = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(clamp(r), clamp(g), clamp(b));
}

QRgb mixRgb(const QColor& a, const QColor& b, double t) {
    return toRgb(a.red() + (b.red() - a.red()) * t, a.green() + (b.green() - a.green()) * t,
                 a.blue() + (b.blue() - a.blue()) * t);
}

int currentScale = 1;

} // namespace

int paintScale() {
    return currentScale;
}

PaintScale::PaintScale(int scale) : previous_(currentScale) {
    currentScale = scale;
}

PaintScale::~PaintScale() {
    currentScale = previous_;
}

QRect boardRect(const QImage& img) {
    return {QPoint(0, 0), img.deviceIndependentSize().toSize()};
}

QImage cutOut(const QImage& from, const QRect& r) {
    return from.copy(toPixels(r, scaleOf(from)))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::uint32_t Rng::next() {
    // xorshift32: tiny, fast and good enough for texture jitter.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() {
    return (next() >> 8) / 16777216.0;
}

ValueNoise::ValueNoise(std::uint32_t seed, int periodX, int periodY)
    : periodX_(periodX), periodY_(periodY),
      values_(static_cast<std::size_t>(periodX) * static_cast<std::size_t>(periodY)) {
    Rng rng(seed);
    for (double& v : values_)
        v = rng.uniform();
}

double ValueNoise::lattice(int ix, int iy) const {
    return values_[static_cast<std::size_t>(wrap(iy, periodY_)) * periodX_ + wrap(ix, periodX_)];
}

double ValueNoise::at(double x, double y) const {
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smooth(x - ix);
    const double fy = smooth(y - iy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * fx;
    const double bottom =
        lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

double ValueNoise::fbm(double x, double y, int octaves) const {
    double sum = 0.0;
    double amplitude = 0.5;
    double norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * at(x, y);
        norm += amplitude;
        x *= 2.0;
        y *= 2.0;
        amplitude *= 0.5;
    }
    return sum / norm;
}

QColor shade(const QColor& c, double factor) {
    return QColor::fromRgb(toRgb(c.red() * factor, c.green() * factor, c.blue() * factor));
}

void paintWood(QImage& img, const QRect& rect, const WoodStyle& style, bool vertical) {
    const ValueNoise broad(style.seed, 16, 16);
    const ValueNoise fine(style.seed + 7, 64, 64);
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double along = vertical ? y : x;
        const double across = vertical ? x : y;
        const double n = broad.fbm(along / 90.0, across / 14.0, 3);
        const double rings = (across + style.warp * 10.0 * n) * style.ringsPerPixel;
        const double ring = rings - std::floor(rings);
        const double band = std::pow(std::sin(ring * M_PI), 0.6);
        const double streak = fine.fbm(along / 40.0, across / 1.5, 2);
        const double t = std::clamp(0.15 + 0.5 * band + 0.45 * streak - 0.15, 0.0, 1.0);
        pixel = mixRgb(style.dark, style.light, t);
    });
}

void paintFelt(QImage& img, const QRect& rect, const QColor& base, double strength,
               std::uint32_t seed) {
    const ValueNoise cloth(seed, 32, 32);
    Rng rng(seed + 3);
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double n = cloth.fbm(x / 12.0, y / 12.0, 3) - 0.5;
        const double speck = rng.uniform() - 0.5;
        const double f = 1.0 + strength * (0.8 * n + 0.5 * speck);
        pixel = toRgb(base.red() * f, base.green() * f, base.blue() * f);
    });
}

void paintMarble(QImage& img, const QRect& rect, const QColor& dark, const QColor& light,
                 double veins, std::uint32_t seed) {
    const ValueNoise noise(seed, 32, 32);
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double n = noise.fbm(x / 40.0, y / 40.0, 5);
        const double vein = std::abs(std::sin((x * 0.02 + y * 0.035 + n * 6.0) * M_PI));
        const double t = std::clamp(0.35 + 0.6 * n - veins * std::pow(1.0 - vein, 8.0), 0.0, 1.0);
        pixel = mixRgb(dark, light, t);
    });
}

void paintParchment(QImage& img, const QRect& rect, const QColor& base, std::uint32_t seed) {
    const ValueNoise blotch(seed, 16, 16);
    Rng rng(seed + 11);
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double n = blotch.fbm(x / 30.0, y / 30.0, 4);
        const double f = 0.86 + 0.22 * n + 0.03 * (rng.uniform() - 0.5);
        pixel = toRgb(base.red() * f, base.green() * f, base.blue() * (f - 0.03));
    });
}

void paintStoneBlocks(QImage& img, const QRect& rect, const StoneStyle& style) {
    const int w = rect.width();
    const int h = rect.height();
    const ValueNoise grain(style.seed, w / 5, h / 5);
    Rng rng(style.seed + 9);
    std::vector<double> blockTone(static_cast<std::size_t>(style.columns * style.rows));
    for (double& t : blockTone)
        t = rng.range(-1.0, 1.0);
    const double blockW = static_cast<double>(w) / style.columns;
    const double blockH = static_cast<double>(h) / style.rows;
    const int m = style.mortarWidth;
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double ly = y - rect.top();
        const int row = static_cast<int>(ly / blockH);
        const double inRowY = ly - row * blockH;
        const double lx = x - rect.left();
        const double shifted = std::fmod(lx + (row % 2) * blockW / 2.0, w);
        const int col = static_cast<int>(shifted / blockW);
        const double inColX = shifted - col * blockW;
        const double g = grain.fbm(lx / 5.0, ly / 5.0, 3) - 0.5;
        if (inRowY < m || inColX < m) {
            const double f = 1.0 + 0.3 * g;
            pixel =
                toRgb(style.mortar.red() * f, style.mortar.green() * f, style.mortar.blue() * f);
            return;
        }
        const double tone = blockTone[static_cast<std::size_t>(row * style.columns + col)];
        // Lit from the top left: brighter just after a joint, darker before one.
        double edge = 0.0;
        if (inRowY < m + 2)
            edge += 0.12;
        if (inColX < m + 2)
            edge += 0.08;
        if (inRowY > blockH - 3)
            edge -= 0.15;
        if (inColX > blockW - 3)
            edge -= 0.1;
        const double f = 1.0 + style.roughness * g + 0.08 * tone + edge;
        pixel = toRgb(style.stone.red() * f, style.stone.green() * f, style.stone.blue() * f);
    });
}

void paintPlankTile(QImage& img, const QRect& rect, const WoodStyle& style, int planks) {
    const int w = rect.width();
    const int h = rect.height();
    const ValueNoise broad(style.seed, 4, 8);
    const ValueNoise fine(style.seed + 7, 8, 32);
    const double plankH = static_cast<double>(h) / planks;
    forEachPixel(img, rect, [&](double x, double y, QRgb& pixel) {
        const double ly = y - rect.top();
        const int plank = static_cast<int>(ly / plankH);
        const double inPlank = ly - plank * plankH;
        const double lx = x - rect.left();
        // Noise coordinates span whole lattice periods across the tile.
        const double u = lx * 4.0 / w;
        const double v = ly * 8.0 / h;
        const double n = broad.fbm(u, v + plank * 2.0, 2);
        const double rings = inPlank / plankH * 3.0 + style.warp * 0.3 * n + plank * 0.37;
        const double band = std::pow(std::sin((rings - std::floor(rings)) * M_PI), 0.6);
        const double streak = fine.fbm(lx * 8.0 / w, ly * 32.0 / h, 2);
        double t = std::clamp(0.5 * band + 0.45 * streak, 0.0, 1.0);
        if (inPlank < 1.0)
            t *= 0.35; // the joint between planks
        else if (inPlank < 2.0)
            t = std::min(1.0, t + 0.15);
        pixel = mixRgb(style.dark, style.light, t);
    });
}

void fillPathWithImage(QPainter& p, const QPainterPath& path, const QImage& texture) {
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    p.drawImage(0, 0, texture);
    p.restore();
}

void fillPathWithImage(QPainter& p, const QPainterPath& path, Texture& texture) {
    fillPathWithImage(p, path, texture.over(path.boundingRect()));
}

Texture::Texture(QSize size, Paint paint) : paint_(std::move(paint)) {
    image_ = canvas(size);
}

const QImage& Texture::over(const QRectF& area) {
    const QRegion missing =
        QRegion(area.toAlignedRect().intersected(boardRect(image_))).subtracted(painted_);
    for (const QRect& r : missing)
        paint_(image_, r);
    painted_ += missing;
    return image_;
}

void vignette(QPainter& p, const QRectF& rect, double strength) {
    QRadialGradient g(rect.center(), std::hypot(rect.width(), rect.height()) * 0.6);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    p.fillRect(rect, g);
}

QImage blurred(const QImage& src, int radius) {
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = radius * scaleOf(img);
    const int w = img.width();
    const int h = img.height();
    std::vector<QRgb> buf(static_cast<std::size_t>(std::max(w, h)));
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? h : w;
        const int len = horizontal ? w : h;
        for (int l = 0; l < lines; ++l) {
            auto px = [&](int i) -> QRgb& {
                return horizontal ? reinterpret_cast<QRgb*>(img.scanLine(l))[i]
                                  : reinterpret_cast<QRgb*>(img.scanLine(i))[l];
            };
            for (int i = 0; i < len; ++i)
                buf[i] = px(i);
            // The mean of the window [i - r, i + r] cut to the line, kept as
            // running sums as the window slides.
            int a = 0, red = 0, g = 0, b = 0;
            auto add = [&](int k, int sign) {
                a += sign * qAlpha(buf[k]);
                red += sign * qRed(buf[k]);
                g += sign * qGreen(buf[k]);
                b += sign * qBlue(buf[k]);
            };
            for (int k = 0; k <= std::min(len - 1, r); ++k)
                add(k, 1);
            for (int i = 0; i < len; ++i) {
                const int n = std::min(len - 1, i + r) - std::max(0, i - r) + 1;
                px(i) = qRgba(red / n, g / n, b / n, a / n);
                if (i + r + 1 < len)
                    add(i + r + 1, 1);
                if (i - r >= 0)
                    add(i - r, -1);
            }
        }
    };
    // Two box passes each way approximate a Gaussian closely enough for shadows.
    for (int i = 0; i < 2; ++i) {
        pass(true);
        pass(false);
    }
    return img;
}

void softShadow(QPainter& p, const QPainterPath& path, double dx, double dy, double blur,
                int alpha) {
    const int margin = static_cast<int>(std::ceil(blur * 2)) + 2;
    const QRect bounds =
        path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    const int scale = static_cast<int>(std::lround(p.device()->devicePixelRatioF()));
    QImage mask(bounds.size() * scale, QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(scale);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.translate(-bounds.topLeft());
        mp.fillPath(path, QColor(0, 0, 0, alpha));
    }
    p.drawImage(QPointF(bounds.left() + dx, bounds.top() + dy),
                blurred(mask, std::max(1, static_cast<int>(blur / 2))));
}

void bevel(QPainter& p, const QPainterPath& shape, double width, int lightAlpha, int darkAlpha) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0.0, QColor(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, darkAlpha));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(shape, Qt::IntersectClip);
    p.strokePath(shape, QPen(QBrush(g), width * 2));
    p.restore();
}

void gloss(QPainter& p, const QPainterPath& shape, int alpha) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.55));
    g.setColorAt(0.0, QColor(255, 255, 255, alpha));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.fillRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.55), g);
    p.restore();
}

QPainterPath roundedRect(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

} // namespace art
