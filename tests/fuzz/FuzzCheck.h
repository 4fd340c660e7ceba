// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace tumbledown::fuzz {

// A property that fails stops the run like a crash, so that libFuzzer (and
// the corpus replay) keeps the input and says what broke.
inline void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

// A file of this process's own for the code under test that reads files: each
// input is written to it in turn. It goes when the run ends.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& extension)
        : path_((std::filesystem::temp_directory_path() /
                 ("tumbledown-fuzz-" + std::to_string(::getpid()) + extension))
                    .string()) {}
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& write(const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path_;
    }

private:
    std::string path_;
};

} // namespace tumbledown::fuzz
