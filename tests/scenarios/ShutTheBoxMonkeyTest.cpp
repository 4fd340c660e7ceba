#include <gtest/gtest.h>

#include "Scenario.h"
#include "ShutTheBoxScript.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

using namespace tumbledown;
using namespace tumbledown::test::stb;
using tumbledown::test::Line;
using tumbledown::test::Scenario;

namespace {

// A long random session on the Shut The Box board, the same every run.
class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : random_(seed) {}

    std::string script(int events) {
        Script s;
        s.enter(below(5));
        for (int i = 0; i < events; ++i)
            step(s);
        return s.str();
    }

private:
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // Anywhere on the board right of the main screen's game pictures, so that a
    // stray click there after leaving the game never opens another game.
    BoardPoint anyPoint() { return {160 + below(472), below(428)}; }
    BoardPoint anyButton() {
        static const BoardPoint buttons[] = {speedUpButton,   slowDownButton, musicButton,
                                             musicFileButton, soundButton,    helpButton,
                                             oneDieIcon};
        return buttons[below(7)];
    }

    // Draws for what comes next: small values give every face and strike often.
    std::string draws() {
        std::ostringstream line;
        line << "rand";
        const int n = 1 + below(6);
        for (int i = 0; i < n; ++i)
            line << ' ' << (chance(80) ? below(12) : below(1000000));
        return line.str();
    }

    // Something that arrives while the event before it is being handled.
    std::string meanwhile(const Script& s) {
        switch (below(4)) {
        case 0:
            return "@0 click " + s.at(boxSpot(1 + below(9)));
        case 1:
            return "@0 click " + s.at(cup);
        case 2:
            return "@0 key space";
        default:
            return "@0 key " + std::to_string(1 + below(9));
        }
    }

    void step(Script& s) {
        const int kind = below(1000);
        if (kind < 230) {
            s.click(boxSpot(1 + below(9)));
        } else if (kind < 280) {
            s.rclick(boxSpot(1 + below(9)));
        } else if (kind < 380) {
            s.box(1 + below(9));
        } else if (kind < 460) {
            s.click(cup);
        } else if (kind < 560) {
            s.key("space");
        } else if (kind < 610) {
            static const char* const keys[] = {"s", "+", "-", "x", "=", "_", "S", "0"};
            s.key(keys[below(8)]);
        } else if (kind < 650) {
            const BoardPoint b = anyButton();
            if (chance(70))
                s.click(b);
            else // held down, let go somewhere else
                s.press(b).release(anyPoint());
        } else if (kind < 655) {
            s.click(chance(50) ? playerOneName : playerTwoName); // the dialog is cancelled
        } else if (kind < 705) {
            s.click(anyPoint());
        } else if (kind < 725) {
            static const int items[] = {124, 124, 148, 149, 150, 151, 120};
            const int item = items[below(7)];
            s.menu(item);
            if (item == 120)
                s.raw("dialog 201 " + std::string(chance(50) ? "103" : "104") +
                      "=1 105=zed cancel");
        } else if (kind < 731) {
            // A new game: the opponent or the Gremlin set (again), or the game left.
            static const int items[] = {118, 118, 118, 119, 121, 122};
            if (chance(25))
                s.click(backArrow).menu(103);
            else if (chance(20))
                s.click(gremlinButton);
            else
                s.menu(items[below(6)]);
        } else if (kind < 750) {
            s.raw("move " + s.at(anyPoint()));
        } else {
            s.raw(draws());
            return;
        }
        if (chance(6))
            s.raw(meanwhile(s));
    }

    std::mt19937 random_;
};

std::array<std::uint8_t, PreferencesRecord::fileSize> fileBytes(const std::string& path) {
    std::array<std::uint8_t, PreferencesRecord::fileSize> bytes{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

int boxSum(const std::string& boxes) {
    int sum = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i] == '1')
            sum += static_cast<int>(i) + 1;
    return sum;
}

