// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "ShutTheBoxScript.h"

#include <QImage>

#include <array>

using namespace tumbledown;
using namespace tumbledown::test::stb;

namespace {

// A picture copied to the client area, as the transcript writes it.
std::string blit(const std::string& name, int x, int y, int width, int height) {
    return tabbed("blit\t" + name, {x, y, width, height});
}

// Whether the dice in the air (two dice: pictures 5 and 6, one die: 61 and 62; 4 and
// 60 are the dice in the cup) are put back with the board exactly where they were drawn.
::testing::AssertionResult tumbleErased(const Scenario& s) {
    static const std::vector<std::string> frames{"BITMAP_5", "BITMAP_6", "BITMAP_61", "BITMAP_62"};
    const std::vector<Line>& lines = s.lines();
    int seen = 0;
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (it->fields[0] != "blit" ||
            std::find(frames.begin(), frames.end(), it->fields[1]) == frames.end())
            continue;
        std::vector<std::string> board = it->fields;
        board[1] = "board";
        const auto next = std::find_if(it + 1, lines.end(), [&](const Line& l) {
            return l.fields[0] == "blit" &&
                   std::equal(l.fields.begin() + 2, l.fields.end(), board.begin() + 2, board.end());
        });
        if (next == lines.end() || next->fields != board)
            return ::testing::AssertionFailure() << it->text() << " not erased";
        ++seen;
    }
    if (seen == 0)
        return ::testing::AssertionFailure() << "no tumbling frame";
    return ::testing::AssertionSuccess();
}

// Whether the pips whose boxes start at these board places are drawn (the
// middle of each has the pip colour).
bool pipsAt(const Scenario& s, const std::string& shot, std::vector<std::pair<int, int>> places) {
    const QImage image((s.dataDir() / shot).string().c_str());
    for (auto [x, y] : places)
        if (image.isNull() || image.pixel(originX + x + 3, originY + y + 3) != qRgb(60, 61, 72))
            return false;
    return true;
}

} // namespace

// -- entering the game

TEST(ShutTheBoxEntry, WelcomeOnceThenAllNineShutLeaveTheDiceOutForTheEndOfTheTurn) {
    PreferencesRecord r = boxRecord();
    r.shutTheBoxWelcome = 1;
    Script p;
    p.enter().raw("wait 3000").click(backArrow).enter().roll("66").box(9).completing(3);
    p.roll("66").box(8).completing(4).roll("66").box(7).completing(5).roll("45").box(6).box(2);
    p.completing(1).endTurn().roll("11"); // the dice stayed out: the cup ends the turn
    const Scenario s = played(r, p.str());
    const std::string welcome = "box\tWelcome to Shut The Box\t"
                                "The Object of Shut The Box is to try to close all\\n"
                                "nine boxes to score the lowest number of points\\n"
                                "possible.  One, two, three or four boxes may be\\n"
                                "closed with each throw of the dice.  The total\\n"
                                "number on the boxes closed must equal the total\\n"
                                "number of pips on the dice.\\n\\n"
                                "To roll the dice click on the dice \"cup\" or press\\n"
                                "the spacebar.  To close a box click on the box or\\n"
                                "press the box number on the keyboard.\\n\\n"
                                "To undo closing a box, click on that box again.\\n\\n"
                                "Click on the \"!\" if you desire mischief!\\n\\n"
                                "For more help, click on the question mark.\\n\tOK\tOK";
    // Each entry seeds from the time of day and draws the whole board first.
    EXPECT_TRUE(s.hasInOrder(
        {"seed\t1000000000", "screen\tshutthebox", scores(45, 0, 45, 0), scores(45, 0, 45, 0),
         welcome, "screen\tmain", "menubar\tGame|Music|Scores|Help", "seed\t1000000003",
         "screen\tshutthebox", scores(45, 0, 45, 0), scores(45, 0, 45, 0), dice("6,6")}));
    EXPECT_EQ(count(events(s), welcome), 1);
    EXPECT_EQ(s.record().shutTheBoxWelcome, 0);
    EXPECT_TRUE(hasRun(s, Lines{boxes("111111111"), scores(0, 0, 45, 0), soundStop, turn(2)} +
                              reopenAll(10) + thrown(10, "1,1")));
}

// -- a person's throws

