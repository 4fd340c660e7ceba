// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "PokerDiceScript.h"
#include "Scenario.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <set>
#include <utility>

using namespace tumbledown;
using namespace tumbledown::test;
using namespace tumbledown::test::pokerdice;
namespace layout = tumbledown::pokerdice::layout;

namespace {

// -- expected transcript lines (a step of 10 ms unless said otherwise)

const std::string noDice = dice("0,0,0,0,0");
std::string hand(int seat, int category, const std::string& key) {
    return "hand\t" + std::to_string(seat) + "\t" + std::to_string(category) + "\t" + key;
}
std::string turn(int seat) {
    return "turn\tpokerdice\t" + std::to_string(seat);
}
const std::string magic = "sound\tplay\tmagic.wav\tasync";
const std::string click = "sound\tplay\tclick.wav\tasync";
const std::string loseAll = "sound\tplay\tloseall.wav\tasync";
const std::string cheering = "sound\tplay\tcheering.wav\tasync";
const std::string panelHide = "panel-hide\tpokerdice";
const std::string acesWildWarning =
    "box\tWarning\tTurn aces wild on or off at beginning of hand\tOK\tOK";
// The close's write of the record; the run puts in its path.
const std::string closeSave = "save";

// The panel's ten lines, joined by '|': the first ones given, the rest those
// of the prompt between hands.
std::string panel(std::initializer_list<std::string> head) {
    std::string prompt =
        "||MAKE A BET, THEN|CLICK AN OPTION BELOW||\"PLAY\"||\"RESET PLAYERS\"||\"QUIT\"";
    std::string given;
    for (const std::string& line : head) {
        given += line + "|";
        prompt.erase(0, prompt.find('|') + 1);
    }
    return "panel\tpokerdice\t" + given + prompt;
}
std::string firstPrompt(const std::string& name) {
    return panel({name + " IS FIRST THIS TIME."});
}
std::string won(const std::string& name) {
    return panel({name + " WON!"});
}
std::string lostAll(const std::string& name) {
    return panel({name + " LOST ALL!", "WIZARDLY GENEROSITY", "GRANTS YOU 5,000 GOLD COINS",
                  "CLICK AN OPTION BELOW"});
}
std::string newMember(const std::string& name) {
    return panel(
        {name + " IS A NEW", "MEMBER OF THE", "BILLIONAIRE CLUB!", "", "CLICK AN OPTION BELOW"});
}

// Dice coming onto the table: four pictures, one step each, under magic.wav.
Lines rise(int step = 10) {
    return Lines{magic} + repeat(delay(step), 4) + Lines{soundStop};
}
// Dice going back into the cup one after the other, three pictures each.
Lines putBack(int count, int step = 10) {
    return Lines{magic} + repeat(delay(step), 3 * count) + Lines{soundStop};
}
// A finished turn's dice going down to the row of small dice.
Lines toRow(int step = 10) {
    return Lines{magic} + repeat(delay(step), 3) + Lines{soundStop};
}
// The marker of the side to play blinking twice, once the coin plates are
// drawn.
Lines blink(const std::string& coinLine, int step = 10) {
    return Lines{coinLine} + repeat(delay(2 * step), 4);
}
// A new match: the first player's prompt, the hand dealt to them.
Lines newMatch(const std::string& first, int seat, const std::string& coinLine) {
    return Lines{firstPrompt(first), "seed", turn(seat), coinLine} + blink(coinLine);
}
// The abacus clicked to each of these bets in turn.
Lines clickedTo(std::initializer_list<int> bets) {
    Lines out;
    for (int bet : bets)
        out = out + Lines{click, coins(5000, 5000, bet)};
    return out;
}

const std::string annWonAHand = topScores("PokerDice", "5100  \\tANN\\n4900  \\tBEN\\n") + noClub;

std::string blit(int bitmap, int x, int y, int w, int h) {
    return tabbed("blit\tBITMAP_" + std::to_string(bitmap), {originX + x, originY + y, w, h});
}

// -- running and reading

// One hand between ANN and BEN, each rolling once; ANN's five aces win by
// default.
Script oneHand(const std::string& ann = "11111", const std::string& ben = "23456") {
    Script s;
    s.enter().play().space(ann).pass().space(ben).pass();
    return s;
}

// What the saved record holds of Poker Dice, in words.
std::string pokerState(const PreferencesRecord& r) {
    return r.player1() + " " + std::to_string(r.player1Coins) + " " + r.player2() + " " +
           std::to_string(r.player2Coins) + " bet " + std::to_string(r.bet) + " level " +
           std::to_string(r.pokerDiceApprentice) + std::to_string(r.pokerDiceMage) +
           std::to_string(r.pokerDiceWizard) + " rolls " + std::to_string(r.rollsPerTurn) +
           " wild " + std::to_string(r.acesWild) + " step " + std::to_string(r.pokerDiceDelay) +
           " sound " + std::to_string(r.soundOn);
}

// The events of the kinds that these lines are of ("dice", "box", ...).
Lines eventsLike(const Scenario& s, const Lines& like) {
    const auto kind = [](const std::string& line) { return line.substr(0, line.find('\t')); };
    std::set<std::string> kinds;
    for (const std::string& line : like)
        kinds.insert(kind(line));
    Lines out;
    for (const std::string& line : events(s))
        if (kinds.count(kind(line)))
            out.push_back(line);
    return out;
}

// A match played from a record by a script, and what it must show.
struct Match {
    const char* what = "";
    PreferencesRecord record = pokerRecord();
    Script script = Script();
    std::vector<Lines> runs{}; // each shown as one unbroken run
    Lines inOrder{};           // shown in this order, drawing or others between them
    Lines all{};               // every event of the kinds these lines are of
    std::string state{};       // the saved record's Poker Dice fields in words, when given
    // A table of the saved record and its first entries, when given.
    std::pair<ScoreTable PreferencesRecord::*, std::string> table{};
};

void expectMatches(std::initializer_list<Match> matches) {
    for (const Match& m : matches) {
        SCOPED_TRACE(m.what);
        const Scenario s = played(m.record, m.script.str());
        for (Lines run : m.runs) {
            std::replace(run.begin(), run.end(), closeSave, s.saveLine());
            EXPECT_TRUE(hasRun(s, run));
        }
        Lines shown;
        for (const Line& line : s.lines())
            shown.push_back(line.fields[0] == "seed" ? "seed" : line.text());
        EXPECT_TRUE(inOrder(shown, m.inOrder, s));
        EXPECT_EQ(eventsLike(s, m.all), m.all);
        const PreferencesRecord record = s.record();
        if (!m.state.empty()) {
            EXPECT_EQ(pokerState(record), m.state);
        }
        const std::string& listed = m.table.second;
        if (m.table.first) {
            EXPECT_EQ(entries(record.*m.table.first,
                              1 + static_cast<int>(std::count(listed.begin(), listed.end(), ','))),
                      listed);
        }
    }
}

// Where a text was first written, on a board whose top-left corner is x0, y0.
std::pair<int, int> placeOf(const Scenario& s, const std::string& text, int x0, int y0) {
    for (const Line& line : s.linesStarting("text\t"))
        if (line.fields.size() == 4 && line.fields[3] == text)
            return {std::stoi(line.fields[1]) - x0, std::stoi(line.fields[2]) - y0};
    ADD_FAILURE() << "no text " << text;
    return {};
}

} // namespace

