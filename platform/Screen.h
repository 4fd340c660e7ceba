// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Graphics.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <string_view>

class QPainter;

namespace tumbledown {

// The client area: an off-screen true-colour image that all drawing goes to.
// The window only shows it; present() asks it to, and every wait presents.
//
// The window may show the image enlarged by a whole-number zoom. Everything is
// drawn and hit-tested at 1x in image coordinates: the image is the view (the
// window's client area) divided by the zoom, and view positions are divided
// back, so the board, its pictures and its spots all scale together.
class Screen {
public:
    // A view at 1x: the image is the view.
    void resize(int width, int height) { setView(width, height, 1); }
    // The image becomes the view divided by the zoom, rounded up so that it
    // covers the view to its last pixel.
    void setView(int viewWidth, int viewHeight, int zoom);
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    int zoom() const { return zoom_; }
    const QImage& image() const { return image_; }

    // The image pixel under a view position.
    QPoint toImage(QPointF viewPosition) const;
    // Paints the part of the view inside area (view coordinates). Each image
    // pixel becomes zoom x zoom view pixels; when that is a whole number of
    // device pixels they are copied, otherwise filtered smoothly.
    void show(QPainter& painter, const QRect& area, qreal devicePixelRatio) const;
    // The view as shown at a device pixel ratio of 1.
    QImage shown() const;

    // Rectangles and ellipses cover [left, right) x [top, bottom).
    void fillRect(int left, int top, int right, int bottom, QColor colour);
    void fillEllipse(int left, int top, int right, int bottom, QColor colour);

    void drawBitmap(const Bitmap& bitmap, int x, int y);
    // The part of the bitmap from (sourceX, sourceY) of the given size.
    void drawBitmapPart(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX = 0,
                        int sourceY = 0);
    // Repeats the bitmap from the top-left corner over the whole client area,
    // the last column and row cut to fit.
    void tileBitmap(const Bitmap& tile);
    // Mask blits: AND then OR leave the bitmap's shape over the background.
    void andBitmap(const Bitmap& bitmap, int x, int y);
    void orBitmap(const Bitmap& bitmap, int x, int y);

    // Text with a transparent background; y is the top of the character cell.
    void drawText(const Font& font, QColor colour, int x, int y, std::string_view text);
    static int textWidth(const Font& font, std::string_view text);

    Bitmap capture(int x, int y, int width, int height) const;

    void setPresenter(std::function<void()> presenter) { presenter_ = std::move(presenter); }
    void present();
    // Whether anything was drawn since the last present(): the window presents
    // after each event, so a change no drawing code presented still shows.
    bool changedSincePresent() const { return image_.cacheKey() != presentedKey_; }

private:
    void blit(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX, int sourceY,
              int compositionMode, const char* operation);
    void paintImage(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX,
                    int sourceY, int compositionMode);

    QImage image_;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int zoom_ = 1;
    std::function<void()> presenter_;
    qint64 presentedKey_ = 0;
};

Screen& screen();

} // namespace tumbledown