TEST(ShutTheBoxThrow, ShuttingUndoingTheRemainderRuleAndTheDiceShown) {
    constexpr int d = 20;
    Script p;
    p.enter().roll("34").raw("shot board.png"); // 7
    p.box(9);                                   // more than the throw
    p.box(5);                                   // the remainder 2 is open
    p.box(4).box(1);                            // over the 2 left; the 1 left would be box 1 itself
    p.box(5);                                   // undone
    p.rclick(boxSpot(4));                       // a right click shuts too: remainder 3
    p.click(boxSpot(3)).faces("61").raw("shot cup.png"); // what is left; the cup's new faces
    p.box(4).roll("45");                                 // the dice are in the cup; 9
    p.box(4);                                            // shut in the earlier throw: no undo now
    p.box(5);                                            // the remainder 4 is shut, 1 + 2 make 3
    p.box(8).key("space").completing(1);   // the cup waits while the throw can be played
    p.roll("11").completing(2).roll("11"); // 2, then 2 again with box 2 shut
    p.box(5).endTurn().turnWorth(43);      // player two's turn scores the round
    const Scenario s = played(boxRecord(false, d), p.str());
    const Lines expected =
        thrown(d, "3,4") + shuts(d, "000010000", "000010000", scores(40, 0, 45, 0)) + unshutter(d) +
        Lines{allOpen, scores(45, 0, 45, 0), soundStop} +
        shuts(d, "000100000", "000100000", scores(41, 0, 45, 0)) +
        completes(d, "001100000", "001100000", scores(38, 0, 45, 0)) + thrown(d, "4,5") +
        shuts(d, "001100010", "000000010", scores(30, 0, 45, 0)) +
        completes(d, "101100010", "100000010", scores(29, 0, 45, 0)) + thrown(d, "1,1") +
        completes(d, "111100010", "010000000", scores(27, 0, 45, 0)) + thrown(d, "1,1") +
        // No score line when the turn passes; player one's 27 stays on view.
        Lines{turn(2)} + reopenAll(d) + thrown(d, "1,1") +
        completes(d, "010000000", "010000000", scores(27, 0, 43, 0)) + thrown(d, "1,1") +
        Lines{turn(1)} + reopenAll(d) +
        Lines{scores(45, 27, 45, 43), scores(45, 27, 45, 43), s.saveLine(), soundStop};
    EXPECT_EQ(eventsFrom(s, play("Dice1.wav")), expected) << s.dump();
    // Lying: die 1 a 3, die 2 a 4 (no middle pip). In the cup: die 1 a 6 (no
    // middle pip), die 2 a 1 (no corner pip).
    EXPECT_TRUE(pipsAt(
        s, "board.png",
        {{526, 247}, {532, 257}, {539, 269}, {478, 316}, {493, 311}, {482, 330}, {498, 328}}));
    EXPECT_FALSE(pipsAt(s, "board.png", {{488, 323}}));
    EXPECT_TRUE(pipsAt(
        s, "cup.png",
        {{342, 259}, {342, 267}, {342, 275}, {363, 259}, {363, 267}, {363, 275}, {356, 317}}));
    EXPECT_FALSE(pipsAt(s, "cup.png", {{352, 265}}) || pipsAt(s, "cup.png", {{348, 310}}));
    EXPECT_TRUE(tumbleErased(s));
}

TEST(ShutTheBoxThrow, HitSpotsFollowTheBoardAndIncludeTheirEdges) {
    // A client of 700 x 480: the board at (34, 26), cut to 421 rows.
    Script p(34, 26);
    p.raw("size 700 480").enter();
    p.click({299, 300}).click({300, 242}).faces("12"); // off, on the cup
    p.click({50, 100}).click({107, 158});              // off, on box 1's far corner
    p.click({108, 100}).click({110, 159});             // between boxes, below 2
    p.rclick({110, 33}).draws({0, 0});                 // box 2's corner
    p.click({409, 348}).click({408, 348}).faces("11"); // off, on the cup
    const Scenario s = played(boxRecord(), p.str());
    EXPECT_TRUE(s.hasInOrder({"tile\tBITMAP_140\t700\t480", blit("BITMAP_1", 34, 26, 632, 421)}));
    EXPECT_EQ(eventsOf(s, "dice"), (Lines{dice("1,2"), dice("1,1")}));
    EXPECT_EQ(eventsOf(s, "boxes"), (Lines{boxes("100000000", "100000000"),
                                           boxes("110000000", "110000000"), boxes("110000000")}));
}

