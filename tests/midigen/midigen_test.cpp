// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests for the MIDI writer and the generated fugue. The file must pass the
// program's own check before it plays, and is read back with a small reader of
// its own so that writer and reader cannot share a mistake.

#include "Fugue.h"
#include "MidiWriter.h"
#include "platform/MidiFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using midi::Bytes;

// --- a minimal Standard MIDI File reader ----------------------------------

struct Event {
    std::uint32_t tick = 0;
    std::uint8_t status = 0; // 0xFF for meta events
    std::uint8_t metaType = 0;
    Bytes data; // channel data bytes or meta payload
};

struct SmfFile {
    int format = -1;
    int division = 0;
    std::vector<std::vector<Event>> tracks;
};

// Reads a file that the program's own check has passed as well formed.
SmfFile readSmf(const Bytes& bytes) {
    const std::string fault = tumbledown::midiFault(bytes.data(), bytes.size());
    EXPECT_EQ(fault, "") << "the program would refuse the file";
    std::size_t pos = 0;
    const auto bigEndian = [&](int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | bytes.at(pos++);
        return value;
    };
    const auto varLen = [&] {
        std::uint32_t value = 0;
        for (std::uint8_t b = 0x80; b & 0x80;) {
            b = bytes.at(pos++);
            value = (value << 7) | (b & 0x7F);
        }
        return value;
    };
    SmfFile file;
    if (!fault.empty())
        return file;
    pos = 8;
    file.format = static_cast<int>(bigEndian(2));
    const std::uint32_t trackCount = bigEndian(2);
    file.division = static_cast<int>(bigEndian(2));
    for (std::uint32_t t = 0; t < trackCount; ++t) {
        pos += 4;
        const std::size_t end = bigEndian(4) + pos;
        std::vector<Event>& track = file.tracks.emplace_back();
        std::uint32_t tick = 0;
        while (pos < end) {
            tick += varLen();
            Event& event = track.emplace_back(Event{tick, bytes.at(pos), 0, {}});
            if (event.status == 0xFF) {
                event.metaType = bytes.at(++pos);
                ++pos;
                const std::uint32_t size = varLen();
                event.data.assign(bytes.begin() + pos, bytes.begin() + pos + size);
                pos += size;
                continue;
            }
            // The writer gives every event its status byte.
            const std::uint8_t kind = bytes.at(pos++) & 0xF0;
            const bool one = kind == 0xC0 || kind == 0xD0;
            event.data.assign(bytes.begin() + pos, bytes.begin() + pos + (one ? 1 : 2));
            pos += one ? 1 : 2;
        }
    }
    return file;
}

bool isNoteOn(const Event& e) {
    return (e.status & 0xF0) == 0x90 && e.data[1] > 0;
}
bool isNoteOff(const Event& e) {
    return (e.status & 0xF0) == 0x80 || ((e.status & 0xF0) == 0x90 && e.data[1] == 0);
}
bool isMeta(const Event& e, std::uint8_t type) {
    return e.status == 0xFF && e.metaType == type;
}

std::string trackName(const std::vector<Event>& track) {
    for (const Event& e : track)
        if (isMeta(e, 0x03))
            return std::string(e.data.begin(), e.data.end());
    return {};
}

// Seconds from the start to tick, following every tempo change.
double secondsAt(const SmfFile& file, std::uint32_t tick) {
    std::map<std::uint32_t, std::uint32_t> tempos{{0, 500000}}; // the SMF default, 120 bpm
    for (const std::vector<Event>& track : file.tracks)
        for (const Event& e : track)
            if (isMeta(e, 0x51))
                tempos[e.tick] = (std::uint32_t(e.data[0]) << 16) | (e.data[1] << 8) | e.data[2];
    double seconds = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < tick; ++it) {
        const auto next = std::next(it);
        const std::uint32_t until = next == tempos.end() ? tick : std::min(next->first, tick);
        seconds += double(until - it->first) * it->second / 1e6 / file.division;
    }
    return seconds;
}

// --- the writer -------------------------------------------------------------

