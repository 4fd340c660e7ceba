// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NameRules.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace tumbledown;
using tumbledown::test::FakeHost;

// The names dialog's defaults and the clash box's caption and text are the
// scenarios'; here the ends of the alphabet, the reset name and the redraw.
TEST(NameRules, NamesGoIntoCapitalsAndTheSameNameTwiceIsRefused) {
    FakeHost host;
    std::string mixed = "zZaA";
    UpperCaseName(mixed);
    EXPECT_EQ(mixed, "ZZAA");
    PreferencesRecord r;
    applyEnteredNames(r, "Bob", "bOB");
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "PLAYERB");
    EXPECT_EQ(host.boxes.size(), 1u);

    r.setPlayer2("BOB");
    int redrawn = 0;
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
    EXPECT_NE(host.boxes[0].text.find("reset to\n'PLAYERA'."), std::string::npos);
}
