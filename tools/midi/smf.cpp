#include "smf.h"

#include <algorithm>

namespace midi {
namespace {

void put_be(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

void put_vlq(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    for (int i = count - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
    }
}

std::vector<std::uint8_t> track_chunk(TrackEvents track, std::int64_t end_tick) {
    std::vector<std::uint8_t> body;
    std::vector<std::uint8_t> name = {0xFF, 0x03};
    put_vlq(name, static_cast<std::uint32_t>(track.name.size()));
    name.insert(name.end(), track.name.begin(), track.name.end());
    track.events.insert(track.events.begin(), TimedEvent{0, -1, std::move(name)});
    std::stable_sort(track.events.begin(), track.events.end(),
                     [](const TimedEvent& a, const TimedEvent& b) {
                         return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
                     });
    track.events.push_back({end_tick, 99, {0xFF, 0x2F, 0x00}});
    std::int64_t now = 0;
    std::uint8_t running = 0;
    for (const auto& event : track.events) {
        put_vlq(body, static_cast<std::uint32_t>(event.tick - now));
        now = event.tick;
        std::uint8_t status = event.bytes.front();
        // Channel messages share a status byte with the one before; meta events break the run.
        bool reuse = status < 0xF0 && status == running;
        body.insert(body.end(), event.bytes.begin() + (reuse ? 1 : 0), event.bytes.end());
        running = status < 0xF0 ? status : 0;
    }
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    put_be(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

}  // namespace

std::vector<std::uint8_t> write_smf(std::vector<TrackEvents> tracks, int ticks_per_quarter,
                                    std::int64_t end_tick) {
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd'};
    put_be(out, 6, 4);
    put_be(out, 1, 2);  // format 1: a conductor track and one track per instrument
    put_be(out, static_cast<std::uint32_t>(tracks.size()), 2);
    put_be(out, static_cast<std::uint32_t>(ticks_per_quarter), 2);
    for (auto& track : tracks) {
        auto chunk = track_chunk(std::move(track), end_tick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace midi
