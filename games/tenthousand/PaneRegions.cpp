// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaneRegions.h"

#include "PaneShapes.h"

namespace tumbledown {

void PaneRegions::build(int originX, int originY) {
    for (std::size_t i = 0; i < regions_.size(); ++i) {
        QPolygon polygon;
        for (const PaneVertex& vertex : paneShapes()[i].vertices)
            polygon << QPoint(originX + vertex.x, originY + vertex.y);
        regions_[i] = polygon;
    }
}

int PaneRegions::paneAt(int x, int y) const {
    for (std::size_t i = 0; i < regions_.size(); ++i)
        if (regions_[i].containsPoint(QPoint(x, y), Qt::WindingFill))
            return paneShapes()[i].code;
    return 0;
}

int PaneRegions::scoringPaneAt(int x, int y) const {
    for (std::size_t i = 0; i < regions_.size(); ++i) {
        const int code = paneShapes()[i].code;
        if (code <= 24 && regions_[i].containsPoint(QPoint(x, y), Qt::WindingFill))
            return code;
    }
    return 0;
}

} // namespace tumbledown
