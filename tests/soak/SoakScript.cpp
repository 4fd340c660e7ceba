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

// The main screen's spots, board-relative.
constexpr test::BoardPoint tenThouPicture{100, 75}, pokerDicePicture{100, 196},
    shutTheBoxPicture{100, 347}, helpSpot{317, 126}, topScoresSpot{376, 171}, aboutSpot{416, 210},
    nextTipSpot{545, 410};

using test::at;

// Every option of every game's menu: on the bar only while that game is up.
const std::vector<int> tenThouMenu{104, 105, 106, 107, 108, 140, 141, 142, 143};
const std::vector<int> pokerDiceMenu{109, 110, 111, 112, 113, 114, 115,
                                     116, 117, 144, 145, 146, 147};
const std::vector<int> shutTheBoxMenu{118, 119, 120, 121, 122, 124, 148, 149, 150, 151};

bool isEventVerb(const std::string& verb) {
    static const std::vector<std::string> events{
        "click", "press", "release", "rclick", "move", "key", "menu", "close", "wait", "music-end"};
    return std::find(events.begin(), events.end(), verb) != events.end();
}

std::string rand(const std::vector<int>& values) {
    std::string line = "rand";
    for (int v : values)
        line += " " + std::to_string(v);
    return line + "\n";
}

} // namespace

SoakScript::SoakScript(std::uint32_t seed, std::vector<std::string> musicFiles)
    : random_(seed), musicFiles_(std::move(musicFiles)) {}

int SoakScript::below(int n) {
    return static_cast<int>(random_() % static_cast<std::uint32_t>(n));
}

bool SoakScript::chance(int percent) {
    return below(100) < percent;
}

