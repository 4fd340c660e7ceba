// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameList.h"

#include "games/pokerdice/PokerDiceScreen.h"
#include "games/shutthebox/ShutTheBoxScreen.h"
#include "games/tenthousand/TenThouScreen.h"

namespace tumbledown {

const std::array<const GameInfo*, 3>& gameList() {
    static const std::array<const GameInfo*, 3> games{
        &tenthousand::tenThouInfo(), &pokerdice::pokerDiceInfo(), &shutthebox::shutTheBoxInfo()};
    return games;
}

} // namespace tumbledown
