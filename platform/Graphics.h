// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include <string>

namespace tumbledown {

// A picture: a bitmap resource by name, or a rectangle captured from the screen.
// A null bitmap (a missing resource) draws nothing.
struct Bitmap {
    QImage image;
    std::string name;

    bool isNull() const { return image.isNull(); }
    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

// Loads BITMAP_n or an icon name compiled into the program.
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

struct Font {
    QFont font;
    FontDescription description;
};

Font createFont(const FontDescription& description);

// Faces the program asks for that a Linux desktop may not have.
void installFontSubstitutions();

} // namespace tumbledown
