// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the games' scenario scripts share for writing the transcript lines they
// expect and for reading the ones the program wrote.

#include "Scenario.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
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
// A line of a head and these numbers, tab-separated.
inline std::string tabbed(const std::string& head, std::initializer_list<std::int64_t> numbers) {
    std::string out = head;
    for (const std::int64_t n : numbers)
        out += "\t" + std::to_string(n);
    return out;
}
inline std::string delay(int ms) {
    return "delay\t" + std::to_string(ms);
}

inline std::string play(const std::string& file) {
    return "sound\tplay\t" + file + "\tasync";
}
inline const std::string soundStop = "sound\tstop";
// The eight rising notes of a win or a tie, 100 ms each.
inline Lines fanfare() {
    Lines notes;
    for (int n = 1; n <= 8; ++n)
        notes = notes + Lines{play("note" + std::to_string(n) + ".wav"), delay(100)};
    return notes;
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

// A run of the script from this record, which must end well.
inline Scenario played(const PreferencesRecord& record, const std::string& script) {
    Scenario s = withRecord(record);
    EXPECT_EQ(s.run(script), 0) << s.dump();
    return s;
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

// True when the lines appear one right after the other among the events, or
// among these lines read from the scenario's transcript.
inline ::testing::AssertionResult hasRun(const Scenario& s, const Lines& all, const Lines& run) {
    if (std::search(all.begin(), all.end(), run.begin(), run.end()) != all.end())
        return ::testing::AssertionSuccess();
    std::string expected;
    for (const std::string& l : run)
        expected += "  " + l + "\n";
    return ::testing::AssertionFailure() << "missing as one run:\n"
                                         << expected << "transcript:\n"
                                         << s.dump();
}
inline ::testing::AssertionResult hasRun(const Scenario& s, const Lines& run) {
    return hasRun(s, events(s), run);
}

// The lines appear among the events in this order, others between them.
inline ::testing::AssertionResult hasInOrder(const Scenario& s, const Lines& expected) {
    return inOrder(events(s), expected, s);
}

// A game's top-scores box ("10,000", "PokerDice", "Shut The Box") down to its
// entries; the title is underlined in full.
inline std::string topScores(const std::string& game, const std::string& entries) {
    return "box\tTop Scores\tTop Scores for " + game + "\\n" + std::string(game.size() + 15, '_') +
           "\\n\\n\\n" + entries;
}
// What Poker Dice's box shows after its table.
inline const std::string club = "\\n\\nBillionaire Club\\n________________\\n\\n";
inline const std::string noClub = club + "There are no billionaires yet.\tOK\tOK";

// A table holding these entries from its first place on, the rest empty.
inline ScoreTable tableOf(std::initializer_list<std::pair<const char*, std::int32_t>> entries) {
    ScoreTable table{};
    std::size_t place = 1;
    for (const auto& [name, value] : entries) {
        table[place].setName(name);
        table[place++].value = value;
    }
    return table;
}

// A table's first entries as "NAME VALUE" joined by commas; an empty one is " 0".
inline std::string entries(const ScoreTable& table, int count) {
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += (i > 1 ? ", " : "") + table[i].nameString() + " " +
               std::to_string(static_cast<std::uint32_t>(table[i].value));
    return out;
}

inline int count(const Lines& lines, const std::string& text) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

} // namespace tumbledown::test
