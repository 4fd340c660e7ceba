// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include "core/Preferences.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tumbledown::test {

namespace fs = std::filesystem;

std::string Line::text() const {
    std::string joined;
    for (const std::string& field : fields)
        joined += (joined.empty() ? "" : "\t") + field;
    return joined;
}

Scenario::Scenario() {
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("td-scenario-" + std::to_string(::getpid()) + "-" +
                                        info->name() + "-" + std::to_string(counter++));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
}

Scenario::~Scenario() {
    if (!::testing::Test::HasFailure())
        fs::remove_all(dir_);
}

void Scenario::writeRecord(const PreferencesRecord& record) const {
    const auto bytes = record.toBytes();
    std::ofstream out(prfPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

PreferencesRecord Scenario::record() const {
    std::error_code error;
    EXPECT_EQ(fs::file_size(prfPath(), error), PreferencesRecord::fileSize)
        << "no whole record at " << prfPath();
    return PreferencesRecord::fromBytes(recordFileBytes(prfPath()));
}

int Scenario::run(const std::string& script, const std::vector<std::string>& extra) {
    const fs::path scriptPath = dir_ / "script.txt";
    const fs::path transcriptPath = dir_ / "transcript.txt";
    std::ofstream(scriptPath) << script;
    std::string command = std::string("cd '") + dir_.string() +
                          "' && '" TUMBLEDOWN_BINARY "' --replay '" + scriptPath.string() +
                          "' --transcript '" + transcriptPath.string() + "' --data-dir '" +
                          dir_.string() + "'";
    for (const std::string& arg : extra)
        command += " '" + arg + "'";
    command += " 2>'" + (dir_ / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    lines_ = readTranscript(transcriptPath);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<Line> Scenario::linesStarting(const std::string& prefix) const {
    std::vector<Line> found;
    for (const Line& line : lines_)
        if (line.text().rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

::testing::AssertionResult Scenario::hasInOrder(const std::vector<std::string>& expected) const {
    std::vector<std::string> texts;
    for (const Line& line : lines_)
        texts.push_back(line.text());
    return inOrder(texts, expected, *this);
}

::testing::AssertionResult inOrder(const std::vector<std::string>& texts,
                                   const std::vector<std::string>& expected, const Scenario& s) {
    std::size_t next = 0;
    for (const std::string& text : texts)
        if (next < expected.size() && text == expected[next])
            ++next;
    if (next == expected.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "missing, in order: \"" << expected[next] << "\"\ntranscript:\n"
           << s.dump();
}

std::string Scenario::dump() const {
    std::string all;
    for (const Line& line : lines_)
        if (line.fields.empty() || (line.fields[0] != "blit" && line.fields[0] != "tile"))
            all += std::to_string(line.time) + "\t" + line.text() + "\n";
    return all;
}

std::vector<Line> readTranscript(const fs::path& path) {
    std::vector<Line> lines;
    std::ifstream in(path);
    std::string raw;
    while (std::getline(in, raw)) {
        if (raw.empty())
            continue;
        Line line;
        std::istringstream fields(raw);
        std::string field;
        std::getline(fields, field, '\t');
        line.time = static_cast<std::uint32_t>(std::stoul(field));
        while (std::getline(fields, field, '\t'))
            line.fields.push_back(field);
        lines.push_back(line);
    }
    return lines;
}

std::array<std::uint8_t, PreferencesRecord::fileSize> recordFileBytes(const fs::path& path) {
    std::array<std::uint8_t, PreferencesRecord::fileSize> bytes{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

PreferencesRecord namedRecord(const std::string& first, const std::string& second) {
    PreferencesRecord record;
    SetDefaults(record, [&](PreferencesRecord& r) {
        r.setPlayer1(first);
        r.setPlayer2(second);
    });
    return record;
}

Scenario withRecord(const PreferencesRecord& record) {
    Scenario s;
    s.writeRecord(record);
    return s;
}

} // namespace tumbledown::test
