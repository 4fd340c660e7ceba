// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "PokerDiceScript.h"
#include "Scenario.h"

#include <array>
#include <initializer_list>
#include <set>

using namespace tumbledown;
using namespace tumbledown::test;
using namespace tumbledown::test::pokerdice;
namespace layout = tumbledown::pokerdice::layout;

namespace {

// -- expected transcript lines (a step of 10 ms unless said otherwise)

std::string coins(std::int64_t one, std::int64_t two, std::int64_t bet) {
    return "coins\t" + std::to_string(one) + "\t" + std::to_string(two) + "\t" +
           std::to_string(bet);
}
std::string dice(const std::string& faces) {
    return "dice\tpokerdice\t" + faces;
}
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
const std::string soundStop = "sound\tstop";
const std::string panelHide = "panel-hide\tpokerdice";
const std::string acesWildWarning =
    "box\tWarning\tTurn aces wild on or off at beginning of hand\tOK\tOK";

// The panel's ten lines: the first ones given, the rest those of the prompt
// between hands.
std::string panel(std::initializer_list<std::string> head) {
    static const std::array<const char*, 10> prompt{"",
                                                    "",
                                                    "MAKE A BET, THEN",
                                                    "CLICK AN OPTION BELOW",
                                                    "",
                                                    "\"PLAY\"",
                                                    "",
                                                    "\"RESET PLAYERS\"",
                                                    "",
                                                    "\"QUIT\""};
    std::string joined;
    auto given = head.begin();
    for (std::size_t k = 0; k < prompt.size(); ++k)
        joined += (k ? "|" : "") + (given != head.end() ? *given++ : std::string(prompt[k]));
    return "panel\tpokerdice\t" + joined;
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
// The marker of the side to play blinking twice, once the coin plates are drawn.
Lines blink(const std::string& coinLine, int step = 10) {
    return Lines{coinLine} + repeat(delay(2 * step), 4);
}
// A new match: the first player's prompt, the hand dealt to them.
Lines newMatch(const std::string& first, int seat, const std::string& coinLine) {
    return Lines{firstPrompt(first), "seed", turn(seat), coinLine} + blink(coinLine);
}

const std::string topScores =
    "box\tTop Scores\tTop Scores for PokerDice\\n________________________\\n\\n\\n";
const std::string noClub =
    "\\n\\nBillionaire Club\\n________________\\n\\nThere are no billionaires yet.\tOK\tOK";
const std::string annWonAHand = topScores + "5100  \\tANN\\n4900  \\tBEN\\n" + noClub;

std::string saved(const Scenario& s) {
    return "save\t" + s.prfPath() + "\tok";
}
std::string blit(int bitmap, int x, int y, int w, int h) {
    return "blit\tBITMAP_" + std::to_string(bitmap) + "\t" + std::to_string(originX + x) + "\t" +
           std::to_string(originY + y) + "\t" + std::to_string(w) + "\t" + std::to_string(h);
}

// -- running and reading

Scenario played(const PreferencesRecord& record, const Script& script) {
    Scenario s = withRecord(record);
    EXPECT_EQ(s.run(script.str()), 0) << s.dump();
    return s;
}

// One hand between ANN and BEN, each rolling once; ANN's five aces win by default.
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
           " wild " + std::to_string(r.acesWild);
}

// A table's first entries as "NAME VALUE" joined by commas.
std::string entries(const ScoreTable& table, int count) {
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += (i > 1 ? ", " : "") + table[i].nameString() + " " +
               std::to_string(static_cast<std::uint32_t>(table[i].value));
    return out;
}

// Whether some text was written with its top at this row of a board whose top is y0.
bool wroteText(const Scenario& s, int y0, int boardY, const std::string& text) {
    for (const Line& line : s.linesStarting("text\t"))
        if (line.fields.size() == 4 && line.fields[2] == std::to_string(y0 + boardY) &&
            line.fields[3] == text)
            return true;
    return false;
}

} // namespace

