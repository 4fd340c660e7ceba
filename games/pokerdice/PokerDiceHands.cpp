// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceHands.h"

namespace tumbledown::pokerdice {

namespace {

// c[v] for faces 1..6; a value outside 1..6 is counted in c[0] and never matches.
using Counts = std::array<int, 7>;

Counts countFaces(const Dice& hand) {
    Counts c{};
    for (int i = 1; i <= 5; ++i) {
        const int v = hand[i];
        ++c[(v >= 1 && v <= 6) ? v : 0];
    }
    return c;
}

// The counts of the working copy once every ace has been made `value`.
Counts withAcesAs(Counts c, int value) {
    c[value] += c[ace];
    c[ace] = 0;
    return c;
}

// Each test below works on the counts alone. It reports whether the hand is of
// its category, writes the whole key when it is, and names the value the wild
// aces stood for (0 when they stayed aces), so the working copy can be rebuilt.
struct Verdict {
    bool holds = false;
    int acesBecome = 0;
    TieBreakKey key{};
};

int firstSingleFrom(const Counts& c, int from) {
    for (int v = from; v <= 6; ++v)
        if (c[v] == 1)
            return v;
    return 0;
}

bool twoPairs(const Counts& c) {
    int pairs = 0;
    for (int v = 1; v <= 6; ++v)
        pairs += c[v] == 2;
    return pairs >= 2;
}

bool onePair(const Counts& c) {
    for (int v = 1; v <= 6; ++v)
        if (c[v] == 2)
            return true;
    return false;
}

Verdict fiveOfAKind(const Counts& c, bool wild) {
    Verdict r;
    for (int v = 1; v <= 6; ++v) {
        if (c[v] == 5) {
            r.holds = true;
            r.key[1] = strength(v);
            return r;
        }
    }
    if (!wild)
        return r;
    const int aces = c[ace];
    int four = 0, three = 0, pair = 0;
    for (int v = 2; v <= 6; ++v) {
        if (c[v] == 4) {
            four = v;
            break;
        }
        if (c[v] == 3) {
            three = v;
            break;
        }
        if (c[v] == 2) {
            pair = v;
            break;
        }
    }
    int value = 0;
    if (four && aces >= 1)
        value = four;
    else if (three && aces >= 2)
        value = three;
    else if (pair && aces >= 3)
        value = pair;
    else if (aces >= 4)
        for (int v = 2; v <= 6; ++v)
            if (c[v] == 1)
                value = v; // the last single: with four aces there is only one
    if (value) {
        r.holds = true;
        r.key[1] = strength(value);
    }
    return r;
}

Verdict fourOfAKind(const Counts& c, bool wild) {
    Verdict r;
    int natural = 0, three = 0, pair = 0;
    for (int v = 1; v <= 6; ++v) {
        if (c[v] == 4)
            natural = v;
        if (v >= 2 && c[v] == 3)
            three = v;
        if (v >= 2 && c[v] == 2)
            pair = v;
    }
    int value = natural;
    if (!value && wild) {
        const int aces = c[ace];
        if (three && aces >= 1)
            value = three;
        else if (pair && aces >= 2)
            value = pair;
        else if (aces >= 3)
            value = firstSingleFrom(c, 2);
        r.acesBecome = value;
    }
    if (!value)
        return r;
    r.holds = true;
    r.key[1] = strength(value);
    const Counts working = r.acesBecome ? withAcesAs(c, r.acesBecome) : c;
    if (const int fifth = firstSingleFrom(working, 1))
        r.key[2] = strength(fifth);
    return r;
}

Verdict fullHouse(const Counts& c, bool wild) {
    Verdict r;
    int three = 0, pair = 0;
    for (int v = 1; v <= 6; ++v) {
        if (c[v] == 3)
            three = v;
        if (c[v] == 2)
            pair = v;
    }
    if (three && pair) {
        r.holds = true;
        r.key[1] = strength(three);
        r.key[2] = strength(pair);
        return r;
    }
    if (!wild || !twoPairs(c) || c[ace] < 1)
        return r;
    int p1 = 0, p2 = 0;
    for (int v = 2; v <= 6; ++v) {
        if (c[v] != 2)
            continue;
        if (!p1)
            p1 = v;
        else if (!p2)
            p2 = v;
    }
    // Two aces and one other pair have no second pair to take; the four test
    // has already claimed such hands when the tests run in order.
    if (!p2)
        return r;
    if (p1 > p2) {
        const int swap = p1;
        p1 = p2;
        p2 = swap;
    }
    r.holds = true;
    r.acesBecome = p1; // the ace joins the higher pair
    r.key[1] = strength(p1);
    r.key[2] = strength(p2);
    return r;
}

Verdict straight(const Counts& c, bool wild) {
    Verdict r;
    for (int v = 2; v <= 6; ++v)
        if (c[v] > 1)
            return r;
    const bool aceHigh = c[1] == 1 && c[2] == 1 && c[3] == 1 && c[4] == 1 && c[5] == 1;
    const bool kingHigh = c[2] == 1 && c[3] == 1 && c[4] == 1 && c[5] == 1 && c[6] == 1;
    if (!wild && !aceHigh && !kingHigh)
        return r;
    r.holds = true;
    if (wild)
        r.key[1] = c[nine] ? 5 : 6;
    else
        r.key[1] = c[ace] ? 6 : 5;
    return r;
}

Verdict threeOfAKind(const Counts& c, bool wild) {
    Verdict r;
    int natural = 0, pair = 0;
    for (int v = 1; v <= 6; ++v) {
        if (c[v] == 3)
            natural = v;
        if (v >= 2 && c[v] == 2)
            pair = v;
    }
    int value = natural;
    if (!value && wild) {
        const int aces = c[ace];
        if (aces >= 2)
            value = firstSingleFrom(c, 2);
        else if (aces >= 1 && onePair(c))
            value = pair;
        r.acesBecome = value;
    }
    if (!value)
        return r;
    r.holds = true;
    r.key[1] = strength(value);
    const Counts working = r.acesBecome ? withAcesAs(c, r.acesBecome) : c;
    int next = 2;
    for (int v = wild ? 2 : 1; v <= 6 && next <= 3; ++v)
        if (working[v] == 1 || working[v] == 2)
            r.key[next++] = strength(v);
    return r;
}

Verdict twoPair(const Counts& c) {
    Verdict r;
    int p1 = 0, p2 = 0;
    for (int v = 1; v <= 6; ++v) {
        if (c[v] != 2)
            continue;
        if (!p1)
            p1 = v;
        else if (!p2)
            p2 = v;
    }
    if (!p2)
        return r;
    r.holds = true;
    r.key[1] = strength(p1);
    r.key[2] = strength(p2);
    if (const int fifth = firstSingleFrom(c, 1))
        r.key[3] = strength(fifth);
    return r;
}

// Writes the strengths of the values that show once, highest card first,
// into key[from..5].
void singlesInto(const Counts& c, TieBreakKey& key, int from) {
    for (int v = 1; v <= 6 && from <= 5; ++v)
        if (c[v] == 1)
            key[from++] = strength(v);
}

Verdict onePairTest(const Counts& c) {
    Verdict r;
    int pair = 0;
    for (int v = 1; v <= 6; ++v)
        if (c[v] == 2)
            pair = v;
    if (!pair)
        return r;
    r.holds = true;
    r.key[1] = strength(pair);
    singlesInto(c, r.key, 2);
    r.key[5] = 0; // a pair leaves at most three singles
    return r;
}

Verdict nothing(const Counts& c) {
    Verdict r;
    r.holds = true;
    singlesInto(c, r.key, 1);
    return r;
}

TestResult publish(const Dice& hand, const Verdict& v) {
    TestResult r;
    r.holds = v.holds;
    r.working = hand;
    if (!v.holds)
        return r;
    r.key = v.key;
    if (v.acesBecome)
        for (int i = 1; i <= 5; ++i)
            if (r.working[i] == ace)
                r.working[i] = v.acesBecome;
    return r;
}

} // namespace

TestResult testFiveOfAKind(const Dice& hand, bool acesWild) {
    return publish(hand, fiveOfAKind(countFaces(hand), acesWild));
}

TestResult testFourOfAKind(const Dice& hand, bool acesWild) {
    return publish(hand, fourOfAKind(countFaces(hand), acesWild));
}

TestResult testFullHouse(const Dice& hand, bool acesWild) {
    return publish(hand, fullHouse(countFaces(hand), acesWild));
}

TestResult testStraight(const Dice& hand, bool acesWild) {
    return publish(hand, straight(countFaces(hand), acesWild));
}

TestResult testThreeOfAKind(const Dice& hand, bool acesWild) {
    return publish(hand, threeOfAKind(countFaces(hand), acesWild));
}

TestResult testTwoPair(const Dice& hand, bool) {
    return publish(hand, twoPair(countFaces(hand)));
}

TestResult testOnePair(const Dice& hand, bool) {
    return publish(hand, onePairTest(countFaces(hand)));
}

TestResult testNothing(const Dice& hand, bool) {
    return publish(hand, nothing(countFaces(hand)));
}

bool hasTwoPair(const Dice& hand) {
    return twoPairs(countFaces(hand));
}

bool hasOnePair(const Dice& hand) {
    return onePair(countFaces(hand));
}

namespace {

// The tests in their order, on the counts.
ClassifiedHand classifyInOrder(const Counts& c, bool acesWild) {
    Verdict v;
    HandCategory category = HandCategory::Nothing;
    if ((v = fiveOfAKind(c, acesWild)).holds)
        category = HandCategory::FiveOfAKind;
    else if ((v = fourOfAKind(c, acesWild)).holds)
        category = HandCategory::FourOfAKind;
    else if ((v = fullHouse(c, acesWild)).holds)
        category = HandCategory::FullHouse;
    else if ((v = straight(c, acesWild)).holds)
        category = HandCategory::Straight;
    else if ((v = threeOfAKind(c, acesWild)).holds)
        category = HandCategory::ThreeOfAKind;
    else if ((v = twoPair(c)).holds)
        category = HandCategory::TwoPair;
    else if ((v = onePairTest(c)).holds)
        category = HandCategory::OnePair;
    else
        v = nothing(c);
    return ClassifiedHand{category, v.key};
}

// Every hand's answer, worked out once by the tests themselves and packed in
// 18 bits: the category less 32, then key[1..5] at 3 bits each. Looking it up
// is far cheaper than running up to eight tests per hand.
using Packed = std::uint32_t;
constexpr int handCount = 6 * 6 * 6 * 6 * 6;

Packed pack(const ClassifiedHand& h) {
    Packed p = static_cast<Packed>(static_cast<int>(h.category) - 32);
    for (int i = 1; i <= 5; ++i)
        p |= static_cast<Packed>(h.key[i]) << (3 * i);
    return p;
}

ClassifiedHand unpack(Packed p) {
    ClassifiedHand h;
    h.category = static_cast<HandCategory>(32 + static_cast<int>(p & 7));
    for (int i = 1; i <= 5; ++i)
        h.key[i] = static_cast<std::int32_t>((p >> (3 * i)) & 7);
    return h;
}

struct AnswerTables {
    std::array<std::array<Packed, handCount>, 2> byWild{};