TEST(ShutTheBoxThrow, OneDieOnlyWithSevenEightAndNineShutAndTheDiceInTheCup) {
    Script p;
    p.enter().roll("66").box(9).completing(3).click(oneDieIcon); // 7 and 8 are open
    p.roll("44").completing(8).menu(124);                        // 7 is open
    p.roll("34").completing(7).roll("11").click(oneDieIcon);     // the dice are out
    p.completing(2).click(oneDieIcon).roll("4").raw("shot one.png");
    // One die goes back to the cup with its face: nothing is drawn, so the
    // next face may be queued already.
    p.box(4).faces("6").key("space").box(6).faces("3").key("space"); // 3: no move left
    p.menu(124).endTurn().roll("11"); // the dice are out; player two throws two
    const Scenario s = played(boxRecord(), p.str());
    // Three dice refused, three thrown; player two throws two.
    EXPECT_EQ(eventsOf(s, "dice"), (Lines{dice("6,6"), dice("4,4"), dice("3,4"), dice("1,1"),
                                          dice("4"), dice("6"), dice("3"), dice("1,1")}));
    EXPECT_TRUE(hasRun(s, thrown(10, "4") +
                              completes(10, "011100111", "000100000", scores(12, 0, 45, 0)) +
                              thrown(10, "6")));
    EXPECT_TRUE(tumbleErased(s)); // the single die's frames too
    EXPECT_TRUE(pipsAt(s, "one.png", {{478, 316}, {493, 311}, {482, 330}, {498, 328}}));
}

// -- rounds and the end of the game

TEST(ShutTheBoxGame,
     NinetyNineGoesOnEqualTotalsTieAndAHundredEndsWithTheLowerTotalWinningSoundOrNot) {
    PreferencesRecord r = boxRecord();
    r.shutTheBoxTopScores = tableOf({{"ZED", 3}, {"OLD", 1}});
    Script p;
    p.enter();
    for (int round = 0; round < 3; ++round)
        p.turnWorth(33).turnWorth(33);
    p.turnWorth(43).turnWorth(43).key("space").draws({0, 0}); // a tie; the cup starts anew
    // The second game without sound: BEN wins.
    p.menu(149).turnWorth(33).turnWorth(33).turnWorth(33).turnWorth(33).turnWorth(34);
    p.turnWorth(33);
    // Box clicks after the announcement are ignored, though the 1 and 1 in the
    // cup would let box 2 take them; the cup starts a new game.
    p.box(2).click(boxSpot(2)).rclick(boxSpot(2)).box(5).key("1");
    p.menu(148).key("space").draws({0, 0}).roll("23").box(5);
    const Scenario s = played(r, p.str());
    // 99 each after three rounds: the game goes on.
    EXPECT_TRUE(
        hasRun(s, Lines{scores(45, 99, 45, 99), scores(45, 99, 45, 99)} + thrown(10, "1,1")));
    // The tie leaves the table as it was.
    EXPECT_TRUE(hasRun(
        s, Lines{scores(45, 142, 45, 142), scores(45, 142, 45, 142), banner("TIE", 0)} + fanfare() +
               marginShown(1) + Lines{topScoresBox("3  \\tZED\\n1  \\tOLD\\n")} + reopenAll(10)));
    // Without sound nothing plays, but the letters take their time; a throw waits.
    const Lines all = events(s);
    const auto off = std::find(all.begin(), all.end(), "checked\t119,122,128,149");
    const auto on = std::find(off, all.end(), "checked\t119,122,128,148");
    ASSERT_NE(on, all.end());
    for (auto it = off; it != on; ++it)
        EXPECT_NE(it->rfind("sound", 0), 0u) << *it;
    EXPECT_TRUE(hasRun(s, Lines{delay(10), delay(10), dice("1,1")}));
    const std::string table = topScoresBox("3  \\tZED\\n1  \\tOLD\\n1  \\tBEN\\n");
    const Lines expected =
        Lines{scores(45, 100, 45, 99), scores(45, 100, 45, 99), banner("BEN", 1)} +
        repeat(delay(100), 3) + marginShown(1) +
        Lines{table} + // an equal margin goes after the one there
        Lines{"checked\t119,122,128,148"} + reopenAll(10) +
        Lines{scores(45, 0, 45, 0), scores(45, 0, 45, 0)} + thrown(10, "2,3") +
        completes(10, "000010000", "000010000", scores(40, 0, 45, 0)) +
        Lines{s.saveLine(), soundStop};
    EXPECT_EQ(eventsFrom(s, scores(45, 100, 45, 99)), expected) << s.dump();
    EXPECT_EQ(entries(s.record().shutTheBoxTopScores, 4), "ZED 3, OLD 1, BEN 1,  0");
    // The panel went blank for the banner: the new game writes the names again.
    EXPECT_TRUE(s.hasInOrder({table, allOpen, blit("BITMAP_22", 234, 312, 17, 18),
                              blit("BITMAP_23", 236, 362, 16, 18), scores(45, 0, 45, 0)}));
}

