// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFiles.h"

#include <filesystem>

namespace tumbledown {

namespace {
std::string& dataDir() {
    static std::string dir;
    return dir;
}
std::string& prefsDir() {
    static std::string dir = ".";
    return dir;
}
} // namespace

void setInstalledDataDir(const std::string& dir) {
    dataDir() = dir;
}
const std::string& installedDataDir() {
    return dataDir();
}

std::string locateDataFile(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (name.empty() || fs::exists(name, ec) || dataDir().empty() || fs::path(name).is_absolute())
        return name;
    const fs::path installed = fs::path(dataDir()) / name;
    return fs::exists(installed, ec) ? installed.string() : name;
}

void setPreferencesDir(const std::string& dir) {
    prefsDir() = dir;
}

std::string preferencesPath() {
    return (std::filesystem::path(prefsDir()) / "tumbledown.prf").string();
}

std::string viewSettingsPath() {
    return (std::filesystem::path(prefsDir()) / "tumbledown.ini").string();
}

} // namespace tumbledown
