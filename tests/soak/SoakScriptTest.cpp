// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "SoakCheck.h"
#include "SoakScript.h"

#include "platform/ReplayDriver.h"

#include <map>
#include <set>

using namespace tumbledown;
using tumbledown::soak::SoakScript;
using tumbledown::test::Line;

namespace {

const std::vector<std::string> files{"/data/fugue.mid", "damaged.mid", "missing.mid"};

std::string session(std::uint32_t seed, int events, int segments) {
    SoakScript generator(seed, files);
    std::string all;
    for (int k = 0; k < segments; ++k)
        all += generator.segment(events / segments) + "# --- next run\n";
    return all;
}

Line line(std::uint32_t time, std::vector<std::string> fields) {
    return Line{time, std::move(fields)};
}

} // namespace

TEST(SoakScript, TheSameSeedGivesTheSameRunsAndAnotherSeedOthers) {
    EXPECT_EQ(session(5, 3000, 3), session(5, 3000, 3));
    EXPECT_NE(session(5, 3000, 3), session(6, 3000, 3));
}

TEST(SoakScript, EachRunIsAScriptTheProgramTakesWithTheEventsAskedFor) {
    SoakScript generator(11, files);
    for (int k = 0; k < 5; ++k) {
        const std::string script = generator.segment(1000);
        std::string error;
        const auto parsed = parseScript(script, error);
        ASSERT_TRUE(parsed.has_value()) << error;
        const int events = SoakScript::countEvents(script);
        EXPECT_GE(events, 1000);
        EXPECT_LE(events, 1010); // a step adds a few at most
        // Every run goes back to a game from the main screen first.
        ASSERT_FALSE(parsed->empty());
        EXPECT_TRUE(parsed->front().verb == "menu" || parsed->front().verb == "click");
    }
}

TEST(SoakScript, AllThreeGamesArePlayedForLongStretchesAndEveryMenuItemIsChosen) {
    const std::string script = session(20240613, 3000, 3);
    std::string error;
    const auto parsed = parseScript(script, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    // The events after each way into a game, counted for that game.
    const std::map<std::string, int> ways{
        {"menu 101", 1},      {"menu 102", 2},      {"menu 103", 3},     {"menu 152", 0},
        {"click 184 161", 1}, {"click 184 282", 2}, {"click 184 433", 3}};
    int game = 0;
    std::map<int, int> events;
    std::set<int> menus;
    for (const ScriptLine& l : *parsed) {
        const std::string text = l.verb + (l.args.empty() ? "" : " " + l.args[0]) +
                                 (l.args.size() > 1 ? " " + l.args[1] : "");
        if (l.verb == "menu")
            menus.insert(std::stoi(l.args[0]));
        if (const auto way = ways.find(text); way != ways.end() && !l.at)
            game = way->second;
        else if (l.verb != "rand" && l.verb != "answer" && l.verb != "dialog" && l.verb != "file")
            ++events[game];
    }
    for (int g = 1; g <= 3; ++g)
        EXPECT_GE(events[g], 600) << "game " << g;

    const std::string longer = script + session(99, 20000, 4);
    const auto all = parseScript(longer, error);
    ASSERT_TRUE(all.has_value()) << error;
    for (const ScriptLine& l : *all)
        if (l.verb == "menu")
            menus.insert(std::stoi(l.args[0]));
    for (int id : {101, 102, 103, 152, 127, 128, 129, 132, 133, 134, 135, 136, 137, 138, 139, 104,
                   105, 106, 107, 108, 140, 141, 142, 143, 109, 110, 111, 112, 113, 114, 115, 116,
                   117, 144, 145, 146, 147, 118, 119, 120, 121, 122, 124, 148, 149, 150, 151})
        EXPECT_TRUE(menus.count(id)) << "menu " << id << " never chosen";
}

TEST(SoakCheck, OnlyTheErrorsARandomScriptCausesAreExpected) {
    EXPECT_TRUE(soak::expectedError("no menu item 120 in the menu bar"));
    EXPECT_TRUE(soak::expectedError("no menu item 147 in the menu bar"));
    EXPECT_TRUE(soak::expectedError("script answers dialog 203, dialog 204 is up"));
    EXPECT_TRUE(soak::expectedError("answer Yes does not fit the box"));
    EXPECT_TRUE(soak::expectedError("dialog 204 has no control 999=1"));
    EXPECT_TRUE(soak::expectedError("dialog 201 has no control nothing"));
    // The bar's own menus are always there; a dialog's own controls too.
    EXPECT_FALSE(soak::expectedError("no menu item 101 in the menu bar"));
    EXPECT_FALSE(soak::expectedError("no menu item 139 in the menu bar"));
    EXPECT_FALSE(soak::expectedError("dialog 204 has no control 113=1"));
    EXPECT_FALSE(soak::expectedError("dialog 205 has no control 106=0"));
    EXPECT_FALSE(soak::expectedError("cannot write shot.png"));
}

TEST(SoakCheck, ARunMustEndWithTheRecordSavedAndKeepTheGamesSound) {
    const Line saved = line(900, {"save", "/d/tumbledown.prf", "ok"});
    const Line stop = line(900, {"sound", "stop"});
    EXPECT_TRUE(soak::checkTranscript({line(0, {"screen", "main"}), saved, stop}).faults.empty());

    EXPECT_EQ(soak::checkTranscript({line(0, {"screen", "main"})}).faults.size(), 1u);
    EXPECT_EQ(soak::checkTranscript({line(0, {"save", "/d/tumbledown.prf", "fail"})}).faults.size(),
              1u);
    EXPECT_EQ(soak::checkTranscript({saved, line(950, {"screen", "10000"})}).faults.size(), 1u);
    EXPECT_EQ(soak::checkTranscript({line(5, {"scores", "10000", "0", "-50", "0", "0"}), saved})
                  .faults.size(),
              1u);
    EXPECT_EQ(soak::checkTranscript({line(5, {"coins", "100", "200", "-1"}), saved}).faults.size(),
              1u);
    EXPECT_EQ(soak::checkTranscript({line(5, {"error", "no menu item 129 in the menu bar"}), saved})
                  .faults.size(),
              1u);
}

TEST(SoakCheck, FinishedGamesAreCountedFromTheirEnds) {
    const soak::RunCheck check = soak::checkTranscript({
        line(0, {"screen", "10000"}),
        line(10, {"panel", "10000", "ANN WINS WITH 10250 POINTS!|BEN IS FIRST NEXT GAME."}),
        line(20, {"panel", "10000", "IT'S A TIE!|||ANN IS FIRST NEXT GAME."}),
        line(25, {"panel", "10000", "ANN IS FIRST THIS TIME."}),
        line(30, {"screen", "pokerdice"}),
        line(40, {"panel", "pokerdice", "BEN WON!||MAKE A BET, THEN"}),
        line(50, {"panel", "pokerdice", "ANN LOST ALL!|WIZARDLY GENEROSITY"}),
        line(60, {"screen", "shutthebox"}),
        line(70, {"banner", "TIE", "0"}),
        line(100, {"save", "/d/tumbledown.prf", "ok"}),
    });
    EXPECT_TRUE(check.faults.empty());
    EXPECT_EQ(check.finished.tenThousand, 2);
    EXPECT_EQ(check.finished.pokerDice, 1);
    EXPECT_EQ(check.finished.shutTheBox, 1);
    EXPECT_EQ(check.screenTime[1], 30u);
    EXPECT_EQ(check.screenTime[3], 40u);
}
