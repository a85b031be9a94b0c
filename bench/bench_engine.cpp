// In-process figures: headless bouts per second, and drawing one bout-screen frame in software.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/game.h"
#include "bouts.h"
#include "bout/bout_screen.h"
#include "platform/platform.h"
#include "platform/render.h"
#include "screens/select.h"
#include "screens/vs.h"

namespace {

const app::Pictures& pictures() {
    static const app::PicturesLoad load = app::load_pictures(platform::load_png);
    if (!load.ok) {
        std::fprintf(stderr, "bench: %s\n", load.error.c_str());
        std::exit(1);
    }
    return load.pictures;
}

struct Headless {
    ui::VirtualClock clock;
    bench::SilentAudio audio;
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    app::Game game{app, pictures()};
    Headless() {
        game.start();
        app.click(*game.title().find_control("Btn_vs"), ui::MouseButton::left);
    }
};

void BM_HeadlessBouts(benchmark::State& state) {
    Headless h;
    std::uint64_t events = 0;
    for (auto _ : state) events += bench::play_one_bout(h.app, h.game, h.clock);
    state.counters["bouts/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["events/bout"] =
        static_cast<double>(events) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HeadlessBouts)->MinTime(2.0);

void BM_SoftwareBoutFrame(benchmark::State& state) {
    Headless h;
    // A bout in full swing: both boxers, a target up, a message on the lines.
    h.app.click(*h.game.vs().find_control("Button2"), ui::MouseButton::left);
    h.app.click(*h.game.vs().find_control("Spb_cp"), ui::MouseButton::left);
    h.app.click(*h.game.vs().find_control("Button7"), ui::MouseButton::left);
    h.app.click(*h.game.vs().find_control("Btn_enter"), ui::MouseButton::left);
    h.app.advance(h.clock, h.clock.now() + 2100);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    {
        platform::FormRenderer r(renderer);
        r.draw(h.game.bout());  // warms the text and picture caches, as the window's first frame
        for (auto _ : state) {
            r.draw(h.game.bout());
            benchmark::DoNotOptimize(surface->pixels);
        }
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}
BENCHMARK(BM_SoftwareBoutFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
