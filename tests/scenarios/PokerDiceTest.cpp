// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "PokerDiceScript.h"
#include "Scenario.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <random>
#include <sstream>

using namespace tumbledown;
using namespace tumbledown::test::pokerdice;
using tumbledown::test::Line;
using tumbledown::test::Scenario;
using tumbledown::test::withRecord;

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
std::string sound(const std::string& file) {
    return "sound\tplay\t" + file + "\tasync";
}
const std::string magic = sound("magic.wav");
const std::string click = sound("click.wav");
const std::string loseAll = sound("loseall.wav");
const std::string cheering = sound("cheering.wav");
const std::string soundStop = "sound\tstop";
const std::string panelHide = "panel-hide\tpokerdice";
const std::string cursorWait = "cursor\twait";
const std::string cursorArrow = "cursor\tarrow";

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
    std::array<std::string, 10> lines;
    std::size_t i = 0;
    for (const std::string& l : head)
        lines[i++] = l;
    for (; i < lines.size(); ++i)
        lines[i] = prompt[i];
    std::string joined;
    for (std::size_t k = 0; k < lines.size(); ++k)
        joined += (k ? "|" : "") + lines[k];
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

// -- reading the transcript

// Whether some text was written with its top at this board row.
bool wroteText(const Scenario& s, int boardY, const std::string& text) {
    for (const Line& line : s.lines())
        if (line.fields.size() == 4 && line.fields[0] == "text" &&
            line.fields[2] == std::to_string(originY + boardY) && line.fields[3] == text)
            return true;
    return false;
}

std::string entryName(const ScoreTable& table, int i) {
    return table[i].nameString() + " " + std::to_string(static_cast<std::uint32_t>(table[i].value));
}

} // namespace

// -- entering the game

TEST(PokerDiceEntry, FirstEntryDealsAHandAndWelcomesOnce) {
    PreferencesRecord r = pokerRecord(1);
    r.pokerDiceWelcome = 1;
    Scenario s = withRecord(r);
    // Purse 10,000 (1 mod 11 + 1 = 2); the Apprentice first (10 mod 20 + 1 = 11).
    ASSERT_EQ(s.run(Script().enter(1, 10).menu(152).enter(0, 9).str()), 0);
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
    const Lines expected =
        Lines{"checked\t109,115,128,144", coins(5000, 10000, 100), coins(5000, 10000, 100)} +
        newMatch("APRENTICE", 2, coins(5000, 10000, 100)) + Lines{welcome, "screen\tmain"};
    const Lines from = eventsFrom(s, "checked\t109,115,128,144");
    ASSERT_GE(from.size(), expected.size()) << s.dump();
    EXPECT_EQ(Lines(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected)
        << s.dump();
    // The plates say APPRENTICE in full; the next entry starts afresh with player one.
    EXPECT_TRUE(wroteText(s, 83, "APPRENTICE"));
    EXPECT_TRUE(wroteText(s, 39, "ANN"));
    EXPECT_TRUE(wroteText(s, 59, "5,000"));
    EXPECT_TRUE(wroteText(s, 101, "10,000"));
    EXPECT_TRUE(hasRun(s, newMatch("ANN", 1, coins(5000, 5000, 100))));
    EXPECT_EQ(count(events(s), welcome), 1);
    EXPECT_TRUE(eventsOf(s, "dice").empty()); // nothing rolls before a choice is made
    EXPECT_EQ(s.record().pokerDiceWelcome, 0);
}

TEST(PokerDiceEntry, ARepaintReplacesAHandsResultWithTheNextFirstPlayer) {
    Scenario s = withRecord(pokerRecord(1));
    // A larger window, so that the board fits twice enlarged: the zoom repaints it.
    ASSERT_EQ(s.run(Script()
                        .raw("size 1400 1000")
                        .enter()
                        .space("11234") // the panel goes and ANN rolls a pair of aces
                        .pass()
                        .faces("22334") // the Apprentice's two pair: it keeps both pairs
                        .faces("1")     // K K Q Q A
                        .faces("1")
                        .raw("zoom 2")
                        .str()),
              0);
    EXPECT_TRUE(hasRun(
        s, Lines{hand(2, 34, "5,4,6,0,0"), coins(5000, 5000, 100)} + toRow() +
               Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("APPRENTICE")} +
               blink(coins(4900, 5100, 100)) +
               Lines{"zoom\t2", coins(4900, 5100, 100), coins(4900, 5100, 100),
                     firstPrompt("APRENTICE")}));
}