// -- entering the game

TEST(PokerDiceEntry, TheFirstEntryWelcomesOnceAndARepaintShowsTheNextFirstPlayer) {
    PreferencesRecord r = pokerRecord(1);
    r.pokerDiceWelcome = 1;
    // A larger window, so that the board fits twice enlarged: the zoom repaints it.
    // Purse 10,000 (1 mod 11 + 1 = 2); the Apprentice first (10 mod 20 + 1 = 11);
    // back on the main screen, then in again with ANN first.
    const Scenario s = played(r, Script()
                                     .raw("size 1400 1000")
                                     .enter(1, 10)
                                     .menu(152)
                                     .enter(0, 9)
                                     .space("11234") // the panel goes and ANN rolls a pair of aces
                                     .pass()
                                     .faces("22334") // the Apprentice keeps both pairs
                                     .faces("1")     // K K Q Q A
                                     .faces("1")
                                     .raw("zoom 2"));
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
    const Lines expected =
        Lines{"checked\t109,115,128,144", coins(5000, 10000, 100), coins(5000, 10000, 100)} +
        newMatch("APRENTICE", 2, coins(5000, 10000, 100)) + Lines{welcome, "screen\tmain"};
    const Lines from = eventsFrom(s, "checked\t109,115,128,144");
    EXPECT_EQ(Lines(from.begin(), from.begin() + std::min(from.size(), expected.size())), expected);
    EXPECT_EQ(count(events(s), welcome), 1);
    // The plates say APPRENTICE in full (the board's top is 286 in this window).
    EXPECT_TRUE(wroteText(s, 286, 83, "APPRENTICE"));
    EXPECT_TRUE(wroteText(s, 286, 39, "ANN"));
    EXPECT_TRUE(wroteText(s, 286, 59, "5,000"));
    EXPECT_TRUE(wroteText(s, 286, 101, "10,000"));
    // The next entry starts afresh with player one; after the hand the zoom's
    // repaint replaces its result with the next first player.
    EXPECT_TRUE(hasRun(s, newMatch("ANN", 1, coins(5000, 5000, 100))));
    EXPECT_TRUE(hasRun(
        s, Lines{hand(2, 34, "5,4,6,0,0"), coins(5000, 5000, 100)} + toRow() +
               Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("APPRENTICE")} +
               blink(coins(4900, 5100, 100)) +
               Lines{"zoom\t2", coins(4900, 5100, 100), coins(4900, 5100, 100),
                     firstPrompt("APRENTICE")}));
    EXPECT_EQ(s.record().pokerDiceWelcome, 0);
}

// Every line of the panel stays inside the round crystal ball, however long
// the names: at its narrow top a long line is squeezed, a short one is not.
TEST(PokerDiceEntry, PanelLinesStayInsideTheCrystalBall) {
    PreferencesRecord record = pokerRecord();
    record.setPlayer1("MAXIMILI");
    const Scenario s = played(record, Script().enter());
    const auto leftOf = [&](const std::string& text) {
        for (const Line& line : s.linesStarting("text\t"))
            if (line.fields.size() > 3 && line.fields[3] == text)
                return std::stoi(line.fields.at(1)) - originX;
        ADD_FAILURE() << "no text " << text;
        return 0;
    };
    // Centred on the ball (x 513): a line starting at x is 2 x (513 - x) wide,
    // and the ball is 105 in radius, its chord 176 at the first line's middle.
    const int first = leftOf("MAXIMILI IS FIRST THIS TIME.");
    EXPECT_GE(first, 513 - 88);
    EXPECT_LE(first, 513 - 60) << "squeezed more than it needs";
    const int widest = leftOf("CLICK AN OPTION BELOW");
    EXPECT_GE(widest, 402);
    EXPECT_LT(widest, first) << "a line that fits keeps its width";
}

// -- the bet on the abacus

