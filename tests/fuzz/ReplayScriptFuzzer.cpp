// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Parses arbitrary text as a replay script. The parser must never throw, must
// blame a line that exists, and must pass on only what the driver can carry
// out: every number it accepted converts as the driver converts it.

#include "FuzzCheck.h"
#include "platform/ReplayDriver.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using namespace tumbledown;
using fuzz::check;

namespace {

// The text's lines as the parser counts them.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

bool hasBlank(const std::string& word) {
    return word.find_first_of(" \t\n\v\f\r") != std::string::npos;
}

bool isEvent(const std::string& verb) {
    for (const char* event :
         {"click", "press", "release", "rclick", "move", "key", "menu", "close"})
        if (verb == event)
            return true;
    return false;
}

// The conversions ReplayDriver makes of the line's arguments; false when one
// would throw or lose the value.
bool driverCanConvert(const ScriptLine& line) {
    const auto& a = line.args;
    const std::string& v = line.verb;
    try {
        if (v == "click" || v == "press" || v == "release" || v == "rclick" || v == "move" ||
            v == "size") {
            std::stoi(a.at(0));
            std::stoi(a.at(1));
        } else if (v == "menu" || v == "dialog") {
            std::stoi(a.at(0));
        } else if (v == "wait") {
            return std::stoul(a.at(0)) <= UINT32_MAX;
        } else if (v == "zoom") {
            std::stoll(a.at(0));
        } else if (v == "answer" && a.size() == 2) {
            const long long thinking = std::stoll(a[1]);
            return thinking >= 0 && thinking <= UINT32_MAX;
        } else if (v == "rand") {
            for (const std::string& value : a) {
                const long long drawn = std::stoll(value);
                if (drawn < INT32_MIN || drawn > INT32_MAX)
                    return false;
            }
        }
    } catch (...) {
        return false;
    }
    return true;
}

// @T as written on the line, so that a time cut to 32 bits is noticed.
bool timeAsWritten(const ScriptLine& line, const std::string& raw) {
    std::istringstream words(raw);
    std::string first;
    words >> first;
    try {
        return std::stoll(first.substr(1)) == static_cast<long long>(*line.at);
    } catch (...) {
        return false;
    }
}

void checkParsed(const std::vector<ScriptLine>& script, const std::vector<std::string>& lines) {
    int previous = 0;
    bool eventSeen = false;
    for (const ScriptLine& line : script) {
        check(line.number > previous, "line numbers do not ascend");
        check(line.number <= static_cast<int>(lines.size()), "a line number beyond the text");
        previous = line.number;
        check(!line.verb.empty() && !hasBlank(line.verb) && line.verb[0] != '#' &&
                  line.verb[0] != '@',
              "a malformed verb was accepted");
        for (const std::string& arg : line.args)
            check(!arg.empty() && !hasBlank(arg), "a malformed argument was accepted");
        if (line.at) {
            check(isEvent(line.verb), "@T on a line that is not an event");
            check(timeAsWritten(line, lines[static_cast<std::size_t>(line.number - 1)]),
                  "an @T time was not kept as written");
        }
        check(line.verb != "size" || !eventSeen, "size accepted after an event");
        if (isEvent(line.verb) || line.verb == "wait" || line.verb == "music-end" ||
            line.verb == "zoom" || line.verb == "shot")
            eventSeen = true;
        check(driverCanConvert(line), "an accepted number the driver cannot convert");
    }
}

// "line N: REASON", N a line of the text.
void checkRefused(const std::string& error, const std::vector<std::string>& lines) {
    int number = 0;
    int used = 0;
    check(std::sscanf(error.c_str(), "line %d: %n", &number, &used) == 1 && used > 0 &&
              error.size() > static_cast<std::size_t>(used) && error[used - 2] == ':',
          "a refusal that names no line or gives no reason");
    check(number >= 1 && number <= static_cast<int>(lines.size()),
          "a refusal blames a line beyond the text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = linesOf(text);
    std::string error;
    std::optional<std::vector<ScriptLine>> script;
    try {
        script = parseScript(text, error);
    } catch (...) {
        check(false, "the parser threw");
    }
    if (script) {
        check(error.empty(), "an accepted script with an error");
        checkParsed(*script, lines);
    } else {
        checkRefused(error, lines);
    }
    return 0;
}
