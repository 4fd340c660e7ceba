// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Screen.h"

#include "Transcript.h"

#include <QBrush>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace tumbledown {

struct Screen::Operation {
    enum class Kind { Blit, Fill, Ellipse, Text };
    Kind kind = Kind::Blit;
    QRect area; // what it covers, in board units
    // A blit: the part of the bitmap from source, combined by composition.
    Bitmap bitmap;
    QPoint source;
    QPainter::CompositionMode composition = QPainter::CompositionMode_Source;
    // A fill, an ellipse or text.
    QColor colour;
    QFont font;
    QPoint at; // the text's baseline origin
    QString text;

    bool opaque() const {
        return kind == Kind::Fill ||
               (kind == Kind::Blit && composition == QPainter::CompositionMode_Source);
    }
};

namespace {

// Beyond this many the image itself stands in for what drew it.
constexpr std::size_t maxOperations = 4096;

// Draws one operation onto target, whose top-left corner is the board position
// origin, at a scale.
void paintOperation(QImage& target, int scale, QPoint origin, const Screen::Operation& op) {
    using Kind = Screen::Operation::Kind;
    const QPoint at = (op.area.topLeft() - origin) * scale;
    const QRect source(op.source * scale, op.area.size() * scale);
    if (op.kind == Kind::Blit && op.composition == QPainter::CompositionMode_Source &&
        op.bitmap.drawStraight(target, at, source, scale))
        return;
    QPainter painter(&target);
    switch (op.kind) {
    case Kind::Blit:
        painter.setCompositionMode(op.composition);
        painter.drawImage(at, op.bitmap.pixels(scale), source);
        break;
    case Kind::Fill:
        painter.fillRect(QRect(at, op.area.size() * scale), op.colour);
        break;
    case Kind::Ellipse:
        painter.scale(scale, scale);
        painter.translate(-origin);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(op.colour);
        painter.drawEllipse(QRectF(op.area));
        break;
    case Kind::Text:
        painter.scale(scale, scale);
        painter.translate(-origin);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(op.font);
        painter.setPen(op.colour);
        painter.drawText(op.at, op.text);
        break;
    }
}

// The board-unit rectangle area as the operations draw it at a scale.
QImage replay(const Screen::Operations& operations, const QRect& area, int scale) {
    QImage img = newPixels(area.size() * scale);
    img.fill(Qt::black);
    for (const auto& op : operations)
        if (op->area.intersects(area))
            paintOperation(img, scale, area.topLeft(), *op);
    return img;
}

} // namespace

int Screen::scaleFor(int zoom, qreal devicePixelRatio) {
    // A hair under a whole number is that number: ratios come as 1.25, 1.5, 2...
    const int needed = static_cast<int>(std::ceil(zoom * devicePixelRatio - 1e-6));
    return std::clamp(needed, 1, maxScale);
}

void Screen::setView(int viewWidth, int viewHeight, int zoom, qreal devicePixelRatio) {
    zoom_ = std::max(zoom, 1);
    ratio_ = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    viewWidth_ = std::max(viewWidth, 0);
    viewHeight_ = std::max(viewHeight, 0);
    const int width = (viewWidth_ + zoom_ - 1) / zoom_;
    const int height = (viewHeight_ + zoom_ - 1) / zoom_;
    const int scale = scaleFor(zoom_, ratio_);
    if (width == width_ && height == height_ && scale == scale_ && !image_.isNull())
        return;
    width_ = width;
    height_ = height;
    scale_ = scale;
    remake();
}

void Screen::setBoardArea(const QRect& area) {
    if (area == boardArea_ && !image_.isNull())
        return;
    boardArea_ = area;
    remake();
}

void Screen::remake() {
    const QRect view(0, 0, width_, height_);
    area_ = boardArea_.isNull() ? view : boardArea_.intersected(view);
    // The old pixels go first: at 3x on a large screen each image is tens of MiB.
    image_ = QImage();
    blank_ = drawn_.empty();
    const QSize size = area_.size() * scale_;
    if (blank_ && spare_.valid() && spareSize_ == size)
        image_ = spare_.get();
    else
        image_ = blank_ ? newPixels(size) : replay(drawn_, area_, scale_);
}

void Screen::prepareImage(QSize area, int scale) {
    spareSize_ = area * scale;
    spare_ = std::async(std::launch::async, [size = spareSize_] {
        QImage img = newPixels(size);
        img.fill(Qt::black);
        return img;
    });
}

