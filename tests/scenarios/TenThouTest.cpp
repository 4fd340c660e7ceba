// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "TenThouScript.h"

#include <QImage>

#include <algorithm>

using namespace tumbledown;
using namespace tumbledown::test::tenthou;

namespace {

// The window's close path after the script.
Lines closing(const Scenario& s) {
    return {s.saveLine(), soundStop};
}

} // namespace

// -- entering the game

TEST(TenThouEntry, WelcomeOnceAndTheStartPromptHearsOnlyItsOptionsAndKeys) {
    PreferencesRecord r = tenThouRecord();
    r.tenThouWelcome = 1;
    // 9 % 20 + 1 = 10: player one; 10 % 20 + 1 = 11: player two. On the prompt a
    // pane, a button, a name and the panel off its words do nothing; a key leaves it.
    Script p;
    p.enter(9).click(quitWord).enter(10).clickRoll("123456").click(speedUpButton);
    p.click(playerOneName).click(panelMiddle).key("p").roll();
    const Scenario s = played(r, p.str());
    const std::string welcome = "box\tWelcome to 10,000!\t"
                                "  o   Obtain 10,000 coins\\n"
                                "  o   Touch a window pane\\n"
                                "  o   Right-click to undo a score\\n"
                                "  o   Re-roll extra dice, if you wish!\\n"
                                "  o   Beware of disaster and seek extra coins\\n"
                                "  o   Graduate to mage and wizard levels\\n\\n"
                                "  o   Touch \"?\" to seek further aid\tOK\tOK";
    EXPECT_TRUE(s.hasInOrder({"seed\t1000000000", "screen\t10000", turn(1), startPrompt("ANN"),
                              welcome, "screen\tmain", "seed\t1000000000", "screen\t10000", turn(2),
                              startPrompt("BEN")}));
    EXPECT_EQ(count(events(s), welcome), 1);
    EXPECT_TRUE(
        hasRun(s, Lines{startPrompt("BEN"), panelHide} + rise() + Lines{dice("1,2,3,4,5,6")}));
    EXPECT_EQ(eventsOf(s, "dice").size(), 1u);
    EXPECT_EQ(s.record().tenThouWelcome, 0);
}

// -- a person's turn

TEST(TenThouTurn, RollScoreUndoAndBank) {
    Script p;
    p.enter().play().pass().roll("111156");    // the pass refused: nothing rolled yet
    p.roll().take(threeOnes).take(threePairs); // refused: nothing scored; not offered
    p.take(singleOne).take(singleFive).undo(singleOne).undo(threeOnes);
    p.undo(threeOnes).undo(rollPane);    // no longer in the roll record; not a scoring pane
    p.take(threeOnes).roll("51").pass(); // refused: a 1 and a 5 are open
    p.take(singleOne).take(singleFive).pass();
    const Scenario s = played(tenThouRecord(), p.str());
    // Nothing refused shows: no throw, no score, no notice.
    EXPECT_EQ(eventsOf(s, "dice"), (Lines{dice("1,1,1,1,5,6"), dice("0,0,0,5,0,1")}));
    EXPECT_EQ(eventsOf(s, "panel"), (Lines{startPrompt("ANN"), startPrompt("ANN")}));
    // A take sinks its dice, an undo raises them.
    EXPECT_TRUE(hasRun(s, rise() + Lines{dice("1,1,1,1,5,6")} + sink() +
                              Lines{scores(1000, 0, 0, 0)} + sink() + Lines{scores(1100, 0, 0, 0)} +
                              sink() + Lines{scores(1150, 0, 0, 0)} + rise() +
                              Lines{scores(1050, 0, 0, 0)} + rise() + Lines{scores(50, 0, 0, 0)} +
                              sink() + Lines{scores(1050, 0, 0, 0)} + sink() + Lines{delay(20)} +
                              rise() + Lines{dice("0,0,0,5,0,1")}));
    // Banked; all six were used, none sinks.
    EXPECT_TRUE(hasRun(s, sink() + Lines{scores(1200, 0, 0, 0), turn(2)} + blink(0, 1200, 0, 0) +
                              closing(s)));
}

