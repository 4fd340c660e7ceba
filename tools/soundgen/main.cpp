// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// soundgen OUTDIR: writes every sound effect of the program as a WAV file into OUTDIR.
#include "Effects.h"
#include "WavWriter.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: soundgen OUTDIR\n";
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::cerr << "soundgen: cannot create " << outDir << ": " << error.message() << '\n';
        return 1;
    }
    for (const synth::Effect& effect : synth::allEffects()) {
        if (!synth::writeWav(outDir / effect.fileName, effect.generate())) {
            std::cerr << "soundgen: cannot write " << (outDir / effect.fileName) << '\n';
            return 1;
        }
    }
    return 0;
}
