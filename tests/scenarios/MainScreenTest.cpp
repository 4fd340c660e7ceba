// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TranscriptLines.h"

#include <tuple>

using namespace tumbledown;
using namespace tumbledown::test;

namespace {
const std::string about =
    "box\tAbout\tTumbledown 1.0 - three dice games for one or two players\tOK\tOK";
} // namespace

// The default client is 800 x 600, so the board's origin is (84, 86). Keys and
// a right-click on a picture do nothing here.
TEST(MainScreen, GamePicturesSwitchGamesAndKeysDoNothing) {
    const Scenario s = played(test::namedRecord("ANN", "BEN"),
                              "key s\nkey +\nkey space\nrclick 184 386\nclick 184 386\nmenu 152\n"
                              "click 184 136\nmenu 152\nclick 184 286\nmenu 152\nclick 84 86\n");
    EXPECT_TRUE(s.hasInOrder({"screen\tmain", "screen\tshutthebox", "screen\tmain", "screen\t10000",
                              "screen\tmain", "screen\tpokerdice", "screen\tmain"}));
    EXPECT_EQ(s.linesStarting("screen").size(), 7u);     // the corner click did nothing
    for (const test::Line& box : s.linesStarting("box")) // only the games' welcomes
        EXPECT_EQ(box.text().rfind("box\tWelcome to ", 0), 0u) << box.text();
    const PreferencesRecord r = s.record(), before = test::namedRecord("ANN", "BEN");
    EXPECT_EQ(std::tie(r.tenThouDelay, r.pokerDiceDelay, r.shutTheBoxDelay),
              std::tie(before.tenThouDelay, before.pokerDiceDelay, before.shutTheBoxDelay));
}

TEST(MainScreen, HelpAboutAndTheNextTip) {
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.currentTip = 10; // shown as 11 at start, then wrapping to 1
    // The second time no browser can show the help: a box says where it is.
    const Scenario s =
        played(record, "click 384 206\nbrowser none\nmenu 139\nclick 484 296\nmenu 138\n"
                       "click 634 496\nclick 634 496\n");
    EXPECT_TRUE(s.hasInOrder({"open\tTumbledown.html", "open\tTumbledown.html", about, about}));
    const auto noBrowser = s.linesStarting("box\tHelp\t");
    ASSERT_EQ(noBrowser.size(), 1u);
    EXPECT_EQ(noBrowser[0].fields[2], "No web browser could be started to show the help.\\n\\n"
                                      "To read it, open this file in any web browser:\\n" +
                                          s.linesStarting("data\t").at(0).fields.at(1) +
                                          "/Tumbledown.html");
    // The next tip repaints only the tip panel: no new picture, the tip's lines.
    std::vector<std::string> firstLines;
    for (const test::Line& line : s.linesStarting("text\t"))
        firstLines.push_back(line.fields[3]);
    EXPECT_EQ(s.linesStarting("blit\tBITMAP_216").size(), 1u);
    ASSERT_EQ(firstLines.size(), 8u);
    EXPECT_EQ(firstLines[0], "In 10,000, rolling four two's is a");
    EXPECT_EQ(firstLines[3], "In surveys of magical persons, wizards");
    EXPECT_EQ(firstLines[6], "Try the Gremlin in Shut The Box, and");
    EXPECT_EQ(s.record().currentTip, 2);
}

TEST(MainScreen, ClicksDuringALongHandlerAreDroppedKeysAndCommandsWait) {
    // The About box stays up for a second; meanwhile a click, a command and a key arrive.
    const Scenario s = played(test::namedRecord("ANN", "BEN"),
                              "click 484 296\nanswer OK 1000\n@300 click 184 136\n@400 menu 103\n"
                              "@500 key +\n");
    EXPECT_TRUE(s.hasInOrder(
        {about, "dropped\tpress\t184\t136", "dropped\trelease\t184\t136", "screen\tshutthebox"}));
    EXPECT_EQ(s.lines().back().time, 1000u);
    EXPECT_EQ(s.record().shutTheBoxDelay, 120); // the key reached the game's screen afterwards
}
