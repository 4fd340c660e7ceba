// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// soundgen [-v] OUTDIR: writes every sound effect of the program as a WAV file into
// OUTDIR; -v prints each one's loudness and true peak.
#include "Effects.h"
#include "Loudness.h"
#include "WavWriter.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    const bool verbose = argc == 3 && std::strcmp(argv[1], "-v") == 0;
    if (argc != 2 && !verbose) {
        std::cerr << "usage: soundgen [-v] OUTDIR\n";
        return 2;
    }
    const std::filesystem::path outDir = argv[argc - 1];
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::cerr << "soundgen: cannot create " << outDir << ": " << error.message() << '\n';
        return 1;
    }
    if (verbose)
        std::printf("%-13s %11s %11s %9s\n", "file", "integrated", "max. mom.", "peak");
    for (const synth::Effect& effect : synth::allEffects()) {
        const synth::Buffer sound = effect.generate();
        if (verbose) {
            const synth::Loudness figures =
                synth::measureLoudness(synth::fromPcm16(synth::toPcm16(sound)));
            std::printf("%-13s %6.1f LUFS %6.1f LUFS %4.1f dBTP\n", effect.fileName.c_str(),
                        figures.integrated, figures.maxMomentary, figures.truePeak);
        }
        if (!synth::writeWav(outDir / effect.fileName, sound)) {
            std::cerr << "soundgen: cannot write " << (outDir / effect.fileName) << '\n';
            return 1;
        }
    }
    return 0;
}
