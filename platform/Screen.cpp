// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Screen.h"

#include "Transcript.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tumbledown {

void Screen::setView(int viewWidth, int viewHeight, int zoom) {
    zoom_ = std::max(zoom, 1);
    viewWidth_ = std::max(viewWidth, 0);
    viewHeight_ = std::max(viewHeight, 0);
    const int width = (viewWidth_ + zoom_ - 1) / zoom_;
    const int height = (viewHeight_ + zoom_ - 1) / zoom_;
    if (width == image_.width() && height == image_.height())
        return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::black);
    if (!image_.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

QPoint Screen::toImage(QPointF viewPosition) const {
    // Rounded down, also left of and above the view, where a held button's
    // release may happen.
    return {static_cast<int>(std::floor(viewPosition.x() / zoom_)),
            static_cast<int>(std::floor(viewPosition.y() / zoom_))};
}

void Screen::show(QPainter& painter, const QRect& area, qreal devicePixelRatio) const {
    if (image_.isNull() || area.isEmpty())
        return;
    const qreal devicePixels = zoom_ * devicePixelRatio;
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          devicePixels != std::round(devicePixels));
    const QPoint first = toImage(area.topLeft());
    const QPoint last = toImage(area.bottomRight());
    const QRect source = QRect(first, last).intersected(image_.rect());
    painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), image_, source);
}

QImage Screen::shown() const {
    if (viewWidth_ == 0 || viewHeight_ == 0)
        return {};
    QImage view(viewWidth_, viewHeight_, QImage::Format_RGB32);
    view.fill(Qt::black);
    QPainter painter(&view);
    show(painter, view.rect(), 1.0);
    return view;
}

void Screen::fillRect(int left, int top, int right, int bottom, QColor colour) {
    if (image_.isNull() || right <= left || bottom <= top)
        return;
    QPainter painter(&image_);
    painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

void Screen::fillEllipse(int left, int top, int right, int bottom, QColor colour) {
    if (image_.isNull() || right <= left || bottom <= top)
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

void Screen::drawBitmap(const Bitmap& bitmap, int x, int y) {
    drawBitmapPart(bitmap, x, y, bitmap.width(), bitmap.height());
}

void Screen::drawBitmapPart(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX,
                            int sourceY) {
    blit(bitmap, x, y, width, height, sourceX, sourceY, QPainter::CompositionMode_Source, "blit");
}

void Screen::tileBitmap(const Bitmap& tile) {
    if (tile.isNull() || image_.isNull())
        return;
    transcript().write({"tile", tile.name, std::to_string(width()), std::to_string(height())});
    for (int y = 0; y < height(); y += tile.height())
        for (int x = 0; x < width(); x += tile.width())
            paintImage(tile, x, y, std::min(tile.width(), width() - x),
                       std::min(tile.height(), height() - y), 0, 0,
                       QPainter::CompositionMode_Source);
}

void Screen::andBitmap(const Bitmap& bitmap, int x, int y) {
    blit(bitmap, x, y, bitmap.width(), bitmap.height(), 0, 0,
         QPainter::RasterOp_SourceAndDestination, "and");
}

void Screen::orBitmap(const Bitmap& bitmap, int x, int y) {
    blit(bitmap, x, y, bitmap.width(), bitmap.height(), 0, 0,
         QPainter::RasterOp_SourceOrDestination, "or");
}

void Screen::blit(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX,
                  int sourceY, int compositionMode, const char* operation) {
    if (bitmap.isNull() || image_.isNull())
        return;
    transcript().write({operation, bitmap.name, std::to_string(x), std::to_string(y),
                        std::to_string(width), std::to_string(height)});
    paintImage(bitmap, x, y, width, height, sourceX, sourceY, compositionMode);
}

void Screen::paintImage(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX,
                        int sourceY, int compositionMode) {
    QPainter painter(&image_);
    painter.setCompositionMode(static_cast<QPainter::CompositionMode>(compositionMode));
    painter.drawImage(QPoint(x, y), bitmap.image, QRect(sourceX, sourceY, width, height));
}

void Screen::drawText(const Font& font, QColor colour, int x, int y, std::string_view text) {
    transcript().write({"text", std::to_string(x), std::to_string(y), text});
    if (image_.isNull() || text.empty())
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font.font);
    painter.setPen(colour);
    const QFontMetrics metrics(font.font);
    painter.drawText(QPoint(x, y + metrics.ascent()),
                     QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

int Screen::textWidth(const Font& font, std::string_view text) {
    return QFontMetrics(font.font).horizontalAdvance(
        QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

Bitmap Screen::capture(int x, int y, int width, int height) const {
    return Bitmap{image_.copy(x, y, width, height), "capture"};
}

void Screen::present() {
    presentedKey_ = image_.cacheKey();
    if (presenter_)
        presenter_();
}

Screen& screen() {
    static Screen instance;
    return instance;
}

} // namespace tumbledown
