// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// midigen: writes the background music, OUTDIR/fugue.mid.

#include "Fugue.h"

#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    const bool verbose = argc == 3 && std::strcmp(argv[1], "-v") == 0;
    if (argc != 2 && !verbose) {
        std::cerr << "usage: midigen [-v] OUTDIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[argc - 1];

    try {
        const fugue::Score score = fugue::buildScore();
        const fugue::VoiceLeadingReport report = fugue::checkVoiceLeading(score);
        for (const std::string& error : report.errors) {
            std::cerr << "error: " << error << '\n';
        }
        if (verbose) {
            for (const std::string& warning : report.warnings) {
                std::cerr << "note: " << warning << '\n';
            }
        }
        if (!report.errors.empty()) {
            return 1;
        }

        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
        const std::filesystem::path path = dir / "fugue.mid";
        if (!fugue::toMidi(score).save(path.string())) {
            std::cerr << "midigen: cannot write " << path << '\n';
            return 1;
        }
        std::cout << "wrote " << path.string() << ": "
                  << double(score.lengthTicks) / fugue::kTicksPerBar << " bars, "
                  << fugue::secondsAt(score, score.lengthTicks) << " s, "
                  << int(100 * report.consonance() + 0.5) << "% consonant strong beats, "
                  << report.parallels << " parallel fifths/octaves\n";
    } catch (const std::exception& e) {
        std::cerr << "midigen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
