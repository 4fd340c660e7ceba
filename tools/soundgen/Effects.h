// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sound effect the games play, each generated from scratch.
#pragma once

#include "Synth.h"

#include <functional>
#include <string>
#include <vector>

namespace synth {

struct Effect {
    std::string fileName;
    std::function<Buffer()> generate; // finished: levelled and faded at both ends
};

const std::vector<Effect>& allEffects();

} // namespace synth
