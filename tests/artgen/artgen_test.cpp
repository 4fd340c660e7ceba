// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the properties of the artwork that the program relies on: exact
// sizes, the black tip slate, repeatable output, tiles that join cleanly, and
// pictures that the games blit over their boards matching the board beneath,
// and an icon painted for each of the desktop's theme sizes.

#include "artwork.h"
#include "paintkit.h"
#include "pokerdice_art.h"
#include "props.h"
#include "shutthebox_art.h"
#include "tenthousand_art.h"

#include "games/tenthousand/PaneShapes.h"
#include "tests/support/ImageChecks.h"

#include <QFile>
#include <QGuiApplication>
#include <QPolygon>
#include <QSet>
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

QImage bitmap(int number) {
    return artwork(QStringLiteral("BITMAP_%1.bmp").arg(number)).paint();
}

// How many pixels of a differ from b by more than tolerance in some channel.
int differingPixels(const QImage& a, const QImage& b, int tolerance = 0) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++n;
        }
    return n;
}

double meanGray(const QImage& img, const QRect& r) {
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += qGray(img.pixel(x, y));
    return sum / (static_cast<double>(r.width()) * r.height());
}

int minGray(const QImage& img, const QRect& r) {
    int least = 255;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            least = std::min(least, qGray(img.pixel(x, y)));
    return least;
}

TEST(Artwork, EveryPictureHasItsDeclaredSizeAndNoDuplicateNames) {
    QStringList names;
    for (const art::Artwork& a : art::allArtwork()) {
        EXPECT_EQ(a.paint().size(), a.size) << a.fileName.toStdString();
        EXPECT_FALSE(names.contains(a.fileName)) << a.fileName.toStdString();
        names << a.fileName;
    }
}

// The build compiles into the program exactly the files this list names.
TEST(Artwork, ResourceListNamesEveryPictureAndNoOther) {
    QFile file(QStringLiteral(ARTGEN_BITMAP_LIST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QSet<QString> listed;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            listed.insert(QString::fromLatin1(line.trimmed()));
    }
    QSet<QString> painted;
    for (const art::Artwork& a : art::allArtwork())
        painted.insert(a.fileName);
    QStringList unlisted = (painted - listed).values();
    QStringList unpainted = (listed - painted).values();
    unlisted.sort();
    unpainted.sort();
    EXPECT_TRUE(unlisted.isEmpty()) << "painted, not listed: " << unlisted.join(' ').toStdString();
    EXPECT_TRUE(unpainted.isEmpty())
        << "listed, not painted: " << unpainted.join(' ').toStdString();
}

TEST(Artwork, EveryPictureButTheIconIsOpaque) {
    for (const art::Artwork& a : art::allArtwork()) {
        if (a.fileName.endsWith(QStringLiteral(".bmp"))) {
            EXPECT_FALSE(a.paint().hasAlphaChannel()) << a.fileName.toStdString();
        }
    }
}

TEST(Artwork, PaintingIsRepeatable) {
    for (const art::Artwork& a : art::allArtwork())
        EXPECT_EQ(a.paint(), a.paint()) << a.fileName.toStdString();
    // The files too: the 1-bit masks' rows are stored with their padding, which
    // must not be whatever the memory held.
    for (int scale = 1; scale <= art::kMaxScale; ++scale) {
        const art::PaintScale painting(scale);
        for (int number : {152, 206}) {
            const QImage img = bitmap(number);
            ASSERT_EQ(img.format(), QImage::Format_Mono);
            const int used = (img.width() + 7) / 8;
            int stray = 0;
            for (int y = 0; y < img.height(); ++y) {
                const uchar* line = img.constScanLine(y);
                stray += (line[used - 1] & (0xFF >> (img.width() - 8 * (used - 1)))) != 0;
                for (qsizetype b = used; b < img.bytesPerLine(); ++b)
                    stray += line[b] != 0;
            }
            EXPECT_EQ(stray, 0) << "BITMAP_" << number << " at " << scale;
        }
    }
}

TEST(MainScreen, TipSlateIsPureBlack) {
    const QImage img = artwork("BITMAP_216.bmp").paint();
    const QRect slate(200, 290, 352, 111);
    int stray = 0;
    for (int y = slate.top(); y <= slate.bottom(); ++y)
        for (int x = slate.left(); x <= slate.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0)
                ++stray;
    EXPECT_EQ(stray, 0);
    // The frame around it is light on all four sides, so the slate reads as a slate.
    EXPECT_GT(qGray(img.pixel(195, 345)), 100);
    EXPECT_GT(qGray(img.pixel(557, 345)), 100);
    EXPECT_GT(qGray(img.pixel(380, 284)), 100);
    EXPECT_GT(qGray(img.pixel(300, 406)), 100);
}

TEST(MainScreen, EveryClickSpotShowsSomething) {
    const QImage img = artwork("BITMAP_216.bmp").paint();
    const QRect spots[] = {{18, 27, 102, 98},  {18, 133, 102, 128}, {18, 275, 102, 145},
                           {248, 108, 77, 38}, {292, 157, 108, 29}, {336, 195, 100, 31},
                           {470, 401, 90, 20}};
    for (const QRect& r : spots)
        EXPECT_GT(luminanceSpread(img, r), 20.0) << r.x() << "," << r.y();
}

namespace {
// The smallest rectangle holding every pixel that is not fully transparent.
QRect drawnBounds(const QImage& img) {
    QRect bounds;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Translucent pixels more than two pixels from any opaque one: a shadow or a
// glow around the picture rather than its antialiased edge.
int looseTranslucentPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) == 0 || qAlpha(img.pixel(x, y)) == 255)
                continue;
            bool nearOpaque = false;
            for (int dy = -2; dy <= 2 && !nearOpaque; ++dy)
                for (int dx = -2; dx <= 2 && !nearOpaque; ++dx)
                    nearOpaque =
                        img.valid(x + dx, y + dy) && qAlpha(img.pixel(x + dx, y + dy)) == 255;
            n += !nearOpaque;
        }
    return n;
}
} // namespace

