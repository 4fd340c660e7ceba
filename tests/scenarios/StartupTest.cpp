// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace tumbledown;
using tumbledown::test::Scenario;

namespace {
const std::string clash = " may not be your own opponent.\\n"
                          "Second player's name is reset to\\n"
                          "'PLAYERB'.  To change this name,\\n"
                          "click on either player name.\\n";
}

TEST(Startup, FirstRunAsksForNamesAndSavesTheDefaults) {
    Scenario s;
    ASSERT_EQ(s.run("dialog 202 101=bob 102=al1ce-longername ok\n"), 0);
    EXPECT_TRUE(s.hasInOrder({
        "menubar\tGame|Music|Scores|Help",
        // The filter refuses the digit and the dash; the limit stops at 8 letters.
        "dialog\t202\tok\t101=bob,102=alcelong",
        "seed\t1000000000",
        "screen\tmain",
        "checked\t127",
        "music\topen\tfugue.mid\tok",
        "music\tplay\tok",
        "save\t" + s.prfPath() + "\tok",
    }));
    // The tip was advanced from the default 1 before the first paint.
    EXPECT_EQ(s.linesStarting("text\t").size(), 2u);
    EXPECT_FALSE(s.linesStarting("text\t").empty() ||
                 s.linesStarting("text\t")[0].fields[3] != "Try the Gremlin in Shut The Box, and");
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "ALCELONG");
    EXPECT_EQ(r.currentTip, 2);
    EXPECT_EQ(r.musicFileName(), "fugue.mid");
    EXPECT_EQ(r.tenThouDelay, 100);
    EXPECT_EQ(r.coinTally[1].nameString(), "ALCELONG");
    EXPECT_EQ(r.coinTally[2].nameString(), "BOB");
}

TEST(Startup, CancelledNamesDialogGivesTheDefaultNames) {
    Scenario s;
    ASSERT_EQ(s.run("dialog 202 101=ann cancel\n"), 0);
    EXPECT_EQ(s.record().player1(), "PLAYERA");
    EXPECT_EQ(s.record().player2(), "PLAYERB");
}

TEST(Startup, TheSameNameTwiceGivesTheWarning) {
    Scenario s;
    ASSERT_EQ(s.run("dialog 202 101=Bob 102=bOB ok\n"), 0);
    EXPECT_TRUE(s.has("box\tWarning\tBOB" + clash + "\tOK\tOK")) << s.dump();
    EXPECT_EQ(s.record().player2(), "PLAYERB");

    Scenario t;
    ASSERT_EQ(t.run("dialog 202 101=PLAYERB ok\n"), 0);
    EXPECT_TRUE(t.has("box\tWarning\tPLAYERB may not be your own opponent.\\n"
                      "Second player's name is reset to\\n'PLAYERA'.  To change this name,\\n"
                      "click on either player name.\\n\tOK\tOK"))
        << t.dump();
    EXPECT_EQ(t.record().player1(), "PLAYERB");
    EXPECT_EQ(t.record().player2(), "PLAYERA");
}

TEST(Startup, ASecondRunReadsTheRecordAndShowsTheNextTip) {
    Scenario s;
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.currentTip = 11;
    s.writeRecord(record);
    ASSERT_EQ(s.run(""), 0);
    EXPECT_TRUE(s.linesStarting("dialog").empty());
    EXPECT_EQ(s.record().currentTip, 1);
    EXPECT_EQ(s.linesStarting("text\t")[0].fields[3], "In surveys of magical persons, wizards");

    record.currentTip = -7; // damaged: shown as the first tip
    s.writeRecord(record);
    ASSERT_EQ(s.run(""), 0);
    EXPECT_EQ(s.record().currentTip, 1);
}

TEST(Startup, OutOfDateAndResetRecordsStartAfresh) {
    Scenario s;
    auto bytes = test::namedRecord("ANN", "BEN").toBytes();
    {
        std::ofstream out(s.prfPath(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), 1035);
    }
    ASSERT_EQ(s.run("dialog 202 101=cat ok\n"), 0);
    EXPECT_TRUE(s.hasInOrder({
        "box\t\tOut-of-date preference file found - re-setting defaults\tOK\tOK",
        "dialog\t202\tok\t101=cat,102=",
    }));
    EXPECT_EQ(s.record().player1(), "CAT");

    bytes[0] = 1;
    {
        std::ofstream out(s.prfPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), 1036);
    }
    ASSERT_EQ(s.run("dialog 202 101=dan ok\n"), 0);
    EXPECT_TRUE(s.linesStarting("box").empty());
    EXPECT_EQ(s.record().player1(), "DAN");
    EXPECT_EQ(s.record().resetFlag, 0);
}

TEST(Startup, ScriptErrorsExitWithTwo) {
    Scenario s;
    EXPECT_EQ(s.run("click 1\n"), 2);
    EXPECT_EQ(s.run("menu 999\n"), 0); // a missing item is reported, not fatal
    EXPECT_TRUE(s.has("error\tno menu item 999 in the menu bar"));
}

// Starts the real program (not a replay) in the scenario's folder, with a
// transcript, and returns once the window has drawn the main screen: the
// handshake that replaces a guess at how long start-up takes.
pid_t startAndWaitForTheMainScreen(const Scenario& s) {
    const std::string dir = s.dataDir().string();
    const std::string transcript = dir + "/live.transcript";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(TUMBLEDOWN_BINARY, TUMBLEDOWN_BINARY, "--data-dir", dir.c_str(), "--transcript",
              transcript.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The ctest timeout bounds a program that never draws.
    for (bool drawn = false; child > 0 && !drawn; std::this_thread::yield()) {
        for (const test::Line& line : test::readTranscript(transcript))
            drawn = drawn || (!line.fields.empty() && line.fields[0] == "blit");
        if (waitpid(child, nullptr, WNOHANG) == child) {
            ADD_FAILURE() << "ended before it drew";
            return -1;
        }
    }
    return child;
}

// A termination signal (logging out) closes through the close path, so the
// record is saved.
TEST(Startup, TerminationSignalClosesAndSaves) {
    Scenario s;
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.currentTip = 4;
    s.writeRecord(record);
    const pid_t child = startAndWaitForTheMainScreen(s);
    ASSERT_GT(child, 0);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal, not through its close path";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(s.record().currentTip, 5); // the advanced tip reached the file
}
