#pragma once

#include <cstdint>

namespace ui {

// Milliseconds since the run began. The game reads time only through a Clock: a virtual one in
// tests and in the driver, the real one in the window.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t now() const = 0;
};

class VirtualClock final : public Clock {
public:
    std::int64_t now() const override { return now_; }
    void set(std::int64_t t) { now_ = t; }

private:
    std::int64_t now_ = 0;
};

}  // namespace ui
