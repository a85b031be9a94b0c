#include "driver.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

#include "app/game.h"
#include "platform/platform.h"
#include "ui/form.h"

namespace drive {

namespace {

std::vector<std::string> split_words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool to_int(const std::string& s, long long& out) {
    const char* end = s.data() + s.size();
    auto r = std::from_chars(s.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

std::string hex_colour(ui::Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

// "name[1][2]" into "name" and its indexes.
bool split_indexes(const std::string& s, std::string& name, std::vector<int>& idx) {
    const auto open = s.find('[');
    name = s.substr(0, open);
    idx.clear();
    std::size_t p = open;
    while (p != std::string::npos && p < s.size()) {
        if (s[p] != '[') return false;
        const auto close = s.find(']', p);
        if (close == std::string::npos) return false;
        long long v = 0;
        if (!to_int(s.substr(p + 1, close - p - 1), v)) return false;
        idx.push_back(static_cast<int>(v));
        p = close + 1;
    }
    return !name.empty();
}

const char* bool_text(bool b) { return b ? "1" : "0"; }

}  // namespace

Driver::Driver(const app::Pictures& pictures, std::uint64_t seed, std::ostream& out,
               ui::AudioDevice* audio)
    : out_(out), recording_(clock_), random_(seed),
      app_(clock_, audio ? *audio : recording_, random_) {
    app_.report = [](const std::string& message) {
        std::cerr << "brellon: " << (message.empty() ? "error" : message) << "\n";
    };
    random_.on_bad_force = [this](const std::string& what) { error(what); };
    game_ = std::make_unique<app::Game>(app_, pictures);
    game_->start();
}

Driver::~Driver() = default;

void Driver::answer(const std::string& text) { out_ << text << "\n"; }

void Driver::error(const std::string& what) {
    had_error_ = true;
    out_ << "error: " << what << "\n";
}

void Driver::command(const std::string& raw) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto words = split_words(line);
    if (words.empty() || words[0][0] == '#') return;
    const std::string& cmd = words[0];

    if (app_.ended()) {
        error("the program has ended");
        return;
    }

    auto form_of = [&](const std::string& name) -> ui::Form* {
        ui::Form* f = app_.find_form(name);
        if (!f) error("no form " + name);
        return f;
    };
    // "Form1.Lbl_tgt_1" into its form and control.
    auto control_of = [&](const std::string& path) -> ui::Control* {
        const auto dot = path.find('.');
        if (dot == std::string::npos) {
            error("expected FORM.CONTROL, not " + path);
            return nullptr;
        }
        ui::Form* f = form_of(path.substr(0, dot));
        if (!f) return nullptr;
        ui::Control* c = f->find_control(path.substr(dot + 1));
        if (!c) error("no control " + path.substr(dot + 1) + " on " + f->name());
        return c;
    };

    if (cmd == "wait" && words.size() == 2) {
        long long ms = 0;
        if (!to_int(words[1], ms) || ms < 0) return error("wait needs a number of ms");
        app_.advance(clock_, clock_.now() + ms);
    } else if (cmd == "click" && (words.size() == 2 || words.size() == 3)) {
        ui::MouseButton b = ui::MouseButton::left;
        if (words.size() == 3) {
            if (words[2] == "right") b = ui::MouseButton::right;
            else if (words[2] != "left") return error("button must be left or right");
        }
        ui::Control* c = control_of(words[1]);
        if (!c) return;
        if (!app_.click(*c, b)) return error(words[1] + " is not showing or not enabled");
    } else if (cmd == "arrow" && words.size() == 3) {
        ui::Control* c = control_of(words[1]);
        if (!c) return;
        if (words[2] != "up" && words[2] != "down") return error("arrow must be up or down");
        if (c->kind() != ui::ControlKind::up_down && c->kind() != ui::ControlKind::spin_edit) {
            return error(words[1] + " has no arrows");
        }
        if (!app_.arrow(*c, words[2] == "up" ? ui::Arrow::up : ui::Arrow::down)) {
            return error(words[1] + " is not showing or not enabled");
        }
    } else if (cmd == "get" && words.size() == 2) {
        get(words[1]);
    } else if (cmd == "set" && words.size() >= 3) {
        set(words[1], line.substr(line.find(words[1]) + words[1].size() + 1));
    } else if (cmd == "pixel" && words.size() == 4) {
        pixel(words[1], words[2], words[3]);
    } else if (cmd == "rng" && words.size() >= 2) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            long long v = 0;
            if (!to_int(words[i], v)) return error("rng takes numbers");
            random_.force(static_cast<int>(v));
        }
    } else if (cmd == "end" && words.size() == 2) {
        ui::MediaPlayer* p = find_player(words[1]);
        if (!p) return error("no player " + words[1]);
        app_.run([p] { p->reach_end(); });
    } else if (cmd == "sounds" && words.size() == 1) {
        for (const auto& l : recording_.take()) answer(l);
        answer("end");
    } else if (cmd == "key" && words.size() == 2) {
        static const std::pair<const char*, ui::Key> keys[] = {
            {"tab", ui::Key::tab},     {"shift+tab", ui::Key::shift_tab},
            {"space", ui::Key::space}, {"enter", ui::Key::enter},
            {"up", ui::Key::up},       {"down", ui::Key::down}};
        bool found = false;
        for (const auto& [name, k] : keys) {
            if (words[1] == name) {
                app_.key(k);
                found = true;
            }
        }
        if (!found) return error("no key " + words[1]);
    } else if (cmd == "place" && words.size() == 6) {
        ui::Form* f = form_of(words[1]);
        if (!f) return;
        long long v[4];
        for (int i = 0; i < 4; ++i) {
            if (!to_int(words[2 + i], v[i])) return error("place takes four numbers");
        }
        app_.place(*f, static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                   static_cast<int>(v[3]));
    } else if (cmd == "close" && words.size() == 2) {
        ui::Form* f = form_of(words[1]);
        if (!f) return;
        app_.close(*f);
    } else if (cmd == "screen" && words.size() == 1) {
        std::string names;
        for (ui::Form* f : app_.visible_forms()) names += (names.empty() ? "" : " ") + f->name();
        answer(names);
    } else if (cmd == "shot" && words.size() == 2) {
        auto shown = app_.visible_forms();
        if (shown.empty()) return error("no form is visible");
        const std::string err = platform::save_form_png(*shown.front(), words[1]);
        if (!err.empty()) return error(err);
    } else if (cmd == "time" && words.size() == 1) {
        answer(std::to_string(clock_.now()));
    } else {
        return error("cannot read: " + line);
    }
    if (app_.ended() && !ended_reported_) {
        ended_reported_ = true;
        answer("ended");
    }
}

ui::MediaPlayer* Driver::find_player(const std::string& path) {
    const auto dot = path.find('.');
    if (dot != std::string::npos) {
        ui::Form* f = app_.find_form(path.substr(0, dot));
        return f ? f->find_player(path.substr(dot + 1)) : nullptr;
    }
    for (ui::Form* f : app_.forms()) {
        if (ui::MediaPlayer* p = f->find_player(path)) return p;
    }
    return nullptr;
}

void Driver::get(const std::string& path) {
    const auto dot = path.find('.');
    if (dot == std::string::npos) return error("expected FORM.NAME, not " + path);
    ui::Form* f = app_.find_form(path.substr(0, dot));
    if (!f) return error("no form " + path.substr(0, dot));
    const std::string rest = path.substr(dot + 1);
    const auto dot2 = rest.find('.');
    if (dot2 == std::string::npos) {
        if (rest == "caption") return answer(f->caption());
        if (rest == "visible") return answer(bool_text(f->visible()));
        if (rest == "left") return answer(std::to_string(f->left()));
        if (rest == "top") return answer(std::to_string(f->top()));
        if (rest == "width") return answer(std::to_string(f->client_width()));
        if (rest == "height") return answer(std::to_string(f->client_height()));
        if (rest == "focus") return answer(f->focus() ? f->focus()->name() : "");
        std::string name;
        std::vector<int> idx;
        const ui::Field* field = nullptr;
        if (split_indexes(rest, name, idx)) field = f->find_field(name);
        if (!field) return error("no value " + rest + " on " + f->name());
        int i = 0;
        if (!field_index(*field, idx, i)) return error("index out of range: " + rest);
        if (field->ints) return answer(std::to_string(field->ints[i]));
        return answer(field->texts[i]);
    }
    const std::string obj = rest.substr(0, dot2), prop = rest.substr(dot2 + 1);
    if (ui::Timer* t = f->find_timer(obj)) {
        if (prop == "enabled") return answer(bool_text(t->enabled()));
        if (prop == "interval") return answer(std::to_string(t->interval()));
        return error("a timer has no " + prop);
    }
    if (ui::MediaPlayer* p = f->find_player(obj)) {
        if (prop == "notify") return answer(bool_text(p->notify()));
        if (prop == "playing") return answer(bool_text(p->playing()));
        return error("a sound player has no " + prop);
    }
    ui::Control* c = f->find_control(obj);
    if (!c) return error("no control " + obj + " on " + f->name());
    if (prop == "caption") return answer(c->caption());
    if (prop == "visible") return answer(bool_text(c->visible()));
    if (prop == "showing") return answer(bool_text(c->showing()));
    if (prop == "enabled") return answer(bool_text(c->enabled()));
    if (prop == "left") return answer(std::to_string(c->left()));
    if (prop == "top") return answer(std::to_string(c->top()));
    if (prop == "width") return answer(std::to_string(c->width()));
    if (prop == "height") return answer(std::to_string(c->height()));
    if (prop == "tag") return answer(std::to_string(c->tag));
    if (prop == "color") return answer(hex_colour(c->color()));
    if (prop == "fontcolor") return answer(hex_colour(c->font().color));
    if (auto* ud = dynamic_cast<ui::UpDown*>(c); ud && prop == "position") {
        return answer(std::to_string(ud->position()));
    }
    if (auto* pb = dynamic_cast<ui::ProgressBar*>(c); pb && prop == "position") {
        return answer(std::to_string(pb->position()));
    }
    if (auto* se = dynamic_cast<ui::SpinEdit*>(c); se && prop == "value") {
        return answer(std::to_string(se->value()));
    }
    if (auto* sb = dynamic_cast<ui::SpeedButton*>(c); sb && prop == "down") {
        return answer(bool_text(sb->down()));
    }
    error(obj + " has no " + prop);
}

bool Driver::field_index(const ui::Field& field, const std::vector<int>& idx, int& out) const {
    if (idx.empty()) {
        out = 0;
        return true;
    }
    if (idx.size() == 1 && field.inner == 0) {
        out = idx[0];
    } else if (idx.size() == 2 && field.inner > 0) {
        if (idx[1] < 0 || idx[1] >= field.inner) return false;
        out = idx[0] * field.inner + idx[1];
    } else {
        return false;
    }
    return out >= 0 && out < field.count;
}

void Driver::set(const std::string& path, const std::string& value) {
    const auto dot = path.find('.');
    if (dot == std::string::npos) return error("expected FORM.NAME, not " + path);
    ui::Form* f = app_.find_form(path.substr(0, dot));
    if (!f) return error("no form " + path.substr(0, dot));
    std::string name;
    std::vector<int> idx;
    const ui::Field* field = nullptr;
    if (split_indexes(path.substr(dot + 1), name, idx)) field = f->find_field(name);
    if (!field) return error("no value " + path.substr(dot + 1) + " on " + f->name());
    int i = 0;
    if (!field_index(*field, idx, i)) return error("index out of range: " + path);
    if (field->texts) {
        field->texts[i] = value;
        return;
    }
    long long v = 0;
    if (!to_int(value, v)) return error("not a number: " + value);
    field->ints[i] = static_cast<std::int32_t>(v);
}

void Driver::pixel(const std::string& path, const std::string& xs, const std::string& ys) {
    long long x = 0, y = 0;
    if (!to_int(xs, x) || !to_int(ys, y)) return error("pixel takes X and Y");
    const auto dot = path.find('.');
    if (dot == std::string::npos) return error("expected FORM.NAME, not " + path);
    ui::Form* f = app_.find_form(path.substr(0, dot));
    if (!f) return error("no form " + path.substr(0, dot));
    std::string name;
    std::vector<int> idx;
    if (!split_indexes(path.substr(dot + 1), name, idx) || idx.size() > 1) {
        return error("cannot read " + path);
    }
    auto inside = [&](int w, int h) { return x >= 0 && y >= 0 && x < w && y < h; };
    if (idx.size() == 1) {
        ui::ImageList* list = f->find_image_list(name);
        if (!list) return error("no image list " + name + " on " + f->name());
        if (idx[0] < 0 || idx[0] >= list->count()) return error("no cell " + path);
        if (!inside(list->width(), list->height())) return error("outside the cell");
        return answer(hex_colour(list->cell_pixel(idx[0], static_cast<int>(x),
                                                  static_cast<int>(y))));
    }
    auto* pic = dynamic_cast<ui::Picture*>(f->find_control(name));
    if (!pic) return error("no picture " + name + " on " + f->name());
    if (!inside(pic->canvas().width(), pic->canvas().height())) return error("outside the picture");
    answer(hex_colour(pic->canvas().pixel(static_cast<int>(x), static_cast<int>(y))));
}

}  // namespace drive
