// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPolygon>

#include <array>

namespace tumbledown {

// The hit shapes of the 10,000 window panes, in client coordinates, tested in
// table order. Rebuilt whenever the board origin moves.
class PaneRegions {
public:
    static constexpr int count = 12; // one per pane shape
    void build(int originX, int originY);
    // The pane code (15..24, 26 ROLL, 27 PASS) of the first pane holding the
    // point, or 0. Scoring panes only: ROLL and PASS are not tested.
    int paneAt(int x, int y) const;
    int scoringPaneAt(int x, int y) const;

private:
    std::array<QPolygon, count> regions_;
};

} // namespace tumbledown
