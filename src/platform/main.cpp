// Brellon: start-up, then the window's message loop until the title closes.
#include <SDL.h>

#include <cstdio>
#include <exception>
#include <random>

#include "app/game.h"
#include "platform/platform.h"

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "brellon: cannot open a window: %s\n", SDL_GetError());
        return 1;
    }
    app::PicturesLoad pics = app::load_pictures(platform::load_png);
    if (!pics.ok) {
        platform::show_error("Brellon cannot start: " + pics.error);
        SDL_Quit();
        return 1;
    }
    int status = 0;
    {
        platform::RealClock clock;
        std::unique_ptr<ui::AudioDevice> audio = platform::make_sdl_audio();
        ui::Random random(std::random_device{}());
        ui::Application app(clock, *audio, random);
        app.report = platform::show_error;
        try {
            app::Game game(app, pics.pictures);
            game.start();
            const platform::WindowResult r = platform::run_window(app);
            if (!r.ok) {
                std::fprintf(stderr, "brellon: %s\n", r.error.c_str());
                status = 1;
            }
        } catch (const std::exception& e) {
            platform::show_error(e.what());
        } catch (...) {
            platform::show_error("");
        }
    }
    SDL_Quit();
    return status;
}
