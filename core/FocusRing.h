// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardGeometry.h"
#include "platform/EventQueue.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tumbledown {

// A spot acts when clicked (a button), or switches something on and off.
enum class SpotRole { Button, Toggle };

// A place of a board that a click acts on now, as the keyboard and a screen
// reader reach it. Board-relative, like the layouts it is taken from.
struct Spot {
    std::string id;   // stable while the spot lives: "pane-roll", "die-3", "box-7", "name-1"
    Rect area;        // the ring goes round it
    Point click;      // where Return clicks: inside the area's own hit shape
    std::string name; // what it is and its state: "Box 7, shut"
    SpotRole role = SpotRole::Button;
    bool on = false; // a toggle's state
};

// A button clicked in the middle of its area.
Spot buttonSpot(std::string id, const Rect& area, std::string name);
// A switch clicked in the middle of its area.
Spot toggleSpot(std::string id, const Rect& area, std::string name, bool on);

// Which spot of a board has the keyboard's focus. It is kept by id, so the
// focus stays on a spot whose name or state changes; a spot that is no longer
// live keeps the focus hidden until it comes back or the focus moves on from
// where it was.
class FocusRing {
public:
    // Tab and Backtab go through the spots in their order, round; an arrow
    // goes to the nearest spot that way (by the middles of their areas), or
    // nowhere. With nothing focused any of them takes the first spot (Backtab
    // the last). True when the focus moved.
    bool move(NavKey key, const std::vector<Spot>& spots);
    // The focused spot among these, or none.
    const Spot* focused(const std::vector<Spot>& spots) const;
    bool empty() const { return id_.empty(); }
    void clear();

private:
    void take(const std::vector<Spot>& spots, std::size_t index);

    std::string id_;
    Rect last_;             // where the focused spot was
    std::size_t index_ = 0; // and its place in the order
};

} // namespace tumbledown
