// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TenThouScript.h"
#include "TranscriptWatch.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

using namespace tumbledown;
using namespace tumbledown::test::tenthou;
using tumbledown::test::Line;
using tumbledown::test::Scenario;

namespace {

// A long random session on the 10,000 board, the same every run.
class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : random_(seed) {}

    std::string script(int events) {
        Script s;
        s.enter(below(20));
        for (int i = 0; i < events; ++i)
            step(s);
        return s.str();
    }

private:
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    BoardPoint anyPane() {
        static const int codes[] = {straight,   threePairs, threeOnes,   threeSixes,
                                    threeFives, threeFours, threeThrees, threeTwos,
                                    singleOne,  singleFive, rollPane,    passPane};
        return paneCentre(codes[below(12)]);
    }
    // Anywhere on the board right of the main screen's game pictures, so that a
    // stray click there after leaving 10,000 never opens another game.
    BoardPoint anyPoint() { return {160 + below(472), below(428)}; }
    BoardPoint anyStripButton() {
        static const BoardPoint buttons[] = {speedUpButton,   slowDownButton, musicButton,
                                             musicFileButton, soundButton,    helpButton};
        return buttons[below(6)];
    }

    // Faces for the next dice, often 2's so that disasters happen; values above 5
    // reach the choice of the first player too.
    std::string draws() {
        std::ostringstream line;
        line << "rand";
        if (chance(25)) {
            for (int v = 0; v < 6; ++v) // a straight: 3000 and another throw
                line << ' ' << v;
        } else {
            for (int d = 0; d < 6; ++d)
                line << ' ' << (chance(35) ? 1 + 6 * below(20) : below(120));
        }
        return line.str();
    }

    // Something that arrives while the event before it is being handled.
    std::string meanwhile() {
        switch (below(4)) {
        case 0:
            return "@0 click " + at(anyPane());
        case 1:
            return "@0 rclick " + at(anyPane());
        case 2:
            return "@0 key space";
        default:
            return "@0 key p";
        }
    }

    void step(Script& s) {
        const int kind = below(100);
        if (kind < 28) {
            s.click(anyPane());
        } else if (kind < 36) {
            s.rclick(below(4) == 0 ? anyPoint() : paneCentre(straight + below(10)));
        } else if (kind < 47) {
            s.key("space");
        } else if (kind < 53) {
            s.key("p");
        } else if (kind < 61) {
            static const char* const keys[] = {"s", "S", "+", "=", "-", "_", "x",
                                               "P", "1", "5", "9", "0", "u"};
            s.key(keys[below(13)]);
        } else if (kind < 68) {
            static const BoardPoint words[] = {playWord, playWord, playWord, playWord,
                                               playWord, playWord, quitWord, resetWord};
            s.click(words[below(8)]);
        } else if (kind < 74) {
            s.click(anyPoint());
        } else if (kind < 79) {
            const BoardPoint b = anyStripButton();
            if (chance(50)) {
                s.click(b);
            } else {
                // Held down, let go somewhere else.
                s.raw("press " + at(b)).raw("release " + at(anyPoint()));
            }
        } else if (kind < 81) {
            s.click(chance(85) ? playerOneName : backButton);
        } else if (kind < 85) {
            // Back to 10,000 more often than away from it.
            static const int items[] = {104, 105, 106, 107, 140, 141, 142,
                                        143, 101, 101, 101, 101, 101, 101};
            s.raw("menu " + std::to_string(items[below(14)]));
        } else if (kind < 87) {
            s.raw("move " + at(anyPoint()));
        } else if (kind < 93) {
            // A good throw taken: games get to their end now and then.
            if (chance(50))
                s.roll("123456").take(straight);
            else
                s.roll("111").take(threeOnes);
        } else {
            s.raw(draws());
            return;
        }
        if (chance(8))
            s.raw(meanwhile());
    }

    std::mt19937 random_;
};

} // namespace

TEST(TenThouMonkey, ThousandsOfRandomEventsKeepTheGameSound) {
    PreferencesRecord start = tenThouRecord(0, 10);
    start.musicOn = 1;
    Scenario s;
    s.writeRecord(start);
    ASSERT_EQ(s.run(Monkey(20240611).script(6000)), 0);

    test::TranscriptWatch watch;
    for (const Line& line : s.lines()) {
        for (const std::string& fault : watch.see(line))
            ADD_FAILURE() << fault;
        // The only errors: the options menu asked for while the main screen is up.
        if (!line.fields.empty() && line.fields[0] == "error") {
            EXPECT_EQ(line.fields.at(1).rfind("no menu item", 0), 0u) << line.text();
        }
    }
    // The session did reach the states worth reaching.
    const Lines all = events(s);
    const auto seen = [&](const std::string& prefix) {
        return std::any_of(all.begin(), all.end(),
                           [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(seen("panel\t10000\tDISASTER!"));
    EXPECT_TRUE(seen("panel\t10000\tAFTER SCORING"));
    EXPECT_TRUE(seen("cursor\twait"));
    EXPECT_TRUE(seen("sound\tplay\tnote8.wav")); // a game's end
    EXPECT_TRUE(seen("dropped"));

    // The record saved at the end reads back to the very same bytes...
    const auto saved = test::recordFileBytes(s.prfPath());
    const PreferencesRecord record = s.record();
    EXPECT_EQ(record.toBytes(), saved);
    EXPECT_EQ(test::recordFaults(record), std::vector<std::string>{});

    // ...and the program takes it as it is: no names asked, the same record saved
    // again, but for the tip that advances at each start.
    ASSERT_EQ(s.run(""), 0);
    EXPECT_TRUE(s.linesStarting("dialog").empty());
    PreferencesRecord again = s.record();
    again.currentTip = record.currentTip;
    EXPECT_EQ(again.toBytes(), saved);
}
