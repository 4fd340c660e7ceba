// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every board's spots and words have in common: its buttons, the
// players' names, how a player is read out.

#include "ButtonLayout.h"
#include "core/ComputerLevel.h"
#include "core/FocusRing.h"
#include "core/Seat.h"

#include <string>
#include <vector>

namespace tumbledown {

// The speed, music, music-file, sound and help buttons, the switches with
// their state.
void addButtonSpots(std::vector<Spot>& spots, const ButtonLayout& layout);

// A player's name plate: "name-1", "Player one, ANN".
Spot nameSpot(Seat seat, const Rect& area, const std::string& name);

// Who sits there in 10,000 and Poker Dice: a person's name or the computer's level.
std::string seatName(Seat seat, const Opponent& computer);

// A message's lines as one text, its blank lines left out.
std::string joinedLines(const std::vector<std::string>& lines);
// "Dice: " and the faces as named, or "" for no dice.
std::string diceWords(const std::vector<int>& faces, std::string (*faceName)(int));

} // namespace tumbledown
