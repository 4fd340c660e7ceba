// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the properties of the artwork that the program relies on: the 1x
// pictures as they were kept, finer scales painted for themselves, pieces the
// games blit over their boards matching the board beneath at every scale and
// showing their changed states without a seam, and an
// icon painted for each of the desktop's theme sizes.

#include "artwork.h"
#include "paintkit.h"
#include "pokerdice_art.h"
#include "props.h"
#include "shutthebox_art.h"
#include "tenthousand_art.h"

#include "tests/support/ImageChecks.h"

#include <QFile>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

namespace tt = art::tenthousand;
namespace sb = art::shutthebox;
namespace pd = art::pokerdice;

const art::Artwork& artwork(const QString& name) {
    for (const art::Artwork& a : art::allArtwork())
        if (a.fileName == name)
            return a;
    throw std::runtime_error("no such artwork");
}

QImage bitmap(int number) {
    return artwork(QStringLiteral("BITMAP_%1.bmp").arg(number)).paint();
}

// The largest difference of the three channels.
int channelDifference(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q))});
}

// The sum of at(x, y) over the pixels of r: with a test, how many pass it.
template <typename At> auto sumOver(const QRect& r, At at) {
    std::common_type_t<int, decltype(at(0, 0))> sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += at(x, y);
    return sum;
}

// How many pixels of a differ from b by more than tolerance in some channel.
int differingPixels(const QImage& a, const QImage& b, int tolerance = 0) {
    return sumOver(a.rect(), [&](int x, int y) {
        return channelDifference(a.pixel(x, y), b.pixel(x, y)) > tolerance;
    });
}

double meanGray(const QImage& img) {
    const double sum = sumOver(img.rect(), [&](int x, int y) { return qGray(img.pixel(x, y)); });
    return sum / (static_cast<double>(img.width()) * img.height());
}

