// Start-up, then the window's message loop until the title closes.
#include <SDL.h>

#include <cstdio>
#include <exception>
#include <random>

#include "app/game.h"
#include "platform/platform.h"

namespace platform {

int run_game(const RunOptions& options) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "brellon: cannot open a window: %s\n", SDL_GetError());
        return 1;
    }
    // Every picture is there before anything is shown, or nothing is.
    app::PicturesLoad pics = app::load_pictures(load_png);
    if (!pics.ok) {
        show_error("Brellon cannot start: " + pics.error);
        SDL_Quit();
        return 1;
    }
    int status = 0;
    {
        RealClock clock;
        std::unique_ptr<ui::AudioDevice> audio = make_sdl_audio();
        ui::Random random(std::random_device{}());
        ui::Application app(clock, *audio, random);
        app.report = show_error;
        try {
            app::Game game(app, pics.pictures);
            game.start();
            if (options.started) options.started(app, game);
            const WindowResult r = run_window(app, options.hooks);
            if (!r.ok) {
                std::fprintf(stderr, "brellon: %s\n", r.error.c_str());
                status = 1;
            }
        } catch (const std::exception& e) {
            show_error(e.what());
        } catch (...) {
            show_error("");
        }
    }
    SDL_Quit();
    return status;
}

}  // namespace platform
