// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NameRules.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace tumbledown;
using tumbledown::test::FakeHost;

namespace {
const char* const clashText = " may not be your own opponent.\n"
                              "Second player's name is reset to\n"
                              "'PLAYERB'.  To change this name,\n"
                              "click on either player name.\n";
}

TEST(NameRules, EmptyEntriesTakeTheDefaultNamesAndNamesAreStoredInCapitals) {
    FakeHost host;
    PreferencesRecord r;
    applyEnteredNames(r, "", "");
    EXPECT_EQ(r.player1(), "PLAYERA");
    EXPECT_EQ(r.player2(), "PLAYERB");
    applyEnteredNames(r, "bob", "aLiCe");
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "ALICE");
    EXPECT_TRUE(host.boxes.empty());
    std::string mixed = "zZaA";
    UpperCaseName(mixed);
    EXPECT_EQ(mixed, "ZZAA");
}

TEST(NameRules, TheSameNameTwiceIsRefused) {
    FakeHost host;
    PreferencesRecord r;
    int redrawn = 0;
    applyEnteredNames(r, "Bob", "bOB");
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "PLAYERB");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].caption, "Warning");
    EXPECT_EQ(host.boxes[0].text, std::string("BOB") + clashText);

    r.setPlayer2("BOB");
    std::size_t boxesWhenRedrawn = 0;
    CheckNameClash(r, [&] {
        ++redrawn;
        boxesWhenRedrawn = host.boxes.size();
    });
    EXPECT_EQ(redrawn, 1);
    EXPECT_EQ(r.player2(), "PLAYERB");
    EXPECT_EQ(boxesWhenRedrawn, 1u); // the board shows the reset name before the box
    EXPECT_EQ(host.boxes.size(), 2u);
    CheckNameClash(r, [&] { ++redrawn; }); // no clash now
    EXPECT_EQ(redrawn, 1);
}

TEST(NameRules, PlayerBAsFirstNameMakesTheSecondPlayerA) {
    FakeHost host;
    PreferencesRecord r;
    applyEnteredNames(r, "playerb", "");
    EXPECT_EQ(r.player1(), "PLAYERB");
    EXPECT_EQ(r.player2(), "PLAYERA"); // never two players of one name
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "PLAYERB may not be your own opponent.\n"
                                  "Second player's name is reset to\n"
                                  "'PLAYERA'.  To change this name,\n"
                                  "click on either player name.\n");
}
