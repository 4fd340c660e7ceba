// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the soak holds each run of the program to, read from its transcript
// and the record it saved.

#include "scenarios/Scenario.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tumbledown::soak {

// Games brought to their end: 10,000's winner or tie, Poker Dice's settled
// hands, Shut The Box's banners.
struct Finished {
    int tenThousand = 0;
    int pokerDice = 0;
    int shutTheBox = 0;
    Finished& operator+=(const Finished& other);
};

struct RunCheck {
    std::vector<std::string> faults;
    Finished finished;
    // Virtual milliseconds spent on each screen: main, 10,000, Poker Dice, Shut The Box.
    std::uint64_t screenTime[4] = {};
};

// True for an `error` line a random script is bound to cause: an option of
// a game not on the bar, an answer left over for another box or dialog, a
// control the script made up. A control a dialog should have is not one.
bool expectedError(const std::string& text);

// Checks a finished run's transcript: the record saved at the close, only
// expected errors, the games' invariants.
RunCheck checkTranscript(const std::vector<test::Line>& lines);

// What is wrong with the record file as saved: not whole, or not read back to
// the very same bytes; empty when nothing.
std::string checkRecordFile(const std::filesystem::path& path);

// The last lines of a transcript that are not drawing, for a report.
std::string lastLines(const std::vector<test::Line>& lines, int count);

} // namespace tumbledown::soak
