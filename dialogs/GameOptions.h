// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the games' options dialogs decide, apart from the dialogs themselves:
// each dialog's transfer record, how it is filled from the preferences, and the
// changes it makes to them once OK is pressed. No widgets here.

#include "core/ComputerLevel.h"
#include "core/PreferencesRecord.h"

#include <optional>
#include <string>

namespace tumbledown {

// The name typed in an options dialog, upper-cased, becomes player 1's name when
// renameFirst is chosen, else player 2's when renameSecond is; an empty name
// changes nothing. True when a name was set.
bool applyNameChoice(bool renameFirst, bool renameSecond, std::string name,
                     PreferencesRecord& record);

// The opponent the dialog's four radio buttons choose: the first checked one
// that names another opponent than the current one, if any.
std::optional<Opponent> chosenOpponent(bool apprentice, bool mage, bool wizard, bool player2,
                                       Opponent current);

// ---- 10,000 (dialog 203) ----

// What the 10,000 options dialog shows and returns: its radio buttons (1 when
// checked) and the name typed.
struct TenThouOptionsRecord {
    bool apprentice = false;       // 101
    bool mage = false;             // 102
    bool wizard = false;           // 103
    bool player2 = false;          // 104
    bool changeFirstName = false;  // 105
    bool changeSecondName = false; // 106
    std::string name;              // 107
};

// The record as the dialog opens: the current opponent checked, no name choice,
// no name.
TenThouOptionsRecord fillTenThouOptions(PreferencesRecord& record);

// The opponent chosen, when it differs from the current one (the first checked
// radio that names another opponent wins); the record is changed to it.
std::optional<Opponent> applyTenThouOpponent(const TenThouOptionsRecord& chosen,
                                             PreferencesRecord& record);

// Renames player 1 (105) or else player 2 (106) to the upper-cased name; an
// empty name changes nothing. True when a name was set.
bool applyTenThouName(const TenThouOptionsRecord& chosen, PreferencesRecord& record);

// ---- Shut The Box (dialog 201) ----

// What the Shut The Box options dialog shows and returns: its radio buttons
// (1 when checked) and the name typed.
struct ShutTheBoxOptionsRecord {
    bool vsComputer = false;       // 101
    bool vsPlayer2 = false;        // 102
    bool changeFirstName = false;  // 103
    bool changeSecondName = false; // 104
    std::string name;              // 105
};

// The record as the dialog opens: the current opponent checked, no name choice,
// no name.
ShutTheBoxOptionsRecord fillShutTheBoxOptions(PreferencesRecord& record);

// The new versus-computer setting when the choice differs from the current
// one; the record is changed to it.
std::optional<bool> applyShutTheBoxOpponent(const ShutTheBoxOptionsRecord& chosen,
                                            PreferencesRecord& record);

// Renames player 1 (103) or else player 2 (104) to the upper-cased name; an
// empty name changes nothing. True when a name was set. A new player 2 name is
// kept while the computer plays.
bool applyShutTheBoxName(const ShutTheBoxOptionsRecord& chosen, PreferencesRecord& record);

// ---- Poker Dice (dialog 204) ----

// What the Poker Dice options dialog shows and returns.
// The opponent and name controls are 10,000's (101-107).
struct PokerDiceOptionsRecord : TenThouOptionsRecord {
    bool twoRolls = false;   // 111
    bool threeRolls = false; // 112
    bool acesWild = false;   // 113
    bool resetCoins = false; // 114
};

// The record as the dialog opens: the current opponent, no name choice, the
// number of rolls (2 unless it is 3), aces wild as set, no coin reset.
PokerDiceOptionsRecord fillPokerDiceOptions(PreferencesRecord& record);

// The opponent chosen, when it differs from the current one. A second person
// leaving the seat keeps their coins in the tally; one taking it takes the
// coins the tally holds for player 2's name.
std::optional<Opponent> applyPokerDiceOpponent(const PokerDiceOptionsRecord& chosen,
                                               PreferencesRecord& record);

// Renames player 1 (105) or else player 2 (106): the old name's coins go to the
// tally, and the player takes the coins the tally holds for the new name. An
// empty name changes nothing. True when a name was set.
bool applyPokerDiceName(const PokerDiceOptionsRecord& chosen, PreferencesRecord& record);

// The new number of rolls per turn when the choice differs from it.
std::optional<int> applyPokerDiceRolls(const PokerDiceOptionsRecord& chosen,
                                       PreferencesRecord& record);

// The new aces-wild setting when the box differs from it.
std::optional<bool> applyPokerDiceAcesWild(const PokerDiceOptionsRecord& chosen,
                                           PreferencesRecord& record);

} // namespace tumbledown
