// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RulesTestSupport.h"

#include "games/tenthousand/TenThouRules.h"

#include <string>
#include <vector>

using namespace tumbledown;
using namespace tumbledown::tenthousand;
using namespace tumbledown::testing;

namespace {

DiceSet dice(std::initializer_list<int> numbers) {
    return numbered<DiceSet>(numbers);
}

const DiceSet allSix = dice({1, 2, 3, 4, 5, 6});

// Rolls so that the dice in play show `faces` in die order. The draws are far
// above 6 so that only their remainder can give the face.
RollResult throwDice(TenThouRules& rules, const std::vector<int>& faces) {
    RandomSource random;
    for (int face : faces) {
        random.queueValues({6 * 12345 + face - 1});
    }
    const RollResult result = rules.roll(random);
    expectAllDrawsTaken(random); // one draw per die in play, none for a refused roll
    return result;
}

// Leaves the sixth die alone in play after scoring 1100.
void leaveOneDie(TenThouRules& rules) {
    throwDice(rules, {1, 1, 1, 5, 5, 3});
    rules.score(Pane::ThreeOnes);
    rules.score(Pane::SingleFive);
    rules.score(Pane::SingleFive);
}

PassResult bankHundred(TenThouRules& rules) {
    throwDice(rules, {1, 3, 3, 4, 4, 6});
    rules.score(Pane::SingleOne);
    return rules.pass();
}

// Whose turn (and who started), the turn scores and totals, each die's face
// with x out of play and h hidden, and the flags of the turn.
std::string state(const TenThouRules& r) {
    std::string s = r.current() == Seat::One ? "P1" : "P2";
    s += r.starter() == Seat::One ? " (P1)" : " (P2)";
    s += " turn " + std::to_string(r.turnScore(Seat::One)) + "/" +
         std::to_string(r.turnScore(Seat::Two)) + " total " + std::to_string(r.total(Seat::One)) +
         "/" + std::to_string(r.total(Seat::Two)) + " dice";
    for (int die = 1; die <= 6; ++die)
        s += " " + std::to_string(r.dieValue(die)) + (r.inPlay(die) ? "" : "x") +
             (r.shown(die) ? "" : "h");
    return s + " bonus " + std::to_string(r.bonusLevel()) + (r.mustRollAgain() ? " must" : "") +
           (r.firstChance() ? " first" : "") + (r.secondChance() ? " second" : "") +
           (r.recordEmpty() ? "" : " record") + (r.scoredThisRoll(r.current()) ? " scored" : "") +
           (r.firstRollOfTurn() ? " firstroll" : "");
}

std::vector<Pane> holding(const TenThouRules& rules) {
    std::vector<Pane> panes;
    for (Pane p : scoringPanes) {
        if (rules.test(p)) {
            panes.push_back(p);
        }
    }
    return panes;
}

} // namespace

TEST(TenThouScoring, NothingScoresOrPassesBeforeTheFirstRoll) {
    TenThouRules rules;
    EXPECT_TRUE(holding(rules).empty());
    EXPECT_FALSE(rules.score(Pane::SingleOne).scored);
    EXPECT_EQ(rules.pass().outcome, PassOutcome::Refused);
    EXPECT_EQ(rules.current(), Seat::One);
}

