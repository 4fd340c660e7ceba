// Checks the properties of the artwork that the program relies on: exact
// sizes, the black tip slate, repeatable output and tiles that join cleanly.

#include "artwork.h"

#include <QGuiApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const art::Artwork& artwork(const QString& name) {
    for (const art::Artwork& a : art::allArtwork())
        if (a.fileName == name)
            return a;
    throw std::runtime_error("no such artwork");
}

// Mean absolute RGB difference between two columns (or rows) of pixels.
double lineDifference(const QImage& img, int a, int b, bool columns) {
    const int n = columns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = columns ? img.pixel(a, i) : img.pixel(i, a);
        const QRgb q = columns ? img.pixel(b, i) : img.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

double largestNeighbourDifference(const QImage& img, bool columns) {
    const int n = columns ? img.width() : img.height();
    double largest = 0;
    for (int i = 0; i + 1 < n; ++i)
        largest = std::max(largest, lineDifference(img, i, i + 1, columns));
    return largest;
}

double luminanceSpread(const QImage& img, const QRect& r) {
    double sum = 0, sumSq = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double l = qGray(img.pixel(x, y));
            sum += l;
            sumSq += l * l;
        }
    const double n = static_cast<double>(r.width()) * r.height();
    return std::sqrt(sumSq / n - (sum / n) * (sum / n));
}

TEST(Artwork, EveryPictureHasItsDeclaredSizeAndNoDuplicateNames) {
    QStringList names;
    for (const art::Artwork& a : art::allArtwork()) {
        EXPECT_EQ(a.paint().size(), a.size) << a.fileName.toStdString();
        EXPECT_FALSE(names.contains(a.fileName)) << a.fileName.toStdString();
        names << a.fileName;
    }
    EXPECT_EQ(names.size(), 8);
}

TEST(Artwork, PaintingIsRepeatable) {
    for (const art::Artwork& a : art::allArtwork())
        EXPECT_EQ(a.paint(), a.paint()) << a.fileName.toStdString();
}

TEST(MainScreen, TipSlateIsPureBlack) {
    const QImage img = artwork("BITMAP_216.bmp").paint();
    const QRect slate(200, 290, 369, 111);
    int stray = 0;
    for (int y = slate.top(); y <= slate.bottom(); ++y)
        for (int x = slate.left(); x <= slate.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0)
                ++stray;
    EXPECT_EQ(stray, 0);
    // The frame around it is light, so the slate reads as a slate.
    EXPECT_GT(qGray(img.pixel(195, 345)), 100);
    EXPECT_GT(qGray(img.pixel(380, 284)), 100);
}

TEST(MainScreen, EveryClickSpotShowsSomething) {
    const QImage img = artwork("BITMAP_216.bmp").paint();
    const QRect spots[] = {{18, 27, 102, 98},  {18, 133, 102, 128}, {18, 275, 102, 145},
                           {248, 108, 77, 38}, {292, 157, 108, 29}, {336, 195, 100, 31},
                           {470, 401, 90, 20}};
    for (const QRect& r : spots)
        EXPECT_GT(luminanceSpread(img, r), 20.0) << r.x() << "," << r.y();
}

TEST(Icon, HasTransparentCornersAndOpaqueMiddle) {
    const QImage img = artwork("IDI_ICON1.png").paint();
    EXPECT_EQ(qAlpha(img.pixel(2, 253)), 0);
    EXPECT_EQ(qAlpha(img.pixel(253, 2)), 0);
    EXPECT_EQ(qAlpha(img.pixel(128, 128)), 255);
}

TEST(Tiles, OppositeEdgesJoinLikeNeighbouringLines) {
    for (const char* name : {"BITMAP_140.bmp", "BITMAP_141.bmp", "BITMAP_147.bmp"}) {
        const QImage tile = artwork(name).paint();
        const int w = tile.width();
        const int h = tile.height();
        // The step across the seam is no bigger than the sharpest step inside,
        // such as a mortar or plank joint.
        EXPECT_LE(lineDifference(tile, w - 1, 0, true), largestNeighbourDifference(tile, true))
            << name;
        EXPECT_LE(lineDifference(tile, h - 1, 0, false), largestNeighbourDifference(tile, false))
            << name;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
