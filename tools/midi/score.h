#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "smf.h"

namespace midi {

constexpr int ticks_per_quarter = 480;

struct Compiled {
    std::vector<TrackEvents> tracks;  // the conductor first
    std::int64_t end_tick = 0;
};

// Parses a score (see midi.cpp for the notation) and lays it out in time. On failure returns
// false with `error` naming the line and what is wrong with it.
bool compile_score(const std::string& text, Compiled& out, std::string& error);

}  // namespace midi
