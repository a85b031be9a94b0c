#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace midi {

// One event of a track, at an absolute tick. `bytes` is the complete message: a channel
// message with its status byte, or a meta event starting with 0xFF.
struct TimedEvent {
    std::int64_t tick;
    int order;  // among events of one tick: note-offs, then controls, then note-ons, then the end
    std::vector<std::uint8_t> bytes;
};

struct TrackEvents {
    std::string name;
    std::vector<TimedEvent> events;
};

// Events at one tick are written in `order`, then in the order they were added.
// Every track gets its end-of-track event at end_tick.
std::vector<std::uint8_t> write_smf(std::vector<TrackEvents> tracks, int ticks_per_quarter,
                                    std::int64_t end_tick);

}  // namespace midi
