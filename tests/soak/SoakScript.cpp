// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h> // the scenario helpers' assertions

#include "SoakScript.h"

#include "scenarios/PokerDiceScript.h"
#include "scenarios/ShutTheBoxScript.h"
#include "scenarios/TenThouScript.h"

#include <algorithm>
#include <sstream>

namespace tumbledown::soak {

namespace tt = test::tenthou;
namespace pd = test::pokerdice;
namespace sb = test::stb;

namespace {

using test::at;
using test::BoardPoint;

// Each game's picture on the main screen, its menu item and the draws its
// screen takes on entering: a draw N here is a random one below N, 0 stays.
struct Entry {
    BoardPoint picture;
    int menu;
    std::vector<int> draws;
};
const Entry entries[] = {{{}, 152, {}},
                         {{100, 75}, 101, {0, 0, 20}},
                         {{100, 196}, 102, {20, 0, 0, 20}},
                         {{100, 347}, 103, {0, 0, 5, 0, 0}}};

// The main screen's other spots.
constexpr BoardPoint helpSpot{317, 126}, topScoresSpot{376, 171}, aboutSpot{416, 210},
    nextTipSpot{545, 410};

// Every option of every game's menu: on the bar only while that game is up.
const std::vector<int> gameMenus[] = {
    {},
    {104, 105, 106, 107, 108, 140, 141, 142, 143},
    {109, 110, 111, 112, 113, 114, 115, 116, 117, 144, 145, 146, 147},
    {118, 119, 120, 121, 122, 124, 148, 149, 150, 151}};

// Names as a person might type them, and as one might not.
const std::vector<std::string> typedNames{
    "ANN",    "BEN",      "ann",   "Zed",     "X",        "",     "ABCDEFGHIJKLMNOP",
    "a-b_c!", "12345678", "ben",   "\xC9LAN", "\xFF\xFE", "%s%n", "APPRENTICE",
    "WIZARD", "MAGE",     "PLAYER"};

// A value no control takes.
const std::vector<std::string> oddValues{"101=7", "102=-1", "101="};

bool isEventVerb(const std::string& verb) {
    static const std::vector<std::string> events{
        "click", "press", "release", "rclick", "move", "key", "menu", "close", "wait", "music-end"};
    return std::find(events.begin(), events.end(), verb) != events.end();
}

// Builds lines that are not a game's own moves.
struct Text : test::ScriptText<Text> {};

std::string menu(int id) {
    return "menu " + std::to_string(id) + "\n";
}

std::string click(BoardPoint p) {
    return "click " + at(p) + "\n";
}

std::string rclick(BoardPoint p) {
    return "rclick " + at(p) + "\n";
}

std::string move(BoardPoint p) {
    return "move " + at(p) + "\n";
}

std::string key(const std::string& k) {
    return "key " + k + "\n";
}

} // namespace

SoakScript::SoakScript(std::uint32_t seed, std::vector<std::string> musicFiles)
    : random_(seed), musicFiles_(std::move(musicFiles)) {
    // One of the keys, answered when it is one of those that open a box.
    const auto keyOf = [this](const std::string& keys, const std::string& answered) {
        const char k = keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
        return key(std::string(1, k)) + (answered.find(k) == std::string::npos ? "" : boxAnswer());
    };
    // One of a game's menu options, answered when it opens a dialog or box.
    const auto menuOf = [this](int game, const std::vector<int>& dialogs,
                               const std::vector<int>& boxes) {
        const int id = pick(gameMenus[game]);
        const auto in = [id](const std::vector<int>& ids) {
            return std::count(ids.begin(), ids.end(), id) > 0;
        };
        return menu(id) + (in(dialogs) ? options(Game(game)) : in(boxes) ? boxAnswer() : "");
    };

    kinds_[int(Game::Main)] = {
        {20, [] { return click(nextTipSpot); }},
        {15, [this] { return click(aboutSpot) + maybe(50, boxAnswer()); }},
        {20, [this] { return click(topScoresSpot) + maybe(80, topScoresChoice()); }},
        {7, [] { return click(helpSpot); }},
        {18, [this] { return click(anywhere()); }},
        {10, [this] { return key(anyKey()); }},
        {10, [this] { return move(anywhere()); }},
    };

    static const std::vector<int> panes{tt::straight,    tt::threePairs, tt::threeOnes,
                                        tt::threeSixes,  tt::threeFives, tt::threeFours,
                                        tt::threeThrees, tt::threeTwos,  tt::singleOne,
                                        tt::singleFive,  tt::rollPane,   tt::passPane};
    kinds_[int(Game::TenThousand)] = {
        {25, [this] { return click(tt::paneCentre(pick(panes))); }},
        {6,
         [this] {
             return rclick(chance(75) ? tt::paneCentre(tt::straight + below(10)) : anyPoint());
         }},
        {11, [] { return key("space"); }},
        {6, [] { return key("p"); }},
        {6, [=] { return keyOf("sS+=-_xP10u", "sS+=-_xP10u"); }},
        {5, [] { return click(tt::playWord); }},
        {1, [this] { return click(tt::resetWord) + maybe(60, options(game_)); }},
        {1, [] { return click(tt::quitWord); }},
        {5, [this] { return click(chance(4) ? tt::backButton : boardPoint()); }},
        {5,
         [this] {
             return button({tt::speedUpButton, tt::slowDownButton, tt::musicButton,
                            tt::musicFileButton, tt::soundButton, tt::helpButton});
         }},
        {3,
         [this] {
             return click(pick(std::vector<BoardPoint>{tt::playerOneName, tt::playerTwoName})) +
                    maybe(40, options(game_));
         }},
        {5, [=] { return menuOf(1, {108}, {}); }},
        // A good throw taken, so that games get to their end.
        {7,
         [this] {
             tt::Script s;
             if (chance(40))
                 return s.tenThousand().str();
             return chance(50) ? s.roll("123456").take(tt::straight).str()
                               : s.roll("111").take(tt::threeOnes).str();
         }},
        // Faces for what comes next, often 2's so that disasters happen.
        {14,
         [this] {
             return draws(6, [this] { return chance(35) ? 1 + 6 * below(20) : below(120); });
         }},
    };

    kinds_[int(Game::PokerDice)] = {
        {14, [this] { return pd::Script().die(1 + below(5)).str(); }},
        {10, [] { return key("space"); }},
        {5, [] { return click(pd::rollCandle); }},
        {6, [] { return click(pd::passCandle); }},
        {3, [this] { return rclick(anyPoint()); }},
        {7, [=] { return keyOf("pPuUs+-=_x", "s"); }},
        // Now and then the largest bet anyone can pay, so that purses run out.
        {10,
         [this] {
             const BoardPoint p = chance(25)   ? pd::digitUpper(7)
                                  : chance(25) ? pd::digitUpper(1 + below(7))
                                  : chance(33) ? pd::digitLower(1 + below(7))
                                               : pd::bead(1 + below(7), 1 + below(7));
             return click(p) + maybe(10, boxAnswer());
         }},
        {6, [] { return click(pd::playWord); }},
        {2, [this] { return click(pd::resetWord) + maybe(60, options(game_)); }},
        {2,
         [this] {
             return click(chance(75) ? pd::rollCandle
                                     : (chance(50) ? pd::quitWord : pd::exitButton));
         }},
        {4,
         [this] {
             return click(pick(
                        std::vector<BoardPoint>{pd::playerOneName, pd::playerTwoName, pd::sign})) +
                    maybe(70, options(game_));
         }},
        {5,
         [this] {
             return button({pd::speedUp, pd::slowDown, pd::musicButton, pd::musicFileButton,
                            pd::soundButton, pd::helpButton, pd::acesWildButton});
         }},
        {3, [this] { return click(anyPoint()); }},
        {7,
         [=] {
             return menuOf(2, {113, 116}, {109, 110, 111, 112, 117});
         }},
        // Faces for the next dice: often alike, so that big hands come up.
        {16,
         [this] {
             const int same = below(6);
             return draws(
                 8, [=, this] { return chance(40) ? same + 6 * below(1000) : below(1000000); });
         }},
    };

    kinds_[int(Game::ShutTheBox)] = {
        {220, [this] { return click(sb::boxSpot(1 + below(9))); }},
        {20, [this] { return rclick(sb::boxSpot(1 + below(9))); }},
        {130, [this] { return sb::Script().box(1 + below(9)).str(); }},
        {80, [] { return click(sb::cup); }},
        {100, [] { return key("space"); }},
        {50, [=] { return keyOf("s+-x=_S0", "sS"); }},
        {36,
         [this] {
             return button({sb::speedUpButton, sb::slowDownButton, sb::musicButton,
                            sb::musicFileButton, sb::soundButton, sb::helpButton, sb::oneDieIcon});
         }},
        // The Gremlin's button starts a new game: seldom.
        {4, [] { return click(sb::gremlinButton); }},
        {15,
         [this] {
             return click(pick(std::vector<BoardPoint>{sb::playerOneName, sb::playerTwoName})) +
                    maybe(60, options(game_));
         }},
        {40, [this] { return click(anyPoint()); }},
        // Seldom the options that start a new game: a game takes several rounds.
        {5, [=] { return menuOf(3, {120}, {}); }},
        {25,
         [this] {
             const int id = pick(std::vector<int>{120, 124, 148, 149, 150, 151});
             return menu(id) + (id == 120 ? options(game_) : "");
         }},
        {3, [] { return click(sb::backArrow); }},
        {17, [this] { return move(anyPoint()); }},
        // Whole turns, so that games get to their end: a person's worth 33 to
        // 43, or the computer's shutting every box.
        {100,
         [this] {
             const int worth = 33 + below(10);
             sb::Script s;
             return chance(60) ? s.turnWorth(worth == 41 ? 43 : worth).str()
                               : s.endTurnForComputer(sb::computerShutsAll, true, chance(50)).str();
         }},
        // Small values give every face and strike often.
        {155,
         [this] {
             return draws(1 + below(6), [this] { return chance(80) ? below(12) : below(1000000); });
         }},
    };

    anyScreen_ = {
        // With the file gone: search for another one.
        {8, [this] { return menu(127) + maybe(30, "answer Yes\n" + fileAnswer() + boxAnswer()); }},
        {6, [] { return menu(128); }},
        {6, [this] { return menu(129) + fileAnswer() + maybe(30, "answer Yes\n" + fileAnswer()); }},
        // The top scores, now and then with the Billionaire Club's admission.
        {12, [this] { return menu(132 + below(3)) + boxAnswer() + maybe(30, boxAnswer()); }},
        {2, [this] { return menu(135 + below(3)); }},
        {5, [this] { return menu(138) + maybe(50, boxAnswer()); }},
        {3, [] { return menu(139); }},
        // Another game's options: not on the bar now.
        {6, [=, this] { return menuOf(1 + below(3), {}, {}); }},
        {10, [] { return std::string("music-end\n"); }},
        {4, [this] { return "wait " + std::to_string(below(chance(50) ? 100 : 20000)) + "\n"; }},
        {8, [this] { return move(anywhere()); }},
        {6, [this] { return rclick(anywhere()); }},
        {4, [this] { return "press " + at(boardPoint()) + "\nrelease " + at(anywhere()) + "\n"; }},
        {3, [this] { return "release " + at(anywhere()) + "\n"; }},
        // Any key a person could type.
        {10, [=, this] { return keyOf(anyKey(), "sS"); }},
        // Draws at the ends of the generator's range.
        {7,
         [this] {
             return Text().draws({0, 2147483647, below(2147483647), 1, 5, 6, 2147483646}).str();
         }},
    };

    // Something that arrives while the event before it is being handled.
    meanwhile_ = {
        {3, [] { return key("space"); }},
        {1, [this] { return key(anyKey()); }},
        {2, [this] { return click(boardPoint()); }},
        {1, [this] { return rclick(anywhere()); }},
        {1, [this] { return move(anywhere()); }},
        // A command: the game's options, music, or the game itself again.
        {1, [=, this] { return menuOf(int(game_), {}, {}); }},
        {1, [this] { return menu(127 + below(2)); }},
    };
}

const std::vector<std::string>& SoakScript::madeUpControls() {
    static const std::vector<std::string> controls{"999=1", "0=1",  "nothing",
                                                   "=1",    "-5=1", "2147483648=1"};
    return controls;
}

std::string SoakScript::oddControl() {
    return chance(50) ? pick(oddValues) : pick(madeUpControls());
}

int SoakScript::below(int n) {
    return static_cast<int>(random_() % static_cast<std::uint32_t>(n));
}

bool SoakScript::chance(int percent) {
    return below(100) < percent;
}

std::string SoakScript::maybe(int percent, const std::string& lines) {
    return chance(percent) ? lines : "";
}

std::string SoakScript::anyKey() {
    return std::string(1, static_cast<char>(33 + below(94)));
}

std::string SoakScript::oneOf(const std::vector<Kind>& kinds) {
    int total = 0;
    for (const Kind& kind : kinds)
        total += kind.weight;
    int n = below(total);
    for (const Kind& kind : kinds) {
        if (n < kind.weight)
            return kind.write();
        n -= kind.weight;
    }
    return "";
}

int SoakScript::countEvents(const std::string& script) {
    std::istringstream in(script);
    std::string line;
    int events = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string verb;
        if (!(words >> verb))
            continue;
        if (verb[0] == '@' && !(words >> verb))
            continue;
        events += isEventVerb(verb);
    }
    return events;
}

