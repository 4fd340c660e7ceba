// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tumbledown {

// Sounds, music and the help document are named by bare file names. They are
// looked for in the working directory first (a player's own files win), then in
// the program's installed data folder.
void setInstalledDataDir(const std::string& dir);
const std::string& installedDataDir();
std::string locateDataFile(const std::string& name);

// Where tumbledown.prf lives.
void setPreferencesDir(const std::string& dir);
std::string preferencesPath();
// The view settings file, beside tumbledown.prf.
std::string viewSettingsPath();

} // namespace tumbledown
