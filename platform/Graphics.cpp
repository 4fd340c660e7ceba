#include "Graphics.h"

#include <QFontMetrics>

#include <cmath>

namespace tumbledown {

Bitmap loadBitmap(const std::string& resourceName) {
    Bitmap bitmap;
    bitmap.name = resourceName;
    bitmap.image = QImage(QString(":/bitmaps/%1.png").arg(QString::fromStdString(resourceName)));
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

Font createFont(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.face));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 100, 900)));
    font.setItalic(spec.italic);
    if (spec.height > 0) {
        // Pixel size sets the em; pick the one whose cell matches the height.
        font.setPixelSize(spec.height);
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int cell = cellHeight(font);
            if (cell == spec.height || cell <= 0)
                break;
            const int next = std::max(
                1, static_cast<int>(std::lround(font.pixelSize() * double(spec.height) / cell)));
            if (next == font.pixelSize())
                break;
            font.setPixelSize(next);
        }
    }
    if (spec.width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(spec.width * 100 / natural, 50, 200));
    }
    return Font{font, spec};
}

void installFontSubstitutions() {
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
}

} // namespace tumbledown
