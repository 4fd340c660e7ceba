#pragma once

#include "Graphics.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <string_view>

namespace tumbledown {

// The client area: an off-screen true-colour image that all drawing goes to.
// The window only shows it; present() asks it to, and every wait presents.
class Screen {
public:
    void resize(int width, int height);
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

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

private:
    void blit(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX, int sourceY,
              int compositionMode, const char* operation);
    void paintImage(const Bitmap& bitmap, int x, int y, int width, int height, int sourceX,
                    int sourceY, int compositionMode);

    QImage image_;
    std::function<void()> presenter_;
};

Screen& screen();

} // namespace tumbledown