// -- the computer

TEST(ShutTheBoxComputer, PlaysItsWholeTurnUnderTheWaitCursor) {
    Script p;
    // 7: box 7; 7: 6 and 1; 7: 5 and 2; 12: 9 and 3; 8: box 8; then only 4 is
    // open: one die, a 3, no move. A click and a key arrive during its turn.
    p.enter().playWorth(43).endTurnForComputer({"34", "34", "34", "66", "44", "3"}, false, true);
    p.raw("@0 click " + p.at(boxSpot(5))).raw("@0 key space").faces("23");
    const Scenario s = played(boxRecord(true), p.str());
    const int d = 10;
    const Lines look{delay(8 * d)};
    const auto its = [](int round) { return scores(43, 0, round, 0); };
    EXPECT_EQ(eventsOf(s, "dice"),
              (Lines{dice("1,1"), dice("1,1"), dice("3,4"), dice("3,4"), dice("3,4"), dice("6,6"),
                     dice("4,4"), dice("3"), dice("2,3")}));
    // It looks at each throw and each box for eight steps first.
    EXPECT_TRUE(hasRun(s, Lines{turn(2)} + reopenAll(d) + Lines{"cursor\twait"} + thrown(d, "3,4") +
                              look + completes(d, "000000100", "000000100", its(38)) + look +
                              thrown(d, "3,4") + look +
                              shuts(d, "000001100", "000001000", its(32)) +
                              completes(d, "100001100", "100001000", its(31)) + look));
    EXPECT_TRUE(hasRun(s, completes(d, "111011111", "000000010", its(4)) + look + thrown(d, "3") +
                              look + Lines{turn(1)} + reopenAll(d) +
                              Lines{scores(45, 43, 45, 4), scores(45, 43, 45, 4), "cursor\tarrow",
                                    // the click is thrown away, the key is handled
                                    "dropped\tpress\t400\t181", "dropped\trelease\t400\t181"} +
                              thrown(d, "2,3") + Lines{s.saveLine(), soundStop}));
    EXPECT_TRUE(s.hasInOrder({blit("BITMAP_60", 425, 382, 40, 57)}));
}

// -- the Gremlin (the odds 1 in 6: a chance draw of 0 strikes, 1 does not)

