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
    std::vector<int> open;
    for (int n = 1; n <= boxCount; ++n)
        if (!rules.closed(n))
            open.push_back(n);
    // The computer never leaves boxes pending, so this is the whole throw at
    // the start of each of its throws.
    const int rest = rules.throwTotal() - rules.pendingSum();
    std::vector<int> picked;
    for (int count = 1; count <= 4 && count <= static_cast<int>(open.size()); ++count)
        if (pickDescending(open, open.size(), count, rest, picked))
            return picked;
    return {};
}

bool computerWantsOneDie(const ShutTheBoxRules& rules) {
    return rules.openSum() < 7;
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

} // namespace tumbledown::shutthebox
