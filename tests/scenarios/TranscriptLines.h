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

} // namespace tumbledown::test