TEST(TenThouTurn, LoneDieHasTwoChancesAndEarnsTheBonus) {
    Script p;
    // ANN: five dice scored, the lone die missed once, then a 5 with the bonus.
    p.enter().play().roll("111112").take(threeOnes).take(singleOne).take(singleOne);
    p.roll("4").roll("5").take(singleFive);
    // All six used: all six thrown again, and again down to a lone die: 100 and the
    // second bonus, 1000, given back and taken again from 500.
    p.roll("111553").take(threeOnes).take(singleFive).take(singleFive);
    p.roll("1").take(singleOne).undo(singleOne).take(singleOne).pass();
    // BEN misses the lone die twice: no third chance, and PASS loses the turn.
    p.roll("111112").take(threeOnes).take(singleOne).take(singleOne);
    p.roll("4").roll("3").roll().pass();
    const Scenario s = played(tenThouRecord(), p.str());
    EXPECT_EQ(
        eventsOf(s, "dice"),
        (Lines{dice("1,1,1,1,1,2"), dice("0,0,0,0,0,4"), dice("0,0,0,0,0,5"), dice("1,1,1,5,5,3"),
               dice("0,0,0,0,0,1"), dice("1,1,1,1,1,2"), dice("0,0,0,0,0,4"), dice("0,0,0,0,0,3")}))
        << s.dump();
    // The bonuses: 500 with the 5, 1000 with the 1, and 500 once that was given back.
    EXPECT_TRUE(s.hasInOrder({scores(1200, 0, 0, 0), scores(1750, 0, 0, 0), scores(2850, 0, 0, 0),
                              scores(3950, 0, 0, 0), scores(2850, 0, 0, 0), scores(3450, 0, 0, 0),
                              scores(0, 3450, 1200, 0), scores(0, 3450, 0, 0)}));
    EXPECT_TRUE(hasRun(s, Lines{dice("0,0,0,0,0,3"), turn(1)} + sink() + blink(0, 3450, 0, 0)));
}

TEST(TenThouTurn, StraightOrPairsMustBeFollowedByAThrowAndABustSaysNothing) {
    Script p;
    // A left click, a right click and a key without its own meaning each only
    // take the notice down.
    p.enter().play().roll("223344").take(threePairs).pass().clickRoll().pass();
    p.undo(singleOne).pass().key("+").roll("111234").take(threeOnes).pass();
    // BEN takes a straight back: nothing forces a throw then.
    p.roll("123456").take(straight).undo(straight).take(singleOne).pass();
    // ANN busts: throwing again and scoring are refused, and the pass ends her turn.
    p.roll("123466").take(singleOne).roll("23462").roll().take(singleOne).pass();
    const Scenario s = played(tenThouRecord(), p.str());
    EXPECT_TRUE(hasRun(s, Lines{dice("2,2,3,3,4,4")} + sink() +
                              Lines{scores(1500, 0, 0, 0), mustRollAgain, panelHide, mustRollAgain,
                                    panelHide, mustRollAgain, panelHide} +
                              rise() + Lines{dice("1,1,1,2,3,4")}));
    EXPECT_TRUE(hasRun(s, Lines{dice("1,2,3,4,5,6")} + sink() + Lines{scores(0, 2500, 3000, 0)} +
                              rise() + Lines{scores(0, 2500, 0, 0)} + sink() +
                              Lines{scores(0, 2500, 100, 0), turn(1)}));
    EXPECT_TRUE(hasRun(s, Lines{scores(100, 2500, 0, 100)} + sink() + Lines{delay(20)} + rise() +
                              Lines{dice("0,2,3,4,6,2"), turn(2)} + sink() +
                              blink(0, 2500, 0, 100) + closing(s)));
    const Lines panels = eventsOf(s, "panel");
    EXPECT_EQ(count(panels, mustRollAgain), 3);
    EXPECT_EQ(count(panels, mustRollAgain) + count(panels, startPrompt("ANN")), panels.size());
}

// -- disaster

