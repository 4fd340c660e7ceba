// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouInput.h"

#include "PaneRegions.h"
#include "PaneShapes.h"
#include "TenThouGame.h"
#include "TenThouLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/BoardSpots.h"
#include "games/board/GameShell.h"

#include <algorithm>
#include <array>

namespace tumbledown::tenthousand {

using namespace layout;

TenThouInput::TenThouInput(TenThouGame& game, const PaneRegions& panes, GameShell& shell)
    : game_(game), panes_(panes), shell_(shell) {}

void TenThouInput::leftDown(int x, int y) {
    if (!game_.messageShowing())
        leftDownOnBoard(x, y);
    else if (game_.optionPrompt() == OptionPrompt::None)
        game_.dismiss(DismissBy::LeftClick);
    else
        leftDownOnPrompt(x, y);
}

void TenThouInput::leftDownOnBoard(int x, int y) {
    if (const int pane = panes_.paneAt(x, y)) {
        game_.clickPane(static_cast<Pane>(pane));
    } else if (back.contains(x, y)) {
        shell_.leaveGame();
    } else if (game_.buttons().press(x, y)) {
        // the button has done its work
    } else if (players[0].name.contains(x, y) || players[1].name.contains(x, y)) {
        shell_.runOptionsDialog();
    }
}

void TenThouInput::leftDownOnPrompt(int x, int y) {
    if (playOption.contains(x, y))
        game_.play();
    else if (resetOption.contains(x, y))
        game_.resetPlayers();
    else if (quitOption.contains(x, y))
        shell_.leaveGame();
}

void TenThouInput::leftUp(int x, int y) {
    game_.buttons().release(x, y);
}

void TenThouInput::rightDown(int x, int y) {
    if (game_.messageShowing()) {
        game_.dismiss(DismissBy::RightClick);
    } else if (const int pane = panes_.scoringPaneAt(x, y)) {
        game_.undoPane(static_cast<Pane>(pane));
    }
}

void TenThouInput::character(char c) {
    if (game_.messageShowing()) {
        game_.dismiss(DismissBy::Key);
        return;
    }
    if (stepDelayByKey(c, game_.settings().delay()))
        return;
    switch (c) {
    case ' ':
        game_.roll();
        break;
    case 'p':
    case 'P':
        game_.pass();
        break;
    case 's':
    case 'S':
        game_.topScoresBox();
        break;
    default:
        break;
    }
}

namespace {

// The panes in the order they are hit, as the keyboard and a screen reader name them.
struct PaneName {
    const char* id;
    const char* name;
};
constexpr std::array<PaneName, layout::paneCount> paneNames{{
    {"pane-straight", "Straight"},
    {"pane-three-pairs", "Three pairs"},
    {"pane-three-1", "Three 1's"},
    {"pane-three-6", "Three 6's"},
    {"pane-three-5", "Three 5's"},
    {"pane-three-4", "Three 4's"},
    {"pane-three-3", "Three 3's"},
    {"pane-three-2", "Three 2's"},
    {"pane-single-1", "Single 1"},
    {"pane-single-5", "Single 5"},
    {"pane-roll", "Roll"},
    {"pane-pass", "Pass"},
}};

// The ring goes round the pane's outline; Return clicks the middle of its
// picture, which lies inside the outline and no earlier pane's.
Spot paneSpot(std::size_t i, const TenThouRules& rules) {
    const PaneShape& shape = paneShapes()[i];
    int left = shape.vertices[0].x, right = left, top = shape.vertices[0].y, bottom = top;
    for (const PaneVertex& v : shape.vertices) {
        left = std::min(left, v.x), right = std::max(right, v.x);
        top = std::min(top, v.y), bottom = std::max(bottom, v.y);
    }
    const Pane pane = static_cast<Pane>(shape.code);
    std::string name = paneNames[i].name;
    if (const int worth = rules.worth(pane)) {
        name += ", " + std::to_string(worth) + " points";
        if (rules.test(pane))
            name += ", can score";
        if (rules.recordHolds(pane))
            name += ", scored";
    }
    Spot spot = buttonSpot(paneNames[i].id, {left, top, right - left, bottom - top}, name);
    const Rect& picture = panes[i + 1];
    spot.click = {picture.x + picture.width / 2, picture.y + picture.height / 2};
    return spot;
}

} // namespace

std::vector<Spot> TenThouInput::spots() const {
    std::vector<Spot> spots;
    if (game_.optionPrompt() != OptionPrompt::None) {
        spots.push_back(buttonSpot("play", playOption, "Play"));
        spots.push_back(buttonSpot("reset-players", resetOption, "Reset players"));
        spots.push_back(buttonSpot("quit", quitOption, "Quit"));
        return spots;
    }
    if (game_.messageShowing()) {
        spots.push_back(buttonSpot("message", panel, "Continue"));
        return spots;
    }
    for (std::size_t i = 0; i < paneNames.size(); ++i)
        spots.push_back(paneSpot(i, game_.rules()));
    spots.push_back(buttonSpot("back", back, "Main screen"));
    addButtonSpots(spots, buttons);
    const Opponent computer = game_.settings().opponent();
    for (Seat seat : {Seat::One, Seat::Two})
        spots.push_back(nameSpot(seat, players[seatIndex(seat)].name, seatName(seat, computer)));
    return spots;
}

bool TenThouInput::claimsKey(char) const {
    return game_.messageShowing();
}

BoardWords TenThouInput::words() const {
    BoardWords words;
    if (game_.messageShowing())
        words.message = joinedLines(game_.messageLines());
    const TenThouRules& rules = game_.rules();
    const Opponent computer = game_.settings().opponent();
    for (Seat seat : {Seat::One, Seat::Two})
        words.scores += (seat == Seat::One ? "" : ". ") + seatName(seat, computer) + " " +
                        std::to_string(rules.turnScore(seat)) + " this turn, " +
                        std::to_string(rules.total(seat)) + " in all";
    std::vector<int> faces;
    for (int die = 1; die <= 6; ++die)
        if (rules.inPlay(die) && rules.shown(die))
            faces.push_back(rules.dieValue(die));
    words.dice = diceWords(faces, [](int face) { return std::to_string(face); });
    return words;
}

} // namespace tumbledown::tenthousand
