// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Graphics.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QResource>

#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tumbledown {

QImage newPixels(QSize size) {
    constexpr std::size_t hugePage = 2 << 20;
    const auto bytes = static_cast<std::size_t>(size.width()) * 4 * size.height();
    if (bytes < hugePage)
        return QImage(size, QImage::Format_RGB32);
    const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void* data = std::aligned_alloc(hugePage, rounded);
    if (!data)
        return {};
    ::madvise(data, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(data), size.width(), size.height(), size.width() * 4,
                  QImage::Format_RGB32, std::free, data);
}

Bitmap::Bitmap(std::string bitmapName, QSize size, Painter paint)
    : name(std::move(bitmapName)),
      source_(std::make_shared<Source>(Source{size, std::move(paint), 0, {}, {}, 0, {}, {}, {}})) {}

Bitmap::Bitmap(std::string bitmapName, QSize size, Painter paint, int scale, QImage pixels)
    : name(std::move(bitmapName)),
      source_(std::make_shared<Source>(
          Source{size, std::move(paint), scale, std::move(pixels), {}, 0, {}, {}, {}})) {}

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

struct Span {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
};

// The read-only segment of the program (or library) holding an address: its
// pages are clean, while those of the segment after it were written by the
// loader and must never be dropped.
Span readOnlySegment(const void* address) {
    struct Search {
        std::uintptr_t address;
        Span found;
    } search{reinterpret_cast<std::uintptr_t>(address), {}};
    ::dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& s = *static_cast<Search*>(data);
            for (int k = 0; k < info->dlpi_phnum; ++k) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[k];
                const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
                if (segment.p_type == PT_LOAD && !(segment.p_flags & (PF_W | PF_X)) &&
                    s.address >= begin && s.address < begin + segment.p_memsz) {
                    s.found = {begin, begin + segment.p_memsz};
                    return 1;
                }
            }
            return 0;
        },
        &search);
    return search.found;
}

// Hands back the program's pages around [begin, end): they hold pictures'
// bytes, clean, read again from the file if ever needed; or a screen at 3x
// would keep its pictures resident twice. The kernel maps a window of pages
// around each one read (64 KiB), so whole windows go, within the read-only
// segment only.
void handBack(const uchar* begin, const uchar* end) {
    static const Span segment = readOnlySegment(begin);
    constexpr std::uintptr_t window = 64 << 10;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = std::max(reinterpret_cast<std::uintptr_t>(begin) / window * window,
                                          (segment.begin + page - 1) / page * page);
    const std::uintptr_t last =
        std::min((reinterpret_cast<std::uintptr_t>(end) + window - 1) / window * window,
                 segment.end / page * page);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

// A picture decoded by Qt, its bytes handed back once read.
QImage decodeResource(const QString& file) {
    QImage image(file);
    const QResource resource(file);
    if (resource.isValid())
        handBack(resource.data(), resource.data() + resource.size());
    return image;
}

QString fileAt(const QString& resource, int scale) {
    return scale == 1 ? resource + ".bmp" : QString("%1@%2x.bmp").arg(resource).arg(scale);
}

std::uint32_t little(const uchar* at, int bytes) {
    std::uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k)
        value = value << 8 | at[k];
    return value;
}

} // namespace

// A 24-bit uncompressed BMP compiled in uncompressed: its rows are read in
// place, never unpacked into a copy of the file first.
struct Bitmap::Stored {
    const uchar* rows = nullptr; // the first row in the file
    qsizetype stride = 0;
    QSize size;
    bool bottomUp = true;