// Every roll of six dice, with each die in turn off the board or out of play:
// each pane holds, scores and sinks as the counting dice show, against a
// count of the faces.
TEST(TenThouScoring, EveryRollScoresWhatItsCountingDiceShow) {
    const std::pair<int, int> takes[] = {{0, 3000}, {0, 1500}, {1, 1000}, {6, 600}, {5, 500},
                                         {4, 400},  {3, 300},  {2, 200},  {1, 100}, {5, 50}};
    for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6 * 7; ++code) {
        std::array<int, 7> values{};
        for (int die = 1, rest = code; die <= 6; ++die, rest /= 6)
            values[die] = rest % 6 + 1;
        const int left = code / 46656; // 0: every die counts
        DiceSet inPlay = allSix, shown = allSix;
        if (left)
            (code % 2 ? inPlay : shown).reset(left);
        TenThouRules rules;
        rules.setDiceForTest(values, inPlay, shown);
        std::array<int, 7> count{};
        for (int die = 1; die <= 6; ++die)
            count[values[die]] += die != left;
        bool straight = left == 0, pairs = left == 0, any = false;
        for (int face = 1; face <= 6; ++face) {
            straight = straight && count[face] == 1;
            pairs = pairs && count[face] % 2 == 0;
        }
        for (std::size_t i = 0; i < scoringPanes.size(); ++i) {
            const Pane pane = scoringPanes[i];
            const auto [face, points] = takes[i];
            const int dice = i < 2 ? 6 : i < 8 ? 3 : 1;
            const bool holds = i == 0 ? straight : i == 1 ? pairs : count[face] >= dice;
            any = any || holds;
            ASSERT_EQ(rules.test(pane), holds) << code << " pane " << i;
            TenThouRules after = rules;
            ASSERT_EQ(after.score(pane).scored, holds) << code << " pane " << i;
            if (!holds)
                continue;
            DiceSet first; // the first dice in die order that show the face
            for (int die = 1; die <= 6 && int(first.count()) < dice; ++die)
                if (die != left && (face == 0 || values[die] == face))
                    first.set(die);
            TenThouRules taken = rules;
            ASSERT_EQ(taken.score(pane).sunk, first) << code << " pane " << i;
            ASSERT_EQ(taken.turnScore(Seat::One), points);
            ASSERT_TRUE(taken.recordHolds(pane));
            ASSERT_TRUE(taken.scoredThisRoll(Seat::One));
            ASSERT_FALSE(taken.scoredThisRoll(Seat::Two));
            ASSERT_EQ(taken.mustRollAgain(), face == 0);
        }
        ASSERT_EQ(rules.anyScoring(), any) << code;
    }
}

TEST(TenThouScoring, TakingASingleFirstBreaksTheStraight) {
    TenThouRules rules;
    throwDice(rules, {3, 1, 4, 6, 5, 2});
    TenThouRules straight = rules;
    straight.score(Pane::Straight);
    EXPECT_EQ(straight.pass().outcome, PassOutcome::MustRollAgain);
    TenThouRules undone = straight; // the undo gives back all six and the obligation
    EXPECT_EQ(undone.undo(Pane::Straight).risen, allSix);
    EXPECT_FALSE(undone.mustRollAgain());
    EXPECT_EQ(undone.turnScore(Seat::One), 0);
    EXPECT_TRUE(undone.test(Pane::Straight));
    EXPECT_EQ(undone.pass().outcome, PassOutcome::Refused);
    const RollResult again = throwDice(straight, {2, 3, 4, 6, 6, 3});
    EXPECT_EQ(again.risen, allSix);
    EXPECT_FALSE(straight.mustRollAgain());

    EXPECT_EQ(rules.score(Pane::SingleOne).sunk, dice({2}));
    EXPECT_FALSE(rules.score(Pane::Straight).scored);
    EXPECT_EQ(rules.turnScore(Seat::One), 100);
    EXPECT_FALSE(rules.mustRollAgain());
    // Die 2 keeps showing 1 out of play: five dice showing 2..6 are no straight.
    throwDice(rules, {2, 3, 4, 5, 6});
    EXPECT_EQ(holding(rules), std::vector<Pane>{Pane::SingleFive});
}

