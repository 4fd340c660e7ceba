// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Graphics.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QResource>

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>

namespace tumbledown {

Bitmap::Bitmap(std::string bitmapName, QSize size, Painter paint)
    : name(std::move(bitmapName)),
      source_(std::make_shared<Source>(Source{size, std::move(paint), 0, {}, {}, 0})) {}

Bitmap::Bitmap(std::string bitmapName, QSize size, Painter paint, int scale, QImage pixels)
    : name(std::move(bitmapName)), source_(std::make_shared<Source>(Source{
                                       size, std::move(paint), scale, std::move(pixels), {}, 0})) {}

const QImage& Bitmap::pixels(int scale) const {
    static const QImage none;
    if (!source_)
        return none;
    Source& s = *source_;
    if (s.scale != scale) {
        // Only the scale in use is kept: the old pixels go first.
        s.pixels = QImage();
        if (s.ahead.valid() && s.aheadScale == scale)
            s.pixels = s.ahead.get();
        else
            s.pixels = s.paint(scale);
        // Made for another scale, it is of no more use.
        s.ahead = {};
        if (s.pixels.size() != s.size * scale)
            s.pixels = QImage();
        else if (s.pixels.format() != QImage::Format_RGB32)
            s.pixels = s.pixels.convertToFormat(QImage::Format_RGB32);
        // Qt takes "@2x" in a file name for a device pixel ratio; the screen
        // places pixels itself.
        s.pixels.setDevicePixelRatio(1.0);
        s.scale = scale;
    }
    return s.pixels;
}

void Bitmap::prepare(int scale) const {
    if (!source_ || source_->scale == scale || source_->ahead.valid())
        return;
    source_->aheadScale = scale;
    source_->ahead = std::async(std::launch::async, source_->paint, scale);
}

void Bitmap::release() const {
    if (!source_)
        return;
    source_->ahead = {};
    source_->pixels = QImage();
    source_->scale = 0;
}

Bitmap Bitmap::part(int x, int y, int width, int height) const {
    if (!source_)
        return *this;
    const Bitmap whole = *this;
    return Bitmap(name, QSize(width, height), [whole, x, y, width, height](int scale) {
        return whole.pixels(scale).copy(x * scale, y * scale, width * scale, height * scale);
    });
}

namespace {

// A picture compiled into the program. Its compressed bytes lie in the
// program's own pages, read once: once decoded, those pages are handed back
// (they are clean and come from the file again if ever read), or the pictures
// of a screen at 3x would stay resident twice.
QImage decodeResource(const QString& file) {
    QImage image(file);
    const QResource resource(file);
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(resource.data());
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t last =
        (start + static_cast<std::uintptr_t>(resource.size())) / page * page;
    if (resource.isValid() && last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    return image;
}

} // namespace

Bitmap loadBitmap(const std::string& resourceName) {
    const QString name = QString(":/bitmaps/%1").arg(QString::fromStdString(resourceName));
    const QSize size = QImageReader(name + ".bmp").size();
    if (!size.isValid()) {
        Bitmap missing;
        missing.name = resourceName;
        return missing;
    }
    return Bitmap(resourceName, size, [name](int scale) {
        return decodeResource(scale == 1 ? name + ".bmp"
                                         : QString("%1@%2x.bmp").arg(name).arg(scale));
    });
}

namespace {
int cellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}
} // namespace

Font createFont(const FontDescription& description) {
    QFont font(QString::fromStdString(description.face));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 100, 900)));
    font.setItalic(description.italic);
    if (description.height > 0) {
        // Pixel size sets the em; the cell grows in proportion, so one
        // measurement tells the size whose cell matches the height.
        font.setPixelSize(description.height);
        const int cell = cellHeight(font);
        if (cell > 0 && cell != description.height)
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(double(description.height) *
                                                         description.height / cell))));
    }
    if (description.width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(description.width * 100 / natural, 50, 200));
    }
    return Font{font, description};
}

void installFontSubstitutions() {
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
}

} // namespace tumbledown