TEST(TenThouDisaster, ComputerDisasterWaitsForThePersonWithTheArrowAndRollLit) {
    Script p;
    p.enter().play().thousand().faces("222211").raw("wait 5000").key("x");
    // ANN's own disaster: its dismissal ends her turn and the Apprentice plays at once.
    p.roll("222233").key("x").faces("111234");
    const Scenario s = played(tenThouRecord(1), p.str());
    const Lines disaster{dice("2,2,2,2,1,1"),
                         "sound\tplay\tohno.wav\tsync",
                         scores(0, 1000, 0, 0),
                         disasterNotice("APRENTICE"),
                         "cursor\tarrow",
                         panelHide,
                         turn(1)};
    EXPECT_TRUE(hasRun(s, Lines{turn(2)} + sink() + blink(0, 1000, 0, 0) + Lines{"cursor\twait"} +
                              rise() + disaster + sink() + blink(0, 1000, 0, 0) + rise() +
                              Lines{dice("2,2,2,2,3,3")}));
    // The ROLL pane the computer lit stays lit under the notice.
    EXPECT_TRUE(hasRun(s, eventsAndPanes(s), Lines{pane(rollPane, true)} + rise() + disaster));
    EXPECT_TRUE(hasRun(s, Lines{"sound\tplay\tohno.wav\tsync", scores(0, 0, 0, 0),
                                disasterNotice("ANN"), panelHide, turn(2)} +
                              sink() + blink(0, 0, 0, 0) + Lines{"cursor\twait"} + rise() +
                              Lines{dice("1,1,1,2,3,4")}));
    EXPECT_EQ(eventsOf(s, "turn").back(), turn(1));
}

// -- the computer's pace and choices

TEST(TenThouComputer, MageOpensOnARightClickAndDecidesByTheThirdOfThreeDraws) {
    Script p;
    // The Mage opens: 1000 with three dice left, and stops. ANN busts each turn.
    p.enter(10).rclick(paneCentre(rollPane)).faces("111234").roll("234662").pass();
    // 600 with three dice left: the third draw, 1 % 4, says stop (the first, 4 % 4,
    // would say on); the 5 left is taken.
    p.faces("666523").draws({4, 8, 1}).roll("234662").pass();
    // Now the third draw, 4 % 4 = 0, says on (the Wizard's 4 % 3 would stop): 1 1 1,
    // all six again, bust.
    p.faces("666523").draws({1, 3, 4}).faces("111234623");
    const Scenario s = played(tenThouRecord(2), p.str());
    EXPECT_TRUE(hasRun(s, Lines{startPrompt("MAGE"), panelHide, "cursor\twait"} + rise() +
                              Lines{dice("1,1,1,2,3,4")}));
    const Lines ann{dice("2,3,4,6,6,2")};
    EXPECT_EQ(eventsOf(s, "dice"),
              (Lines{dice("1,1,1,2,3,4")} + ann + Lines{dice("6,6,6,5,2,3")} + ann +
               Lines{dice("6,6,6,5,2,3"), dice("0,0,0,1,1,1"), dice("2,3,4,6,2,3")}));
    // It lights ROLL, each pane it takes and PASS; the 5 it banks as it stops.
    EXPECT_TRUE(hasRun(
        s, eventsAndPanes(s),
        Lines{"cursor\twait", pane(rollPane, true)} + rise() +
            Lines{dice("6,6,6,5,2,3"), pane(rollPane, false), delay(110), pane(threeSixes, true)} +
            sink() +
            Lines{scores(0, 0, 600, 1000), pane(threeSixes, false), delay(110), delay(110),
                  pane(singleFive, true)} +
            sink() +
            Lines{scores(0, 0, 650, 1000), pane(singleFive, false), "cursor\tarrow",
                  pane(passPane, true), turn(1)}));
    // Its turns add up: 1000, 650, nothing.
    EXPECT_TRUE(hasRun(s, Lines{dice("2,3,4,6,2,3"), delay(110), "cursor\tarrow", turn(1)} +
                              sink() + blink(0, 0, 0, 1650) + closing(s)));
}

// -- clicks and keys while the board is busy

TEST(TenThouInput, ClicksDuringAClickedThrowAreLostKeysAndClicksDuringAKeyedOneAreKept) {
    // PLAY blinks for 80 ms; the throw clicked at 100 lasts until 140. Only a left
    // click throws the mouse queue away afterwards: the click during the keyed
    // throw of the 5's is handled after it.
    const std::string ones = at(paneCentre(threeOnes));
    Script p;
    p.enter().play().raw("wait 20").clickRoll("111234").raw("@110 click " + ones);
    p.raw("@115 key s").raw("@120 rclick " + ones).take(threeOnes);
    p.roll("555").raw("@0 click " + at(paneCentre(threeFives)));
    const Scenario s = played(tenThouRecord(), p.str());
    const std::string xy = ones.substr(0, ones.find(' ')) + "\t" + ones.substr(ones.find(' ') + 1);
    EXPECT_TRUE(
        hasRun(s, rise() +
                      Lines{dice("1,1,1,2,3,4"), "dropped\tpress\t" + xy, "dropped\trelease\t" + xy,
                            "dropped\trclick\t" + xy, topScoresBox("")} +
                      sink() + Lines{scores(1000, 0, 0, 0)}));
    const auto box = s.linesStarting("box\tTop Scores");
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].time, 140u);
    EXPECT_TRUE(
        hasRun(s, rise() + Lines{dice("0,0,0,5,5,5")} + sink() + Lines{scores(1500, 0, 0, 0)}));
    EXPECT_EQ(s.linesStarting("dropped\tpress").size(), 1u) << s.dump();
}

