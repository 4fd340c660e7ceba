// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardScreen.h"

#include "BoardButtons.h"
#include "GameShell.h"
#include "core/ProgramState.h"

namespace tumbledown {

bool BoardScreen::commonCommand(int id) {
    if (id == ids_.soundOn || id == ids_.soundOff) {
        preferences().soundOn = id == ids_.soundOn;
        shell_.refreshMenuMarks();
        buttons().showSound();
    } else if (id == ids_.faster) {
        speedUp(delay_);
    } else if (id == ids_.slower) {
        slowDown(delay_);
    } else {
        return false;
    }
    return true;
}

int BoardScreen::checkedSound() const {
    return preferences().soundOn ? ids_.soundOn : ids_.soundOff;
}

} // namespace tumbledown
