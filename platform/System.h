// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Audio.h"
#include "Host.h"
#include "RandomSource.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tumbledown {

class Clock;

// The program-wide services behind the free functions below. main() installs
// the real ones, or the replay mode's.
struct Services {
    Clock* clock = nullptr;
    Host* host = nullptr;
    RandomSource random;
    SoundPlayer* sound = nullptr;
    MusicDevice* music = nullptr;
    // Moves input that the window system holds into the program's queue.
    std::function<void()> pullPendingInput;
    // Hands the end of the tune (reported on the audio thread) to the window.
    std::function<void()> musicEnded;
    // Whether the audio device has finished opening (unset: always ready).
    std::function<bool()> audioReady;
};

Services& services();

std::uint32_t timeGetTime();
// Returns after at least ms milliseconds (0 and below: at once). Drawing done
// so far is shown; input waits in the queue.
void delay(std::int32_t ms);

std::int32_t rand();
void seedRandom();

// Throws away every queued mouse event (presses, releases, moves); keys stay.
void flushMouseQueue();

// A termination signal arrived: the box or dialog waiting for the player takes
// its default answer (No, OK, or cancel), and from then on every wait returns
// at once and every box, dialog and file dialog answers its default without
// asking, so that the running handler ends and the close path saves the record.
void requestTermination();
bool terminationRequested();

MessageAnswer messageBox(const std::string& caption, const std::string& text,
                         MessageButtons buttons = MessageButtons::Ok);
bool runModal(ModalDialog& dialog);
std::optional<std::string> chooseFile(const std::string& filter);
void setCursor(CursorShape shape);
// The desktop's "open" of a data file found by its bare name; does not wait.
void openDocument(const std::string& name);

} // namespace tumbledown
