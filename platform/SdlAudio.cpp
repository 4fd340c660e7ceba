#include "SdlAudio.h"

#include "Clock.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <mutex>

namespace tumbledown {

namespace {
constexpr int effectsChannel = 0;

// The tune's end is reported on the audio thread; the hook hands it on.
std::mutex endHookMutex;
std::function<void()> endHook;
std::atomic<bool> halting{false};
} // namespace

bool openSdlAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(1);
    return true;
}

void closeSdlAudio() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void useInstalledSoundFont() {
    if (SDL_getenv("SDL_SOUNDFONTS"))
        return; // the user's own choice wins
    for (const char* candidate :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"}) {
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec)) {
            Mix_SetSoundFonts(candidate);
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
        SDL_RWFromConstMem(image.bytes.data(), static_cast<int>(image.bytes.size()));
    chunk_ = Mix_LoadWAV_RW(source, 1);
    if (!chunk_ || Mix_PlayChannel(effectsChannel, chunk_, 0) < 0)
        return;
    if (mode == PlayMode::Sync)
        while (Mix_Playing(effectsChannel))
            clock_.sleepFor(5);
}

void SdlSoundPlayer::stop() {
    Mix_HaltChannel(effectsChannel);
    if (chunk_) {
        Mix_FreeChunk(chunk_);
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
    music_ = Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
}

bool SdlMusicDevice::play(std::function<void()> onEnd) {
    if (!music_)
        return false;
    {
        std::lock_guard lock(endHookMutex);
        endHook = std::move(onEnd);
    }
    Mix_HookMusicFinished(&SdlMusicDevice::finished);
    return Mix_PlayMusic(music_, 0) == 0;
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
    Mix_HaltMusic();
    halting = false;
}

void SdlMusicDevice::close() {
    if (!music_)
        return;
    stop();
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

} // namespace tumbledown
