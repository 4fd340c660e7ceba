// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the games' scenario scripts share for writing the transcript lines they
// expect and for reading the ones the program wrote.

#include "Scenario.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tumbledown::test {

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
inline Lines repeat(const std::string& line, int times) {
    return Lines(static_cast<std::size_t>(std::max(times, 0)), line);
}
inline std::string delay(int ms) {
    return "delay\t" + std::to_string(ms);
}

inline bool isDrawing(const Line& line) {
    if (line.fields.empty())
        return false;
    const std::string& kind = line.fields[0];
    return kind == "blit" || kind == "and" || kind == "or" || kind == "text" || kind == "tile";
}

// The events of one kind ("scores", "dice", "turn", ...), in order.
inline Lines eventsOf(const Scenario& s, const std::string& kind) {
    Lines out;
    for (const Line& line : s.lines())
        if (!line.fields.empty() && line.fields[0] == kind)
            out.push_back(line.text());
    return out;
}

// What the program did, drawing left out: the lines' texts without their times.
// A seed line keeps only its kind; its value depends on the time it was taken.
inline Lines events(const Scenario& s) {
    Lines out;
    for (const Line& line : s.lines())
        if (!isDrawing(line))
            out.push_back(line.fields[0] == "seed" ? "seed" : line.text());
    return out;
}

// The events from the nth line equal to `from` onwards.
inline Lines eventsFrom(const Scenario& s, const std::string& from, int nth = 1) {
    const Lines all = events(s);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == from && --nth == 0)
            return Lines(all.begin() + static_cast<std::ptrdiff_t>(i), all.end());
    return {};
}

// True when the lines appear one right after the other among the events.
inline ::testing::AssertionResult hasRun(const Scenario& s, const Lines& run) {
    const Lines all = events(s);
    for (std::size_t i = 0; i + run.size() <= all.size(); ++i)
        if (std::equal(run.begin(), run.end(), all.begin() + static_cast<std::ptrdiff_t>(i)))
            return ::testing::AssertionSuccess();
    std::string expected;
    for (const std::string& l : run)
        expected += "  " + l + "\n";
    return ::testing::AssertionFailure() << "missing as one run:\n"
                                         << expected << "transcript:\n"
                                         << s.dump();
}

// The lines appear among the events in this order, others between them.
inline ::testing::AssertionResult hasInOrder(const Scenario& s, const Lines& expected) {
    return inOrder(events(s), expected, s);
}

inline int count(const Lines& lines, const std::string& text) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

} // namespace tumbledown::test