// -- entering the game

// A long first name, whose line on the panel must stay inside the round
// crystal ball: at its narrow top a long line is squeezed, a short one is not.
TEST(PokerDiceEntry, TheFirstEntryWelcomesOnceAndARepaintShowsTheNextFirstPlayer) {
    PreferencesRecord r = pokerRecord(1);
    r.pokerDiceWelcome = 1;
    r.setPlayer1("MAXIMILI");
    // A larger window, so that the board fits twice enlarged: the zoom repaints
    // it. Purse 10,000 (1 mod 11 + 1 = 2); the Apprentice first (10 mod 20 + 1 =
    // 11); back on the main screen, then in again with MAXIMILI first.
    Script script;
    script.raw("size 1400 1000").enter(1, 10).menu(152).enter(0, 9);
    script.space("11234").pass();                // the panel goes and he rolls a pair of aces
    script.faces("22334").faces("1").faces("1"); // the Apprentice keeps both pairs: K K Q Q A
    const Scenario s = played(r, script.raw("zoom 2").str());
    const std::string welcome = "box\tWelcome to Poker Dice!\t"
                                "  o   First player places bet on the abacus\\n"
                                "  o   First player alternates each hand\\n"
                                "  o   Touch a die to discard\\n"
                                "  o   Re-roll dice, when ready\\n"
                                "  o   Right-click to undo all discards\\n"
                                "  o   Obtain the best hand\\n"
                                "  o   Graduate to mage and wizard levels\\n\\n"
                                "  o   Touch \"?\" to seek further aid\tOK\tOK";
    EXPECT_TRUE(hasInOrder(
        s, {"seed", "screen\tpokerdice", "menubar\tGame|Poker Dice Options|Music|Scores|Help"}));
    // Nothing rolls before a choice is made, even with the Apprentice first.
    EXPECT_TRUE(hasRun(
        s, Lines{"checked\t109,115,128,144", coins(5000, 10000, 100), coins(5000, 10000, 100)} +
               newMatch("APRENTICE", 2, coins(5000, 10000, 100)) + Lines{welcome, "screen\tmain"}));
    EXPECT_EQ(eventsLike(s, {welcome}), Lines{welcome});
    // The plates say APPRENTICE in full; the board's top-left is 384, 286 in
    // this window.
    const auto place = [&](const std::string& text) { return placeOf(s, text, 384, 286); };
    EXPECT_EQ(place("MAXIMILI").second, 39);
    EXPECT_EQ(place("5,000").second, 59);
    EXPECT_EQ(place("APPRENTICE").second, 83);
    EXPECT_EQ(place("10,000").second, 101);
    // The next entry starts afresh with player one; after the hand the zoom's
    // repaint replaces its result with the next first player.
    EXPECT_TRUE(hasRun(s, newMatch("MAXIMILI", 1, coins(5000, 5000, 100))));
    EXPECT_TRUE(hasRun(
        s, Lines{hand(2, 34, "5,4,6,0,0"), coins(5000, 5000, 100)} + toRow() +
               Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("APPRENTICE")} +
               blink(coins(4900, 5100, 100)) +
               Lines{"zoom\t2", coins(4900, 5100, 100), coins(4900, 5100, 100),
                     firstPrompt("APRENTICE")}));
    EXPECT_EQ(s.record().pokerDiceWelcome, 0);
    // Centred on the ball (x 513): a line starting at x is 2 x (513 - x) wide,
    // and the ball is 105 in radius, its chord 176 at the first line's middle.
    const int first = place("MAXIMILI IS FIRST THIS TIME.").first;
    EXPECT_GE(first, 513 - 88);
    EXPECT_LE(first, 513 - 60) << "squeezed more than it needs";
    const int widest = place("CLICK AN OPTION BELOW").first;
    EXPECT_GE(widest, 402);
    EXPECT_LT(widest, first) << "a line that fits keeps its width";
}