TEST(ShutTheBoxGremlin, ItsButtonStartsAGameWhereItReopensAnEarlierBoxAndShutsAnOpenOne) {
    Script p;
    p.enter(0).roll("34").completing(7).roll("23").box(4); // a throw in play
    p.click(gremlinButton).draws({0, 0});                  // the new game's cup
    p.roll("11").box(2).draws({1, 0, 0});                  // no strike; the cup's faces
    p.roll("23").box(5).draws({0, 1, 0, 0}); // strikes box 2, shut in the throw before
    p.roll("45").box(9).draws({0, 7, 0, 0}); // strikes box 8, open
    p.roll("11").menu(122).draws({0, 0}).roll("11").box(2).draws({0, 0, 1, 2}); // off: the cup
    p.key("space").completing(5).menu(121); // only, so 2 and 3 follow
    const Scenario s = played(boxRecord(), p.str());
    const int d = 10;
    const Lines expected =
        thrown(d, "2,3") + shutter(d) + Lines{boxes("010010000", "000010000")} +
        repeat(delay(100), 1 + 5 + 8 + 8) + // looking at 5; 5 .. 1, 2 .. 9, 9 .. 2
        Lines{playToEnd("laugh.wav"), play("creak.wav"), "gremlin\t2"} + waits(3 * (d + 5), 3) +
        Lines{boxes("000010000", "000010000"),
              scores(40, 0, 45, 0),
              scores(40, 0, 45, 0),
              soundStop,
              boxes("000010000"),
              scores(40, 0, 45, 0),
              soundStop} +
        thrown(d, "4,5") + shutter(d) + Lines{boxes("000010001", "000000001")} +
        repeat(delay(100), 1 + 5 + 8 + 2) + // 5; 5 .. 1, 2 .. 9, 9 8
        Lines{playToEnd("laugh.wav"), play("creak.wav"), "gremlin\t8"} + waits(3 * d, 4) +
        Lines{boxes("000010011", "000000001"),
              scores(23, 0, 45, 0),
              soundStop,
              boxes("000010011"),
              scores(23, 0, 45, 0),
              soundStop} +
        thrown(d, "1,1") + Lines{"checked\t119,122,128,148"};
    EXPECT_TRUE(hasRun(s, expected));
    // The head drawn, then erased.
    EXPECT_TRUE(s.hasInOrder({blit("BITMAP_243", 366, 284, 73, 41), "gremlin\t2",
                              blit("board", 366, 284, 73, 41), boxes("000010000")}));
    const Lines newGame = Lines{allOpen, scores(45, 0, 45, 0), scores(45, 0, 45, 0)};
    EXPECT_TRUE(s.hasInOrder(Lines{boxes("000100100", "000100000"), "checked\t119,121,128,148",
                                   closing, delay(15), delay(15), delay(15), soundStop} +
                             newGame + Lines{"gremlin\t8", "checked\t119,122,128,148"} + newGame +
                             Lines{dice("1,1"), boxes("010000000"), dice("2,3"), boxes("010010000"),
                                   "checked\t119,121,128,148"} +
                             newGame));
    EXPECT_EQ(eventsOf(s, "gremlin").size(), 2u);
    EXPECT_TRUE(s.hasInOrder(
        {blit("BITMAP_65", 443, 446, 6, 23), "gremlin\t2", blit("BITMAP_64", 443, 446, 6, 23)}));
    EXPECT_EQ(s.record().gremlinOn, 1);
}

// -- speed, buttons and menus

TEST(ShutTheBoxControls, SpeedKeysButtonsAndMenuStepByTenWithinLimits) {
    Script p;
    p.enter().key("-").key("_").roll("11").completing(2); // 200, and no further
    for (int i = 0; i < 20; ++i)
        p.key(i % 2 ? "+" : "=");
    p.key("+").roll("11").endTurn(); // 0, and no further
    // Player two: "-" pressed and released on it, the menu both ways, then "+"
    // pressed and let go elsewhere; the sound button, its menu, help, scores.
    p.click(slowDownButton).menu(151).menu(150).press(speedUpButton).release(cup);
    p.roll("12").click(soundButton).completing(3).menu(148).click(helpButton).key("s");
    const Scenario s = played(boxRecord(false, 190), p.str());
    const Lines expected = thrown(200, "1,1") +
                           completes(200, "010000000", "010000000", scores(43, 0, 45, 0)) +
                           thrown(0, "1,1") + Lines{turn(2)} + reopenAll(0) + thrown(0, "1,2") +
                           Lines{"checked\t119,122,128,149",
                                 boxes("001000000", "001000000"),
                                 boxes("001000000"),
                                 scores(43, 0, 42, 0),
                                 "checked\t119,122,128,148",
                                 "open\tTumbledown.html",
                                 topScoresBox(""),
                                 s.saveLine(),
                                 soundStop};
    EXPECT_EQ(eventsFrom(s, play("Dice1.wav")), expected) << s.dump();
    EXPECT_EQ(s.record().shutTheBoxDelay, 0);
    // A button let go on itself comes up; one let go elsewhere stays down.
    EXPECT_TRUE(s.hasInOrder({turn(2), blit("BITMAP_13", 217, 455, 19, 5),
                              blit("BITMAP_12", 217, 455, 19, 5),
                              blit("BITMAP_11", 179, 448, 19, 19), dice("1,2")}));
    EXPECT_FALSE(
        s.hasInOrder({blit("BITMAP_11", 179, 448, 19, 19), blit("BITMAP_10", 179, 448, 19, 19)}));
    EXPECT_TRUE(s.hasInOrder({blit("BITMAP_18", 329, 446, 23, 23), "checked\t119,122,128,149",
                              "checked\t119,122,128,148", blit("BITMAP_19", 329, 446, 23, 23)}));
}