TEST(MidiWriter, EncodesVariableLengthQuantitiesAtTheirEdges) {
    const std::vector<std::pair<std::uint32_t, Bytes>> cases{
        {0, {0x00}},
        {127, {0x7F}},
        {128, {0x81, 0x00}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& [value, expected] : cases) {
        Bytes out{0xAA}; // appends, never overwrites
        midi::appendVarLen(out, value);
        Bytes withPrefix{0xAA};
        withPrefix.insert(withPrefix.end(), expected.begin(), expected.end());
        EXPECT_EQ(out, withPrefix) << "value " << value;
    }
    Bytes out;
    EXPECT_THROW(midi::appendVarLen(out, 0x10000000), std::out_of_range);
    EXPECT_TRUE(out.empty());
}

TEST(MidiWriter, OrdersEventsByTimeWithReleaseBeforeRestrike) {
    midi::File file(480);
    midi::Track& track = file.addTrack();
    // Added out of order on purpose: a repeated key must be released first.
    track.noteOn(480, 0, 60, 90);
    track.noteOff(960, 0, 60);
    track.noteOff(480, 0, 60);
    track.noteOn(0, 0, 60, 90);
    track.tempo(480, 500000);

    const SmfFile smf = readSmf(file.encode());
    const std::vector<Event>& events = smf.tracks.at(0);
    ASSERT_EQ(events.size(), 6u);
    EXPECT_TRUE(isNoteOn(events[0]) && events[0].tick == 0);
    EXPECT_TRUE(events[1].status == 0xFF && events[1].tick == 480); // meta first
    EXPECT_TRUE(isNoteOff(events[2]) && events[2].tick == 480);
    EXPECT_TRUE(isNoteOn(events[3]) && events[3].tick == 480);
    EXPECT_TRUE(isNoteOff(events[4]) && events[4].tick == 960);
}

TEST(MidiWriter, RejectsOutOfRangeMessagesAndUnwritableFiles) {
    midi::Track track;
    EXPECT_THROW(track.noteOn(0, 16, 60, 90), std::out_of_range);
    EXPECT_THROW(track.noteOn(0, 0, 128, 90), std::out_of_range);
    EXPECT_THROW(track.noteOn(0, 0, 60, 0), std::out_of_range);
    EXPECT_THROW(track.tempo(0, 0x1000000), std::out_of_range);
    EXPECT_THROW(track.keySignature(0, 8, false), std::out_of_range);
    EXPECT_FALSE(midi::File(480).save("/nonexistent-dir/x.mid"));
}

// --- the text score -----------------------------------------------------------

// Pitches and durations show in the fugue's checks; rests, ties and bar lines do not.
TEST(ScoreText, ParsesRestsTiesAndBarLines) {
    const auto notes = fugue::parseVoice("rh D4e~ D4q C4e | Cb4w", 0);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].start, 960);        // the rest takes time but makes no note
    EXPECT_EQ(notes[0].length, 240 + 480); // tie merged into one note
    EXPECT_EQ(notes[1].start, 960 + 720);
    EXPECT_EQ(notes[2].pitch, 59); // C flat
    EXPECT_EQ(fugue::voiceLength("rh D4e~ D4q C4e | Cb4w"), 2 * 1920);

    // Bar lines are counted from the offset the voice starts at.
    EXPECT_EQ(fugue::parseVoice("C4w | D4w", 1920).back().start, 3840);
    EXPECT_THROW(fugue::parseVoice("C4w | D4w", 480), std::invalid_argument);
}

TEST(ScoreText, RejectsMalformedInput) {
    EXPECT_THROW(fugue::parseVoice("C4q | D4q"), std::invalid_argument); // bar too short
    EXPECT_THROW(fugue::parseVoice("C4q~ D4q"), std::invalid_argument);  // tie to another pitch
    EXPECT_THROW(fugue::parseVoice("C4w~"), std::invalid_argument);      // dangling tie
    EXPECT_THROW(fugue::parseVoice("C4x"), std::invalid_argument);       // unknown duration
    EXPECT_THROW(fugue::parseVoice("Cq"), std::invalid_argument);        // no octave
    EXPECT_THROW(fugue::parseVoice("H4q"), std::invalid_argument);       // no such letter
    EXPECT_THROW(fugue::parseVoice("rq~ C4q"), std::invalid_argument);   // tied rest
    EXPECT_THROW(fugue::parseVoice("C4q! D4q"), std::invalid_argument);  // trailing junk
}

// --- the fugue -----------------------------------------------------------------

