#include "monkey.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <random>
#include <sstream>

#include "app/game.h"
#include "bout/bout_screen.h"
#include "drawings.h"
#include "platform/platform.h"
#include "screens/edit.h"
#include "screens/select.h"
#include "screens/story.h"
#include "ui/control.h"
#include "ui/form.h"

namespace monkey {

namespace {

// The game's timers by name. Each of their ticks is checked on its own, so a fault made inside
// a long wait is caught at the tick that made it; a timer missing here is still checked after
// its action.
constexpr const char* kTimerNames[] = {
    "Tmr_target_0_on", "Tmr_target_1_on", "Tmr_tgt_0_off", "Tmr_tgt_1_off", "Tmr_move_0_off",
    "Tmr_move_1_off",  "Tmr_event",       "Tmr_cls",       "Tmr_clr",       "Tmr_shake_0",
    "Tmr_shake_1",     "Tmr_finish",      "Tmr_next"};

constexpr const char* kKeys[] = {"tab", "shift+tab", "space", "enter", "up", "down"};

constexpr std::size_t kRecentActions = 20;

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Each game of a run gets a driver seed of its own, so a failing game replays alone.
std::uint64_t game_seed_of(std::uint64_t seed, std::uint64_t game) {
    return mix(seed ^ mix(game + 1)) % 1000000000000ULL;
}

std::string path_of(const ui::Form& f, const ui::Control& c) {
    return f.name() + "." + c.name();
}

// The gauge position for hp: the lower end of the tenth it lies in, 0 at or below 0.
int gauge_of(std::int32_t hp, std::int32_t hp_max) {
    for (int j = 0; j <= 9; ++j) {
        if (j * hp_max < 10 * hp && 10 * hp <= (j + 1) * hp_max) return 10 * j;
    }
    return 0;
}

struct Failure {
    Invariant invariant;
    std::string what;
    std::string where;
};

// What the last check saw, for the checks that compare one moment with the one before.
struct Snapshot {
    const ui::Form* screen = nullptr;
    bool in_bout = false;
    std::int32_t hp[2] = {};
    std::int32_t damage[2] = {};  // what a punch landing now would take from side s
    std::int32_t gap = 0;
    bool finishing = false;
    std::int32_t step = 0;
    std::int32_t rush[2] = {};
    bool offering_retry = false;
};

// One game behind the driver, with every check after every action and every timer tick.
class Session {
public:
    // A lenient session lets the driver refuse lines: a shortened script may click a mark that
    // no longer comes up, which then does nothing, as in brellon-drive.
    Session(const app::Pictures& pictures, std::uint64_t seed, bool lenient)
        : driver_(pictures, seed, out_), lenient_(lenient) {
        ui::Application& app = driver_.app();
        app.report = [this](const std::string& message) {
            fail(Invariant::error_report,
                 "a handler raised an error: " + (message.empty() ? "(no message)" : message),
                 "in a handler at " + std::to_string(driver_.app().clock().now()) + " ms");
        };
        for (ui::Form* f : app.forms()) {
            for (const char* name : kTimerNames) {
                ui::Timer* t = f->find_timer(name);
                if (!t || !t->on_timer) continue;
                auto inner = std::move(t->on_timer);
                t->on_timer = [this, t, inner = std::move(inner)] {
                    inner();
                    check(t);
                };
            }
        }
        check(nullptr);
    }
    // The game's timers hold on to this session.
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    drive::Driver& driver() { return driver_; }
    bool ended() { return driver_.app().ended(); }
    const std::optional<Failure>& failure() const { return failure_; }
    const MonkeyStats& stats() const { return stats_; }