TEST(PokerDiceBet, DigitsAndBeadsChangeTheBetWithinWhatBothCanPay) {
    const Scenario s =
        played(pokerRecord(), Script()
                                  .enter()
                                  .click(digitUpper(3)) // 100 -> 200
                                  .click(digitLower(3)) // 200 -> 100
                                  .click(digitLower(1)) // a units 0 stays 0
                                  .click(bead(4, 4))    // one-bead under the gap: +1,000
                                  .click(bead(3, 7))    // away from the gap: nothing
                                  .click(bead(3, 3))    // over the gap: -100
                                  .click(bead(4, 1))    // five-bead up: 6,000 -> 5,000
                                  .click(digitUpper(4)) // 6,000 again, clamped
                                  .click(bead(4, 2))    // the five-bead down: 0
                                  .click(digitLower(2)) // 0 stays 0
                                  .click(digitUpper(7)) // a million, clamped
                                  .click(digitLower(4)) // 4,000
                                  .click(digitUpper(1)) // 4,001
                                  .play()               // the abacus no longer listens
                                  .click(digitUpper(1))
                                  .click(bead(1, 1)));
    Lines expected;
    for (int bet : {200, 100, 1100, 1000, 5000, 5000, 0, 5000, 4000, 4001})
        expected = expected + Lines{click, coins(5000, 5000, bet)};
    const Lines from = eventsFrom(s, delay(20), 4);
    EXPECT_EQ(Lines(from.begin() + 1, from.end()),
              (expected + Lines{panelHide, saved(s), soundStop}));
    EXPECT_EQ(s.record().bet, 4001);
}

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
        PreferencesRecord r = pokerRecord();
        r.bet = bet;
        r.player1Coins = r.player2Coins = 10000000;
        EXPECT_EQ(abacusDrawn(played(r, Script().enter())), drawn);
    }
}

// -- hands between two people

TEST(PokerDicePeople, AWholeHandWithDiscardsAndUndoSettledAndEnteredAtClose) {
    PreferencesRecord r = pokerRecord();
    r.bet = 1000;
    const Scenario s = played(r, Script()
                                     .enter()
                                     .play()
                                     .space("11234") // A A K Q J
                                     .die(5)
                                     .die(4)
                                     .rclick() // both back
                                     .die(5)
                                     .click(rollCandle)
                                     .faces("1") // A A K Q A
                                     .die(2)
                                     .die(3)
                                     .die(4)
                                     .die(1)         // a fourth die before the roll: refused
                                     .space("112")   // A A A K A, the last roll ends the turn
                                     .rclick()       // BEN has nothing to undo before rolling
                                     .pass()         // nor to pass
                                     .die(1)         // nor to discard
                                     .space("22334") // K K Q Q J
                                     .pass()
                                     .key("u")); // the hand is over
    const Lines expected =
        Lines{panelHide} + rise() + Lines{dice("1,1,2,3,4")} + putBack(1) + putBack(1) + rise() +
        Lines{dice("1,1,2,3,4")} + putBack(1) + rise() + Lines{dice("1,1,2,3,1")} + putBack(1) +
        putBack(1) + putBack(1) + rise() + Lines{dice("1,1,1,2,1"), delay(200)} +
        Lines{hand(1, 38, "6,5,0,0,0")} + toRow() + Lines{noDice, turn(2)} +
        blink(coins(5000, 5000, 1000)) +
        // BEN
        rise() + Lines{dice("2,2,3,3,4"), hand(2, 34, "5,4,3,0,0"), coins(5000, 5000, 1000)} +
        toRow() + Lines{noDice, coins(6000, 4000, 1000), coins(6000, 4000, 1000), won("ANN")} +
        blink(coins(6000, 4000, 1000)) + Lines{saved(s), soundStop};
    EXPECT_EQ(eventsFrom(s, panelHide), expected);
    const PreferencesRecord record = s.record();
    EXPECT_EQ(pokerState(record), "ANN 6000 BEN 4000 bet 1000 level 000 rolls 3 wild 0");
    // Nothing took the panel down after the hand: only the close entered it.
    EXPECT_EQ(entries(record.pokerDiceTopScores, 2), "ANN 6000, BEN 4000");
}