// Every line of the panel stays inside the round crystal ball, however long
// the names: at its narrow top a long line is squeezed, a short one is not.
TEST(PokerDiceEntry, PanelLinesStayInsideTheCrystalBall) {
    PreferencesRecord record = pokerRecord();
    record.setPlayer1("MAXIMILI");
    Scenario s = withRecord(record);
    ASSERT_EQ(s.run(Script().enter().str()), 0);
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
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .click(digitUpper(3)) // 100 -> 200
                        .click(digitLower(3)) // 200 -> 100
                        .click(digitLower(1)) // a units 0 stays 0: nothing
                        .click(bead(4, 4))    // the one-bead under the gap: +1,000
                        .click(bead(3, 7))    // a one-bead away from the gap: nothing
                        .click(bead(3, 3))    // the one-bead over the gap: -100
                        .click(bead(4, 1))    // the five-bead up: 6,000, clamped to 5,000
                        .click(digitUpper(4)) // 6,000 again, clamped again
                        .click(bead(4, 2))    // the five-bead down: 0
                        .click(digitLower(2)) // 0 stays 0: nothing
                        .click(digitUpper(7)) // a million, clamped to 5,000
                        .click(digitLower(4)) // 4,000
                        .click(digitUpper(1)) // 4,001
                        .play()               // the panel goes: the abacus no longer listens
                        .click(digitUpper(1))
                        .click(bead(1, 1))
                        .str()),
              0);
    const Lines expected = {click,     coins(5000, 5000, 200),
                            click,     coins(5000, 5000, 100),
                            click,     coins(5000, 5000, 1100),
                            click,     coins(5000, 5000, 1000),
                            click,     coins(5000, 5000, 5000),
                            click,     coins(5000, 5000, 5000),
                            click,     coins(5000, 5000, 0),
                            click,     coins(5000, 5000, 5000),
                            click,     coins(5000, 5000, 4000),
                            click,     coins(5000, 5000, 4001),
                            panelHide, "save\t" + s.prfPath() + "\tok",
                            soundStop};
    const Lines from = eventsFrom(s, delay(20), 4);
    EXPECT_EQ(Lines(from.begin() + 1, from.end()), expected) << s.dump();
    EXPECT_EQ(s.record().bet, 4001);
}

