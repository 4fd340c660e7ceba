// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h> // the scenario helpers' assertions

#include "SoakCheck.h"

#include "TranscriptWatch.h"
#include "scenarios/TranscriptLines.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace tumbledown::soak {

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The options of the games' own menus, on the bar only while their game is up.
bool isOptionId(long id) {
    return (id >= 104 && id <= 124) || (id >= 140 && id <= 151);
}

// The controls each dialog has, by resource.
const std::map<int, std::set<int>>& dialogControls() {
    static const std::map<int, std::set<int>> controls{
        {201, {101, 102, 103, 104, 105}},
        {202, {101, 102}},
        {203, {101, 102, 103, 104, 105, 106, 107}},
        {204, {101, 102, 103, 104, 105, 106, 107, 111, 112, 113, 114}},
        {205, {101, 102, 103, 104, 105, 106}},
    };
    return controls;
}

long numberOr(const std::string& text, long fallback) {
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        return used == text.size() ? value : fallback;
    } catch (...) {
        return fallback;
    }
}

std::string firstPanelLine(const test::Line& line) {
    const std::string& text = line.fields.size() > 2 ? line.fields[2] : "";
    return text.substr(0, text.find('|'));
}

int screenIndex(const std::string& name) {
    return name == "10000" ? 1 : name == "pokerdice" ? 2 : name == "shutthebox" ? 3 : 0;
}

} // namespace

Finished& Finished::operator+=(const Finished& other) {
    tenThousand += other.tenThousand;
    pokerDice += other.pokerDice;
    shutTheBox += other.shutTheBox;
    return *this;
}

bool expectedError(const std::string& text) {
    const std::string noItem = "no menu item ";
    if (startsWith(text, noItem)) {
        std::istringstream rest(text.substr(noItem.size()));
        std::string id;
        rest >> id;
        return isOptionId(numberOr(id, 0));
    }
    if (startsWith(text, "script answers dialog ") || endsWith(text, " does not fit the box"))
        return true;
    // "dialog ID has no control FIELD"
    std::istringstream words(text);
    std::string dialog, id, has, no, control, field;
    if (!(words >> dialog >> id >> has >> no >> control >> field) || dialog != "dialog" ||
        has != "has" || no != "no" || control != "control")
        return false;
    const auto known = dialogControls().find(static_cast<int>(numberOr(id, 0)));
    if (known == dialogControls().end())
        return false;
    const std::size_t equals = field.find('=');
    if (equals == std::string::npos)
        return true;
    return known->second.count(static_cast<int>(numberOr(field.substr(0, equals), -1))) == 0;
}

RunCheck checkTranscript(const std::vector<test::Line>& lines) {
    RunCheck check;
    test::TranscriptWatch watch;
    int screen = 0;
    std::uint32_t since = 0;
    std::size_t lastSave = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const test::Line& line = lines[i];
        for (const std::string& fault : watch.see(line))
            check.faults.push_back(fault);
        const std::string kind = line.fields.empty() ? "" : line.fields[0];
        const std::string first = line.fields.size() > 1 ? line.fields[1] : "";
        if (kind == "error" && !expectedError(first)) {
            check.faults.push_back("an unexpected error at " + std::to_string(line.time) +
                                   " ms: " + line.text());
        } else if (kind == "save") {
            lastSave = i;
        } else if (kind == "screen") {
            check.screenTime[screen] += line.time - since;
            screen = screenIndex(first);
            since = line.time;
        } else if (kind == "banner") {
            ++check.finished.shutTheBox;
        } else if (kind == "panel" && first == "10000") {
            const std::string top = firstPanelLine(line);
            check.finished.tenThousand += endsWith(top, " POINTS!") || top == "IT'S A TIE!";
        } else if (kind == "panel" && first == "pokerdice") {
            const std::string top = firstPanelLine(line);
            check.finished.pokerDice += endsWith(top, " WON!") || top == "IT'S A TIE!";
        }
    }
    if (!lines.empty())
        check.screenTime[screen] += lines.back().time - since;

    // The close saves the record; only the sound and music stopping come after.
    if (lastSave == lines.size()) {
        check.faults.push_back("the record was not saved at the close");
    } else {
        if (lines[lastSave].fields.size() < 3 || lines[lastSave].fields[2] != "ok")
            check.faults.push_back("the record could not be saved: " + lines[lastSave].text());
        for (std::size_t i = lastSave + 1; i < lines.size(); ++i) {
            const std::string& kind = lines[i].fields.empty() ? "" : lines[i].fields[0];
            if (kind != "sound" && kind != "music" && kind != "cursor") {
                check.faults.push_back("the run went on after the record was saved: " +
                                       lines[i].text());
                break;
            }
        }
    }
    return check;
}

std::vector<std::string> sanitizerReports(const std::string& stderrText) {
    std::vector<std::string> reports;
    std::istringstream in(stderrText);
    std::string line;
    while (std::getline(in, line))
        for (const char* mark :
             {"AddressSanitizer", "LeakSanitizer", "UndefinedBehaviorSanitizer", "runtime error:"})
            if (line.find(mark) != std::string::npos) {
                reports.push_back(line);
                break;
            }
    return reports;
}

std::vector<std::string> checkRecordFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() != PreferencesRecord::fileSize)
        return {"the record has " + std::to_string(bytes.size()) + " bytes"};
    std::array<std::uint8_t, PreferencesRecord::fileSize> saved{};
    std::copy(bytes.begin(), bytes.end(), saved.begin());
    const PreferencesRecord record = PreferencesRecord::fromBytes(saved);
    std::vector<std::string> faults = test::recordFaults(record);
    const auto again = record.toBytes();
    for (std::size_t i = 0; i < again.size(); ++i)
        if (again[i] != saved[i]) {
            faults.push_back("the record does not read back as saved: byte " + std::to_string(i) +
                             " is " + std::to_string(saved[i]) + ", read back as " +
                             std::to_string(again[i]));
            break;
        }
    return faults;
}

std::string lastLines(const std::vector<test::Line>& lines, int count) {
    std::vector<std::string> kept;
    for (auto it = lines.rbegin(); it != lines.rend() && static_cast<int>(kept.size()) < count;
         ++it)
        if (!test::isDrawing(*it))
            kept.push_back(std::to_string(it->time) + "\t" + it->text());
    std::string text;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        text += "  " + *it + "\n";
    return text;
}

} // namespace tumbledown::soak
