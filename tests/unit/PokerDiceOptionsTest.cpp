// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/GameSettings.h"
#include "dialogs/GameOptions.h"
#include "dialogs/TNumPlayersDialog3.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

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

PokerDiceOptionsRecord opponentChoice(Opponent opponent) {
    PokerDiceOptionsRecord chosen;
    chosen.apprentice = opponent == Level::Apprentice;
    chosen.mage = opponent == Level::Mage;
    chosen.wizard = opponent == Level::Wizard;
    chosen.player2 = !opponent;
    return chosen;
}

const Opponent allOpponents[] = {std::nullopt, Level::Apprentice, Level::Mage, Level::Wizard};

QApplication& app() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "unit_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics may already be gone at exit.
    static QApplication* application =
        qApp ? qApp : new QApplication(argc, argv); // another suite may have made it
    return *application;
}

} // namespace

// ---- what the dialog decides ----

TEST(PokerDiceOptions, TheDialogOpensOnTheCurrentSettings) {
    PreferencesRecord r = withTally();
    for (Opponent opponent : allOpponents) {
        PokerDiceSettings(r).setOpponent(opponent);
        const PokerDiceOptionsRecord fill = fillPokerDiceOptions(r);
        const PokerDiceOptionsRecord expected = opponentChoice(opponent);
        EXPECT_EQ(fill.apprentice, expected.apprentice);
        EXPECT_EQ(fill.mage, expected.mage);
        EXPECT_EQ(fill.wizard, expected.wizard);
        EXPECT_EQ(fill.player2, expected.player2);
        EXPECT_FALSE(fill.changeFirstName || fill.changeSecondName);
        EXPECT_TRUE(fill.name.empty());
        EXPECT_FALSE(fill.resetCoins);
    }
    // 3 rolls checks "3 rolls"; anything else "2 rolls".
    EXPECT_TRUE(fillPokerDiceOptions(r).threeRolls);
    EXPECT_FALSE(fillPokerDiceOptions(r).twoRolls);
    r.rollsPerTurn = 2;
    EXPECT_TRUE(fillPokerDiceOptions(r).twoRolls);
    EXPECT_FALSE(fillPokerDiceOptions(r).threeRolls);
    EXPECT_FALSE(fillPokerDiceOptions(r).acesWild);
    r.acesWild = 1;
    EXPECT_TRUE(fillPokerDiceOptions(r).acesWild);
    // The levels of 10,000 are not those of Poker Dice.
    PreferencesRecord other = withTally();
    other.tenThouWizard = 1;
    EXPECT_EQ(PokerDiceSettings(other).opponent(), Opponent{});
}

TEST(PokerDiceOptions, ChoosingTheOpponentAlreadySetChangesNothing) {
    for (Opponent opponent : allOpponents) {
        PreferencesRecord r = withTally();
        PokerDiceSettings(r).setOpponent(opponent);
        const auto before = r.toBytes();
        const PokerDiceOptionsRecord same = fillPokerDiceOptions(r);
        EXPECT_FALSE(applyPokerDiceOpponent(same, r));
        EXPECT_FALSE(applyPokerDiceName(same, r));
        EXPECT_FALSE(applyPokerDiceRolls(same, r));
        EXPECT_FALSE(applyPokerDiceAcesWild(same, r));
        EXPECT_EQ(r.toBytes(), before) << testing::PrintToString(opponent);
    }
}

TEST(PokerDiceOptions, ASecondPersonLeavingTheSeatKeepsTheirCoinsInTheTally) {
    for (Level level : {Level::Apprentice, Level::Mage, Level::Wizard}) {
        PreferencesRecord r = withTally();
        PokerDiceSettings(r).setOpponent(Opponent{});
        const std::optional<Opponent> next = applyPokerDiceOpponent(opponentChoice(level), r);
        ASSERT_TRUE(next);
        EXPECT_EQ(*next, level);
        EXPECT_EQ(PokerDiceSettings(r).opponent(), level);
        EXPECT_EQ(r.coinTally[1].value, 9000); // BEN's coins stored
        EXPECT_EQ(r.player2Coins, 9000u);
        EXPECT_EQ(r.coinTally[2].value, 4321); // ANN's untouched
    }
}

