// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TranscriptLines.h"
#include "tests/support/ImageChecks.h"

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tumbledown;
using tumbledown::test::Scenario;

// In a 1400 x 900 client the board's origin is (384, 236) at 1x. At 2x the
// image is 700 x 450 with the origin at (34, 11), so a board point (x, y) is
// shown at ((34 + x) * 2, (11 + y) * 2), and at a device pixel ratio r at r
// times that in the device pixels scripts click at.
namespace {

constexpr const char* large = "size 1400 900\n";

// The device pixel in the middle of a board point.
std::string at(int zoom, int x, int y, double ratio = 1.0) {
    const int ox = zoom == 2 ? 34 : 384, oy = zoom == 2 ? 11 : 236;
    const auto device = [&](int origin, int v) {
        return std::to_string(static_cast<int>((origin + v + 0.5) * zoom * ratio));
    };
    return device(ox, x) + " " + device(oy, y);
}

// The program's device pixel ratio for the runs while it lives.
class PixelRatio {
public:
    explicit PixelRatio(double ratio) {
        ::setenv("QT_SCALE_FACTOR", std::to_string(ratio).c_str(), 1);
    }
    ~PixelRatio() { ::unsetenv("QT_SCALE_FACTOR"); }
};

// Board points: the 10,000 and Shut The Box pictures of the main screen, the
// PLAY word and the three 1's pane of 10,000.
constexpr int tenThouPicture[] = {100, 75}, boxPicture[] = {100, 347}, play[] = {222, 136},
              threeOnes[] = {386, 54};

std::string click(int zoom, const int* p, double ratio = 1.0) {
    return "click " + at(zoom, p[0], p[1], ratio) + "\n";
}

// Into 10,000 with player one first, PLAY, and a throw of 1 1 1 2 3 4.
std::string throwInTenThou(int zoom, double ratio = 1.0) {
    return click(zoom, tenThouPicture, ratio) + "rand 0 0 0\n" + click(zoom, play, ratio) +
           "key space\nrand 0 0 0 1 2 3\n";
}

PreferencesRecord players() {
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.tenThouWelcome = 0;
    return r;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Zoom, AGameGoesAlikeAtEveryZoomAndPixelRatioAndTheRecordKeepsItsForm) {
    // At 2x, clicks where the Shut The Box picture and the three 1's pane are
    // at 1x hit nothing.
    const auto play = [](int zoom, double ratio) {
        const PixelRatio device(ratio);
        const bool misplaced = zoom == 2 && ratio == 1.0;
        const Scenario s = test::played(
            players(), std::string(large) + "zoom " + std::to_string(zoom) + "\n" +
                           (misplaced ? click(1, boxPicture) : "") + throwInTenThou(zoom, ratio) +
                           (misplaced ? click(1, threeOnes) : "") + click(zoom, threeOnes, ratio) +
                           "key p\n");
        // Drawing is left out: its places follow the origin.
        test::Lines events = test::events(s);
        std::erase_if(events, [](const std::string& line) {
            return line.rfind("zoom", 0) == 0 || line.rfind("save", 0) == 0;
        });
        return std::make_pair(events, contents(s.prfPath()));
    };
    const auto [events1, record1] = play(1, 1.0);
    EXPECT_NE(std::find(events1.begin(), events1.end(), "scores\t10000\t0\t1000\t0\t0"),
              events1.end()); // banked
    EXPECT_EQ(record1.size(), PreferencesRecord::fileSize);
    for (const auto& [zoom, ratio] :
         {std::pair{2, 1.0}, {1, 1.25}, {1, 1.5}, {2, 1.5}, {1, 2.0}, {1, 3.0}}) {
        const auto [events, record] = play(zoom, ratio);
        EXPECT_EQ(events, events1) << zoom << "x at " << ratio;
        EXPECT_EQ(record, record1) << zoom << "x at " << ratio;
    }
}

TEST(Zoom, StartsAtOneXClampsToWhatFitsAndIsRememberedBesideTheRecord) {
    Scenario s = test::withRecord(players());
    const auto ini = s.dataDir() / "tumbledown.ini";
    std::ofstream(ini) << "zoom=3\n"; // the player's: a script starts at 1x all the same
    ASSERT_EQ(s.run(std::string(large) + "zoom 5\n"), 0);
    ASSERT_EQ(s.linesStarting("zoom").size(), 1u);
    EXPECT_EQ(s.linesStarting("zoom")[0].text(), "zoom\t2");
    EXPECT_NE(contents(ini).find("\nzoom=2\n"), std::string::npos) << contents(ini);

    ASSERT_EQ(s.run(std::string(large) + click(1, boxPicture)), 0);
    EXPECT_TRUE(s.hasInOrder({"screen\tshutthebox"}));
    EXPECT_TRUE(s.linesStarting("zoom").empty());
    EXPECT_NE(contents(ini).find("\nzoom=2\n"), std::string::npos); // kept

    ASSERT_EQ(s.run("zoom 2\n"), 0); // 800 x 600 fits only 1x
    EXPECT_TRUE(s.linesStarting("zoom").empty());
}

namespace {

// The 10,000 board as a run shows it, in device pixels: a client of 700 x 450
// times the zoom, the board's origin at (34, 11) in the image.
QImage tenThouShot(int zoom, double ratio) {
    const PixelRatio device(ratio);
    Scenario s = test::withRecord(players());
    const auto shot = s.dataDir() / "shot.png";
    EXPECT_EQ(s.run("size " + std::to_string(700 * zoom) + " " + std::to_string(450 * zoom) +
                    "\nzoom " + std::to_string(zoom) + "\nmenu 101\nshot " + shot.string() + "\n"),
              0);
    return QImage(QString::fromStdString(shot.string())).convertToFormat(QImage::Format_RGB32);
}

// The board in a shot with this many device pixels a board unit.
QImage board(const QImage& shot, double unit) {
    return shot.copy(QRectF(34 * unit, 11 * unit, 632 * unit, 428 * unit).toRect());
}

} // namespace

TEST(Zoom, OneXShowsTheMainScreenAndABoardAsTheyWere) {
    Scenario s = test::withRecord(players());
    const auto main = s.dataDir() / "main.png", tenThou = s.dataDir() / "tenthou.png";
    ASSERT_EQ(s.run(std::string(large) + "shot " + main.string() + "\nmenu 101\nshot " +
                    tenThou.string() + "\n"),
              0);
    // The pictures before the finer scales came: a change meant changes this too.
    EXPECT_EQ(test::digest({QImage(QString::fromStdString(main.string())),
                            QImage(QString::fromStdString(tenThou.string()))}),
              0x786ef6d63552ec1eull);
}

TEST(Zoom, TwoAndThreeXAreDrawnAtTheirScaleNotEnlarged) {
    for (const auto& [zoom, ratio, scale] : {std::tuple{2, 1.0, 2}, {1, 2.0, 2}, {1, 3.0, 3}}) {
        const QImage shot = board(tenThouShot(zoom, ratio), scale);
        ASSERT_EQ(shot.size(), QSize(632, 428) * scale);
        // Enlarged 1x pixels would make every block flat; flat blocks are few,
        // in the lettering of the message panel too.
        EXPECT_LT(test::uniformBlocks(shot, scale), 0.3) << zoom << "x at " << ratio;
        const QImage panel = shot.copy(QRect(QPoint(150, 50) * scale, QSize(345, 100) * scale));
        EXPECT_LT(test::uniformBlocks(panel, scale), 0.45) << zoom << "x at " << ratio;
    }
}
