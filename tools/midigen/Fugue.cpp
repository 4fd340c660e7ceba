// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fugue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace fugue {

namespace {

// ---------------------------------------------------------------------------
// The score. Subject (alto, bars 1-2):
//
//   D4q A4q Bb4e A4e G4e F4e | E4s F4s G4e C#4e E4e D4q
//
// a rising fifth, a falling line and a turn that drops onto the leading
// note. The answer is tonal: the opening D-A becomes A-D so that it stays in
// D minor before the rest moves to the dominant. The countersubject moves in
// eighths against the subject's quarters and in quarters against its
// sixteenths, in thirds and sixths so that it works above and below.
// Episodes sequence the subject's second half (three rising notes, a leap
// down, a leap back) over chains of fifths.

struct Section {
    const char* title;
    const char* soprano;
    const char* alto;
    const char* bass;
};

// One string per voice and section, soprano / alto / bass; bars line up.
// clang-format off
constexpr std::array kSections{
    Section{"Exposition: subject in the alto, tonal answer in the soprano",
        "rw                       | rw                                | A4q D5q F5e E5e D5e C5e"
        "    | B4s C5s D5e G#4e B4e A4q G4q",
        "D4q A4q Bb4e A4e G4e F4e | E4s F4s G4e C#4e E4e D4q A3e Bb3e | re C4e D4e F4e A4e G4e F4q"
        " | D4q B3q C4q C#4q",
        "rw                       | rw                                | rw"
        "                         | rw"},

    Section{"Exposition: subject in the bass, countersubject in the soprano",
        "re F4e A4e C5e D5e C5e Bb4q | G4q E4q F4q A4q",
        "A3e D4e F4h D4q             | C#4q A3h F#4q",
        "D3q A3q Bb3e A3e G3e F3e    | E3s F3s G3e C#3e E3e D3q D3e C3e"},

    Section{"Episode 1: the turn in sequence, Gm - C - F",
        "Bb4s C5s D5e G4e Bb4e G4h   | A4s Bb4s C5e F4e A4e rh",
        "G4q D4q E4s F4s G4e C4e E4e | F4q D4q G4s F4s E4e C4e Bb3e",
        "Bb2q G2q C3q Bb2q           | A2q F2q C3q C2q"},

    Section{"Middle entry in F major, soprano, countersubject in the alto",
        "F4q C5q D5e C5e Bb4e A4e    | G4s A4s Bb4e E4e G4e F4q C5q",
        "re A3e C4e E4e F4e E4e D4q  | Bb3q G3q A3h",
        "F3q C3q Bb2e C3e G2e F2e    | C3q C2q F2q Eb3q"},

    Section{"Episode 2: the turn passed between soprano and alto, Bb - E - A - D",
        "D5s Eb5s F5e Bb4e D5e Bb4h  | C#5s D5s E5e A4e C#5e A4h",
        "F4h G4s A4s Bb4e E4e G4e    | E4h F#4s G4s A4e D4e F#4e",
        "D3q Bb2q E3q G3q            | A2q C#3q D3q F#2q"},

    Section{"Middle entry in G minor, bass, countersubject in the alto",
        "D5h G5h                     | F#5q Eb5q D5h",
        "re Bb3e D4e F4e G4e F4e Eb4q | C4q A3q Bb3h",
        "G2q D3q Eb3e D3e C3e Bb2e   | A2s Bb2s C3e F#2e A2e G2q D3q"},

    Section{"Episode 3: chain of sevenths back to D minor",
        "Bb4s C5s D5e G4e Bb4e~ Bb4h | A4s Bb4s C5e F4e A4e~ A4h | G4s A4s Bb4e E4e G4e~ G4h",
        "D4h E4s F4s G4e C4e E4e     | C4h D4s E4s F4e Bb3e D4e  | Bb3h C#4s D4s E4e A3e C#4e",
        "G2q Bb2q C3q E3q            | F2q A2q Bb2q D3q          | E2q G2q A2q C#3q"},

    Section{"Stretto: the alto follows the soprano an octave lower, two and a half beats behind",
        "D5q A5q Bb5e A5e G5e F5e | E5s F5s G5e C#5e E5e D5q E5e G5e | E5e F5e G5q E5q C#5e D5e",
        "rh re D4q A4e~           | A4e Bb4e A4e G4e F4e E4s F4s G4e C#4e | E4e D4q. C#4q E4q",
        "D3q F3q G3e F3e Bb2e D3e | A2e C#3e A2e C#3e D3q A2q             | A2e D3e Bb2q A2h"},

    Section{"Last entry, low in the bass, countersubject in the alto",
        "F5h. G5q                    | A5q G5q F5q E5q",
        "re F4e A4e C5e D5e C5e Bb4q | G4q E4q F4q G4q",
        "D2q A2q Bb2e A2e G2e F2e    | E2s F2s G2e C#2e E2e D2q A2q"},

    Section{"Coda: the subject over a tonic pedal, cadence with a Picardy third",
        "D5q A5q Bb5e A5e G5e F5e    | E5s F5s G5e C#5e E5e D5q F5q | D5q G5q F5e E5e C#5q | D5h",
        "F4q A4q D5q Bb4e A4e        | C#5q A4q F4q A4q             | F4q Bb4q A4q G4q     | F#4h",
        "D2h D2h                     | D2h D2h                      | Bb2q G2q A2h         | D2h"},
};
// clang-format on

constexpr int kBeatsPerMinute = 84;

// Ritardando into the final chord; the loop restarts a tempo.
constexpr int kRitardandoBar = 24; // zero-based bar in which it starts

// How long a harpsichord of a General MIDI soundfont goes on sounding after its
// key is released. The tune ends as that release does, so that the loop starts
// again without a pause; the final chord lasts no longer than a plucked string
// carries, so that it does not die away into silence first.
constexpr double kReleaseSeconds = 0.2;

struct VoiceSpec {
    const char* name;
    int channel;
    int lowest;
    int highest;
    int velocity; // base loudness; the bass a touch stronger than the alto
    int pan;
};

constexpr std::array<VoiceSpec, 3> kVoices{{
    {"Soprano", 0, 60, 82, 76, 76}, // C4-Bb5
    {"Alto", 1, 53, 74, 70, 60},    // F3-D5
    {"Bass", 2, 36, 62, 74, 48},    // C2-D4
}};

constexpr int kHarpsichord = 6; // General MIDI program 7, counted from zero

// Sets the music some 7 LU below the sound effects with the default soundfont.
constexpr std::uint8_t kChannelVolume = 95;

// --- parsing ---------------------------------------------------------------

struct Token {
    int pitch; // -1 for a rest
    int ticks;
    bool tie;
};

[[noreturn]] void fail(std::string_view token, const std::string& why) {
    throw std::invalid_argument("score token '" + std::string(token) + "': " + why);
}

int durationTicks(std::string_view token, std::size_t& pos) {
    if (pos >= token.size()) {
        fail(token, "missing duration");
    }
    int ticks = 0;
    switch (token[pos]) {
    case 'w':
        ticks = 4 * kTicksPerQuarter;
        break;
    case 'h':
        ticks = 2 * kTicksPerQuarter;
        break;
    case 'q':
        ticks = kTicksPerQuarter;
        break;
    case 'e':
        ticks = kTicksPerQuarter / 2;
        break;
    case 's':
        ticks = kTicksPerQuarter / 4;
        break;
    default:
        fail(token, "unknown duration");
    }
    ++pos;
    if (pos < token.size() && token[pos] == '.') {
        ticks += ticks / 2;
        ++pos;
    }
    return ticks;
}

Token parseToken(std::string_view token) {
    static constexpr int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    std::size_t pos = 0;
    Token result{-1, 0, false};
    if (token[0] == 'r') {
        pos = 1;
    } else {
        if (token[0] < 'A' || token[0] > 'G') {
            fail(token, "expected a note letter or 'r'");
        }
        int semitone = kLetterSemitones[token[0] - 'A'];
        pos = 1;
        while (pos < token.size() && (token[pos] == '#' || token[pos] == 'b')) {
            semitone += token[pos] == '#' ? 1 : -1;
            ++pos;
        }
        if (pos >= token.size() || !std::isdigit(static_cast<unsigned char>(token[pos]))) {
            fail(token, "missing octave");
        }
        const int octave = token[pos] - '0';
        ++pos;
        result.pitch = 12 * (octave + 1) + semitone;
    }
    result.ticks = durationTicks(token, pos);
    if (pos < token.size() && token[pos] == '~') {
        if (result.pitch < 0) {
            fail(token, "a rest cannot be tied");
        }
        result.tie = true;
        ++pos;
    }
    if (pos != token.size()) {
        fail(token, "unexpected characters");
    }
    return result;
}

template <typename OnToken> int walkVoice(std::string_view text, int offset, OnToken onToken) {
    int now = offset;
    std::size_t pos = 0;
    while (true) {
        pos = text.find_first_not_of(" \t\n", pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\n", pos), text.size());
        const std::string_view token = text.substr(pos, end - pos);
        pos = end;
        if (token == "|") {
            if (now % kTicksPerBar != 0) {
                fail(token, "bar line in the middle of a bar (tick " + std::to_string(now) + ")");
            }
            continue;
        }
        const Token parsed = parseToken(token);
        onToken(parsed, now);
        now += parsed.ticks;
    }
    return now - offset;
}

std::string noteName(int pitch) {
    static constexpr const char* kNames[] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                             "F#", "G",  "G#", "A",  "Bb", "B"};
    return kNames[pitch % 12] + std::to_string(pitch / 12 - 1);
}

std::string position(int tick) {
    return "bar " + std::to_string(tick / kTicksPerBar + 1) + " beat " +
           std::to_string(tick % kTicksPerBar / kTicksPerQuarter + 1);
}

// --- analysis --------------------------------------------------------------

// Pitch of the note sounding at tick, or -1 if the voice is silent.
int soundingAt(const Voice& voice, int tick) {
    const auto after = std::upper_bound(voice.notes.begin(), voice.notes.end(), tick,
                                        [](int t, const Note& note) { return t < note.start; });
    if (after == voice.notes.begin()) {
        return -1;
    }
    const Note& note = *std::prev(after);
    return tick < note.start + note.length ? note.pitch : -1;
}

bool isPerfect(int interval) {
    return interval % 12 == 0 || interval % 12 == 7;
}

// A fourth is a dissonance only against the lowest sounding voice.
bool isConsonant(int interval, bool againstBass) {
    switch (interval % 12) {
    case 0:
    case 3:
    case 4:
    case 7:
    case 8:
    case 9:
        return true;
    case 5:
        return !againstBass;
    default:
        return false;
    }
}

std::vector<int> onsets(const Score& score) {
    std::vector<int> ticks;
    for (const Voice& voice : score.voices) {
        for (const Note& note : voice.notes) {
            ticks.push_back(note.start);
        }
    }
    std::sort(ticks.begin(), ticks.end());
    ticks.erase(std::unique(ticks.begin(), ticks.end()), ticks.end());
    return ticks;
}

void checkRanges(const Score& score, VoiceLeadingReport& report) {
    for (const Voice& voice : score.voices) {
        for (const Note& note : voice.notes) {
            if (note.pitch < voice.lowest || note.pitch > voice.highest) {
                report.errors.push_back(position(note.start) + ": " + voice.name + " " +
                                        noteName(note.pitch) + " out of range");
            }
        }
    }
}

void checkCrossings(const Score& score, const std::vector<int>& ticks, VoiceLeadingReport& report) {
    for (int tick : ticks) {
        for (std::size_t upper = 0; upper + 1 < score.voices.size(); ++upper) {
            const int high = soundingAt(score.voices[upper], tick);
            const int low = soundingAt(score.voices[upper + 1], tick);
            if (high >= 0 && low >= 0 && high < low) {
                report.errors.push_back(position(tick) + ": " + score.voices[upper].name +
                                        " below " + score.voices[upper + 1].name);
            }
        }
    }
}

void checkStrongBeats(const Score& score, VoiceLeadingReport& report) {
    for (int tick = 0; tick < score.lengthTicks; tick += 2 * kTicksPerQuarter) {
        std::vector<int> pitches;
        for (const Voice& voice : score.voices) {
            if (const int pitch = soundingAt(voice, tick); pitch >= 0) {
                pitches.push_back(pitch);
            }
        }
        if (pitches.size() < 2) {
            continue;
        }
        const int bass = *std::min_element(pitches.begin(), pitches.end());
        bool consonant = true;
        for (std::size_t i = 0; i < pitches.size(); ++i) {
            for (std::size_t j = i + 1; j < pitches.size(); ++j) {
                const int low = std::min(pitches[i], pitches[j]);
                const int interval = std::abs(pitches[i] - pitches[j]);
                consonant = consonant && isConsonant(interval, low == bass);
            }
        }
        ++report.strongBeats;
        if (consonant) {
            ++report.consonantStrongBeats;
        } else {
            std::string chord;
            for (int pitch : pitches) {
                chord += ' ';
                chord += noteName(pitch);
            }
            report.warnings.push_back(position(tick) + ": dissonant strong beat" + chord);
        }
    }
}

void checkParallels(const Score& score, const std::vector<int>& ticks, VoiceLeadingReport& report) {
    for (std::size_t a = 0; a < score.voices.size(); ++a) {
        for (std::size_t b = a + 1; b < score.voices.size(); ++b) {
            int previousA = -1;
            int previousB = -1;
            for (int tick : ticks) {
                const int pitchA = soundingAt(score.voices[a], tick);
                const int pitchB = soundingAt(score.voices[b], tick);
                if (pitchA < 0 || pitchB < 0) {
                    previousA = -1;
                    continue;
                }
                const bool bothMove = previousA >= 0 && pitchA != previousA && pitchB != previousB;
                const bool sameDirection = (pitchA > previousA) == (pitchB > previousB);
                const int before = std::abs(previousA - previousB);
                const int now = std::abs(pitchA - pitchB);
                if (bothMove && sameDirection && isPerfect(before) && before % 12 == now % 12) {
                    ++report.parallels;
                    report.warnings.push_back(position(tick) + ": parallel " +
                                              (now % 12 == 0 ? "octaves " : "fifths ") +
                                              score.voices[a].name + "/" + score.voices[b].name);
                }
                previousA = pitchA;
                previousB = pitchB;
            }
        }
    }
}

// --- performance -----------------------------------------------------------

// A fixed hash rather than a random engine so that every build writes the
// same file.
int jitter(int tick, int pitch) {
    const unsigned mixed =
        static_cast<unsigned>(tick) * 2654435761u ^ static_cast<unsigned>(pitch) * 40503u;
    return static_cast<int>((mixed >> 13) % 7) - 3;
}

int velocityFor(const VoiceSpec& setup, const Note& note) {
    const int inBar = note.start % kTicksPerBar;
    int accent = -3;
    if (inBar == 0) {
        accent = 8;
    } else if (inBar == 2 * kTicksPerQuarter) {
        accent = 4;
    } else if (inBar % kTicksPerQuarter == 0) {
        accent = 1;
    }
    return std::clamp(setup.velocity + accent + jitter(note.start, note.pitch), 1, 127);
}

} // namespace