TEST(TenThouInput, SpeedKeysButtonsAndMenuStepTheDelayWithinBounds) {
    Script script;
    script.enter().play().key("-").key("_").roll("111234").take(threeOnes);       // 30
    script.key("+").key("=").roll("555");                                         // 10
    script.key("+").key("+").key("=").take(threeFives);                           // 0, not below
    script.raw("press " + at(speedUpButton)).raw("release " + at(playerOneName)); // still 0
    script.click(slowDownButton).click(slowDownButton).roll("123466");            // 20
    for (int i = 0; i < 25; ++i)
        script.key("-");                                           // 200, not above
    script.take(singleOne).raw("menu 142").raw("menu 142").pass(); // 180
    const Scenario s = played(tenThouRecord(), script.str());
    EXPECT_TRUE(hasRun(
        s, rise(30) + Lines{dice("1,1,1,2,3,4")} + sink(30) + Lines{scores(1000, 0, 0, 0)} +
               sink(10) + Lines{delay(20)} + rise(10) +
               Lines{dice("0,0,0,5,5,5"), shh, soundStop, scores(1500, 0, 0, 0)} + rise(20) +
               Lines{dice("1,2,3,4,6,6")} + sink(200) + Lines{scores(1600, 0, 0, 0), turn(2)} +
               sink(180) + blink(0, 1600, 0, 0, 180)));
    EXPECT_EQ(s.record().tenThouDelay, 180);
}

TEST(TenThouInput, StripButtonsSwitchSoundAndMusicAndOpenHelpAndSoundOffPlaysNothing) {
    PreferencesRecord r = tenThouRecord();
    r.musicOn = 1;
    // Sound off (the menu follows): ANN's disaster, no cry. Help, music off, a tune:
    // the file dialog, cancelled, music on. BEN's win: no notes. Sound on again.
    Script p;
    p.enter().play().click(soundButton).roll("222213").key("x").click(helpButton);
    p.click(musicButton).click(musicFileButton).tenThousand().raw("menu 140").key("x");
    p.roll("111234");
    const Scenario s = played(r, p.str());
    EXPECT_TRUE(hasRun(s, Lines{"checked\t107,127,141"} + repeat(delay(10), 4) +
                              Lines{dice("2,2,2,2,1,3"), scores(0, 0, 0, 0), disasterNotice("ANN"),
                                    panelHide, turn(2)}));
    // A cancelled choice of tune plays the tune of the start again.
    EXPECT_TRUE(s.hasInOrder({"open\tTumbledown.html", "checked\t107,128,141", "music\tclose",
                              "filedialog\tMidi files (*.MID)|*.MID|\tcancel",
                              "music\topen\tfugue.mid\tok", "music\tplay\tok"}));
    const Lines all = events(s);
    const auto off = std::find(all.begin(), all.end(), "checked\t107,127,141");
    const auto on = std::find(off, all.end(), "checked\t107,127,140");
    ASSERT_TRUE(on != all.end()) << s.dump();
    const Lines quiet(off, on);
    for (const std::string& line : quiet) {
        EXPECT_NE(line.rfind("sound", 0), 0u) << line;
        EXPECT_NE(line, delay(100));
    }
    EXPECT_EQ(count(quiet, winPrompt("BEN", 10000, "BEN")), 1);
    EXPECT_TRUE(hasRun(s, rise() + Lines{dice("1,1,1,2,3,4")}));
    EXPECT_EQ(s.record().soundOn, 1);
    EXPECT_EQ(s.record().musicOn, 1);
}

// -- whole games