// The desktop's icon theme sizes, each painted for itself, with the footprint
// of other application icons: a free margin all round, most of the square
// used, and no shadow baked in.
TEST(Icon, EveryThemeSizeIsPaintedAtItsSizeWithinAMargin) {
    EXPECT_EQ(art::iconSizes(), (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
    for (int size : art::iconSizes()) {
        SCOPED_TRACE(size);
        const QImage img = art::paintIcon(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(size, size));
        EXPECT_TRUE(img.hasAlphaChannel());
        EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255);
        const int margin = std::max(1, size / 16);
        const QRect drawn = drawnBounds(img);
        EXPECT_TRUE(QRect(margin, margin, size - 2 * margin, size - 2 * margin).contains(drawn))
            << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x" << drawn.height();
        EXPECT_GE(std::min(drawn.width(), drawn.height()), size * 3 / 4);
        EXPECT_EQ(looseTranslucentPixels(img), 0);
        EXPECT_EQ(art::paintIcon(size), art::paintIcon(size));
    }
    // The window's own icon is the largest.
    EXPECT_EQ(art::paintIcon(256), artwork("IDI_ICON1.png").paint());
}

namespace {
QImage shrunk(int size) {
    return art::paintIcon(256).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Pixels neither fully transparent nor fully opaque: the fringe of a blur.
int partlyTransparent(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) != 0 && qAlpha(img.pixel(x, y)) != 255;
    return n;
}

// Pixels of the ivory die's pip colour: pips that stayed pips.
int pipPixels(const QImage& img) {
    const QColor pip = art::ivoryDie().pip;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            n += qAlpha(c) == 255 && std::abs(qRed(c) - pip.red()) <= 12 &&
                 std::abs(qGreen(c) - pip.green()) <= 12 && std::abs(qBlue(c) - pip.blue()) <= 12;
        }
    return n;
}
} // namespace

TEST(Icon, SmallerSizesAreNotTheLargestShrunk) {
    for (int size : art::iconSizes()) {
        if (size == 256)
            continue;
        const QImage img = art::paintIcon(size);
        EXPECT_NE(img, shrunk(size)) << size;
        // At 128 the design is drawn as it is at 256; from 64 down it is simplified,
        // so a good share of the picture differs visibly.
        if (size <= 64) {
            EXPECT_GT(differingPixels(img, shrunk(size), 24), size * size / 50) << size;
        }
    }
}

TEST(Icon, SmallSizesStayCrisp) {
    for (int size : {16, 24, 32}) {
        const QImage img = art::paintIcon(size);
        // Whole pixels only: no half-transparent fringe, where shrinking leaves plenty.
        EXPECT_EQ(partlyTransparent(img), 0) << size;
        EXPECT_GT(partlyTransparent(shrunk(size)), size) << size;
        // The ivory die's pips keep their full colour; shrunk, they fade to grey.
        EXPECT_GE(pipPixels(img), 4 * 4) << size;
        EXPECT_LT(pipPixels(shrunk(size)), pipPixels(img)) << size;
    }
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

// ------------------------------------------------------------------ 10,000

namespace tt = art::tenthousand;

TEST(TenThousand, PaneRectanglesLieInsideTheirPanes) {
    for (int i = 0; i < 12; ++i) {
        QPolygon outline;
        for (const tumbledown::PaneVertex& v : tumbledown::paneShapes()[i].vertices)
            outline << QPoint(v.x, v.y);
        const QRect r = tt::kPaneRects[i];
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_TRUE(outline.containsPoint(corner, Qt::WindingFill)) << "pane " << i;
        // The points are lettered inside the pane too, clear of the lit rectangle.
        const QRectF points = tt::paneArt()[i].pointsBox;
        if (points.isEmpty())
            continue;
        EXPECT_FALSE(points.intersects(QRectF(r))) << "pane " << i;
        for (const QPointF& c :
             {points.topLeft(), points.topRight(), points.bottomLeft(), points.bottomRight()})
            EXPECT_TRUE(outline.containsPoint(c.toPoint(), Qt::WindingFill)) << "pane " << i;
    }
}

TEST(TenThousand, NormalPanesAreTheBoardAndTouchedPanesGlow) {
    const QImage board = bitmap(66);
    for (int i = 0; i < 12; ++i) {
        const QRect r = tt::kPaneRects[i];
        const QImage under = board.copy(r);
        EXPECT_EQ(differingPixels(bitmap(128 + i), under), 0) << "pane " << i;
        const QImage lit = bitmap(116 + i);
        EXPECT_GT(meanGray(lit, lit.rect()), meanGray(under, under.rect()) + 25) << "pane " << i;
        // At its edge the lit picture fades into the unlit pane: no seam.
        double seam = 0;
        int n = 0;
        for (int x = 0; x < r.width(); ++x)
            for (int y : {0, r.height() - 1}) {
                seam += std::abs(qGray(lit.pixel(x, y)) - qGray(under.pixel(x, y)));
                ++n;
            }
        EXPECT_LT(seam / n, 16) << "pane " << i;
    }
}

TEST(TenThousand, DieFramesKeepTheBoardAroundTheDie) {
    const QImage board = bitmap(66);
    for (int d = 1; d <= 6; ++d)
        for (int f = 1; f <= 4; ++f) {
            const QRect r = tt::kDieFrames[d - 1][f - 1];
            const QRect rest = tt::kDieFrames[d - 1][3];
            const QImage frame = bitmap(79 + 4 * (d - 1) + (f - 1));
            // The die is rounded, so the corners show the board; in frame 1 the
            // die fills the sliver's width down to the water, so only its top ones.
            std::vector<QPoint> corners{QPoint(0, 0), QPoint(r.width() - 1, 0)};
            if (f > 1)
                corners.insert(corners.end(),
                               {QPoint(0, r.height() - 1), QPoint(r.width() - 1, r.height() - 1)});
            for (const QPoint& c : corners) {
                EXPECT_EQ(frame.pixel(c), board.pixel(r.topLeft() + c))
                    << "die " << d << " frame " << f << " corner " << c.x() << "," << c.y();
            }
            // Sinking restores only the resting rectangle: any part of a frame
            // outside it would stay on the board for good unless it is the board.
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x) {
                    if (!rest.contains(r.topLeft() + QPoint(x, y))) {
                        EXPECT_EQ(frame.pixel(x, y), board.pixel(r.topLeft() + QPoint(x, y)))
                            << "die " << d << " frame " << f << " at " << x << "," << y;
                    }
                }
            // And the die itself shows.
            EXPECT_GT(differingPixels(frame, board.copy(r), 8), r.width() * r.height() / 5)
                << d << "/" << f;
        }
}