TEST(Artwork, EveryPictureIsListedOnceSizedOpaqueAndRepeatable) {
    // The build compiles into the program exactly the files this list names.
    QFile file(QStringLiteral(ARTGEN_BITMAP_LIST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QSet<QString> listed;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            listed.insert(QString::fromLatin1(line.trimmed()));
    for (const art::Artwork& a : art::allArtwork()) {
        SCOPED_TRACE(a.fileName.toStdString());
        EXPECT_TRUE(listed.remove(a.fileName)) << "painted twice or not listed";
        const QImage img = a.paint();
        EXPECT_EQ(img.size(), a.size);
        EXPECT_EQ(img.hasAlphaChannel(), a.fileName.endsWith(QStringLiteral(".png")));
        EXPECT_EQ(img, a.paint());
    }
    EXPECT_TRUE(listed.isEmpty()) << "listed, not painted: "
                                  << QStringList(listed.values()).join(' ').toStdString();
}

// Pixels neither fully transparent nor fully opaque: the fringe of a blur.
int partlyTransparent(const QImage& img) {
    return sumOver(img.rect(), [&](int x, int y) {
        return qAlpha(img.pixel(x, y)) != 0 && qAlpha(img.pixel(x, y)) != 255;
    });
}

double meanDifference(const QImage& a, const QImage& b) {
    const double sum = sumOver(a.rect(), [&](int x, int y) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    });
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
            // The same picture: shrunk back to 1x it matches, but for the finer edges.
            const QImage shrunk =
                img.convertToFormat(QImage::Format_RGB32)
                    .scaled(a.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(meanDifference(shrunk, oneX[i++]), 12) << what;
        }
        // Not the 1x pixels enlarged: few blocks are flat, and those on flat colour.
        for (int number : {216, 66, 146, 1})
            EXPECT_LT(tumbledown::test::uniformBlocks(bitmap(number), scale), 0.3)
                << number << " at " << scale;
        // A shadow's blur reaches as far over the board: a dot spreads 2 units each way.
        QImage dot(8 * scale, 1, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        dot.setPixel(0, 0, 0xFF000000);
        dot.setDevicePixelRatio(scale);
        EXPECT_EQ(partlyTransparent(art::blurred(dot, 1)), 2 * scale + 1) << scale;
    }
}

int largeDie(int face, int picture) {
    return (face == 1 ? 147 : 152 + 4 * (face - 2)) + picture;
}

// The game ANDs the mask in and ORs the picture over it: the mask is one bit,
// white where the board shows and black on the die, a rounded die filling
// most of it; the picture is black where the board shows and covers the
// die's every pixel.
void expectMaskCoversPictures(const QImage& mask, const std::vector<int>& pictures,
                              const QSize& drawn, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(mask.format(), QImage::Format_Mono);
    // The rows are stored with their padding, which must not be whatever the
    // memory held.
    const int used = (mask.width() + 7) / 8;
    int padding = 0;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        padding += (line[used - 1] & (0xFF >> (mask.width() - 8 * (used - 1)))) != 0;
        for (qsizetype b = used; b < mask.bytesPerLine(); ++b)
            padding += line[b] != 0;
    }
    EXPECT_EQ(padding, 0);
    const auto board = [&](int x, int y) { return (mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; };
    const int die = sumOver(mask.rect(), [&](int x, int y) { return !board(x, y); });
    EXPECT_EQ(mask.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(mask.pixel(drawn.width() - 1, drawn.height() - 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(mask.pixel(drawn.width() / 2, drawn.height() / 2) & 0xFFFFFF, 0u);
    EXPECT_GT(die, drawn.width() * drawn.height() * 8 / 10);
    for (int number : pictures) {
        const QImage picture = bitmap(number);
        const auto black = [&](int x, int y) { return (picture.pixel(x, y) & 0xFFFFFF) == 0; };
        const QRect r(QPoint(0, 0), drawn);
        const int stray = sumOver(r, [&](int x, int y) { return board(x, y) && !black(x, y); });
        const int holes = sumOver(r, [&](int x, int y) { return !board(x, y) && black(x, y); });
        EXPECT_EQ(stray, 0) << "BITMAP_" << number << ": picture pixels where the board shows";
        EXPECT_EQ(holes, 0) << "BITMAP_" << number << ": black pixels on the die";
    }
}

enum Edges {
    Top = 1,
    Bottom = 2,
    Left = 4,
    Right = 8,
    Sides = 15,
    Corners = 16,
    TopCorners = 32,
    Whole = 64
};

// The pixels of an image at the edges chosen.
std::vector<QPoint> edgePixels(const QSize& size, int edges) {
    std::vector<QPoint> at;
    const int right = size.width() - 1, bottom = size.height() - 1;
    for (int x = 0; x <= right; ++x)
        for (int y : {0, bottom})
            if (edges & (y == 0 ? Top : Bottom))
                at.emplace_back(x, y);
    for (int y = 0; y <= bottom; ++y)
        for (int x : {0, right})
            if (edges & (x == 0 ? Left : Right))
                at.emplace_back(x, y);
    if (edges & (Corners | TopCorners))
        at.insert(at.end(), {QPoint(0, 0), QPoint(right, 0)});
    if (edges & Corners)
        at.insert(at.end(), {QPoint(0, bottom), QPoint(right, bottom)});
    for (int y = 0; y <= bottom && (edges & Whole); ++y)
        for (int x = 0; x <= right; ++x)
            at.emplace_back(x, y);
    return at;
}

// Where the games blit a piece in its resting state it must be the board beneath,
// or a seam shows. What they draw over a place to show it pressed, lit, shut,
// thrown or looked at shows, and meets the board at the edges where it must leave
// no seam. The dice fill their masks. All at every scale.
TEST(Pieces, RestingAndChangedStatesMeetTheBoardAndDiceFillTheirMasks) {
    struct Expect {
        int tolerance = 10, atLeast = 0; // pixels differing by more than tolerance; -1: any
        int brighter = 0;                // the mean gray rises by more than this
        int edges = 0;
        double seam = 0; // the largest mean gray step at those edges; 0: none at all
    };
    struct Change {
        QImage picture, under;
        std::string what;
        Expect expect;
    };
    const Expect resting{.atLeast = -1, .edges = Whole};
    std::vector<int> largeDice, smallDice;
    for (int face = 1; face <= 6; ++face) {
        for (int picture = 1; picture <= 4; ++picture)
            largeDice.push_back(largeDie(face, picture));
        smallDice.push_back(199 + face);
    }
    for (int scale = 1; scale <= art::kMaxScale; ++scale) {
        const art::PaintScale painting(scale);
        const QImage tenThousand = bitmap(66), shutTheBox = bitmap(1), pokerDice = bitmap(146);
        std::vector<Change> changes;
        const auto add = [&](int number, const QImage& board, const QRect& place, Expect e) {
            if (e.atLeast > 0)
                e.atLeast *= scale * scale;
            changes.push_back({bitmap(number), board.copy(art::toPixels(place, scale)),
                               "BITMAP_" + std::to_string(number) + " at " +
                                   std::to_string(place.x()) + "," + std::to_string(place.y()) +
                                   " at " + std::to_string(scale),
                               e});
        };
        const auto quarter = [](const QRect& r) { return r.width() * r.height() / 4; };
        for (int b = 0; b < 6; ++b) {
            add(103 + 2 * b, tenThousand, tt::kStripButtons[b], resting);
            add(104 + 2 * b, tenThousand, tt::kStripButtons[b],
                {.atLeast = quarter(tt::kStripButtons[b])});
        }
        for (int b = 0; b < 7; ++b) {
            add(b < 6 ? 10 + 2 * b : 64, shutTheBox, sb::kButtons[b], resting);
            add(b < 6 ? 11 + 2 * b : 65, shutTheBox, sb::kButtons[b],
                {.atLeast = quarter(sb::kButtons[b])});
        }
        for (int b = 0; b < pd::kButtonCount; ++b) {
            add(184 + 2 * b, pokerDice, pd::kButtons[b], resting);
            add(185 + 2 * b, pokerDice, pd::kButtons[b], {.atLeast = quarter(pd::kButtons[b])});
        }
        for (int i = 0; i < 12; ++i) {
            add(128 + i, tenThousand, tt::kPaneRects[i], resting);
            add(116 + i, tenThousand, tt::kPaneRects[i],
                {.brighter = 25, .edges = Top | Bottom, .seam = 16});
        }
        for (int d = 1; d <= 6; ++d)
            for (int f = 1; f <= 4; ++f) {
                const QRect r = tt::kDieFrames[d - 1][f - 1];
                // The die is rounded, so the corners show the board; in frame 1 the
                // die fills the sliver's width down to the water, so only its top ones.
                add(79 + 4 * (d - 1) + (f - 1), tenThousand, r,
                    {.tolerance = 8,
                     .atLeast = r.width() * r.height() / 5,
                     .edges = f == 1 ? TopCorners : Corners});
            }
        for (const QPoint& spot : tt::kMarkerSpots)
            add(115, tenThousand, QRect(spot, tt::kMarkerSize),
                {.tolerance = 30, .atLeast = 20, .edges = Top | Bottom});
        for (int n = 1; n <= 9; ++n) {
            add(3, shutTheBox, QRect(QPoint(sb::kBoxLeft[n - 1], sb::kPlateTop), sb::kPlateSize),
                resting);
            add(2, shutTheBox, sb::boxRect(n), {.tolerance = 40, .atLeast = 56 * 125 / 2});
        }
        for (const QPoint& spot : sb::kArrowSpots)
            add(59, shutTheBox, QRect(spot, sb::kArrowSize), {.tolerance = 40, .atLeast = 40});
        for (const auto& [first, dice] : {std::pair{4, sb::kTwoDice}, std::pair{60, sb::kOneDie}}) {
            const QRect places[] = {dice.inCup, dice.tumbling1, dice.tumbling2, dice.onBoard};
            for (int i = 0; i < 4; ++i)
                add(first + i, shutTheBox, places[i],
                    {.tolerance = 30, .atLeast = 400, .edges = Corners});
        }
        // The Gremlin's eyes are copied 21 x 23 into his head; at box 5 they are the head's own.
        const QImage head = bitmap(243);
        for (int k = 1; k <= 9; ++k) {
            add(223 + 2 * k, head,
                QRect(sb::kLeftEye - sb::kGremlin.topLeft(), sb::eyeSize(k, true)),
                k == 5 ? resting : Expect{.atLeast = -1, .edges = Top | Right});
            add(224 + 2 * k, head,
                QRect(sb::kRightEye - sb::kGremlin.topLeft(), sb::eyeSize(k, false)),
                {.atLeast = -1, .edges = Top | Right});
        }
        for (int rod = 0; rod < 7; ++rod)
            for (int place = 0; place < 7; ++place)
                add(211, pokerDice, QRect(pd::kBeads[rod][place], pd::kBeadSize),
                    {.tolerance = 30, .atLeast = 50, .edges = Corners});
        for (int level = 0; level <= 3; ++level)
            add(212 + level, pokerDice, pd::kFlame,
                level ? Expect{.atLeast = 10, .edges = Sides} : resting);
        add(183, pokerDice, pd::kSign, resting);
        for (int player = 0; player < 2; ++player)
            add(209 + player, pokerDice, pd::kMarkers[player], {.brighter = 30, .edges = Sides});

        for (const Change& c : changes) {
            SCOPED_TRACE(c.what);
            ASSERT_EQ(c.picture.size(), c.under.size());
            if (c.expect.atLeast >= 0) {
                EXPECT_GT(differingPixels(c.picture, c.under, c.expect.tolerance),
                          c.expect.atLeast);
            }
            if (c.expect.brighter) {
                EXPECT_GT(meanGray(c.picture), meanGray(c.under) + c.expect.brighter);
            }
            double step = 0;
            int unequal = 0;
            const std::vector<QPoint> edge = edgePixels(c.picture.size(), c.expect.edges);
            for (const QPoint& at : edge) {
                step += std::abs(qGray(c.picture.pixel(at)) - qGray(c.under.pixel(at)));
                unequal += c.picture.pixel(at) != c.under.pixel(at);
            }
            if (c.expect.seam > 0)
                EXPECT_LT(step / edge.size(), c.expect.seam);
            else
                EXPECT_EQ(unequal, 0);
        }

        // A sinking 10,000 die puts back only its resting rectangle: any part of a
        // frame outside it would stay on the board for good unless it is the board.
        SCOPED_TRACE("at " + std::to_string(scale));
        for (int d = 1; d <= 6; ++d)
            for (int f = 1; f <= 3; ++f) {
                const QRect r = art::toPixels(tt::kDieFrames[d - 1][f - 1], scale);
                const QRect rest = art::toPixels(tt::kDieFrames[d - 1][3], scale);
                const QImage frame = bitmap(79 + 4 * (d - 1) + (f - 1));
                const int stray = sumOver(frame.rect(), [&](int x, int y) {
                    const QPoint at = r.topLeft() + QPoint(x, y);
                    return !rest.contains(at) && frame.pixel(x, y) != tenThousand.pixel(at);
                });
                EXPECT_EQ(stray, 0) << "die " << d << " frame " << f;
            }
        expectMaskCoversPictures(bitmap(152), largeDice, pd::kDieSize * scale, "large dice");
        const QImage small = bitmap(206);
        expectMaskCoversPictures(small, smallDice, pd::kSmallDiePicture * scale, "small dice");
        // The row below the drawn height never shows: the die must end above it.
        const QRect below(0, pd::kSmallDieSize.height() * scale, small.width(),
                          small.height() - pd::kSmallDieSize.height() * scale);
        EXPECT_EQ(sumOver(below, [&](int x, int y) { return small.pixel(x, y) != 0xFFFFFFFF; }), 0);
    }
}

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
    const auto opaque = [&](int x, int y) {
        return img.valid(x, y) && qAlpha(img.pixel(x, y)) == 255;
    };
    return sumOver(img.rect(), [&](int x, int y) {
        const int alpha = qAlpha(img.pixel(x, y));
        return alpha != 0 && alpha != 255 && sumOver(QRect(x - 2, y - 2, 5, 5), opaque) == 0;
    });
}

// Pixels of the ivory die's pip colour: pips that stayed pips.
int pipPixels(const QImage& img) {
    return sumOver(img.rect(), [&](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return qAlpha(c) == 255 && channelDifference(c, art::ivoryDie().pip.rgb()) <= 12;
    });
}

// The desktop's icon theme sizes, with the footprint of other application icons:
// a free margin all round, most of the square used, and no shadow baked in. Each
// size below the largest is painted for itself: from 64 down the design is
// simplified, so a good share of the picture differs visibly from the largest
// shrunk, and the smallest keep whole pixels and the ivory die's full pip colour,
// where shrinking leaves a half-transparent fringe and pips faded to grey.
TEST(Icon, EveryThemeSizeIsPaintedForItselfWithinAMargin) {
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
        if (size == 256)
            continue;
        const QImage painted = art::paintIcon(size);
        const QImage shrunk =
            art::paintIcon(256).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_NE(painted, shrunk);
        if (size <= 64) {
            EXPECT_GT(differingPixels(painted, shrunk, 24), size * size / 50);
        }
        if (size <= 32) {
            EXPECT_EQ(partlyTransparent(painted), 0);
            EXPECT_GT(partlyTransparent(shrunk), size);
            EXPECT_GE(pipPixels(painted), 4 * 4);
            EXPECT_LT(pipPixels(shrunk), pipPixels(painted));
        }
    }
    // The window's own icon is the largest.
    EXPECT_EQ(art::paintIcon(256), artwork("IDI_ICON1.png").paint());
}

} // namespace