TEST(PokerDiceBet, TheAbacusShowsTheBetsDigitsAndBeads) {
    PreferencesRecord r = pokerRecord();
    r.bet = 0;
    Scenario zero = withRecord(r);
    ASSERT_EQ(zero.run(Script().enter().str()), 0);
    // A bet of 0 shows one "0" in the units place, no other digit.
    const std::string units = "blit\tBITMAP_173\t" + std::to_string(originX + 128) + "\t" +
                              std::to_string(originY + 220) + "\t13\t15";
    int digitsDrawn = 0;
    for (const Line& line : zero.lines()) {
        if (line.fields.size() < 2 || line.fields[0] != "blit" ||
            line.fields[1].rfind("BITMAP_", 0) != 0)
            continue;
        const int number = std::stoi(line.fields[1].substr(7));
        if (number >= 173 && number <= 182) {
            ++digitsDrawn;
            EXPECT_EQ(line.text(), units);
        }
    }
    EXPECT_GE(digitsDrawn, 1);

    r.bet = 4070;
    r.player2Coins = 9000;
    Scenario some = withRecord(r);
    ASSERT_EQ(some.run(Script().enter().str()), 0);
    const auto digitAt = [](int digit, int value) {
        return "blit\tBITMAP_" + std::to_string(173 + value) + "\t" +
               std::to_string(originX + digitPlaces[digit].x) + "\t" +
               std::to_string(originY + digitPlaces[digit].y) + "\t13\t15";
    };
    // 4070: the thousands, the (inner) zero and the tens; no leading zeros.
    EXPECT_TRUE(some.hasInOrder({digitAt(4, 4), digitAt(3, 0), digitAt(2, 7), digitAt(1, 0)}));
    EXPECT_FALSE(some.has(digitAt(5, 0)));
    const auto beadAt = [](int rod, int place) {
        const Point p = beadPlace(rod, place);
        return "blit\tBITMAP_211\t" + std::to_string(originX + p.x) + "\t" +
               std::to_string(originY + p.y) + "\t10\t9";
    };
    // Tens rod (7): the five-bead down, two one-beads up, the gap at place 5.
    EXPECT_TRUE(some.has(beadAt(2, 2)));
    EXPECT_FALSE(some.has(beadAt(2, 1)));
    EXPECT_TRUE(some.has(beadAt(2, 3)) && some.has(beadAt(2, 4)) && some.has(beadAt(2, 6)));
    EXPECT_FALSE(some.has(beadAt(2, 5)));
    // Thousands rod (4): the five-bead up, the gap at place 7.
    EXPECT_TRUE(some.has(beadAt(4, 1)) && some.has(beadAt(4, 6)));
    EXPECT_FALSE(some.has(beadAt(4, 7)));
}

// -- a whole hand between two people

TEST(PokerDicePeople, AWholeHandWithDiscardsAndUndoSettledAndEnteredAtClose) {
    PreferencesRecord r = pokerRecord();
    r.bet = 1000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
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
                        .space("112")   // A A A K A, the last roll: the turn ends by itself
                        .rclick()       // BEN has nothing to undo before rolling
                        .pass()         // nor to pass
                        .die(1)         // nor to discard
                        .space("22334") // K K Q Q J
                        .pass()
                        .key("u") // the hand is over
                        .str()),
              0);
    const Lines expected =
        Lines{panelHide} + rise() + Lines{dice("1,1,2,3,4")} + putBack(1) + putBack(1) + rise() +
        Lines{dice("1,1,2,3,4")} + putBack(1) + rise() + Lines{dice("1,1,2,3,1")} + putBack(1) +
        putBack(1) + putBack(1) + rise() + Lines{dice("1,1,1,2,1"), delay(200)} +
        Lines{hand(1, 38, "6,5,0,0,0")} + toRow() + Lines{noDice, turn(2)} +
        blink(coins(5000, 5000, 1000)) +
        // BEN
        rise() + Lines{dice("2,2,3,3,4"), hand(2, 34, "5,4,3,0,0"), coins(5000, 5000, 1000)} +
        toRow() + Lines{noDice, coins(6000, 4000, 1000), coins(6000, 4000, 1000), won("ANN")} +
        blink(coins(6000, 4000, 1000)) + Lines{"save\t" + s.prfPath() + "\tok", soundStop};
    EXPECT_EQ(eventsFrom(s, panelHide), expected) << s.dump();
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(saved.player1Coins, 6000u);
    EXPECT_EQ(saved.player2Coins, 4000u);
    EXPECT_EQ(saved.bet, 1000);
    // Nothing took the panel down after the hand: only the close entered it.
    EXPECT_EQ(entryName(saved.pokerDiceTopScores, 1), "ANN 6000");
    EXPECT_EQ(entryName(saved.pokerDiceTopScores, 2), "BEN 4000");
}

