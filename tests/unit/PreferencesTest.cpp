// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Preferences.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tumbledown;
using tumbledown::test::FakeHost;

namespace {

namespace fs = std::filesystem;

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("td-prefs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "tumbledown.prf").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeFile(const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::vector<std::uint8_t> readFile() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Loads, counting how often the names are asked for.
    PreferencesRecord load(int& asked) {
        PreferencesRecord record;
        asked = 0;
        LoadPreferences(record, path_, [&](PreferencesRecord& r) {
            ++asked;
            r.setPlayer1("ANN");
            r.setPlayer2("BEN");
        });
        return record;
    }

    FakeHost host_;
    fs::path dir_;
    std::string path_;
};

} // namespace

TEST_F(PreferencesTest, FirstRunWritesTheDefaultsByteByByte) {
    int asked = 0;
    const PreferencesRecord record = load(asked);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(host_.boxes.empty()); // a missing file is no news
    ASSERT_TRUE(SavePreferences(record, path_));
    const auto b = readFile();
    ASSERT_EQ(b.size(), 1036u);

    std::vector<std::uint8_t> expected(1036, 0);
    for (std::size_t at : {19, 276, 281, 282, 431, 432, 582, 583})
        expected[at] = 1;
    // The numbers, little-endian; the coin tally's entries (player 2 adopted
    // last, so first) at 599 and 612.
    const std::pair<std::size_t, std::uint32_t> numbers[] = {
        {277, 1},   {283, 130}, {435, 100}, {608, 5000}, {621, 5000},
        {873, 100}, {877, 3},   {881, 100}, {885, 5000}, {889, 5000}};
    for (const auto& [at, value] : numbers)
        for (int i = 0; i < 4; ++i)
            expected[at + i] = std::uint8_t(value >> (8 * i));
    const std::pair<std::size_t, std::string> texts[] = {
        {1, "ANN"}, {10, "BEN"}, {20, "fugue.mid"}, {599, "BEN"}, {612, "ANN"}};
    for (const auto& [at, text] : texts)
        std::copy(text.begin(), text.end(), expected.begin() + std::ptrdiff_t(at));
    EXPECT_EQ(b, expected);
}

// A longer record is read and shortened on save.
TEST_F(PreferencesTest, ALongerRecordIsReadAndShortenedOnSave) {
    PreferencesRecord valid;
    SetDefaults(valid, [](PreferencesRecord& r) { r.setPlayer1("ZED"); });
    const auto bytes = valid.toBytes();
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.resize(2000, 0xAB);
    writeFile(longer);
    int asked = 0;
    const PreferencesRecord record = load(asked);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(record.player1(), "ZED");
    ASSERT_TRUE(SavePreferences(record, path_));
    EXPECT_EQ(readFile(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

TEST_F(PreferencesTest, UnreadableFileIsSaidAndDefaulted) {
    fs::create_directory(path_); // exists, but is no file
    int asked = 0;
    const PreferencesRecord record = load(asked);
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_NE(host_.boxes[0].text.find(path_), std::string::npos);
    EXPECT_EQ(record.musicOn, 1);
}

TEST_F(PreferencesTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    writeFile({1, 2, 3});
    fs::create_directory(path_ + ".tmp"); // the temporary cannot be created
    PreferencesRecord record;
    EXPECT_FALSE(SavePreferences(record, path_));
    EXPECT_EQ(readFile(), (std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].caption, "Warning");
    EXPECT_NE(host_.boxes[0].text.find(path_), std::string::npos);
}

TEST(PreferencesRecordMending, KeepsTheFirstLevelAndClampsDelays) {
    PreferencesRecord r;
    r.tenThouMage = r.tenThouWizard = 1;
    r.pokerDiceApprentice = r.pokerDiceWizard = 1;
    r.tenThouDelay = -5;
    r.pokerDiceDelay = 1000000;
    r.rollsPerTurn = 4;
    std::fill(r.player1Name.begin(), r.player1Name.end(), 'X');
    const PreferencesRecord m = PreferencesRecord::fromBytes(r.toBytes());
    EXPECT_EQ(m.tenThouMage, 1);
    EXPECT_EQ(m.tenThouWizard, 0);
    EXPECT_EQ(m.pokerDiceApprentice, 1);
    EXPECT_EQ(m.pokerDiceWizard, 0);
    EXPECT_EQ(m.tenThouDelay, 0);
    EXPECT_EQ(m.pokerDiceDelay, 200);
    EXPECT_EQ(m.rollsPerTurn, 3);
    EXPECT_EQ(m.player1(), "XXXXXXXX");
}

TEST(CoinTally, AdoptingAnUnknownNameDropsTheOldest) {
    FakeHost host;
    PreferencesRecord r;
    for (int i = 1; i <= 10; ++i) {
        r.coinTally[i].setName("P" + std::to_string(i));
        r.coinTally[i].value = 100 * i;
    }
    r.player2Coins = 77;
    AdoptCoins(r, "NEWBIE", 2);
    EXPECT_EQ(r.coinTally[1].nameString(), "NEWBIE");
    EXPECT_EQ(r.coinTally[1].value, 5000);
    EXPECT_EQ(r.coinTally[2].nameString(), "P1");
    EXPECT_EQ(r.coinTally[10].nameString(), "P9"); // P10 is gone
    EXPECT_EQ(r.player2Coins, 77u);                // the callers set the coins
    StoreCoins(r, "NOBODY", 1);                    // unknown: nothing
    EXPECT_EQ(r.coinTally[1].value, 5000);
    EXPECT_EQ(r.coinTally[10].value, 900);
}
