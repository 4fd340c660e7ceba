// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/GameOptions.h"
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

TenThouOptionsRecord opponentChoice(TenThouOpponent opponent) {
    TenThouOptionsRecord chosen;
    chosen.apprentice = opponent == TenThouOpponent::Apprentice;
    chosen.mage = opponent == TenThouOpponent::Mage;
    chosen.wizard = opponent == TenThouOpponent::Wizard;
    chosen.player2 = opponent == TenThouOpponent::Player2;
    return chosen;
}

const TenThouOpponent allOpponents[] = {TenThouOpponent::Player2, TenThouOpponent::Apprentice,
                                        TenThouOpponent::Mage, TenThouOpponent::Wizard};

} // namespace

// ---- 10,000 ----

TEST(TenThouOptions, TheDialogOpensOnTheCurrentOpponentWithNoNameChoice) {
    PreferencesRecord r = named("ANN", "BEN");
    for (TenThouOpponent opponent : allOpponents) {
        SetTenThouOpponent(r, opponent);
        const TenThouOptionsRecord fill = FillTenThouOptions(r);
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
    EXPECT_TRUE(FillTenThouOptions(none).player2);
    // A record with two levels set (only a damaged file has them): the first.
    none.tenThouMage = none.tenThouWizard = 1;
    EXPECT_EQ(TenThouOpponentOf(none), TenThouOpponent::Mage);
    EXPECT_TRUE(FillTenThouOptions(none).mage);
    EXPECT_FALSE(FillTenThouOptions(none).wizard);
}

TEST(TenThouOptions, ChoosingTheOpponentAlreadySetChangesNothing) {
    for (TenThouOpponent opponent : allOpponents) {
        PreferencesRecord r = named("ANN", "BEN");
        SetTenThouOpponent(r, opponent);
        const auto before = r.toBytes();
        const TenThouOptionsOutcome outcome = ApplyTenThouOptions(FillTenThouOptions(r), r);
        EXPECT_FALSE(outcome.newOpponent) << int(opponent);
        EXPECT_FALSE(outcome.nameChanged);
        EXPECT_EQ(r.toBytes(), before);
    }
}

TEST(TenThouOptions, ChangingTheOpponentSetsOnlyItsLevel) {
    for (TenThouOpponent from : allOpponents) {
        for (TenThouOpponent to : allOpponents) {
            if (from == to)
                continue;
            PreferencesRecord r = named("ANN", "BEN");
            SetTenThouOpponent(r, from);
            const TenThouOptionsOutcome outcome = ApplyTenThouOptions(opponentChoice(to), r);
            ASSERT_TRUE(outcome.newOpponent) << int(from) << "->" << int(to);
            EXPECT_EQ(*outcome.newOpponent, to);
            EXPECT_FALSE(outcome.nameChanged);
            EXPECT_EQ(TenThouOpponentOf(r), to);
            EXPECT_LE(r.tenThouApprentice + r.tenThouMage + r.tenThouWizard, 1);
            EXPECT_EQ(r.player1(), "ANN");
            EXPECT_EQ(r.player2(), "BEN");
        }
    }
}

TEST(TenThouOptions, NoOpponentCheckedChangesNothing) {
    PreferencesRecord r = named("ANN", "BEN");
    SetTenThouOpponent(r, TenThouOpponent::Wizard);
    EXPECT_FALSE(ApplyTenThouOpponent(TenThouOptionsRecord{}, r));
    EXPECT_EQ(TenThouOpponentOf(r), TenThouOpponent::Wizard);
}

TEST(TenThouOptions, NewNamesAreStoredInCapitals) {
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen = FillTenThouOptions(r);
    chosen.changeFirstName = true;
    chosen.name = "bob";
    TenThouOptionsOutcome outcome = ApplyTenThouOptions(chosen, r);
    EXPECT_TRUE(outcome.nameChanged);
    EXPECT_FALSE(outcome.newOpponent);
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "BEN");

    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    chosen.name = "aLiCe";
    outcome = ApplyTenThouOptions(chosen, r);
    EXPECT_TRUE(outcome.nameChanged);
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "ALICE");
}

TEST(TenThouOptions, ANameNeedsBothTextAndAChoiceOfPlayer) {
    PreferencesRecord r = named("ANN", "BEN");
    const auto before = r.toBytes();
    TenThouOptionsRecord chosen = FillTenThouOptions(r);
    chosen.changeFirstName = true; // empty name
    EXPECT_FALSE(ApplyTenThouOptions(chosen, r).nameChanged);
    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    EXPECT_FALSE(ApplyTenThouOptions(chosen, r).nameChanged);
    chosen.changeSecondName = false;
    chosen.name = "carl"; // typed, but neither player chosen
    EXPECT_FALSE(ApplyTenThouOptions(chosen, r).nameChanged);
    EXPECT_EQ(r.toBytes(), before);
}

