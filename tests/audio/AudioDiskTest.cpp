// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound must really come out: the program's SDL audio layer plays into SDL's
// "disk" driver, which writes the mixed samples to a file we then measure.
#include "media/SoundEffects.h"
#include "platform/DataFiles.h"
#include "platform/RealClock.h"
#include "platform/SdlAudio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace tumbledown;

namespace {

namespace fs = std::filesystem;

// Root mean square of 16-bit stereo samples, as a fraction of full scale.
double rms(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (std::int16_t s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size())) / 32768.0;
}

std::vector<std::int16_t> readSamples(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

// Plays for a while into its own file and returns what the device received.
template <typename Play> std::vector<std::int16_t> capture(const std::string& name, Play play) {
    const fs::path file = fs::temp_directory_path() / ("td-audio-" + name + ".raw");
    fs::remove(file);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    EXPECT_TRUE(openSdlAudio());
    useInstalledSoundFont();
    play();
    closeSdlAudio();
    auto samples = readSamples(file);
    fs::remove(file);
    return samples;
}

} // namespace

TEST(AudioOutput, AnEffectAndTheMusicProduceSound) {
    setInstalledDataDir(TUMBLEDOWN_DATA_DIR);
    RealClock clock;

    const auto effect = capture("effect", [&] {
        SdlSoundPlayer player(clock);
        player.play(loadSound("Dice1.wav"), PlayMode::Sync); // returns once it has ended
    });
    ASSERT_GT(effect.size(), 44100u / 4); // a quarter second or more reached the device
    EXPECT_GT(rms(effect), 0.01);

    const auto music = capture("music", [&] {
        SdlMusicDevice device;
        ASSERT_TRUE(device.open(locateDataFile("fugue.mid")));
        ASSERT_TRUE(device.play([] {}));
        clock.sleepFor(2500);
        device.close();
        // A tune cut short never reaches the synthesizer (the file check's own tests
        // refuse every cut and damage).
        std::ifstream in(locateDataFile("fugue.mid"), std::ios::binary);
        const std::string tune{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        const fs::path cut = fs::temp_directory_path() / "td-damaged.mid";
        std::ofstream(cut, std::ios::binary) << tune.substr(0, tune.size() / 2);
        EXPECT_FALSE(device.open(cut.string()));
        fs::remove(cut);
    });
    ASSERT_GT(music.size(), 44100u * 2);
    // The tune starts at once: its second second is clearly audible.
    const std::vector<std::int16_t> second(music.begin() + 44100 * 2, music.begin() + 44100 * 4);
    EXPECT_GT(rms(second), 0.005);

    const auto silence = capture("silence", [&] {
        SdlSoundPlayer player(clock);
        player.play(loadSound("no-such-file.wav"), PlayMode::Sync);
        clock.sleepFor(300);
    });
    EXPECT_LT(rms(silence), 1e-4); // a missing file plays nothing
}
