// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Graphics.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <functional>
#include <future>
#include <memory>
#include <string_view>
#include <vector>

class QPainter;

namespace tumbledown {

// The client area: an off-screen true-colour image that all drawing goes to.
// The window only shows it; present() asks it to, and every wait presents.
//
// Everything is drawn and hit-tested in board units, the image's coordinates.
// The window may show the image enlarged by a whole-number zoom: the image is
// the view (the window's client area) divided by the zoom, and view positions
// are divided back, so the board, its pictures and its spots all scale together.
//
// On a high-resolution screen the view has more device pixels than desktop
// pixels (the device pixel ratio). The image is drawn at a scale of 1, 2 or 3
// pixels a board unit, enough for zoom x ratio device pixels a unit: bitmaps at
// that scale, text and shapes at that resolution. Nothing outside knows of it.
class Screen {
public:
    static constexpr int maxScale = 3;
    // The smallest scale at least as fine as zoom x ratio device pixels a unit.
    static int scaleFor(int zoom, qreal devicePixelRatio);

    // A view at 1x on an ordinary screen: the image is the view.
    void resize(int width, int height) { setView(width, height, 1, 1.0); }
    // The image becomes the view divided by the zoom, rounded up so that it
    // covers the view to its last pixel, drawn at the scale the zoom and the
    // device pixel ratio ask for. What was drawn is drawn again at that scale.
    void setView(int viewWidth, int viewHeight, int zoom, qreal devicePixelRatio = 1.0);
    // Only this part of the view (in board units) is held in the image; around
    // it the view shows the backdrop: the last tile or fill that covered the
    // whole view. At 3x on a large screen a whole view of repeated tiles would
    // be tens of MiB. A null area holds the whole view.
    void setBoardArea(const QRect& area);
    // Makes, on a worker thread, the pixels of an image of area (board units)
    // at scale, for the first picture if it has that size and scale: touching
    // that much fresh memory for the first time is slow, and start-up need not
    // wait for it. The first present drops it if unused.
    void prepareImage(QSize area, int scale);
    // In board units.
    int width() const { return width_; }
    int height() const { return height_; }
    int zoom() const { return zoom_; }
    int scale() const { return scale_; }
    qreal devicePixelRatio() const { return ratio_; }
    // The part of the view the image holds, in board units.
    QRect imageArea() const { return area_; }
    // The pixels of imageArea(), scale() pixels a board unit.
    const QImage& image() const {
        settle();
        return image_;
    }

    // The image position under a view position (in desktop pixels).
    QPoint toImage(QPointF viewPosition) const;
    // The image position under a position in the device pixels of the view.
    QPoint deviceToImage(QPointF devicePosition) const;
    // Paints the part of the view inside area (view coordinates) on a device
    // with this pixel ratio. When a board unit is as many device pixels as the
    // image has, its pixels are copied; when fewer, they are averaged down; when
    // more (past the finest scale), filtered smoothly.
    void show(QPainter& painter, const QRect& area, qreal devicePixelRatio) const;
    // The view in device pixels, as shown at the device pixel ratio of setView;
    // drawn into reuse when it has the view's size (a picture no longer wanted).
    QImage shown(QImage reuse = {}) const;

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

    // A piece of the image as it is now; at another scale it is drawn again
    // from what made it, so it stays as sharp as the rest.
    Bitmap capture(int x, int y, int width, int height) const;

    void setPresenter(std::function<void()> presenter) { presenter_ = std::move(presenter); }
    void present();
    // Whether anything was drawn since the last present(): the window presents
    // after each event, so a change no drawing code presented still shows.
    // A blank image has nothing to show yet.
    bool changedSincePresent() const { return !blank_ && image_.cacheKey() != presentedKey_; }

    // One drawing operation, kept so that the image can be drawn again.
    struct Operation;
    using Operations = std::vector<std::shared_ptr<const Operation>>;

private:
    void blit(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX, int sourceY,
              int compositionMode, const char* operation);
    void perform(Operation operation);
    // The image made again for the current view, board area and scale.
    void remake();
    void showBackdrop(QPainter& painter, const QRegion& region, bool exact) const;
    // A blank image becomes black.
    void settle() const;

    // Blank when made with nothing drawn on it yet: its pixels are set by the
    // first drawing (often a fill of the whole of it), not once more before.
    mutable QImage image_;
    mutable bool blank_ = false;
    std::future<QImage> spare_;
    QSize spareSize_;
    int width_ = 0;
    int height_ = 0;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int zoom_ = 1;
    qreal ratio_ = 1.0;
    int scale_ = 1;
    QRect boardArea_;
    QRect area_;
    // What shows around the image: a tile repeated from the view's corner, or
    // a colour when there is none.
    Bitmap backdropTile_;
    QColor backdropColour_ = Qt::black;
    // What the image shows, oldest first: operations wholly covered by a later
    // opaque one are dropped.
    Operations drawn_;
    std::function<void()> presenter_;
    qint64 presentedKey_ = 0;
};

Screen& screen();

} // namespace tumbledown
