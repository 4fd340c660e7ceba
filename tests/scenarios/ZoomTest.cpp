// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include <QImage>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tumbledown;
using tumbledown::test::Scenario;

// In a 1400 x 900 client the board's origin is (384, 236) at 1x. At 2x the
// image is 700 x 450 with the origin at (34, 11), so a board point (x, y) is
// shown at ((34 + x) * 2, (11 + y) * 2).
namespace {

constexpr const char* large = "size 1400 900\n";

std::string at(int zoom, int x, int y) {
    return zoom == 2 ? std::to_string((34 + x) * 2) + " " + std::to_string((11 + y) * 2)
                     : std::to_string(384 + x) + " " + std::to_string(236 + y);
}

// Board points: the 10,000 and Shut The Box pictures of the main screen, the
// PLAY word and the three 1's pane of 10,000.
constexpr int tenThouPicture[] = {100, 75}, boxPicture[] = {100, 347}, play[] = {222, 136},
              threeOnes[] = {386, 54};

std::string click(int zoom, const int* p) {
    return "click " + at(zoom, p[0], p[1]) + "\n";
}

// Into 10,000 with player one first, PLAY, and a throw of 1 1 1 2 3 4.
std::string throwInTenThou(int zoom) {
    return click(zoom, tenThouPicture) + "rand 0 0 0\n" + click(zoom, play) +
           "key space\nrand 0 0 0 1 2 3\n";
}

Scenario withPlayers() {
    Scenario s;
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.tenThouWelcome = 0;
    s.writeRecord(r);
    return s;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Zoom, SpotsAndPanesAreHitAtTheirScaledPositionsOnly) {
    Scenario s = withPlayers();
    ASSERT_EQ(s.run(std::string(large) + "zoom 2\n" + click(1, boxPicture) + throwInTenThou(2) +
                    click(1, threeOnes) + click(2, threeOnes)),
              0);
    EXPECT_FALSE(s.has("screen\tshutthebox")); // where the picture is at 1x
    EXPECT_TRUE(s.hasInOrder(
        {"zoom\t2", "screen\t10000", "dice\t10000\t1,1,1,2,3,4", "scores\t10000\t1000\t0\t0\t0"}));
    EXPECT_EQ(s.linesStarting("scores\t10000\t1000").size(), 1u) << s.dump();
}

TEST(Zoom, AGameGoesAlikeAtOneAndTwoXAndTheRecordKeepsItsForm) {
    const auto play = [](int zoom) {
        Scenario s = withPlayers();
        EXPECT_EQ(s.run(std::string(large) + "zoom " + std::to_string(zoom) + "\n" +
                        throwInTenThou(zoom) + click(zoom, threeOnes) + "key p\n"),
                  0);
        std::vector<std::string> events; // without drawing, whose places follow the origin
        for (const test::Line& line : s.lines()) {
            const std::string& kind = line.fields.at(0);
            if (kind != "blit" && kind != "and" && kind != "or" && kind != "text" &&
                kind != "tile" && kind != "zoom" && kind != "seed" && kind != "save")
                events.push_back(line.text());
        }
        return std::make_pair(events, contents(s.prfPath()));
    };
    const auto [events1, record1] = play(1);
    const auto [events2, record2] = play(2);
    EXPECT_NE(std::find(events1.begin(), events1.end(), "scores\t10000\t0\t1000\t0\t0"),
              events1.end()); // banked
    EXPECT_EQ(events1, events2);
    EXPECT_EQ(record1.size(), PreferencesRecord::fileSize);
    EXPECT_EQ(record1, record2);
}

TEST(Zoom, StartsAtOneXClampsToWhatFitsAndIsRememberedBesideTheRecord) {
    Scenario s = withPlayers();
    const auto ini = s.dataDir() / "tumbledown.ini";
    std::ofstream(ini) << "zoom=3\n"; // the player's: a script starts at 1x all the same
    ASSERT_EQ(s.run(std::string(large) + "zoom 5\n"), 0);
    ASSERT_EQ(s.linesStarting("zoom").size(), 1u);
    EXPECT_EQ(s.linesStarting("zoom")[0].text(), "zoom\t2");
    EXPECT_NE(contents(ini).find("\nzoom=2\n"), std::string::npos) << contents(ini);

    ASSERT_EQ(s.run(std::string(large) + click(1, boxPicture)), 0);
    EXPECT_TRUE(s.has("screen\tshutthebox"));
    EXPECT_TRUE(s.linesStarting("zoom").empty());
    EXPECT_NE(contents(ini).find("\nzoom=2\n"), std::string::npos); // kept

    ASSERT_EQ(s.run("zoom 2\n"), 0); // 800 x 600 fits only 1x
    EXPECT_TRUE(s.linesStarting("zoom").empty());
}

TEST(Zoom, ShotShowsEachPixelAsASharpBlock) {
    Scenario s = withPlayers();
    const auto shot = s.dataDir() / "two.png";
    ASSERT_EQ(s.run(std::string(large) + "zoom 2\nshot " + shot.string() + "\n"), 0);
    const QImage two(QString::fromStdString(shot.string()));
    ASSERT_EQ(two.size(), QSize(1400, 900));
    int edges = 0;
    for (int y = 0; y < 900; y += 2)
        for (int x = 0; x < 1400; x += 2) {
            const QRgb p = two.pixel(x, y);
            ASSERT_TRUE(two.pixel(x + 1, y) == p && two.pixel(x, y + 1) == p &&
                        two.pixel(x + 1, y + 1) == p)
                << x << "," << y;
            edges += x > 0 && two.pixel(x - 1, y) != p;
        }
    EXPECT_GT(edges, 10000); // the picture is there
}
