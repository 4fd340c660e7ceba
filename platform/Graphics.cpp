// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Graphics.h"

#include <QFontMetrics>

#include <cmath>

namespace tumbledown {

Bitmap loadBitmap(const std::string& resourceName) {
    Bitmap bitmap;
    bitmap.name = resourceName;
    bitmap.image = QImage(QString(":/bitmaps/%1.bmp").arg(QString::fromStdString(resourceName)));
    if (!bitmap.image.isNull())
        bitmap.image = bitmap.image.convertToFormat(QImage::Format_RGB32);
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