    // Plays one driver line, then `hook`, then every check. False once an invariant has failed.
    bool act(const std::string& line, const Hook& hook) {
        driver_.command(line);
        if (hook) hook(driver_);
        const std::string said = out_.str();
        if (!said.empty()) {
            if (!lenient_ && said.find("error:") != std::string::npos) {
                std::string text = said.substr(said.find("error:"));
                if (!text.empty() && text.back() == '\n') text.pop_back();
                fail(Invariant::refused, "the driver answered \"" + text + "\"", "");
            }
            out_.str("");
        }
        check(nullptr);
        return !failure_;
    }

    // The sound log grows with every cue; nothing here reads it.
    void drop_sounds() {
        driver_.command("sounds");
        out_.str("");
    }

private:
    void fail(Invariant inv, std::string what, std::string where) {
        if (failure_) return;
        failure_ = Failure{inv, std::move(what), std::move(where)};
    }
    void fail(Invariant inv, std::string what) {
        const std::string at = std::to_string(driver_.app().clock().now()) + " ms";
        fail(inv, std::move(what),
             tick_ ? "after the tick of " + tick_->name() + " at " + at
                   : "after the action, at " + at);
    }
    void check(const ui::Timer* tick);
    void check_bout(const bout::BoutScreen& b);
    void check_rush_intervals(const bout::BoutScreen& b);
    void count(const Snapshot& now);

