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
    list.push_back({bitmap(66), kBoardSize, paintTenThousandBoard});
    list.push_back({bitmap(141), {115, 90}, paintTenThousandTile});
    for (int d = 1; d <= 6; ++d)
        for (int f = 1; f <= 4; ++f)
            list.push_back({bitmap(79 + 4 * (d - 1) + (f - 1)), kDieFrames[d - 1][f - 1].size(),
                            [d, f] { return paintTenThousandDie(d, f); }});
    for (int i = 0; i < 12; ++i) {
        list.push_back({bitmap(67 + i), kDigitSize, [i] { return paintTenThousandDigit(i); }});
        list.push_back({bitmap(128 + i), kPaneRects[i].size(),
                        [i] { return paintTenThousandPane(i, false); }});
        list.push_back(
            {bitmap(116 + i), kPaneRects[i].size(), [i] { return paintTenThousandPane(i, true); }});
    }
    for (int b = 0; b < 6; ++b)
        for (bool down : {false, true})
            list.push_back({bitmap(103 + 2 * b + (down ? 1 : 0)), kStripButtons[b].size(),
                            [b, down] { return paintTenThousandButton(b, down); }});
    list.push_back({bitmap(115), kMarkerSize, paintTenThousandMarker});
    list.push_back({bitmap(142), kMessagePanel.size(), paintTenThousandPanel});
}

void addShutTheBox(std::vector<Artwork>& list) {
    using namespace shutthebox;
    list.push_back({bitmap(1), kBoardSize, paintShutTheBoxBoard});
    list.push_back({bitmap(140), {56, 32}, paintShutTheBoxTile});
    list.push_back({bitmap(2), kBoxSize, paintShutTheBoxShutBox});
    list.push_back({bitmap(3), kPlateSize, paintShutTheBoxPlate});
    const std::array<std::pair<int, QSize>, 8> dice{{{4, kTwoDice.inCup.size()},
                                                     {5, kTwoDice.tumbling1.size()},
                                                     {6, kTwoDice.tumbling2.size()},
                                                     {7, kTwoDice.onBoard.size()},
                                                     {60, kOneDie.inCup.size()},
                                                     {61, kOneDie.tumbling1.size()},
                                                     {62, kOneDie.tumbling2.size()},
                                                     {63, kOneDie.onBoard.size()}}};
    for (const auto& [number, size] : dice)
        list.push_back({bitmap(number), size, [n = number] { return paintShutTheBoxDice(n); }});
    // Buttons 2..7 take BITMAP_10..21 in pairs; the Gremlin's takes 64 and 65.
    for (int b = 0; b < 7; ++b)
        for (bool on : {false, true}) {
            const int number = (b < 6 ? 10 + 2 * b : 64) + (on ? 1 : 0);
            list.push_back({bitmap(number), kButtons[b].size(),
                            [b, on] { return paintShutTheBoxButton(b, on); }});
        }
    for (int g = 0; g < 36; ++g)
        list.push_back({bitmap(22 + g), kGlyphSizes[g], [g] { return paintShutTheBoxGlyph(g); }});
    list.push_back({bitmap(59), kArrowSize, paintShutTheBoxArrow});
    list.push_back({bitmap(243), kGremlin.size(), paintShutTheBoxGremlin});
    for (int k = 1; k <= 9; ++k)
        for (bool left : {true, false})
            list.push_back({bitmap(left ? 223 + 2 * k : 224 + 2 * k), eyeSize(k, left),
                            [k, left] { return paintShutTheBoxEye(k, left); }});
}

void addPokerDice(std::vector<Artwork>& list) {
    using namespace pokerdice;
    list.push_back({bitmap(146), kBoardSize, paintPokerDiceBoard});
    list.push_back({bitmap(147), {105, 70}, paintPokerDiceTile});
    for (int face = 1; face <= 6; ++face)
        for (int picture = 1; picture <= 4; ++picture) {
            // The ace's pictures come before the mask, the other faces after it.
            const int number = (face == 1 ? 147 : 152 + 4 * (face - 2)) + picture;
            list.push_back({bitmap(number), kDieSize,
                            [face, picture] { return paintPokerDiceDie(face, picture); }});
        }
    list.push_back({bitmap(152), kDieSize, paintPokerDiceDieMask});
    for (int face = 1; face <= 6; ++face)
        list.push_back({bitmap(199 + face), kSmallDiePicture,
                        [face] { return paintPokerDiceSmallDie(face); }});
    list.push_back({bitmap(206), kSmallDiePicture, paintPokerDiceSmallDieMask});
    for (int digit = 0; digit <= 9; ++digit)
        list.push_back(
            {bitmap(173 + digit), kDigitSize, [digit] { return paintPokerDiceDigit(digit); }});
    list.push_back({bitmap(211), kBeadSize, paintPokerDiceBead});
    for (int level = 0; level < 4; ++level)
        list.push_back(
            {bitmap(212 + level), kFlame.size(), [level] { return paintPokerDiceFlame(level); }});
    for (int player = 0; player < 2; ++player)
        list.push_back({bitmap(209 + player), kMarkers[player].size(),
                        [player] { return paintPokerDiceMarker(player); }});
    list.push_back({bitmap(183), kSign.size(), paintPokerDiceSign});
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
