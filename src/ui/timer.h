#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/clock.h"

namespace ui {

class TimerQueue;

// A repeating timer. Enabling an enabled timer does nothing; enabling a disabled one starts a
// full interval; disabling stops it; a different interval on an enabled timer restarts its count,
// the same interval does nothing. A timer with interval 0 never ticks.
class Timer {
public:
    Timer(TimerQueue& queue, std::string name, int interval);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void set_enabled(bool on);
    void set_interval(int ms);
    std::int64_t due_time() const { return due_; }

    std::function<void()> on_timer;

private:
    friend class TimerQueue;
    void arm();

    TimerQueue& queue_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    bool armed_ = false;
    std::int64_t due_ = 0;
    std::uint64_t seq_ = 0;  // when the current countdown began, for ties
};

// All timers of a run. Timers due at the same moment fire in the order in which their current
// countdowns began. A timer begins its next countdown as it fires, before its handler runs; a
// timer that has fallen behind ticks once, from the moment it actually fires.
class TimerQueue {
public:
    explicit TimerQueue(const Clock& clock) : clock_(clock) {}

    const Clock& clock() const { return clock_; }
    // The earliest due time of an armed timer, or -1 when none is armed.
    std::int64_t next_due() const;
    // The timer that fires next if it is due at or before `until`, else nullptr.
    Timer* next_at_or_before(std::int64_t until) const;
    // Begins the next countdown of `t` at the clock's time and returns its handler to run.
    std::function<void()> fire(Timer& t);

private:
    friend class Timer;
    const Clock& clock_;
    std::vector<Timer*> timers_;
    std::uint64_t next_seq_ = 1;
};

}  // namespace ui