    std::ostringstream out_;
    drive::Driver driver_;
    bool lenient_;
    const ui::Timer* tick_ = nullptr;
    Snapshot before_;
    std::optional<Failure> failure_;
    MonkeyStats stats_;
};

void Session::check(const ui::Timer* tick) {
    if (failure_) return;
    tick_ = tick;
    ui::Application& app = driver_.app();
    const app::Game& game = driver_.game();
    const bout::BoutScreen& b = game.bout();
    Snapshot now;
    if (app.ended()) {
        before_ = now;
        return;
    }

    const auto shown = app.visible_forms();
    if (shown.size() != 1) {
        std::string names;
        for (const ui::Form* f : shown) names += " " + f->name();
        fail(Invariant::one_screen, std::to_string(shown.size()) +
                                        " screens visible:" + (names.empty() ? " none" : names));
    }
    now.screen = shown.size() == 1 ? shown.front() : nullptr;
    now.in_bout = b.visible();
    if (now.in_bout) check_bout(b);

    for (int s = 0; s < 2; ++s) {
        if (b.rush[s] < 0 || b.rush[s] > 6) {
            fail(Invariant::rush_counter, "rush[" + std::to_string(s) + "] is " +
                                              std::to_string(b.rush[s]) + ", not within 0..6");
        }
    }

    if (b.Tmr_finish.enabled()) {
        for (const ui::Label* m : {&b.Lbl_tgt_0, &b.Lbl_tgt_1, &b.Lbl_move_0, &b.Lbl_move_0_1,
                                   &b.Lbl_move_1, &b.Lbl_move_1_0}) {
            if (m->showing()) {
                fail(Invariant::no_mark_after_ko,
                     m->name() + " (\"" + m->caption() + "\") is showing while Tmr_finish runs");
            }
        }
    }

    const screens::EditScreen& edit = game.edit();
    if (edit.visible()) {
        std::int32_t sum = edit.pnt;
        std::string parts;
        for (std::int32_t v : edit.own_sts) {
            sum += v;
            parts += std::to_string(v) + " ";
        }
        if (sum != 40) {
            fail(Invariant::edit_points, "own_sts " + parts + "and pnt " +
                                             std::to_string(edit.pnt) + " make " +
                                             std::to_string(sum) + ", not 40");
        }
    }

    const screens::TitleScreen& title = game.title();
    if (now.screen == &title && before_.screen != &title && title.level != 1) {
        fail(Invariant::level_on_title,
             "the title came up with level " + std::to_string(title.level) + ", not 1");
    }

    for (int s = 0; s < 2; ++s) {
        const int other = 1 - s;
        now.hp[s] = b.hp[s];
        now.damage[s] = b.gap == 0 ? b.nap_now[other] : b.lap_now[other];
    }
    now.gap = b.gap;
    now.finishing = b.Tmr_finish.enabled();
    now.step = game.story().step;
    now.rush[0] = b.rush[0];
    now.rush[1] = b.rush[1];
    now.offering_retry = b.Pnl_cmd.showing();
    count(now);
    before_ = now;
}

void Session::check_bout(const bout::BoutScreen& b) {
    if (b.pos[0] < 0 || b.pos[0] > 6 || b.pos[1] < 0 || b.pos[1] > 6 || b.gap < 0 || b.gap > 1) {
        fail(Invariant::ring_line,
             "pos " + std::to_string(b.pos[0]) + ", " + std::to_string(b.pos[1]) + " and gap " +
                 std::to_string(b.gap) + ": pos must lie within 0..6, " + "gap within 0..1");
    }

    if (before_.in_bout) {
        for (int s = 0; s < 2; ++s) {
            const std::int32_t was = before_.hp[s], is = b.hp[s];
            const std::string who = "hp[" + std::to_string(s) + "]";
            if (is > was) {
                fail(Invariant::hp_by_damage,
                     who + " rose from " + std::to_string(was) + " to " + std::to_string(is));
            } else if (is < was && was - is != before_.damage[s]) {
                const char* power = before_.gap == 0 ? "nap_now" : "lap_now";
                fail(Invariant::hp_by_damage,
                     who + " fell from " + std::to_string(was) + " to " + std::to_string(is) +
                         ", by " + std::to_string(was - is) + "; a punch landing at gap " +
                         std::to_string(before_.gap) + " takes " + power + "[" +
                         std::to_string(1 - s) + "] = " + std::to_string(before_.damage[s]));
            }
        }
    }

    check_rush_intervals(b);

    const ui::ProgressBar* gauges[2] = {&b.Pgb_hp_0, &b.Pgb_hp_1};
    for (int s = 0; s < 2; ++s) {
        const int want = gauge_of(b.hp[s], b.hp_max[s]);
        if (gauges[s]->position() != want) {
            fail(Invariant::gauges,
                 gauges[s]->name() + " reads " + std::to_string(gauges[s]->position()) + " at hp " +
                     std::to_string(b.hp[s]) + " of " + std::to_string(b.hp_max[s]) + ", not " +
                     std::to_string(want));
        }
    }
}

void Session::check_rush_intervals(const bout::BoutScreen& b) {
    const std::int32_t g0 = b.itv_guard_0, g1 = b.itv_guard_1;
    const int p_on = b.Tmr_target_1_on.interval(), p_off = b.Tmr_tgt_1_off.interval();
    const int c_on = b.Tmr_target_0_on.interval(), c_off = b.Tmr_tgt_0_off.interval();
    const int clr = b.Tmr_clr.interval(), cls = b.Tmr_cls.interval();
    const bool p_normal = p_on == 3000 && p_off == g1;
    const bool p_rush = p_on == 800 && p_off == g1 - g1 / 4;
    const bool c_normal = c_on == 3000 && c_off == g0;
    const bool c_rush = c_on == 1200 && c_off == g0 - g0 / 4;
    // Tmr_clr and Tmr_cls serve both sides: they follow the side that rushes, if any.
    const int shared = p_rush ? 400 : c_rush ? 600 : 1500;
    const bool ok = (p_normal || p_rush) && (c_normal || c_rush) && !(p_rush && c_rush) &&
                    clr == shared && cls == shared;
    if (ok) return;
    auto n = [](int v) { return std::to_string(v); };
    fail(Invariant::rush_intervals,
         "player: Tmr_target_1_on " + n(p_on) + ", Tmr_tgt_1_off " + n(p_off) + " (itv_guard_1 " +
             n(g1) + "); CP: Tmr_target_0_on " + n(c_on) + ", Tmr_tgt_0_off " + n(c_off) +
             " (itv_guard_0 " + n(g0) + "); Tmr_clr " + n(clr) + ", Tmr_cls " + n(cls) + "; rush " +
             n(b.rush[0]) + ", " + n(b.rush[1]));
}

void Session::count(const Snapshot& now) {
    const bout::BoutScreen& b = driver_.game().bout();
    if (now.in_bout && !before_.in_bout) ++stats_.bouts;
    if (now.finishing && !before_.finishing) ++(b.atk == 0 ? stats_.player_wins : stats_.cp_wins);
    if (now.step == 7 && before_.step != 7) ++stats_.endings;
    for (int s = 0; s < 2; ++s) {
        if (now.rush[s] > 0 && before_.rush[s] == 0) ++stats_.rushes[s];
    }
    if (now.offering_retry && !before_.offering_retry) ++stats_.lost_stories;
}

// Picks the next action from what the visible screen offers, with the monkey's own generator.
class Chooser {
public:
    explicit Chooser(std::uint64_t seed) : rng_(seed) {}
    std::string next(drive::Driver& d);

private:
    std::uint64_t below(std::uint64_t n) { return ((rng_() >> 32) * n) >> 32; }
    bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
    template <class T>
    T& pick(const std::vector<T*>& v) {
        return *v[below(v.size())];
    }
    std::string wait(drive::Driver& d);
    std::string click_mark(const ui::Form& f, const ui::Control& mark);
    std::string place(const ui::Form& f);

