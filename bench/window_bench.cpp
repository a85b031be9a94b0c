// The game itself, built from the same sources, watched from inside:
//   brellon-bench-window startup   leaves right after the first frame of the title
//   brellon-bench-window bout      clicks the title's arrows and times each click to its frame,
//                                  starts a VS bout, reads the peak memory once it has begun, then
//                                  lets it run 10 s with no input: CPU time and timer lateness.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bout/bout_screen.h"
#include "platform/platform.h"
#include "proc.h"
#include "screens/select.h"
#include "screens/vs.h"

namespace {

using Steady = std::chrono::steady_clock;

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

struct BoutRun {
    ui::Application* app = nullptr;
    app::Game* game = nullptr;
    std::unique_ptr<ui::Timer> ticker;
    int phase = 0;  // 0 clicks on the title, 1 into the bout, 2 the bout runs, 3 done
    int clicks = 0;
    bool waiting_frame = false;
    Steady::time_point pushed;
    std::vector<double> click_ms, late_ms;
    long long cpu_at_start = 0;
    Steady::time_point bout_start;
    long rss_kb = 0;

    void push_click() {
        auto& title = game->title();
        const ui::Rect r = title.client_rect(title.UpD_lv);
        const bool up = clicks % 2 == 0;
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = SDL_PRESSED;
        e.button.x = (r.left + r.right) / 2;
        e.button.y = up ? r.top + 3 : r.bottom - 3;
        SDL_PushEvent(&e);
        e.type = SDL_MOUSEBUTTONUP;
        e.button.state = SDL_RELEASED;
        pushed = Steady::now();
        waiting_frame = true;
        SDL_PushEvent(&e);
        ++clicks;
    }

    void presented() {
        if (waiting_frame) {
            waiting_frame = false;
            click_ms.push_back(
                std::chrono::duration<double, std::milli>(Steady::now() - pushed).count());
        }
        if (phase == 1 && game->bout().Img_ring.visible()) begin_bout();
    }

    void tick() {
        if (phase == 0) {
            if (clicks < 40) {
                if (!waiting_frame) push_click();
                return;
            }
            phase = 1;
            ticker->set_enabled(false);
            auto& vs = game->vs();
            app->click(*game->title().find_control("Btn_vs"), ui::MouseButton::left);
            for (const char* n : {"Button4", "Spb_cp", "Button5", "Btn_enter"}) {
                app->click(*vs.find_control(n), ui::MouseButton::left);
            }
        } else if (phase == 2) {
            finish();
        }
    }

    void begin_bout() {
        phase = 2;
        rss_kb = bench::peak_rss_kb();
        cpu_at_start = bench::cpu_us();
        bout_start = Steady::now();
        app->on_late = [this](const ui::Timer&, std::int64_t late) {
            late_ms.push_back(static_cast<double>(late));
        };
        ticker->set_interval(10000);
        ticker->set_enabled(true);
    }

    void finish() {
        phase = 3;
        const double wall_s = std::chrono::duration<double>(Steady::now() - bout_start).count();
        const double cpu_s = static_cast<double>(bench::cpu_us() - cpu_at_start) / 1e6;
        std::printf("peak_rss_kb %ld\n", rss_kb);
        std::printf("bout_cpu_percent %.3f\n", 100.0 * cpu_s / wall_s);
        std::printf("timer_late_p50_ms %.1f\ntimer_late_p99_ms %.1f\ntimer_ticks %zu\n",
                    percentile(late_ms, 0.5), percentile(late_ms, 0.99), late_ms.size());
        std::printf("click_frame_p50_ms %.2f\nclick_frame_max_ms %.2f\n",
                    percentile(click_ms, 0.5), percentile(click_ms, 1.0));
        app->on_late = nullptr;
        app->terminate();
        // Timers belong to the run, which ends before main returns: this one goes now. The
        // handler running it is a copy, so it may go while it runs.
        ticker.reset();
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "startup";
    platform::RunOptions options;
    ui::Application* running = nullptr;
    BoutRun run;
    if (mode == "startup") {
        options.started = [&](ui::Application& app, app::Game&) { running = &app; };
        options.hooks.after_present = [&] {
            std::printf("peak_rss_kb %ld\n", bench::peak_rss_kb());
            running->terminate();
        };
    } else {
        options.started = [&](ui::Application& app, app::Game& game) {
            run.app = &app;
            run.game = &game;
            run.ticker = std::make_unique<ui::Timer>(app.timers(), "bench", 30);
            run.ticker->on_timer = [&] { run.tick(); };
            run.ticker->set_enabled(true);
        };
        options.hooks.after_present = [&] { run.presented(); };
    }
    return platform::run_game(options);
}
