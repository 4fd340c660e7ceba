// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Each game's part of the record in that game's own types. The record stays
// the file form, byte for byte; a view reads and writes its fields in place,
// and the three exclusive level flags are decoded here and nowhere else.

#include "ComputerLevel.h"
#include "PreferencesRecord.h"
#include "Seat.h"

#include <cstdint>

namespace tumbledown {

// What every game keeps: its animation delay, its welcome shown once, its
// top scores.
class GameSettings {
public:
    // The step of the game's animations, 0..200 ms.
    std::int32_t& delay() const { return delay_; }
    // True only the first time: the game's welcome box is shown once per record.
    bool takeWelcome() const;
    ScoreTable& topScores() const { return topScores_; }

protected:
    GameSettings(std::int32_t& delay, std::uint8_t& welcome, ScoreTable& topScores)
        : delay_(delay), welcome_(welcome), topScores_(topScores) {}

private:
    std::int32_t& delay_;
    std::uint8_t& welcome_;
    ScoreTable& topScores_;
};

// A game whose seat two is a person or a computer level (10,000, Poker Dice).
class LevelSettings : public GameSettings {
public:
    // The first set flag wins (only a damaged file sets two).
    Opponent opponent() const;
    // Exactly the opponent's flag set; none for a person.
    void setOpponent(Opponent opponent) const;
    // Clears the flags after the first set one, which keeps its byte as read.
    void keepFirstLevel() const;

protected:
    LevelSettings(std::int32_t& delay, std::uint8_t& welcome, ScoreTable& topScores,
                  std::uint8_t& apprentice, std::uint8_t& mage, std::uint8_t& wizard)
        : GameSettings(delay, welcome, topScores), apprentice_(apprentice), mage_(mage),
          wizard_(wizard) {}

private:
    std::uint8_t& apprentice_;
    std::uint8_t& mage_;
    std::uint8_t& wizard_;
};

class TenThouSettings : public LevelSettings {
public:
    explicit TenThouSettings(PreferencesRecord& record);
};

class PokerDiceSettings : public LevelSettings {
public:
    explicit PokerDiceSettings(PreferencesRecord& record);

    bool acesWild() const { return record_.acesWild != 0; }
    void setAcesWild(bool on) const { record_.acesWild = on; }
    int rollsPerTurn() const { return record_.rollsPerTurn; }
    void setRollsPerTurn(int rolls) const { record_.rollsPerTurn = rolls; }
    // The coins the record keeps for the player in the seat.
    std::uint32_t& coins(Seat seat) const;
    std::int32_t& bet() const { return record_.bet; }

private:
    PreferencesRecord& record_;
};

class ShutTheBoxSettings : public GameSettings {
public:
    explicit ShutTheBoxSettings(PreferencesRecord& record);

    bool vsComputer() const { return record_.shutTheBoxVsComputer != 0; }
    void setVsComputer(bool on) const { record_.shutTheBoxVsComputer = on; }
    bool gremlinOn() const { return record_.gremlinOn != 0; }
    void setGremlinOn(bool on) const { record_.gremlinOn = on; }

private:
    PreferencesRecord& record_;
};

} // namespace tumbledown