TEST(TenThousand, EveryPipLandsOnTheIvoryFace) {
    for (int d = 1; d <= 6; ++d)
        for (int f = 2; f <= 4; ++f) {
            const QImage frame = bitmap(79 + 4 * (d - 1) + (f - 1));
            const QPoint area = tt::kPipAreas[d - 1][f - 2];
            for (int pip = 0; pip < 7; ++pip) {
                // The lowest pips stay under water in frame 2; the game leaves them out.
                if (f == 2 && (pip == 2 || pip == 4))
                    continue;
                const QRect box(area + tt::kPipPlaces[pip], QSize(tt::kPipSize, tt::kPipSize));
                ASSERT_TRUE(frame.rect().contains(box)) << d << "/" << f << " P" << pip + 1;
                // The face is light ivory under all of the pip, never water or the dark side.
                EXPECT_GT(minGray(frame, box.adjusted(1, 1, -1, -1)), 175)
                    << "die " << d << " frame " << f << " P" << pip + 1;
            }
        }
}

TEST(TenThousand, UpButtonsAreTheBoardAndDownButtonsAreNot) {
    const QImage board = bitmap(66);
    for (int b = 0; b < 6; ++b) {
        const QRect r = tt::kStripButtons[b];
        EXPECT_EQ(differingPixels(bitmap(103 + 2 * b), board.copy(r)), 0) << "button " << b;
        EXPECT_GT(differingPixels(bitmap(104 + 2 * b), board.copy(r), 10),
                  r.width() * r.height() / 4)
            << "button " << b;
    }
}

TEST(TenThousand, DigitsAndScoreFieldsShareTheirColour) {
    const QImage board = bitmap(66);
    const QRgb field = tt::kFieldColour.rgb();
    for (const tt::PlayerPlaces& places : tt::kPlayers)
        for (const QRect& r : {places.turn, places.total}) {
            int stray = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    stray += (board.pixel(x, y) & 0xFFFFFF) != (field & 0xFFFFFF);
            EXPECT_EQ(stray, 0) << r.x() << "," << r.y();
        }
    for (int i = 0; i < 12; ++i) {
        // Digits stand 11 pixels apart: their side columns are bare field.
        const QImage digit = bitmap(67 + i);
        for (int y = 0; y < digit.height(); ++y)
            for (int x : {0, digit.width() - 1})
                EXPECT_EQ(digit.pixel(x, y) & 0xFFFFFF, field & 0xFFFFFF) << "digit " << i;
        EXPECT_LT(minGray(digit, digit.rect()), 80) << "digit " << i; // dark ink on it
    }
    // Each numeral differs from the others.
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j)
            EXPECT_GT(differingPixels(bitmap(67 + i), bitmap(67 + j), 40), 5) << i << " " << j;
}

TEST(TenThousand, TurnMarkerFitsBothSpots) {
    const QImage board = bitmap(66);
    const QImage one = board.copy(QRect(tt::kMarkerSpots[0], tt::kMarkerSize));
    const QImage two = board.copy(QRect(tt::kMarkerSpots[1], tt::kMarkerSize));
    EXPECT_EQ(differingPixels(one, two), 0);
    const QImage marker = bitmap(115);
    for (int x = 0; x < marker.width(); ++x)
        for (int y : {0, marker.height() - 1})
            EXPECT_EQ(marker.pixel(x, y), one.pixel(x, y));
    EXPECT_GT(differingPixels(marker, one, 30), 20);
}

TEST(TenThousand, BlackTextHasLightGroundToStandOn) {
    const QImage board = bitmap(66);
    for (const tt::PlayerPlaces& places : tt::kPlayers) {
        EXPECT_GT(meanGray(board, places.name), 200);
        EXPECT_GT(minGray(board, places.name), 150);
    }
    const QImage panel = bitmap(142);
    // The six message lines, with room for 49 characters of the 15-pixel font.
    const QRect lines(30, tt::kMessageFirstLineTop, 291, 6 * tt::kMessageLineStep);
    EXPECT_GT(meanGray(panel, lines), 200);
    EXPECT_GT(minGray(panel, lines), 160);
}

// ------------------------------------------------------------ Shut The Box

namespace sb = art::shutthebox;

