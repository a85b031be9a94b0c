#pragma once

#include <cstdint>

#include "driver.h"

namespace bench {

// A scripted player that always guards and always hits: runs one VS bout from ENTER on the VS
// screen to the VS screen coming back, and returns the number of timer and click events it took.
std::uint64_t play_one_bout(drive::Driver& d);

}  // namespace bench