TEST(PokerDicePeople, TwoRollsAndTheSecondPlayerFirstNextHand) {
    Scenario s = withRecord(pokerRecord(0, 2));
    ASSERT_EQ(s.run(Script()
                        .enter(0, 19)   // BEN first
                        .key("space")   // on a second person's turn it only takes the panel down
                        .space("66666") // five 9's
                        .die(1)
                        .die(2)
                        .space("55") // the second roll of two: the end of BEN's turn
                        .space("12345")
                        .pass()
                        .space("33333") // the panel goes and ANN, who played second, rolls
                        .str()),
              0);
    EXPECT_EQ(eventsOf(s, "turn"), (Lines{turn(2), turn(1)}));
    EXPECT_EQ(eventsOf(s, "hand"), (Lines{hand(2, 37, "1,2,0,0,0"), hand(1, 36, "6,0,0,0,0")}));
    EXPECT_EQ(eventsOf(s, "dice"), (Lines{dice("6,6,6,6,6"), dice("5,5,6,6,6"), noDice,
                                          dice("1,2,3,4,5"), noDice, dice("3,3,3,3,3")}));
    // The second roll ends the turn after 20 steps.
    EXPECT_TRUE(hasRun(s, Lines{dice("5,5,6,6,6"), delay(200), hand(2, 37, "1,2,0,0,0")}));
    // A full house beats a straight: BEN takes the bet; ANN plays first in the next hand.
    EXPECT_TRUE(
        hasRun(s, Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("BEN")} +
                      blink(coins(4900, 5100, 100)) + Lines{panelHide} + rise() +
                      Lines{dice("3,3,3,3,3")}));
}

TEST(PokerDicePeople, LosingAllIsMadeGoodAndTheBetComesDownToFiveThousand) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 8000;
    r.player2Coins = 6000;
    r.bet = 6000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script().enter().play().space("11122").pass().space("12346").pass().str()), 0);
    // BEN loses all his 6,000: the bet comes down to 5,000 with a click, and
    // he is given 5,000.
    EXPECT_TRUE(hasRun(s, Lines{hand(2, 32, "6,5,4,3,1"), coins(8000, 6000, 6000)} + toRow() +
                              Lines{noDice, coins(14000, 0, 6000), click, coins(14000, 0, 5000),
                                    loseAll, lostAll("BEN")} +
                              blink(coins(14000, 5000, 5000))));
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(saved.player2Coins, 5000u);
    EXPECT_EQ(saved.bet, 5000);
}

TEST(PokerDicePeople, ANewMemberOfTheBillionaireClubIsCheeredAndStartsAgain) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 999999000;
    r.bet = 5000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script().enter().play().space("11111").pass().space("23456").pass().str()), 0);
    EXPECT_TRUE(hasRun(
        s, Lines{hand(2, 36, "5,0,0,0,0"), coins(999999000, 5000, 5000)} + toRow() +
               Lines{noDice, coins(1000004000, 0, 5000), loseAll, cheering, newMember("ANN")} +
               blink(coins(5000, 5000, 5000))));
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(entryName(saved.billionaireClub, 1), "ANN 1000004000");
    EXPECT_EQ(saved.billionaireClub[2].value, 0);
    EXPECT_EQ(saved.player1Coins, 5000u);
    EXPECT_EQ(saved.player2Coins, 5000u);
}

TEST(PokerDicePeople, CoinsStopAtTheLargestCountInsteadOfWrapping) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 4294967000u;
    r.bet = 5000;
    // Already a member: not listed twice, and keeps the coins.
    r.billionaireClub[1].setName("ANN");
    r.billionaireClub[1].value = 1500000000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script().enter().play().space("11111").pass().space("23456").pass().str()), 0);
    EXPECT_TRUE(s.has(coins(4294967295u, 0, 5000))) << s.dump();
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(saved.player1Coins, 4294967295u);
    EXPECT_EQ(entryName(saved.billionaireClub, 1), "ANN 1500000000");
    EXPECT_EQ(saved.billionaireClub[2].value, 0);
    EXPECT_EQ(count(eventsOf(s, "sound"), cheering), 0);
}