    static std::shared_ptr<const Stored> find(const QString& file) {
        const QResource resource(file);
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
            resource.size() < 54)
            return nullptr;
        const uchar* data = resource.data();
        const auto width = static_cast<std::int32_t>(little(data + 18, 4));
        const auto height = static_cast<std::int32_t>(little(data + 22, 4));
        if (data[0] != 'B' || data[1] != 'M' || little(data + 14, 4) < 40 ||
            little(data + 26, 2) != 1 || little(data + 28, 2) != 24 || little(data + 30, 4) != 0 ||
            width <= 0 || height == 0 || height == INT32_MIN)
            return nullptr;
        Stored stored;
        stored.size = QSize(width, std::abs(height));
        stored.bottomUp = height > 0;
        stored.stride = (qsizetype(width) * 3 + 3) / 4 * 4;
        const qint64 offset = little(data + 10, 4);
        if (offset + stored.stride * stored.size.height() > resource.size())
            return nullptr;
        stored.rows = data + offset;
        // A game looks up dozens of pictures; their headers' pages need not stay.
        handBack(data, data + 54);
        return std::make_shared<const Stored>(stored);
    }

    // Copies source (cut to the picture) to at in target (cut to it), row by
    // row in the order they lie in the file, handing back what was read as it goes.
    void draw(QImage& target, QPoint at, QRect source) const {
        const QPoint shift = at - source.topLeft();
        const QRect to = source.intersected(QRect(QPoint(0, 0), size))
                             .translated(shift)
                             .intersected(target.rect());
        if (to.isEmpty())
            return;
        const QRect from = to.translated(-shift);
        constexpr qsizetype handBackEvery = 1 << 20;
        const uchar* readFrom = nullptr;
        const uchar* readTo = nullptr;
        for (int k = 0; k < from.height(); ++k) {
            const int row = bottomUp ? from.bottom() - k : from.top() + k;
            const uchar* line = rows + stride * (bottomUp ? size.height() - 1 - row : row);
            const uchar* in = line + from.left() * 3;
            auto* out = reinterpret_cast<QRgb*>(target.scanLine(row + shift.y())) + to.left();
            for (int x = 0; x < from.width(); ++x, in += 3)
                out[x] =
                    0xff000000u | std::uint32_t(in[2]) << 16 | std::uint32_t(in[1]) << 8 | in[0];
            if (!readFrom)
                readFrom = line;
            readTo = line + stride;
            if (readTo - readFrom >= handBackEvery) {
                handBack(readFrom, readTo);
                readFrom = readTo;
            }
        }
        handBack(readFrom, readTo);
    }

    QImage decode() const {
        QImage image = newPixels(size);
        if (!image.isNull())
            draw(image, QPoint(0, 0), image.rect());
        return image;
    }
};

const Bitmap::Stored* Bitmap::stored(int scale) const {
    if (!source_ || source_->resource.isEmpty() || scale < 1 || scale > 3)
        return nullptr;
    const auto k = static_cast<std::size_t>(scale - 1);
    Source& s = *source_;
    if (!s.looked[k]) {
        s.looked[k] = true;
        s.stored[k] = Stored::find(fileAt(s.resource, scale));
        if (s.stored[k] && s.stored[k]->size != s.size * scale)
            s.stored[k] = nullptr;
    }
    return s.stored[k].get();
}

bool Bitmap::hasPixels(int scale) const {
    return stored(scale) || !pixels(scale).isNull();
}

bool Bitmap::drawStraight(QImage& target, QPoint at, QRect source, int scale) const {
    const Stored* picture = stored(scale);
    if (!picture)
        return false;
    Source& s = *source_;
    if (s.scale == scale || (s.ahead.valid() && s.aheadScale == scale))
        return false;
    // Pixels of another scale are of no more use.
    release();
    picture->draw(target, at, source);
    return true;
}

Bitmap loadBitmap(const std::string& resourceName) {
    const QString name = QString(":/bitmaps/%1").arg(QString::fromStdString(resourceName));
    const auto atOne = Bitmap::Stored::find(name + ".bmp");
    const QSize size = atOne ? atOne->size : QImageReader(name + ".bmp").size();
    if (!size.isValid()) {
        Bitmap missing;
        missing.name = resourceName;
        return missing;
    }
    Bitmap bitmap(resourceName, size, [name](int scale) {
        const QString file = fileAt(name, scale);
        const auto picture = Bitmap::Stored::find(file);
        return picture ? picture->decode() : decodeResource(file);
    });
    bitmap.source_->resource = name;
    return bitmap;
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