std::string SoakScript::segment(int events) {
    // A run starts on the main screen.
    showing_ = Game::Main;
    mainLeft_ = 0;
    if (game_ == Game::Main)
        nextStretch();
    std::string out = enter(game_);
    int written = countEvents(out);
    while (written < events) {
        const std::string next = step();
        written += countEvents(next);
        out += next;
    }
    // The window closed by the script now and then, even while a handler runs.
    if (chance(20))
        out += "close\n";
    else if (chance(10))
        out += "@0 close\n";
    return out;
}

void SoakScript::nextStretch() {
    if (order_.empty()) {
        order_ = {Game::TenThousand, Game::PokerDice, Game::ShutTheBox};
        std::shuffle(order_.begin(), order_.end(), random_);
        if (order_.back() == game_)
            std::swap(order_.front(), order_.back());
    }
    game_ = order_.back();
    order_.pop_back();
    stretchLeft_ = 400 + below(800);
}

std::string SoakScript::enter(Game game) {
    // From the main screen, its pictures now and then instead of the menu.
    const bool byPicture = game != Game::Main && showing_ == Game::Main && chance(30);
    showing_ = game;
    const Entry& e = entries[int(game)];
    std::vector<int> drawn = e.draws;
    for (int& d : drawn)
        d = d > 0 ? below(d) : 0;
    const std::string way = byPicture ? click(e.picture) : menu(e.menu);
    return way + Text().draws(drawn).str();
}