TEST(TenThouGame, PersonsWinAndItsPromptsOptions) {
    PreferencesRecord r = tenThouRecord();
    r.tenThouTopScores = tableOf({{"CAT", 10000}, {"DAN", 9000}});
    Script p;
    // Game 1: ANN reaches 10,000; BEN still has a turn. The win prompt hears only its
    // options; RESET PLAYERS without a change keeps it live for a key.
    p.enter().play().tenThousand().roll("123456").take(straight).thousand();
    p.clickRoll().click(playerOneName).click(speedUpButton).click(panelMiddle);
    p.click(resetWord).raw("dialog 203 ok").key("x");
    // Game 2: BEN, in seat two, wins; QUIT loses the game.
    p.tenThousand().thousand().click(quitWord).enter(10).play();
    // Game 3: BEN wins again; the Mage chosen on the prompt, ANN starts afresh.
    p.tenThousand().thousand().raw("menu 105").draws({0, 0, 0});
    p.raw("shot notice.png").key("x").raw("shot dismissed.png").roll("111234");
    const Scenario s = played(r, p.str());
    EXPECT_TRUE(hasRun(s, Lines{scores(10000, 0, 0, 0), turn(2)} + sink() + blink(0, 10000, 0, 0) +
                              Lines{shh}));
    // The prompt hears nothing until the dialog; ANN goes below her equal.
    EXPECT_TRUE(
        hasRun(s, Lines{scores(0, 10000, 4000, 0), turn(1), scores(0, 10000, 0, 4000),
                        scores(0, 10000, 0, 4000), winPrompt("ANN", 10000, "BEN")} +
                      fanfare() + sink() +
                      Lines{"dialog\t203\tok\t101=0,102=0,103=0,104=1,105=0,106=0,107=", panelHide,
                            topScoresBox("10000  \\tCAT\\n10000  \\tANN\\n9000  \\tDAN\\n"), "seed",
                            turn(2), scores(0, 0, 0, 0), scores(0, 0, 0, 0)} +
                      blink(0, 0, 0, 0) + blink(0, 0, 0, 0) + rise()));
    EXPECT_TRUE(hasRun(s, Lines{winPrompt("BEN", 10000, "ANN")} + fanfare() + sink() +
                              Lines{"screen\tmain", "menubar\tGame|Music|Scores|Help",
                                    "checked\t128", "seed", "screen\t10000"}));
    EXPECT_TRUE(hasRun(s, Lines{turn(2), startPrompt("BEN"), scores(0, 0, 0, 0), scores(0, 0, 0, 0),
                                startPrompt("BEN"), panelHide}));
    EXPECT_TRUE(hasRun(s, Lines{"checked\t105,128,140", turn(1),
                                panel({"ANN IS FIRST THIS TIME.", "", continueLine}), "seed",
                                turn(1), scores(0, 0, 0, 0), scores(0, 0, 0, 0)} +
                              blink(0, 0, 0, 0) + Lines{panelHide} + rise() +
                              Lines{dice("1,1,1,2,3,4")}));
    // Only PLAY showed the top scores; both of BEN's wins went in.
    EXPECT_EQ(s.linesStarting("box").size(), 1u);
    EXPECT_EQ(entries(s.record().tenThouTopScores, 6),
              "CAT 10000, ANN 10000, BEN 10000, BEN 10000, DAN 9000,  0");
    EXPECT_EQ(s.record().tenThouMage, 1);
    // The dismissed notice leaves the window at once, not at the next throw.
    EXPECT_NE(QImage((s.dataDir() / "notice.png").string().c_str()),
              QImage((s.dataDir() / "dismissed.png").string().c_str()));
}

TEST(TenThouGame, ApprenticeOpensWinsOnADisasterDismissalAndIsChosenAgainFromTheMenu) {
    Script p;
    // The Apprentice opens with 10,000; ANN's disaster; its dismissal ends the game.
    p.enter(10).play().faces(computerTenThousand).roll("222213").key("x").play();
    p.raw("menu 104").draws({0, 0, 10}).key("x").faces("111234");
    const Scenario s = played(tenThouRecord(1), p.str());
    EXPECT_TRUE(hasRun(s, Lines{startPrompt("APPRENTICE"), panelHide} + blink(0, 0, 0, 0) +
                              Lines{"cursor\twait"} + rise() + Lines{dice("1,2,3,4,5,6")}));
    // Nothing is played under the win prompt; the next game starts as promised.
    EXPECT_TRUE(
        hasRun(s, Lines{disasterNotice("ANN"), panelHide, turn(2), scores(0, 0, 0, 10000),
                        scores(0, 0, 0, 10000), winPrompt("APPRENTICE", 10000, "ANN")} +
                      fanfare() + sink() +
                      Lines{panelHide, topScoresBox(""), "seed", turn(1), scores(0, 0, 0, 0),
                            scores(0, 0, 0, 0)} +
                      blink(0, 0, 0, 0) + blink(0, 0, 0, 0) +
                      Lines{turn(2), panel({"APRENTICE IS FIRST THIS TIME.", "", continueLine}),
                            "seed", turn(2), scores(0, 0, 0, 0), scores(0, 0, 0, 0)} +
                      blink(0, 0, 0, 0) + Lines{panelHide, "cursor\twait"}));
    EXPECT_EQ(eventsOf(s, "turn").back(), turn(1));
    EXPECT_EQ(s.record().tenThouTopScores[1].value, 0);
}

