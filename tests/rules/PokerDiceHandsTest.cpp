// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceTestSupport.h"

#include <algorithm>
#include <tuple>
#include <vector>

using namespace tumbledown::pokerdice;
using namespace tumbledown::pokerdice::testing;

namespace {

TieBreakKey key(int k1, int k2 = 0, int k3 = 0, int k4 = 0, int k5 = 0) {
    return TieBreakKey{0, k1, k2, k3, k4, k5};
}

std::string show(const Dice& d) {
    static const char* names[] = {"?", "A", "K", "Q", "J", "10", "9"};
    std::string s;
    for (int i = 1; i <= 5; ++i)
        s += std::string(i > 1 ? " " : "") + names[d[i]];
    return s;
}

// Every hand of five dice, die 1 varying slowest.
std::vector<Dice> allHands() {
    std::vector<Dice> hands;
    for (int code = 0; code < 7776; ++code) {
        Dice d{};
        int rest = code;
        for (int i = 5; i >= 1; --i) {
            d[i] = rest % 6 + 1;
            rest /= 6;
        }
        hands.push_back(d);
    }
    return hands;
}

// An independent reading of the plain (no wild aces) hands: group the dice by
// how often each rank shows, larger groups first, higher ranks first.
ClassifiedHand plainReference(const Dice& d) {
    std::array<int, 7> count{};
    for (int i = 1; i <= 5; ++i)
        ++count[d[i]];
    std::vector<std::pair<int, int>> groups; // (how many, strength)
    for (int v = 1; v <= 6; ++v)
        if (count[v])
            groups.push_back({count[v], 7 - v});
    std::sort(groups.rbegin(), groups.rend());
    ClassifiedHand h;
    for (std::size_t i = 0; i < groups.size(); ++i)
        h.key[i + 1] = groups[i].second;
    const auto shape = [&](std::vector<int> sizes) {
        if (sizes.size() != groups.size())
            return false;
        for (std::size_t i = 0; i < sizes.size(); ++i)
            if (groups[i].first != sizes[i])
                return false;
        return true;
    };
    if (shape({5}))
        h.category = HandCategory::FiveOfAKind;
    else if (shape({4, 1}))
        h.category = HandCategory::FourOfAKind;
    else if (shape({3, 2}))
        h.category = HandCategory::FullHouse;
    else if (groups.size() == 5 && (count[1] == 0 || count[6] == 0)) {
        h.category = HandCategory::Straight;
        h.key = key(count[1] ? 6 : 5);
    } else if (shape({3, 1, 1}))
        h.category = HandCategory::ThreeOfAKind;
    else if (shape({2, 2, 1}))
        h.category = HandCategory::TwoPair;
    else if (shape({2, 1, 1, 1}))
        h.category = HandCategory::OnePair;
    else
        h.category = HandCategory::Nothing;
    return h;
}

bool better(const ClassifiedHand& a, const ClassifiedHand& b) {
    return std::tie(a.category, a.key) > std::tie(b.category, b.key);
}

// A wild ace may stand for any face: the best plain hand over every choice.
ClassifiedHand wildReference(const Dice& d) {
    std::vector<int> aces;
    for (int i = 1; i <= 5; ++i)
        if (d[i] == A)
            aces.push_back(i);
    int choices = 1;
    for (std::size_t i = 0; i < aces.size(); ++i)
        choices *= 6;
    ClassifiedHand best = plainReference(d);
    for (int code = 0; code < choices; ++code) {
        Dice t = d;
        int rest = code;
        for (int i : aces) {
            t[i] = rest % 6 + 1;
            rest /= 6;
        }
        const ClassifiedHand h = plainReference(t);
        if (better(h, best))
            best = h;
    }
    return best;
}

} // namespace

