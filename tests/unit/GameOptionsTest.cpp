// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/GameOptions.h"
#include "core/GameSettings.h"
#include "core/NameRules.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace tumbledown;
using tumbledown::test::FakeHost;

namespace {

PreferencesRecord named(const std::string& first, const std::string& second) {
    PreferencesRecord r;
    r.setPlayer1(first);
    r.setPlayer2(second);
    return r;
}

TenThouOptionsRecord opponentChoice(Opponent opponent) {
    TenThouOptionsRecord chosen;
    chosen.apprentice = opponent == Level::Apprentice;
    chosen.mage = opponent == Level::Mage;
    chosen.wizard = opponent == Level::Wizard;
    chosen.player2 = !opponent;
    return chosen;
}

const Opponent allOpponents[] = {std::nullopt, Level::Apprentice, Level::Mage, Level::Wizard};

} // namespace

// ---- 10,000 ----

TEST(TenThouOptions, TheDialogOpensOnTheCurrentOpponentWithNoNameChoice) {
    PreferencesRecord r = named("ANN", "BEN");
    for (Opponent opponent : allOpponents) {
        TenThouSettings(r).setOpponent(opponent);
        const TenThouOptionsRecord fill = fillTenThouOptions(r);
        const TenThouOptionsRecord expected = opponentChoice(opponent);
        EXPECT_EQ(fill.apprentice, expected.apprentice);
        EXPECT_EQ(fill.mage, expected.mage);
        EXPECT_EQ(fill.wizard, expected.wizard);
        EXPECT_EQ(fill.player2, expected.player2);
        EXPECT_FALSE(fill.changeFirstName || fill.changeSecondName);
        EXPECT_TRUE(fill.name.empty());
    }
    // No level set at all: player 2 plays.
    PreferencesRecord none;
    EXPECT_TRUE(fillTenThouOptions(none).player2);
    // A record with two levels set (only a damaged file has them): the first.
    none.tenThouMage = none.tenThouWizard = 1;
    EXPECT_EQ(TenThouSettings(none).opponent(), Level::Mage);
    EXPECT_TRUE(fillTenThouOptions(none).mage);
    EXPECT_FALSE(fillTenThouOptions(none).wizard);
}

TEST(TenThouOptions, OnlyADifferentOpponentChangesTheRecordAndOnlyItsLevel) {
    for (Opponent from : allOpponents) {
        for (Opponent to : allOpponents) {
            PreferencesRecord r = named("ANN", "BEN");
            TenThouSettings(r).setOpponent(from);
            const auto before = r.toBytes();
            const std::optional<Opponent> next = applyTenThouOpponent(opponentChoice(to), r);
            if (from == to) {
                EXPECT_FALSE(next);
                EXPECT_EQ(r.toBytes(), before);
                continue;
            }
            ASSERT_TRUE(next);
            EXPECT_EQ(*next, to);
            EXPECT_EQ(TenThouSettings(r).opponent(), to);
            EXPECT_LE(r.tenThouApprentice + r.tenThouMage + r.tenThouWizard, 1);
            EXPECT_EQ(r.player1(), "ANN");
            EXPECT_EQ(r.player2(), "BEN");
        }
    }
}

TEST(TenThouOptions, NoOpponentCheckedChangesNothing) {
    PreferencesRecord r = named("ANN", "BEN");
    TenThouSettings(r).setOpponent(Level::Wizard);
    EXPECT_FALSE(applyTenThouOpponent(TenThouOptionsRecord{}, r));
    EXPECT_EQ(TenThouSettings(r).opponent(), Level::Wizard);
}

TEST(TenThouOptions, NewNamesAreStoredInCapitals) {
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen = fillTenThouOptions(r);
    chosen.changeFirstName = true;
    chosen.name = "bob";
    EXPECT_TRUE(applyTenThouName(chosen, r));
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "BEN");

    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    chosen.name = "aLiCe";
    EXPECT_TRUE(applyTenThouName(chosen, r));
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "ALICE");
}

