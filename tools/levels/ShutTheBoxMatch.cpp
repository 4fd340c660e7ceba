// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxMatch.h"

#include "Invariant.h"

#include "games/shutthebox/ShutTheBoxComputer.h"
#include "platform/RandomSource.h"

#include <string>

namespace tumbledown::levels::shutthebox {

using namespace tumbledown::shutthebox;

namespace {

constexpr int maxThrowsPerTurn = 1000;

std::string where(const ShutTheBoxRules& rules) {
    std::string open;
    for (int box = 1; box <= boxCount; ++box)
        if (!rules.closed(box))
            open += std::to_string(box);
    return " (seat " + std::to_string(seatIndex(rules.toMove()) + 1) + ", open " +
           (open.empty() ? "none" : open) + ", throw " + std::to_string(rules.throwTotal()) +
           (rules.twoDice() ? "" : " with one die") + ")";
}

// `open` is the board as read once by the caller; the rules' own sums are
// checked against it.
void checkBoard(const ShutTheBoxRules& rules, Mask open) {
    require((rules.pendingBoxes() & ~rules.closedBoxes()).none() && !rules.closed(0) &&
                !rules.pending(0),
            [&] { return "Shut The Box: a pending box is open" + where(rules); });
    require(rules.roundScore(rules.toMove()) == sumOf(open),
            [&] { return "Shut The Box: the score does not follow the board" + where(rules); });
    for (Seat s : {Seat::One, Seat::Two})
        require(rules.total(s) >= 0 && rules.roundScore(s) >= 0 &&
                    rules.roundScore(s) <= openBoardSum,
                [&] { return "Shut The Box: a score left its limits" + where(rules); });
    require(rules.gremlinOdds() >= 6 && rules.gremlinOdds() <= 10,
            [&] { return "Shut The Box: the Gremlin's odds left 6..10" + where(rules); });
}

// Watches a turn as the real board would, checking each step against the
// board as it reads it.
class CheckingView final : public TurnView {
public:
    CheckingView(const ShutTheBoxRules& rules, bool gremlinOn)
        : rules_(rules), gremlinOn_(gremlinOn) {}

    Mask open() const { return open_; }
    int throws() const { return throws_; }
    int gremlinStrikes() const { return strikes_; }

