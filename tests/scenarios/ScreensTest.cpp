// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TranscriptLines.h"

using namespace tumbledown;
using namespace tumbledown::test;

namespace {
const PreferencesRecord players = test::namedRecord("ANN", "BEN");
} // namespace

// Each game's options popup exists only while the game is shown.
TEST(Screens, SwitchingKeepsExactlyOneOptionsPopup) {
    const Scenario s =
        played(players, "menu 142\nmenu 101\nmenu 101\nmenu 102\nmenu 103\nmenu 152\nmenu 152\n"
                        "menu 146\n");
    EXPECT_TRUE(s.hasInOrder({
        "error\tno menu item 142 in the menu bar",
        "screen\t10000",
        "menubar\tGame|10,000 Options|Music|Scores|Help",
        "screen\tmain",
        "screen\tpokerdice",
        "menubar\tGame|Poker Dice Options|Music|Scores|Help",
        "screen\tmain",
        "screen\tshutthebox",
        "menubar\tGame|Shut The Box Options|Music|Scores|Help",
        "screen\tmain",
        "menubar\tGame|Music|Scores|Help",
        "checked\t127",
        "error\tno menu item 146 in the menu bar",
    }));
    // Choosing the game on view again did nothing.
    EXPECT_EQ(s.linesStarting("screen\t10000").size(), 1u);
    EXPECT_EQ(s.linesStarting("screen\tmain").size(), 4u);
}

TEST(Screens, BoardOriginFollowsTheClientSize) {
    const struct {
        std::string script;
        std::vector<std::string> drawn;
    } rows[] = {
        // Below 500 rows the picture loses its bottom seven.
        {"size 632 428\n", {"blit\tBITMAP_216\t31\t0\t569\t421"}},
        {"size 1025 701\nmenu 103\n",
         {"blit\tBITMAP_216\t227\t136\t569\t428", "tile\tBITMAP_140\t1025\t701",
          "blit\tBITMAP_1\t196\t136\t632\t428"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        const Scenario s = played(players, row.script);
        EXPECT_TRUE(s.hasInOrder(row.drawn));
        EXPECT_EQ(s.linesStarting("tile").size(), row.drawn.size() > 2 ? 1u : 0u);
    }
}
