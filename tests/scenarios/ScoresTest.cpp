// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

using namespace tumbledown;
using tumbledown::test::Scenario;

namespace {
PreferencesRecord recordWithScores() {
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.tenThouTopScores[1].setName("ANN");
    r.tenThouTopScores[1].value = 10250;
    r.pokerDiceTopScores[1].setName("BEN");
    r.pokerDiceTopScores[1].value = 7000;
    r.shutTheBoxTopScores[1].setName("CAT");
    r.shutTheBoxTopScores[1].value = 101;
    return r;
}

const std::string tenThou =
    "box\tTop Scores\tTop Scores for 10,000\\n_____________________\\n\\n\\n";
const std::string shutBox =
    "box\tTop Scores\tTop Scores for Shut The Box\\n___________________________\\n\\n\\n";
const std::string poker = "box\tTop Scores\tTop Scores for PokerDice\\n________________________"
                          "\\n\\n\\n";
const std::string club = "\\n\\nBillionaire Club\\n________________\\n\\n";
const std::string noClub = club + "There are no billionaires yet.\tOK\tOK";
} // namespace

TEST(Scores, DialogViewsInOrderThenClears) {
    Scenario s;
    s.writeRecord(recordWithScores());
    // The top-scores picture of the main screen, with all six boxes ticked.
    ASSERT_EQ(s.run("click 434 256\ndialog 205 101=1 102=1 103=1 104=1 105=1 106=1 ok\n"
                    "menu 132\nmenu 133\nmenu 134\n"),
              0);
    EXPECT_TRUE(s.hasInOrder({
        "dialog\t205\tok\t101=1,102=1,103=1,104=1,105=1,106=1",
        tenThou + "10250  \\tANN\\n\tOK\tOK",
        poker + "7000  \\tBEN\\n" + noClub,
        shutBox + "101  \\tCAT\\n\tOK\tOK",
        tenThou + "\tOK\tOK",
        poker + noClub,
        shutBox + "\tOK\tOK",
    }));
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.tenThouTopScores[1].value, 0);
    EXPECT_EQ(r.pokerDiceTopScores[1].value, 0);
    EXPECT_EQ(r.coinTally[1].nameString(), "BEN"); // the tally is not a top-scores table
}

TEST(Scores, NothingTickedOrCancelledDoesNothing) {
    Scenario s;
    s.writeRecord(recordWithScores());
    ASSERT_EQ(s.run("click 434 256\ndialog 205 ok\nclick 434 256\ndialog 205 101=1 104=1 cancel\n"),
              0);
    EXPECT_EQ(s.linesStarting("dialog").size(), 2u);
    EXPECT_TRUE(s.linesStarting("box").empty());
    EXPECT_EQ(s.record().tenThouTopScores[1].value, 10250);
}

TEST(Scores, ClearCommandsWorkOnEveryScreen) {
    Scenario s;
    s.writeRecord(recordWithScores());
    ASSERT_EQ(s.run("menu 103\nmenu 135\nmenu 102\nmenu 137\nkey s\n"), 0);
    EXPECT_TRUE(s.has(poker + "7000  \\tBEN\\n" + noClub));
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.tenThouTopScores[1].value, 0);
    EXPECT_EQ(r.shutTheBoxTopScores[1].value, 0);
    EXPECT_EQ(r.pokerDiceTopScores[1].value, 7000);
}

TEST(Scores, ViewingPokerDiceScoresAdmitsABillionairePlayerOne) {
    PreferencesRecord record = recordWithScores();
    record.player1Coins = 1500000000u;
    record.player2Coins = 2500000000u;
    Scenario keyed;
    keyed.writeRecord(record);
    ASSERT_EQ(keyed.run("menu 102\nkey S\n"), 0); // the key shows the box but admits nobody
    EXPECT_EQ(keyed.record().billionaireClub[1].value, 0);

    Scenario s;
    s.writeRecord(record);
    ASSERT_EQ(s.run("menu 133\nmenu 133\n"), 0);
    EXPECT_TRUE(s.hasInOrder({poker + "7000  \\tBEN\\n" + noClub,
                              poker + "7000  \\tBEN\\n" + club + "1500000000  \\tANN\\n\tOK\tOK"}));
    EXPECT_EQ(s.record().billionaireClub[2].value, 0); // player 2 is not looked at
}