std::string SoakScript::step() {
    if (stretchLeft_ <= 0) {
        nextStretch();
        // Sometimes by way of the main screen, for a few events there.
        if (!chance(25))
            return enter(game_);
        mainLeft_ = 3 + below(10);
        return enter(Game::Main);
    }
    std::string s;
    if (mainLeft_ > 0) {
        s = oneOf(kinds_[int(Game::Main)]);
        if (--mainLeft_ == 0)
            s += enter(game_);
    } else if (chance(5)) {
        // Back to the game, should a click have left it; nothing when it is up.
        s = menu(entries[int(game_)].menu);
    } else if (chance(9)) {
        s = oneOf(anyScreen_);
    } else {
        s = oneOf(kinds_[int(game_)]);
    }
    if (chance(6))
        s += "@0 " + oneOf(meanwhile_);
    stretchLeft_ -= countEvents(s);
    return s;
}

// -- where events go

// A point on the board right of the main screen's game pictures and of the
// boards' ways out: a click there seldom leaves the game or enters another.
BoardPoint SoakScript::boardPoint() {
    const int x = 160 + below(472);
    return {x, below(428)};
}

// A point anywhere in the client area.
BoardPoint SoakScript::anywhere() {
    const int x = below(800) - test::originX;
    return {x, below(600) - test::originY};
}

