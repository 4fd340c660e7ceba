// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceComputer.h"

#include "platform/RandomSource.h"

namespace tumbledown::pokerdice {

namespace {

// Everything one decision looks at.
struct Sight {
    const Dice& own;
    bool wild;
    std::array<int, 7> c{}; // counts by face
    HandCategory category;
    TieBreakKey k;
    int opp; // player one's category value, or 0 when the computer plays first
    int o1;
    bool behind;
};

int value(HandCategory category) {
    return static_cast<int>(category);
}

DiceSet showing(const Dice& own, int face) {
    DiceSet set;
    for (int i = 1; i <= 5; ++i)
        if (own[i] == face)
            set.set(i);
    return set;
}

// Up to n dice from the 9 up to the K, die order within a face; never an ace.
DiceSet lowest(const Dice& own, int n) {
    DiceSet set;
    for (int face = nine; face >= king; --face)
        for (int i = 1; i <= 5; ++i)
            if (own[i] == face && static_cast<int>(set.count()) < n)
                set.set(i);
    return set;
}

// Every die whose face is neither a nor b.
DiceSet allBut(const Dice& own, int a, int b) {
    DiceSet set;
    for (int i = 1; i <= 5; ++i)
        if (own[i] != a && own[i] != b)
            set.set(i);
    return set;
}

Decision discard(const DiceSet& set) {
    Decision d;
    d.stand = false;
    d.calls[0] = set;
    d.callCount = 1;
    return d;
}

Decision stand() {
    return Decision{};
}

// The full house's lowest three, marked face by face with a Discard after each.
Decision lowestThreeFaceByFace(const Dice& own) {
    Decision d;
    d.stand = false;
    DiceSet set;
    for (int face = nine; face >= king; --face) {
        for (int i = 1; i <= 5; ++i)
            if (own[i] == face && set.count() < 3)
                set.set(i);
        d.calls[d.callCount++] = set;
    }
    return d;
}

int drawR(RandomSource& random) {
    return random.draw() % 20 + 1;
}

int faceOf(int strengthValue) {
    return 7 - strengthValue;
}

Decision kicker(const Sight& s) {
    const int four = faceOf(s.k[1]);
    for (int face = s.wild ? king : ace; face <= nine; ++face)
        if (s.c[face] == 1 && face != four)
            return discard(showing(s.own, face));
    return discard(DiceSet{});
}

Decision keepThree(const Sight& s) {
    return discard(allBut(s.own, faceOf(s.k[1]), s.wild ? ace : faceOf(s.k[1])));
}
Decision keepHighPair(const Sight& s) {
    return discard(allBut(s.own, faceOf(s.k[1]), faceOf(s.k[1])));
}
Decision keepTwoPairs(const Sight& s) {
    return discard(allBut(s.own, faceOf(s.k[1]), faceOf(s.k[2])));
}
Decision lowestCard(const Sight& s) {
    return discard(showing(s.own, faceOf(s.k[5])));
}
Decision threeLowestCards(const Sight& s, bool exceptAces) {
    DiceSet set = showing(s.own, faceOf(s.k[3])) | showing(s.own, faceOf(s.k[4])) |
                  showing(s.own, faceOf(s.k[5]));
    if (exceptAces)
        set &= ~showing(s.own, ace);
    return discard(set);
}
Decision nonAces(const Sight& s) {
    return discard(allBut(s.own, ace, ace));
}

Decision fiveOfAKind(const Sight& s, Level level) {
    if (level == Level::Apprentice)
        return stand();
    if (s.opp == 39 && s.behind)
        return discard(lowest(s.own, 3));
    if (level == Level::Wizard && s.opp == 0 && s.wild && s.c[ace] == 4) {
        const DiceSet fifth = ~showing(s.own, ace) & DiceSet{0b111110};
        for (int i = 1; i <= 5; ++i)
            if (fifth[i] && s.own[i] >= jack)
                return discard(fifth);
    }
    return stand();
}

Decision fourOfAKind(const Sight& s, Level level) {
    if (level == Level::Apprentice)
        return kicker(s);
    const bool wizardsAces = level == Level::Wizard && s.wild && s.c[ace] == 3;
    if (s.opp == 0 || (s.opp == 38 && s.behind) || (s.opp == 39 && s.k[1] >= s.o1))
        return wizardsAces ? nonAces(s) : kicker(s);
    if (s.opp == 39)
        return wizardsAces ? nonAces(s) : discard(lowest(s.own, 3));
    return stand();
}

Decision fullHouse(const Sight& s, Level level) {
    if (level == Level::Apprentice)
        return stand();
    const DiceSet pair = showing(s.own, faceOf(s.k[2]));
    if (s.opp == 38 || (s.opp == 37 && s.behind))
        return discard(pair);
    if (s.opp == 39) {
        const bool wizard = level == Level::Wizard;
        if (wizard ? s.k[1] >= s.o1 : s.k[1] > s.o1)
            return discard(pair);
        if (wizard ? s.k[2] >= s.o1 : s.k[2] > s.o1)
            return discard(showing(s.own, faceOf(s.k[1])));
        return lowestThreeFaceByFace(s.own);
    }
    return stand();
}

Decision straight(const Sight& s, Level level, RandomSource& random) {
    if (level == Level::Apprentice) {
        if (s.wild && drawR(random) <= 10)
            return discard(lowest(s.own, 3));
        return stand();
    }
    if (s.opp == 36 && s.behind)
        return discard(lowest(s.own, 1));
    if (s.opp >= 37)
        return discard(lowest(s.own, 3));
    if (s.opp == 0 && s.wild) {
        const int threshold = level == Level::Wizard ? 14 : 6;
        if (drawR(random) <= threshold)
            return discard(lowest(s.own, 3));
    }
    return stand();
}

Decision threeOfAKind(const Sight& s, Level level) {
    if (level == Level::Apprentice)
        return keepThree(s);
    if (s.opp == 39) {
        const bool keep = level == Level::Wizard ? s.k[1] >= s.o1 : s.k[1] > s.o1;
        return keep ? keepThree(s) : discard(lowest(s.own, 3));
    }
    if (s.opp == 0 || s.opp == 36 || s.opp == 37 || s.opp == 38 || (s.opp == 35 && s.behind))
        return keepThree(s);
    return stand();
}

Decision twoPair(const Sight& s, Level level) {
    if (level == Level::Apprentice)
        return keepTwoPairs(s);
    const bool wizard = level == Level::Wizard;
    switch (s.opp) {
    case 39: {
        const bool keep = wizard ? s.k[1] >= s.o1 : s.k[1] > s.o1;
        return keep ? keepHighPair(s) : discard(lowest(s.own, 3));
    }
    case 38:
        return keepHighPair(s);
    case 37:
        return s.k[1] > s.o1 ? keepTwoPairs(s) : keepHighPair(s);
    case 36:
        return keepTwoPairs(s);
    case 35:
        if (wizard)
            return s.k[1] > s.o1 ? keepHighPair(s) : keepTwoPairs(s);
        return keepTwoPairs(s);
    case 34:
        if (!s.behind)
            return stand();
        return wizard ? discard(lowest(s.own, 3)) : keepTwoPairs(s);
    case 0:
        return keepTwoPairs(s);
    default:
        return stand();
    }
}

Decision nothing(const Sight& s, Level level, RandomSource& random) {
    if (level == Level::Apprentice)
        return drawR(random) >= 18 ? threeLowestCards(s, false) : lowestCard(s);
    const bool wizard = level == Level::Wizard;
    if (s.opp == 32 && s.behind)
        return threeLowestCards(s, true);
    const int lastLowOnly = wizard ? 36 : 35;
    if (s.opp >= 1 && s.opp <= lastLowOnly)
        return lowestCard(s);
    if (s.opp > lastLowOnly)
        return threeLowestCards(s, false);
    return drawR(random) >= (wizard ? 5 : 15) ? threeLowestCards(s, false) : lowestCard(s);
}

} // namespace

DiceSet Decision::discarded() const {
    DiceSet all;
    for (int i = 0; i < callCount; ++i)
        all |= calls[i];
    return all;
}

OpponentView opponentView(const PokerDiceRules& rules) {
    OpponentView view;
    const Seat opponent = other(rules.toPlay());
    view.played = rules.finished(opponent);
    if (view.played)
        view.hand = rules.hand(opponent);
    return view;
}

Decision decide(Level level, const Dice& own, bool acesWild, const OpponentView& opponent,
                RandomSource& random) {
    const ClassifiedHand mine = ClassifyHand(own, acesWild);
    Sight s{own, acesWild, {}, mine.category, mine.key, 0, 0, false};
    for (int i = 1; i <= 5; ++i)
        if (own[i] >= 1 && own[i] <= 6)
            ++s.c[own[i]];
    if (opponent.played) {
        s.opp = value(opponent.hand.category);
        s.o1 = opponent.hand.key[1];
        s.behind = opponent.hand.category == mine.category &&
                   CompareHands(opponent.hand, mine) == HandOutcome::PlayerOneWins;
    }
    switch (mine.category) {
    case HandCategory::FiveOfAKind:
        return fiveOfAKind(s, level);
    case HandCategory::FourOfAKind:
        return fourOfAKind(s, level);
    case HandCategory::FullHouse:
        return fullHouse(s, level);
    case HandCategory::Straight:
        return straight(s, level, random);
    case HandCategory::ThreeOfAKind:
        return threeOfAKind(s, level);
    case HandCategory::TwoPair:
        return twoPair(s, level);
    case HandCategory::OnePair:
        return discard(allBut(own, faceOf(mine.key[1]), faceOf(mine.key[1])));
    case HandCategory::Nothing:
        return nothing(s, level, random);
    }
    return stand();
}

void playComputerRolls(PokerDiceRules& rules, Level level, RandomSource& random,
                       ComputerTurnView& view) {
    const OpponentView opponent = opponentView(rules);
    RollResult rolled = rules.roll(random);
    if (!rolled.allowed)
        return;
    view.rolled(rolled);
    // Every decision that does not stand is followed by a roll, so the turn is
    // over once the rolls are used up.
    while (rules.rollsUsed() < rules.rollsPerTurn()) {
        view.beforeDecision();
        const Decision decision =
            decide(level, rules.row(rules.toPlay()), rules.acesWild(), opponent, random);
        if (decision.stand)
            return;
        for (int i = 0; i < decision.callCount; ++i)
            view.discarded(rules.discard(decision.calls[i]));
        view.beforeReroll();
        rolled = rules.roll(random);
        if (!rolled.allowed)
            return; // nothing was put back
        view.rolled(rolled);
    }
}

} // namespace tumbledown::pokerdice
