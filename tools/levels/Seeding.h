// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <initializer_list>

namespace tumbledown::levels {

// The games each derive their generators from the run's seed by these tags, so
// that the same seed gives unrelated streams in different games.
enum class Stream : std::uint32_t { TenThousand = 1, PokerDice = 2, ShutTheBox = 3 };

// The seed of one chunk of work. Every chunk starts its worker's generator
// afresh from (seed, game, row, chunk), so a run's figures depend on the seed
// alone, not on how many threads there are or which thread took which chunk.
// The mixing (SplitMix64's finaliser) keeps neighbouring chunks' 32-bit seeds
// far apart.
constexpr std::uint32_t chunkSeed(std::uint64_t seed, Stream stream, int row, std::int64_t chunk) {
    std::uint64_t z = seed;
    for (std::uint64_t part : {static_cast<std::uint64_t>(stream), static_cast<std::uint64_t>(row),
                               static_cast<std::uint64_t>(chunk)}) {
        z += 0x9E3779B97F4A7C15ull + part;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
    }
    return static_cast<std::uint32_t>(z >> 32);
}

} // namespace tumbledown::levels