// -- the bet on the abacus

// The abacus as drawn, rod by rod from the units: the figure under the rod
// ('-' for none, '?' for two), then '#' for each place holding a bead.
std::string abacusDrawn(const Scenario& s) {
    std::set<std::string> blits;
    for (const Line& line : s.linesStarting("blit\t"))
        blits.insert(line.text());
    std::string out;
    for (int rod = 1; rod <= layout::rods; ++rod) {
        char figure = '-';
        for (int v = 0; v <= 9; ++v) {
            const auto p = layout::digits[rod];
            if (blits.count(blit(layout::bitmaps::firstDigit + v, p.x, p.y, 13, 15)))
                figure = figure == '-' ? char('0' + v) : '?';
        }
        out += std::string(rod > 1 ? " " : "") + figure;
        for (int place = 1; place <= layout::beadPlaces; ++place) {
            const auto p = layout::beads[rod][place];
            out += blits.count(blit(layout::bitmaps::bead, p.x, p.y, 10, 9)) ? '#' : '.';
        }
    }
    return out;
}

// Figures without leading zeros (a lone 0 for nothing); on each rod the
// five-bead up (place 1) for 0 to 4 or down (place 2) for 5 to 9, and the gap
// among the four one-beads after as many as the digit over fives.
TEST(PokerDiceBet, TheAbacusShowsTheBetInFiguresAndBeads) {
    const std::pair<int, std::string> rows[] = {
        {0, "0#..#### -#..#### -#..#### -#..#### -#..#### -#..#### -#..####"},
        {4070, "0#..#### 7.###.## 0#..#### 4#.####. -#..#### -#..#### -#..####"},
        {9876543, "3#.###.# 4#.####. 5.#.#### 6.##.### 7.###.## 8.####.# 9.#####."},
    };
    for (const auto& [bet, drawn] : rows) {
        SCOPED_TRACE(bet);
        const PreferencesRecord r = pokerRecord(0, 3, bet, 10000000, 10000000);
        EXPECT_EQ(abacusDrawn(played(r, Script().enter().str())), drawn);
    }
}

