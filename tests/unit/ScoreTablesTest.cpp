// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ScoreTables.h"
#include "dialogs/TopScoreViews.h"

#include <gtest/gtest.h>

using namespace tumbledown;

namespace {
void put(ScoreTable& t, int i, const std::string& name, std::uint32_t value) {
    t[i].setName(name);
    t[i].value = static_cast<std::int32_t>(value);
}
} // namespace

TEST(TopScoreViews, EntriesAreListedInOrderSkippingEmptyOnes) {
    PreferencesRecord r;
    put(r.tenThouTopScores, 1, "ANN", 12050);
    put(r.tenThouTopScores, 3, "BEN", 10000); // entry 2 is empty
    EXPECT_EQ(tenThouTopScoresText(r), "Top Scores for 10,000\n_____________________\n\n\n"
                                       "12050  \tANN\n10000  \tBEN\n");
    put(r.pokerDiceTopScores, 1, "RICH", 3000000000u); // shown as unsigned coins
    put(r.billionaireClub, 1, "RICH", 3000000000u);
    put(r.billionaireClub, 2, "ALSO", 1000000000u);
    EXPECT_EQ(pokerDiceTopScoresText(r), "Top Scores for PokerDice\n________________________\n\n\n"
                                         "3000000000  \tRICH\n"
                                         "\n\nBillionaire Club\n________________\n\n"
                                         "3000000000  \tRICH\n1000000000  \tALSO\n");
}

TEST(CoinTopScores, NewcomersTakeTheFirstLowerPlaceAndKnownNamesRise) {
    ScoreTable t{};
    enterCoinTopScore(t, "ANN", 0); // nothing to enter
    EXPECT_EQ(t[1].value, 0);
    enterCoinTopScore(t, "ANN", 6000);
    enterCoinTopScore(t, "BEN", 9000);
    EXPECT_EQ(t[1].nameString(), "BEN");
    EXPECT_EQ(t[2].nameString(), "ANN");
    enterCoinTopScore(t, "ANN", 5000); // lower than her entry: unchanged
    EXPECT_EQ(t[2].value, 6000);
    enterCoinTopScore(t, "ANN", 3000000000u); // above INT32_MAX, compared unsigned
    // A raised entry moves up past the lower ones, so the table stays best first.
    EXPECT_EQ(t[1].nameString(), "ANN");
    EXPECT_EQ(static_cast<std::uint32_t>(t[1].value), 3000000000u);
    EXPECT_EQ(t[2].nameString(), "BEN");
    EXPECT_EQ(t[2].value, 9000);
    EXPECT_EQ(t[3].value, 0);

    for (int i = 1; i <= 10; ++i)
        put(t, i, "P" + std::to_string(i), 1000u * (11 - i));
    enterCoinTopScore(t, "LOW", 500); // below all ten
    EXPECT_EQ(t[10].nameString(), "P10");
    enterCoinTopScore(t, "MID", 5500);
    EXPECT_EQ(t[6].nameString(), "MID");
    EXPECT_EQ(t[10].nameString(), "P9"); // P10 dropped
    enterCoinTopScore(t, "P9", 8500);    // up past every lower entry
    EXPECT_EQ(t[3].nameString(), "P9");
    EXPECT_EQ(t[4].nameString(), "P3");
    EXPECT_EQ(t[10].nameString(), "P8");
    enterCoinTopScore(t, "P5", 8000); // equal to P3's 8000: stays below it
    EXPECT_EQ(t[5].nameString(), "P5");
    EXPECT_EQ(t[4].nameString(), "P3");
}

TEST(BillionaireClub, AdmitsNewBillionairesOnce) {
    ScoreTable club{};
    EXPECT_FALSE(admitToBillionaireClub(club, "ANN", 999999999u));
    EXPECT_TRUE(admitToBillionaireClub(club, "ANN", 1000000000u));
    EXPECT_FALSE(admitToBillionaireClub(club, "ANN", 4000000000u)); // already a member
    EXPECT_TRUE(admitToBillionaireClub(club, "BEN", 4000000000u));
    EXPECT_EQ(club[1].nameString(), "BEN");
    EXPECT_EQ(club[2].nameString(), "ANN");
}

TEST(TopScores, AnEqualScoreGoesBelowTheOldOneAndTheTenthIsDropped) {
    ScoreTable t{};
    for (int i = 1; i <= 10; ++i)
        put(t, i, "P" + std::to_string(i), 1000u * (11 - i));
    EXPECT_TRUE(enterTopScore(t, "NEW", 8000));
    EXPECT_EQ(t[3].nameString(), "P3");
    EXPECT_EQ(t[4].nameString(), "NEW");
    EXPECT_EQ(t[10].nameString(), "P9");
    EXPECT_FALSE(enterTopScore(t, "LOW", 2000)); // no better than the last
    EXPECT_EQ(t[10].nameString(), "P9");
}
