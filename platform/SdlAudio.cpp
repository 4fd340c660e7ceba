// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SdlAudio.h"

#include "Clock.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace tumbledown {

namespace {
constexpr int effectsChannel = 0;

// The mixer and everything it pulls in (synthesiser, codecs, sound servers'
// clients) is loaded when the audio device opens, on the worker thread, not
// when the program starts.
#define TUMBLEDOWN_MIXER_FUNCTIONS(X)                                                              \
    X(SDL_SetHint)                                                                                 \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_RWFromConstMem)                                                                          \
    X(Mix_OpenAudio)                                                                               \
    X(Mix_Init)                                                                                    \
    X(Mix_Quit)                                                                                    \
    X(Mix_AllocateChannels)                                                                        \
    X(Mix_CloseAudio)                                                                              \
    X(Mix_SetSoundFonts)                                                                           \
    X(Mix_LoadWAV_RW)                                                                              \
    X(Mix_PlayChannelTimed)                                                                        \
    X(Mix_Playing)                                                                                 \
    X(Mix_HaltChannel)                                                                             \
    X(Mix_FreeChunk)                                                                               \
    X(Mix_LoadMUS)                                                                                 \
    X(Mix_HookMusicFinished)                                                                       \
    X(Mix_PlayMusic)                                                                               \
    X(Mix_HaltMusic)                                                                               \
    X(Mix_FreeMusic)

struct Mixer {
#define TUMBLEDOWN_DECLARE(name) decltype(&::name) name = nullptr;
    TUMBLEDOWN_MIXER_FUNCTIONS(TUMBLEDOWN_DECLARE)
#undef TUMBLEDOWN_DECLARE
};

// Null when the library or one of its functions is missing.
const Mixer* loadMixer() {
    static const Mixer* loaded = []() -> const Mixer* {
        void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static Mixer mixer;
        bool complete = true;
#define TUMBLEDOWN_LOAD(name)                                                                      \
    mixer.name = reinterpret_cast<decltype(mixer.name)>(dlsym(library, #name));                    \
    complete = complete && mixer.name;
        TUMBLEDOWN_MIXER_FUNCTIONS(TUMBLEDOWN_LOAD)
#undef TUMBLEDOWN_LOAD
        return complete ? &mixer : nullptr;
    }();
    return loaded;
}

// Only called once the device is open, so the library is there.
const Mixer& mix() {
    return *loadMixer();
}

// The tune's end is reported on the audio thread; the hook hands it on.
std::mutex endHookMutex;
std::function<void()> endHook;
std::atomic<bool> halting{false};
} // namespace

bool openSdlAudio() {
    const Mixer* m = loadMixer();
    if (!m)
        return false;
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads.
    m->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (m->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (m->Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        m->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m->Mix_Init(MIX_INIT_MID);
    m->Mix_AllocateChannels(1);
    return true;
}

void closeSdlAudio() {
    mix().Mix_CloseAudio();
    mix().Mix_Quit();
    mix().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void useInstalledSoundFont() {
    if (std::getenv("SDL_SOUNDFONTS"))
        return; // the user's own choice wins
    for (const char* candidate :
         // The small font loads in a blink; the larger ones are fuller but slow to load.
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"}) {
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec)) {
            mix().Mix_SetSoundFonts(candidate);
            return;
        }
    }
}

SdlSoundPlayer::~SdlSoundPlayer() {
    stop();
}

void SdlSoundPlayer::play(const SoundImage& image, PlayMode mode) {
    stop();
    if (image.bytes.empty())
        return;
    SDL_RWops* source =
        mix().SDL_RWFromConstMem(image.bytes.data(), static_cast<int>(image.bytes.size()));
    chunk_ = mix().Mix_LoadWAV_RW(source, 1);
    if (!chunk_ || mix().Mix_PlayChannelTimed(effectsChannel, chunk_, 0, -1) < 0)
        return;
    if (mode == PlayMode::Sync)
        while (mix().Mix_Playing(effectsChannel))
            clock_.sleepFor(5);
}

void SdlSoundPlayer::stop() {
    mix().Mix_HaltChannel(effectsChannel);
    if (chunk_) {
        mix().Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
    }
}

SdlMusicDevice::~SdlMusicDevice() {
    close();
}

bool SdlMusicDevice::open(const std::string& path) {
    close();
    if (!looksLikeMidi(path))
        return false;
    music_ = mix().Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
}

bool SdlMusicDevice::play(std::function<void()> onEnd) {
    if (!music_)
        return false;
    {
        std::lock_guard lock(endHookMutex);
        endHook = std::move(onEnd);
    }
    mix().Mix_HookMusicFinished(&SdlMusicDevice::finished);
    // The mixer repeats the tune itself: the synthesizer reports an end only
    // about two seconds after its last note has died away, which would leave a
    // pause at every repeat. The hook stays for a tune that stops on its own.
    return mix().Mix_PlayMusic(music_, -1) == 0;
}

void SdlMusicDevice::finished() {
    if (halting)
        return; // a stop we asked for is not the end of the tune
    std::lock_guard lock(endHookMutex);
    if (endHook)
        endHook();
}

void SdlMusicDevice::stop() {
    halting = true;
    mix().Mix_HaltMusic();
    halting = false;
}

void SdlMusicDevice::close() {
    if (!music_)
        return;
    stop();
    mix().Mix_FreeMusic(music_);
    music_ = nullptr;
}

} // namespace tumbledown