// -- hands between two people

TEST(PokerDicePeople, HandsSettledBetweenThemAndWhatFollows) {
    Script whole;
    whole.enter().play().space("11234").dice({5, 4}).rclick();   // A A K Q J: both back
    whole.die(5).click(rollCandle).faces("1");                   // A A K Q A
    whole.dice({2, 3, 4, 1}).space("112");                       // a fourth die refused: A A A K A
    whole.rclick().pass().die(1).space("22334").pass().key("u"); // BEN: K K Q Q J
    Script twoRolls;
    twoRolls.enter(0, 19).key("space").space("66666").dice({1, 2}).space("55"); // BEN
    twoRolls.space("12345").pass().space("33333");                              // ANN
    expectMatches({
        // ANN's discards of the queen and the jack are undone together; the
        // last roll ends her turn. BEN cannot undo, pass or discard before he
        // rolls.
        {.what = "a whole hand with discards and undo, settled and entered at the close",
         .record = pokerRecord(0, 3, 1000),
         .script = whole,
         .runs = {Lines{panelHide} + rise() + Lines{dice("1,1,2,3,4")} + putBack(1) + putBack(1) +
                  rise() + Lines{dice("1,1,2,3,4")} + putBack(1) + rise() +
                  Lines{dice("1,1,2,3,1")} + putBack(1) + putBack(1) + putBack(1) + rise() +
                  Lines{dice("1,1,1,2,1"), delay(200), hand(1, 38, "6,5,0,0,0")} + toRow() +
                  Lines{noDice, turn(2)} + blink(coins(5000, 5000, 1000)) + rise() +
                  Lines{dice("2,2,3,3,4"), hand(2, 34, "5,4,3,0,0"), coins(5000, 5000, 1000)} +
                  toRow() +
                  Lines{noDice, coins(6000, 4000, 1000), coins(6000, 4000, 1000), won("ANN")} +
                  blink(coins(6000, 4000, 1000)) + Lines{closeSave, soundStop}},
         .state = "ANN 6000 BEN 4000 bet 1000 level 000 rolls 3 wild 0 step 10 sound 1",
         // Nothing took the panel down after the hand: only the close entered it.
         .table = {&PreferencesRecord::pokerDiceTopScores, "ANN 6000, BEN 4000"}},
        // BEN first; space only takes the panel down on his turn. His second
        // roll of two ends his turn; a full house beats ANN's straight, and
        // ANN plays first in the next hand, where space rolls for her at once.
        {.what = "two rolls, and the second player first in the next hand",
         .record = pokerRecord(0, 2),
         .script = twoRolls,
         .runs = {{dice("5,5,6,6,6"), delay(200), hand(2, 37, "1,2,0,0,0")},
                  Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("BEN")} +
                      blink(coins(4900, 5100, 100)) + Lines{panelHide} + rise() +
                      Lines{dice("3,3,3,3,3")}},
         .all = {turn(2), hand(2, 37, "1,2,0,0,0"), turn(1), hand(1, 36, "6,0,0,0,0")}},
        {.what = "a tie moves no coins",
         .script = oneHand("23456", "23456"),
         .runs = {{noDice, coins(5000, 5000, 100), coins(5000, 5000, 100),
                   panel({"IT'S A TIE!"})}}},
        // Five aces against a straight, with coins at their limits.
        {.what = "BEN loses all: the bet comes down with a click, and he is given 5,000",
         .record = pokerRecord(0, 3, 6000, 8000, 6000),
         .script = oneHand(),
         .runs = {Lines{noDice, coins(14000, 0, 6000), click, coins(14000, 0, 5000), loseAll,
                        lostAll("BEN")} +
                  blink(coins(14000, 5000, 5000))},
         .state = "ANN 14000 BEN 5000 bet 5000 level 000 rolls 3 wild 0 step 10 sound 1",
         .table = {&PreferencesRecord::billionaireClub, " 0,  0"}},
        {.what = "a new member of the Billionaire Club is cheered and starts again",
         .record = pokerRecord(0, 3, 5000, 999999000, 5000),
         .script = oneHand(),
         .runs = {Lines{noDice, coins(1000004000, 0, 5000), loseAll, cheering, newMember("ANN")} +
                  blink(coins(5000, 5000, 5000))},
         .state = "ANN 5000 BEN 5000 bet 5000 level 000 rolls 3 wild 0 step 10 sound 1",
         .table = {&PreferencesRecord::billionaireClub, "ANN 1000004000,  0"}},
        {.what = "a new member's bet comes down to what they keep",
         .record = pokerRecord(0, 3, 10000, 999999000, 20000),
         .script = oneHand(),
         .runs = {Lines{noDice, coins(1000009000, 10000, 10000), coins(1000009000, 10000, 10000),
                        cheering, click, coins(5000, 10000, 5000), newMember("ANN")} +
                  blink(coins(5000, 10000, 5000))},
         .state = "ANN 5000 BEN 10000 bet 5000 level 000 rolls 3 wild 0 step 10 sound 1",
         .table = {&PreferencesRecord::billionaireClub, "ANN 1000009000,  0"}},
        // The pending top scores are entered whatever follows a hand.
        {.what = "play: BEN plays first now, the panel only goes",
         .script = oneHand().play().key("s"),
         .inOrder = {panelHide, annWonAHand},
         .all = {"screen\tmain", "screen\tpokerdice"}},
        {.what = "space: the same",
         .script = oneHand().key("space").key("s"),
         .inOrder = {panelHide, annWonAHand},
         .all = {"screen\tmain", "screen\tpokerdice"}},
        {.what = "the Mage takes BEN's seat: BEN's coins were won as a person",
         .script = oneHand().menu(110).draws({0, 0, 0}).key("s"),
         .inOrder = {"checked\t110,115,128,144", firstPrompt("ANN"), annWonAHand},
         .all = {"screen\tmain", "screen\tpokerdice"}},
        {.what = "quit",
         .script = oneHand().click(quitWord).menu(133),
         .inOrder = {"screen\tmain", "menubar\tGame|Music|Scores|Help", annWonAHand},
         .all = {"screen\tmain", "screen\tpokerdice", "screen\tmain"}},
        {.what = "the exit button; the roll candle's place on the main screen does nothing",
         .script = oneHand().click(exitButton).click(rollCandle).menu(133),
         .inOrder = blink(coins(5100, 4900, 100)) + Lines{"screen\tmain", annWonAHand},
         .all = {"screen\tmain", "screen\tpokerdice", "screen\tmain"}},
    });
}