TEST(ShutTheBox, PlateAndShutBoxFitEveryBox) {
    const QImage board = bitmap(1);
    const QImage plate = bitmap(3);
    const QImage shut = bitmap(2);
    for (int n = 1; n <= 9; ++n) {
        // The plate drawn over an open box leaves it as the board shows it.
        const QRect r(sb::kBoxLeft[n - 1], sb::kPlateTop, sb::kPlateSize.width(),
                      sb::kPlateSize.height());
        EXPECT_EQ(differingPixels(plate, board.copy(r)), 0) << "box " << n;
        // The shutter hides the number.
        EXPECT_GT(differingPixels(shut, board.copy(sb::boxRect(n)), 40), 56 * 125 / 2) << n;
    }
}

TEST(ShutTheBox, OffButtonsAreTheBoardAndOnButtonsAreNot) {
    const QImage board = bitmap(1);
    for (int b = 0; b < 7; ++b) {
        const int number = b < 6 ? 10 + 2 * b : 64;
        const QRect r = sb::kButtons[b];
        EXPECT_EQ(differingPixels(bitmap(number), board.copy(r)), 0) << "button " << b;
        EXPECT_GT(differingPixels(bitmap(number + 1), board.copy(r), 10),
                  r.width() * r.height() / 4)
            << "button " << b;
    }
}

TEST(ShutTheBox, GlyphsAndArrowSitOnTheFlatCard) {
    const QImage board = bitmap(1);
    const QRgb card = sb::kCardColour.rgb() & 0xFFFFFF;
    // Glyph rows of the four strips: names from 2 below the top, figures from the top.
    for (int top : {226, 250, 276, 302}) {
        int stray = 0;
        for (int y = top; y < top + 19; ++y)
            for (int x = sb::kStripLeft + 1; x < sb::kStripLeft + sb::kStripWidth; ++x)
                stray += (board.pixel(x, y) & 0xFFFFFF) != card;
        EXPECT_EQ(stray, 0) << "strip at " << top;
    }
    for (int g = 0; g < 36; ++g) {
        const QImage glyph = bitmap(22 + g);
        for (const QPoint& c :
             {QPoint(0, 0), QPoint(glyph.width() - 1, 0), QPoint(0, glyph.height() - 1),
              QPoint(glyph.width() - 1, glyph.height() - 1)})
            EXPECT_EQ(glyph.pixel(c) & 0xFFFFFF, card) << "glyph " << g;
        EXPECT_LT(minGray(glyph, glyph.rect()), 90) << "glyph " << g;
    }
    const QImage one = board.copy(QRect(sb::kArrowSpots[0], sb::kArrowSize));
    const QImage two = board.copy(QRect(sb::kArrowSpots[1], sb::kArrowSize));
    EXPECT_EQ(differingPixels(one, two), 0);
    const QImage arrow = bitmap(59);
    EXPECT_EQ(arrow.pixel(0, 0), one.pixel(0, 0));
    EXPECT_GT(differingPixels(arrow, one, 40), 40);
}

TEST(ShutTheBox, DicePicturesKeepTheBoardAtTheirCorners) {
    const QImage board = bitmap(1);
    const std::array<std::pair<int, QRect>, 8> places{{{4, sb::kTwoDice.inCup},
                                                       {5, sb::kTwoDice.tumbling1},
                                                       {6, sb::kTwoDice.tumbling2},
                                                       {7, sb::kTwoDice.onBoard},
                                                       {60, sb::kOneDie.inCup},
                                                       {61, sb::kOneDie.tumbling1},
                                                       {62, sb::kOneDie.tumbling2},
                                                       {63, sb::kOneDie.onBoard}}};
    for (const auto& [number, r] : places) {
        const QImage dice = bitmap(number);
        for (const QPoint& c : {QPoint(0, 0), QPoint(r.width() - 1, 0), QPoint(0, r.height() - 1),
                                QPoint(r.width() - 1, r.height() - 1)}) {
            EXPECT_EQ(dice.pixel(c), board.pixel(r.topLeft() + c)) << "BITMAP_" << number;
        }
        EXPECT_GT(differingPixels(dice, board.copy(r), 30), 400) << "BITMAP_" << number;
    }
}

TEST(ShutTheBox, EveryPipLandsOnAnIvoryFace) {
    struct Case {
        int number;
        QRect place;
        bool onBoard;
        int die;
    };
    const Case cases[] = {{4, sb::kTwoDice.inCup, false, 1},  {4, sb::kTwoDice.inCup, false, 2},
                          {7, sb::kTwoDice.onBoard, true, 1}, {7, sb::kTwoDice.onBoard, true, 2},
                          {60, sb::kOneDie.inCup, false, 2},  {63, sb::kOneDie.onBoard, true, 2}};
    for (const Case& c : cases) {
        const QImage dice = bitmap(c.number);
        for (int face = 1; face <= 6; ++face)
            for (int i = 0; i < face; ++i) {
                const QPoint pip = sb::pips(c.onBoard, c.die)[face - 1][i] - c.place.topLeft();
                // The pip and a pixel's rim round it lie on light ivory.
                const QRect around(pip - QPoint(1, 1), QSize(sb::kPipSize + 3, sb::kPipSize + 3));
                ASSERT_TRUE(dice.rect().contains(around));
                EXPECT_GT(minGray(dice, around), 170)
                    << "BITMAP_" << c.number << " die " << c.die << " face " << face;
            }
    }
}

