// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen played without the mouse: the focus ring moved with Tab,
// Backtab and the arrows, Return clicking at it and Shift+Return right-clicking.

#include <gtest/gtest.h>

#include "PokerDiceScript.h"
#include "Scenario.h"
#include "ShutTheBoxScript.h"
#include "TenThouScript.h"
#include "TranscriptLines.h"

using namespace tumbledown;
using namespace tumbledown::test;

namespace {

// n presses of Tab, or of Backtab for a negative n.
std::string tabs(int n) {
    std::string keys;
    for (int i = 0; i < std::abs(n); ++i)
        keys += n > 0 ? "key Tab\n" : "key Backtab\n";
    return keys;
}

std::string focus(const std::string& screen, const std::string& spot) {
    return "focus\t" + screen + "\t" + spot;
}

} // namespace

TEST(Keyboard, MainScreenTipHelpAndAGameWithItsOptionsDialog) {
    // The last spot is the next tip; up from it lies About; two back is the help.
    const std::string script = "key Backtab\nkey Return\nkey Up\n" + tabs(-2) +
                               "key Return\nkey Backtab\nkey Enter\n" + tabs(-1) + "key Return\n";
    const Scenario s = played(test::namedRecord("ANN", "BEN"), script);
    EXPECT_TRUE(
        s.hasInOrder({focus("main", "next-tip"), focus("main", "about"), focus("main", "help"),
                      "open\tTumbledown.html", focus("main", "game-shutthebox"),
                      "screen\tshutthebox", focus("shutthebox", "name-2")}));
    EXPECT_EQ(s.linesStarting("dialog\t201\tcancel").size(), 1u);
    EXPECT_EQ(s.linesStarting("text\t").at(2).fields[3], "In 10,000, with one die left, you have");
}

TEST(Keyboard, AWholeGameOfTenThousandAgainstTheWizard) {
    using namespace tumbledown::test::tenthou;
    Script game;
    // Tab on the start prompt only moves the ring; Return answers it as any key
    // does, and the ring goes on to the first pane.
    game.key("Tab").key("Return").draws({0, 0, 0}).key("Tab").key("Return");
    for (int i = 0; i < 3; ++i)
        game.roll("123456").key("Return");
    game.roll("111155").raw(tabs(2)).key("Return").raw(tabs(6)).key("Return").key("Tab");
    game.key("Return").key("shift+Return").key("Return").key("Enter");
    game.pass().faces(computerTenThousand + "115" + "111234");
    game.key("Return").faces("111234");
    const Scenario s = played(tenThouRecord(3), game.str());
    EXPECT_TRUE(hasRun(s, {startPrompt("ANN"), focus("10000", "play"), panelHide}));
    // Three straights, three 1's, a single 1, a single 5 taken, given back and
    // taken again, another single 5; the Wizard's win answered with Return.
    EXPECT_TRUE(hasInOrder(
        s,
        {focus("10000", "pane-straight"), scores(3000, 0, 0, 0), scores(9000, 0, 0, 0),
         focus("10000", "pane-three-1"), scores(10000, 0, 0, 0), focus("10000", "pane-single-1"),
         scores(10100, 0, 0, 0), focus("10000", "pane-single-5"), scores(10150, 0, 0, 0),
         scores(10100, 0, 0, 0), scores(10150, 0, 0, 0), scores(10200, 0, 0, 0),
         winPrompt("WIZARD", 11250, "WIZARD"), panelHide, topScoresBox(""), dice("1,1,1,2,3,4")}));
    // ANN banks 10,200. The Wizard reaches 10,000, throws on to pass her (1 1 5: 10,250),
    // then all six again as all are used (1 1 1: 11,250).
    EXPECT_TRUE(hasRun(s, Lines{dice("1,1,1,2,3,4"), delay(110)} + sink() +
                              Lines{scores(0, 10200, 10000, 0), delay(110), delay(110)} + sink() +
                              Lines{delay(20)} + rise() + Lines{dice("0,0,0,1,1,5")}));
    EXPECT_TRUE(hasRun(s, Lines{scores(0, 10200, 11250, 0), delay(110), delay(110), "cursor\tarrow",
                                turn(1), scores(0, 10200, 0, 11250), scores(0, 10200, 0, 11250),
                                winPrompt("WIZARD", 11250, "WIZARD")}));
    // It opens the next game: 1000, and it stops.
    EXPECT_TRUE(hasRun(s, Lines{panelHide, topScoresBox(""), "seed", turn(2), scores(0, 0, 0, 0),
                                scores(0, 0, 0, 0)} +
                              blink(0, 0, 0, 0) + Lines{"cursor\twait"} + rise() +
                              Lines{dice("1,1,1,2,3,4")}));
    EXPECT_TRUE(hasRun(s, Lines{"cursor\tarrow", turn(1)} + sink() + blink(0, 0, 0, 1000) +
                              blink(0, 0, 0, 1000) + Lines{s.saveLine(), soundStop}));
}

TEST(Keyboard, ShutTheBoxWithTheOneDieRule) {
    using namespace tumbledown::test::stb;
    Script p;
    p.raw(tabs(3)).key("Return").draws({0, 0, 0, 0, 0});
    p.roll("66").box(9).completing(3).roll("44").completing(8).roll("34").completing(7);
    // With 7, 8 and 9 shut the one-die icon is live; the box the die allows is next.
    p.key("Tab").key("Tab").key("Return").roll("4").key("Backtab").key("Return").roll("6");
    const Scenario s = played(boxRecord(), p.str());
    EXPECT_TRUE(
        hasInOrder(s, {boxes("001000111", "000000000"), focus("shutthebox", "cup"),
                       focus("shutthebox", "one-die"), dice("4"), focus("shutthebox", "box-4"),
                       boxes("001100111", "000100000"), scores(14, 0, 45, 0), dice("6")}));
}

TEST(Keyboard, PokerDiceWithABetOnTheAbacusAndDiscards) {
    using namespace tumbledown::test::pokerdice;
    Script p;
    p.raw(tabs(2)).key("Return").draws({0, 0, 0, 0});
    p.raw(tabs(8)).key("Return").key("Return").raw(tabs(-7)).key("Return").space("11234");
    // The ring goes on from a discarded die to the spot after it.
    p.raw(tabs(6)).key("Return").key("Backtab").key("Return").key("shift+Return");
    p.key("Backtab").key("Return").space("1").raw(tabs(9)).key("Return");
    const Scenario s = played(pokerRecord(), p.str());
    // The hundreds raised twice; the jack and the queen discarded, both given
    // back with Shift+Return; the jack discarded again and thrown anew.
    EXPECT_TRUE(hasInOrder(
        s, {focus("pokerdice", "digit-3-up"), coins(5000, 5000, 200), coins(5000, 5000, 300),
            focus("pokerdice", "play"), "panel-hide\tpokerdice", dice("1,1,2,3,4"),
            focus("pokerdice", "die-5"), focus("pokerdice", "die-4"), dice("1,1,2,3,4"),
            focus("pokerdice", "die-5"), dice("1,1,2,3,1"), focus("pokerdice", "name-2")}));
    EXPECT_EQ(count(eventsOf(s, "dice"), dice("1,1,2,3,4")), 2);
    EXPECT_EQ(s.linesStarting("dialog\t204\tcancel").size(), 1u);
    EXPECT_EQ(s.record().bet, 300);
}
