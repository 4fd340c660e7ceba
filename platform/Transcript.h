// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tumbledown {

// A line-per-event record of everything the program shows, plays, waits for
// and saves. Written only when a file was opened (replay runs, or on request);
// otherwise every call is a cheap no-op.
class Transcript {
public:
    bool open(const std::string& path);
    bool isOpen() const { return out_.is_open(); }
    void setTimeSource(std::function<std::uint32_t()> now) { now_ = std::move(now); }
    // Told the kind (first field) of every line, written or not: what the
    // board shows in words is announced to assistive technology from here.
    void setWatcher(std::function<void(std::string_view kind)> watcher) {
        watcher_ = std::move(watcher);
    }

    // Writes the current time, then the fields separated by tabs, escaped.
    void write(std::initializer_list<std::string_view> fields);

    static std::string escape(std::string_view text);

private:
    std::ofstream out_;
    std::function<std::uint32_t()> now_;
    std::function<void(std::string_view)> watcher_;
};

Transcript& transcript();

} // namespace tumbledown
