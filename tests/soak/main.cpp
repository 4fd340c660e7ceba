// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The soak: long random sessions over all three games, played against the real
// program in replay mode, one run per segment in the same data folder, so that
// each run starts from the record the one before saved.

#include <gtest/gtest.h> // the scenario helpers' assertions

#include "SoakCheck.h"
#include "SoakScript.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tumbledown;
namespace fs = std::filesystem;

namespace {

struct Options {
    std::string binary = TUMBLEDOWN_BINARY;
    int events = 3000;
    int segments = 3;
    std::uint32_t seed = 1;
    int timeoutSeconds = 600;
    std::string keep;
};

const char* const usage =
    "usage: soak [--binary PATH] [--events N] [--segments K] [--seed S]\n"
    "            [--timeout-seconds T] [--keep DIR]\n"
    "Plays N random events over all three games against the program in K runs, each\n"
    "starting from the record the last one saved, and checks every run.\n";

bool parseOptions(int argc, char** argv, Options& o) {
    const std::map<std::string, std::function<void(const std::string&)>> set{
        {"--binary", [&](const std::string& v) { o.binary = v; }},
        {"--events", [&](const std::string& v) { o.events = std::stoi(v); }},
        {"--segments", [&](const std::string& v) { o.segments = std::stoi(v); }},
        {"--seed", [&](const std::string& v) { o.seed = std::uint32_t(std::stoul(v)); }},
        {"--timeout-seconds", [&](const std::string& v) { o.timeoutSeconds = std::stoi(v); }},
        {"--keep", [&](const std::string& v) { o.keep = v; }},
    };
    for (int i = 1; i < argc; i += 2) {
        const auto option = set.find(argv[i]);
        if (option == set.end() || i + 1 >= argc)
            return false;
        try {
            option->second(argv[i + 1]);
        } catch (...) {
            return false;
        }
    }
    return o.events > 0 && o.segments > 0 && o.segments <= o.events && o.timeoutSeconds > 0;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs the program on one script in the data folder, its output in files
// there; `timeout` ends it when it has not finished in time, exiting 124 (or
// 137 when it had to kill it). Returns the exit code, 128 + N for signal N.
int runProgram(const Options& o, const fs::path& dir, const std::string& name) {
    const std::string base = "'" + (dir / name).string();
    const std::string command =
        "cd '" + dir.string() + "' && timeout -k 10 " + std::to_string(o.timeoutSeconds) + " '" +
        o.binary + "' --replay " + base + ".script' --transcript " + base +
        ".transcript' --data-dir '" + dir.string() + "' >/dev/null 2>" + base + ".stderr'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The files the file dialogs are answered with: the real tune by its full
// path and by its bare name, a tune with a sound header and nothing sound
// after it, a file that is no tune at all, an empty one, and one not there.
std::vector<std::string> musicFiles(const Options& o, const fs::path& dir) {
    std::string damaged = "MThd";
    for (int i = 0; i < 200; ++i)
        damaged += static_cast<char>((i * 37) & 0xFF);
    writeFile(dir / "damaged.mid", damaged);
    writeFile(dir / "noise.mid", std::string(300, '\x5A'));
    writeFile(dir / "empty.mid", "");
    const fs::path tune = fs::absolute(fs::path(o.binary)).parent_path() / "data" / "fugue.mid";
    return {tune.string(), "fugue.mid", "damaged.mid", "noise.mid", "empty.mid", "missing.mid"};
}

class Soak {
public:
    Soak(Options options, fs::path dir) : o_(std::move(options)), dir_(std::move(dir)) {}

    bool run() {
        const auto start = std::chrono::steady_clock::now();
        PreferencesRecord first = test::namedRecord("ANN", "BEN");
        first.musicOn = 1;
        // Computers to play against, whose turns bring games to their end.
        first.tenThouApprentice = 1;
        first.shutTheBoxVsComputer = 1;
        const auto firstBytes = first.toBytes();
        writeFile(dir_ / "tumbledown.prf", std::string(firstBytes.begin(), firstBytes.end()));

        soak::SoakScript generator(o_.seed, musicFiles(o_, dir_));
        for (int k = 0; k < o_.segments; ++k) {
            const int events = o_.events / o_.segments + (k < o_.events % o_.segments ? 1 : 0);
            const std::string script = generator.segment(events);
            events_ += soak::SoakScript::countEvents(script);
            if (!runSegment("run" + std::to_string(k + 1), script))
                break;
        }
        seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        report();
        // Every game played to its end, or the soak proved little.
        if (failures_.empty() &&
            (finished_.tenThousand == 0 || finished_.pokerDice == 0 || finished_.shutTheBox == 0))
            failures_.push_back("not every game was played to its end: more events needed");
        return failures_.empty();
    }

    void printFailures() const {
        for (const std::string& f : failures_)
            std::cerr << "soak: " << f << "\n";
        std::cerr << "soak: seed " << o_.seed << "; the runs are kept in " << dir_.string() << "\n";
    }

private:
    // One run of the program; false when it failed in a way that makes the
    // next runs pointless.
    bool runSegment(const std::string& name, const std::string& script) {
        writeFile(dir_ / (name + ".script"), script);
        const int exitCode = runProgram(o_, dir_, name);
        ++runs_;
        const auto lines = test::readTranscript(dir_ / (name + ".transcript"));
        const auto fail = [&](const std::string& what) { failures_.push_back(name + ": " + what); };
        if (exitCode == 124 || exitCode == 137) {
            fail("no end after " + std::to_string(o_.timeoutSeconds) +
                 " s: a handler that never returns? The last lines:\n" +
                 soak::lastLines(lines, 20));
            return false;
        }
        if (exitCode != 0)
            fail("exit code " + std::to_string(exitCode) + " (a sanitizer's report is in " + name +
                 ".stderr); the last lines:\n" + soak::lastLines(lines, 20));
        const soak::RunCheck check = soak::checkTranscript(lines);
        for (const std::string& fault : check.faults)
            fail(fault);
        if (const std::string fault = soak::checkRecordFile(dir_ / "tumbledown.prf");
            !fault.empty())
            fail(fault);
        finished_ += check.finished;
        for (int i = 0; i < 4; ++i)
            screenTime_[i] += check.screenTime[i];
        return failures_.empty();
    }

    void report() const {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        const auto minutes = [&](int screen) { return double(screenTime_[screen]) / 60000.0; };
        std::printf("soak: seed %u, %d events in %d runs\n"
                    "  games finished: 10,000 %d, Poker Dice hands settled %d, Shut The Box %d\n"
                    "  virtual time on screen: main %.1f min, 10,000 %.1f min, Poker Dice %.1f "
                    "min, Shut The Box %.1f min\n"
                    "  wall time %d s, peak memory of the program %ld MiB\n",
                    o_.seed, events_, runs_, finished_.tenThousand, finished_.pokerDice,
                    finished_.shutTheBox, minutes(0), minutes(1), minutes(2), minutes(3),
                    int(seconds_), usage.ru_maxrss / 1024);
    }

    Options o_;
    fs::path dir_;
    int events_ = 0;
    int runs_ = 0;
    soak::Finished finished_;
    std::uint64_t screenTime_[4] = {};
    double seconds_ = 0;
    std::vector<std::string> failures_;
};

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << usage;
        return 2;
    }
    fs::path dir = options.keep.empty()
                       ? fs::temp_directory_path() / ("td-soak-" + std::to_string(getpid()))
                       : fs::path(options.keep);
    std::error_code ec;
    if (fs::exists(dir, ec) && !fs::is_empty(dir, ec)) {
        std::cerr << "soak: " << dir.string() << " is not empty\n";
        return 2;
    }
    fs::create_directories(dir, ec);
    dir = fs::absolute(dir);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Soak soak(options, dir);
    const bool passed = soak.run();
    if (!passed) {
        soak.printFailures();
        return 1;
    }
    if (options.keep.empty())
        fs::remove_all(dir, ec);
    return 0;
}