TEST(PokerDicePeople, ANewMembersBetComesDownToWhatTheyKeep) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 999999000;
    r.player2Coins = 20000;
    r.bet = 10000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script().enter().play().space("11111").pass().space("23456").pass().str()), 0);
    EXPECT_TRUE(
        hasRun(s, Lines{noDice, coins(1000009000, 10000, 10000), coins(1000009000, 10000, 10000),
                        cheering, click, coins(5000, 10000, 5000), newMember("ANN")} +
                      blink(coins(5000, 10000, 5000))));
    EXPECT_EQ(s.record().bet, 5000);
}

// -- the pending tables are never dropped

TEST(PokerDiceTables, PlayAfterAHandEntersTheTopScores) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("11111")
                        .pass()
                        .space("23456")
                        .pass()
                        .play() // BEN plays first now: the panel only goes
                        .key("s")
                        .str()),
              0);
    EXPECT_TRUE(hasRun(s, Lines{panelHide, topScores + "5100  \\tANN\\n4900  \\tBEN\\n" + noClub}));
}

TEST(PokerDiceTables, ChangingTheOpponentAfterAHandEntersBothPeople) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("11111")
                        .pass()
                        .space("23456")
                        .pass()
                        .menu(110) // the Mage takes BEN's seat: BEN's coins were won as a person
                        .draws({0, 0, 0})
                        .key("s")
                        .str()),
              0);
    EXPECT_TRUE(hasInOrder(s, {"checked\t110,115,128,144", firstPrompt("ANN"),
                               topScores + "5100  \\tANN\\n4900  \\tBEN\\n" + noClub}));
}

TEST(PokerDiceTables, QuittingAfterAHandEntersTheTopScores) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("11111")
                        .pass()
                        .space("23456")
                        .pass()
                        .click(quitWord)
                        .menu(133)
                        .str()),
              0);
    EXPECT_TRUE(hasRun(s, Lines{"screen\tmain", "menubar\tGame|Music|Scores|Help"}));
    EXPECT_TRUE(s.has(topScores + "5100  \\tANN\\n4900  \\tBEN\\n" + noClub));
}

TEST(PokerDiceTables, TheExitButtonLeavesLikeQuit) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("11111")
                        .pass()
                        .space("23456")
                        .pass()
                        .click(exitButton)
                        .click(rollCandle) // the main screen now: nothing
                        .str()),
              0);
    EXPECT_TRUE(hasRun(s, blink(coins(5100, 4900, 100)) + Lines{"screen\tmain"}));
    EXPECT_EQ(entryName(s.record().pokerDiceTopScores, 1), "ANN 5100");
    EXPECT_EQ(s.linesStarting("screen\tpokerdice").size(), 1u);
}

// -- against the computer

TEST(PokerDiceComputer, TheApprenticePlaysFirstAfterPlayAndAPersonLosesAll) {
    PreferencesRecord r = pokerRecord(1);
    r.bet = 5000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
                        .enter(0, 19)      // purse 5,000; the Apprentice first
                        .click({511, 308}) // PLAY, over die 3's corner
                        .faces("22234")    // K K K Q J: it keeps the three
                        .faces("22")       // five kings: it stands
                        .space("11113")    // A A A A Q
                        .pass()
                        .play()
                        .key("S")
                        .str()),
              0);
    const Lines expected =
        Lines{panelHide, cursorWait} + rise() + Lines{dice("2,2,2,3,4"), delay(200)} + putBack(2) +
        Lines{delay(50)} + rise() +
        Lines{dice("2,2,2,2,2"), delay(200), delay(200), cursorArrow, hand(2, 39, "5,0,0,0,0")} +
        toRow() + Lines{noDice, turn(1)} + blink(coins(5000, 5000, 5000)) +
        // ANN
        rise() + Lines{dice("1,1,1,1,3"), hand(1, 38, "6,4,0,0,0"), coins(5000, 5000, 5000)} +
        toRow() +
        Lines{noDice, coins(0, 10000, 5000), click, coins(0, 10000, 0), loseAll, lostAll("ANN")} +
        blink(coins(5000, 10000, 0)) +
        Lines{panelHide, topScores + "5000  \\tANN\\n" + noClub, "save\t" + s.prfPath() + "\tok",
              soundStop};
    EXPECT_EQ(eventsFrom(s, panelHide), expected) << s.dump();
    EXPECT_EQ(s.record().player1Coins, 5000u);
    EXPECT_EQ(s.record().bet, 0);
}