TEST(ShutTheBox, GremlinsEyesBlendIntoHisHeadAndFollowTheBoxes) {
    const QImage head = bitmap(243);
    double lastLeft = -1, lastRight = -1;
    for (int k = 1; k <= 9; ++k) {
        for (bool left : {true, false}) {
            const QImage eye = bitmap(left ? 223 + 2 * k : 224 + 2 * k);
            const QPoint at = (left ? sb::kLeftEye : sb::kRightEye) - sb::kGremlin.topLeft();
            // Copied as 21 x 23, the picture must not leave a seam in the head.
            for (int x = 0; x < eye.width(); ++x)
                EXPECT_EQ(eye.pixel(x, 0), head.pixel(at + QPoint(x, 0))) << k;
            for (int y = 0; y < eye.height(); ++y)
                EXPECT_EQ(eye.pixel(eye.width() - 1, y),
                          head.pixel(at + QPoint(eye.width() - 1, y)))
                    << k;
            // The red iris moves rightward from box 1 to box 9.
            double sum = 0;
            int n = 0;
            for (int y = 0; y < eye.height(); ++y)
                for (int x = 0; x < eye.width(); ++x) {
                    const QRgb c = eye.pixel(x, y);
                    if (qRed(c) > 100 && qGreen(c) < 95 && qBlue(c) < 60) {
                        sum += x;
                        ++n;
                    }
                }
            ASSERT_GT(n, 0) << k;
            double& last = left ? lastLeft : lastRight;
            EXPECT_GT(sum / n, last) << "position " << k << (left ? " left" : " right");
            last = sum / n;
        }
    }
    // The head as drawn shows the eyes of position 5.
    const QImage five = bitmap(233);
    EXPECT_EQ(
        differingPixels(five, head.copy(QRect(sb::kLeftEye - sb::kGremlin.topLeft(), five.size()))),
        0);
}

// -------------------------------------------------------------- Poker Dice

namespace pd = art::pokerdice;

// The size of every Poker Dice picture, as the game's drawing expects it.
TEST(PokerDice, EveryPictureHasTheSizeTheGameDrawsIt) {
    std::vector<std::pair<int, QSize>> sizes{
        {146, {640, 428}}, {147, {105, 70}}, {183, {63, 16}}, {184, {28, 21}}, {185, {28, 21}},
        {186, {23, 23}},   {187, {23, 23}},  {188, {27, 20}}, {189, {27, 20}}, {190, {13, 17}},
        {191, {13, 17}},   {192, {17, 17}},  {193, {17, 17}}, {194, {19, 5}},  {195, {19, 5}},
        {196, {16, 17}},   {197, {16, 17}},  {198, {23, 23}}, {199, {23, 23}}, {209, {14, 13}},
        {210, {13, 13}},   {211, {10, 9}}};
    for (int n = 148; n <= 172; ++n)
        sizes.push_back({n, {40, 42}});
    for (int n = 173; n <= 182; ++n)
        sizes.push_back({n, {13, 15}});
    for (int n = 200; n <= 206; ++n)
        sizes.push_back({n, {33, 32}});
    for (int n = 212; n <= 215; ++n)
        sizes.push_back({n, {15, 50}});
    for (const auto& [number, size] : sizes)
        EXPECT_EQ(bitmap(number).size(), size) << "BITMAP_" << number;
}

int largeDie(int face, int picture) {
    return (face == 1 ? 147 : 152 + 4 * (face - 2)) + picture;
}

bool isBlack(QRgb c) {
    return (c & 0xFFFFFF) == 0;
}

// The game ANDs the mask in and ORs the picture over it: the mask is white
// where the board shows and black on the die, and the picture is black where
// the board shows and covers the die's every pixel.
void expectMaskCoversPicture(const QImage& mask, const QImage& picture, const QSize& drawn,
                             const std::string& what) {
    int stray = 0, holes = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const bool board = (mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            if (board)
                stray += !isBlack(picture.pixel(x, y));
            else
                holes += isBlack(picture.pixel(x, y));
        }
    EXPECT_EQ(stray, 0) << what << ": picture pixels where the board shows";
    EXPECT_EQ(holes, 0) << what << ": black pixels on the die";
}

void expectOneBitMask(const QImage& mask, const QSize& drawn, const std::string& what) {
    EXPECT_EQ(mask.depth(), 1) << what;
    int die = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb c = mask.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << what;
            die += c == 0;
        }
    // A rounded die: the board shows at the corners, the die fills most of the rest.
    EXPECT_EQ(mask.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << what;
    EXPECT_EQ(mask.pixel(drawn.width() - 1, drawn.height() - 1) & 0xFFFFFF, 0xFFFFFFu) << what;
    EXPECT_EQ(mask.pixel(drawn.width() / 2, drawn.height() / 2) & 0xFFFFFF, 0u) << what;
    EXPECT_GT(die, drawn.width() * drawn.height() * 8 / 10) << what;
}

TEST(PokerDice, LargeDiceFillTheirMaskExactly) {
    const QImage mask = bitmap(152);
    expectOneBitMask(mask, pd::kDieSize, "BITMAP_152");
    for (int face = 1; face <= 6; ++face)
        for (int picture = 1; picture <= 4; ++picture)
            expectMaskCoversPicture(mask, bitmap(largeDie(face, picture)), pd::kDieSize,
                                    "face " + std::to_string(face) + " picture " +
                                        std::to_string(picture));
}

TEST(PokerDice, SmallDiceFillTheirMaskExactlyInTheRowsDrawn) {
    const QImage mask = bitmap(206);
    expectOneBitMask(mask, pd::kSmallDieSize, "BITMAP_206");
    // The row below the drawn height never shows: the die must end above it.
    for (int x = 0; x < mask.width(); ++x)
        EXPECT_EQ(mask.pixel(x, pd::kSmallDieSize.height()) & 0xFFFFFF, 0xFFFFFFu) << x;
    for (int face = 1; face <= 6; ++face)
        expectMaskCoversPicture(mask, bitmap(199 + face), pd::kSmallDiePicture,
                                "small face " + std::to_string(face));
}

