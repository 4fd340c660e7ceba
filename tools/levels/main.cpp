// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tumbledown-levels: plays the games' computer players against each other
// from a seed and prints how strong each one is. See docs/levels.md.

#include "Chart.h"
#include "Invariant.h"
#include "Levels.h"
#include "Report.h"
#include "Runner.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace tumbledown::levels;

namespace {

const char* const usage =
    "usage: tumbledown-levels [options]\n"
    "Plays the computer players of 10,000, Poker Dice and Shut The Box against each other\n"
    "and against the best play of Shut The Box, and prints their strength with 95%\n"
    "confidence intervals.\n"
    "\n"
    "  --game NAME      tenthousand (10000), pokerdice or shutthebox; repeat or separate\n"
    "                   with commas for several (default: all three)\n"
    "  --games N        games per pairing (10,000), hands per pairing and setting (Poker\n"
    "                   Dice), single turns and games to 100 per row (Shut The Box);\n"
    "                   default 20000\n"
    "  --seed S         the seed (default 1); a seed gives the same figures on any\n"
    "                   number of threads\n"
    "  --threads T      worker threads (default: all cores)\n"
    "  --json           one JSON object per game on standard output\n"
    "  --html           the help page's tables\n"
    "  --plot FILE.png  a chart of the win rates with their confidence intervals\n"
    "  --help           this text\n";

struct Command {
    std::vector<Game> games;
    RunOptions options;
    bool json = false;
    bool html = false;
    std::string plot;
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "tumbledown-levels: %s\nTry 'tumbledown-levels --help'.\n",
                 message.c_str());
    std::exit(2);
}

std::int64_t number(const std::string& option, const std::string& text, std::int64_t low,
                    std::int64_t high) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used, 10);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < low || value > high)
        fail(option + " wants a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

Command parse(int argc, char** argv) {
    Command c;
    c.options.threads = defaultThreads();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::optional<std::string> attached;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            attached = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        const auto value = [&]() -> std::string {
            if (attached)
                return *attached;
            if (i + 1 >= argc)
                fail(arg + " wants a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            std::exit(0);
        } else if (arg == "--game") {
            std::string list = value();
            for (std::size_t start = 0; start <= list.size();) {
                const std::size_t end = std::min(list.find(',', start), list.size());
                const std::string name = list.substr(start, end - start);
                const std::optional<Game> game = parseGame(name);
                if (!game)
                    fail("no game called \"" + name + "\"");
                c.games.push_back(*game);
                start = end + 1;
            }
        } else if (arg == "--games") {
            c.options.games = number(arg, value(), 1, 1000000000000LL);
        } else if (arg == "--seed") {
            c.options.seed =
                static_cast<std::uint64_t>(number(arg, value(), 0, 0x7FFFFFFFFFFFFFFFLL));
        } else if (arg == "--threads") {
            c.options.threads = static_cast<int>(number(arg, value(), 1, 1024));
        } else if (arg == "--json" && !attached) {
            c.json = true;
        } else if (arg == "--html" && !attached) {
            c.html = true;
        } else if (arg == "--plot") {
            c.plot = value();
            if (c.plot.empty())
                fail("--plot wants a file name");
        } else {
            fail("unknown option \"" + std::string(argv[i]) + "\"");
        }
    }
    if (c.json && c.html)
        fail("--json and --html cannot go together");
    if (c.games.empty())
        c.games = {Game::TenThousand, Game::PokerDice, Game::ShutTheBox};
    c.options.progress = isatty(STDERR_FILENO) != 0;
    return c;
}

} // namespace

int main(int argc, char** argv) {
    const Command command = parse(argc, argv);
    std::vector<GameResults> runs;
    std::string tables; // the help's block is written once the chart is there
    try {
        for (std::size_t i = 0; i < command.games.size(); ++i) {
            runs.push_back(run(command.games[i], command.options));
            const GameResults& r = runs.back();
            if (command.html) {
                tables += htmlReport(r);
                continue;
            }
            const std::string out = command.json ? jsonReport(r) : textReport(r);
            std::fputs(out.c_str(), stdout);
            if (!command.json && i + 1 < command.games.size())
                std::fputs("\n", stdout);
            std::fflush(stdout);
        }
    } catch (const InvariantViolation& e) {
        std::fprintf(stderr, "tumbledown-levels: invariant violated: %s\n", e.what());
        return 3;
    }

    if (!command.plot.empty()) {
        // Painting needs fonts, hence a GUI application, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        QString error;
        const QString path = QString::fromStdString(command.plot);
        if (!writeChart(runs, path, error)) {
            std::fprintf(stderr, "tumbledown-levels: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (command.html) {
        const std::string block = htmlMadeBy(runs) + tables;
        std::fputs(block.c_str(), stdout);
    }
    return 0;
}