BoardPoint SoakScript::anyPoint() {
    const int x = below(632);
    return {x, below(428)};
}

// One of a board's buttons, the fourth choosing the music file: clicked, or
// now and then held down and let go somewhere else.
std::string SoakScript::button(const std::vector<BoardPoint>& buttons) {
    const int which = below(static_cast<int>(buttons.size()));
    const BoardPoint b = buttons[static_cast<std::size_t>(which)];
    const std::string out =
        chance(70) ? click(b) : "press " + at(b) + "\nrelease " + at(anyPoint()) + "\n";
    return which == 3 ? out + fileAnswer() : out;
}

std::string SoakScript::draws(int count, const std::function<int()>& value) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(value());
    return Text().draws(values).str();
}

// -- answers to what the event before them opens

std::string SoakScript::boxAnswer() {
    static const std::vector<std::string> answers{"OK", "OK", "Yes", "No", "Cancel"};
    std::string line = "answer " + pick(answers);
    if (chance(20))
        line += " " + std::to_string(below(3000)); // thinking time
    return line + "\n";
}

std::string SoakScript::fileAnswer() {
    if (chance(20) || musicFiles_.empty())
        return "file cancel\n";
    return "file " + pick(musicFiles_) + "\n";
}

// A game's options dialog: an opponent ticked, now and then one of the two
// name switches and the name after them, the game's own settings, now and
// then a made-up control; mostly confirmed.
std::string SoakScript::options(Game game) {
    // Shut The Box mostly against the computer, whose turns bring games to their end.
    static const int dialogs[] = {0, 203, 204, 201};
    const int choice = game == Game::ShutTheBox ? (chance(80) ? 101 : 102) : 101 + below(4);
    const int switches = game == Game::ShutTheBox ? 103 : 105;
    std::string line =
        "dialog " + std::to_string(dialogs[int(game)]) + " " + std::to_string(choice) + "=1 ";
    if (chance(60))
        line += std::to_string(switches + below(2)) + "=1 " + std::to_string(switches + 2) + "=" +
                pick(typedNames) + " ";
    if (game == Game::PokerDice) // rolls a turn, wild aces, now and then the reset
        line += std::to_string(111 + below(2)) + "=1 113=" + std::to_string(below(2)) + " " +
                (chance(15) ? "114=1 " : "");
    if (chance(10))
        line += oddControl() + " ";
    return line + (chance(70) ? "ok" : "cancel") + "\n";
}

std::string SoakScript::topScoresChoice() {
    // Views often, clearing a table seldom.
    std::string line = "dialog 205";
    for (int id = 101; id <= 106; ++id)
        line += " " + std::to_string(id) + "=" + (chance(id <= 103 ? 50 : 5) ? "1" : "0");
    if (chance(10))
        line += " " + oddControl();
    line += chance(80) ? " ok\n" : " cancel\n";
    // The tables chosen for viewing show one box each.
    return line + boxAnswer() + boxAnswer();
}

} // namespace tumbledown::soak