// Mean of the die's light pixels and the count of its dark (ink) pixels.
std::pair<double, int> faceTones(const QImage& die, const QImage& mask) {
    double light = 0;
    int n = 0, ink = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            if ((mask.pixel(x, y) & 0xFFFFFF) != 0)
                continue;
            const int g = qGray(die.pixel(x, y));
            light += g;
            ++n;
            ink += g < 110;
        }
    return {light / n, ink};
}

TEST(PokerDice, RestingFacesAreIvoryWithInkAndAllDiffer) {
    for (const auto& [first, mask] : {std::pair{0, bitmap(152)}, std::pair{1, bitmap(206)}}) {
        std::vector<QImage> faces;
        for (int face = 1; face <= 6; ++face)
            faces.push_back(first == 0 ? bitmap(largeDie(face, 4)) : bitmap(199 + face));
        for (int i = 0; i < 6; ++i) {
            const auto [mean, ink] = faceTones(faces[i], mask);
            EXPECT_GT(mean, 170) << "face " << i + 1;
            EXPECT_GT(ink, 25) << "face " << i + 1;
            for (int j = i + 1; j < 6; ++j)
                EXPECT_GT(differingPixels(faces[i], faces[j], 60), 40) << i + 1 << " " << j + 1;
        }
    }
}

// A tumbling die turns in a mist that fades into the crystal at its outline,
// wherever in the ball it is drawn.
TEST(PokerDice, TumblingMistMeetsTheCrystalAtEveryDiePlace) {
    const QImage board = bitmap(146);
    const QImage mask = bitmap(152);
    for (int face = 1; face <= 6; ++face)
        for (int picture = 1; picture <= 3; ++picture) {
            const QImage die = bitmap(largeDie(face, picture));
            for (const QPoint& at : pd::kDice) {
                double sum = 0;
                int n = 0, cut = 0;
                for (int y = 0; y < mask.height(); ++y)
                    for (int x = 0; x < mask.width(); ++x) {
                        auto inside = [&](int u, int v) {
                            return mask.valid(u, v) && (mask.pixel(u, v) & 0xFFFFFF) == 0;
                        };
                        if (!inside(x, y) || (inside(x - 1, y) && inside(x + 1, y) &&
                                              inside(x, y - 1) && inside(x, y + 1)))
                            continue;
                        const QRgb a = die.pixel(x, y), b = board.pixel(at + QPoint(x, y));
                        const int red = std::abs(qRed(a) - qRed(b));
                        const int green = std::abs(qGreen(a) - qGreen(b));
                        const int blue = std::abs(qBlue(a) - qBlue(b));
                        sum += (red + green + blue) / 3.0;
                        ++n;
                        // The die itself stays clear of the outline: none of it is cut off.
                        cut += std::max({red, green, blue}) > 60;
                    }
                EXPECT_LT(sum / n, 12) << "face " << face << " picture " << picture << " at "
                                       << at.x() << "," << at.y();
                EXPECT_EQ(cut, 0) << "face " << face << " picture " << picture << " at " << at.x()
                                  << "," << at.y();
            }
        }
}

TEST(PokerDice, UpAndOffButtonsAreTheBoardAndDownAndOnAreNot) {
    const QImage board = bitmap(146);
    for (int b = 0; b < pd::kButtonCount; ++b) {
        const QRect r = pd::kButtons[b];
        EXPECT_EQ(differingPixels(bitmap(184 + 2 * b), board.copy(r)), 0) << "button " << b;
        EXPECT_GT(differingPixels(bitmap(185 + 2 * b), board.copy(r), 10),
                  r.width() * r.height() / 4)
            << "button " << b;
    }
}

TEST(PokerDice, DigitsSitOnTheCounterWindowsIvory) {
    const QImage board = bitmap(146);
    const QRgb ground = pd::kDigitGround.rgb() & 0xFFFFFF;
    // Blank places show the board, so it is the digits' ground there exactly.
    for (const QPoint& at : pd::kDigits) {
        int stray = 0;
        for (int y = 0; y < pd::kDigitSize.height(); ++y)
            for (int x = 0; x < pd::kDigitSize.width(); ++x)
                stray += (board.pixel(at + QPoint(x, y)) & 0xFFFFFF) != ground;
        EXPECT_EQ(stray, 0) << at.x() << "," << at.y();
    }
    for (int d = 0; d < 10; ++d) {
        const QImage digit = bitmap(173 + d);
        // Neighbouring digits touch: the side columns are bare ground.
        for (int y = 0; y < digit.height(); ++y)
            for (int x : {0, digit.width() - 1})
                EXPECT_EQ(digit.pixel(x, y) & 0xFFFFFF, ground) << "digit " << d;
        EXPECT_LT(minGray(digit, digit.rect()), 70) << "digit " << d;
        for (int e = d + 1; e < 10; ++e)
            EXPECT_GT(differingPixels(digit, bitmap(173 + e), 40), 5) << d << " " << e;
    }
}

