// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tumbledown {

// How the player likes the window's view, kept in a small text file of its own
// beside tumbledown.prf (whose form is fixed):
//
//   # Tumbledown view settings
//   zoom=2
//
// Unknown keys are skipped, so a later version may add some.
struct ViewSettings {
    static constexpr int maxZoom = 16;
    int zoom = 1;
};

// A missing, unreadable or damaged file gives the defaults.
ViewSettings loadViewSettings(const std::string& path);
// Written through a temporary file renamed over the old one; false on failure.
bool saveViewSettings(const ViewSettings& settings, const std::string& path);

} // namespace tumbledown