TEST(TenThouScoring, FourTwosOnTheRolledDiceAreADisaster) {
    TenThouRules rules;
    rules.setScoresForTest(Seat::One, 700, 4200);
    ASSERT_TRUE(throwDice(rules, {2, 2, 6, 2, 2, 1}).disaster);
    rules.loseAll();
    EXPECT_EQ(rules.total(Seat::One), 0);
    const PassResult p = rules.pass();
    EXPECT_EQ(p.outcome, PassOutcome::Banked);
    EXPECT_EQ(p.turnEnd.sunk, allSix);
    // The 2's are cleared so that the test cannot fire again.
    EXPECT_EQ(state(rules),
              "P2 (P1) turn 0/0 total 0/0 dice 1h 1h 1h 1h 1h 1h bonus 500 firstroll");
    EXPECT_FALSE(throwDice(rules, {1, 3, 3, 4, 4, 6}).disaster);
    EXPECT_FALSE(rules.disasterRolled());

    // Three 2's score; 2's taken earlier in the turn are not part of a roll.
    TenThouRules three;
    EXPECT_FALSE(throwDice(three, {2, 6, 2, 4, 2, 3}).disaster);
    EXPECT_TRUE(three.score(Pane::ThreeTwos).scored);
    EXPECT_EQ(three.turnScore(Seat::One), 200);
    EXPECT_FALSE(throwDice(three, {2, 2, 1}).disaster);
}

TEST(TenThouScoring, PassBeforeTheFirstRollIgnoresTwosLeftFromTheLastTurn) {
    TenThouRules rules;
    throwDice(rules, {2, 2, 2, 3, 4, 6});
    rules.score(Pane::ThreeTwos);
    throwDice(rules, {2, 5, 3});
    rules.score(Pane::SingleFive);
    ASSERT_EQ(rules.pass().outcome, PassOutcome::Banked);
    ASSERT_EQ(rules.dieValue(4), 2); // four dice in play now show 2, none on the board

    EXPECT_EQ(rules.pass().outcome, PassOutcome::Refused);
    EXPECT_EQ(rules.current(), Seat::Two);
    EXPECT_TRUE(throwDice(rules, {1, 3, 3, 4, 4, 6}).allowed);
}

TEST(TenThouUndo, ThreeOnesComeBackWalkingDownFromDieSix) {
    TenThouRules rules;
    throwDice(rules, {1, 1, 3, 1, 4, 1});
    EXPECT_EQ(rules.score(Pane::ThreeOnes).sunk, dice({1, 2, 4}));
    const UndoResult u = rules.undo(Pane::ThreeOnes);
    EXPECT_TRUE(u.undone);
    EXPECT_EQ(u.risen, dice({1, 2, 4})); // die 6 is still in play and is skipped
    EXPECT_EQ(state(rules), "P1 (P1) turn 0/0 total 0/0 dice 1 1 3 1 4 1 bonus 500");
    EXPECT_FALSE(rules.undo(Pane::ThreeOnes).undone);
    EXPECT_FALSE(throwDice(rules, {}).allowed);
}

TEST(TenThouUndo, MayBringBackADieOfAnEarlierRoll) {
    TenThouRules rules;
    throwDice(rules, {2, 3, 4, 6, 3, 1});
    rules.score(Pane::SingleOne); // die 6
    throwDice(rules, {1, 3, 4, 6, 2});
    EXPECT_EQ(rules.score(Pane::SingleOne).sunk, dice({1}));
    EXPECT_EQ(rules.undo(Pane::SingleOne).risen, dice({6}));
    EXPECT_EQ(state(rules), "P1 (P1) turn 100/0 total 0/0 dice 1xh 3 4 6 2 1 bonus 500");
    EXPECT_TRUE(rules.test(Pane::SingleOne));
}

TEST(TenThouUndo, OnlyPanesOfThisRollAndOneOccurrence) {
    TenThouRules rules;
    throwDice(rules, {5, 3, 3, 4, 4, 6});
    rules.score(Pane::SingleFive);
    EXPECT_FALSE(rules.undo(Pane::SingleOne).undone);
    throwDice(rules, {1, 5, 5, 2, 6});
    EXPECT_FALSE(rules.undo(Pane::SingleFive).undone); // scored in the last roll
    EXPECT_EQ(rules.turnScore(Seat::One), 50);

    rules.score(Pane::SingleFive);
    rules.score(Pane::SingleFive);
    EXPECT_EQ(rules.undo(Pane::SingleFive).risen, dice({4}));
    EXPECT_TRUE(rules.recordHolds(Pane::SingleFive));
    EXPECT_EQ(state(rules),
              "P1 (P1) turn 100/0 total 0/0 dice 5xh 1 5xh 5 2 6 bonus 500 record scored");
}

