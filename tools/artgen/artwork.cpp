#include "artwork.h"

namespace art {

const std::vector<Artwork>& allArtwork() {
    static const std::vector<Artwork> list{
        {"BITMAP_216.bmp", {569, 428}, paintMainScreen},
        {"IDI_ICON1.png", {256, 256}, paintIcon},
        {"BITMAP_1.bmp", {632, 428}, paintShutTheBoxBoard},
        {"BITMAP_140.bmp", {56, 32}, paintShutTheBoxTile},
        {"BITMAP_66.bmp", {632, 428}, paintTenThousandBoard},
        {"BITMAP_141.bmp", {115, 90}, paintTenThousandTile},
        {"BITMAP_146.bmp", {640, 428}, paintPokerDiceBoard},
        {"BITMAP_147.bmp", {105, 70}, paintPokerDiceTile},
    };
    return list;
}

QImage canvas(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

QImage opaque(const QImage& img) {
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
