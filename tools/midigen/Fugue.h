// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The background music: an original three-voice fugue in D minor for
// harpsichord, written as a legible text score and turned into MIDI.

#include "MidiWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace fugue {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerBar = 4 * kTicksPerQuarter; // 4/4 throughout

struct Note {
    int pitch; // MIDI key, middle C = 60
    int start; // ticks from the beginning of the piece
    int length;
};

// Parses one voice of the text score. Tokens are separated by blanks:
//   D4q  Bb3e.  C#5s  F4h~  rq  |
// A note is a letter, optional '#' or 'b' accidentals and an octave (C4 is
// middle C); the duration is w, h, q, e or s, optionally dotted; a rest is
// 'r' plus a duration. A trailing '~' ties the note to the next one, which
// must have the same pitch. '|' is a bar line and must fall on a bar boundary
// counted from offset. Throws std::invalid_argument on malformed input.
std::vector<Note> parseVoice(std::string_view text, int offset = 0);

// Length in ticks of a voice text, rests included; same rules as parseVoice.
int voiceLength(std::string_view text);

struct Voice {
    std::string name;
    int channel;
    int lowest; // playable range, MIDI keys
    int highest;
    std::vector<Note> notes;
};

struct TempoChange {
    int tick;
    int beatsPerMinute;
};

struct Score {
    std::vector<Voice> voices; // soprano, alto, bass
    std::vector<TempoChange> tempo;
    int lengthTicks;
};

// The fugue, parsed and laid end to end section by section. Throws
// std::logic_error if a section's voices differ in length.
Score buildScore();

// Playing time in seconds of the first `ticks` ticks under the score's tempo map.
double secondsAt(const Score& score, int ticks);

struct VoiceLeadingReport {
    std::vector<std::string> errors;   // notes out of range, crossed voices
    std::vector<std::string> warnings; // strong-beat dissonances, parallel fifths/octaves
    int strongBeats = 0;               // beats 1 and 3 with at least two voices sounding
    int consonantStrongBeats = 0;
    int parallels = 0;

    double consonance() const {
        return strongBeats == 0 ? 1.0 : double(consonantStrongBeats) / strongBeats;
    }
};

// Cheap sanity checks a counterpoint teacher would do first.
VoiceLeadingReport checkVoiceLeading(const Score& score);

// Format 1 file: a conductor track (tempo, metre, key) and one track per voice.
midi::File toMidi(const Score& score);

} // namespace fugue