std::vector<Note> parseVoice(std::string_view text, int offset) {
    std::vector<Note> notes;
    bool tieOpen = false;
    walkVoice(text, offset, [&](const Token& token, int now) {
        if (tieOpen) {
            if (token.pitch != notes.back().pitch) {
                fail(noteName(notes.back().pitch), "tied to a different pitch");
            }
            notes.back().length += token.ticks;
        } else if (token.pitch >= 0) {
            notes.push_back({token.pitch, now, token.ticks});
        }
        tieOpen = token.tie;
    });
    if (tieOpen) {
        fail(noteName(notes.back().pitch), "tie at the end of the voice");
    }
    return notes;
}

int voiceLength(std::string_view text) {
    return walkVoice(text, 0, [](const Token&, int) {});
}

Score buildScore() {
    Score score;
    for (const VoiceSpec& setup : kVoices) {
        score.voices.push_back({setup.name, setup.channel, setup.lowest, setup.highest, {}});
    }
    int now = 0;
    for (const Section& section : kSections) {
        const std::array<const char*, 3> parts{section.soprano, section.alto, section.bass};
        const int length = voiceLength(parts[0]);
        const bool last = &section == &kSections.back();
        if (length % kTicksPerBar != 0 && (!last || length % kTicksPerQuarter != 0)) {
            throw std::logic_error(std::string(section.title) +
                                   ": only the last bar of the piece may be short, of whole beats");
        }
        for (std::size_t v = 0; v < parts.size(); ++v) {
            if (voiceLength(parts[v]) != length) {
                throw std::logic_error(std::string(section.title) + ": " + kVoices[v].name +
                                       " has a different length");
            }
            std::vector<Note> notes = parseVoice(parts[v], now);
            auto& target = score.voices[v].notes;
            target.insert(target.end(), notes.begin(), notes.end());
        }
        now += length;
    }
    score.lengthTicks = now;

    const int rit = kRitardandoBar * kTicksPerBar;
    score.tempo = {{0, kBeatsPerMinute},
                   {rit, kBeatsPerMinute - 6},
                   {rit + 2 * kTicksPerQuarter, kBeatsPerMinute - 12},
                   {rit + kTicksPerBar, kBeatsPerMinute - 18}};
    return score;
}