TEST(TenThouOptions, ANameNeedsBothTextAndAChoiceOfPlayer) {
    PreferencesRecord r = named("ANN", "BEN");
    const auto before = r.toBytes();
    TenThouOptionsRecord chosen = fillTenThouOptions(r);
    chosen.changeFirstName = true; // empty name
    EXPECT_FALSE(applyTenThouName(chosen, r));
    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    EXPECT_FALSE(applyTenThouName(chosen, r));
    chosen.changeSecondName = false;
    chosen.name = "carl"; // typed, but neither player chosen
    EXPECT_FALSE(applyTenThouName(chosen, r));
    EXPECT_EQ(r.toBytes(), before);
}

TEST(TenThouOptions, FirstPlayerWinsWhenBothNameChoicesAreSet) {
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen;
    chosen.changeFirstName = chosen.changeSecondName = true;
    chosen.name = "dora";
    EXPECT_TRUE(applyTenThouName(chosen, r));
    EXPECT_EQ(r.player1(), "DORA");
    EXPECT_EQ(r.player2(), "BEN");
}

TEST(TenThouOptions, PlayerTwoTakingPlayerOnesNameIsReset) {
    FakeHost host;
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen = fillTenThouOptions(r);
    chosen.changeSecondName = true;
    chosen.name = "aNn";
    ASSERT_TRUE(applyTenThouName(chosen, r));
    EXPECT_EQ(r.player2(), "ANN"); // the clash check is the caller's next step

    std::size_t boxesWhenRedrawn = 99;
    CheckNameClash(r, [&] { boxesWhenRedrawn = host.boxes.size(); });
    EXPECT_EQ(r.player1(), "ANN");
    EXPECT_EQ(r.player2(), "PLAYERB");
    EXPECT_EQ(boxesWhenRedrawn, 0u); // the board shows the names before the warning
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].caption, "Warning");
    EXPECT_EQ(host.boxes[0].text.rfind("ANN may not be your own opponent.\n", 0), 0u);
}

// ---- Shut The Box ----

TEST(ShutTheBoxOptions, TheDialogOpensOnTheCurrentOpponentWithNoNameChoice) {
    PreferencesRecord r = named("ANN", "BEN");
    r.shutTheBoxVsComputer = 1;
    ShutTheBoxOptionsRecord fill = fillShutTheBoxOptions(r);
    EXPECT_TRUE(fill.vsComputer);
    EXPECT_FALSE(fill.vsPlayer2);
    EXPECT_FALSE(fill.changeFirstName || fill.changeSecondName);
    EXPECT_TRUE(fill.name.empty());
    r.shutTheBoxVsComputer = 0;
    fill = fillShutTheBoxOptions(r);
    EXPECT_FALSE(fill.vsComputer);
    EXPECT_TRUE(fill.vsPlayer2);
}

TEST(ShutTheBoxOptions, OnlyADifferentOpponentIsAChange) {
    for (const std::uint8_t vsComputer : {0, 1}) {
        PreferencesRecord r = named("ANN", "BEN");
        r.shutTheBoxVsComputer = vsComputer;
        const auto before = r.toBytes();
        EXPECT_FALSE(applyShutTheBoxOpponent(fillShutTheBoxOptions(r), r));
        EXPECT_EQ(r.toBytes(), before);

        ShutTheBoxOptionsRecord other;
        other.vsComputer = !vsComputer;
        other.vsPlayer2 = vsComputer;
        const std::optional<bool> changed = applyShutTheBoxOpponent(other, r);
        ASSERT_TRUE(changed);
        EXPECT_EQ(*changed, !vsComputer);
        EXPECT_EQ(r.shutTheBoxVsComputer, vsComputer ? 0 : 1);
    }
}

TEST(ShutTheBoxOptions, NamesFollowTheSameRules) {
    PreferencesRecord r = named("ANN", "BEN");
    r.shutTheBoxVsComputer = 1;
    ShutTheBoxOptionsRecord chosen = fillShutTheBoxOptions(r);
    chosen.changeSecondName = true;
    chosen.name = "fred";
    EXPECT_TRUE(applyShutTheBoxName(chosen, r));
    // Player 2's new name is kept while the computer plays.
    EXPECT_EQ(r.player2(), "FRED");
    EXPECT_EQ(r.shutTheBoxVsComputer, 1);

    chosen.changeSecondName = false;
    chosen.changeFirstName = true;
    chosen.name = "";
    EXPECT_FALSE(applyShutTheBoxName(chosen, r));
    chosen.name = "gus";
    EXPECT_TRUE(applyShutTheBoxName(chosen, r));
    EXPECT_EQ(r.player1(), "GUS");
}
