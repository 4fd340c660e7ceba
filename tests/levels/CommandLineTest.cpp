// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed program itself: its options, its outputs and its exit codes.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

#ifndef TUMBLEDOWN_LEVELS_BINARY
#error "TUMBLEDOWN_LEVELS_BINARY must name the tumbledown-levels program"
#endif

namespace tumbledown::levels {
namespace {

struct Ran {
    int status = -1;
    std::string out;
};

// Standard error goes to a pipe of its own so that a progress line could not
// mix into the output; the test is not on a terminal, so there should be none.
Ran runTool(const std::string& arguments, const std::string& errFile = "/dev/null") {
    const std::string command =
        std::string(TUMBLEDOWN_LEVELS_BINARY) + " " + arguments + " 2>" + errFile;
    Ran r;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return r;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// The output without its "threads" fields, the one thing the threads may change.
std::string withoutThreads(std::string json) {
    for (std::size_t at = json.find("\"threads\": "); at != std::string::npos;
         at = json.find("\"threads\": ", at))
        json.erase(at, json.find(',', at) + 2 - at);
    return json;
}

TEST(CommandLine, TheSameSeedGivesTheSameFiguresOnAnyNumberOfThreads) {
    const Ran one = runTool("--game 10000,stb --games 700 --seed 9 --json --threads 1");
    const Ran three = runTool("--game TenThousand --game Shut-The-Box --games 700 --seed 9 --json "
                              "--threads=3");
    ASSERT_EQ(one.status, 0);
    ASSERT_EQ(three.status, 0);
    EXPECT_EQ(withoutThreads(one.out), withoutThreads(three.out));
    const Ran other = runTool("--game 10000 --games 700 --seed 10 --json --threads 1");
    EXPECT_NE(withoutThreads(one.out).substr(0, 600), withoutThreads(other.out).substr(0, 600));

    // One object per game, one per line.
    EXPECT_EQ(one.out.rfind(
                  "{\"game\": \"tenthousand\", \"seed\": 9, \"games\": 700, \"threads\": 1, ", 0),
              0u);
    const std::size_t second = one.out.find('\n') + 1;
    EXPECT_EQ(one.out.find("{\"game\": \"shutthebox\", ", second), second) << one.out;
    EXPECT_EQ(one.out.find('\n', second), one.out.size() - 1);
}

TEST(CommandLine, PrintsTablesByDefaultAndNothingOnStandardErrorOffATerminal) {
    QTemporaryDir dir;
    const std::string err = dir.filePath("err").toStdString();
    const Ran r = runTool("--game pokerdice --games 500", err);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Poker Dice: seed 1, 500 hands"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("WIZARD v APPRENTICE"), std::string::npos);
    std::ifstream in(err);
    const std::string errors((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(errors, "") << "a progress line off a terminal";
}

TEST(CommandLine, WritesTheHelpBlockAndTheChart) {
    QTemporaryDir dir;
    const std::string chart = dir.filePath("chart.png").toStdString();
    const Ran r = runTool("--game stb --games 300 --seed 4 --html --plot " + chart);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("<p class=\"levels-made\">Measured with <code>tumbledown-levels --game "
                          "shutthebox --games 300 --seed 4 --html</code>",
                          0),
              0u)
        << r.out.substr(0, 200);
    EXPECT_NE(r.out.find("<!-- the chart of the tables below -->"), std::string::npos);
    EXPECT_NE(r.out.find("data-figure=\"shutthebox:computer:plain:won_vs_optimal\""),
              std::string::npos);
    std::ifstream png(chart, std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST(CommandLine, RefusesWhatItCannotDo) {
    for (const char* bad : {"--bogus", "--games 0", "--games 12x", "--game chess", "--threads 0",
                            "--json --html", "--seed", "--plot="}) {
        const Ran r = runTool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    const Ran help = runTool("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--game", "--games", "--seed", "--threads", "--json", "--html", "--plot"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(runTool("--game stb --games 10 --plot /no/such/folder/chart.png").status, 1)
        << "a chart that cannot be written";
}

} // namespace
} // namespace tumbledown::levels