TEST(ShutTheBoxControls, OpponentMenuStartsANewGameWithTheComputerOrPlayerTwo) {
    PreferencesRecord r = boxRecord(false);
    r.shutTheBoxTopScores = tableOf({{"ZED", 200}});
    Script p;
    p.enter().roll("34").completing(7).menu(118).draws({0, 0});
    for (int round = 0; round < 3; ++round)
        p.playWorth(43).endTurnForComputer(computerShutsAll, true);
    p.menu(119).draws({0, 0}).turnWorth(43).roll("23");
    const Scenario s = played(r, p.str());
    // COMPUTER (125 wide) centred on player two's line, later BEN (46 wide).
    EXPECT_TRUE(s.hasInOrder(
        {"checked\t118,122,128,148", allOpen, blit("BITMAP_24", 196, 362, 15, 18),
         scores(45, 0, 45, 0), scores(45, 0, 45, 0), turn(2), "cursor\twait", scores(45, 43, 45, 0),
         "cursor\tarrow", "checked\t119,122,128,148", allOpen, blit("BITMAP_23", 236, 362, 16, 18),
         scores(45, 0, 45, 0), scores(45, 0, 45, 0), turn(2), dice("2,3")}));
    EXPECT_EQ(count(events(s), "cursor\twait"), 3);
    // The computer's win is shown as COMPUTER's and stores nothing.
    EXPECT_TRUE(
        hasRun(s, Lines{scores(45, 129, 45, 0), scores(45, 129, 45, 0), banner("COMPUTER", 129)} +
                      fanfare() + marginShown(3) +
                      Lines{topScoresBox("200  \\tZED\\n"), "cursor\tarrow"}));
    EXPECT_EQ(entries(s.record().shutTheBoxTopScores, 2), "ZED 200,  0");
    EXPECT_EQ(s.record().shutTheBoxVsComputer, 0);
}

TEST(ShutTheBoxControls, OptionsDialogRenamesAndStartsANewGame) {
    Script p;
    p.enter().roll("34").completing(7).menu(120).raw("dialog 201 103=1 105=zed cancel");
    p.click(playerOneName).raw("dialog 201 103=1 105=bob ok").draws({0, 0}).roll("23");
    p.click(playerTwoName).raw("dialog 201 102=1 104=1 105=bob ok");
    const Scenario s = played(boxRecord(true), p.str());
    // Cancelled: nothing changed, the throw of 7 stayed shut. Renamed: a new
    // game; then the opponent and the second name changed: two more.
    EXPECT_EQ(eventsOf(s, "boxes"), (Lines{boxes("000000100", "000000100"), boxes("000000100"),
                                           allOpen, allOpen, allOpen}));
    EXPECT_EQ(s.linesStarting("dialog\t201\tcancel").size(), 1u);
    // BOB (16 + 16 + 16) centred on player one's line.
    EXPECT_TRUE(
        s.hasInOrder({"dialog\t201\tok\t101=1,102=0,103=1,104=0,105=bob", allOpen,
                      blit("BITMAP_23", 235, 312, 16, 18), scores(45, 0, 45, 0), dice("2,3")}));
    // Player two may not be called BOB too: back to PLAYERB, with a warning.
    EXPECT_TRUE(s.hasInOrder(
        {"dialog\t201\tok\t101=0,102=1,103=0,104=1,105=bob",
         "box\tWarning\tBOB may not be your own opponent.\\nSecond player's name is reset "
         "to\\n'PLAYERB'.  To change this name,\\nclick on either player name.\\n\tOK\tOK"}));
    const PreferencesRecord r = s.record();
    EXPECT_EQ(r.player1(), "BOB");
    EXPECT_EQ(r.player2(), "PLAYERB");
    EXPECT_EQ(r.shutTheBoxVsComputer, 0);
}
