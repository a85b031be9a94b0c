#include "ui/timer.h"

#include <algorithm>

namespace ui {

Timer::Timer(TimerQueue& queue, std::string name, int interval)
    : queue_(queue), name_(std::move(name)), interval_(interval) {
    queue_.timers_.push_back(this);
}

Timer::~Timer() { std::erase(queue_.timers_, this); }

void Timer::arm() {
    armed_ = enabled_ && interval_ > 0;
    due_ = queue_.clock_.now() + interval_;
    seq_ = queue_.next_seq_++;
}

void Timer::set_enabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) {
        arm();
    } else {
        armed_ = false;
    }
}

void Timer::set_interval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) arm();
}

std::int64_t TimerQueue::next_due() const {
    std::int64_t best = -1;
    for (const Timer* t : timers_) {
        if (t->armed_ && (best < 0 || t->due_ < best)) best = t->due_;
    }
    return best;
}

Timer* TimerQueue::next_at_or_before(std::int64_t until) const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->armed_ || t->due_ > until) continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->seq_ < best->seq_)) {
            best = t;
        }
    }
    return best;
}

std::function<void()> TimerQueue::fire(Timer& t) {
    t.arm();
    return t.on_timer;
}

}  // namespace ui