TEST(PokerDice, BeadFitsEveryBeadPlace) {
    const QImage board = bitmap(146);
    const QImage bare = pd::beadPlace().convertToFormat(QImage::Format_RGB32);
    for (int rod = 0; rod < 7; ++rod)
        for (int place = 0; place < 7; ++place) {
            const QImage under = board.copy(QRect(pd::kBeads[rod][place], pd::kBeadSize));
            EXPECT_EQ(differingPixels(under, bare), 0)
                << "rod " << rod + 1 << " place " << place + 1;
        }
    const QImage bead = bitmap(211);
    // Round: the bare rod and felt show at the corners, the bead in the middle.
    for (const QPoint& c : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 8), QPoint(9, 8)})
        EXPECT_EQ(bead.pixel(c), bare.pixel(c));
    EXPECT_GT(differingPixels(bead, bare, 30), 50);
    // The rods run through the places without a break, down to the frame.
    for (int rod = 0; rod < 7; ++rod)
        for (int place = 0; place + 1 < 7; ++place) {
            const QPoint a = pd::kBeads[rod][place], b = pd::kBeads[rod][place + 1];
            for (int y = a.y() + pd::kBeadSize.height(); y < b.y(); ++y) {
                const bool rodThere =
                    (board.pixel(a.x() + 4, y) & 0xFFFFFF) == (pd::kRodLight.rgb() & 0xFFFFFF) ||
                    (board.pixel(b.x() + 4, y) & 0xFFFFFF) == (pd::kRodLight.rgb() & 0xFFFFFF);
                // The reckoning bar crosses the rods between places 2 and 3.
                if (place != 1) {
                    EXPECT_TRUE(rodThere) << "rod " << rod + 1 << " y " << y;
                }
            }
        }
}

TEST(PokerDice, FlamesMeetTheCandleAtTheirEdgesAndGrow) {
    const QImage under = bitmap(146).copy(pd::kFlame);
    EXPECT_EQ(differingPixels(bitmap(212), under), 0);
    int lastBright = 0;
    for (int level = 1; level <= 3; ++level) {
        const QImage flame = bitmap(212 + level);
        for (int x = 0; x < flame.width(); ++x)
            for (int y : {0, flame.height() - 1})
                EXPECT_EQ(flame.pixel(x, y), under.pixel(x, y)) << level << " at " << x << "," << y;
        for (int y = 0; y < flame.height(); ++y)
            for (int x : {0, flame.width() - 1})
                EXPECT_EQ(flame.pixel(x, y), under.pixel(x, y)) << level << " at " << x << "," << y;
        int bright = 0;
        for (int y = 0; y < flame.height(); ++y)
            for (int x = 0; x < flame.width(); ++x)
                bright += qRed(flame.pixel(x, y)) > 240 && qGreen(flame.pixel(x, y)) > 170 &&
                          qGray(under.pixel(x, y)) < 200;
        EXPECT_GT(bright, lastBright + 10) << "level " << level;
        lastBright = bright;
    }
}

TEST(PokerDice, CandlesStandInTheirClickAreas) {
    const QImage board = bitmap(146);
    // Wax is pale: down the middle of each candle's area the board shows it.
    for (const QRect& area : {pd::kRollCandle, pd::kPassCandle}) {
        const int x = area.center().x();
        EXPECT_GT(meanGray(board, QRect(x - 3, area.top() + 45, 6, area.height() - 80)), 170)
            << area.x();
    }
    // The ROLL flame's picture stands on the ROLL candle's wick.
    EXPECT_TRUE(pd::kRollCandle.contains(pd::kFlame));
    EXPECT_TRUE(pd::kFlame.contains(pd::kRollWick.toPoint()));
}

TEST(PokerDice, LitMarkersFitTheirSockets) {
    const QImage board = bitmap(146);
    for (int player = 0; player < 2; ++player) {
        const QRect r = pd::kMarkers[player];
        const QImage under = board.copy(r);
        const QImage lit = bitmap(209 + player);
        for (int x = 0; x < r.width(); ++x)
            for (int y : {0, r.height() - 1})
                EXPECT_EQ(lit.pixel(x, y), under.pixel(x, y)) << player;
        for (int y = 0; y < r.height(); ++y)
            for (int x : {0, r.width() - 1})
                EXPECT_EQ(lit.pixel(x, y), under.pixel(x, y)) << player;
        EXPECT_GT(meanGray(lit, lit.rect()), meanGray(under, under.rect()) + 30) << player;
    }
}

TEST(PokerDice, SignIsTheBoardsCarvedSign) {
    const QImage sign = bitmap(183);
    EXPECT_EQ(differingPixels(sign, bitmap(146).copy(pd::kSign)), 0);
    EXPECT_GT(luminanceSpread(sign, sign.rect()), 30);
}

// The plates carry light text (gray about 225): they are dark, veins and all.
TEST(PokerDice, PlatesAreDarkUnderTheLightText) {
    const QImage board = bitmap(146);
    for (int player = 0; player < 2; ++player)
        for (const QRect& plate : {pd::kNamePlates[player], pd::kCoinPlates[player]}) {
            EXPECT_LT(meanGray(board, plate), 70) << plate.x() << "," << plate.y();
            // Where the text goes: the middle of the plate, a text line high.
            const int top = plate == pd::kNamePlates[player] ? pd::kNameTextTop[player]
                                                             : pd::kCoinTextTop[player];
            const QRect line(pd::kPlateTextCentre - 60, top, 120, pd::kTextHeight);
            int brightest = 0;
            for (int y = line.top(); y <= line.bottom(); ++y)
                for (int x = line.left(); x <= line.right(); ++x)
                    brightest = std::max(brightest, qGray(board.pixel(x, y)));
            EXPECT_LT(brightest, 120) << plate.x() << "," << plate.y();
        }
}

// The message lines (dark text, gray about 72) are written on the crystal.
TEST(PokerDice, PanelIsLightWhereTheMessagesAreWritten) {
    const QImage board = bitmap(146);
    const int centre = pd::kPanel.center().x() + 1;
    for (int k = 0; k < pd::kPanelLines; ++k) {
        const int top = pd::kPanelFirstLineTop + k * pd::kPanelLineStep;
        // The ball narrows toward its foot, and so do the last lines.
        const int half = k < 8 ? 70 : 35;
        const QRect line(centre - half, top, 2 * half, pd::kTextHeight);
        EXPECT_GT(meanGray(board, line), 200) << "line " << k + 1;
        EXPECT_GT(minGray(board, line), 140) << "line " << k + 1;
    }
    // The option words the player clicks.
    for (const QRect& word :
         {QRect(486, 307, 52, 11), QRect(447, 337, 128, 11), QRect(486, 367, 50, 13)})
        EXPECT_GT(minGray(board, word), 140) << word.x() << "," << word.y();
    // The dice fall inside the panel, in the crystal.
    for (const QPoint& at : pd::kDice)
        EXPECT_TRUE(pd::kPanel.contains(QRect(at, pd::kDieSize))) << at.x() << "," << at.y();
}

