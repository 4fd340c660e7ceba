// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/GameOptions.h"
#include "core/GameSettings.h"

#include <gtest/gtest.h>

using namespace tumbledown;

namespace {

// Two people with their balances in the tally, as a record of some history has them.
PreferencesRecord withTally() {
    PreferencesRecord r;
    r.setPlayer1("ANN");
    r.setPlayer2("BEN");
    r.player1Coins = 7000;
    r.player2Coins = 9000;
    r.rollsPerTurn = 3;
    r.coinTally[1].setName("BEN");
    r.coinTally[1].value = 1234;
    r.coinTally[2].setName("ANN");
    r.coinTally[2].value = 4321;
    r.coinTally[3].setName("CARL");
    r.coinTally[3].value = 80000;
    return r;
}

template <class Record> Record opponentChoice(Opponent opponent) {
    Record chosen;
    chosen.apprentice = opponent == Level::Apprentice;
    chosen.mage = opponent == Level::Mage;
    chosen.wizard = opponent == Level::Wizard;
    chosen.player2 = !opponent;
    return chosen;
}

const Opponent allOpponents[] = {std::nullopt, Level::Apprentice, Level::Mage, Level::Wizard};

// The name choice works alike in the three dialogs: it needs text and a
// player, the first player wins when both are chosen, and names go into capitals.
template <class Record, class Apply> void checkNameChoice(Apply apply) {
    PreferencesRecord r = withTally();
    r.shutTheBoxVsComputer = 1; // a second name is kept while the computer plays
    const auto before = r.toBytes();
    Record chosen;
    chosen.changeFirstName = true; // nothing typed
    EXPECT_FALSE(apply(chosen, r));
    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    EXPECT_FALSE(apply(chosen, r));
    chosen.changeSecondName = false;
    chosen.name = "carl"; // typed, but neither player chosen
    EXPECT_FALSE(apply(chosen, r));
    EXPECT_EQ(r.toBytes(), before);

    chosen.changeFirstName = chosen.changeSecondName = true;
    chosen.name = "dora";
    EXPECT_TRUE(apply(chosen, r));
    EXPECT_EQ(r.player1(), "DORA");
    EXPECT_EQ(r.player2(), "BEN");
    chosen.changeFirstName = false;
    chosen.name = "aLiCe";
    EXPECT_TRUE(apply(chosen, r));
    EXPECT_EQ(r.player1(), "DORA");
    EXPECT_EQ(r.player2(), "ALICE");
    EXPECT_EQ(r.shutTheBoxVsComputer, 1);
}

} // namespace

// Every change of opponent in both games with levels; in Poker Dice a second
// person leaving the seat keeps their coins in the tally, one taking it adopts
// the tally's coins, and a change of level moves no coins.
TEST(GameOptions, OnlyADifferentOpponentChangesTheRecordAndMovesTheSecondPersonsCoins) {
    for (Opponent from : allOpponents) {
        for (Opponent to : allOpponents) {
            SCOPED_TRACE(testing::PrintToString(from) + " to " + testing::PrintToString(to));
            PreferencesRecord ten = withTally();
            TenThouSettings(ten).setOpponent(from);
            PreferencesRecord poker = withTally();
            PokerDiceSettings(poker).setOpponent(from);
            const auto tenBefore = ten.toBytes(), pokerBefore = poker.toBytes();
            const auto nextTen =
                applyTenThouOpponent(opponentChoice<TenThouOptionsRecord>(to), ten);
            const auto nextPoker =
                applyPokerDiceOpponent(opponentChoice<PokerDiceOptionsRecord>(to), poker);
            if (from == to) {
                EXPECT_FALSE(nextTen);
                EXPECT_FALSE(nextPoker);
                const PokerDiceOptionsRecord same = fillPokerDiceOptions(poker);
                EXPECT_FALSE(applyPokerDiceName(same, poker));
                EXPECT_FALSE(applyPokerDiceRolls(same, poker));
                EXPECT_FALSE(applyPokerDiceAcesWild(same, poker));
                EXPECT_EQ(ten.toBytes(), tenBefore);
                EXPECT_EQ(poker.toBytes(), pokerBefore);
                continue;
            }
            ASSERT_TRUE(nextTen && nextPoker);
            EXPECT_EQ(*nextTen, to);
            EXPECT_EQ(*nextPoker, to);
            EXPECT_EQ(TenThouSettings(ten).opponent(), to);
            EXPECT_EQ(PokerDiceSettings(poker).opponent(), to);
            EXPECT_LE(ten.tenThouApprentice + ten.tenThouMage + ten.tenThouWizard, 1);
            EXPECT_LE(poker.pokerDiceApprentice + poker.pokerDiceMage + poker.pokerDiceWizard, 1);
            for (const PreferencesRecord* r : {&ten, &poker}) {
                EXPECT_EQ(r->player1(), "ANN");
                EXPECT_EQ(r->player2(), "BEN");
            }
            EXPECT_EQ(poker.coinTally[1].value, from ? 1234 : 9000); // BEN's coins
            EXPECT_EQ(poker.player2Coins, to ? 9000u : 1234u);
            EXPECT_EQ(poker.player1Coins, 7000u);
            EXPECT_EQ(poker.coinTally[2].value, 4321); // ANN's untouched
        }
    }
    // No opponent checked changes nothing; the first checked one that differs wins.
    PreferencesRecord r = withTally();
    TenThouSettings(r).setOpponent(Level::Wizard);
    EXPECT_FALSE(applyTenThouOpponent(TenThouOptionsRecord{}, r));
    EXPECT_EQ(TenThouSettings(r).opponent(), Level::Wizard);
    PokerDiceSettings(r).setOpponent(Level::Apprentice);
    PokerDiceOptionsRecord chosen;
    chosen.apprentice = chosen.wizard = chosen.player2 = true;
    EXPECT_EQ(applyPokerDiceOpponent(chosen, r), Level::Wizard);
    // Two levels set (only a damaged file has them): the first counts.
    PreferencesRecord two;
    two.tenThouMage = two.tenThouWizard = 1;
    EXPECT_EQ(TenThouSettings(two).opponent(), Level::Mage);

    for (const std::uint8_t vsComputer : {0, 1}) {
        PreferencesRecord box = withTally();
        box.shutTheBoxVsComputer = vsComputer;
        const auto before = box.toBytes();
        EXPECT_FALSE(applyShutTheBoxOpponent(fillShutTheBoxOptions(box), box));
        EXPECT_EQ(box.toBytes(), before);
        ShutTheBoxOptionsRecord other;
        other.vsComputer = !vsComputer;
        other.vsPlayer2 = vsComputer;
        const std::optional<bool> changed = applyShutTheBoxOpponent(other, box);
        ASSERT_TRUE(changed);
        EXPECT_EQ(*changed, !vsComputer);
        EXPECT_EQ(box.shutTheBoxVsComputer, vsComputer ? 0 : 1);
    }
}

