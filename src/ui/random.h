#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>

namespace ui {

// random(n): a uniform integer from 0 to n - 1. Tests and the driver can queue forced draws,
// which come out first, in order.
class Random {
public:
    explicit Random(std::uint64_t base_seed) : base_seed_(base_seed) { seed(base_seed); }

    int random(int n);
    void seed(std::uint64_t s) { gen_.seed(s); }
    // The bout set-up reseeds from the clock; the base seed keeps runs with a fixed seed
    // repeatable while every bout still draws differently.
    void seed_from_clock(std::int64_t now) {
        seed(base_seed_ * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(now));
    }
    void force(int value) { forced_.push_back(value); }
    void clear_forced() { forced_.clear(); }
    std::size_t forced_left() const { return forced_.size(); }

    // Told when a forced draw does not fit its n; the draw then comes from the generator.
    std::function<void(const std::string&)> on_bad_force;

private:
    std::uint64_t base_seed_;
    std::mt19937_64 gen_;
    std::deque<int> forced_;
};

}  // namespace ui
