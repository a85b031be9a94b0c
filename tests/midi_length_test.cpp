#include "ui/midi_length.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& out, std::initializer_list<std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void append_be32(Bytes& out, std::uint32_t value) {
    append(out, {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                 static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

Bytes header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    Bytes out = {'M', 'T', 'h', 'd'};
    append_be32(out, 6);
    append(out, {static_cast<std::uint8_t>(format >> 8), static_cast<std::uint8_t>(format),
                 static_cast<std::uint8_t>(tracks >> 8), static_cast<std::uint8_t>(tracks),
                 static_cast<std::uint8_t>(division >> 8), static_cast<std::uint8_t>(division)});
    return out;
}

void append_track(Bytes& out, const Bytes& events) {
    append(out, {'M', 'T', 'r', 'k'});
    append_be32(out, static_cast<std::uint32_t>(events.size()));
    out.insert(out.end(), events.begin(), events.end());
}

// 96 ticks per quarter. Conductor: 120 BPM, then 240 BPM from tick 192, end at tick 384:
// 2 quarters at 500 ms plus 2 quarters at 250 ms.
const Bytes conductor_with_tempo_change = {
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 500000 us per quarter
    0x81, 0x40, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,  // +192: 250000 us per quarter
    0x81, 0x40, 0xFF, 0x2F, 0x00,  // +192: end of track
};

// Notes written with running status around a sysex, the last note-off at tick 480, and a text
// event after it.
const Bytes notes_with_running_status = {
    0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,  // sysex
    0x00, 0x90, 0x3C, 0x64,  // note on
    0x60, 0x3C, 0x00,  // +96, running status: note off by velocity 0
    0x00, 0x3E, 0x64,  // running status again
    0x83, 0x00, 0x3E, 0x00,  // +384
    0x00, 0xFF, 0x01, 0x02, 'h', 'i',  // text
    0x00, 0xFF, 0x2F, 0x00,
};

Bytes file_of(std::uint16_t format, std::initializer_list<const Bytes*> tracks) {
    Bytes file = header(format, static_cast<std::uint16_t>(tracks.size()), 96);
    for (const Bytes* track : tracks) {
        append_track(file, *track);
    }
    return file;
}

Bytes two_track_file() {
    return file_of(1, {&conductor_with_tempo_change, &notes_with_running_status});
}

TEST(MidiLength, FollowsATempoChangeMidway) {
    auto length = ui::midi_length_ms(file_of(0, {&conductor_with_tempo_change}));
    ASSERT_TRUE(length.ok) << length.error;
    EXPECT_EQ(length.ms, 1500);
}

TEST(MidiLength, ReadsRunningStatus) {
    auto length = ui::midi_length_ms(file_of(0, {&notes_with_running_status}));
    ASSERT_TRUE(length.ok) << length.error;
    EXPECT_EQ(length.ms, 2500);  // 480 ticks at the default 120 BPM
}

TEST(MidiLength, AppliesTheTempoMapOfAnyTrackToTheLongestTrack) {
    // Ticks 0-192 at 500 ms a quarter, 192-480 at 250 ms, whichever track holds the tempo map.
    const Bytes conductor_first = two_track_file();
    const Bytes conductor_last =
        file_of(1, {&notes_with_running_status, &conductor_with_tempo_change});
    for (const Bytes* file : {&conductor_first, &conductor_last}) {
        auto length = ui::midi_length_ms(*file);
        ASSERT_TRUE(length.ok) << length.error;
        EXPECT_EQ(length.ms, 1000 + 750);
    }
}

TEST(MidiLength, RefusesEveryTruncation) {
    const Bytes file = two_track_file();
    ASSERT_TRUE(ui::midi_length_ms(file).ok);
    for (std::size_t size = 0; size < file.size(); ++size) {
        // A copy of exactly `size` bytes, so a read past its end shows under a sanitizer.
        Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        auto length = ui::midi_length_ms(cut);
        EXPECT_FALSE(length.ok) << "accepted the first " << size << " bytes";
        EXPECT_FALSE(length.error.empty()) << "no reason given for " << size << " bytes";
    }
}

TEST(MidiLength, NamesWhatIsWrongWithFilesThatAreNotMidi) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::string reason;
    };
    Bytes wav = {'R', 'I', 'F', 'F', 0x24, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    Bytes format_2 = file_of(2, {&conductor_with_tempo_change});
    // Meta events cancel running status, so the data byte after the text has no status.
    Bytes status_after_meta = header(0, 1, 96);
    append_track(status_after_meta, {0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x01, 0x00, 0x60, 0x3C,
                                     0x00, 0x00, 0xFF, 0x2F, 0x00});
    Bytes no_end = header(0, 1, 96);
    append_track(no_end, {0x00, 0x90, 0x3C, 0x64});
    Bytes long_vlq = header(0, 1, 96);
    append_track(long_vlq, {0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00});
    Bytes zero_division = header(0, 1, 0);
    append_track(zero_division, conductor_with_tempo_change);
    const Case cases[] = {
        {"empty", {}, "not a MIDI file"},
        {"wav", wav, "not a MIDI file"},
        {"format 2", format_2, "format 2"},
        {"running status after meta", status_after_meta, "without a running status"},
        {"no end of track", no_end, "end-of-track"},
        {"five-byte delta", long_vlq, "longer than four bytes"},
        {"zero division", zero_division, "zero ticks"},
    };
    for (const auto& c : cases) {
        auto length = ui::midi_length_ms(c.bytes);
        EXPECT_FALSE(length.ok) << c.name;
        EXPECT_NE(length.error.find(c.reason), std::string::npos)
            << c.name << ": " << length.error;
    }
}

}  // namespace
