// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "SoakCheck.h"
#include "SoakScript.h"

#include "platform/ReplayDriver.h"

#include <set>

using namespace tumbledown;
using tumbledown::soak::SoakScript;
using tumbledown::test::Line;

namespace {

std::string session(std::uint32_t seed, int events, int segments) {
    SoakScript generator(seed, {"/data/fugue.mid", "damaged.mid", "missing.mid"});
    std::string all;
    for (int k = 0; k < segments; ++k) {
        const std::string script = generator.segment(events / segments);
        const int count = SoakScript::countEvents(script);
        EXPECT_GE(count, events / segments);
        EXPECT_LE(count, events / segments + 10); // a step adds a few at most
        all += script + "# --- next run\n";
    }
    return all;
}

std::size_t faults(std::vector<Line> lines) {
    lines.push_back(Line{900, {"save", "/d/tumbledown.prf", "ok"}});
    return soak::checkTranscript(lines).faults.size();
}

} // namespace

// The same seed gives the same runs, each a script the program takes, and
// every menu item is chosen (those of games not up too). That every game is
// played to its end the soak itself sees.
TEST(SoakScript, RunsAreReproducibleScriptsThatChooseEveryMenuItem) {
    const std::string script = session(20240613, 3000, 3);
    EXPECT_EQ(script, session(20240613, 3000, 3));
    EXPECT_NE(script, session(6, 3000, 3));
    std::string error;
    const auto parsed = parseScript(script + session(99, 20000, 4), error);
    ASSERT_TRUE(parsed.has_value()) << error;
    std::set<int> menus;
    for (const ScriptLine& l : *parsed)
        if (l.verb == "menu")
            menus.insert(std::stoi(l.args[0]));
    for (int id = 101; id <= 152; ++id)
        EXPECT_TRUE(menus.count(id) || id == 123 || id == 125 || id == 126 || id == 130 ||
                    id == 131)
            << "menu " << id << " never chosen";
}

TEST(SoakCheck, OnlyTheErrorsARandomScriptCausesAreExpected) {
    for (const auto& [text, expected] : std::vector<std::pair<const char*, bool>>{
             {"no menu item 120 in the menu bar", true},
             {"no menu item 147 in the menu bar", true},
             {"script answers dialog 203, dialog 204 is up", true},
             {"answer Yes does not fit the box", true},
             {"dialog 204 has no control 999=1", true},
             {"dialog 201 has no control nothing", true},
             // The bar's own menus are always there; a dialog's own controls too.
             {"no menu item 101 in the menu bar", false},
             {"no menu item 139 in the menu bar", false},
             {"dialog 204 has no control 113=1", false},
             {"dialog 205 has no control 106=0", false},
             {"cannot write shot.png", false}})
        EXPECT_EQ(soak::expectedError(text), expected) << text;
}

// Each transcript with the number of faults it holds, once saved at the close.
TEST(SoakCheck, ARunMustEndWithTheRecordSavedAndKeepTheGamesSound) {
    const std::vector<std::pair<std::vector<Line>, std::size_t>> runs{
        {{{0, {"screen", "main"}}, {900, {"sound", "stop"}}}, 0},
        {{{5, {"scores", "10000", "0", "-50", "0", "0"}}}, 1},
        {{{5, {"coins", "100", "200", "-1"}}}, 1},
        {{{5, {"error", "no menu item 129 in the menu bar"}}}, 1},
        {{{5, {"dice", "shutthebox", "3,4"}}, {6, {"boxes", "1", "000000100", "000000100"}}}, 0},
        // Pending boxes beyond the throw.
        {{{5, {"dice", "shutthebox", "3,4"}}, {6, {"boxes", "1", "000000001", "000000001"}}}, 1},
    };
    for (const auto& [lines, count] : runs)
        EXPECT_EQ(faults(lines), count) << lines.front().text();
    EXPECT_EQ(soak::checkTranscript({{0, {"screen", "main"}}}).faults.size(), 1u);
    EXPECT_EQ(soak::checkTranscript({{0, {"save", "/d/tumbledown.prf", "fail"}}}).faults.size(),
              1u);
    EXPECT_EQ(soak::checkTranscript(
                  {{0, {"save", "/d/tumbledown.prf", "ok"}}, {950, {"screen", "10000"}}})
                  .faults.size(),
              1u);

    // Games are counted from their ends, screen time from the screens' changes.
    const soak::RunCheck check = soak::checkTranscript({
        {0, {"screen", "10000"}},
        {10, {"panel", "10000", "ANN WINS WITH 10250 POINTS!|BEN IS FIRST NEXT GAME."}},
        {20, {"panel", "10000", "IT'S A TIE!|||ANN IS FIRST NEXT GAME."}},
        {25, {"panel", "10000", "ANN IS FIRST THIS TIME."}},
        {30, {"screen", "pokerdice"}},
        {40, {"panel", "pokerdice", "BEN WON!||MAKE A BET, THEN"}},
        {50, {"panel", "pokerdice", "ANN LOST ALL!|WIZARDLY GENEROSITY"}},
        {60, {"screen", "shutthebox"}},
        {70, {"banner", "TIE", "0"}},
        {100, {"save", "/d/tumbledown.prf", "ok"}},
    });
    EXPECT_TRUE(check.faults.empty());
    EXPECT_EQ(check.finished.tenThousand, 2);
    EXPECT_EQ(check.finished.pokerDice, 1);
    EXPECT_EQ(check.finished.shutTheBox, 1);
    EXPECT_EQ(check.screenTime[1], 30u);
    EXPECT_EQ(check.screenTime[3], 40u);
}