TEST(PokerDiceHands, ClassifiesTheDocumentedHands) {
    struct Case {
        Dice dice;
        bool wild;
        HandCategory category;
        TieBreakKey key;
    };
    const std::vector<Case> cases = {
        {hand(A, A, A, A, A), false, HandCategory::FiveOfAKind, key(6)},
        {hand(A, A, K, K, Q), true, HandCategory::FourOfAKind, key(5, 4)},
        {hand(A, A, A, A, Q), true, HandCategory::FiveOfAKind, key(4)},
        {hand(A, K, K, Q, Q), true, HandCategory::FullHouse, key(5, 4)},
        {hand(A, K, Q, J, N), true, HandCategory::Straight, key(5)},
        {hand(A, A, K, Q, J), true, HandCategory::Straight, key(6)},
        {hand(A, K, Q, J, T), false, HandCategory::Straight, key(6)},
        {hand(K, Q, J, T, N), false, HandCategory::Straight, key(5)},
        {hand(A, K, Q, J, N), false, HandCategory::Nothing, key(6, 5, 4, 3, 1)},
        {hand(A, N, N, N, N), true, HandCategory::FiveOfAKind, key(1)},
        {hand(N, N, N, N, A), false, HandCategory::FourOfAKind, key(1, 6)},
        {hand(N, N, N, A, A), false, HandCategory::FullHouse, key(1, 6)},
        {hand(A, K, J, J, N), true, HandCategory::ThreeOfAKind, key(3, 5, 1)},
        {hand(N, N, T, T, K), false, HandCategory::TwoPair, key(2, 1, 5)},
        {hand(Q, Q, A, J, N), false, HandCategory::OnePair, key(4, 6, 3, 1)},
        {hand(K, Q, J, T, T), true, HandCategory::OnePair, key(2, 5, 4, 3)},
    };
    // These hold the references below to the documented readings; the sweep
    // then covers every hand and every die order.
    for (const Case& c : cases) {
        const ClassifiedHand h = ClassifyHand(c.dice, c.wild);
        EXPECT_EQ(h.category, c.category) << show(c.dice) << (c.wild ? " wild" : "");
        EXPECT_EQ(h.key, c.key) << show(c.dice) << (c.wild ? " wild" : "");
    }
}

TEST(PokerDiceHands, WildAcesChangeOnlyTheWorkingCopy) {
    const Dice fourKings = hand(K, A, K, Q, K);
    const TestResult four = testFourOfAKind(fourKings, true);
    EXPECT_TRUE(four.holds);
    EXPECT_EQ(four.working, hand(K, K, K, Q, K));
    EXPECT_EQ(fourKings, hand(K, A, K, Q, K));

    // One ace and two pairs: the ace joins the higher pair.
    const TestResult full = testFullHouse(hand(Q, A, K, Q, K), true);
    EXPECT_TRUE(full.holds);
    EXPECT_EQ(full.working, hand(Q, K, K, Q, K));
    EXPECT_EQ(full.key, key(5, 4));

    const TestResult three = testThreeOfAKind(hand(J, A, N, J, Q), true);
    EXPECT_EQ(three.working, hand(J, J, N, J, Q));
    EXPECT_EQ(three.key, key(3, 4, 1));

    // Without wild aces nothing is replaced.
    const TestResult plain = testThreeOfAKind(hand(J, A, J, J, Q), false);
    EXPECT_EQ(plain.working, hand(J, A, J, J, Q));
    EXPECT_EQ(plain.key, key(3, 6, 4));

    // A test that fails reports no key at all.
    const TestResult none = testFullHouse(hand(K, Q, J, T, T), true);
    EXPECT_FALSE(none.holds);
    EXPECT_EQ(none.key, TieBreakKey{});
}

TEST(PokerDiceHands, TestsStandingAloneKeepToTheirOwnCategory) {
    // Two aces and one other pair offer no second pair for the ace to join.
    EXPECT_FALSE(testFullHouse(hand(A, A, K, K, Q), true).holds);
    EXPECT_TRUE(hasTwoPair(hand(A, A, K, K, Q)));
    EXPECT_FALSE(hasTwoPair(hand(A, K, K, Q, J)));
    EXPECT_TRUE(hasOnePair(hand(A, A, K, Q, J)));
    EXPECT_FALSE(hasOnePair(hand(A, A, A, Q, J)));
    // Without wild aces a straight needs A..10 or K..9 exactly.
    EXPECT_FALSE(testStraight(hand(A, A, K, Q, J), false).holds);
    EXPECT_TRUE(testStraight(hand(A, A, K, Q, J), true).holds);
    EXPECT_FALSE(testStraight(hand(A, K, K, Q, J), true).holds);
    // Five aces are no four of a kind without wild aces.
    EXPECT_FALSE(testFourOfAKind(hand(A, A, A, A, A), false).holds);
    EXPECT_TRUE(testNothing(hand(K, K, K, K, K), false).holds);
}