TEST(PokerDiceOptions, ChangingFromOneLevelToAnotherStoresNothing) {
    PreferencesRecord r = withTally();
    PokerDiceSettings(r).setOpponent(Level::Mage);
    ASSERT_TRUE(applyPokerDiceOpponent(opponentChoice(Level::Wizard), r));
    EXPECT_EQ(r.pokerDiceWizard, 1);
    EXPECT_EQ(r.pokerDiceMage + r.pokerDiceApprentice, 0);
    EXPECT_EQ(r.coinTally[1].value, 1234);
}

TEST(PokerDiceOptions, ASecondPersonTakingTheSeatAdoptsTheTallysCoins) {
    PreferencesRecord r = withTally();
    PokerDiceSettings(r).setOpponent(Level::Wizard);
    const std::optional<Opponent> next = applyPokerDiceOpponent(opponentChoice(Opponent{}), r);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, Opponent{});
    EXPECT_EQ(r.pokerDiceApprentice + r.pokerDiceMage + r.pokerDiceWizard, 0);
    EXPECT_EQ(r.player2Coins, 1234u);
    EXPECT_EQ(r.player1Coins, 7000u);
}

TEST(PokerDiceOptions, TheFirstCheckedOpponentThatDiffersWins) {
    PreferencesRecord r = withTally();
    PokerDiceSettings(r).setOpponent(Level::Apprentice);
    PokerDiceOptionsRecord chosen;
    chosen.apprentice = chosen.wizard = chosen.player2 = true;
    EXPECT_EQ(applyPokerDiceOpponent(chosen, r), Level::Wizard);
    EXPECT_EQ(chosenOpponent(false, false, false, false, Level::Mage), std::nullopt);
    EXPECT_EQ(chosenOpponent(false, true, false, true, Level::Mage),
              std::make_optional<Opponent>());
}

