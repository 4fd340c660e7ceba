// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests for the MIDI writer and the generated fugue. The file is read back
// with a small independent reader so that writer and reader cannot share a
// mistake.

#include "Fugue.h"
#include "MidiWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
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

struct TrackData {
    std::vector<Event> events;
    bool endedProperly = false;
};

struct SmfFile {
    int format = -1;
    int division = 0;
    std::vector<TrackData> tracks;
};

class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}

    std::uint32_t bigEndian(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | byte();
        }
        return value;
    }

    std::uint32_t varLen() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        throw std::runtime_error("variable-length quantity longer than four bytes");
    }

    std::string id() {
        std::string text;
        for (int i = 0; i < 4; ++i) {
            text += static_cast<char>(byte());
        }
        return text;
    }

    std::uint8_t byte() {
        if (pos_ >= bytes_.size()) {
            throw std::runtime_error("unexpected end of data");
        }
        return bytes_[pos_++];
    }

    std::size_t pos() const { return pos_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

private:
    const Bytes& bytes_;
    std::size_t pos_ = 0;
};

TrackData readTrackBody(const Bytes& body) {
    Reader in(body);
    TrackData track;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    while (!in.atEnd()) {
        if (track.endedProperly) {
            throw std::runtime_error("events after end-of-track");
        }
        tick += in.varLen();
        Event event;
        event.tick = tick;
        std::uint8_t first = in.byte();
        if (first == 0xFF) {
            event.status = 0xFF;
            event.metaType = in.byte();
            const std::uint32_t length = in.varLen();
            for (std::uint32_t i = 0; i < length; ++i) {
                event.data.push_back(in.byte());
            }
            track.endedProperly = event.metaType == 0x2F && length == 0;
        } else {
            if (first & 0x80) {
                running = first;
                first = in.byte();
            } else if (running == 0) {
                throw std::runtime_error("data byte without status");
            }
            event.status = running;
            event.data.push_back(first);
            const std::uint8_t kind = running & 0xF0;
            if (kind != 0xC0 && kind != 0xD0) {
                event.data.push_back(in.byte());
            }
        }
        track.events.push_back(std::move(event));
    }
    return track;
}

SmfFile readSmf(const Bytes& bytes) {
    Reader in(bytes);
    SmfFile file;
    if (in.id() != "MThd" || in.bigEndian(4) != 6) {
        throw std::runtime_error("bad header chunk");
    }
    file.format = static_cast<int>(in.bigEndian(2));
    const std::uint32_t trackCount = in.bigEndian(2);
    file.division = static_cast<int>(in.bigEndian(2));
    for (std::uint32_t t = 0; t < trackCount; ++t) {
        if (in.id() != "MTrk") {
            throw std::runtime_error("bad track chunk id");
        }
        const std::uint32_t length = in.bigEndian(4);
        Bytes body;
        for (std::uint32_t i = 0; i < length; ++i) {
            body.push_back(in.byte());
        }
        file.tracks.push_back(readTrackBody(body));
    }
    if (!in.atEnd()) {
        throw std::runtime_error("trailing bytes after the last track");
    }
    return file;
}

bool isNoteOn(const Event& e) {
    return (e.status & 0xF0) == 0x90 && e.data[1] > 0;
}
bool isNoteOff(const Event& e) {
    return (e.status & 0xF0) == 0x80 || ((e.status & 0xF0) == 0x90 && e.data[1] == 0);
}

std::string trackName(const TrackData& track) {
    for (const Event& e : track.events) {
        if (e.status == 0xFF && e.metaType == 0x03) {
            return std::string(e.data.begin(), e.data.end());
        }
    }
    return {};
}

// Seconds from the start to tick, following every tempo change.
double secondsAt(const SmfFile& file, std::uint32_t tick) {
    std::map<std::uint32_t, std::uint32_t> tempos{{0, 500000}}; // the SMF default, 120 bpm
    for (const TrackData& track : file.tracks) {
        for (const Event& e : track.events) {
            if (e.status == 0xFF && e.metaType == 0x51) {
                tempos[e.tick] = (std::uint32_t(e.data[0]) << 16) | (e.data[1] << 8) | e.data[2];
            }
        }
    }
    double seconds = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < tick; ++it) {
        const auto next = std::next(it);
        const std::uint32_t until = next == tempos.end() ? tick : std::min(next->first, tick);
        seconds += double(until - it->first) * it->second / 1e6 / file.division;
    }
    return seconds;
}

// Seconds to the last event of any track: the end-of-track that ends the file.
double playingSeconds(const SmfFile& file) {
    std::uint32_t end = 0;
    for (const TrackData& track : file.tracks) {
        end = std::max(end, track.events.empty() ? 0 : track.events.back().tick);
    }
    return secondsAt(file, end);
}

// --- variable-length quantities -------------------------------------------

TEST(VarLen, EncodesEdgeValues) {
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

        Reader in(expected);
        EXPECT_EQ(in.varLen(), value);
        EXPECT_TRUE(in.atEnd());
    }
}