TEST(PokerDicePeople, TwoRollsAndTheSecondPlayerFirstNextHand) {
    const Scenario s = played(pokerRecord(0, 2), Script()
                                                     .enter(0, 19)   // BEN first
                                                     .key("space")   // it only takes the panel down
                                                     .space("66666") // five 9's
                                                     .die(1)
                                                     .die(2)
                                                     .space("55") // the second roll ends the turn
                                                     .space("12345")
                                                     .pass()
                                                     .space("33333")); // ANN, second, rolls
    EXPECT_EQ(eventsOf(s, "turn"), (Lines{turn(2), turn(1)}));
    EXPECT_TRUE(hasRun(s, Lines{dice("5,5,6,6,6"), delay(200), hand(2, 37, "1,2,0,0,0")}));
    // A full house beats a straight: BEN takes the bet; ANN plays first in the next hand.
    EXPECT_EQ(eventsOf(s, "hand"), (Lines{hand(2, 37, "1,2,0,0,0"), hand(1, 36, "6,0,0,0,0")}));
    EXPECT_TRUE(
        hasRun(s, Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("BEN")} +
                      blink(coins(4900, 5100, 100)) + Lines{panelHide} + rise() +
                      Lines{dice("3,3,3,3,3")}));
}

// ANN's five aces against BEN's straight, with coins at their limits: what
// comes after the coins move, and what is saved.
TEST(PokerDicePeople, HandsThatEndAtTheLimitsOfTheCoins) {
    const struct {
        const char* what;
        std::uint32_t one, two;
        int bet;
        Lines run;
        std::string state, club;
    } rows[] = {
        {"BEN loses all: the bet comes down with a click, and he is given 5,000", 8000, 6000, 6000,
         Lines{coins(14000, 0, 6000), click, coins(14000, 0, 5000), loseAll, lostAll("BEN")} +
             blink(coins(14000, 5000, 5000)),
         "ANN 14000 BEN 5000 bet 5000", " 0,  0"},
        {"a new member of the Billionaire Club is cheered and starts again", 999999000, 5000, 5000,
         Lines{coins(1000004000, 0, 5000), loseAll, cheering, newMember("ANN")} +
             blink(coins(5000, 5000, 5000)),
         "ANN 5000 BEN 5000 bet 5000", "ANN 1000004000,  0"},
        {"a new member's bet comes down to what they keep", 999999000, 20000, 10000,
         Lines{coins(1000009000, 10000, 10000), coins(1000009000, 10000, 10000), cheering, click,
               coins(5000, 10000, 5000), newMember("ANN")} +
             blink(coins(5000, 10000, 5000)),
         "ANN 5000 BEN 10000 bet 5000", "ANN 1000009000,  0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        PreferencesRecord r = pokerRecord();
        r.player1Coins = row.one;
        r.player2Coins = row.two;
        r.bet = row.bet;
        const Scenario s = played(r, oneHand());
        EXPECT_TRUE(hasRun(s, Lines{noDice} + row.run));
        const PreferencesRecord record = s.record();
        EXPECT_EQ(pokerState(record), row.state + " level 000 rolls 3 wild 0");
        EXPECT_EQ(entries(record.billionaireClub, 2), row.club);
    }
}

// -- the pending top scores are entered whatever follows a hand

TEST(PokerDiceTables, WhateverFollowsAHandEntersTheTopScores) {
    struct Row {
        const char* what;
        std::string after; // the script after the hand
        Lines expected;
    };
    const Row rows[] = {
        {"play: BEN plays first now, the panel only goes",
         Script().play().key("s").str(),
         {panelHide, annWonAHand}},
        {"the Mage takes BEN's seat: BEN's coins were won as a person",
         Script().menu(110).draws({0, 0, 0}).key("s").str(),
         {"checked\t110,115,128,144", firstPrompt("ANN"), annWonAHand}},
        {"quit",
         Script().click(quitWord).menu(133).str(),
         {"screen\tmain", "menubar\tGame|Music|Scores|Help", annWonAHand}},
        {"the exit button; the roll candle's place on the main screen does nothing",
         Script().click(exitButton).click(rollCandle).menu(133).str(),
         blink(coins(5100, 4900, 100)) + Lines{"screen\tmain", annWonAHand}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Scenario s = played(pokerRecord(), oneHand().raw(row.after));
        EXPECT_TRUE(hasInOrder(s, row.expected));
        EXPECT_EQ(s.linesStarting("screen\tpokerdice").size(), 1u);
    }
}

// -- against the computer

TEST(PokerDiceComputer, TheApprenticePlaysFirstAfterPlayAndAPersonLosesAll) {
    PreferencesRecord r = pokerRecord(1);
    r.bet = 5000;
    const Scenario s = played(r, Script()
                                     .enter(0, 19)      // purse 5,000; the Apprentice first
                                     .click({511, 308}) // PLAY, over die 3's corner
                                     .faces("22234")    // K K K Q J: it keeps the three
                                     .faces("22")       // five kings: it stands
                                     .space("11113")    // A A A A Q
                                     .pass()
                                     .play()
                                     .key("S"));
    // The computer's waits and tumbles are followed line by line in the Mage's
    // turn; here what it kept, and the person losing all against it.
    EXPECT_TRUE(hasInOrder(s, {panelHide, "cursor\twait", dice("2,2,2,3,4"), dice("2,2,2,2,2"),
                               "cursor\tarrow", hand(2, 39, "5,0,0,0,0"), turn(1),
                               dice("1,1,1,1,3"), hand(1, 38, "6,4,0,0,0")}));
    EXPECT_TRUE(hasRun(s, Lines{noDice, coins(0, 10000, 5000), click, coins(0, 10000, 0), loseAll,
                                lostAll("ANN")} +
                              blink(coins(5000, 10000, 0)) +
                              Lines{panelHide, topScores + "5000  \\tANN\\n" + noClub}));
    EXPECT_EQ(pokerState(s.record()), "ANN 5000 BEN 5000 bet 0 level 100 rolls 3 wild 0");
}

TEST(PokerDiceComputer, TheMagesPurseRunsOutAndIsRefilled) {
    PreferencesRecord r = pokerRecord(2, 2);
    r.bet = 5000;
    const Scenario s = played(r, Script()
                                     .enter()
                                     .play()
                                     .space("11113") // A A A A Q
                                     .pass()
                                     .faces("22334") // two pair against four: keeps the kings
                                     .faces("654")   // K K 9 10 J
                                     .draws({2}));   // the new purse: 3, so 20,000
    const std::string winner = "box\tWinner!\tCongratulations!  The Mage has lost all gold "
                               "coins!\\n\\nResetting computer's coin count to 20000.\\n\tOK\tOK";
    // With two rolls the Mage decides once; its second roll ends its turn.
    EXPECT_TRUE(hasRun(s, Lines{dice("2,2,3,3,4"), delay(200)} + putBack(3) + Lines{delay(50)} +
                              rise() +
                              Lines{dice("2,2,6,5,4"), delay(200), "cursor\tarrow",
                                    hand(2, 33, "5,3,2,1,0"), coins(5000, 5000, 5000)} +
                              toRow() +
                              Lines{noDice, coins(10000, 0, 5000), winner, click,
                                    coins(10000, 20000, 5000), won("ANN")}));
    EXPECT_EQ(s.record().player1Coins, 10000u);
}

TEST(PokerDiceComputer, TheWizardStandsOnFiveKingsWithWildAces) {
    PreferencesRecord r = pokerRecord(3);
    r.acesWild = 1;
    const Scenario s = played(r, Script()
                                     .enter(0, 19)          // the Wizard first
                                     .key("space")          // the panel goes; the Wizard plays
                                     .faces("11114")        // A A A A J: it tries for better
                                     .faces("2")            // A A A A K: five kings, it stands
                                     .click(acesWildButton) // the Wizard has rolled: refused
                                     .space("12345")        // a straight with a wild ace
                                     .click(acesWildButton) // refused too
                                     .pass()
                                     .click(acesWildButton)); // between hands: aces wild off
    EXPECT_EQ(eventsOf(s, "dice"),
              (Lines{dice("1,1,1,1,4"), dice("1,1,1,1,2"), noDice, dice("1,2,3,4,5"), noDice}));
    EXPECT_TRUE(hasInOrder(s, {hand(2, 39, "5,0,0,0,0"), acesWildWarning, dice("1,2,3,4,5"),
                               acesWildWarning, hand(1, 36, "6,0,0,0,0"), won("WIZARD"),
                               "checked\t111,115,128,144"}));
    EXPECT_EQ(count(events(s), acesWildWarning), 2);
    EXPECT_EQ(pokerState(s.record()), "ANN 4900 BEN 5000 bet 100 level 001 rolls 3 wild 0");
}

// A new opponent's purse brings the bet shown down; with the computer first,
// a roll asked for on its turn starts it.
TEST(PokerDiceComputer, ANewOpponentsPurseAndARollAskedForOnItsTurn) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = r.player2Coins = 100000;
    r.bet = 50000;
    // The Apprentice's purse: 0 mod 11 + 1 = 1, so 5,000; it plays first. The
    // reset's dialog is cancelled; the roll candle is not ANN's to roll.
    const Scenario s = played(r, Script()
                                     .enter()
                                     .menu(109)
                                     .draws({0, 0, 19})
                                     .click(resetWord)
                                     .raw("dialog 204 cancel")
                                     .click(rollCandle)
                                     .faces("22222"));
    EXPECT_TRUE(
        hasRun(s, Lines{firstPrompt("APRENTICE"), "seed", turn(2), coins(100000, 5000, 50000)} +
                      blink(coins(100000, 5000, 50000)) + Lines{click, coins(100000, 5000, 5000)}));
    EXPECT_TRUE(hasRun(s, Lines{panelHide,
                                "dialog\t204\tcancel\t101=1,102=0,103=0,104=0,105=0,"
                                "106=0,107=,111=0,112=1,113=0,114=0",
                                "cursor\twait"} +
                              rise() + Lines{dice("2,2,2,2,2"), delay(200), delay(200)}));
    EXPECT_EQ(eventsOf(s, "hand"), Lines{hand(2, 39, "5,0,0,0,0")});
    EXPECT_EQ(s.record().bet, 5000);
}

// -- the options

TEST(PokerDiceSettings, TheDialogChangesOpponentNameCoinsRollsAndAcesWild) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 7000;
    r.player2Coins = 9000;
    const Scenario s = played(r, Script()
                                     .enter()
                                     .click(sign)
                                     .raw("dialog 204 103=1 105=1 107=zed 111=1 113=1 114=1 ok")
                                     .draws({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(s.hasInOrder({
        "dialog\t204\tok\t101=0,102=0,103=1,104=0,105=1,106=0,107=zed,111=1,112=0,113=1,114=1",
        "checked\t111,115,128,144",
        firstPrompt("ANN"), // the Wizard
        firstPrompt("ZED"), // the new name
        firstPrompt("ZED"), // the coins reset
        firstPrompt("ZED"), // two rolls
        "checked\t111,114,128,144",
        firstPrompt("ZED"), // aces wild
    }));
    const Lines after = eventsFrom(s, "checked\t111,115,128,144");
    EXPECT_EQ(count(after, "seed"), 5);
    // Against the Wizard the plate shows the purse (5,000); after the reset
    // both people have 5,000.
    EXPECT_TRUE(s.has(coins(7000, 5000, 100)));
    EXPECT_EQ(after.size() > 2 ? after[after.size() - 3] : "", coins(5000, 5000, 100));
    const PreferencesRecord record = s.record();
    EXPECT_EQ(pokerState(record), "ZED 5000 BEN 5000 bet 100 level 001 rolls 2 wild 1");
    // The tally kept both balances as they were before the reset.
    EXPECT_EQ(entries(record.coinTally, 3), "ZED 5000, BEN 9000, ANN 7000");

    // Neither a cancelled change nor the cancelled dialog of a name starts a
    // new match.
    const Scenario again = played(record, Script()
                                              .enter()
                                              .menu(113)
                                              .raw("dialog 204 101=1 105=1 107=kim 114=1 cancel")
                                              .click(playerTwoName)
                                              .menu(116)
                                              .raw("dialog 204 ok"));
    EXPECT_EQ(again.linesStarting("dialog\t204\tcancel").size(), 2u);
    EXPECT_EQ(again.linesStarting("seed").size(), 3u); // creation, the first hand
    EXPECT_EQ(pokerState(again.record()), pokerState(record));
}

// The opponent's menus start a new match; so does resetting the coins, after
// which aces wild may change though a hand was begun, by its button and menu.
TEST(PokerDiceSettings, MenusChangeTheOpponentAndStartAMatch) {
    PreferencesRecord r = pokerRecord();
    r.player2Coins = 9000;
    const Scenario s = played(r, Script()
                                     .enter()
                                     .menu(110) // the Mage: BEN's 9,000 kept in the tally
                                     .draws({0, 0, 0})
                                     .menu(112) // BEN back, with what the tally kept
                                     .draws({0, 0, 19})
                                     .play()
                                     .space("12345")
                                     .menu(117)
                                     .draws({0, 0, 0})
                                     .click(acesWildButton)
                                     .menu(115)); // and off again
    EXPECT_TRUE(hasInOrder(s, {"checked\t110,115,128,144", firstPrompt("ANN"), "seed", turn(1),
                               coins(5000, 5000, 100), "checked\t112,115,128,144",
                               firstPrompt("BEN"), "seed", turn(2), coins(5000, 9000, 100),
                               dice("1,2,3,4,5"), firstPrompt("ANN"), "checked\t112,114,128,144",
                               "checked\t112,115,128,144"}));
    EXPECT_FALSE(s.has(acesWildWarning));
    EXPECT_EQ(entries(s.record().coinTally, 2), "BEN 9000, ANN 5000");
    EXPECT_EQ(s.record().acesWild, 0);
}

TEST(PokerDiceSettings, SoundSpeedMusicAndHelpFollowTheMenusAndButtons) {
    const Scenario s = played(pokerRecord(), Script()
                                                 .enter()
                                                 .menu(145)          // sound off
                                                 .click(soundButton) // and on again
                                                 .menu(146)
                                                 .click(speedUp)
                                                 .click(slowDown)
                                                 .click(slowDown)
                                                 .key("-")
                                                 .key("+")
                                                 .key("=")
                                                 .key("_")
                                                 .menu(147)
                                                 .click(helpButton)
                                                 .press(slowDown)
                                                 .release(rollCandle)
                                                 .press(slowDown)
                                                 .release(slowDown)
                                                 .menu(127)            // music on: its button too
                                                 .click(musicButton)); // and off again
    EXPECT_TRUE(s.hasInOrder(
        {"checked\t112,115,128,145", blit(198, 398, 150, 23, 23), blit(199, 398, 150, 23, 23),
         "checked\t112,115,128,144", "open\tTumbledown.html", "checked\t112,115,127,144",
         blit(197, 367, 148, 16, 17), "checked\t112,115,128,144", blit(196, 367, 148, 16, 17)}));
    // 10, 0, 0, 10, 20, 30, 20, 10, 20, 30; held twice: 40, 50.
    EXPECT_EQ(s.record().pokerDiceDelay, 50);
    EXPECT_EQ(s.record().soundOn, 1);
}