// Every hand, with and without wild aces, reads as the references read it, and
// its category is the first whose test holds, with that test's key.
TEST(PokerDiceHands, EveryHandMatchesTheBestReadingOfItsDice) {
    using Test = TestResult (*)(const Dice&, bool);
    const std::array<std::pair<HandCategory, Test>, 8> order{{
        {HandCategory::FiveOfAKind, testFiveOfAKind},
        {HandCategory::FourOfAKind, testFourOfAKind},
        {HandCategory::FullHouse, testFullHouse},
        {HandCategory::Straight, testStraight},
        {HandCategory::ThreeOfAKind, testThreeOfAKind},
        {HandCategory::TwoPair, testTwoPair},
        {HandCategory::OnePair, testOnePair},
        {HandCategory::Nothing, testNothing},
    }};
    for (const Dice& d : allHands()) {
        for (const bool wild : {false, true}) {
            const ClassifiedHand h = ClassifyHand(d, wild);
            const ClassifiedHand expected = wild ? wildReference(d) : plainReference(d);
            ASSERT_EQ(h.category, expected.category) << show(d) << (wild ? " wild" : "");
            ASSERT_EQ(h.key, expected.key) << show(d) << (wild ? " wild" : "");
            for (const auto& [category, test] : order) {
                const TestResult r = test(d, wild);
                if (!r.holds)
                    continue;
                ASSERT_EQ(category, h.category) << show(d);
                ASSERT_EQ(r.key, h.key) << show(d);
                break;
            }
        }
    }
}

// Every pair of hands (in sorted die order, which the sweep above shows is no
// loss), with and without wild aces: the outcome follows the references'
// category first and then the key in order; without wild aces hands tie only
// when they hold the same faces.
TEST(PokerDiceHands, EveryPairComparesByCategoryThenKeyInOrder) {
    std::vector<Dice> sorted;
    for (const Dice& d : allHands())
        if (std::is_sorted(d.begin() + 1, d.end()))
            sorted.push_back(d);
    ASSERT_EQ(sorted.size(), 252u);
    for (const bool wild : {false, true}) {
        std::vector<ClassifiedHand> product, reference;
        for (const Dice& d : sorted) {
            product.push_back(ClassifyHand(d, wild));
            reference.push_back(wild ? wildReference(d) : plainReference(d));
        }
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            for (std::size_t j = 0; j < sorted.size(); ++j) {
                const HandOutcome expected =
                    better(reference[i], reference[j])   ? HandOutcome::PlayerOneWins
                    : better(reference[j], reference[i]) ? HandOutcome::PlayerTwoWins
                                                         : HandOutcome::Tie;
                ASSERT_EQ(CompareHands(product[i], product[j]), expected)
                    << show(sorted[i]) << " v " << show(sorted[j]) << (wild ? " wild" : "");
                if (!wild) {
                    ASSERT_EQ(expected == HandOutcome::Tie, i == j);
                }
            }
        }
    }
    // Only the first differing entry counts, up to the fifth.
    EXPECT_EQ(CompareHands(HandCategory::Nothing, key(6, 5, 4, 3, 1), HandCategory::Nothing,
                           key(6, 5, 4, 3, 2)),
              HandOutcome::PlayerTwoWins);
    EXPECT_EQ(CompareHands(HandCategory::Nothing, key(6, 5, 4, 3, 1), HandCategory::Nothing,
                           key(6, 5, 4, 2, 6)),
              HandOutcome::PlayerOneWins);
}