// -- against the computer

TEST(PokerDiceComputer, EachLevelPlaysItsTurnAndSettles) {
    // Purse 5,000 and the Apprentice first; PLAY is clicked over die 3's corner.
    Script apprentice;
    apprentice.enter(0, 19).click({511, 308}).faces("22234").faces("22"); // K K K Q J, K K K K K
    apprentice.space("11113").pass().play().key("S");                     // A A A A Q
    Script wizard;
    wizard.enter(0, 19).key("space").faces("11114").faces("2"); // A A A A J, then A A A A K
    wizard.click(acesWildButton).space("12345").click(acesWildButton).pass().click(acesWildButton);
    Script newOpponent;
    newOpponent.enter().menu(109).draws({0, 0, 19}).click(resetWord).raw("dialog 204 cancel");
    newOpponent.click(rollCandle).faces("22222");
    PreferencesRecord wild = pokerRecord(3);
    wild.acesWild = 1;
    const std::string mageRefilled = "box\tWinner!\tCongratulations!  The Mage has lost all "
                                     "gold coins!\\n\\nResetting computer's coin count to "
                                     "20000.\\n\tOK\tOK";
    expectMatches({
        // It keeps the three kings and stands on five; ANN loses all she has.
        {.what = "the Apprentice plays first after PLAY, and a person loses all",
         .record = pokerRecord(1, 3, 5000),
         .script = apprentice,
         .runs = {Lines{noDice, coins(0, 10000, 5000), click, coins(0, 10000, 0), loseAll,
                        lostAll("ANN")} +
                  blink(coins(5000, 10000, 0)) +
                  Lines{panelHide, topScores("PokerDice", "5000  \\tANN\\n") + noClub}},
         .inOrder = {panelHide, "cursor\twait", dice("2,2,2,3,4"), dice("2,2,2,2,2"),
                     "cursor\tarrow", hand(2, 39, "5,0,0,0,0"), turn(1), dice("1,1,1,1,3"),
                     hand(1, 38, "6,4,0,0,0")},
         .state = "ANN 5000 BEN 5000 bet 0 level 100 rolls 3 wild 0 step 10 sound 1"},
        // With two rolls the Mage decides once: from two pair against four
        // aces it keeps the kings, and its second roll ends its turn. Its
        // purse runs out; the new one is 20,000 (draw 2).
        {.what = "the Mage's waits, and its purse running out and refilled",
         .record = pokerRecord(2, 2, 5000),
         .script =
             Script().enter().play().space("11113").pass().faces("22334").faces("654").draws({2}),
         .runs = {Lines{dice("2,2,3,3,4"), delay(200)} + putBack(3) + Lines{delay(50)} + rise() +
                  Lines{dice("2,2,6,5,4"), delay(200), "cursor\tarrow", hand(2, 33, "5,3,2,1,0"),
                        coins(5000, 5000, 5000)} +
                  toRow() +
                  Lines{noDice, coins(10000, 0, 5000), mageRefilled, click,
                        coins(10000, 20000, 5000), won("ANN")}},
         .state = "ANN 10000 BEN 5000 bet 5000 level 010 rolls 2 wild 0 step 10 sound 1"},
        // The Wizard first tries for better than A A A A J and stands on five
        // kings with wild aces. Aces wild cannot change once it has rolled
        // nor during ANN's turn; between hands it can.
        {.what = "the Wizard stands on five kings with wild aces",
         .record = wild,
         .script = wizard,
         .inOrder = {hand(2, 39, "5,0,0,0,0"), acesWildWarning, dice("1,2,3,4,5"), acesWildWarning,
                     hand(1, 36, "6,0,0,0,0"), won("WIZARD"), "checked\t111,115,128,144"},
         .all = {dice("1,1,1,1,4"), dice("1,1,1,1,2"), noDice, acesWildWarning, dice("1,2,3,4,5"),
                 acesWildWarning, noDice},
         .state = "ANN 4900 BEN 5000 bet 100 level 001 rolls 3 wild 0 step 10 sound 1"},
        // The Apprentice's purse (0 mod 11 + 1 = 1: 5,000) brings the bet
        // shown down; it plays first. The reset's dialog is cancelled; the roll
        // candle is not ANN's to roll, so it starts the computer's turn.
        {.what = "a new opponent's purse, and a roll asked for on its turn",
         .record = pokerRecord(0, 3, 50000, 100000, 100000),
         .script = newOpponent,
         .runs = {Lines{firstPrompt("APRENTICE"), "seed", turn(2), coins(100000, 5000, 50000)} +
                      blink(coins(100000, 5000, 50000)) + Lines{click, coins(100000, 5000, 5000)},
                  Lines{panelHide,
                        "dialog\t204\tcancel\t101=1,102=0,103=0,104=0,105=0,106=0,107=,111=0,"
                        "112=1,113=0,114=0",
                        "cursor\twait"} +
                      rise() + Lines{dice("2,2,2,2,2"), delay(200), delay(200)}},
         .all = {hand(2, 39, "5,0,0,0,0")},
         .state = "ANN 100000 BEN 100000 bet 5000 level 100 rolls 3 wild 0 step 10 sound 1"},
    });
}