TEST(GameOptions, NamesNeedTextAndAPlayerAndAreStoredInCapitals) {
    {
        SCOPED_TRACE("10,000");
        checkNameChoice<TenThouOptionsRecord>(applyTenThouName);
    }
    {
        SCOPED_TRACE("Shut The Box");
        checkNameChoice<ShutTheBoxOptionsRecord>(applyShutTheBoxName);
    }
    {
        SCOPED_TRACE("Poker Dice");
        checkNameChoice<PokerDiceOptionsRecord>(applyPokerDiceName);
    }
}

TEST(GameOptions, APokerDiceRenameStoresTheOldNamesCoinsAndAdoptsTheNewOnes) {
    PreferencesRecord r = withTally();
    PokerDiceOptionsRecord chosen = fillPokerDiceOptions(r);
    chosen.changeFirstName = true;
    chosen.name = "carl";
    EXPECT_TRUE(applyPokerDiceName(chosen, r));
    EXPECT_EQ(r.player1(), "CARL");
    EXPECT_EQ(r.player1Coins, 80000u);
    EXPECT_EQ(r.coinTally[2].nameString(), "ANN");
    EXPECT_EQ(r.coinTally[2].value, 7000); // ANN's balance kept for her return
    EXPECT_EQ(r.player2Coins, 9000u);

    // A name the tally does not know gets an entry of 5,000 at the top.
    chosen.changeFirstName = false;
    chosen.changeSecondName = true;
    chosen.name = "Dora";
    EXPECT_TRUE(applyPokerDiceName(chosen, r));
    EXPECT_EQ(r.player2(), "DORA");
    EXPECT_EQ(r.coinTally[1].nameString(), "DORA");
    EXPECT_EQ(r.coinTally[1].value, 5000);
    EXPECT_EQ(r.coinTally[2].nameString(), "BEN");
    EXPECT_EQ(r.coinTally[2].value, 9000);
}

// Aces wild turned off and three rolls chosen (the scenarios only turn it on
// and choose two).
TEST(GameOptions, PokerDiceAcesWildAndRollsChangeOnlyToTheOtherValue) {
    PreferencesRecord r = withTally();
    r.acesWild = 1;
    r.rollsPerTurn = 2;
    PokerDiceOptionsRecord chosen;
    chosen.acesWild = true;
    EXPECT_FALSE(applyPokerDiceAcesWild(chosen, r));
    chosen.acesWild = false;
    EXPECT_EQ(applyPokerDiceAcesWild(chosen, r), false);
    EXPECT_EQ(r.acesWild, 0);
    chosen.threeRolls = true;
    EXPECT_EQ(applyPokerDiceRolls(chosen, r), 3);
    EXPECT_EQ(r.rollsPerTurn, 3);
}