TEST(PokerDiceComputer, TheMagesPurseRunsOutAndIsRefilled) {
    PreferencesRecord r = pokerRecord(2, 2);
    r.bet = 5000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("11113") // A A A A Q
                        .pass()
                        .faces("22334") // the Mage: two pair against four: keeps the kings
                        .faces("654")   // K K 9 10 J
                        .draws({2})     // the new purse: 3, so 20,000
                        .str()),
              0);
    const std::string winner = "box\tWinner!\tCongratulations!  The Mage has lost all gold "
                               "coins!\\n\\nResetting computer's coin count to 20000.\\n\tOK\tOK";
    const Lines expected =
        Lines{hand(1, 38, "6,4,0,0,0")} + toRow() + Lines{noDice, turn(2)} +
        blink(coins(5000, 5000, 5000)) + Lines{cursorWait} + rise() +
        Lines{dice("2,2,3,3,4"), delay(200)} + putBack(3) + Lines{delay(50)} + rise() +
        // With two rolls the Mage decides once.
        Lines{dice("2,2,6,5,4"), delay(200), cursorArrow, hand(2, 33, "5,3,2,1,0"),
              coins(5000, 5000, 5000)} +
        toRow() +
        Lines{noDice, coins(10000, 0, 5000), winner, click, coins(10000, 20000, 5000), won("ANN")} +
        blink(coins(10000, 20000, 5000)) + Lines{"save\t" + s.prfPath() + "\tok", soundStop};
    EXPECT_EQ(eventsFrom(s, hand(1, 38, "6,4,0,0,0")), expected) << s.dump();
    EXPECT_EQ(s.record().player1Coins, 10000u);
}

TEST(PokerDiceComputer, TheWizardStandsOnFiveKingsWithWildAces) {
    PreferencesRecord r = pokerRecord(3);
    r.acesWild = 1;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
                        .enter(0, 19)          // the Wizard first
                        .key("space")          // the panel goes, and the Wizard plays
                        .faces("11114")        // A A A A J: five jacks, but it tries for better
                        .faces("2")            // A A A A K: five kings, it stands
                        .click(acesWildButton) // the Wizard has rolled: refused
                        .space("12345")        // A K Q J 10: a straight with a wild ace
                        .click(acesWildButton) // refused too
                        .pass()
                        .click(acesWildButton) // between hands: aces wild off
                        .str()),
              0);
    const std::string warning =
        "box\tWarning\tTurn aces wild on or off at beginning of hand\tOK\tOK";
    const Lines expected =
        Lines{panelHide, cursorWait} + rise() + Lines{dice("1,1,1,1,4"), delay(200)} + putBack(1) +
        Lines{delay(50)} + rise() +
        Lines{dice("1,1,1,1,2"), delay(200), delay(200), cursorArrow, hand(2, 39, "5,0,0,0,0")} +
        toRow() + Lines{noDice, turn(1)} + blink(coins(5000, 5000, 100)) + Lines{warning} + rise() +
        Lines{dice("1,2,3,4,5"), warning, hand(1, 36, "6,0,0,0,0"), coins(5000, 5000, 100)} +
        toRow() + Lines{noDice, coins(4900, 5100, 100), coins(4900, 5100, 100), won("WIZARD")} +
        blink(coins(4900, 5100, 100)) +
        Lines{"checked\t111,115,128,144", "save\t" + s.prfPath() + "\tok", soundStop};
    EXPECT_EQ(eventsFrom(s, panelHide), expected) << s.dump();
    EXPECT_EQ(s.record().acesWild, 0);
}