TEST(VarLen, RejectsValuesBeyondFourBytes) {
    Bytes out;
    EXPECT_THROW(midi::appendVarLen(out, 0x10000000), std::out_of_range);
    EXPECT_TRUE(out.empty());
}

// --- the writer -------------------------------------------------------------

TEST(MidiWriter, WritesHeaderAndTrackChunksWithCorrectLengths) {
    midi::File file(96);
    midi::Track& conductor = file.addTrack();
    conductor.tempo(0, 600000);
    midi::Track& voice = file.addTrack();
    voice.name("Voice");
    voice.programChange(0, 3, 6);
    voice.noteOn(0, 3, 62, 80);
    voice.noteOff(0x4000, 3, 62);
    file.addTrack().endAt(0x5000); // an empty track still needs its end-of-track

    const Bytes bytes = file.encode();
    ASSERT_GE(bytes.size(), 14u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
              (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 0, 96}));

    const SmfFile smf = readSmf(bytes); // throws on any length mismatch
    EXPECT_EQ(smf.format, 1);
    EXPECT_EQ(smf.division, 96);
    ASSERT_EQ(smf.tracks.size(), 3u);
    for (const TrackData& track : smf.tracks) {
        EXPECT_TRUE(track.endedProperly);
    }
    ASSERT_EQ(smf.tracks[2].events.size(), 1u);
    EXPECT_EQ(smf.tracks[2].events[0].tick, 0x5000u); // held open to the tick asked for

    const std::vector<Event>& events = smf.tracks[1].events;
    ASSERT_EQ(events.size(), 5u); // name, program, on, off, end
    EXPECT_EQ(trackName(smf.tracks[1]), "Voice");
    EXPECT_EQ(events[1].status, 0xC3);
    EXPECT_EQ(events[1].data, Bytes{6});
    EXPECT_TRUE(isNoteOn(events[2]));
    EXPECT_TRUE(isNoteOff(events[3]));
    EXPECT_EQ(events[3].tick, 0x4000u);
    EXPECT_EQ(events[4].tick, 0x4000u); // end-of-track right after the last event
    EXPECT_NEAR(playingSeconds(smf), 0x5000 * 0.6 / 96, 1e-9);
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
    const std::vector<Event>& events = smf.tracks.at(0).events;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_TRUE(isNoteOn(events[0]) && events[0].tick == 0);
    EXPECT_TRUE(events[1].status == 0xFF && events[1].tick == 480); // meta first
    EXPECT_TRUE(isNoteOff(events[2]) && events[2].tick == 480);
    EXPECT_TRUE(isNoteOn(events[3]) && events[3].tick == 480);
    EXPECT_TRUE(isNoteOff(events[4]) && events[4].tick == 960);
}

TEST(MidiWriter, RejectsOutOfRangeMessages) {
    midi::Track track;
    EXPECT_THROW(track.noteOn(0, 16, 60, 90), std::out_of_range);
    EXPECT_THROW(track.noteOn(0, 0, 128, 90), std::out_of_range);
    EXPECT_THROW(track.noteOn(0, 0, 60, 0), std::out_of_range);
    EXPECT_THROW(track.tempo(0, 0x1000000), std::out_of_range);
    EXPECT_THROW(track.keySignature(0, 8, false), std::out_of_range);
}

TEST(MidiWriter, SavesTheEncodedBytes) {
    midi::File file(480);
    file.addTrack().noteOn(0, 0, 60, 64);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "midigen_test_save.mid";
    ASSERT_TRUE(file.save(path.string()));
    std::ifstream in(path, std::ios::binary);
    const Bytes saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved, file.encode());
    std::filesystem::remove(path);
    EXPECT_FALSE(file.save("/nonexistent-dir/x.mid"));
}

// --- the text score -----------------------------------------------------------

TEST(ScoreText, ParsesPitchesDurationsRestsAndTies) {
    const char* text = "C4q Bb3e. C#5s C4h | rh D4e~ D4q Cb4e";
    const auto notes = fugue::parseVoice(text, 0);
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[0].pitch, 60); // middle C
    EXPECT_EQ(notes[1].pitch, 58);
    EXPECT_EQ(notes[1].length, 360); // dotted eighth
    EXPECT_EQ(notes[2].pitch, 73);
    EXPECT_EQ(notes[2].start, 840);
    EXPECT_EQ(notes[3].length, 960);
    EXPECT_EQ(notes[4].pitch, 62);
    EXPECT_EQ(notes[4].start, 1920 + 960); // the rest takes time but makes no note
    EXPECT_EQ(notes[4].length, 240 + 480); // tie merged into one note
    EXPECT_EQ(notes[5].pitch, 59);         // C flat
    EXPECT_EQ(fugue::voiceLength(text), 2 * 1920);

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

class FugueFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / "midigen_test_fugue.mid";
        ASSERT_TRUE(fugue::toMidi(fugue::buildScore()).save(path.string()));
        std::ifstream in(path, std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::filesystem::remove(path);
        smf_ = readSmf(bytes);
    }

    static std::vector<const TrackData*> voiceTracks() {
        std::vector<const TrackData*> voices;
        for (const TrackData& track : smf_.tracks) {
            if (std::any_of(track.events.begin(), track.events.end(), isNoteOn)) {
                voices.push_back(&track);
            }
        }
        return voices;
    }

    static SmfFile smf_;
};

