#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/clock.h"
#include "ui/control.h"
#include "ui/media.h"
#include "ui/random.h"
#include "ui/timer.h"

namespace ui {

class Form;

enum class Key { tab, shift_tab, space, enter, up, down };

// The run of the game: its forms, its timers and its one thread of handlers. Input and timer
// ticks come in through here, from the window or from the driver; every handler runs to its end,
// an exception escaping it is shown by the standard error report, and the run goes on.
class Application {
public:
    Application(const Clock& clock, AudioDevice& audio, Random& random);

    const Clock& clock() const { return clock_; }
    TimerQueue& timers() { return timers_; }
    AudioDevice& audio() { return audio_; }
    Random& random() { return random_; }

    // The first form added is the main form.
    void add_form(Form& f);
    const std::vector<Form*>& forms() const { return forms_; }
    Form* main_form() const { return forms_.empty() ? nullptr : forms_.front(); }
    Form* find_form(const std::string& name) const;
    // The forms that are visible, in creation order.
    std::vector<Form*> visible_forms() const;

    bool ended() const { return ended_; }
    void terminate();

    // The standard error report: a message box in the window, a line on stderr headless.
    std::function<void(const std::string&)> report;
    // Reports a fault only the first time its key is seen in this run.
    void report_once(const std::string& key, const std::string& message);

    // Runs a handler as the message loop does, then whatever it posted.
    void run(const std::function<void()>& handler);
    void post(std::function<void()> fn) { posted_.push_back(std::move(fn)); }

    // Input. Each returns false when the control cannot take it (not showing or not enabled).
    bool click(Control& c, MouseButton b);
    bool arrow(Control& c, Arrow a);
    // A mouse click at a point of a form's client area, as the window delivers it.
    void click_at(Form& f, int x, int y, MouseButton b);
    void key(Key k);
    void close(Form& f);
    void place(Form& f, int left, int top, int width, int height);

    // Time. Fires every timer due up to `until` at its exact due time (virtual clock).
    void advance(VirtualClock& clock, std::int64_t until);
    // Fires each timer that is due by now once (real clock).
    void fire_due();
    // Told how late each timer fires on the real clock, for the benchmarks.
    std::function<void(const Timer&, std::int64_t late_ms)> on_late;

    // Bumped by every visible change, so the window redraws only after one.
    std::uint64_t change_count() const { return change_count_; }
    void changed() { ++change_count_; }

private:
    void drain_posted();
    void fire(Timer& t);

    const Clock& clock_;
    AudioDevice& audio_;
    Random& random_;
    TimerQueue timers_;
    std::vector<Form*> forms_;
    std::vector<std::function<void()>> posted_;
    std::set<std::string> reported_;
    bool ended_ = false;
    std::uint64_t change_count_ = 0;
};

}  // namespace ui