// ---------------------------------------------------------- finer scales

// The part of a painted picture under a board-unit rectangle.
QImage cut(const QImage& img, const QRect& r) {
    return img.copy(art::toPixels(r, art::scaleOf(img)));
}

// Each s x s block of a picture painted at scale s, averaged to one pixel.
QImage shrunkByBlocks(const QImage& img, int s) {
    QImage out(img.width() / s, img.height() / s, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int v = 0; v < s; ++v)
                for (int u = 0; u < s; ++u) {
                    const QRgb c = img.pixel(x * s + u, y * s + v);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            out.setPixel(x, y, qRgb(r / (s * s), g / (s * s), b / (s * s)));
        }
    return out;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(FinerScales, OneXIsThePictureItWasAndTheFinerScalesPaintItWithMoreDetail) {
    std::vector<QImage> oneX;
    for (const art::Artwork& a : art::allArtwork())
        if (a.everyScale)
            oneX.push_back(a.paint());
    // What the pictures were before the finer scales came: a change to the art
    // that is meant changes this too.
    EXPECT_EQ(tumbledown::test::digest(oneX), 0xd9e1aa774a23185dull);
    for (int scale : {2, 3}) {
        const art::PaintScale painting(scale);
        std::size_t i = 0;
        for (const art::Artwork& a : art::allArtwork()) {
            if (!a.everyScale)
                continue;
            const QImage img = a.paint();
            const std::string what = a.fileName.toStdString() + " at " + std::to_string(scale);
            ASSERT_EQ(img.size(), a.size * scale) << what;
            // The same picture: each block of pixels averages to the 1x pixel, but
            // for the finer edges.
            EXPECT_LT(meanDifference(shrunkByBlocks(img, scale), oneX[i++]), 12) << what;
        }
        // Not the 1x pixels enlarged: few blocks are flat, and those on flat colour.
        for (int number : {216, 66, 146, 1})
            EXPECT_LT(tumbledown::test::uniformBlocks(bitmap(number), scale), 0.3)
                << number << " at " << scale;
    }
}

// Where the games blit a piece over a board in its resting state it must be that
// board, at every scale, or a seam shows; and the dice must fill their masks.
TEST(FinerScales, PiecesStayTheBoardBeneathThemAndDiceFillTheirMasks) {
    struct Piece {
        int number, board;
        QRect place;
    };
    std::vector<Piece> pieces{{212, 146, pd::kFlame}, {183, 146, pd::kSign}};
    for (int i = 0; i < 12; ++i)
        pieces.push_back({128 + i, 66, tt::kPaneRects[i]});
    for (int b = 0; b < 6; ++b)
        pieces.push_back({103 + 2 * b, 66, tt::kStripButtons[b]});
    for (int b = 0; b < 7; ++b)
        pieces.push_back({b < 6 ? 10 + 2 * b : 64, 1, sb::kButtons[b]});
    for (int n = 1; n <= 9; ++n)
        pieces.push_back({3, 1, QRect(QPoint(sb::kBoxLeft[n - 1], sb::kPlateTop), sb::kPlateSize)});
    for (int b = 0; b < pd::kButtonCount; ++b)
        pieces.push_back({184 + 2 * b, 146, pd::kButtons[b]});
    for (int scale : {2, 3}) {
        const art::PaintScale painting(scale);
        for (const Piece& p : pieces)
            EXPECT_EQ(differingPixels(bitmap(p.number), cut(bitmap(p.board), p.place)), 0)
                << "BITMAP_" << p.number << " at " << scale;
        // A sinking 10,000 die puts back only its resting rectangle.
        const QImage board = bitmap(66);
        for (int d = 1; d <= 6; ++d)
            for (int f = 1; f <= 3; ++f) {
                const QRect r = art::toPixels(tt::kDieFrames[d - 1][f - 1], scale);
                const QRect rest = art::toPixels(tt::kDieFrames[d - 1][3], scale);
                const QImage frame = bitmap(79 + 4 * (d - 1) + (f - 1));
                int stray = 0;
                for (int y = 0; y < r.height(); ++y)
                    for (int x = 0; x < r.width(); ++x) {
                        const QPoint at = r.topLeft() + QPoint(x, y);
                        stray += !rest.contains(at) && frame.pixel(x, y) != board.pixel(at);
                    }
                EXPECT_EQ(stray, 0) << "die " << d << " frame " << f << " at " << scale;
            }
        const QImage mask = bitmap(152), small = bitmap(206);
        expectOneBitMask(mask, pd::kDieSize * scale, "BITMAP_152");
        expectOneBitMask(small, pd::kSmallDieSize * scale, "BITMAP_206");
        for (int face = 1; face <= 6; ++face) {
            for (int picture = 1; picture <= 4; ++picture)
                expectMaskCoversPicture(mask, bitmap(largeDie(face, picture)), pd::kDieSize * scale,
                                        "face " + std::to_string(face) + " picture " +
                                            std::to_string(picture));
            expectMaskCoversPicture(small, bitmap(199 + face), pd::kSmallDiePicture * scale,
                                    "small face " + std::to_string(face));
        }
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
