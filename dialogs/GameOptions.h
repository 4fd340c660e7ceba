// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the games' options dialogs decide, apart from the dialogs themselves:
// each dialog's transfer record, how it is filled from the preferences, and the
// changes it makes to them once OK is pressed. No widgets here.

#include "core/PreferencesRecord.h"

#include <optional>
#include <string>

namespace tumbledown {

// The name typed in an options dialog, upper-cased, becomes player 1's name when
// renameFirst is chosen, else player 2's when renameSecond is; an empty name
// changes nothing. True when a name was set.
bool ApplyNameChoice(bool renameFirst, bool renameSecond, std::string name,
                     PreferencesRecord& record);

// Who plays player 2's seat in 10,000 and in Poker Dice, as the record keeps
// it: a computer level (its flag set) or, with no level set, the second player.
enum class Opponent { Player2 = 0, Apprentice = 1, Mage = 2, Wizard = 3 };

// The opponent the dialog's four radio buttons choose: the first checked one
// that names another opponent than the current one, if any.
std::optional<Opponent> ChosenOpponent(bool apprentice, bool mage, bool wizard, bool player2,
                                       Opponent current);

// ---- 10,000 (dialog 203) ----

using TenThouOpponent = Opponent;

TenThouOpponent TenThouOpponentOf(const PreferencesRecord& record);
void SetTenThouOpponent(PreferencesRecord& record, TenThouOpponent opponent);

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
TenThouOptionsRecord FillTenThouOptions(const PreferencesRecord& record);

// The opponent chosen, when it differs from the current one (the first checked
// radio that names another opponent wins); the record is changed to it.
std::optional<TenThouOpponent> ApplyTenThouOpponent(const TenThouOptionsRecord& chosen,
                                                    PreferencesRecord& record);

// Renames player 1 (105) or else player 2 (106) to the upper-cased name; an
// empty name changes nothing. True when a name was set.
bool ApplyTenThouName(const TenThouOptionsRecord& chosen, PreferencesRecord& record);

struct TenThouOptionsOutcome {
    std::optional<TenThouOpponent> newOpponent; // set when the opponent changed
    bool nameChanged = false;
};

// Both steps, opponent first. Each change calls for a new game of its own (who
// goes first drawn anew); the name-clash check is the caller's, once the board
// can redraw its names. A caller that must draw between the two steps uses
// them one by one.
TenThouOptionsOutcome ApplyTenThouOptions(const TenThouOptionsRecord& chosen,
                                          PreferencesRecord& record);

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
ShutTheBoxOptionsRecord FillShutTheBoxOptions(const PreferencesRecord& record);

// The new versus-computer setting when the choice differs from the current
// one; the record is changed to it.
std::optional<bool> ApplyShutTheBoxOpponent(const ShutTheBoxOptionsRecord& chosen,
                                            PreferencesRecord& record);

// Renames player 1 (103) or else player 2 (104) to the upper-cased name; an
// empty name changes nothing. True when a name was set. A new player 2 name is
// kept while the computer plays.
bool ApplyShutTheBoxName(const ShutTheBoxOptionsRecord& chosen, PreferencesRecord& record);

struct ShutTheBoxOptionsOutcome {
    std::optional<bool> newVsComputer; // set when the opponent changed
    bool nameChanged = false;
};

// Both steps, opponent first. Each change calls for a new game of its own; the
// name-clash check is the caller's, and after a name change the board shows
// the names again.
ShutTheBoxOptionsOutcome ApplyShutTheBoxOptions(const ShutTheBoxOptionsRecord& chosen,
                                                PreferencesRecord& record);

// ---- Poker Dice (dialog 204) ----

Opponent PokerDiceOpponentOf(const PreferencesRecord& record);
void SetPokerDiceOpponent(PreferencesRecord& record, Opponent opponent);

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
PokerDiceOptionsRecord FillPokerDiceOptions(const PreferencesRecord& record);

// The opponent chosen, when it differs from the current one. A second person
// leaving the seat keeps their coins in the tally; one taking it takes the
// coins the tally holds for player 2's name.
std::optional<Opponent> ApplyPokerDiceOpponent(const PokerDiceOptionsRecord& chosen,
                                               PreferencesRecord& record);

// Renames player 1 (105) or else player 2 (106): the old name's coins go to the
// tally, and the player takes the coins the tally holds for the new name. An
// empty name changes nothing. True when a name was set.
bool ApplyPokerDiceName(const PokerDiceOptionsRecord& chosen, PreferencesRecord& record);

// The new number of rolls per turn when the choice differs from it.
std::optional<int> ApplyPokerDiceRolls(const PokerDiceOptionsRecord& chosen,
                                       PreferencesRecord& record);

// The new aces-wild setting when the box differs from it.
std::optional<bool> ApplyPokerDiceAcesWild(const PokerDiceOptionsRecord& chosen,
                                           PreferencesRecord& record);

} // namespace tumbledown
