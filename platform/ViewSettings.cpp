// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ViewSettings.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace tumbledown {

namespace {

// A settings file is a few lines; anything much larger is not one.
constexpr std::streamsize largestFile = 4096;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> zoomValue(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < 1 || value > ViewSettings::maxZoom)
        return std::nullopt;
    return value;
}

std::optional<ViewSettings> parse(const std::string& text) {
    ViewSettings settings;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            return std::nullopt;
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (key == "zoom") {
            const std::optional<int> zoom = zoomValue(value);
            if (!zoom)
                return std::nullopt;
            settings.zoom = *zoom;
        }
    }
    return settings;
}

} // namespace

ViewSettings loadViewSettings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string text(static_cast<std::size_t>(largestFile) + 1, '\0');
    in.read(text.data(), largestFile + 1);
    if (in.gcount() > largestFile || text.find('\0') < static_cast<std::size_t>(in.gcount()))
        return {};
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parse(text).value_or(ViewSettings{});
}

bool saveViewSettings(const ViewSettings& settings, const std::string& path) {
    const std::string temporary = path + ".tmp";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "# Tumbledown view settings\nzoom=" << settings.zoom << "\n";
        out.flush();
        written = static_cast<bool>(out);
    }
    std::error_code ec;
    if (written)
        std::filesystem::rename(temporary, path, ec);
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace tumbledown