    std::mt19937_64 rng_;
    // What the screen offers, kept from action to action so that no action allocates them.
    struct Offers {
        std::vector<const ui::Control*> marks, buttons, arrows, any;
    } lists_;
};

std::string Chooser::next(drive::Driver& d) {
    const auto shown = d.app().visible_forms();
    if (shown.empty()) return wait(d);
    const ui::Form& f = *shown.front();

    // Marks are the bout's clickable labels; buttons anything else that handles a click.
    auto& [marks, buttons, arrows, any] = lists_;
    for (auto* list : {&marks, &buttons, &arrows, &any}) list->clear();
    for (const auto& c : f.controls()) {
        if (!c->showing() || !c->enabled()) continue;
        any.push_back(c.get());
        const bool handles = c->on_click || c->on_mouse_down;
        if (c->kind() == ui::ControlKind::up_down || c->kind() == ui::ControlKind::spin_edit) {
            arrows.push_back(c.get());
        } else if (handles && c->kind() == ui::ControlKind::label) {
            marks.push_back(c.get());
        } else if (handles) {
            buttons.push_back(c.get());
        }
    }

    // Mostly answer a mark, so bouts are fought and decided, on both sides.
    if (!marks.empty() && chance(55)) return click_mark(f, pick(marks));
    if (below(5000) == 0) return "close " + f.name();
    const auto r = below(1000);
    if (r < 450) return wait(d);
    if (r < 700 && !buttons.empty()) return "click " + path_of(f, pick(buttons));
    if (r < 780 && !arrows.empty()) {
        return "arrow " + path_of(f, pick(arrows)) + (chance(50) ? " up" : " down");
    }
    if (r < 860 && !any.empty()) {
        return "click " + path_of(f, pick(any)) + (chance(70) ? " left" : " right");
    }
    if (r < 930) return std::string("key ") + kKeys[below(std::size(kKeys))];
    if (r < 945) return place(f);
    if (r < 955) {
        // The music reaches the end of its file.
        for (const char* name : {"Mpr_bgm", "Mpr_bgm_B"}) {
            const ui::MediaPlayer* p = f.find_player(name);
            if (p && p->playing()) return "end " + f.name() + "." + name;
        }
    }
    return wait(d);
}

std::string Chooser::wait(drive::Driver& d) {
    const std::int64_t now = d.app().clock().now();
    const std::int64_t due = d.app().timers().next_due();
    const auto r = below(100);
    std::int64_t ms = 0;
    if (due > now && r < 35) {
        ms = due - now;  // the next tick, and then an action in its very millisecond
    } else if (due > now + 1 && r < 45) {
        ms = due - now - 1;  // an action in the millisecond before it
    } else if (r < 80) {
        ms = 1 + static_cast<std::int64_t>(below(1000));
    } else {
        ms = 1 + static_cast<std::int64_t>(below(4000));
    }
    return "wait " + std::to_string(ms);
}

std::string Chooser::click_mark(const ui::Form& f, const ui::Control& mark) {
    bool right = false;
    if (mark.name() == "Lbl_tgt_1") {
        // The blue target asks for a button by its caption; the wrong one now and then.
        const std::string& c = mark.caption();
        right = c == "◇" || c == "◆" || (c == "☆" && chance(50));
        if (chance(15)) right = !right;
    } else {
        right = chance(10);
    }
    return "click " + path_of(f, mark) + (right ? " right" : " left");
}

std::string Chooser::place(const ui::Form& f) {
    auto n = [](std::uint64_t v, int shift) { return std::to_string(static_cast<int>(v) - shift); };
    const bool designed = chance(30);
    return "place " + f.name() + " " + n(below(1400), 200) + " " + n(below(1100), 200) + " " +
           (designed ? "640 480" : n(below(1601), 0) + " " + n(below(1201), 0));
}

std::string report_of(const Failure& f, std::uint64_t seed, std::uint64_t action,
                      std::uint64_t game, std::uint64_t game_seed, std::uint64_t game_action,
                      const std::deque<std::string>& recent) {
    std::ostringstream r;
    r << "invariant " << static_cast<int>(f.invariant) << " failed (" << invariant_text(f.invariant)
      << "): " << f.what << "\n"
      << "  seed " << seed << ", action " << action << "; game " << game << " (driver seed "
      << game_seed << "), its action " << game_action;
    if (!f.where.empty()) r << ", " << f.where;
    r << "\nthe last actions:\n";
    for (const std::string& line : recent) r << "  " << line << "\n";
    return r.str();
}

bool is_wait(const std::string& line) {
    return line.rfind("wait ", 0) == 0;
}

void merge_waits(std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (is_wait(line) && !out.empty() && is_wait(out.back())) {
            const long long sum = std::stoll(out.back().substr(5)) + std::stoll(line.substr(5));
            out.back() = "wait " + std::to_string(sum);
        } else {
            out.push_back(line);
        }
    }
    lines = std::move(out);
}

}  // namespace