// -- the board

TEST(TenThouBoard, TouchedPanesLightThenGoBackToNormal) {
    Script p;
    // Three pairs are not offered: they only flash. The pass is refused: three 1's are open.
    p.enter().play().clickRoll("111234").take(threePairs).take(threeOnes).undo(threeOnes);
    p.click(paneCentre(passPane));
    const Scenario s = played(tenThouRecord(), p.str());
    Lines allNormal;
    for (int code = straight; code <= singleFive; ++code)
        allNormal.push_back(pane(code, false));
    EXPECT_TRUE(hasRun(
        s, eventsAndPanes(s),
        Lines{pane(rollPane, true)} + rise() +
            Lines{dice("1,1,1,2,3,4"), pane(rollPane, false), pane(threePairs, true),
                  pane(threePairs, false), pane(threeOnes, true)} +
            sink() + Lines{scores(1000, 0, 0, 0), pane(threeOnes, false), pane(threeOnes, true)} +
            rise() + Lines{scores(0, 0, 0, 0)} + allNormal +
            Lines{pane(passPane, true), pane(passPane, false)} + closing(s)));
}

// -- the options dialog from the board

TEST(TenThouOptions, ClickingANameRenamesThePlayerAndStartsANewGame) {
    Script p;
    p.enter().play().click(playerOneName).raw("dialog 203 105=1 107=zed ok").draws({0, 0, 10});
    const Scenario s = played(tenThouRecord(), p.str());
    EXPECT_TRUE(hasRun(
        s, Lines{turn(2), panel({"BEN IS FIRST THIS TIME.", "", continueLine}), "seed", turn(2)}));
    EXPECT_TRUE(s.hasInOrder({"dialog\t203\tok\t101=0,102=0,103=0,104=1,105=1,106=0,107=zed"}));
    // The new name is drawn on the board, centred.
    const auto texts = s.linesStarting("text\t");
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const test::Line& l) {
        return l.fields.size() == 4 && l.fields[2] == "418" && l.fields[3] == "ZED";
    }));
    EXPECT_EQ(s.record().player1(), "ZED");
}

TEST(TenThouOptions, OnlyALeftClickUsesUpTheSkipOfTheTopScores) {
    Script p;
    // The skip is set by a cancelled reset (the start prompt stays live), used by a
    // left click on the tie, and set again by the back button. A tie taken down by a
    // right click or a key shows the box all the same.
    p.enter().click(resetWord).raw("dialog 203 cancel").play().tenThousand().tenThousand();
    p.clickRoll().click(backButton).enter().play();
    p.tenThousand().tenThousand().undo(singleOne).tenThousand().tenThousand().key("x");
    p.tenThousand().tenThousand().clickRoll();
    const Scenario s = played(tenThouRecord(), p.str());
    // For each tie in turn: what came between its notice and the next game.
    std::vector<Lines> dismissals;
    const Lines all = events(s);
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it->rfind("panel\t10000\tIT'S A TIE!", 0) != 0)
            continue;
        const auto hide = std::find(it, all.end(), panelHide);
        dismissals.push_back(Lines(hide, std::find(hide, all.end(), std::string("seed"))));
    }
    EXPECT_EQ(dismissals,
              (std::vector<Lines>{Lines{panelHide}, Lines{panelHide, topScoresBox("")},
                                  Lines{panelHide, topScoresBox("")}, Lines{panelHide}}))
        << s.dump();
    EXPECT_TRUE(
        s.hasInOrder({tieNotice("BEN"), tieNotice("BEN"), tieNotice("ANN"), tieNotice("BEN")}));
    EXPECT_TRUE(hasRun(s, Lines{tieNotice("BEN")} + fanfare() + sink() +
                              Lines{panelHide, "seed", turn(2)}));
}