    void cupPlayed(const CupResult& result, bool) override {
        if (result.outcome == CupOutcome::Rolled) {
            require(twoDice_ || !rules_.twoDice(), [&] {
                return "Shut The Box: two dice came back within a turn" + where(rules_);
            });
            twoDice_ = rules_.twoDice();
            ++throws_;
            require(throws_ <= maxThrowsPerTurn,
                    [&] { return "Shut The Box: a turn never ends" + where(rules_); });
            return;
        }
        require(throws_ > 0 && result.outcome != CupOutcome::MustPlay,
                [&] { return "Shut The Box: a throw was refused" + where(rules_); });
        require(!canMove_, [&] {
            return "Shut The Box: the rules say no move is left, but one is" + where(rules_);
        });
    }
    void pause() override {
        canMove_ = rules_.diceOut() && !closings(open_, rules_.throwTotal()).empty();
        checkBoard(rules_, open_);
    }
    void clicked(int box, BoxOutcome outcome) override {
        require(canMove_, [&] {
            return "Shut The Box: the rules say a move is left, but none is" + where(rules_);
        });
        const Mask bit = static_cast<Mask>(1u << (box - 1));
        require((open_ & bit) != 0 &&
                    (outcome == BoxOutcome::Shut || outcome == BoxOutcome::ThrowComplete),
                [&] {
                    return "Shut The Box: the rules refused box " + std::to_string(box) +
                           where(rules_);
                });
        open_ = static_cast<Mask>(open_ & ~bit);
        if (outcome == BoxOutcome::ThrowComplete)
            require(rules_.throwAwaitingCompletion() && maskOf(rules_.openBoxes()) == open_, [&] {
                return "Shut The Box: a completed throw is not complete" + where(rules_);
            });
    }
    void gremlinStrikes(int box) override {
        require(gremlinOn_ && box >= 1 && box <= boxCount,
                [&] { return "Shut The Box: the Gremlin struck off the board" + where(rules_); });
        wasClosed_ = rules_.closed(box);
        ++strikes_;
    }
    void flipped(const FlipResult& flip) override {
        require(flip.shut == !wasClosed_ && rules_.closed(flip.box) == !wasClosed_,
                [&] { return "Shut The Box: the Gremlin's flip went wrong" + where(rules_); });
        open_ ^= static_cast<Mask>(1u << (flip.box - 1));
    }
    void throwCompleted(bool) override {
        require(rules_.pendingBoxes().none() && !rules_.throwAwaitingCompletion() &&
                    maskOf(rules_.openBoxes()) == open_ && rules_.diceOut() == (open_ == 0),
                [&] { return "Shut The Box: the dice came back wrongly" + where(rules_); });
    }
    void oneDie() override {
        require((open_ & sevenToNine) == 0 && !rules_.diceOut(),
                [&] { return "Shut The Box: one die without 7, 8 and 9 shut" + where(rules_); });
    }

private:
    const ShutTheBoxRules& rules_;
    bool gremlinOn_;
    Mask open_ = allOpen;
    int throws_ = 0;
    int strikes_ = 0;
    bool twoDice_ = true;
    bool canMove_ = false;
    bool wasClosed_ = false;
};

} // namespace

std::vector<int> Player::boxesFor(const ShutTheBoxRules& rules) const {
    const Mask open = maskOf(rules.openBoxes());
    const Mask choice = choose(rules);
    require(choice != 0 && (choice & ~open) == 0 && sumOf(choice) == rules.throwTotal(),
            [&] { return "Shut The Box: the player chose boxes that do not fit" + where(rules); });
    std::vector<int> boxes;
    for (int box = 1; box <= boxCount; ++box)
        if (choice & (1u << (box - 1)))
            boxes.push_back(box);
    return boxes;
}

Mask ComputerPlayer::choose(const ShutTheBoxRules& rules) const {
    Mask choice = 0;
    for (int box : computerBoxes(rules)) {
        require(box >= 1 && box <= boxCount && (choice & (1u << (box - 1))) == 0,
                [&] { return "Shut The Box: the computer named a box twice" + where(rules); });
        choice |= static_cast<Mask>(1u << (box - 1));
    }
    return choice;
}

bool ComputerPlayer::wantsOneDie(const ShutTheBoxRules& rules) const {
    return computerWantsOneDie(rules);
}

const Policy& OptimalPlayer::policy(const ShutTheBoxRules& rules) const {
    return tables_.forTurn(gremlinOn_, rules.gremlinOdds()).policy;
}

Mask OptimalPlayer::choose(const ShutTheBoxRules& rules) const {
    const int dice = static_cast<int>(rules.twoDice() ? Dice::Two : Dice::One);
    return policy(rules).shut[dice][maskOf(rules.openBoxes())][rules.throwTotal()];
}

bool OptimalPlayer::wantsOneDie(const ShutTheBoxRules& rules) const {
    return rules.twoDice() && policy(rules).oneDie[maskOf(rules.openBoxes())];
}

TurnReport playTurn(ShutTheBoxRules& rules, const Player& player, bool gremlinOn,
                    RandomSource& random) {
    const Seat me = rules.toMove();
    require(maskOf(rules.openBoxes()) == allOpen && !rules.diceOut() && rules.twoDice() &&
                !rules.gameOver(),
            [&] { return "Shut The Box: a turn began on a played board" + where(rules); });
    const int othersTotal = rules.total(other(me));
    const int ownTotal = rules.total(me);
    // The other player's round score stands until the round is scored.
    const int othersRound = rules.roundScore(other(me));
    CheckingView view(rules, gremlinOn);
    TurnReport report;
    report.end = playComputerTurn(rules, player, gremlinOn, random, view);
    report.throws = view.throws();
    report.gremlinStrikes = view.gremlinStrikes();
    report.score = sumOf(view.open());
    const CupOutcome outcome = report.end.outcome;
    if (me == Seat::One) {
        require(outcome == CupOutcome::TurnPassed && rules.toMove() == Seat::Two &&
                    rules.roundScore(Seat::One) == report.score &&
                    rules.total(Seat::One) == ownTotal,
                [&] { return "Shut The Box: seat one's turn did not pass" + where(rules); });
    } else {
        // The round is scored: both totals grew by their round's score.
        require((outcome == CupOutcome::RoundScored || outcome == CupOutcome::GameEnded) &&
                    rules.total(Seat::Two) == ownTotal + report.score &&
                    rules.total(Seat::One) == othersTotal + othersRound,
                [&] { return "Shut The Box: the round was scored wrongly" + where(rules); });
        const bool reached = rules.total(Seat::One) >= goal || rules.total(Seat::Two) >= goal;
        require(reached == (outcome == CupOutcome::GameEnded), [&] {
            return "Shut The Box: the game's end came at the wrong time" + where(rules);
        });
    }
    return report;
}

void TurnTally::merge(const TurnTally& other) {
    score.merge(other.score);
    shut += other.shut;
}

void GameTally::merge(const GameTally& other) {
    played += other.played;
    won += other.won;
    lost += other.lost;
    tied += other.tied;
    turns += other.turns;
}

void playTurns(const Player& player, bool gremlinOn, std::int64_t turns, RandomSource& random,
               TurnTally& tally) {
    ShutTheBoxRules rules(random);
    for (std::int64_t i = 0; i < turns; ++i) {
        const TurnReport turn = playTurn(rules, player, gremlinOn, random);
        tally.score.add(turn.score);
        tally.shut += turn.score == 0 ? 1 : 0;
        if (turn.end.outcome == CupOutcome::GameEnded)
            require(rules.rollOrEndTurn(random).outcome == CupOutcome::NewGameStarted,
                    "Shut The Box: no new game after a finished one");
    }
}

void playGames(const Player& tested, const Player& opponent, bool gremlinOn, std::int64_t games,
               RandomSource& random, GameTally& tally) {
    ShutTheBoxRules rules(random);
    for (std::int64_t g = 0; g < games; ++g) {
        const Seat testedSeat = g % 2 == 0 ? Seat::One : Seat::Two;
        require(rules.total(Seat::One) == 0 && rules.total(Seat::Two) == 0 &&
                    rules.toMove() == Seat::One,
                "Shut The Box: a game did not start from nothing");
        CupResult end;
        int rounds = 0;
        do {
            const Player& player = rules.toMove() == testedSeat ? tested : opponent;
            end = playTurn(rules, player, gremlinOn, random).end;
            ++tally.turns;
            rounds += rules.toMove() == Seat::One ? 1 : 0;
            require(rounds < 10000, "Shut The Box: a game never ends");
        } while (end.outcome != CupOutcome::GameEnded);

        const int one = rules.total(Seat::One);
        const int two = rules.total(Seat::Two);
        require(end.game.tie == (one == two) &&
                    (end.game.tie || (end.game.winner == Seat::One) == (one < two)) &&
                    end.game.margin == (one > two ? one - two : two - one),
                "Shut The Box: the lower total did not win");
        ++tally.played;
        if (end.game.tie)
            ++tally.tied;
        else
            ++(end.game.winner == testedSeat ? tally.won : tally.lost);
        require(rules.rollOrEndTurn(random).outcome == CupOutcome::NewGameStarted,
                "Shut The Box: no new game after a finished one");
    }
}

} // namespace tumbledown::levels::shutthebox
