// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TranscriptLines.h"

using namespace tumbledown;
using namespace tumbledown::test;

namespace {
PreferencesRecord recordWithScores() {
    PreferencesRecord r = namedRecord("ANN", "BEN");
    r.tenThouTopScores = tableOf({{"ANN", 10250}});
    r.pokerDiceTopScores = tableOf({{"BEN", 7000}});
    r.shutTheBoxTopScores = tableOf({{"CAT", 101}});
    return r;
}

const std::string poker = topScores("PokerDice", "7000  \\tBEN\\n") + noClub;
} // namespace

// The main screen's top-scores picture opens the dialog: views in order, then
// clears; nothing ticked, or cancelled, does nothing.
TEST(Scores, TheDialogViewsInOrderThenClears) {
    Scenario s =
        played(recordWithScores(),
               "click 434 256\ndialog 205 ok\nclick 434 256\ndialog 205 101=1 104=1 cancel\n");
    EXPECT_EQ(s.linesStarting("dialog").size(), 2u);
    EXPECT_TRUE(s.linesStarting("box").empty());
    EXPECT_EQ(s.record().tenThouTopScores[1].value, 10250);

    ASSERT_EQ(s.run("click 434 256\ndialog 205 101=1 102=1 103=1 104=1 105=1 106=1 ok\n"
                    "menu 132\nmenu 133\nmenu 134\n"),
              0);
    EXPECT_TRUE(s.hasInOrder({
        "dialog\t205\tok\t101=1,102=1,103=1,104=1,105=1,106=1",
        topScores("10,000", "10250  \\tANN\\n\tOK\tOK"),
        poker,
        topScores("Shut The Box", "101  \\tCAT\\n\tOK\tOK"),
        topScores("10,000", "\tOK\tOK"),
        topScores("PokerDice", noClub),
        topScores("Shut The Box", "\tOK\tOK"),
    }));
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.tenThouTopScores[1].value, 0);
    EXPECT_EQ(r.pokerDiceTopScores[1].value, 0);
    EXPECT_EQ(r.coinTally[1].nameString(), "BEN"); // the tally is not a top-scores table
}

// The clear commands work on every screen. Viewing the Poker Dice scores from
// the menu admits a billionaire player one (player two is not looked at); the
// game's key shows the box but admits nobody.
TEST(Scores, ClearingEverywhereAndViewingPokerDiceScoresAdmitsABillionairePlayerOne) {
    PreferencesRecord record = recordWithScores();
    record.player1Coins = 1500000000u;
    record.player2Coins = 2500000000u;
    Scenario s = played(record, "menu 103\nmenu 135\nmenu 102\nmenu 137\nkey s\nkey S\n");
    EXPECT_EQ(s.linesStarting(poker).size(), 2u);
    PreferencesRecord r = s.record();
    EXPECT_EQ(r.tenThouTopScores[1].value, 0);
    EXPECT_EQ(r.shutTheBoxTopScores[1].value, 0);
    EXPECT_EQ(r.pokerDiceTopScores[1].value, 7000);
    EXPECT_EQ(r.billionaireClub[1].value, 0);

    s.writeRecord(record);
    ASSERT_EQ(s.run("menu 133\nmenu 133\n"), 0);
    EXPECT_TRUE(s.hasInOrder({poker, topScores("PokerDice", "7000  \\tBEN\\n") + club +
                                         "1500000000  \\tANN\\n\tOK\tOK"}));
    EXPECT_EQ(s.record().billionaireClub[2].value, 0);
}