// The file as midigen writes it, read back: three harpsichords, each on a channel of
// its own, each key released before it is struck again and every key released, within
// the range the score gives the voice. The player restarts the tune when its file
// ends, so any time before the first note or after the last sound is a pause in the
// loop. The last sound is the release of the last keys, about 0.2 s on a soundfont's
// harpsichord, whose plucked strings have died away some 2 s after they are struck
// whether the key is held or not.
TEST(FugueFile, ThreeHarpsichordsInTheirRangesLastOverAMinuteAndLoopWithoutAPause) {
    const SmfFile smf = readSmf(fugue::toMidi(fugue::buildScore()).encode());
    EXPECT_EQ(smf.format, 1);
    ASSERT_EQ(smf.tracks.size(), 4u);
    std::map<std::string, std::pair<int, int>> ranges;
    for (const fugue::Voice& voice : fugue::buildScore().voices)
        ranges[voice.name] = {voice.lowest, voice.highest};
    struct Sounding {
        std::uint32_t on;
        std::uint32_t off;
        int pitch;
    };
    std::vector<Sounding> notes;
    std::set<int> channels;
    for (const std::vector<Event>& track : smf.tracks) {
        const std::string name = trackName(track);
        if (std::none_of(track.begin(), track.end(), isNoteOn))
            continue; // the conductor
        ASSERT_TRUE(ranges.count(name)) << name;
        const auto [lowest, highest] = ranges.at(name);
        std::set<int> used;
        std::map<int, std::uint32_t> held; // key -> the tick it was struck, until released
        const std::size_t before = notes.size();
        bool harpsichord = false;
        for (const Event& e : track) {
            if (e.status != 0xFF)
                used.insert(e.status & 0x0F);
            harpsichord = harpsichord || ((e.status & 0xF0) == 0xC0 && e.data[0] == 6);
            if (isNoteOn(e)) {
                EXPECT_TRUE(held.emplace(e.data[0], e.tick).second)
                    << name << " key struck twice at " << e.tick;
                EXPECT_GE(e.data[0], lowest) << name << " at tick " << e.tick;
                EXPECT_LE(e.data[0], highest) << name << " at tick " << e.tick;
            } else if (isNoteOff(e)) {
                const auto struck = held.find(e.data[0]);
                ASSERT_NE(struck, held.end()) << name << " release without note at " << e.tick;
                notes.push_back({struck->second, e.tick, e.data[0]});
                held.erase(struck);
            }
        }
        EXPECT_GT(notes.size() - before, 40u) << name;
        EXPECT_EQ(held.size(), 0u) << name << ": keys never released";
        EXPECT_EQ(used.size(), 1u) << name;
        EXPECT_TRUE(harpsichord) << name;
        channels.insert(used.begin(), used.end());
        ranges.erase(name);
    }
    EXPECT_TRUE(ranges.empty()) << "a voice has no track";
    EXPECT_EQ(channels.size(), 3u);

    // The file ends with the last end-of-track of any track.
    std::uint32_t end = 0;
    for (const std::vector<Event>& track : smf.tracks)
        end = std::max(end, track.back().tick);
    EXPECT_GE(secondsAt(smf, end), 60.0);
    EXPECT_LE(secondsAt(smf, end), 100.0);
    std::sort(notes.begin(), notes.end(), [](const Sounding& a, const Sounding& b) {
        return a.on != b.on ? a.on < b.on : a.pitch < b.pitch;
    });
    EXPECT_EQ(notes.front().pitch % 12, 2); // D

    const std::uint32_t lastOnset = notes.back().on;
    std::set<int> finalChord;
    std::uint32_t lastOff = 0;
    for (const Sounding& note : notes) {
        lastOff = std::max(lastOff, note.off);
        if (note.on == lastOnset) {
            finalChord.insert(note.pitch % 12);
            EXPECT_LE(secondsAt(smf, note.off) - secondsAt(smf, note.on), 2.0);
        }
    }
    EXPECT_EQ(finalChord, (std::set<int>{2, 6})); // D and F sharp: D major

    constexpr double kRelease = 0.2;
    const double lastSound = secondsAt(smf, lastOff) + kRelease;
    const double pause =
        std::max(0.0, secondsAt(smf, end) - lastSound) + secondsAt(smf, notes.front().on);
    EXPECT_LE(pause, 0.3);
    EXPECT_GE(secondsAt(smf, end), lastSound - 0.05); // the release is not cut off

    // The final bar is as short as its chord, and the file says so.
    const Event* metre = nullptr;
    for (const Event& e : smf.tracks[0])
        if (isMeta(e, 0x58))
            metre = &e;
    ASSERT_NE(metre, nullptr);
    EXPECT_EQ(metre->tick, lastOnset);
    EXPECT_EQ(metre->data[0], 2); // 2/4
}

TEST(FugueScore, PassesTheVoiceLeadingChecks) {
    const fugue::Score score = fugue::buildScore();
    const fugue::VoiceLeadingReport report = fugue::checkVoiceLeading(score);
    for (const std::string& error : report.errors)
        ADD_FAILURE() << error;
    EXPECT_EQ(report.parallels, 0);
    EXPECT_GT(report.strongBeats, 40);
    EXPECT_GE(report.consonance(), 0.75);
    EXPECT_EQ(score.lengthTicks % fugue::kTicksPerQuarter, 0);
}

TEST(FugueScore, VoiceLeadingCheckCatchesFaults) {
    fugue::Score score;
    score.lengthTicks = fugue::kTicksPerBar;
    score.tempo = {{0, 60}};
    // Beat 1 is a clean D minor chord. On beat 3 soprano and alto move in
    // parallel fifths and the bass leaps above the alto, out of its range and
    // a semitone from the soprano.
    score.voices = {{"Soprano", 0, 60, 81, fugue::parseVoice("A4h B4h")},
                    {"Alto", 1, 53, 74, fugue::parseVoice("D4h E4h")},
                    {"Bass", 2, 36, 62, fugue::parseVoice("F3h C5h")}};
    const fugue::VoiceLeadingReport report = fugue::checkVoiceLeading(score);
    ASSERT_EQ(report.errors.size(), 2u);
    EXPECT_NE(report.errors[0].find("Bass C5 out of range"), std::string::npos);
    EXPECT_NE(report.errors[1].find("bar 1 beat 3: Alto below Bass"), std::string::npos);
    EXPECT_EQ(report.parallels, 1);
    EXPECT_EQ(report.strongBeats, 2);
    EXPECT_EQ(report.consonantStrongBeats, 1);
    EXPECT_DOUBLE_EQ(report.consonance(), 0.5);
    EXPECT_NEAR(fugue::secondsAt(score, score.lengthTicks), 4.0, 1e-9);
}

} // namespace
