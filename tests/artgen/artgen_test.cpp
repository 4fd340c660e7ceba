// Checks the properties of the artwork that the program relies on: exact
// sizes, the black tip slate, repeatable output, tiles that join cleanly, and
// pictures that the games blit over their boards matching the board beneath.

#include "artwork.h"
#include "shutthebox_art.h"
#include "tenthousand_art.h"

#include "games/tenthousand/PaneShapes.h"

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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
