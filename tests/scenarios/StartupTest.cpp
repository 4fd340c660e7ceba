// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace tumbledown;
using tumbledown::test::Scenario;

namespace {

// Runs the real program (not a replay) in the scenario's folder with a
// transcript and, once it has written a line of this kind (the handshake that
// replaces a guess at how long that takes), sends it the termination signal
// (logging out). Returns its exit status; -1 when it ended first, or did not
// write the line or end within a minute (it is then killed).
int terminatedOnceWritten(const Scenario& s, const std::string& kind) {
    const std::string dir = s.dataDir().string();
    const std::string transcript = dir + "/live.transcript";
    std::filesystem::remove(transcript); // a run before left its own
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
    bool sent = false;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (int status = 0; child > 0 && std::chrono::steady_clock::now() < limit;
         std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        if (waitpid(child, &status, WNOHANG) == child) {
            EXPECT_TRUE(sent) << "ended before writing " << kind;
            return sent && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        for (const test::Line& line : test::readTranscript(transcript))
            if (!sent && !line.fields.empty() && line.fields[0] == kind)
                sent = kill(child, SIGTERM) == 0;
    }
    ADD_FAILURE() << (sent ? "still running after the signal" : "never wrote " + kind);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

} // namespace

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
        s.saveLine(),
    }));
    // The tip was advanced from the default 1 before the first paint.
    const auto texts = s.linesStarting("text\t");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].fields[3], "Try the Gremlin in Shut The Box, and");
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.player1() + " " + r.player2(), "BOB ALCELONG");
    EXPECT_EQ(r.currentTip, 2);
    EXPECT_EQ(r.coinTally[1].nameString() + " " + r.coinTally[2].nameString(), "ALCELONG BOB");
}

// A cancelled dialog gives the default names, whatever was typed.
TEST(Startup, ACancelledNamesDialogGivesTheDefaultNames) {
    Scenario s;
    ASSERT_EQ(s.run("dialog 202 101=ann cancel\n"), 0);
    EXPECT_TRUE(s.linesStarting("box").empty());
    EXPECT_EQ(s.record().player1() + " " + s.record().player2(), "PLAYERA PLAYERB");
}

TEST(Startup, ScriptErrorsExitWithTwo) {
    Scenario s;
    EXPECT_EQ(s.run("click 1\n"), 2);
}

// A termination signal closes through the close path, so the record is saved:
// once the main screen is drawn, and while a box waits for the player (the box
// takes its default answer rather than the desktop killing a program that still
// waits for a person).
TEST(Startup, TerminationSignalClosesAndSaves) {
    Scenario s;
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.currentTip = 4;
    s.writeRecord(record);
    EXPECT_EQ(terminatedOnceWritten(s, "blit"), 0);
    EXPECT_EQ(s.record().currentTip, 5); // the advanced tip reached the file

    record.musicOn = 1;
    record.setMusicFile("nowhere.mid"); // asks whether to search for it at the first paint
    s.writeRecord(record);
    EXPECT_EQ(terminatedOnceWritten(s, "box-shown"), 0);
    // "No" to the search: the music is switched off, and that was saved.
    EXPECT_EQ(s.record().musicOn, 0);
    EXPECT_EQ(s.record().player1(), "ANN");
}