const char* invariant_text(Invariant inv) {
    switch (inv) {
        case Invariant::none:
            return "none";
        case Invariant::one_screen:
            return "exactly one screen visible";
        case Invariant::ring_line:
            return "pos within 0..6 and gap within 0..1";
        case Invariant::hp_by_damage:
            return "hp falls only by a landed punch's damage";
        case Invariant::rush_counter:
            return "rush within 0..6";
        case Invariant::rush_intervals:
            return "rush intervals all normal or all rush";
        case Invariant::gauges:
            return "gauges follow the hit points";
        case Invariant::no_mark_after_ko:
            return "no mark while Tmr_finish runs";
        case Invariant::edit_points:
            return "own_sts and pnt make 40";
        case Invariant::level_on_title:
            return "the title comes up at level 1";
        case Invariant::error_report:
            return "no handler raises an error";
        case Invariant::refused:
            return "the driver takes every action the monkey picks";
    }
    return "?";
}

app::Pictures monkey_pictures(bool* real) {
    app::PicturesLoad loaded = app::load_pictures(platform::load_png);
    if (real) *real = loaded.ok;
    if (loaded.ok) return std::move(loaded.pictures);
    return drive::test_drawings();
}

MonkeyResult run_monkey(const app::Pictures& pictures, const MonkeyOptions& options) {
    MonkeyResult result;
    Chooser chooser(mix(options.seed));
    std::deque<std::string> recent;
    auto note = [&recent](std::string line) {
        recent.push_back(std::move(line));
        if (recent.size() > kRecentActions) recent.pop_front();
    };
    for (std::uint64_t game = 1; result.actions < options.actions; ++game) {
        const std::uint64_t seed = game_seed_of(options.seed, game);
        Session session(pictures, seed, false);
        std::vector<std::string> script;
        note("# game " + std::to_string(game) + ": brellon-drive --seed " + std::to_string(seed));
        auto failed = [&] {
            const Failure& f = *session.failure();
            result.ok = false;
            result.invariant = f.invariant;
            result.report =
                report_of(f, options.seed, result.actions, game, seed, script.size(), recent);
            result.game_seed = seed;
            result.script = std::move(script);
        };
        if (session.failure()) failed();
        while (result.ok && result.actions < options.actions && !session.ended()) {
            std::string line = chooser.next(session.driver());
            ++result.actions;
            note(std::to_string(result.actions) + "  " + line);
            script.push_back(std::move(line));
            if (!session.act(script.back(), options.after_action)) failed();
            if (result.actions % 512 == 0) session.drop_sounds();
        }
        const MonkeyStats& s = session.stats();
        ++result.stats.games;
        result.stats.bouts += s.bouts;
        result.stats.player_wins += s.player_wins;
        result.stats.cp_wins += s.cp_wins;
        result.stats.endings += s.endings;
        result.stats.rushes[0] += s.rushes[0];
        result.stats.rushes[1] += s.rushes[1];
        result.stats.lost_stories += s.lost_stories;
        if (!result.ok) break;
    }
    return result;
}