    AnswerTables() {
        for (int code = 0; code < handCount; ++code) {
            Dice d{};
            int rest = code;
            for (int i = 5; i >= 1; --i) {
                d[i] = rest % 6 + 1;
                rest /= 6;
            }
            for (const bool wild : {false, true})
                byWild[wild][code] = pack(classifyInOrder(countFaces(d), wild));
        }
    }
};

} // namespace

ClassifiedHand ClassifyHand(const Dice& hand, bool acesWild) {
    int code = 0;
    bool valid = true;
    for (int i = 1; i <= 5; ++i) {
        const unsigned face = static_cast<unsigned>(hand[i] - 1);
        valid &= face < 6;
        code = code * 6 + static_cast<int>(face);
    }
    if (!valid)
        return classifyInOrder(countFaces(hand), acesWild);
    static const AnswerTables answers;
    return unpack(answers.byWild[acesWild][code]);
}

HandOutcome CompareHands(HandCategory category1, const TieBreakKey& key1, HandCategory category2,
                         const TieBreakKey& key2) {
    if (category1 != category2)
        return category1 > category2 ? HandOutcome::PlayerOneWins : HandOutcome::PlayerTwoWins;
    for (int i = 1; i <= 5; ++i)
        if (key1[i] != key2[i])
            return key1[i] > key2[i] ? HandOutcome::PlayerOneWins : HandOutcome::PlayerTwoWins;
    return HandOutcome::Tie;
}

} // namespace tumbledown::pokerdice