TEST(PokerDiceOptions, ARenamedPlayerStoresTheOldNamesCoinsAndAdoptsTheNewOnes) {
    PreferencesRecord r = withTally();
    PokerDiceOptionsRecord chosen = fillPokerDiceOptions(r);
    chosen.changeFirstName = true;
    chosen.name = "carl";
    EXPECT_TRUE(applyPokerDiceName(chosen, r));
    EXPECT_EQ(r.player1(), "CARL");
    EXPECT_EQ(r.player1Coins, 80000u);
    EXPECT_EQ(r.coinTally[2].nameString(), "ANN");
    EXPECT_EQ(r.coinTally[2].value, 7000); // ANN's balance kept for her return
    EXPECT_EQ(r.player2(), "BEN");
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

TEST(PokerDiceOptions, ANameNeedsTextAndAChoiceOfPlayer) {
    PreferencesRecord r = withTally();
    const auto before = r.toBytes();
    PokerDiceOptionsRecord chosen;
    chosen.changeFirstName = true; // nothing typed
    EXPECT_FALSE(applyPokerDiceName(chosen, r));
    chosen.changeFirstName = false;
    chosen.name = "eve"; // typed, nobody chosen
    EXPECT_FALSE(applyPokerDiceName(chosen, r));
    EXPECT_EQ(r.toBytes(), before);
}

TEST(PokerDiceOptions, TheNumberOfRollsChangesOnlyToTheOtherValue) {
    PreferencesRecord r = withTally();
    PokerDiceOptionsRecord chosen;
    chosen.threeRolls = true;
    EXPECT_FALSE(applyPokerDiceRolls(chosen, r)); // already 3
    chosen = {};
    chosen.twoRolls = true;
    EXPECT_EQ(applyPokerDiceRolls(chosen, r), 2);
    EXPECT_EQ(r.rollsPerTurn, 2);
    EXPECT_FALSE(applyPokerDiceRolls(chosen, r));
    chosen = {};
    EXPECT_FALSE(applyPokerDiceRolls(chosen, r)); // neither checked
    chosen.threeRolls = true;
    EXPECT_EQ(applyPokerDiceRolls(chosen, r), 3);
    EXPECT_EQ(r.rollsPerTurn, 3);
}

TEST(PokerDiceOptions, AcesWildFollowsTheBox) {
    PreferencesRecord r = withTally();
    PokerDiceOptionsRecord chosen;
    chosen.acesWild = true;
    EXPECT_EQ(applyPokerDiceAcesWild(chosen, r), true);
    EXPECT_EQ(r.acesWild, 1);
    EXPECT_FALSE(applyPokerDiceAcesWild(chosen, r));
    chosen.acesWild = false;
    EXPECT_EQ(applyPokerDiceAcesWild(chosen, r), false);
    EXPECT_EQ(r.acesWild, 0);
}

// ---- the dialog ----

class PokerDiceDialog : public ::testing::Test {
protected:
    void SetUp() override { app(); }
};

TEST_F(PokerDiceDialog, HasItsCaptionControlsAndFill) {
    PokerDiceOptionsRecord fill;
    fill.mage = true;
    fill.threeRolls = true;
    fill.acesWild = true;
    TNumPlayersDialog3 dialog(nullptr, fill);
    EXPECT_EQ(dialog.resourceId(), 204);
    EXPECT_EQ(dialog.windowTitle(), "Options for Poker Dice");
    const std::pair<int, const char*> radios[] = {{101, "Play vs Apprentice"},
                                                  {102, "Play vs Mage"},
                                                  {103, "Play vs Wizard"},
                                                  {104, "Play vs Player 2"},
                                                  {105, "Change first player's name"},
                                                  {106, "Change second player's name"},
                                                  {111, "2 rolls"},
                                                  {112, "3 rolls"}};
    for (const auto& [id, text] : radios) {
        auto* radio = qobject_cast<QRadioButton*>(dialog.control(id));
        ASSERT_NE(radio, nullptr) << id;
        EXPECT_EQ(radio->text(), text);
    }
    auto* wild = qobject_cast<QCheckBox*>(dialog.control(113));
    auto* reset = qobject_cast<QCheckBox*>(dialog.control(114));
    ASSERT_TRUE(wild && reset);
    EXPECT_EQ(wild->text(), "Aces wild");
    EXPECT_EQ(reset->text(), "Reset coins to 5000");
    EXPECT_EQ(dialog.fieldSummary(),
              "101=0,102=1,103=0,104=0,105=0,106=0,107=,111=0,112=1,113=1,114=0");
    // It is wider than 10,000's dialog by the rolls and the other options.
    EXPECT_GT(dialog.width(), dialog.height());
}

TEST_F(PokerDiceDialog, TheGroupsAreIndependentAndTheRecordReadsTheControls) {
    PokerDiceOptionsRecord fill;
    fill.player2 = true;
    fill.twoRolls = true;
    TNumPlayersDialog3 dialog(nullptr, fill);
    qobject_cast<QRadioButton*>(dialog.control(103))->click();
    qobject_cast<QRadioButton*>(dialog.control(106))->click();
    qobject_cast<QRadioButton*>(dialog.control(112))->click();
    qobject_cast<QCheckBox*>(dialog.control(114))->click();
    for (char c : std::string("b0b-Longername")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString(QChar::fromLatin1(c)));
        QCoreApplication::sendEvent(dialog.control(107), &press);
    }
    const PokerDiceOptionsRecord r = dialog.record();
    EXPECT_TRUE(r.wizard);
    EXPECT_FALSE(r.player2);
    EXPECT_TRUE(r.changeSecondName);
    EXPECT_TRUE(r.threeRolls);
    EXPECT_FALSE(r.twoRolls);
    EXPECT_TRUE(r.resetCoins);
    EXPECT_FALSE(r.acesWild);
    EXPECT_EQ(r.name, "bbLonger"); // the name field's filter and limit
}
