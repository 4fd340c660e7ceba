// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <string>

namespace tumbledown {

// A picture: a bitmap resource by name, or a rectangle captured from the screen.
// Its size is in board units. Its pixels exist at a scale of 1, 2 or 3 pixels a
// unit and are made when first asked for at a scale (a resource is decoded then,
// at that scale only); a picture keeps the pixels of the last scale asked for.
// Copies share them. A null bitmap (a missing resource) draws nothing.
class Bitmap {
public:
    // Makes the pixels at a scale: size x scale, or null when it cannot.
    using Painter = std::function<QImage(int scale)>;

    Bitmap() = default;
    Bitmap(std::string name, QSize size, Painter paint);
    // One whose pixels at a scale are already made.
    Bitmap(std::string name, QSize size, Painter paint, int scale, QImage pixels);

    std::string name;

    bool isNull() const { return !source_; }
    int width() const { return source_ ? source_->size.width() : 0; }
    int height() const { return source_ ? source_->size.height() : 0; }
    // The pixels at a scale (RGB32), made now if they are not at hand.
    const QImage& pixels(int scale) const;
    // Starts making the pixels at a scale on another thread, so that the first
    // pixels(scale) finds them ready or nearly so. Only for a resource: its
    // painter reads nothing another thread may change.
    void prepare(int scale) const;
    // Lets the pixels go, ready or being made (a big picture already on the
    // screen): drawn again, it is made again.
    void release() const;
    // The part from (x, y) of the given size, under the same name.
    Bitmap part(int x, int y, int width, int height) const;

    // Whether it has pixels at a scale; a compiled-in picture tells without
    // decoding them.
    bool hasPixels(int scale) const;
    // Copies the part source (in pixels at the scale) to at in target, cut to
    // the target, straight from a compiled-in picture whose pixels are not at
    // hand: a big picture drawn once (a board) is never held decoded beside
    // the screen. False when it cannot; pixels(scale) draws it then.
    bool drawStraight(QImage& target, QPoint at, QRect source, int scale) const;

private:
    friend Bitmap loadBitmap(const std::string& resourceName);
    struct Stored;
    // The compiled-in picture at a scale, or null when it is not one read in place.
    const Stored* stored(int scale) const;

    struct Source {
        QSize size;
        Painter paint;
        int scale = 0; // of the pixels kept; 0 before any
        QImage pixels;
        // Pixels being made by prepare(), and at which scale.
        std::future<QImage> ahead;
        int aheadScale = 0;
        // A compiled-in picture's resource name (without ".bmp"), and what was
        // found of it at each scale (looked up once).
        QString resource;
        std::array<std::shared_ptr<const Stored>, 3> stored;
        std::array<bool, 3> looked{};
    };
    std::shared_ptr<Source> source_;
};

// Loads BITMAP_n, compiled into the program at each scale (BITMAP_n.bmp,
// BITMAP_n@2x.bmp, BITMAP_n@3x.bmp). Only its size is read now.
Bitmap loadBitmap(const std::string& resourceName);

// A font from a description. The height is the character cell (ascent plus
// descent) in pixels; width 0 means the face's natural width.
struct FontDescription {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
    bool italic = false;
};

// An image of undefined pixels. A large one lies on huge pages where the system
// has them: it is first touched all at once, where small pages would each take
// a fault, thousands of them for a picture at 2x.
QImage newPixels(QSize size);

struct Font {
    QFont font;
    FontDescription description;
};

Font createFont(const FontDescription& description);

// Faces the program asks for that a Linux desktop may not have.
void installFontSubstitutions();

} // namespace tumbledown