// -- the options

TEST(PokerDiceSettings, TheDialogMenusAndButtonsChangeTheGame) {
    // The hundreds up and down; a units 0 stays 0; the thousands' one-bead
    // under the gap adds 1,000, one away from it nothing, the hundreds' one
    // over the gap takes off 100; the thousands' five-bead up (6,000 clamped
    // to 5,000); the thousands up again, the five-bead down to 0; a tens 0
    // stays; the millions up (clamped), the thousands down, the units up.
    // After PLAY the abacus no longer listens.
    Script bet;
    bet.enter().clicks({digitUpper(3), digitLower(3), digitLower(1), bead(4, 4), bead(3, 7),
                        bead(3, 3), bead(4, 1), digitUpper(4), bead(4, 2), digitLower(2),
                        digitUpper(7), digitLower(4), digitUpper(1)});
    bet.play().clicks({digitUpper(1), bead(1, 1)});
    Script cancelled;
    cancelled.enter().menu(113).raw("dialog 204 101=1 105=1 107=kim 114=1 cancel");
    cancelled.click(playerTwoName).menu(116).raw("dialog 204 ok");
    // The Mage keeps BEN's 9,000 in the tally; BEN comes back with them.
    // Resetting the coins starts a match, after which aces wild may change
    // though a hand was begun, by its button and menu.
    Script menus;
    menus.enter().menu(110).draws({0, 0, 0}).menu(112).draws({0, 0, 19});
    menus.play().space("12345").menu(117).draws({0, 0, 0}).click(acesWildButton).menu(115);
    // The step: 10, 0, 0, 10, 20, 30, 20, 10, 20, 30; held twice: 40, 50.
    Script speed;
    speed.enter().menu(145).click(soundButton).menu(146).clicks({speedUp, slowDown, slowDown});
    speed.key("-").key("+").key("=").key("_").menu(147).click(helpButton);
    speed.press(slowDown).release(rollCandle).press(slowDown).release(slowDown);
    speed.menu(127).click(musicButton);
    PreferencesRecord zed = pokerRecord(3, 2);
    zed.setPlayer1("ZED");
    zed.acesWild = 1;
    const std::string zedState =
        "ZED 5000 BEN 5000 bet 100 level 001 rolls 2 wild 1 step 10 sound 1";
    expectMatches({
        {.what = "the digits and beads change the bet within what both can pay",
         .script = bet,
         .runs = {Lines{delay(20)} +
                  clickedTo({200, 100, 1100, 1000, 5000, 5000, 0, 5000, 4000, 4001}) +
                  Lines{panelHide, closeSave, soundStop}},
         .state = "ANN 5000 BEN 5000 bet 4001 level 000 rolls 3 wild 0 step 10 sound 1"},
        // The Wizard, a new name, the coins reset, two rolls and aces wild:
        // each deals a new match, who goes first drawn anew.
        {.what = "the dialog changes the opponent, a name, the coins, the rolls and aces wild",
         .record = pokerRecord(0, 3, 100, 7000, 9000),
         .script = Script()
                       .enter()
                       .click(sign)
                       .raw("dialog 204 103=1 105=1 107=zed 111=1 113=1 114=1 ok")
                       .draws({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
         .inOrder = {"dialog\t204\tok\t101=0,102=0,103=1,104=0,105=1,106=0,107=zed,111=1,112=0,"
                     "113=1,114=1",
                     "checked\t111,115,128,144", firstPrompt("ANN"), coins(7000, 5000, 100),
                     firstPrompt("ZED"), firstPrompt("ZED"), firstPrompt("ZED"),
                     "checked\t111,114,128,144", firstPrompt("ZED"), coins(5000, 5000, 100)},
         // The start's seed, the entry's two, and one for each change.
         .all = repeat("seed", 8),
         .state = zedState,
         // The tally kept both balances as they were before the reset.
         .table = {&PreferencesRecord::coinTally, "ZED 5000, BEN 9000, ANN 7000"}},
        // Neither a cancelled change nor the cancelled dialog of a name, nor
        // the rolls' dialog left as it was, starts a new match.
        {.what = "cancelled changes",
         .record = zed,
         .script = cancelled,
         .all = repeat("seed", 3) +
                Lines{"dialog\t204\tcancel\t101=1,102=0,103=0,104=0,105=1,106=0,107=kim,111=1,"
                      "112=0,113=1,114=1",
                      "dialog\t204\tcancel\t101=0,102=0,103=1,104=0,105=0,106=0,107=,111=1,112=0,"
                      "113=1,114=0",
                      "dialog\t204\tok\t101=0,102=0,103=1,104=0,105=0,106=0,107=,111=1,112=0,"
                      "113=1,114=0"},
         .state = zedState},
        {.what = "the opponent's menus start a new match; so does resetting the coins",
         .record = pokerRecord(0, 3, 100, 5000, 9000),
         .script = menus,
         .inOrder = {"checked\t110,115,128,144", firstPrompt("ANN"), "seed", turn(1),
                     coins(5000, 5000, 100), "checked\t112,115,128,144", firstPrompt("BEN"), "seed",
                     turn(2), coins(5000, 9000, 100), dice("1,2,3,4,5"), firstPrompt("ANN"),
                     "checked\t112,114,128,144", "checked\t112,115,128,144"},
         .state = "ANN 5000 BEN 5000 bet 100 level 000 rolls 3 wild 0 step 10 sound 1",
         .table = {&PreferencesRecord::coinTally, "BEN 9000, ANN 5000"}},
        {.what = "sound, speed, music and help follow the menus and buttons",
         .script = speed,
         .inOrder = {"checked\t112,115,128,145", blit(198, 398, 150, 23, 23),
                     blit(199, 398, 150, 23, 23), "checked\t112,115,128,144",
                     "open\tTumbledown.html", "checked\t112,115,127,144",
                     blit(197, 367, 148, 16, 17), "checked\t112,115,128,144",
                     blit(196, 367, 148, 16, 17)},
         .state = "ANN 5000 BEN 5000 bet 100 level 000 rolls 3 wild 0 step 50 sound 1"},
    });
}