TEST(TenThouUndo, RecordKeepsSixCodesAndDropsASeventh) {
    TenThouRules rules;
    throwDice(rules, {1, 1, 1, 1, 1, 1});
    for (int i = 0; i < 6; ++i) {
        rules.score(Pane::SingleOne);
    }
    // A die back on the board within the roll: it scores, its code finds no slot.
    rules.setDiceForTest({0, 5, 1, 1, 1, 1, 1}, dice({1}), dice({1}));
    EXPECT_TRUE(rules.score(Pane::SingleFive).scored);
    EXPECT_EQ(rules.turnScore(Seat::One), 650);
    // Each undo shifts the slots below up; nothing may surface from below slot 2.
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(rules.recordHolds(Pane::SingleFive));
        EXPECT_TRUE(rules.undo(Pane::SingleOne).undone) << i;
    }
    EXPECT_TRUE(rules.recordEmpty());
    EXPECT_FALSE(rules.undo(Pane::SingleFive).undone);
}

TEST(TenThouBonus, RisesBy500AndUndoOfASingleTakesTheLatestBack) {
    TenThouRules rules;
    rules.setChancesForTest(true, false);
    rules.setDiceForTest({0, 1, 3, 3, 3, 3, 3}, dice({1}), dice({1}));
    rules.score(Pane::SingleOne);
    EXPECT_EQ(rules.turnScore(Seat::One), 600);

    rules.setChancesForTest(false, true);
    rules.setDiceForTest({0, 1, 5, 3, 3, 3, 3}, dice({2}), dice({2}));
    rules.score(Pane::SingleFive);
    EXPECT_EQ(rules.turnScore(Seat::One), 600 + 1050);

    rules.setDiceForTest({0, 1, 5, 1, 3, 3, 3}, dice({3}), dice({3}));
    rules.score(Pane::SingleOne);
    EXPECT_EQ(rules.turnScore(Seat::One), 600 + 1050 + 1600);
    EXPECT_EQ(rules.bonusLevel(), 2000);

    EXPECT_EQ(rules.undo(Pane::SingleOne).risen, dice({3}));
    EXPECT_EQ(rules.turnScore(Seat::One), 600 + 1050);
    rules.score(Pane::SingleOne);
    EXPECT_EQ(rules.turnScore(Seat::One), 600 + 1050 + 600);
}

TEST(TenThouBonus, GivenBackByAnyUndoOfASingleButNotOfATriple) {
    TenThouRules rules;
    rules.setChancesForTest(true, false);
    rules.setDiceForTest({0, 1, 3, 3, 3, 3, 3}, dice({1}), dice({1}));
    rules.score(Pane::SingleOne);
    rules.setChancesForTest(false, false);
    rules.setDiceForTest({0, 1, 3, 3, 3, 5, 6}, dice({2, 3, 4, 5, 6}), dice({2, 3, 4, 5, 6}));
    rules.score(Pane::ThreeThrees);
    rules.undo(Pane::ThreeThrees);
    EXPECT_EQ(rules.turnScore(Seat::One), 600);
    EXPECT_EQ(rules.bonusLevel(), 1000);

    rules.score(Pane::SingleFive); // no chance open: no bonus
    EXPECT_EQ(rules.turnScore(Seat::One), 650);
    rules.undo(Pane::SingleFive);
    EXPECT_EQ(rules.turnScore(Seat::One), 100);
    EXPECT_EQ(rules.bonusLevel(), 500);
}

