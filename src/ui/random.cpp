#include "ui/random.h"

namespace ui {

int Random::random(int n) {
    if (n <= 0) return 0;
    if (!forced_.empty()) {
        const int v = forced_.front();
        forced_.pop_front();
        if (v >= 0 && v < n) return v;
        if (on_bad_force) {
            on_bad_force("forced draw " + std::to_string(v) + " not below " + std::to_string(n));
        }
    }
    // Multiply-shift keeps the draw uniform enough for n <= 100 and identical on every platform.
    const std::uint64_t x = gen_() >> 32;
    return static_cast<int>((x * static_cast<std::uint64_t>(n)) >> 32);
}

}  // namespace ui