MonkeyResult run_monkey(std::uint64_t seed, std::uint64_t actions) {
    MonkeyOptions options;
    options.seed = seed;
    options.actions = actions;
    return run_monkey(monkey_pictures(), options);
}

Invariant replay(const app::Pictures& pictures, std::uint64_t game_seed,
                 const std::vector<std::string>& lines, const Hook& after_action,
                 std::size_t* failed_at) {
    Session session(pictures, game_seed, true);
    for (std::size_t i = 0; i < lines.size() && !session.failure() && !session.ended(); ++i) {
        if (failed_at) *failed_at = i;
        session.act(lines[i], after_action);
    }
    return session.failure() ? session.failure()->invariant : Invariant::none;
}

std::vector<std::string> shrink(const app::Pictures& pictures, std::uint64_t game_seed,
                                std::vector<std::string> lines, Invariant inv,
                                std::chrono::milliseconds budget, const Hook& after_action) {
    const bool limited = budget != std::chrono::milliseconds::max();
    const auto deadline = std::chrono::steady_clock::now() + (limited ? budget : budget.zero());
    auto in_time = [&] { return !limited || std::chrono::steady_clock::now() < deadline; };
    // Keeps a candidate that still fails the same way, cut after its failing line.
    auto still_fails = [&](std::vector<std::string>& v) {
        std::size_t at = 0;
        if (replay(pictures, game_seed, v, after_action, &at) != inv) return false;
        v.resize(at + 1);
        return true;
    };
    merge_waits(lines);
    if (!still_fails(lines)) return lines;
    for (bool shorter = true; shorter && in_time();) {
        shorter = false;
        for (std::size_t chunk = std::max<std::size_t>(lines.size() / 2, 1); in_time();
             chunk /= 2) {
            for (std::size_t i = 0; i < lines.size() && in_time();) {
                std::vector<std::string> v(lines.begin(),
                                           lines.begin() + static_cast<std::ptrdiff_t>(i));
                const std::size_t end = std::min(i + chunk, lines.size());
                v.insert(v.end(), lines.begin() + static_cast<std::ptrdiff_t>(end), lines.end());
                merge_waits(v);
                if (!v.empty() && still_fails(v)) {
                    lines = std::move(v);
                    shorter = true;
                } else {
                    i += chunk;
                }
            }
            if (chunk == 1) break;
        }
    }
    return lines;
}

}  // namespace monkey