TEST(TenThouTurn, LoneDieMissesTwiceAndBusts) {
    TenThouRules rules;
    leaveOneDie(rules);
    const RollResult first = throwDice(rules, {4});
    EXPECT_EQ(first.sunk, dice({6}));
    EXPECT_EQ(first.risen, dice({6}));
    EXPECT_EQ(state(rules),
              "P1 (P1) turn 1100/0 total 0/0 dice 1xh 1xh 1xh 5xh 5xh 4 bonus 500 first");

    EXPECT_TRUE(throwDice(rules, {3}).allowed);
    EXPECT_EQ(state(rules),
              "P1 (P1) turn 1100/0 total 0/0 dice 1xh 1xh 1xh 5xh 5xh 3 bonus 500 second");

    EXPECT_FALSE(throwDice(rules, {}).allowed);
    const PassResult p = rules.pass();
    EXPECT_EQ(p.outcome, PassOutcome::Bust);
    EXPECT_EQ(p.turnEnd.sunk, dice({6}));
    EXPECT_EQ(state(rules),
              "P2 (P1) turn 0/0 total 0/0 dice 1h 1h 1h 5h 5h 3h bonus 500 firstroll");
}

TEST(TenThouTurn, LoneDieHitEarnsTheBonusThenAllSixGoAgain) {
    TenThouRules rules;
    leaveOneDie(rules);
    throwDice(rules, {4});
    throwDice(rules, {5});
    rules.score(Pane::SingleFive);
    EXPECT_EQ(rules.turnScore(Seat::One), 1100 + 550);
    TenThouRules banker = rules; // all six scored may bank as well
    EXPECT_EQ(banker.pass().outcome, PassOutcome::Banked);
    EXPECT_EQ(banker.total(Seat::One), 1650);

    // All six scored: all six rise again, none left lying.
    const RollResult again = throwDice(rules, {2, 3, 4, 6, 6, 1});
    EXPECT_EQ(again.risen, allSix);
    EXPECT_TRUE(again.sunk.none());
    rules.score(Pane::SingleOne);
    EXPECT_EQ(state(rules),
              "P1 (P1) turn 1750/0 total 0/0 dice 2 3 4 6 6 1xh bonus 1000 record scored");
    EXPECT_EQ(rules.pass().outcome, PassOutcome::Banked);
    EXPECT_EQ(state(rules),
              "P2 (P1) turn 0/0 total 1750/0 dice 2h 3h 4h 6h 6h 1h bonus 500 firstroll");
}

TEST(TenThouTurn, RollNeedsAScoreSinceTheLastRoll) {
    TenThouRules rules;
    throwDice(rules, {1, 1, 1, 2, 3, 4});
    EXPECT_FALSE(throwDice(rules, {}).allowed);
    rules.score(Pane::ThreeOnes);
    const RollResult r = throwDice(rules, {6, 6, 5});
    EXPECT_EQ(r.sunk, dice({4, 5, 6})); // the dice left lying
    EXPECT_EQ(r.risen, dice({4, 5, 6}));
    EXPECT_EQ(state(rules), "P1 (P1) turn 1000/0 total 0/0 dice 1xh 1xh 1xh 6 6 5 bonus 500");
}

TEST(TenThouTurn, PassBanksRefusesOrBusts) {
    TenThouRules rules;
    rules.setScoresForTest(Seat::One, 350, 2000);
    throwDice(rules, {1, 3, 3, 4, 4, 6});
    EXPECT_EQ(rules.pass().outcome, PassOutcome::Refused); // the 1 is still open
    rules.score(Pane::SingleOne);
    const PassResult p = rules.pass();
    EXPECT_EQ(p.outcome, PassOutcome::Banked);
    EXPECT_EQ(p.turnEnd.finished, Seat::One);
    EXPECT_EQ(p.turnEnd.sunk, dice({2, 3, 4, 5, 6}));
    EXPECT_EQ(state(rules),
              "P2 (P1) turn 0/0 total 2450/0 dice 1h 3h 3h 4h 4h 6h bonus 500 firstroll");

    rules.setScoresForTest(Seat::Two, 800, 1200);
    throwDice(rules, {2, 3, 4, 6, 6, 3});
    EXPECT_EQ(rules.pass().outcome, PassOutcome::Bust);
    EXPECT_EQ(state(rules),
              "P1 (P1) turn 0/0 total 2450/1200 dice 2h 3h 4h 6h 6h 3h bonus 500 firstroll");
}

