// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed program itself: its options, its outputs and its exit codes.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef TUMBLEDOWN_LEVELS_BINARY
#error "TUMBLEDOWN_LEVELS_BINARY must name the tumbledown-levels program"
#endif

namespace tumbledown::levels {
namespace {

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

// Standard error is read apart from the output, so that a progress line could
// not mix into it; the test is not on a terminal, so there should be none.
Ran runTool(const std::string& arguments) {
    QProcess tool;
    tool.start(TUMBLEDOWN_LEVELS_BINARY, QString::fromStdString(arguments).split(' '));
    if (!tool.waitForFinished(-1) || tool.exitStatus() != QProcess::NormalExit)
        return {};
    return {tool.exitCode(), tool.readAllStandardOutput().toStdString(),
            tool.readAllStandardError().toStdString()};
}

// The output without its "threads" fields, the one thing the threads may change.
std::string withoutThreads(std::string json) {
    for (std::size_t at = json.find("\"threads\": "); at != std::string::npos;
         at = json.find("\"threads\": ", at))
        json.erase(at, json.find(',', at) + 2 - at);
    return json;
}

TEST(CommandLine, TheSameSeedGivesTheSameFiguresOnAnyNumberOfThreads) {
    const Ran one = runTool("--game 10000,poker,stb --games 700 --seed 9 --json --threads 1");
    const Ran three = runTool("--game TenThousand --game Poker-Dice --game Shut-The-Box --games "
                              "700 --seed 9 --json --threads=3");
    ASSERT_EQ(one.status, 0);
    ASSERT_EQ(three.status, 0);
    EXPECT_EQ(withoutThreads(one.out), withoutThreads(three.out));
    const Ran other = runTool("--game 10000 --games 700 --seed 10 --json --threads 1");
    EXPECT_NE(withoutThreads(one.out).substr(0, 600), withoutThreads(other.out).substr(0, 600));

    // One object per game, one per line, in the order asked for.
    std::size_t line = 0;
    for (const std::string game : {"tenthousand", "pokerdice", "shutthebox"}) {
        EXPECT_EQ(one.out.find("{\"game\": \"" + game +
                                   "\", \"seed\": 9, \"games\": 700, \"threads\": 1, ",
                               line),
                  line)
            << one.out;
        line = one.out.find('\n', line) + 1;
    }
    EXPECT_EQ(line, one.out.size());
}

// With no game named, the tables of all three in turn, from seed 1.
TEST(CommandLine, PrintsTablesOfEveryGameByDefaultAndNothingOnStandardErrorOffATerminal) {
    const Ran r = runTool("--games 300");
    ASSERT_EQ(r.status, 0);
    std::size_t at = 0;
    for (const char* text :
         {"10,000: seed 1, 300 games", "WIZARD v APPRENTICE", "per processor second",
          "Poker Dice: seed 1, 300 hands", "MAGE v APPRENTICE", "wild",
          "Shut The Box: seed 1, 300 single turns", "BEST PLAY, Gremlin", "games to 100"}) {
        at = r.out.find(text, at);
        ASSERT_NE(at, std::string::npos) << text << " missing or out of order:\n" << r.out;
    }
    EXPECT_EQ(r.err, "") << "a progress line off a terminal";
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
    EXPECT_FALSE(QImage(QString::fromStdString(chart), "PNG").isNull()) << "no chart in " << chart;
}

TEST(CommandLine, RefusesWhatItCannotDo) {
    for (const char* bad : {"--bogus", "--games 0", "--games 12x", "--game chess", "--threads 0",
                            "--json --html", "--seed", "--plot="}) {
        const Ran r = runTool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    EXPECT_EQ(runTool("--game stb --games 10 --plot /no/such/folder/chart.png").status, 1)
        << "a chart that cannot be written";
}

} // namespace
} // namespace tumbledown::levels
