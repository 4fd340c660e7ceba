// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

#include <array>

#include "paintkit.h"

#include "pokerdice_layout.h"
#include "shutthebox_layout.h"
#include "tenthousand_layout.h"

namespace art {

namespace {

QString bitmap(int number) {
    return QStringLiteral("BITMAP_%1.bmp").arg(number);
}

void addTenThousand(std::vector<Artwork>& list) {
    using namespace tenthousand;
    namespace bitmaps = geometry::bitmaps;
    list.push_back({bitmap(bitmaps::board), kBoardSize, paintTenThousandBoard});
    list.push_back({bitmap(bitmaps::tile), qsize(geometry::tileSize), paintTenThousandTile});
    for (int d = 1; d <= 6; ++d)
        for (int f = 1; f <= 4; ++f)
            list.push_back({bitmap(bitmaps::die(d, f)), kDieFrames[d - 1][f - 1].size(),
                            [d, f] { return paintTenThousandDie(d, f); }});
    // Twelve digit pictures ('0'..'9' the first ten) and the twelve panes.
    for (int i = 0; i < 12; ++i) {
        list.push_back({bitmap(bitmaps::firstDigit + i), kDigitSize,
                        [i] { return paintTenThousandDigit(i); }});
        list.push_back({bitmap(bitmaps::firstPane + i), kPaneRects[i].size(),
                        [i] { return paintTenThousandPane(i, false); }});
        list.push_back({bitmap(bitmaps::firstTouchedPane + i), kPaneRects[i].size(),
                        [i] { return paintTenThousandPane(i, true); }});
    }
    for (int b = 0; b < 6; ++b)
        for (bool down : {false, true})
            list.push_back({bitmap(down ? geometry::buttons[b].down : geometry::buttons[b].up),
                            kStripButtons[b].size(),
                            [b, down] { return paintTenThousandButton(b, down); }});
    list.push_back({bitmap(bitmaps::marker), kMarkerSize, paintTenThousandMarker});
    list.push_back({bitmap(bitmaps::panel), kMessagePanel.size(), paintTenThousandPanel});
}

void addShutTheBox(std::vector<Artwork>& list) {
    using namespace shutthebox;
    namespace bitmaps = geometry::bitmaps;
    list.push_back({bitmap(bitmaps::board), kBoardSize, paintShutTheBoxBoard});
    list.push_back({bitmap(bitmaps::tile), qsize(geometry::tileSize), paintShutTheBoxTile});
    list.push_back({bitmap(bitmaps::shutter), kBoxSize, paintShutTheBoxShutBox});
    list.push_back({bitmap(bitmaps::plate), kPlateSize, paintShutTheBoxPlate});
    const std::array<std::pair<int, QSize>, 8> dice{
        {{bitmaps::twoInCup, kTwoDice.inCup.size()},
         {bitmaps::twoTumbling, kTwoDice.tumbling1.size()},
         {bitmaps::twoTumbling + 1, kTwoDice.tumbling2.size()},
         {bitmaps::twoOnBoard, kTwoDice.onBoard.size()},
         {bitmaps::oneInCup, kOneDie.inCup.size()},
         {bitmaps::oneTumbling, kOneDie.tumbling1.size()},
         {bitmaps::oneTumbling + 1, kOneDie.tumbling2.size()},
         {bitmaps::oneOnBoard, kOneDie.onBoard.size()}}};
    for (const auto& [number, size] : dice)
        list.push_back({bitmap(number), size, [n = number] { return paintShutTheBoxDice(n); }});
    for (int b = 0; b < 7; ++b)
        for (bool on : {false, true}) {
            const int number = b < 6 ? (on ? geometry::buttons[b].down : geometry::buttons[b].up)
                                     : (on ? bitmaps::gremlinOn : bitmaps::gremlinOff);
            list.push_back({bitmap(number), kButtons[b].size(),
                            [b, on] { return paintShutTheBoxButton(b, on); }});
        }
    for (int g = 0; g < 36; ++g)
        list.push_back({bitmap(bitmaps::firstGlyph + g), kGlyphSizes[g],
                        [g] { return paintShutTheBoxGlyph(g); }});
    list.push_back({bitmap(bitmaps::arrow), kArrowSize, paintShutTheBoxArrow});
    list.push_back({bitmap(bitmaps::gremlin), kGremlin.size(), paintShutTheBoxGremlin});
    for (int k = 1; k <= 9; ++k)
        for (bool left : {true, false})
            list.push_back({bitmap(bitmaps::firstEye + 2 * k - (left ? 2 : 1)), eyeSize(k, left),
                            [k, left] { return paintShutTheBoxEye(k, left); }});
}

void addPokerDice(std::vector<Artwork>& list) {
    using namespace pokerdice;
    namespace bitmaps = geometry::bitmaps;
    list.push_back({bitmap(bitmaps::board), kBoardSize, paintPokerDiceBoard});
    list.push_back({bitmap(bitmaps::tile), qsize(geometry::tileSize), paintPokerDiceTile});
    for (int face = 1; face <= 6; ++face)
        for (int picture = 1; picture <= 4; ++picture)
            list.push_back({bitmap(bitmaps::firstDie[face - 1] + picture - 1), kDieSize,
                            [face, picture] { return paintPokerDiceDie(face, picture); }});
    list.push_back({bitmap(bitmaps::dieMask), kDieSize, paintPokerDiceDieMask});
    for (int face = 1; face <= 6; ++face)
        list.push_back({bitmap(bitmaps::firstSmallDie + face - 1), kSmallDiePicture,
                        [face] { return paintPokerDiceSmallDie(face); }});
    list.push_back({bitmap(bitmaps::smallDieMask), kSmallDiePicture, paintPokerDiceSmallDieMask});
    for (int digit = 0; digit <= 9; ++digit)
        list.push_back({bitmap(bitmaps::firstDigit + digit), kDigitSize,
                        [digit] { return paintPokerDiceDigit(digit); }});
    list.push_back({bitmap(bitmaps::bead), kBeadSize, paintPokerDiceBead});
    for (int level = 0; level < 4; ++level)
        list.push_back({bitmap(bitmaps::firstFlame + level), kFlame.size(),
                        [level] { return paintPokerDiceFlame(level); }});
    for (int player = 0; player < 2; ++player)
        list.push_back({bitmap(bitmaps::firstMarker + player), kMarkers[player].size(),
                        [player] { return paintPokerDiceMarker(player); }});
    list.push_back({bitmap(bitmaps::sign), kSign.size(), paintPokerDiceSign});
    for (int b = 0; b < kButtonCount; ++b)
        for (bool down : {false, true})
            list.push_back({bitmap(kFirstButtonPicture + 2 * b + (down ? 1 : 0)),
                            kButtons[b].size(),
                            [b, down] { return paintPokerDiceButton(b, down); }});
}

} // namespace

const std::vector<Artwork>& allArtwork() {
    static const std::vector<Artwork> list = [] {
        std::vector<Artwork> l{
            {"BITMAP_216.bmp", {569, 428}, paintMainScreen},
            {"IDI_ICON1.png", {256, 256}, [] { return paintIcon(); }, false},
        };
        addShutTheBox(l);
        addTenThousand(l);
        addPokerDice(l);
        return l;
    }();
    return list;
}

QImage canvas(QSize size) {
    const int scale = paintScale();
    QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::black);
    return img;
}

QString scaledFileName(const QString& fileName, int scale) {
    if (scale == 1)
        return fileName;
    const qsizetype dot = fileName.lastIndexOf('.');
    return fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + fileName.mid(dot);
}

QImage opaque(const QImage& img) {
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
