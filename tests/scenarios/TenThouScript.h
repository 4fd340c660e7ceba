// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building replay scripts for the 10,000 board and reading what it wrote.

#include "Scenario.h"
#include "ScriptText.h"
#include "TranscriptLines.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace tumbledown::test::tenthou {

using namespace tumbledown::test;

// Pane codes.
inline constexpr int straight = 15, threePairs = 16, threeOnes = 17, threeSixes = 18,
                     threeFives = 19, threeFours = 20, threeThrees = 21, threeTwos = 22,
                     singleOne = 23, singleFive = 24, rollPane = 26, passPane = 27;

// A point inside each pane, by code from the straight on: the middle of its picture.
inline BoardPoint paneCentre(int code) {
    static constexpr BoardPoint centres[] = {
        {194, 57},  {294, 56},  {386, 54},  {462, 60}, {192, 108}, {276, 103}, {365, 99},
        {447, 101}, {182, 156}, {250, 155}, {0, 0},    {348, 151}, {449, 153}};
    return centres[code - straight];
}

// Spots of the board outside the panes.
inline constexpr BoardPoint playWord{222, 136}, resetWord{323, 136}, quitWord{422, 137},
    backButton{20, 165}, speedUpButton{17, 200}, slowDownButton{17, 231}, musicButton{15, 262},
    musicFileButton{19, 304}, soundButton{19, 344}, helpButton{14, 384}, playerOneName{347, 337},
    playerTwoName{498, 391}, panelMiddle{322, 110};

// 10,000's moves.
class Script : public ScriptText<Script> {
public:
    // Enters 10,000; the third of the three draws chooses who starts
    // (r % 20 + 1 up to 10: player one).
    Script& enter(int third = 0) { return raw("menu 101").draws({0, 0, third}); }
    Script& play() { return click(playWord); }
    // The space key throws; the digits are the faces of the dice in play.
    Script& roll(const std::string& digits = "") { return key("space").faces(digits); }
    Script& clickRoll(const std::string& digits = "") {
        return click(paneCentre(rollPane)).faces(digits);
    }
    Script& take(int pane) { return click(paneCentre(pane)); }
    Script& undo(int pane) { return rclick(paneCentre(pane)); }
    Script& pass() { return key("p"); }
    // A person's turn worth exactly 10,000: three straights and three 1's.
    Script& tenThousand() {
        for (int i = 0; i < 3; ++i)
            roll("123456").take(straight);
        return roll("111234").take(threeOnes).pass();
    }
    // A person's turn worth 1000.
    Script& thousand() { return roll("111234").take(threeOnes).pass(); }
};

// The faces a computer needs for a turn worth exactly 10,000 at any level: three
// straights (each forces another throw), then three 1's with 2, 3, 4 left.
inline const std::string computerTenThousand = "123456123456123456111234";

// -- expected transcript lines (stepDelay 10 unless said otherwise)

inline std::string scores(int t1, int k1, int t2, int k2) {
    return tabbed("scores\t10000", {t1, k1, t2, k2});
}
inline std::string dice(const std::string& values) {
    return "dice\t10000\t" + values;
}
inline std::string turn(int player) {
    return "turn\t10000\t" + std::to_string(player);
}
inline std::string panel(std::initializer_list<std::string> lines) {
    std::string joined;
    for (const std::string& l : lines)
        joined += (&l == lines.begin() ? "" : "|") + l;
    return "panel\t10000\t" + joined;
}
inline const std::string panelHide = "panel-hide\t10000";
inline const std::string optionsLine = "\"PLAY\"   \"RESET PLAYERS\"   \"QUIT\"";
inline const std::string continueLine = "PRESS A KEY OR CLICK MOUSE TO CONTINUE";
inline std::string startPrompt(const std::string& first) {
    return panel({first + " IS FIRST THIS TIME.", "", "", "CLICK AN OPTION ON THE NEXT LINE", "",
                  optionsLine});
}
inline const std::string mustRollAgain =
    panel({"AFTER SCORING A STRAIGHT OR THREE", "PAIRS, YOU MUST ROLL AGAIN .", "", continueLine});
inline std::string disasterNotice(const std::string& who) {
    return panel(
        {"DISASTER!", who + " LOST ALL POINTS", "DUE TO ROLLING FOUR 2's", "", continueLine});
}
inline std::string tieNotice(const std::string& next) {
    return panel({"IT'S A TIE!", "", "", next + " IS FIRST NEXT GAME.", "", continueLine});
}
inline std::string winPrompt(const std::string& winner, int points, const std::string& next) {
    return panel({winner + " WINS WITH " + std::to_string(points) + " POINTS!",
                  next + " IS FIRST NEXT GAME.", "", "CLICK AN OPTION ON THE NEXT LINE", "",
                  optionsLine});
}
inline std::string topScoresBox(const std::string& entries) {
    return topScores("10,000", entries + "\tOK\tOK");
}

inline const std::string shh = "sound\tplay\tshh.wav\tasync";
// Dice rising: four frames, one step each, under the rolling sound.
inline Lines rise(int step = 10) {
    return Lines{shh} + repeat(delay(step), 4) + Lines{soundStop};
}
// Dice sinking: three frames.
inline Lines sink(int step = 10) {
    return Lines{shh} + repeat(delay(step), 3) + Lines{soundStop};
}
// The turn marker blinking twice, after both players' scores are drawn.
inline Lines blink(int t1, int k1, int t2, int k2, int step = 10) {
    return Lines{scores(t1, k1, t2, k2), scores(t1, k1, t2, k2)} + repeat(delay(2 * step), 4);
}

// -- reading the transcript

// The events with each pane picture among them, as "lit I" (touched) or
// "unlit I", I the pane's place in the order of the codes (roll 10, pass 11).
inline Lines eventsAndPanes(const Scenario& s) {
    Lines out;
    for (const Line& line : s.lines()) {
        const bool bitmap = line.fields.size() > 1 && line.fields[1].rfind("BITMAP_", 0) == 0;
        const int n = bitmap && line.fields[0] == "blit" ? std::stoi(line.fields[1].substr(7)) : 0;
        if (n >= 116 && n <= 139)
            out.push_back((n < 128 ? "lit " : "unlit ") + std::to_string((n - 116) % 12));
        else if (!isDrawing(line))
            out.push_back(line.fields[0] == "seed" ? "seed" : line.text());
    }
    return out;
}
inline std::string pane(int code, bool lit) {
    return (lit ? "lit " : "unlit ") + std::to_string(code <= singleFive ? code - 15 : code - 16);
}

// A record with both players named, 10,000 against a person (level 0) or a
// computer level (1 Apprentice, 2 Mage, 3 Wizard), fast animation, no music,
// the welcome already seen.
inline PreferencesRecord tenThouRecord(int level = 0, int stepDelay = 10) {
    PreferencesRecord r = namedRecord("ANN", "BEN");
    r.tenThouWelcome = 0;
    r.musicOn = 0;
    r.soundOn = 1;
    r.tenThouDelay = stepDelay;
    r.tenThouApprentice = level == 1;
    r.tenThouMage = level == 2;
    r.tenThouWizard = level == 3;
    return r;
}

} // namespace tumbledown::test::tenthou