TEST(TenThouOptions, FirstPlayerWinsWhenBothNameChoicesAreSet) {
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen;
    chosen.changeFirstName = chosen.changeSecondName = true;
    chosen.name = "dora";
    EXPECT_TRUE(ApplyTenThouName(chosen, r));
    EXPECT_EQ(r.player1(), "DORA");
    EXPECT_EQ(r.player2(), "BEN");
}

TEST(TenThouOptions, OpponentAndNameChangeInOneGo) {
    PreferencesRecord r = named("ANN", "BEN");
    SetTenThouOpponent(r, TenThouOpponent::Player2);
    TenThouOptionsRecord chosen = opponentChoice(TenThouOpponent::Mage);
    chosen.changeSecondName = true;
    chosen.name = "eve";
    const TenThouOptionsOutcome outcome = ApplyTenThouOptions(chosen, r);
    ASSERT_TRUE(outcome.newOpponent);
    EXPECT_EQ(*outcome.newOpponent, TenThouOpponent::Mage);
    EXPECT_TRUE(outcome.nameChanged);
    EXPECT_EQ(r.tenThouMage, 1);
    EXPECT_EQ(r.player2(), "EVE");
}

TEST(TenThouOptions, PlayerTwoTakingPlayerOnesNameIsReset) {
    FakeHost host;
    PreferencesRecord r = named("ANN", "BEN");
    TenThouOptionsRecord chosen = FillTenThouOptions(r);
    chosen.changeSecondName = true;
    chosen.name = "aNn";
    ASSERT_TRUE(ApplyTenThouOptions(chosen, r).nameChanged);
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
    ShutTheBoxOptionsRecord fill = FillShutTheBoxOptions(r);
    EXPECT_TRUE(fill.vsComputer);
    EXPECT_FALSE(fill.vsPlayer2);
    EXPECT_FALSE(fill.changeFirstName || fill.changeSecondName);
    EXPECT_TRUE(fill.name.empty());
    r.shutTheBoxVsComputer = 0;
    fill = FillShutTheBoxOptions(r);
    EXPECT_FALSE(fill.vsComputer);
    EXPECT_TRUE(fill.vsPlayer2);
}

TEST(ShutTheBoxOptions, OnlyADifferentOpponentIsAChange) {
    for (const std::uint8_t vsComputer : {0, 1}) {
        PreferencesRecord r = named("ANN", "BEN");
        r.shutTheBoxVsComputer = vsComputer;
        const auto before = r.toBytes();
        const ShutTheBoxOptionsOutcome same = ApplyShutTheBoxOptions(FillShutTheBoxOptions(r), r);
        EXPECT_FALSE(same.newVsComputer);
        EXPECT_FALSE(same.nameChanged);
        EXPECT_EQ(r.toBytes(), before);

        ShutTheBoxOptionsRecord other;
        other.vsComputer = !vsComputer;
        other.vsPlayer2 = vsComputer;
        const ShutTheBoxOptionsOutcome changed = ApplyShutTheBoxOptions(other, r);
        ASSERT_TRUE(changed.newVsComputer);
        EXPECT_EQ(*changed.newVsComputer, !vsComputer);
        EXPECT_EQ(r.shutTheBoxVsComputer, vsComputer ? 0 : 1);
    }
}

TEST(ShutTheBoxOptions, NamesFollowTheSameRules) {
    PreferencesRecord r = named("ANN", "BEN");
    r.shutTheBoxVsComputer = 1;
    ShutTheBoxOptionsRecord chosen = FillShutTheBoxOptions(r);
    chosen.changeSecondName = true;
    chosen.name = "fred";
    const ShutTheBoxOptionsOutcome outcome = ApplyShutTheBoxOptions(chosen, r);
    EXPECT_TRUE(outcome.nameChanged);
    EXPECT_FALSE(outcome.newVsComputer);
    // Player 2's new name is kept while the computer plays.
    EXPECT_EQ(r.player2(), "FRED");
    EXPECT_EQ(r.shutTheBoxVsComputer, 1);

    chosen.changeSecondName = false;
    chosen.changeFirstName = true;
    chosen.name = "";
    EXPECT_FALSE(ApplyShutTheBoxOptions(chosen, r).nameChanged);
    chosen.name = "gus";
    EXPECT_TRUE(ApplyShutTheBoxOptions(chosen, r).nameChanged);
    EXPECT_EQ(r.player1(), "GUS");
}
