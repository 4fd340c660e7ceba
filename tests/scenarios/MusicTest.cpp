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

const std::string filter = "filedialog\tMidi files (*.MID)|*.MID|\t";

Scenario withMusic(const std::string& file) {
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.setMusicFile(file);
    return test::withRecord(r);
}

// A real tune in the scenario's folder, under another name.
std::string copyOfTheTune(const Scenario& s, const std::string& name) {
    const fs::path tune = fs::path(TUMBLEDOWN_BINARY).parent_path() / "data" / "fugue.mid";
    const fs::path copy = s.dataDir() / name;
    fs::copy_file(tune, copy, fs::copy_options::overwrite_existing);
    return copy.string();
}
} // namespace

// Played from the first paint and again at every end; "Music On" while playing
// changes nothing; switched off, an end is ignored; on again, it opens anew. A
// tune selected plays; a cancelled selection goes back to the start-up tune.
TEST(Music, LoopsGoesOffAndOnAndASelectionCancelledGoesBackToTheStartUpTune) {
    Scenario s = withMusic("fugue.mid");
    const std::string other = copyOfTheTune(s, "other.mid");
    ASSERT_EQ(
        s.run("music-end\nmusic-end\nmenu 127\nmenu 128\nmusic-end\nmenu 127\nmenu 129\nfile " +
              other + "\nmenu 129\nfile cancel\n"),
        0);
    EXPECT_TRUE(s.hasInOrder({"music\topen\tfugue.mid\tok", "music\tplay\tok", "music\tplay\tok",
                              "music\tplay\tok", "checked\t128", "music\tclose", "checked\t127",
                              "music\topen\tfugue.mid\tok", "music\tplay\tok", "music\tclose",
                              filter + other, "music\topen\t" + other + "\tok", "music\tplay\tok",
                              "music\tclose", filter + "cancel", "music\topen\tfugue.mid\tok",
                              "music\tplay\tok"}));
    EXPECT_EQ(s.linesStarting("music\topen").size(), 4u);
    EXPECT_EQ(s.linesStarting("music\tplay").size(), 6u);
    EXPECT_EQ(s.record().musicOn, 1);
    EXPECT_EQ(s.record().musicFileName(), "fugue.mid");
}

// A missing tune asks whether to search for it: No, a cancelled search, or a
// tune found (in the working folder, the scenario's).
TEST(Music, AMissingFileIsSearchedForOrTurnsTheMusicOff) {
    const std::string missing = "box\tFile does not exist\tMusic file nothere.mid does not "
                                "exist, search for a new one?\tYesNo\t";
    const struct {
        std::string answers;
        std::vector<std::string> expected;
        bool on;
    } rows[] = {
        {"answer No\n", {missing + "No", "checked\t128"}, false},
        {"answer Yes\nfile cancel\n",
         {missing + "Yes", filter + "cancel",
          "box\tMusic Off\tCannot find file.  Turning music off.\tOK\tOK"},
         false},
        {"answer Yes\nfile Chosen.MID\n",
         {missing + "Yes", filter + "Chosen.MID", "music\topen\tChosen.MID\tok", "music\tplay\tok"},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answers);
        Scenario s = withMusic("nothere.mid");
        copyOfTheTune(s, "Chosen.MID");
        ASSERT_EQ(s.run(row.answers), 0);
        EXPECT_TRUE(s.hasInOrder(row.expected));
        EXPECT_EQ(s.linesStarting("music\topen").size(), row.on ? 1u : 0u);
        EXPECT_EQ(s.record().musicOn, row.on);
        EXPECT_EQ(s.record().musicFileName(), row.on ? "Chosen.MID" : "nothere.mid");
    }
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
