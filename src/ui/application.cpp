#include "ui/application.h"

#include <exception>

#include "ui/form.h"

namespace ui {

Application::Application(const Clock& clock, AudioDevice& audio, Random& random)
    : clock_(clock), audio_(audio), random_(random), timers_(clock) {}

void Application::add_form(Form& f) { forms_.push_back(&f); }

Form* Application::find_form(const std::string& name) const {
    for (Form* f : forms_) {
        if (f->name() == name) return f;
    }
    return nullptr;
}

std::vector<Form*> Application::visible_forms() const {
    std::vector<Form*> out;
    for (Form* f : forms_) {
        if (f->visible()) out.push_back(f);
    }
    return out;
}

void Application::terminate() {
    if (ended_) return;
    ended_ = true;
    // Nothing of the game may tick once the run is over.
    for (Form* f : forms_) f->hide();
    changed();
}

void Application::report_once(const std::string& key, const std::string& message) {
    if (!reported_.insert(key).second) return;
    if (report) report(message);
}

void Application::run(const std::function<void()>& handler) {
    if (ended_ || !handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        if (report) report(e.what());
    } catch (...) {
        if (report) report("");
    }
    drain_posted();
}

void Application::drain_posted() {
    // Reports posted by a posted handler are served in the same pass, in order.
    for (std::size_t i = 0; i < posted_.size() && !ended_; ++i) {
        auto fn = std::move(posted_[i]);
        try {
            fn();
        } catch (const std::exception& e) {
            if (report) report(e.what());
        } catch (...) {
            if (report) report("");
        }
    }
    posted_.clear();
}

bool Application::click(Control& c, MouseButton b) {
    if (ended_ || !c.showing() || !c.enabled()) return false;
    run([&] {
        if (c.takes_focus()) c.form().set_focus(&c);
        if (auto* sb = dynamic_cast<SpeedButton*>(&c)) sb->press();
        if (c.on_mouse_down) c.on_mouse_down(b);
        if (b == MouseButton::left && c.on_click) c.on_click();
    });
    return true;
}

bool Application::arrow(Control& c, Arrow a) {
    if (ended_ || !c.showing() || !c.enabled()) return false;
    if (auto* ud = dynamic_cast<UpDown*>(&c)) {
        run([&] {
            c.form().set_focus(&c);
            ud->arrow(a);
        });
        return true;
    }
    if (auto* se = dynamic_cast<SpinEdit*>(&c)) {
        run([&] {
            c.form().set_focus(&c);
            se->arrow(a);
        });
        return true;
    }
    return false;
}

void Application::click_at(Form& f, int x, int y, MouseButton b) {
    Control* c = f.control_at(x, y);
    if (!c) return;
    const Rect r = f.client_rect(*c);
    const Arrow a = y < (r.top + r.bottom) / 2 ? Arrow::up : Arrow::down;
    if (c->kind() == ControlKind::up_down) {
        if (b == MouseButton::left) arrow(*c, a);
        return;
    }
    // The spin edit's arrows are the 16 pixels at its right; its text takes no clicks.
    if (c->kind() == ControlKind::spin_edit) {
        if (b == MouseButton::left && x >= r.right - 16) arrow(*c, a);
        else if (c->enabled()) f.set_focus(c);
        return;
    }
    click(*c, b);
}

void Application::key(Key k) {
    auto shown = visible_forms();
    if (ended_ || shown.empty()) return;
    Form& f = *shown.front();
    if (k == Key::tab || k == Key::shift_tab) {
        run([&] { f.focus_next(k == Key::shift_tab); });
        return;
    }
    Control* c = f.focus();
    if (!c) return;
    if ((k == Key::space || k == Key::enter) && c->kind() == ControlKind::button) {
        click(*c, MouseButton::left);
    } else if (k == Key::up || k == Key::down) {
        arrow(*c, k == Key::up ? Arrow::up : Arrow::down);
    }
}

void Application::close(Form& f) {
    if (ended_) return;
    run([&] { f.close(); });
}

void Application::place(Form& f, int left, int top, int width, int height) {
    if (ended_) return;
    f.set_left(left);
    f.set_top(top);
    f.set_client_width(width);
    f.set_client_height(height);
}

void Application::fire(Timer& t) {
    auto handler = timers_.fire(t);
    run(handler);
}

void Application::advance(VirtualClock& clock, std::int64_t until) {
    while (!ended_) {
        Timer* t = timers_.next_at_or_before(until);
        if (!t) break;
        clock.set(std::max(clock.now(), t->due_time()));
        fire(*t);
    }
    if (clock.now() < until) clock.set(until);
}

void Application::fire_due() {
    const std::int64_t now = clock_.now();
    // A timer fired here begins its next countdown from now, so it cannot come up again.
    while (!ended_) {
        Timer* t = timers_.next_at_or_before(now);
        if (!t) break;
        if (on_late) on_late(*t, clock_.now() - t->due_time());
        fire(*t);
    }
}

}  // namespace ui
