// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using namespace tumbledown;
using tumbledown::test::Scenario;

namespace {

// Starts the real program (not a replay) in the scenario's folder.
pid_t startProgram(const Scenario& s) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(s.dataDir().c_str()) != 0)
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const std::string dataDir = s.dataDir().string();
        execl(TUMBLEDOWN_BINARY, TUMBLEDOWN_BINARY, "--data-dir", dataDir.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The exit status once the program has ended, or -1 after the time limit.
int waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

} // namespace

// Logging out while a box waits for the player: the box takes its default
// answer and the record is saved, rather than the desktop killing a program
// that still waits for a person.
TEST(Termination, ASignalWhileABoxWaitsAnswersItAndSavesTheRecord) {
    Scenario s;
    PreferencesRecord record = test::namedRecord("ANN", "BEN");
    record.musicOn = 1;
    record.setMusicFile("nowhere.mid"); // asks whether to search for it at the first paint
    s.writeRecord(record);

    const pid_t pid = startProgram(s);
    ASSERT_GT(pid, 0);
    // Long enough for the window to paint and ask its question.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_EQ(waitFor(pid, std::chrono::milliseconds(0)), -1) << "ended before the signal";
    kill(pid, SIGTERM);
    const int status = waitFor(pid, std::chrono::seconds(10));
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    ASSERT_EQ(status, 0);
    // "No" to the search: the music is switched off, and that was saved.
    EXPECT_EQ(s.record().musicOn, 0);
    EXPECT_EQ(s.record().player1(), "ANN");
}
