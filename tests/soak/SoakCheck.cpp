// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h> // the scenario helpers' assertions

#include "SoakCheck.h"
#include "SoakScript.h"

#include "core/PreferencesRecord.h"
#include "scenarios/TranscriptLines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace tumbledown::soak {

namespace {

using test::Line;

std::string field(const Line& line, std::size_t i) {
    return i < line.fields.size() ? line.fields[i] : "";
}

// Field i as a whole number; -1 when it is not one.
long long number(const Line& line, std::size_t i) {
    const std::string text = field(line, i);
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' ? -1 : value;
}

int boxSum(const std::string& boxes) {
    int sum = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        sum += boxes[i] == '1' ? static_cast<int>(i) + 1 : 0;
    return sum;
}

// How many comma-separated faces field 2 has, each one digit from `lowest`
// to 6; -1 when one is not.
int faces(const Line& line, char lowest) {
    std::istringstream in(field(line, 2));
    std::string face;
    int count = 0;
    while (std::getline(in, face, ','))
        if (face.size() != 1 || face[0] < lowest || face[0] > '6')
            return -1;
        else
            ++count;
    return count;
}

// The games' invariants as a transcript goes by, line by line, and the
// games it sees to their end.
class Watch {
public:
    explicit Watch(RunCheck& check) : check_(check) {}

    void see(const Line& line) {
        line_ = &line;
        const std::string kind = field(line, 0);
        const std::string game = field(line, 1);
        if (kind == "error") {
            expect(expectedError(game), "an unexpected error");
        } else if (kind == "screen") {
            check_.screenTime[screen_] += line.time - since_;
            screen_ = game == "10000" ? 1 : game == "pokerdice" ? 2 : game == "shutthebox" ? 3 : 0;
            since_ = line.time;
            box_ = BoxState{};
        } else if (kind == "scores" && (game == "10000" || game == "shutthebox")) {
            for (std::size_t i = 2; i < line.fields.size(); ++i)
                expect(number(line, i) >= 0, "a negative score");
            if (game == "shutthebox")
                expect(number(line, 2) <= 45 && number(line, 4) <= 45,
                       "a round worth more than every box");
        } else if (kind == "dice") {
            const int count = faces(line, game == "shutthebox" ? '1' : '0');
            expect(game == "10000"       ? count == 6
                   : game == "pokerdice" ? count == 5
                                         : count == 1 || count == 2,
                   "dice of the wrong number or faces");
            if (game != "shutthebox")
                return;
            box_.thrown = 0;
            for (std::size_t i = 0; i < line.fields.at(2).size(); i += 2)
                box_.thrown += line.fields[2][i] - '0';
            box_.diceOut = true;
        } else if (kind == "turn" && game == "shutthebox") {
            box_.diceOut = false; // the dice go back to the cup at the end of a turn
        } else if (kind == "banner") {
            box_.diceOut = false; // no box may be shut until the next game
            ++check_.finished.shutTheBox;
        } else if (kind == "boxes") {
            seeBoxes(field(line, 2), field(line, 3));
        } else if (kind == "coins") {
            // The person's purse is unsigned; the second is the computer's when it plays.
            expect(number(line, 2) >= 0, "a negative purse");
            expect(number(line, 3) >= 0 && number(line, 3) <= 999999999, "a bet beyond the abacus");
        } else if (kind == "panel" && (game == "10000" || game == "pokerdice")) {
            const std::string text = field(line, 2);
            const std::string top = text.substr(0, text.find('|'));
            const bool over =
                top.ends_with(game == "10000" ? " POINTS!" : " WON!") || top == "IT'S A TIE!";
            (game == "10000" ? check_.finished.tenThousand : check_.finished.pokerDice) += over;
        }
    }

    void end(std::uint32_t time) { check_.screenTime[screen_] += time - since_; }

private:
    struct BoxState {
        int thrown = 0;
        bool diceOut = false;
        std::string lastShut = "000000000";
        std::string lastPending = "000000000";
    };

