// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"

#include <filesystem>
#include <fstream>

using namespace tumbledown;
using tumbledown::test::Scenario;

namespace {
namespace fs = std::filesystem;

const std::string missingBox =
    "box\tFile does not exist\tMusic file nothere.mid does not exist, search for a new one?"
    "\tYesNo\t";
const std::string filter = "filedialog\tMidi files (*.MID)|*.MID|\t";

Scenario withMusic(const std::string& file) {
    Scenario s;
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.setMusicFile(file);
    s.writeRecord(r);
    return s;
}

// A real tune in the scenario's folder, under another name.
std::string copyOfTheTune(const Scenario& s, const std::string& name) {
    const fs::path tune = fs::path(TUMBLEDOWN_BINARY).parent_path() / "data" / "fugue.mid";
    const fs::path copy = s.dataDir() / name;
    fs::copy_file(tune, copy, fs::copy_options::overwrite_existing);
    return copy.string();
}
} // namespace

TEST(Music, PlaysAtStartAndLoopsAtEveryEnd) {
    Scenario s = withMusic("fugue.mid");
    ASSERT_EQ(s.run("music-end\nmusic-end\nmenu 127\n"), 0);
    EXPECT_EQ(s.linesStarting("music\topen").size(), 1u);
    // Once at the first paint, once per end; "Music On" while playing changes nothing.
    EXPECT_EQ(s.linesStarting("music\tplay\tok").size(), 3u);
    EXPECT_TRUE(s.hasInOrder({"music\topen\tfugue.mid\tok", "music\tplay\tok", "music\tclose"}));
}

TEST(Music, OffAndOnAgain) {
    Scenario s = withMusic("fugue.mid");
    ASSERT_EQ(s.run("menu 128\nmusic-end\nmenu 127\n"), 0);
    EXPECT_TRUE(s.hasInOrder({"checked\t127", "checked\t128", "music\tclose", "checked\t127",
                              "music\topen\tfugue.mid\tok", "music\tplay\tok"}));
    EXPECT_EQ(s.linesStarting("music\tplay").size(), 2u); // the end after closing was ignored
    EXPECT_EQ(s.record().musicOn, 1);
}

TEST(Music, MissingFileRefusedTurnsTheMusicOff) {
    Scenario s = withMusic("nothere.mid");
    ASSERT_EQ(s.run("answer No\n"), 0);
    EXPECT_TRUE(s.hasInOrder({missingBox + "No", "checked\t128"}));
    EXPECT_TRUE(s.linesStarting("music\topen").empty());
    EXPECT_EQ(s.record().musicOn, 0);
}

TEST(Music, MissingFileSearchCancelledSaysSo) {
    Scenario s = withMusic("nothere.mid");
    ASSERT_EQ(s.run("answer Yes\nfile cancel\n"), 0);
    EXPECT_TRUE(s.hasInOrder({missingBox + "Yes", filter + "cancel",
                              "box\tMusic Off\tCannot find file.  Turning music off.\tOK\tOK"}));
    EXPECT_EQ(s.record().musicOn, 0);
}

TEST(Music, MissingFileReplacedByTheChosenOne) {
    Scenario s = withMusic("nothere.mid");
    const std::string chosen = copyOfTheTune(s, "Chosen.MID");
    ASSERT_EQ(s.run("answer Yes\nfile " + chosen + "\n"), 0);
    EXPECT_TRUE(s.hasInOrder({missingBox + "Yes", filter + chosen,
                              "music\topen\t" + chosen + "\tok", "music\tplay\tok"}));
    EXPECT_EQ(s.record().musicFileName(), chosen);
    EXPECT_EQ(s.record().musicOn, 1);
}

TEST(Music, SelectThenCancelGoesBackToTheStartUpTune) {
    Scenario s = withMusic("fugue.mid");
    const std::string other = copyOfTheTune(s, "other.mid");
    ASSERT_EQ(s.run("menu 129\nfile " + other + "\nmenu 129\nfile cancel\n"), 0);
    EXPECT_TRUE(s.hasInOrder({
        "music\tclose",
        filter + other,
        "music\topen\t" + other + "\tok",
        "music\tplay\tok",
        "music\tclose",
        filter + "cancel",
        "music\topen\tfugue.mid\tok",
        "music\tplay\tok",
    }));
    EXPECT_EQ(s.record().musicFileName(), "fugue.mid");
}

TEST(Music, AFileThatCannotPlayTurnsTheMusicOffAndSaysSo) {
    Scenario s = withMusic("notmidi.mid");
    std::ofstream(s.dataDir() / "notmidi.mid") << "this is not a tune";
    ASSERT_EQ(s.run("menu 127\n"), 0);
    const std::string box =
        "box\tMusic Off\tCannot play music file notmidi.mid.  Turning music off.\tOK\tOK";
    // At start-up, and again when the player asks for the music.
    EXPECT_TRUE(s.hasInOrder({"music\topen\tnotmidi.mid\tfail", "checked\t128", box, "checked\t127",
                              "music\topen\tnotmidi.mid\tfail", "checked\t128", box}));
    EXPECT_TRUE(s.linesStarting("music\tplay").empty());
    EXPECT_EQ(s.record().musicOn, 0);
}
