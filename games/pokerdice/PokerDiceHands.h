// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace tumbledown::pokerdice {

// Face values as the dice store them; a lower value is a higher card.
inline constexpr int ace = 1;
inline constexpr int king = 2;
inline constexpr int queen = 3;
inline constexpr int jack = 4;
inline constexpr int ten = 5;
inline constexpr int nine = 6;

// The rank strength that tie-break keys hold: A = 6 down to 9 = 1.
constexpr int strength(int face) {
    return 7 - face;
}

// Five face values, dice 1..5; entry 0 is never used.
using Dice = std::array<int, 6>;

// Tie-break values key[1..5], rank strengths compared in order; entry 0 stays 0.
using TieBreakKey = std::array<std::int32_t, 6>;

// A larger category beats a smaller one; the computer players also use the
// values as thresholds.
enum class HandCategory : std::int32_t {
    Nothing = 32,
    OnePair = 33,
    TwoPair = 34,
    ThreeOfAKind = 35,
    Straight = 36,
    FullHouse = 37,
    FourOfAKind = 38,
    FiveOfAKind = 39,
};

struct ClassifiedHand {
    HandCategory category = HandCategory::Nothing;
    TieBreakKey key{};

    bool operator==(const ClassifiedHand&) const = default;
};

// What one category test says about a hand.
struct TestResult {
    bool holds = false;
    TieBreakKey key{}; // all 0 unless the test holds
    // The hand as the test counted it: a wild ace shows the value it stood for.
    // The dice themselves keep their faces.
    Dice working{};
};

// The eight category tests. Each answers for the hand as it stands; some wild
// branches only make sense when every earlier test (in ClassifyHand's order)
// has failed, which is how the game and the computer players call them.
TestResult testFiveOfAKind(const Dice& hand, bool acesWild);
TestResult testFourOfAKind(const Dice& hand, bool acesWild);
TestResult testFullHouse(const Dice& hand, bool acesWild);
TestResult testStraight(const Dice& hand, bool acesWild);
TestResult testThreeOfAKind(const Dice& hand, bool acesWild);
TestResult testTwoPair(const Dice& hand, bool acesWild);
TestResult testOnePair(const Dice& hand, bool acesWild);
TestResult testNothing(const Dice& hand, bool acesWild);

// The quiet forms: whether two values (or one value) show exactly twice, aces included.
bool hasTwoPair(const Dice& hand);
bool hasOnePair(const Dice& hand);

// Runs the tests from five of a kind down to nothing and takes the first that
// holds. Allocation-free; cheap enough for exhaustive sweeps.
ClassifiedHand ClassifyHand(const Dice& hand, bool acesWild);

enum class HandOutcome { PlayerOneWins, PlayerTwoWins, Tie };

// The larger category wins; equal categories go to the first differing key entry.
HandOutcome CompareHands(HandCategory category1, const TieBreakKey& key1, HandCategory category2,
                         const TieBreakKey& key2);
inline HandOutcome CompareHands(const ClassifiedHand& player1, const ClassifiedHand& player2) {
    return CompareHands(player1.category, player1.key, player2.category, player2.key);
}

} // namespace tumbledown::pokerdice
