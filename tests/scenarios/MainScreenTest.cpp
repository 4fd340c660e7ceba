// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

using namespace tumbledown;
using tumbledown::test::Scenario;

// The default client is 800 x 600, so the board's origin is (84, 86).
namespace {
Scenario withPlayers() {
    Scenario s;
    s.writeRecord(test::namedRecord("ANN", "BEN"));
    return s;
}
} // namespace

TEST(MainScreen, GamePicturesSwitchGames) {
    Scenario s = withPlayers();
    ASSERT_EQ(s.run("click 184 386\nmenu 152\nclick 184 136\nmenu 152\nclick 184 286\n"
                    "menu 152\nclick 84 86\n"),
              0);
    EXPECT_TRUE(s.hasInOrder({"screen\tshutthebox", "screen\tmain", "screen\t10000", "screen\tmain",
                              "screen\tpokerdice", "screen\tmain"}));
    EXPECT_EQ(s.linesStarting("screen").size(), 7u); // the corner click did nothing
}

TEST(MainScreen, HelpAboutAndTheNextTip) {
    Scenario s = withPlayers();
    // The second time no browser can show the help: a box says where it is.
    ASSERT_EQ(s.run("click 384 206\nbrowser none\nmenu 139\nclick 484 296\nmenu 138\n"
                    "click 634 496\n"),
              0);
    EXPECT_TRUE(s.hasInOrder({
        "open\tTumbledown.html",
        "open\tTumbledown.html",
        "box\tAbout\tTumbledown 1.0 - three dice games for one or two players\tOK\tOK",
        "box\tAbout\tTumbledown 1.0 - three dice games for one or two players\tOK\tOK",
    }));
    const auto noBrowser = s.linesStarting("box\tHelp\t");
    ASSERT_EQ(noBrowser.size(), 1u);
    EXPECT_EQ(noBrowser[0].fields[2], "No web browser could be started to show the help.\\n\\n"
                                      "To read it, open this file in any web browser:\\n" +
                                          s.linesStarting("data\t").at(0).fields.at(1) +
                                          "/Tumbledown.html");
    // The next tip repaints only the tip panel: no new picture, the third tip's lines.
    const auto texts = s.linesStarting("text\t");
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[2].fields[3], "In 10,000, with one die left, you have");
    EXPECT_EQ(texts[4].fields[3], "bonus points are added to your score.");
    EXPECT_EQ(s.linesStarting("blit\tBITMAP_216").size(), 1u);
    for (std::size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(texts[i].fields[2], std::to_string(86 + 280 + 25 * (i - 1)));
        // Centred on the 393-pixel column starting 231 right of the origin.
        const int x = std::stoi(texts[i].fields[1]);
        EXPECT_GE(x, 84 + 231);
        EXPECT_LT(x, 84 + 231 + 393 / 2);
    }
    EXPECT_EQ(s.record().currentTip, 3);
}

TEST(MainScreen, NextTipWrapsFromElevenToOne) {
    Scenario s;
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.currentTip = 10; // shown as 11 at start
    s.writeRecord(record);
    ASSERT_EQ(s.run("click 634 496\n"), 0);
    EXPECT_TRUE(s.hasInOrder({"text\t" + s.linesStarting("text\t")[0].fields[1] +
                                  "\t391\tIn 10,000, rolling four two's is a",
                              "text\t" + s.linesStarting("text\t")[3].fields[1] +
                                  "\t391\tIn surveys of magical persons, wizards"}));
    EXPECT_EQ(s.record().currentTip, 1);
}

TEST(MainScreen, KeysDoNothingHere) {
    Scenario s = withPlayers();
    ASSERT_EQ(s.run("key s\nkey +\nkey space\nrclick 184 386\n"), 0);
    EXPECT_TRUE(s.linesStarting("box").empty());
    EXPECT_EQ(s.linesStarting("screen").size(), 1u);
}

TEST(MainScreen, ClicksDuringALongHandlerAreDroppedKeysAndCommandsWait) {
    Scenario s = withPlayers();
    // The About box stays up for a second; meanwhile a click, a command and a key arrive.
    ASSERT_EQ(s.run("click 484 296\nanswer OK 1000\n@300 click 184 136\n@400 menu 103\n"
                    "@500 key +\n"),
              0);
    EXPECT_TRUE(s.hasInOrder({
        "box\tAbout\tTumbledown 1.0 - three dice games for one or two players\tOK\tOK",
        "dropped\tpress\t184\t136",
        "dropped\trelease\t184\t136",
        "screen\tshutthebox",
    }));
    EXPECT_EQ(s.lines().back().time, 1000u);
    EXPECT_EQ(s.record().shutTheBoxDelay, 120); // the key reached the game's screen afterwards
}
