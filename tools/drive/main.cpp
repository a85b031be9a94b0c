// brellon-drive [--seed N] [--audio sdl] [SCRIPT]: plays the game headless, one command a line.
// With --audio sdl the sound files are really opened and played (SDL_AUDIODRIVER picks the
// device), so missing or broken ones are reported as in the game; `sounds` then logs nothing.
#include <cstdlib>
#include <fstream>
#include <memory>
#include <iostream>
#include <string>

#include "driver.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    const char* script = nullptr;
    bool real_audio = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (a == "--audio" && i + 1 < argc && std::string(argv[i + 1]) == "sdl") {
            real_audio = true;
            ++i;
        } else if (!script && a.rfind("--", 0) != 0) {
            script = argv[i];
        } else {
            std::cerr << "usage: brellon-drive [--seed N] [--audio sdl] [SCRIPT]\n";
            return 2;
        }
    }
    std::ifstream file;
    if (script) {
        file.open(script);
        if (!file) {
            std::cerr << "brellon-drive: cannot read " << script << "\n";
            return 2;
        }
    }
    std::istream& in = script ? static_cast<std::istream&>(file) : std::cin;

    app::PicturesLoad pics = app::load_pictures(platform::load_png);
    if (!pics.ok) {
        std::cerr << "brellon-drive: " << pics.error << "\n";
        return 1;
    }
    std::unique_ptr<ui::AudioDevice> audio;
    if (real_audio) audio = platform::make_sdl_audio();
    drive::Driver driver(pics.pictures, seed, std::cout, audio.get());
    std::string line;
    while (std::getline(in, line)) {
        driver.command(line);
        std::cout.flush();
    }
    return driver.had_error() ? 1 : 0;
}
