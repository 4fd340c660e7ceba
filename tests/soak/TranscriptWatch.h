// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The games' invariants as a transcript goes by, line by line, and those of a
// saved record: what the soak holds every session to.

#include "scenarios/Scenario.h"

#include "core/PreferencesRecord.h"

#include <sstream>
#include <string>
#include <vector>

namespace tumbledown::test {

class TranscriptWatch {
public:
    // What this line breaks; empty when nothing.
    std::vector<std::string> see(const Line& line) {
        faults_.clear();
        const std::string kind = line.fields.empty() ? "" : line.fields[0];
        const std::string game = line.fields.size() > 1 ? line.fields[1] : "";
        if (kind == "screen") {
            box_ = BoxState{};
        } else if (kind == "scores" && game == "10000") {
            for (std::size_t i = 2; i < line.fields.size(); ++i)
                expect(number(line, i) >= 0, line, "a negative score");
        } else if (kind == "dice" && game == "10000") {
            expect(faces(line, '0') == 6, line, "six faces from 0 to 6");
        } else if (kind == "dice" && game == "pokerdice") {
            expect(faces(line, '0') == 5, line, "five faces from 0 to 6");
        } else if (kind == "dice" && game == "shutthebox") {
            const int count = faces(line, '1');
            expect(count == 1 || count == 2, line, "one or two faces from 1 to 6");
            box_.thrown = 0;
            for (std::size_t i = 0; i < line.fields.at(2).size(); i += 2)
                box_.thrown += line.fields[2][i] - '0';
            box_.diceOut = true;
        } else if (kind == "turn" && game == "shutthebox") {
            // The dice go back to the cup at the end of a turn.
            box_.diceOut = false;
        } else if (kind == "banner") {
            // After the banner no box may be shut until the next game.
            box_.diceOut = false;
        } else if (kind == "boxes") {
            seeBoxes(line);
        } else if (kind == "scores" && game == "shutthebox") {
            for (std::size_t i = 2; i < line.fields.size(); ++i)
                expect(number(line, i) >= 0, line, "a negative score");
            expect(number(line, 2) <= 45 && number(line, 4) <= 45, line,
                   "a round worth more than every box");
        } else if (kind == "coins") {
            expect(line.fields.size() == 4, line, "two purses and a bet");
            for (std::size_t i = 1; i < 3 && i < line.fields.size(); ++i)
                expect(number(line, i) >= 0 && number(line, i) <= 4294967295LL, line,
                       "coins beyond what the record holds");
            expect(number(line, 3) >= 0 && number(line, 3) <= 999999999, line,
                   "a bet beyond the abacus");
        } else if (kind == "hand") {
            const long long category = number(line, 2);
            expect(category >= 32 && category <= 39, line, "a hand of no category");
        }
        return faults_;
    }

private:
    struct BoxState {
        int thrown = 0;
        bool diceOut = false;
        std::string lastShut = "000000000";
        std::string lastPending = "000000000";
    };

    static int boxSum(const std::string& boxes) {
        int sum = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i] == '1')
                sum += static_cast<int>(i) + 1;
        return sum;
    }

    static long long number(const Line& line, std::size_t field) {
        try {
            return field < line.fields.size() ? std::stoll(line.fields[field]) : -1;
        } catch (...) {
            return -1;
        }
    }

    // How many comma-separated faces field 2 has, each one digit from `lowest`
    // to 6; -1 when one is not.
    static int faces(const Line& line, char lowest) {
        std::istringstream in(line.fields.size() > 2 ? line.fields[2] : "");
        std::string face;
        int count = 0;
        while (std::getline(in, face, ',')) {
            if (face.size() != 1 || face[0] < lowest || face[0] > '6')
                return -1;
            ++count;
        }
        return count;
    }

    void expect(bool holds, const Line& line, const std::string& what) {
        if (!holds)
            faults_.push_back(what + " at " + std::to_string(line.time) + " ms: " + line.text());
    }

    void seeBoxes(const Line& line) {
        const std::string shut = line.fields.size() > 2 ? line.fields[2] : "";
        const std::string pending = line.fields.size() > 3 ? line.fields[3] : "";
        if (shut.size() != 9 || pending.size() != 9) {
            expect(false, line, "nine boxes");
            return;
        }
        for (std::size_t i = 0; i < 9; ++i)
            if (pending[i] == '1')
                expect(shut[i] == '1', line, "a pending box not shut");
        const int pendingSum = boxSum(pending);
        expect(pendingSum <= box_.thrown, line, "pending boxes beyond the throw");
        if (pendingSum > 0)
            expect(box_.diceOut, line, "boxes pending with the dice in the cup");
        // The throw completed: the same boxes shut, none pending any more.
        if (pendingSum == 0 && boxSum(box_.lastPending) > 0 && shut == box_.lastShut)
            box_.diceOut = shut == "111111111";
        box_.lastShut = shut;
        box_.lastPending = pending;
    }

    BoxState box_;
    std::vector<std::string> faults_;
};

// What is wrong with a record as saved: choices of one with more than one
// made, delays off their steps, top-score tables out of order.
inline std::vector<std::string> recordFaults(const PreferencesRecord& r) {
    std::vector<std::string> faults;
    const auto expect = [&](bool holds, const std::string& what) {
        if (!holds)
            faults.push_back(what);
    };
    expect(r.tenThouApprentice + r.tenThouMage + r.tenThouWizard <= 1, "two 10,000 opponents");
    expect(r.pokerDiceApprentice + r.pokerDiceMage + r.pokerDiceWizard <= 1,
           "two Poker Dice opponents");
    for (const std::int32_t delay : {r.tenThouDelay, r.pokerDiceDelay, r.shutTheBoxDelay})
        expect(delay >= 0 && delay <= PreferencesRecord::maxDelay &&
                   delay % PreferencesRecord::delayStep == 0,
               "a delay of " + std::to_string(delay));
    expect(r.bet >= 0 && r.bet <= 999999999, "a bet of " + std::to_string(r.bet));
    expect(r.rollsPerTurn == 2 || r.rollsPerTurn == 3,
           std::to_string(r.rollsPerTurn) + " rolls a turn");
    for (int i = 1; i < 10; ++i) {
        expect(r.tenThouTopScores[i].value >= r.tenThouTopScores[i + 1].value,
               "10,000 top scores out of order");
        expect(r.shutTheBoxTopScores[i].value >= r.shutTheBoxTopScores[i + 1].value,
               "Shut The Box top scores out of order");
        // Coins compare unsigned.
        expect(static_cast<std::uint32_t>(r.pokerDiceTopScores[i].value) >=
                   static_cast<std::uint32_t>(r.pokerDiceTopScores[i + 1].value),
               "Poker Dice top scores out of order");
        expect(static_cast<std::uint32_t>(r.billionaireClub[i].value) >=
                   static_cast<std::uint32_t>(r.billionaireClub[i + 1].value),
               "the Billionaire Club out of order");
    }
    return faults;
}

} // namespace tumbledown::test
