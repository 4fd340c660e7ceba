#include "artwork.h"

#include <array>

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

} // namespace

const std::vector<Artwork>& allArtwork() {
    static const std::vector<Artwork> list = [] {
        std::vector<Artwork> l{
            {"BITMAP_216.bmp", {569, 428}, paintMainScreen},
            {"IDI_ICON1.png", {256, 256}, paintIcon},
            {bitmap(146), {640, 428}, paintPokerDiceBoard},
            {bitmap(147), {105, 70}, paintPokerDiceTile},
        };
        addShutTheBox(l);
        addTenThousand(l);
        return l;
    }();
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