    void expect(bool holds, const std::string& what) {
        if (!holds)
            check_.faults.push_back(what + " at " + std::to_string(line_->time) +
                                    " ms: " + line_->text());
    }

    void seeBoxes(const std::string& shut, const std::string& pending) {
        if (shut.size() != 9 || pending.size() != 9)
            return expect(false, "nine boxes");
        for (std::size_t i = 0; i < 9; ++i)
            if (pending[i] == '1')
                expect(shut[i] == '1', "a pending box not shut");
        const int pendingSum = boxSum(pending);
        expect(pendingSum <= box_.thrown, "pending boxes beyond the throw");
        if (pendingSum > 0)
            expect(box_.diceOut, "boxes pending with the dice in the cup");
        // The throw completed: the same boxes shut, none pending any more.
        if (pendingSum == 0 && boxSum(box_.lastPending) > 0 && shut == box_.lastShut)
            box_.diceOut = shut == "111111111";
        box_.lastShut = shut;
        box_.lastPending = pending;
    }

    RunCheck& check_;
    const Line* line_ = nullptr;
    int screen_ = 0;
    std::uint32_t since_ = 0;
    BoxState box_;
};

} // namespace

Finished& Finished::operator+=(const Finished& other) {
    tenThousand += other.tenThousand;
    pokerDice += other.pokerDice;
    shutTheBox += other.shutTheBox;
    return *this;
}

bool expectedError(const std::string& text) {
    // An option of a game's own menu, on the bar only while its game is up.
    long id = 0;
    if (std::sscanf(text.c_str(), "no menu item %ld", &id) == 1)
        return (id >= 104 && id <= 124) || (id >= 140 && id <= 151);
    if (text.rfind("script answers dialog ", 0) == 0 || text.ends_with(" does not fit the box"))
        return true;
    // "dialog ID has no control FIELD": only a control the script made up.
    const std::size_t field = text.find(" has no control ");
    if (text.rfind("dialog ", 0) != 0 || field == std::string::npos)
        return false;
    const std::vector<std::string>& madeUp = SoakScript::madeUpControls();
    return std::count(madeUp.begin(), madeUp.end(), text.substr(field + 16)) > 0;
}

RunCheck checkTranscript(const std::vector<Line>& lines) {
    RunCheck check;
    Watch watch(check);
    std::size_t lastSave = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        watch.see(lines[i]);
        if (field(lines[i], 0) == "save")
            lastSave = i;
    }
    if (!lines.empty())
        watch.end(lines.back().time);

    // The close saves the record; only the sound and music stopping come after.
    if (lastSave == lines.size()) {
        check.faults.push_back("the record was not saved at the close");
        return check;
    }
    if (field(lines[lastSave], 2) != "ok")
        check.faults.push_back("the record could not be saved: " + lines[lastSave].text());
    for (std::size_t i = lastSave + 1; i < lines.size(); ++i) {
        const std::string kind = field(lines[i], 0);
        if (kind != "sound" && kind != "music" && kind != "cursor") {
            check.faults.push_back("the run went on after the record was saved: " +
                                   lines[i].text());
            break;
        }
    }
    return check;
}

std::string checkRecordFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size != PreferencesRecord::fileSize)
        return "the record has " + std::to_string(ec ? 0 : size) + " bytes";
    const auto saved = test::recordFileBytes(path);
    // Loading mends what the program should never save: two levels, a delay
    // or a number of rolls out of range.
    return PreferencesRecord::fromBytes(saved).toBytes() == saved
               ? ""
               : "the record does not read back as saved";
}

std::string lastLines(const std::vector<Line>& lines, int count) {
    std::string text;
    for (auto it = lines.rbegin(); it != lines.rend() && count > 0; ++it)
        if (!test::isDrawing(*it)) {
            text.insert(0, "  " + std::to_string(it->time) + "\t" + it->text() + "\n");
            --count;
        }
    return text;
}

} // namespace tumbledown::soak