std::string SoakScript::pick(const std::vector<std::string>& from) {
    return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
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
    std::string out;
    if (game_ == Game::Main)
        nextStretch();
    out += enter(game_);
    int written = countEvents(out);
    while (written < events) {
        std::string next;
        step(next);
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
    const bool byPicture = showing_ == Game::Main && chance(30);
    showing_ = game;
    switch (game) {
    case Game::TenThousand:
        return byPicture ? "click " + at(tenThouPicture) + "\n" + rand({0, 0, below(20)})
                         : tt::Script().enter(below(20)).str();
    case Game::PokerDice: {
        const int purse = below(20);
        const int first = below(20);
        return byPicture ? "click " + at(pokerDicePicture) + "\n" + rand({purse, 0, 0, first})
                         : pd::Script().enter(purse, first).str();
    }
    case Game::ShutTheBox:
        return byPicture ? "click " + at(shutTheBoxPicture) + "\n" + rand({0, 0, below(5), 0, 0})
                         : sb::Script().enter(below(5)).str();
    case Game::Main:
        break;
    }
    return "menu 152\n";
}

void SoakScript::step(std::string& out) {
    if (stretchLeft_ <= 0) {
        nextStretch();
        // Sometimes by way of the main screen, for a few events there.
        if (chance(25)) {
            mainLeft_ = 3 + below(10);
            out += enter(Game::Main);
        } else {
            out += enter(game_);
        }
        return;
    }
    std::string s;
    if (mainLeft_ > 0) {
        s = mainScreenStep();
        if (--mainLeft_ == 0)
            s += enter(game_);
    } else if (chance(5)) {
        // Back to the game, should a click have left it; nothing when it is up.
        static const char* const menus[] = {"", "menu 101\n", "menu 102\n", "menu 103\n"};
        s = menus[static_cast<int>(game_)];
    } else if (chance(9)) {
        s = anyScreenStep();
    } else if (game_ == Game::TenThousand) {
        s = tenThouStep();
    } else if (game_ == Game::PokerDice) {
        s = pokerDiceStep();
    } else {
        s = shutTheBoxStep();
    }
    if (chance(6))
        s += meanwhile();
    stretchLeft_ -= countEvents(s);
    out += s;
}

// -- answers

std::string SoakScript::boxAnswer() {
    static const std::vector<std::string> answers{"OK", "OK", "Yes", "No", "Cancel"};
    std::string line = "answer " + pick(answers);
    if (chance(20))
        line += " " + std::to_string(below(3000)); // thinking time
    return line + "\n";
}

// A point on the board right of the main screen's game pictures and of the
// boards' ways out: a click there seldom leaves the game or enters another.
std::string SoakScript::onBoard() {
    const int x = 160 + below(472);
    const int y = below(428);
    return std::to_string(tt::originX + x) + " " + std::to_string(tt::originY + y);
}

// A point anywhere in the client area.
std::string SoakScript::anywhere() {
    const int x = below(800);
    const int y = below(600);
    return std::to_string(x) + " " + std::to_string(y);
}

test::BoardPoint SoakScript::anyPoint() {
    const int x = below(632);
    return {x, below(428)};
}

// One of a board's buttons, the fourth choosing the music file: clicked, or
// now and then held down and let go somewhere else.
std::string SoakScript::button(const std::vector<test::BoardPoint>& buttons, int which) {
    const test::BoardPoint b = buttons[static_cast<std::size_t>(which)];
    const std::string out = chance(70) ? "click " + at(b) + "\n"
                                       : "press " + at(b) + "\nrelease " + at(anyPoint()) + "\n";
    return which == 3 ? out + fileAnswer() : out;
}

std::string SoakScript::fileAnswer() {
    if (chance(20) || musicFiles_.empty())
        return "file cancel\n";
    return "file " + pick(musicFiles_) + "\n";
}

// Names as a person might type them, and as one might not.
std::string SoakScript::name() {
    static const std::vector<std::string> names{
        "ANN",    "BEN",      "ann",   "Zed",     "X",        "",     "ABCDEFGHIJKLMNOP",
        "a-b_c!", "12345678", "ben",   "\xC9LAN", "\xFF\xFE", "%s%n", "APPRENTICE",
        "WIZARD", "MAGE",     "PLAYER"};
    return pick(names);
}

// A control that is not there, or a value no control takes.
std::string SoakScript::oddControl() {
    static const std::vector<std::string> odd{"999=1", "0=1",  "101=7", "102=-1",      "nothing",
                                              "=1",    "101=", "-5=1",  "2147483648=1"};
    return pick(odd);
}

// A game's options dialog: `choice` ticked, now and then one of the two
// name switches from `names` and the name after them, what `more` sets, now
// and then a made-up control; mostly confirmed.
std::string SoakScript::options(int dialog, int choice, int names, const std::string& more) {
    std::string line = "dialog " + std::to_string(dialog) + " " + std::to_string(choice) + "=1 ";
    if (chance(60))
        line += std::to_string(names + below(2)) + "=1 " + std::to_string(names + 2) + "=" +
                name() + " ";
    line += more;
    if (chance(10))
        line += oddControl() + " ";
    return line + (chance(70) ? "ok" : "cancel") + "\n";
}

std::string SoakScript::tenThouOptions() {
    return options(203, 101 + below(4), 105, "");
}

std::string SoakScript::pokerDiceOptions() {
    const std::string rolls = std::to_string(111 + below(2)) + "=1 ";
    const std::string wild = "113=" + std::to_string(below(2)) + " ";
    return options(204, 101 + below(4), 105, rolls + wild + (chance(15) ? "114=1 " : ""));
}

std::string SoakScript::shutTheBoxOptions() {
    // Mostly against the computer, whose turns bring games to their end.
    return options(201, chance(80) ? 101 : 102, 103, "");
}

std::string SoakScript::topScoresChoice() {
    // Views often, clearing a table seldom.
    std::string line = "dialog 205";
    for (int id = 101; id <= 103; ++id)
        line += " " + std::to_string(id) + "=" + (chance(50) ? "1" : "0");
    for (int id = 104; id <= 106; ++id)
        line += " " + std::to_string(id) + "=" + (chance(5) ? "1" : "0");
    if (chance(10))
        line += " " + oddControl();
    line += chance(80) ? " ok\n" : " cancel\n";
    // The tables chosen for viewing show one box each.
    line += boxAnswer();
    return line + boxAnswer();
}

// -- events

std::string SoakScript::anyScreenStep() {
    const int kind = below(100);
    const auto menu = [](int id) { return "menu " + std::to_string(id) + "\n"; };
    std::string out;
    if (kind < 8) {
        // With the file gone: search for another one.
        out = menu(127);
        if (chance(30)) {
            out += "answer Yes\n" + fileAnswer();
            out += boxAnswer();
        }
        return out;
    }
    if (kind < 14)
        return menu(128);
    if (kind < 20) {
        out = menu(129) + fileAnswer();
        if (chance(30))
            out += "answer Yes\n" + fileAnswer();
        return out;
    }
    if (kind < 32) {
        out = menu(132 + below(3)) + boxAnswer();
        if (chance(30)) // the Billionaire Club's admission
            out += boxAnswer();
        return out;
    }
    if (kind < 34)
        return menu(135 + below(3));
    if (kind < 39)
        return menu(138) + (chance(50) ? boxAnswer() : "");
    if (kind < 42)
        return menu(139);
    if (kind < 48) {
        // Another game's options: not on the bar now.
        const std::vector<int>& ids = below(3) == 0   ? tenThouMenu
                                      : below(2) == 0 ? pokerDiceMenu
                                                      : shutTheBoxMenu;
        return menu(ids[static_cast<std::size_t>(below(static_cast<int>(ids.size())))]);
    }
    if (kind < 58)
        return "music-end\n";
    if (kind < 62)
        return "wait " + std::to_string(chance(50) ? below(100) : below(20000)) + "\n";
    if (kind < 70)
        return "move " + anywhere() + "\n";
    if (kind < 76)
        return "rclick " + anywhere() + "\n";
    if (kind < 80) {
        out = "press " + onBoard() + "\n";
        return out + "release " + anywhere() + "\n";
    }
    if (kind < 83)
        return "release " + anywhere() + "\n";
    if (kind < 93) {
        // Any key a person could type.
        const char c = static_cast<char>(33 + below(94));
        return std::string("key ") + c + "\n" + (c == 's' || c == 'S' ? boxAnswer() : "");
    }
    // Draws at the ends of the generator's range.
    return rand({0, 2147483647, below(2147483647), 1, 5, 6, 2147483646});
}

std::string SoakScript::mainScreenStep() {
    const int kind = below(100);
    if (kind < 20)
        return "click " + at(nextTipSpot) + "\n";
    if (kind < 35)
        return "click " + at(aboutSpot) + "\n" + (chance(50) ? boxAnswer() : "");
    if (kind < 55)
        return "click " + at(topScoresSpot) + "\n" + (chance(80) ? topScoresChoice() : "");
    if (kind < 62)
        return "click " + at(helpSpot) + "\n";
    if (kind < 80)
        return "click " + anywhere() + "\n";
    if (kind < 90)
        return "key " + std::string(1, static_cast<char>(33 + below(94))) + "\n";
    return "move " + anywhere() + "\n";
}

std::string SoakScript::tenThouStep() {
    static const int panes[] = {tt::straight,   tt::threePairs, tt::threeOnes,   tt::threeSixes,
                                tt::threeFives, tt::threeFours, tt::threeThrees, tt::threeTwos,
                                tt::singleOne,  tt::singleFive, tt::rollPane,    tt::passPane};
    const auto anyPane = [&] { return tt::paneCentre(panes[below(12)]); };
    tt::Script s;
    const int kind = below(100);
    if (kind < 25) {
        s.click(anyPane());
    } else if (kind < 31) {
        s.rclick(chance(75) ? tt::paneCentre(tt::straight + below(10)) : anyPoint());
    } else if (kind < 42) {
        s.key("space");
    } else if (kind < 48) {
        s.key("p");
    } else if (kind < 54) {
        static const char* const keys[] = {"s", "S", "+", "=", "-", "_", "x", "P", "1", "0", "u"};
        s.key(keys[below(11)]);
        s.raw(boxAnswer());
    } else if (kind < 61) {
        static const tt::BoardPoint words[] = {tt::playWord, tt::playWord,  tt::playWord,
                                               tt::playWord, tt::playWord,  tt::playWord,
                                               tt::playWord, tt::resetWord, tt::quitWord};
        const int w = below(9);
        s.click(words[w]);
        if (w == 7 && chance(60))
            s.raw(tenThouOptions());
    } else if (kind < 65) {
        s.click({160 + below(472), below(428)});
    } else if (kind < 70) {
        s.raw(button({tt::speedUpButton, tt::slowDownButton, tt::musicButton, tt::musicFileButton,
                      tt::soundButton, tt::helpButton},
                     below(6)));
    } else if (kind < 73) {
        s.click(chance(50) ? tt::playerOneName : tt::playerTwoName);
        if (chance(40))
            s.raw(tenThouOptions());
    } else if (kind < 74) {
        if (chance(20))
            s.click(tt::backButton);
        else
            s.click({160 + below(472), below(428)});
    } else if (kind < 79) {
        const int id = tenThouMenu[static_cast<std::size_t>(below(9))];
        s.raw("menu " + std::to_string(id));
        if (id == 108)
            s.raw(tenThouOptions());
    } else if (kind < 86) {
        // A good throw taken, so that games get to their end.
        if (chance(40))
            s.tenThousand();
        else if (chance(50))
            s.roll("123456").take(tt::straight);
        else
            s.roll("111").take(tt::threeOnes);
    } else {
        // Faces for what comes next, often 2's so that disasters happen.
        std::vector<int> faces;
        for (int d = 0; d < 6; ++d)
            faces.push_back(chance(35) ? 1 + 6 * below(20) : below(120));
        s.raw(rand(faces));
    }
    return s.str();
}

std::string SoakScript::pokerDiceStep() {
    pd::Script s;
    const int kind = below(100);
    if (kind < 14) {
        s.die(1 + below(5));
    } else if (kind < 24) {
        s.space();
    } else if (kind < 29) {
        s.click(pd::rollCandle);
    } else if (kind < 35) {
        s.click(pd::passCandle);
    } else if (kind < 38) {
        s.rclick(anyPoint());
    } else if (kind < 45) {
        static const char* const keys[] = {"p", "P", "u", "U", "s", "+", "-", "=", "_", "x"};
        const int k = below(10);
        s.key(keys[k]);
        if (k == 4)
            s.raw(boxAnswer());
    } else if (kind < 55) {
        // Now and then the largest bet anyone can pay, so that purses run out.
        if (chance(25)) {
            s.click(pd::digitUpper(7));
        } else if (chance(50)) {
            s.click(chance(50) ? pd::digitUpper(1 + below(7)) : pd::digitLower(1 + below(7)));
        } else {
            const int rod = 1 + below(7);
            s.click(pd::bead(rod, 1 + below(7)));
        }
        if (chance(10))
            s.raw(boxAnswer());
    } else if (kind < 63) {
        static const pd::Point words[] = {pd::playWord, pd::playWord, pd::playWord, pd::resetWord};
        const int w = below(4);
        s.click(words[w]);
        if (w == 3 && chance(60))
            s.raw(pokerDiceOptions());
    } else if (kind < 65) {
        if (chance(25))
            s.click(chance(50) ? pd::quitWord : pd::exitButton);
        else
            s.click(pd::rollCandle);
    } else if (kind < 69) {
        static const pd::Point spots[] = {pd::playerOneName, pd::playerTwoName, pd::sign};
        s.click(spots[below(3)]);
        if (chance(70))
            s.raw(pokerDiceOptions());
    } else if (kind < 74) {
        s.raw(button({pd::speedUp, pd::slowDown, pd::musicButton, pd::musicFileButton,
                      pd::soundButton, pd::helpButton, pd::acesWildButton},
                     below(7)));
    } else if (kind < 77) {
        s.click(anyPoint());
    } else if (kind < 84) {
        const int id = pokerDiceMenu[static_cast<std::size_t>(below(13))];
        s.menu(id);
        if (id == 113 || id == 116)
            s.raw(pokerDiceOptions());
        else if (id == 117 || id <= 112)
            s.raw(boxAnswer());
    } else {
        // Faces for the next dice: often alike, so that big hands come up.
        const int same = below(6);
        std::vector<int> faces;
        for (int d = 0; d < 8; ++d)
            faces.push_back(chance(40) ? same + 6 * below(1000) : below(1000000));
        s.raw(rand(faces));
    }
    return s.str();
}

std::string SoakScript::shutTheBoxStep() {
    sb::Script s;
    const int kind = below(1000);
    if (kind < 220) {
        s.click(sb::boxSpot(1 + below(9)));
    } else if (kind < 240) {
        s.rclick(sb::boxSpot(1 + below(9)));
    } else if (kind < 370) {
        s.box(1 + below(9));
    } else if (kind < 450) {
        s.click(sb::cup);
    } else if (kind < 550) {
        s.key("space");
    } else if (kind < 600) {
        static const char* const keys[] = {"s", "+", "-", "x", "=", "_", "S", "0"};
        const int k = below(8);
        s.key(keys[k]);
        if (k == 0 || k == 6)
            s.raw(boxAnswer());
    } else if (kind < 640) {
        // The Gremlin's button, last, starts a new game: seldom.
        s.raw(button({sb::speedUpButton, sb::slowDownButton, sb::musicButton, sb::musicFileButton,
                      sb::soundButton, sb::helpButton, sb::oneDieIcon, sb::gremlinButton},
                     chance(90) ? below(7) : 7));
    } else if (kind < 655) {
        s.click(chance(50) ? sb::playerOneName : sb::playerTwoName);
        if (chance(60))
            s.raw(shutTheBoxOptions());
    } else if (kind < 695) {
        s.click(anyPoint());
    } else if (kind < 725) {
        // Seldom the options that start a new game: a game takes several rounds.
        static const int keepTheGame[] = {120, 124, 148, 149, 150, 151};
        const int id = chance(15) ? shutTheBoxMenu[static_cast<std::size_t>(below(10))]
                                  : keepTheGame[below(6)];
        s.menu(id);
        if (id == 120)
            s.raw(shutTheBoxOptions());
    } else if (kind < 728) {
        s.click(sb::backArrow);
    } else if (kind < 745) {
        s.raw("move " + s.at(anyPoint()));
    } else if (kind < 845) {
        // Whole turns, so that games get to their end: a person's worth 33 to
        // 43, or the computer's shutting every box.
        if (chance(60)) {
            const int worth = 33 + below(10);
            s.turnWorth(worth == 41 ? 43 : worth);
        } else {
            s.endTurnForComputer(sb::computerShutsAll, true, chance(50));
        }
    } else {
        // Small values give every face and strike often.
        std::vector<int> values;
        const int n = 1 + below(6);
        for (int i = 0; i < n; ++i)
            values.push_back(chance(80) ? below(12) : below(1000000));
        s.draws(values);
    }
    return s.str();
}

// Something that arrives while the event before it is being handled.
std::string SoakScript::meanwhile() {
    const int kind = below(10);
    if (kind < 3)
        return "@0 key space\n";
    if (kind < 4)
        return "@0 key " + std::string(1, static_cast<char>(33 + below(94))) + "\n";
    if (kind < 6)
        return "@0 click " + onBoard() + "\n";
    if (kind < 7)
        return "@0 rclick " + anywhere() + "\n";
    if (kind < 8)
        return "@0 move " + anywhere() + "\n";
    // A command: the game's options, music, or the game itself again.
    const std::vector<int>& options = game_ == Game::TenThousand ? tenThouMenu
                                      : game_ == Game::PokerDice ? pokerDiceMenu
                                                                 : shutTheBoxMenu;
    static const int commands[] = {127, 128};
    const int id = chance(50)
                       ? options[static_cast<std::size_t>(below(static_cast<int>(options.size())))]
                       : commands[below(2)];
    return "@0 menu " + std::to_string(id) + "\n";
}

} // namespace tumbledown::soak
