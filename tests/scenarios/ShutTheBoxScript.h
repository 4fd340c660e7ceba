// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building replay scripts for the Shut The Box board and reading what it wrote.

#include "Scenario.h"
#include "ScriptText.h"
#include "TranscriptLines.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace tumbledown::test::stb {

using namespace tumbledown::test;

inline constexpr std::array<int, 10> boxLeft{0, 51, 110, 170, 229, 288, 347, 407, 466, 525};

// The middle of box n.
inline BoardPoint boxSpot(int n) {
    return {boxLeft[static_cast<std::size_t>(n)] + 28, 95};
}

inline constexpr BoardPoint cup{354, 295}, backArrow{65, 371}, speedUpButton{104, 371},
    slowDownButton{142, 371}, musicButton{180, 374}, musicFileButton{218, 371},
    soundButton{256, 371}, helpButton{291, 371}, oneDieIcon{327, 372}, gremlinButton{365, 371},
    playerOneName{178, 234}, playerTwoName{178, 284};

// A script, command by command. Draws (rand) are queued with the event before
// them, so they are in place before that event's handler runs; queuing exactly
// what an event draws makes a wrong count of draws show in later dice.
class Script : public ScriptText<Script> {
public:
    using ScriptText::ScriptText;
    // Enters the game: two draws discarded after the seed, the Gremlin's odds
    // (draw % 5 + 6), and the faces the first paint shows in the cup.
    Script& enter(int oddsDraw = 0) { return raw("menu 103").draws({0, 0, oddsDraw, 0, 0}); }
    // The space bar throwing these faces (one digit with one die).
    Script& roll(const std::string& digits) { return key("space").faces(digits); }
    // The key of a box that does not complete the throw (or is refused).
    Script& box(int n) { return key(std::to_string(n)); }
    // The key of the box that completes the throw: the cup's two new faces.
    Script& completing(int n) { return box(n).draws({0, 0}); }
    // The space bar ending a person's turn: the odds drawn as no move is
    // left, then the cup's two faces.
    Script& endTurn() { return key("space").draws({0, 0, 0}); }
    // A person's turn worth `roundScore` (33..43, not 41) up to its end: one
    // throw shut with box 2 among its boxes, then a throw of 2 that nothing takes.
    Script& playWorth(int roundScore) {
        // The faces, then the boxes in the order they are shut, by the throw.
        static const std::array<const char*, 13> plays{"",      "",      "11 2",  "12 21", "",
                                                       "23 23", "33 24", "34 25", "44 26", "45 27",
                                                       "55 28", "56 29", "66 921"};
        const std::string play = plays.at(static_cast<std::size_t>(45 - roundScore));
        roll(play.substr(0, 2));
        for (std::size_t i = 3; i + 1 < play.size(); ++i)
            box(play[i] - '0');
        completing(play.back() - '0');
        return roll("11");
    }
    Script& turnWorth(int roundScore) { return playWorth(roundScore).endTurn(); }
    // Ends the person's turn (the space bar, or a click on the cup) and
    // queues every draw of the computer's turn that follows, without the
    // Gremlin: each throw's faces (one digit with one die), the cup's faces
    // after each completed throw of two dice, the odds twice when no move is
    // left, the cup's faces at its end. Only a last throw that shut the last
    // box was completed.
    Script& endTurnForComputer(const std::vector<std::string>& throws, bool shutsAll,
                               bool byClick = false) {
        std::vector<int> values{0, 0, 0};
        for (std::size_t i = 0; i < throws.size(); ++i) {
            for (char c : throws[i])
                values.push_back(c - '1');
            if (throws[i].size() == 2 && (i + 1 < throws.size() || shutsAll))
                values.insert(values.end(), {0, 0});
        }
        values.insert(values.end(), {0, 0, 0, 0});
        return (byClick ? click(cup) : key("space")).draws(values);
    }
};

// A computer turn that shuts every box: 9 and 3, 8 and 4, 7 and 5, then 6, 2, 1.
inline const std::vector<std::string> computerShutsAll{"66", "66", "66", "45"};

// -- expected transcript lines

// n waits of ms; a wait of 0 leaves no line.
inline Lines waits(int ms, int n) {
    return ms > 0 ? repeat(delay(ms), n) : Lines{};
}
inline std::string playToEnd(const std::string& file) {
    return "sound\tplay\t" + file + "\tsync";
}
inline const std::string closing = play("closing2.wav");

inline std::string dice(const std::string& values) {
    return "dice\tshutthebox\t" + values;
}
inline std::string boxes(const std::string& shut, const std::string& pending = "000000000") {
    return "boxes\tshutthebox\t" + shut + "\t" + pending;
}
inline const std::string allOpen = boxes("000000000");
inline std::string scores(int r1, int t1, int r2, int t2) {
    return tabbed("scores\tshutthebox", {r1, t1, r2, t2});
}
inline std::string turn(int player) {
    return "turn\tshutthebox\t" + std::to_string(player);
}
inline std::string banner(const std::string& text, int margin) {
    return "banner\t" + text + "\t" + std::to_string(margin);
}
inline std::string topScoresBox(const std::string& entries) {
    return topScores("Shut The Box", entries + "\tOK\tOK");
}

// A throw with sound on: three sounds, a wait after each tumbling frame.
inline Lines thrown(int d, const std::string& values) {
    return Lines{play("Dice1.wav")} + waits(d, 1) + Lines{play("Dice3.wav")} + waits(d, 1) +
           Lines{play("Dice4.wav"), dice(values)};
}
// The shutter rising: five frames, a wait after each of the first four.
inline Lines shutter(int d) {
    return Lines{closing} + waits(d, 4);
}
// The shutter falling on an undo: four frames, a wait of d + 5 after three.
inline Lines unshutter(int d) {
    return Lines{closing} + waits(d + 5, 3);
}
// A box shut with the throw not yet made up, and the score line after it.
inline Lines shuts(int d, const std::string& shut, const std::string& pending,
                   const std::string& scoreLine) {
    return shutter(d) + Lines{boxes(shut, pending), scoreLine, soundStop};
}
// The box that makes up the throw: then nothing is pending any more.
inline Lines completes(int d, const std::string& shut, const std::string& pending,
                       const std::string& scoreLine) {
    return shutter(d) + Lines{boxes(shut, pending), boxes(shut), scoreLine, soundStop};
}
// Every box reopening at the end of a turn or game.
inline Lines reopenAll(int d) {
    return Lines{closing} + waits(d + 5, 3) + Lines{soundStop, allOpen};
}
// The margin shown four times, digit by digit.
inline Lines marginShown(int digits) {
    return repeat(delay(200), 4 * (digits + 1));
}

// A record with both players named, the welcome seen, no music, sound on,
// the Gremlin off and the given opponent and animation delay.
inline PreferencesRecord boxRecord(bool versusComputer = false, int stepDelay = 10) {
    PreferencesRecord r = namedRecord("ANN", "BEN");
    r.shutTheBoxWelcome = 0;
    r.musicOn = 0;
    r.soundOn = 1;
    r.gremlinOn = 0;
    r.shutTheBoxVsComputer = versusComputer;
    r.shutTheBoxDelay = stepDelay;
    return r;
}

} // namespace tumbledown::test::stb