TEST(TenThouGame, EndsOnlyWhenTheTurnReturnsToTheStarter) {
    TenThouRules rules;
    rules.setScoresForTest(Seat::One, 0, 9950);
    rules.setScoresForTest(Seat::Two, 0, 9000);
    EXPECT_FALSE(bankHundred(rules).turnEnd.gameOver); // player two still has a turn
    rules.setScoresForTest(Seat::Two, 1100, 9000);
    EXPECT_TRUE(bankHundred(rules).turnEnd.gameOver);
    const GameResult r = rules.result();
    EXPECT_FALSE(r.tie);
    EXPECT_EQ(r.winner, Seat::Two);
    EXPECT_EQ(r.winnerTotal, 10200);
    EXPECT_EQ(r.nextStarter, Seat::Two);

    // The non-starter reaching exactly the goal ends the game at the end of that turn.
    TenThouRules second;
    second.setCurrentForTest(Seat::Two, Seat::One);
    second.setScoresForTest(Seat::One, 0, 5000);
    second.setScoresForTest(Seat::Two, 0, 9800);
    EXPECT_FALSE(bankHundred(second).turnEnd.gameOver);
    EXPECT_FALSE(bankHundred(second).turnEnd.gameOver);
    const PassResult last = bankHundred(second);
    EXPECT_TRUE(last.turnEnd.gameOver);
    EXPECT_EQ(last.turnEnd.finished, Seat::Two);
    EXPECT_EQ(second.result().winner, Seat::Two);
    EXPECT_EQ(second.result().winnerTotal, 10000);
}

TEST(TenThouGame, EqualTotalsTie) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::One, Seat::Two);
    rules.setScoresForTest(Seat::One, 0, 10100);
    rules.setScoresForTest(Seat::Two, 0, 10200);
    EXPECT_TRUE(bankHundred(rules).turnEnd.gameOver);
    EXPECT_TRUE(rules.result().tie);
    EXPECT_EQ(rules.result().nextStarter, Seat::One);
}

TEST(TenThouGame, FirstPlayerComesFromTheThirdDraw) {
    // k = r mod 20 + 1; 1..10 is player one. The first two draws would choose the other.
    const std::pair<std::int32_t, Seat> cases[] = {
        {20, Seat::One}, {9, Seat::One}, {10, Seat::Two}, {39, Seat::Two}};
    for (const auto& [third, seat] : cases) {
        TenThouRules rules;
        rules.setCurrentForTest(other(seat), other(seat));
        RandomSource random;
        const std::int32_t decoy = seat == Seat::One ? 15 : 3;
        random.queueValues({decoy, decoy, third});
        EXPECT_EQ(rules.chooseFirstPlayer(random), seat) << third;
        EXPECT_EQ(rules.starter(), seat);
        EXPECT_EQ(rules.current(), seat);
        expectAllDrawsTaken(random);
    }
}

TEST(TenThouGame, NewGameAlternatesTheStarterAndNewFirstPlayerLeadsIt) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::Two, Seat::One);
    rules.setScoresForTest(Seat::One, 300, 10400);
    throwDice(rules, {1, 2, 3, 4, 5, 6});
    rules.score(Pane::Straight);
    rules.setChancesForTest(true, true);
    rules.newGame();
    EXPECT_EQ(state(rules),
              "P2 (P2) turn 0/0 total 0/0 dice 1h 2h 3h 4h 5h 6h bonus 500 firstroll");
    rules.newGame();
    EXPECT_EQ(rules.starter(), Seat::One);

    for (const auto& [third, chosen] : {std::pair{4, Seat::One}, std::pair{14, Seat::Two}}) {
        for (Seat before : {Seat::One, Seat::Two}) {
            TenThouRules game;
            game.setCurrentForTest(before, before);
            throwDice(game, {1, 3, 3, 4, 4, 6});
            RandomSource random;
            random.queueValues({0, 0, third});
            EXPECT_EQ(game.newFirstPlayer(random), chosen);
            EXPECT_FALSE(game.shown(1));
            game.newGame();
            EXPECT_EQ(game.starter(), chosen);
            EXPECT_EQ(game.current(), chosen);
        }
    }
}