SmfFile FugueFile::smf_;

TEST_F(FugueFile, HasThreeHarpsichordVoicesOnTheirOwnChannels) {
    EXPECT_EQ(smf_.format, 1);
    ASSERT_EQ(smf_.tracks.size(), 4u);
    const auto voices = voiceTracks();
    ASSERT_EQ(voices.size(), 3u);
    std::set<int> channels;
    for (const TrackData* track : voices) {
        EXPECT_TRUE(track->endedProperly);
        std::set<int> used;
        bool harpsichord = false;
        for (const Event& e : track->events) {
            if (e.status != 0xFF) {
                used.insert(e.status & 0x0F);
            }
            harpsichord = harpsichord || ((e.status & 0xF0) == 0xC0 && e.data[0] == 6);
        }
        EXPECT_EQ(used.size(), 1u) << trackName(*track);
        EXPECT_TRUE(harpsichord) << trackName(*track);
        channels.insert(used.begin(), used.end());
    }
    EXPECT_EQ(channels.size(), 3u);
}

TEST_F(FugueFile, LastsBetweenOneMinuteAndAMinuteAndAHalf) {
    const double seconds = playingSeconds(smf_);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 100.0);
}

TEST_F(FugueFile, EveryNoteOnIsReleasedAndStaysInItsVoiceRange) {
    const std::map<std::string, std::pair<int, int>> ranges{
        {"Soprano", {60, 82}}, {"Alto", {53, 74}}, {"Bass", {36, 62}}};
    for (const TrackData* track : voiceTracks()) {
        const std::string name = trackName(*track);
        ASSERT_TRUE(ranges.count(name)) << name;
        const auto [lowest, highest] = ranges.at(name);
        std::map<int, int> held; // key -> how many unreleased note-ons
        int notes = 0;
        for (const Event& e : track->events) {
            if (isNoteOn(e)) {
                ++notes;
                EXPECT_EQ(held[e.data[0]]++, 0) << name << " key struck twice at " << e.tick;
                EXPECT_GE(e.data[0], lowest) << name << " at tick " << e.tick;
                EXPECT_LE(e.data[0], highest) << name << " at tick " << e.tick;
            } else if (isNoteOff(e)) {
                EXPECT_EQ(held[e.data[0]]--, 1) << name << " release without note at " << e.tick;
            }
        }
        EXPECT_GT(notes, 40) << name;
        for (const auto& [key, count] : held) {
            EXPECT_EQ(count, 0) << name << " key " << key << " never released";
        }
    }
}

// The player restarts the tune when its file ends, so any time before the first note
// or after the last sound is a pause in the loop. The last sound is the release of
// the last keys, about 0.2 s on a soundfont's harpsichord, whose plucked strings
// have died away some 2 s after they are struck whether the key is held or not.
TEST_F(FugueFile, BeginsOnTheTonicAndLoopsWithoutAPause) {
    struct Sounding {
        std::uint32_t on;
        std::uint32_t off;
        int pitch;
    };
    std::vector<Sounding> notes;
    std::uint32_t end = 0;
    for (const TrackData& track : smf_.tracks) {
        end = std::max(end, track.events.back().tick);
        std::map<int, std::uint32_t> struck;
        for (const Event& e : track.events) {
            if (isNoteOn(e)) {
                struck[e.data[0]] = e.tick;
            } else if (isNoteOff(e)) {
                notes.push_back({struck[e.data[0]], e.tick, e.data[0]});
            }
        }
    }
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
            EXPECT_LE(secondsAt(smf_, note.off) - secondsAt(smf_, note.on), 2.0);
        }
    }
    EXPECT_EQ(finalChord, (std::set<int>{2, 6})); // D and F sharp: D major

    constexpr double kRelease = 0.2;
    const double lastSound = secondsAt(smf_, lastOff) + kRelease;
    const double pause =
        std::max(0.0, secondsAt(smf_, end) - lastSound) + secondsAt(smf_, notes.front().on);
    EXPECT_LE(pause, 0.3);
    EXPECT_GE(secondsAt(smf_, end), lastSound - 0.05); // the release is not cut off

    // The final bar is as short as its chord, and the file says so.
    const Event* metre = nullptr;
    for (const Event& e : smf_.tracks[0].events) {
        if (e.status == 0xFF && e.metaType == 0x58) {
            metre = &e;
        }
    }
    ASSERT_NE(metre, nullptr);
    EXPECT_EQ(metre->tick, lastOnset);
    EXPECT_EQ(metre->data[0], 2); // 2/4
}

TEST(FugueScore, PassesTheVoiceLeadingChecks) {
    const fugue::Score score = fugue::buildScore();
    const fugue::VoiceLeadingReport report = fugue::checkVoiceLeading(score);
    for (const std::string& error : report.errors) {
        ADD_FAILURE() << error;
    }
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
