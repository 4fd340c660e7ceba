// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PreferencesRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tumbledown::test {

// One transcript line split into its tab-separated fields (time first).
struct Line {
    std::uint32_t time = 0;
    std::vector<std::string> fields;
    std::string text() const; // the fields after the time, joined by tabs
};

// Runs the real program on a script in its own data folder and keeps what it
// wrote: the transcript and the preferences record.
class Scenario {
public:
    Scenario();
    ~Scenario();

    const std::filesystem::path& dataDir() const { return dir_; }
    std::string prfPath() const { return (dir_ / "tumbledown.prf").string(); }
    // The transcript's line for the record saved here.
    std::string saveLine() const { return "save\t" + prfPath() + "\tok"; }

    // Puts a record in place before the run.
    void writeRecord(const PreferencesRecord& record) const;
    PreferencesRecord record() const;

    // Runs the script; returns the exit code. Extra arguments go after it.
    int run(const std::string& script, const std::vector<std::string>& extra = {});

    const std::vector<Line>& lines() const { return lines_; }
    // Lines whose text starts with the prefix.
    std::vector<Line> linesStarting(const std::string& prefix) const;
    // True when each expected text appears as a whole line, in this order.
    ::testing::AssertionResult hasInOrder(const std::vector<std::string>& expected) const;
    std::string dump() const;

private:
    std::filesystem::path dir_;
    std::vector<Line> lines_;
};

// True when each expected text is among the texts, in this order; the
// scenario's transcript is shown when not.
::testing::AssertionResult inOrder(const std::vector<std::string>& texts,
                                   const std::vector<std::string>& expected, const Scenario& s);

// A scenario whose run starts from this record.
Scenario withRecord(const PreferencesRecord& record);

// A transcript file read into lines.
std::vector<Line> readTranscript(const std::filesystem::path& path);

// The bytes of a record file, zeros past its end.
std::array<std::uint8_t, PreferencesRecord::fileSize>
recordFileBytes(const std::filesystem::path& path);

// A first-run record as the program makes it, with the given names.
PreferencesRecord namedRecord(const std::string& first, const std::string& second);

} // namespace tumbledown::test
