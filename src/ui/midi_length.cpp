#include "ui/midi_length.h"

#include <algorithm>
#include <optional>
#include <vector>

// FluidSynth reports the end of a tune seconds after its last event, so the music loop measures
// the file itself. Every read goes through Reader, which refuses to step past the end of its span.

namespace ui {
namespace {

struct TempoChange {
    std::int64_t tick;
    std::int64_t us_per_quarter;
};

struct TrackScan {
    std::int64_t end_tick = 0;
    std::vector<TempoChange> tempos;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool at_end() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }

    std::optional<std::uint8_t> byte() {
        if (at_end()) {
            return std::nullopt;
        }
        return bytes_[pos_++];
    }

    std::optional<std::uint32_t> be(std::size_t count) {
        if (left() < count) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value = (value << 8) | bytes_[pos_++];
        }
        return value;
    }

    // A variable-length quantity is at most four bytes in a MIDI file.
    std::optional<std::uint32_t> vlq(std::string& error) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            auto b = byte();
            if (!b) {
                error = "truncated variable-length quantity";
                return std::nullopt;
            }
            value = (value << 7) | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0) {
                return value;
            }
        }
        error = "variable-length quantity longer than four bytes";
        return std::nullopt;
    }

    bool skip(std::size_t count) {
        if (left() < count) {
            return false;
        }
        pos_ += count;
        return true;
    }

    std::span<const std::uint8_t> take(std::size_t count) {
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

int data_bytes_for(std::uint8_t status) {
    switch (status & 0xF0u) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

// Walks one MTrk body. Running status is cancelled by meta and sysex events, as the file
// format requires.
std::optional<TrackScan> scan_track(std::span<const std::uint8_t> body, std::string& error) {
    Reader in(body);
    TrackScan scan;
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    while (!in.at_end()) {
        auto delta = in.vlq(error);
        if (!delta) {
            return std::nullopt;
        }
        tick += *delta;
        auto first = in.byte();
        if (!first) {
            error = "truncated event";
            return std::nullopt;
        }
        std::uint8_t status = *first;
        bool has_first_data = false;
        if (status < 0x80) {
            if (running == 0) {
                error = "data byte without a running status";
                return std::nullopt;
            }
            has_first_data = true;
            status = running;
        }
        if (status < 0xF0) {
            running = status;
            int needed = data_bytes_for(status) - (has_first_data ? 1 : 0);
            for (int i = 0; i < needed; ++i) {
                auto data = in.byte();
                if (!data) {
                    error = "truncated channel event";
                    return std::nullopt;
                }
                if (*data >= 0x80) {
                    error = "status byte where a data byte belongs";
                    return std::nullopt;
                }
            }
            continue;
        }
        running = 0;
        if (status == 0xF0 || status == 0xF7) {
            auto length = in.vlq(error);
            if (!length) {
                return std::nullopt;
            }
            if (!in.skip(*length)) {
                error = "truncated sysex event";
                return std::nullopt;
            }
            continue;
        }
        if (status != 0xFF) {
            error = "system message that does not belong in a file";
            return std::nullopt;
        }
        auto type = in.byte();
        if (!type) {
            error = "truncated meta event";
            return std::nullopt;
        }
        auto length = in.vlq(error);
        if (!length) {
            return std::nullopt;
        }
        if (in.left() < *length) {
            error = "truncated meta event";
            return std::nullopt;
        }
        auto data = in.take(*length);
        if (*type == 0x51) {
            if (data.size() != 3) {
                error = "tempo event whose length is not three";
                return std::nullopt;
            }
            std::int64_t us =
                (std::int64_t{data[0]} << 16) | (std::int64_t{data[1]} << 8) | data[2];
            if (us == 0) {
                error = "tempo of zero microseconds per quarter note";
                return std::nullopt;
            }
            scan.tempos.push_back({tick, us});
        } else if (*type == 0x2F) {
            scan.end_tick = tick;
            return scan;
        }
    }
    error = "track without an end-of-track event";
    return std::nullopt;
}

MidiLength fail(std::string why) { return {false, 0, std::move(why)}; }

// Microseconds from tick 0 to end_tick. Tempo changes are merged from every track; the remainder
// of each segment is carried so that many segments do not drift.
std::int64_t ticks_to_us(std::vector<TempoChange> tempos, std::int64_t end_tick,
                         std::int64_t ticks_per_quarter) {
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    std::int64_t us = 0;
    std::int64_t remainder = 0;
    std::int64_t tick = 0;
    std::int64_t tempo = 500000;  // 120 BPM until the file says otherwise
    auto advance = [&](std::int64_t to) {
        std::int64_t span = to - tick;
        std::int64_t whole = span / ticks_per_quarter;
        std::int64_t part = span % ticks_per_quarter;
        us += whole * tempo;
        remainder += part * tempo;
        us += remainder / ticks_per_quarter;
        remainder %= ticks_per_quarter;
        tick = to;
    };
    for (const auto& change : tempos) {
        if (change.tick >= end_tick) {
            break;
        }
        advance(change.tick);
        tempo = change.us_per_quarter;
    }
    advance(end_tick);
    return us;
}

}  // namespace

MidiLength midi_length_ms(std::span<const std::uint8_t> bytes) {
    Reader in(bytes);
    auto id = in.be(4);
    if (!id || *id != 0x4D546864u) {  // "MThd"
        return fail("not a MIDI file: no MThd header");
    }
    auto header_length = in.be(4);
    if (!header_length) {
        return fail("truncated header");
    }
    if (*header_length < 6) {
        return fail("header shorter than six bytes");
    }
    auto format = in.be(2);
    auto track_count = in.be(2);
    auto division = in.be(2);
    if (!format || !track_count || !division || !in.skip(*header_length - 6)) {
        return fail("truncated header");
    }
    if (*format > 1) {
        return fail("MIDI format " + std::to_string(*format) + " is not supported");
    }
    if (*format == 0 && *track_count != 1) {
        return fail("format 0 file with more than one track");
    }
    if (*track_count == 0) {
        return fail("file without tracks");
    }
    bool smpte = (*division & 0x8000u) != 0;
    std::int64_t frames_per_second = 0;
    std::int64_t ticks_per_frame = 0;
    if (smpte) {
        frames_per_second = 256 - static_cast<std::int64_t>(*division >> 8);
        ticks_per_frame = *division & 0xFFu;
        if ((frames_per_second != 24 && frames_per_second != 25 && frames_per_second != 29 &&
             frames_per_second != 30) ||
            ticks_per_frame == 0) {
            return fail("invalid SMPTE time division");
        }
    } else if (*division == 0) {
        return fail("time division of zero ticks per quarter note");
    }

    std::int64_t end_tick = 0;
    std::vector<TempoChange> tempos;
    std::uint32_t found = 0;
    while (found < *track_count) {
        if (in.at_end()) {
            return fail("truncated file: " + std::to_string(found) + " of " +
                        std::to_string(*track_count) + " tracks present");
        }
        auto chunk_id = in.be(4);
        auto chunk_length = in.be(4);
        if (!chunk_id || !chunk_length) {
            return fail("truncated chunk header");
        }
        if (in.left() < *chunk_length) {
            return fail("truncated chunk");
        }
        auto body = in.take(*chunk_length);
        if (*chunk_id != 0x4D54726Bu) {  // not "MTrk": chunks of unknown kinds are skipped
            continue;
        }
        std::string error;
        auto scan = scan_track(body, error);
        if (!scan) {
            return fail("track " + std::to_string(found) + ": " + error);
        }
        end_tick = std::max(end_tick, scan->end_tick);
        tempos.insert(tempos.end(), scan->tempos.begin(), scan->tempos.end());
        ++found;
    }

    std::int64_t us = 0;
    if (smpte) {
        // 29 stands for 29.97 drop-frame time code.
        std::int64_t per_second_num = frames_per_second == 29 ? 30000 : frames_per_second;
        std::int64_t per_second_den = frames_per_second == 29 ? 1001 : 1;
        std::int64_t ticks_per_second_num = per_second_num * ticks_per_frame;
        us = end_tick / ticks_per_second_num * per_second_den * 1000000 +
             end_tick % ticks_per_second_num * per_second_den * 1000000 / ticks_per_second_num;
    } else {
        us = ticks_to_us(std::move(tempos), end_tick, *division);
    }
    return {true, (us + 500) / 1000, {}};
}

}  // namespace ui