// Follows the boxes and dice through the transcript and checks the board's
// invariants at every change of the boxes.
class BoardWatch {
public:
    void see(const Line& line) {
        const std::string kind = line.fields.empty() ? "" : line.fields[0];
        if (kind == "screen") {
            *this = BoardWatch{};
        } else if (kind == "turn" || kind == "banner") {
            // The dice go back to the cup at the end of a turn or a game, and
            // a new game starts with them there; after the banner no box may
            // be shut until the next game.
            diceOut_ = false;
        } else if (kind == "dice") {
            throw_ = 0;
            std::istringstream faces(line.fields.at(2));
            std::string face;
            int count = 0;
            while (std::getline(faces, face, ',')) {
                EXPECT_TRUE(face.size() == 1 && face[0] >= '1' && face[0] <= '6') << line.text();
                throw_ += std::stoi(face);
                ++count;
            }
            EXPECT_TRUE(count == 1 || count == 2) << line.text();
            diceOut_ = true;
        } else if (kind == "boxes") {
            checkBoxes(line);
        } else if (kind == "scores") {
            for (std::size_t i = 2; i < line.fields.size(); ++i)
                EXPECT_GE(std::stol(line.fields[i]), 0) << line.text();
            EXPECT_LE(std::stol(line.fields.at(2)), 45) << line.text();
            EXPECT_LE(std::stol(line.fields.at(4)), 45) << line.text();
        }
    }

private:
    void checkBoxes(const Line& line) {
        const std::string& shut = line.fields.at(2);
        const std::string& pending = line.fields.at(3);
        ASSERT_EQ(shut.size(), 9u) << line.text();
        ASSERT_EQ(pending.size(), 9u) << line.text();
        for (std::size_t i = 0; i < 9; ++i) {
            if (pending[i] == '1') {
                EXPECT_EQ(shut[i], '1')
                    << "a pending box is shut: " << line.time << " " << line.text();
            }
        }
        const int pendingSum = boxSum(pending);
        EXPECT_LE(pendingSum, throw_)
            << "pending boxes within the throw: " << line.time << " " << line.text();
        if (pendingSum > 0) {
            EXPECT_TRUE(diceOut_) << "nothing pending with the dice in the cup: " << line.time
                                  << " " << line.text();
        }
        // The throw completed: the same boxes shut, none pending any more.
        if (pendingSum == 0 && boxSum(lastPending_) > 0 && shut == lastShut_)
            diceOut_ = shut == "111111111";
        lastShut_ = shut;
        lastPending_ = pending;
    }

    int throw_ = 0;
    bool diceOut_ = false;
    std::string lastShut_ = "000000000";
    std::string lastPending_ = "000000000";
};

} // namespace

TEST(ShutTheBoxMonkey, ThousandsOfRandomEventsKeepTheBoardSound) {
    PreferencesRecord start = boxRecord(true, 0);
    start.gremlinOn = 1;
    Scenario s;
    s.writeRecord(start);
    ASSERT_EQ(s.run(Monkey(20240612).script(6000)), 0);

    BoardWatch watch;
    for (const Line& line : s.lines()) {
        watch.see(line);
        // The only errors: options asked for while the main screen is up.
        if (!line.fields.empty() && line.fields[0] == "error") {
            EXPECT_EQ(line.fields.at(1).rfind("no menu item", 0), 0u) << line.text();
        }
    }
    // The session did reach the states worth reaching.
    const Lines all = events(s);
    const auto seen = [&](const std::string& prefix) {
        return std::any_of(all.begin(), all.end(),
                           [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(seen("gremlin\t"));
    EXPECT_TRUE(seen("banner\t"));
    EXPECT_TRUE(seen("cursor\twait"));
    EXPECT_TRUE(seen("dropped"));
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const std::string& l) {
        return l.rfind("dice\tshutthebox\t", 0) == 0 && l.find(',') == std::string::npos;
    })) << "one die thrown";

    // The record saved at the end reads back to the very same bytes...
    const auto saved = fileBytes(s.prfPath());
    const PreferencesRecord record = s.record();
    EXPECT_EQ(record.toBytes(), saved);
    EXPECT_GE(record.shutTheBoxDelay, 0);
    EXPECT_LE(record.shutTheBoxDelay, 200);
    EXPECT_EQ(record.shutTheBoxDelay % 10, 0);
    for (int i = 1; i < 10; ++i)
        EXPECT_GE(record.shutTheBoxTopScores[i].value, record.shutTheBoxTopScores[i + 1].value);

    // ...and the program takes it as it is: the same record saved again, but
    // for the tip that advances at each start.
    ASSERT_EQ(s.run(""), 0);
    EXPECT_TRUE(s.linesStarting("dialog").empty());
    PreferencesRecord again = s.record();
    again.currentTip = record.currentTip;
    EXPECT_EQ(again.toBytes(), saved);
}