double secondsAt(const Score& score, int ticks) {
    double seconds = 0.0;
    for (std::size_t i = 0; i < score.tempo.size(); ++i) {
        const int from = score.tempo[i].tick;
        const int to = i + 1 < score.tempo.size() ? score.tempo[i + 1].tick : ticks;
        if (from >= ticks) {
            break;
        }
        const int span = std::min(to, ticks) - from;
        seconds += 60.0 * span / (score.tempo[i].beatsPerMinute * kTicksPerQuarter);
    }
    return seconds;
}

VoiceLeadingReport checkVoiceLeading(const Score& score) {
    VoiceLeadingReport report;
    const std::vector<int> ticks = onsets(score);
    checkRanges(score, report);
    checkCrossings(score, ticks, report);
    checkStrongBeats(score, report);
    checkParallels(score, ticks, report);
    return report;
}

midi::File toMidi(const Score& score) {
    midi::File file(kTicksPerQuarter);

    midi::Track& conductor = file.addTrack();
    conductor.name("Fugue in D minor");
    conductor.timeSignature(0, 4, 2);
    conductor.keySignature(0, -1, true);
    for (const TempoChange& change : score.tempo) {
        conductor.tempo(static_cast<std::uint32_t>(change.tick),
                        static_cast<std::uint32_t>(60'000'000 / change.beatsPerMinute));
    }
    if (const int shortBar = score.lengthTicks % kTicksPerBar; shortBar != 0) {
        conductor.timeSignature(static_cast<std::uint32_t>(score.lengthTicks - shortBar),
                                static_cast<std::uint8_t>(shortBar / kTicksPerQuarter), 2);
    }
    const auto end = static_cast<std::uint32_t>(
        score.lengthTicks +
        std::lround(kReleaseSeconds * score.tempo.back().beatsPerMinute * kTicksPerQuarter / 60.0));
    conductor.endAt(end);

    for (std::size_t v = 0; v < score.voices.size(); ++v) {
        const Voice& voice = score.voices[v];
        const VoiceSpec& setup = kVoices[v];
        const auto channel = static_cast<std::uint8_t>(voice.channel);
        midi::Track& track = file.addTrack();
        track.name(voice.name);
        track.programChange(0, channel, kHarpsichord);
        track.controlChange(0, channel, 7, kChannelVolume);
        track.controlChange(0, channel, 10, static_cast<std::uint8_t>(setup.pan)); // pan
        track.controlChange(0, channel, 91, 40);                                   // reverb
        track.endAt(end);
        for (const Note& note : voice.notes) {
            // A slight release before the next note keeps the lines distinct;
            // the final chord is held until the end of the piece.
            const bool last = note.start + note.length == score.lengthTicks;
            const int gap = last ? 0 : std::min(note.length / 8, 40);
            const auto key = static_cast<std::uint8_t>(note.pitch);
            track.noteOn(static_cast<std::uint32_t>(note.start), channel, key,
                         static_cast<std::uint8_t>(velocityFor(setup, note)));
            track.noteOff(static_cast<std::uint32_t>(note.start + note.length - gap), channel, key);
        }
    }
    return file;
}

} // namespace fugue
