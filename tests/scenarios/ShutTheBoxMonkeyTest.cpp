// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Scenario.h"
#include "ShutTheBoxScript.h"
#include "TranscriptWatch.h"

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

} // namespace

TEST(ShutTheBoxMonkey, ThousandsOfRandomEventsKeepTheBoardSound) {
    PreferencesRecord start = boxRecord(true, 0);
    start.gremlinOn = 1;
    Scenario s;
    s.writeRecord(start);
    ASSERT_EQ(s.run(Monkey(20240612).script(6000)), 0);

    test::TranscriptWatch watch;
    for (const Line& line : s.lines()) {
        for (const std::string& fault : watch.see(line))
            ADD_FAILURE() << fault;
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
    const auto saved = test::recordFileBytes(s.prfPath());
    const PreferencesRecord record = s.record();
    EXPECT_EQ(record.toBytes(), saved);
    EXPECT_EQ(test::recordFaults(record), std::vector<std::string>{});

    // ...and the program takes it as it is: the same record saved again, but
    // for the tip that advances at each start.
    ASSERT_EQ(s.run(""), 0);
    EXPECT_TRUE(s.linesStarting("dialog").empty());
    PreferencesRecord again = s.record();
    again.currentTip = record.currentTip;
    EXPECT_EQ(again.toBytes(), saved);
}