TEST(PokerDiceComputer, ARollAskedForOnTheComputersTurnStartsItsTurn) {
    Scenario s = withRecord(pokerRecord(1));
    ASSERT_EQ(s.run(Script()
                        .enter(0, 19)     // the Apprentice first
                        .click(resetWord) // the panel goes; the dialog is cancelled
                        .raw("dialog 204 cancel")
                        .click(rollCandle) // not ANN's dice to roll: the Apprentice plays
                        .faces("22222")
                        .str()),
              0);
    EXPECT_TRUE(hasRun(s, Lines{panelHide,
                                "dialog\t204\tcancel\t101=1,102=0,103=0,104=0,105=0,"
                                "106=0,107=,111=0,112=1,113=0,114=0",
                                cursorWait} +
                              rise() + Lines{dice("2,2,2,2,2"), delay(200), delay(200)}));
    EXPECT_EQ(eventsOf(s, "hand"), Lines{hand(2, 39, "5,0,0,0,0")});
}

TEST(PokerDiceComputer, ANewOpponentsPurseBringsTheBetShownDown) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = r.player2Coins = 100000;
    r.bet = 50000;
    Scenario s = withRecord(r);
    // The Apprentice's purse: 0 mod 11 + 1 = 1, so 5,000.
    ASSERT_EQ(s.run(Script().enter().menu(109).draws({0, 0, 0}).str()), 0);
    EXPECT_TRUE(hasRun(s, Lines{firstPrompt("ANN"), "seed", turn(1), coins(100000, 5000, 50000)} +
                              blink(coins(100000, 5000, 50000)) +
                              Lines{click, coins(100000, 5000, 5000)}));
    EXPECT_EQ(s.record().bet, 5000);
}

// -- the options

TEST(PokerDiceSettings, TheDialogChangesOpponentNameCoinsRollsAndAcesWild) {
    PreferencesRecord r = pokerRecord();
    r.player1Coins = 7000;
    r.player2Coins = 9000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .click(sign)
                        .raw("dialog 204 103=1 105=1 107=zed 111=1 113=1 114=1 ok")
                        .draws({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                        .str()),
              0);
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
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(saved.player1(), "ZED");
    EXPECT_EQ(saved.pokerDiceWizard, 1);
    EXPECT_EQ(saved.pokerDiceApprentice + saved.pokerDiceMage, 0);
    EXPECT_EQ(saved.rollsPerTurn, 2);
    EXPECT_EQ(saved.acesWild, 1);
    EXPECT_EQ(saved.player1Coins, 5000u);
    EXPECT_EQ(saved.player2Coins, 5000u);
    // The tally kept both balances as they were before the reset.
    EXPECT_EQ(entryName(saved.coinTally, 1), "ZED 5000");
    EXPECT_EQ(entryName(saved.coinTally, 2), "BEN 9000");
    EXPECT_EQ(entryName(saved.coinTally, 3), "ANN 7000");

    // Opened again: the reset box is clear, the rest as now set.
    Scenario again = withRecord(saved);
    ASSERT_EQ(again.run(Script().enter().menu(116).raw("dialog 204 ok").str()), 0);
    EXPECT_TRUE(again.has(
        "dialog\t204\tok\t101=0,102=0,103=1,104=0,105=0,106=0,107=,111=1,112=0,113=1,114=0"));
    EXPECT_EQ(again.linesStarting("seed").size(), 3u); // creation, the first hand: no new match
}

TEST(PokerDiceSettings, ACancelledDialogChangesNothing) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .menu(113)
                        .raw("dialog 204 101=1 105=1 107=zed 114=1 cancel")
                        .click(playerTwoName)
                        .str()),
              0);
    EXPECT_EQ(s.linesStarting("dialog\t204\tcancel").size(), 2u);
    EXPECT_EQ(count(events(s), "seed"), 3); // the start, the game, its first hand
    const PreferencesRecord saved = s.record();
    EXPECT_EQ(saved.player1(), "ANN");
    EXPECT_EQ(saved.pokerDiceApprentice, 0);
}

