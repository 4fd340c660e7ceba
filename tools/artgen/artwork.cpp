#include "artwork.h"

namespace art {

const std::vector<Artwork>& allArtwork() {
    static const std::vector<Artwork> list{
        {"BITMAP_216.png", {569, 428}, paintMainScreen},
        {"IDI_ICON1.png", {256, 256}, paintIcon},
        {"BITMAP_1.png", {632, 428}, paintShutTheBoxBoard},
        {"BITMAP_140.png", {56, 32}, paintShutTheBoxTile},
        {"BITMAP_66.png", {632, 428}, paintTenThousandBoard},
        {"BITMAP_141.png", {115, 90}, paintTenThousandTile},
        {"BITMAP_146.png", {640, 428}, paintPokerDiceBoard},
        {"BITMAP_147.png", {105, 70}, paintPokerDiceTile},
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
