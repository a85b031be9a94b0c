#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"

namespace ui {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Form::~Form() = default;

void Form::changed() {
    if (visible_) app_.changed();
}

void Form::set_left(int v) {
    left_ = v;
    changed();
}
void Form::set_top(int v) {
    top_ = v;
    changed();
}
void Form::set_client_width(int v) {
    client_width_ = v;
    changed();
}
void Form::set_client_height(int v) {
    client_height_ = v;
    changed();
}

void Form::show() {
    if (visible_) return;
    visible_ = true;
    if (!focus_ || !can_focus(focus_)) focus_next(false);
    app_.changed();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    app_.changed();
}

void Form::close() {
    if (on_close) on_close();
    if (this == app_.main_form()) {
        app_.terminate();
    } else {
        hide();
    }
}

Timer& Form::add_timer(const std::string& name, int interval) {
    timers_.push_back(std::make_unique<Timer>(app_.timers(), name, interval));
    return *timers_.back();
}

MediaPlayer& Form::add_player(const std::string& name, const std::string& file) {
    players_.push_back(std::make_unique<MediaPlayer>(app_, name, file));
    return *players_.back();
}

ImageList& Form::add_image_list(const std::string& name, int width, int height) {
    image_lists_.push_back(std::make_unique<ImageList>(name, width, height));
    return *image_lists_.back();
}

template <class T>
static T* find_named(const std::vector<std::unique_ptr<T>>& v, const std::string& name) {
    for (const auto& p : v) {
        if (p->name() == name) return p.get();
    }
    return nullptr;
}

Control* Form::find_control(const std::string& name) const { return find_named(controls_, name); }
Timer* Form::find_timer(const std::string& name) const { return find_named(timers_, name); }
MediaPlayer* Form::find_player(const std::string& name) const {
    return find_named(players_, name);
}
ImageList* Form::find_image_list(const std::string& name) const {
    return find_named(image_lists_, name);
}

const Field* Form::find_field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : &it->second;
}

Rect Form::client_rect(const Control& c) const {
    int x = c.left(), y = c.top();
    for (const Control* p = c.parent(); p; p = p->parent()) {
        x += p->left();
        y += p->top();
    }
    return {x, y, x + c.width(), y + c.height()};
}

Control* Form::control_at(int x, int y) const {
    // The topmost is the last created among those under the point whose parents all hold it.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (!c->showing() || c->kind() == ControlKind::memo) continue;
        const Rect r = client_rect(*c);
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
        bool inside_parents = true;
        for (const Control* p = c->parent(); p; p = p->parent()) {
            const Rect pr = client_rect(*p);
            if (x < pr.left || x >= pr.right || y < pr.top || y >= pr.bottom) {
                inside_parents = false;
            }
        }
        if (inside_parents) return c;
    }
    return nullptr;
}

bool Form::can_focus(const Control* c) const {
    return c && c->takes_focus() && c->enabled() && c->showing();
}

void Form::set_focus(Control* c) {
    if (c == focus_) return;
    focus_ = c;
    changed();
}

void Form::focus_moves_from(const Control& c) {
    if (focus_ != &c) return;
    focus_next(false);
    if (focus_ == &c) focus_ = nullptr;
}

void Form::focus_next(bool backwards) {
    if (tab_order_.empty()) return;
    const auto n = static_cast<int>(tab_order_.size());
    auto it = std::find(tab_order_.begin(), tab_order_.end(), focus_);
    int start = it == tab_order_.end() ? (backwards ? 0 : n - 1)
                                       : static_cast<int>(it - tab_order_.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (backwards ? -step : step)) % n + n) % n;
        Control* c = tab_order_[static_cast<std::size_t>(i)];
        if (can_focus(c)) {
            set_focus(c);
            return;
        }
    }
}

}  // namespace ui