TEST(PokerDiceSettings, MenusChangeTheOpponentAndStartAMatch) {
    PreferencesRecord r = pokerRecord();
    r.player2Coins = 9000;
    Scenario s = withRecord(r);
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .menu(110) // the Mage: BEN's 9,000 kept in the tally
                        .draws({0, 0, 0})
                        .menu(112) // BEN back, with what the tally kept
                        .draws({0, 0, 19})
                        .str()),
              0);
    EXPECT_TRUE(hasInOrder(s, {"checked\t110,115,128,144", firstPrompt("ANN"), "seed", turn(1),
                               coins(5000, 5000, 100), "checked\t112,115,128,144",
                               firstPrompt("BEN"), "seed", turn(2), coins(5000, 9000, 100)}));
    EXPECT_EQ(entryName(s.record().coinTally, 1), "BEN 9000");
}

TEST(PokerDiceSettings, AFreshMatchLetsAcesWildChangeAfterAnUnfinishedHand) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .play()
                        .space("12345")
                        .menu(117) // reset coins: a new match
                        .draws({0, 0, 0})
                        .click(acesWildButton)
                        .str()),
              0);
    EXPECT_FALSE(s.has("box\tWarning\tTurn aces wild on or off at beginning of hand\tOK\tOK"));
    EXPECT_TRUE(s.hasInOrder({dice("1,2,3,4,5"), firstPrompt("ANN"), "checked\t112,114,128,144"}));
    EXPECT_EQ(s.record().acesWild, 1);
}

TEST(PokerDiceSettings, SoundSpeedAndMusicFollowTheMenusAndButtons) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
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
                        .str()),
              0);
    const auto soundButtonAt = [](int bitmap) {
        return "blit\tBITMAP_" + std::to_string(bitmap) + "\t" + std::to_string(originX + 398) +
               "\t" + std::to_string(originY + 150) + "\t23\t23";
    };
    EXPECT_TRUE(s.hasInOrder({"checked\t112,115,128,145", soundButtonAt(198), soundButtonAt(199),
                              "checked\t112,115,128,144", "open\tTumbledown.html"}));
    EXPECT_EQ(s.record().pokerDiceDelay, 30); // 10, 0, 0, 10, 20, 30, 20, 10, 20, 30
    EXPECT_EQ(s.record().soundOn, 1);
}

TEST(PokerDiceSettings, HeldButtonsStayDownUntilReleasedOnThemAndMusicFollowsTheMenu) {
    Scenario s = withRecord(pokerRecord());
    ASSERT_EQ(s.run(Script()
                        .enter()
                        .raw("press " + at(slowDown))
                        .raw("release " + at(rollCandle)) // elsewhere: it stays down
                        .raw("press " + at(slowDown))
                        .raw("release " + at(slowDown))
                        .menu(127)          // music on: the board's music button too
                        .click(musicButton) // and off again
                        .str()),
              0);
    const auto button = [](int bitmap, int x, int y, int w, int h) {
        return "blit\tBITMAP_" + std::to_string(bitmap) + "\t" + std::to_string(originX + x) +
               "\t" + std::to_string(originY + y) + "\t" + std::to_string(w) + "\t" +
               std::to_string(h);
    };
    const std::string slowDown = button(195, 330, 155, 19, 5);
    const std::string slowUp = button(194, 330, 155, 19, 5);
    const Lines shown = [&] {
        Lines out;
        bool entered = false;
        for (const Line& line : s.lines()) {
            entered = entered || line.text() == "delay\t20";
            if (entered && (line.text() == slowDown || line.text() == slowUp))
                out.push_back(line.text());
        }
        return out;
    }();
    EXPECT_EQ(shown, (Lines{slowDown, slowDown, slowUp}));
    EXPECT_EQ(s.record().pokerDiceDelay, 30);
    EXPECT_TRUE(s.hasInOrder({"checked\t112,115,127,144", button(197, 367, 148, 16, 17),
                              "checked\t112,115,128,144", button(196, 367, 148, 16, 17)}));
}