QPoint Screen::toImage(QPointF viewPosition) const {
    // Rounded down, also left of and above the view, where a held button's
    // release may happen.
    return {static_cast<int>(std::floor(viewPosition.x() / zoom_)),
            static_cast<int>(std::floor(viewPosition.y() / zoom_))};
}

QPoint Screen::deviceToImage(QPointF devicePosition) const {
    return toImage(devicePosition / ratio_);
}

void Screen::show(QPainter& painter, const QRect& area, qreal devicePixelRatio) const {
    if (area.isEmpty() || (width_ == 0 && height_ == 0))
        return;
    const qreal devicePixels = zoom_ * devicePixelRatio;
    const bool exact = std::abs(devicePixels - scale_) < 1e-6;
    if (blank_) {
        painter.fillRect(area, Qt::black);
        return;
    }
    const QRect held(area_.topLeft() * zoom_, area_.size() * zoom_);
    if (image_.isNull() || !held.contains(area))
        showBackdrop(painter, QRegion(area).subtracted(image_.isNull() ? QRect() : held), exact);
    const QPoint first = toImage(area.topLeft());
    const QPoint last = toImage(area.bottomRight());
    const QRect source = QRect(first, last).intersected(area_);
    if (image_.isNull() || source.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    const QRect target(source.topLeft() * zoom_, source.size() * zoom_);
    const QRect pixels((source.topLeft() - area_.topLeft()) * scale_, source.size() * scale_);
    if (exact || devicePixels > scale_) {
        painter.drawImage(target, image_, pixels);
        return;
    }
    // Shrunk by averaging the pixels under each device pixel: a painter's
    // filter would skip some of them and leave the fine detail rough.
    const QImage part = pixels == image_.rect() ? image_ : image_.copy(pixels);
    const QSizeF size = QSizeF(source.size()) * devicePixels;
    QImage shrunk = part.scaled(QSize(static_cast<int>(std::ceil(size.width())),
                                      static_cast<int>(std::ceil(size.height()))),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Placed pixel for pixel: filtered again to a fraction of a pixel it would blur.
    shrunk.setDevicePixelRatio(devicePixelRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(target.topLeft()), shrunk);
}

void Screen::showBackdrop(QPainter& painter, const QRegion& region, bool exact) const {
    const QImage& tile = backdropTile_.isNull() ? QImage() : backdropTile_.pixels(scale_);
    if (tile.isNull()) {
        for (const QRect& r : region)
            painter.fillRect(r, backdropColour_);
        return;
    }
    // Repeated from the view's corner, a board unit zoom view pixels wide.
    QBrush brush(tile);
    brush.setTransform(QTransform::fromScale(qreal(zoom_) / scale_, qreal(zoom_) / scale_));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    for (const QRect& r : region)
        painter.fillRect(r, brush);
}

QImage Screen::shown(QImage reuse) const {
    if (viewWidth_ == 0 || viewHeight_ == 0)
        return {};
    const QSize size(static_cast<int>(std::ceil(viewWidth_ * ratio_)),
                     static_cast<int>(std::ceil(viewHeight_ * ratio_)));
    // A fresh image of this size is fresh pages, each a fault on first touch:
    // taken at every presentation, that would cost more than the drawing.
    QImage view = reuse.size() == size && reuse.format() == QImage::Format_RGB32
                      ? std::move(reuse)
                      : QImage(size, QImage::Format_RGB32);
    view.setDevicePixelRatio(ratio_);
    view.fill(Qt::black);
    QPainter painter(&view);
    show(painter, QRect(0, 0, viewWidth_, viewHeight_), ratio_);
    painter.end();
    view.setDevicePixelRatio(1.0);
    return view;
}

void Screen::settle() const {
    if (std::exchange(blank_, false))
        image_.fill(Qt::black);
}

void Screen::perform(Operation operation) {
    const QRect whole = area_;
    // A fill of the whole view is what shows around the board from now on.
    if (operation.kind == Operation::Kind::Fill &&
        operation.area.contains(QRect(0, 0, width_, height_))) {
        backdropTile_ = Bitmap();
        backdropColour_ = operation.colour;
    }
    if (image_.isNull() || !operation.area.intersects(whole))
        return;
    const bool opaque = operation.opaque() && (operation.kind != Operation::Kind::Blit ||
                                               operation.bitmap.hasPixels(scale_));
    if (opaque && operation.area.contains(whole))
        blank_ = false;
    settle();
    paintOperation(image_, scale_, whole.topLeft(), operation);
    if (opaque) {
        const QRect covered = operation.area;
        drawn_.erase(std::remove_if(drawn_.begin(), drawn_.end(),
                                    [&](const auto& op) { return covered.contains(op->area); }),
                     drawn_.end());
    }
    drawn_.push_back(std::make_shared<const Operation>(std::move(operation)));
    if (drawn_.size() > maxOperations) {
        // The image as it is, drawn again at another scale by filtering it.
        const QImage now = image_;
        const int scale = scale_;
        Operation whole;
        whole.area = area_;
        whole.bitmap = Bitmap("screen", whole.area.size(), [now, scale](int wanted) {
            return wanted == scale ? now
                                   : now.scaled(now.size() / scale * wanted, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
        });
        drawn_ = {std::make_shared<const Operation>(std::move(whole))};
    }
}

void Screen::fillRect(int left, int top, int right, int bottom, QColor colour) {
    if (right <= left || bottom <= top)
        return;
    Operation op;
    op.kind = Operation::Kind::Fill;
    op.area = QRect(left, top, right - left, bottom - top);
    op.colour = colour;
    perform(std::move(op));
}

void Screen::fillEllipse(int left, int top, int right, int bottom, QColor colour) {
    if (right <= left || bottom <= top)
        return;
    Operation op;
    op.kind = Operation::Kind::Ellipse;
    op.area = QRect(left, top, right - left, bottom - top);
    op.colour = colour;
    perform(std::move(op));
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
    backdropTile_ = tile;
    for (int y = 0; y < height(); y += tile.height())
        for (int x = 0; x < width(); x += tile.width()) {
            Operation op;
            op.area = QRect(x, y, std::min(tile.width(), width() - x),
                            std::min(tile.height(), height() - y));
            op.bitmap = tile;
            perform(std::move(op));
        }
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
    Operation op;
    // Only what the bitmap has is drawn.
    op.area = QRect(x, y, width, height)
                  .intersected(QRect(x - sourceX, y - sourceY, bitmap.width(), bitmap.height()));
    if (op.area.isEmpty())
        return;
    op.source = QPoint(sourceX, sourceY) + (op.area.topLeft() - QPoint(x, y));
    op.bitmap = bitmap;
    op.composition = static_cast<QPainter::CompositionMode>(compositionMode);
    perform(std::move(op));
}

void Screen::drawText(const Font& font, QColor colour, int x, int y, std::string_view text) {
    transcript().write({"text", std::to_string(x), std::to_string(y), text});
    if (image_.isNull() || text.empty())
        return;
    Operation op;
    op.kind = Operation::Kind::Text;
    op.font = font.font;
    op.colour = colour;
    op.text = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    const QFontMetrics metrics(font.font);
    op.at = QPoint(x, y + metrics.ascent());
    // Ink may reach past the advance (italics) and the cell; a margin more for
    // the smoothing of its edges.
    op.area = metrics.boundingRect(op.text)
                  .translated(op.at)
                  .united(QRect(x, y, metrics.horizontalAdvance(op.text), metrics.height()))
                  .adjusted(-2, -2, 2, 2);
    perform(std::move(op));
}

int Screen::textWidth(const Font& font, std::string_view text) {
    return QFontMetrics(font.font).horizontalAdvance(
        QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

Bitmap Screen::capture(int x, int y, int width, int height) const {
    const QRect area(x, y, width, height);
    Operations under;
    for (const auto& op : drawn_)
        if (op->area.intersects(area))
            under.push_back(op);
    return Bitmap(
        "capture", area.size(), [under, area](int scale) { return replay(under, area, scale); },
        scale_,
        image().copy(QRect((area.topLeft() - area_.topLeft()) * scale_, area.size() * scale_)));
}

void Screen::present() {
    // A prepared image the first picture did not take is of no more use.
    if (spare_.valid())
        spare_ = {};
    presentedKey_ = image_.cacheKey();
    if (presenter_)
        presenter_();
}

Screen& screen() {
    static Screen instance;
    return instance;
}

} // namespace tumbledown
