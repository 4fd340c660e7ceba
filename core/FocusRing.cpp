// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusRing.h"

#include <cstdlib>
#include <limits>
#include <utility>

namespace tumbledown {

namespace {

Point middle(const Rect& r) {
    return {r.x + r.width / 2, r.y + r.height / 2};
}

// How far the arrow has to go from one middle to the other, or -1 when the
// other lies the wrong way. Straying sideways counts twice, so that a
// neighbour in the same row or column wins over a nearer one off it.
long arrowDistance(NavKey key, Point from, Point to) {
    long along = 0;
    long across = 0;
    switch (key) {
    case NavKey::Left:
        along = from.x - to.x, across = to.y - from.y;
        break;
    case NavKey::Right:
        along = to.x - from.x, across = to.y - from.y;
        break;
    case NavKey::Up:
        along = from.y - to.y, across = to.x - from.x;
        break;
    case NavKey::Down:
        along = to.y - from.y, across = to.x - from.x;
        break;
    default:
        return -1;
    }
    return along > 0 ? along + 2 * std::labs(across) : -1;
}

} // namespace

Spot buttonSpot(std::string id, const Rect& area, std::string name) {
    return {std::move(id), area, middle(area), std::move(name), SpotRole::Button, false};
}

Spot toggleSpot(std::string id, const Rect& area, std::string name, bool on) {
    return {std::move(id), area, middle(area), std::move(name), SpotRole::Toggle, on};
}

const Spot* FocusRing::focused(const std::vector<Spot>& spots) const {
    if (id_.empty())
        return nullptr;
    for (const Spot& spot : spots)
        if (spot.id == id_)
            return &spot;
    return nullptr;
}

void FocusRing::clear() {
    id_.clear();
    index_ = 0;
}

void FocusRing::take(const std::vector<Spot>& spots, std::size_t index) {
    id_ = spots[index].id;
    last_ = spots[index].area;
    index_ = index;
}

bool FocusRing::move(NavKey key, const std::vector<Spot>& spots) {
    const std::size_t n = spots.size();
    if (n == 0)
        return false;
    const Spot* current = focused(spots);
    const std::size_t at = current ? static_cast<std::size_t>(current - spots.data()) : index_ % n;
    std::size_t next = at;
    if (id_.empty()) {
        next = key == NavKey::Backtab ? n - 1 : 0;
    } else if (key == NavKey::Tab) {
        // From a spot that has gone, on to the one that took its place.
        next = current ? (at + 1) % n : at;
    } else if (key == NavKey::Backtab) {
        next = (at + n - 1) % n;
    } else {
        const Point from = middle(current ? current->area : last_);
        long best = std::numeric_limits<long>::max();
        for (std::size_t i = 0; i < n; ++i) {
            const long d = arrowDistance(key, from, middle(spots[i].area));
            if (d >= 0 && d < best && &spots[i] != current) {
                best = d;
                next = i;
            }
        }
        if (best == std::numeric_limits<long>::max())
            return false;
    }
    if (current && next == at)
        return false;
    take(spots, next);
    return true;
}

} // namespace tumbledown
