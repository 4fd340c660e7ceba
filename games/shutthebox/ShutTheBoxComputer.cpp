// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxComputer.h"

#include "platform/RandomSource.h"

namespace tumbledown::shutthebox {

namespace {

// Picks `count` boxes from open[0..end), each below the one picked before,
// trying the highest first, so the first set found is the highest one in
// order of its largest box, then its second, and so on.
bool pickDescending(const std::vector<int>& open, std::size_t end, int count, int sum,
                    std::vector<int>& picked) {
    if (count == 0)
        return sum == 0;
    for (std::size_t i = end; i-- > static_cast<std::size_t>(count - 1);) {
        if (open[i] > sum)
            continue;
        picked.push_back(open[i]);
        if (pickDescending(open, i, count - 1, sum - open[i], picked))
            return true;
        picked.pop_back();
    }
    return false;
}

} // namespace

std::vector<int> computerBoxes(const ShutTheBoxRules& rules) {
    // The computer never leaves boxes pending, so this is the whole throw at
    // the start of each of its throws.
    return computerBoxes(rules.closedBoxes(), rules.throwTotal() - rules.pendingSum());
}

std::vector<int> computerBoxes(const BoxSet& closed, int rest) {
    std::vector<int> open;
    for (int n = 1; n <= boxCount; ++n)
        if (!closed[n])
            open.push_back(n);
    std::vector<int> picked;
    for (int count = 1; count <= 4 && count <= static_cast<int>(open.size()); ++count)
        if (pickDescending(open, open.size(), count, rest, picked))
            return picked;
    return {};
}

bool computerWantsOneDie(const ShutTheBoxRules& rules) {
    return computerWantsOneDie(rules.openSum());
}

bool computerWantsOneDie(int openSum) {
    return openSum < 7;
}

bool computerRollsAgain(const ShutTheBoxRules& rules) {
    return rules.openSum() > 0;
}

GremlinChance gremlinChance(const ShutTheBoxRules& rules, bool gremlinOn, RandomSource& random) {
    GremlinChance chance;
    if (!gremlinOn)
        return chance;
    if (random.draw() % rules.gremlinOdds() + 1 != 1)
        return chance;
    chance.strikes = true;
    chance.box = random.draw() % boxCount + 1;
    return chance;
}

BoxOutcome clickBox(ShutTheBoxRules& rules, int box, bool gremlinOn, RandomSource& random,
                    TurnView& view) {
    const BoxOutcome outcome = rules.clickBox(box);
    view.clicked(box, outcome);
    if (outcome == BoxOutcome::Refused)
        return outcome;
    if (outcome == BoxOutcome::ThrowComplete) {
        const GremlinChance gremlin = gremlinChance(rules, gremlinOn, random);
        if (gremlin.strikes) {
            view.gremlinStrikes(gremlin.box);
            view.flipped(rules.gremlinFlip(gremlin.box));
        }
        const bool twoDice = rules.twoDice();
        rules.completeThrow(random);
        view.throwCompleted(twoDice);
    }
    view.clickDone();
    return outcome;
}

CupResult playCup(ShutTheBoxRules& rules, RandomSource& random, TurnView& view) {
    const bool afterGame = rules.gameOver();
    const CupResult result = rules.rollOrEndTurn(random);
    view.cupPlayed(result, afterGame);
    return result;
}

CupResult playComputerTurn(ShutTheBoxRules& rules, const Chooser& player, bool gremlinOn,
                           RandomSource& random, TurnView& view) {
    playCup(rules, random, view);
    view.pause();
    while (!rules.noMoveLeft(random)) {
        const std::vector<int> boxes = player.boxesFor(rules);
        // A throw with a move left always has a set of boxes; without one the
        // turn could never end.
        if (boxes.empty())
            break;
        for (int box : boxes)
            clickBox(rules, box, gremlinOn, random, view);
        view.pause();
        if (player.wantsOneDie(rules) && rules.useOneDie())
            view.oneDie();
        if (computerRollsAgain(rules))
            playCup(rules, random, view);
        view.pause();
    }
    return playCup(rules, random, view);
}

} // namespace tumbledown::shutthebox
