// brellon-drive [--seed N] [SCRIPT]: plays the game headless, one command a line.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "driver.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (!script && a.rfind("--", 0) != 0) {
            script = argv[i];
        } else {
            std::cerr << "usage: brellon-drive [--seed N] [SCRIPT]\n";
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
    drive::Driver driver(pics.pictures, seed, std::cout);
    std::string line;
    while (std::getline(in, line)) {
        driver.command(line);
        std::cout.flush();
    }
    return driver.had_error() ? 1 : 0;
}
