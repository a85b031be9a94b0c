// brellon-monkey [--seed N] [--actions N] [--shrink-seconds N]: plays the game at random,
// checks its invariants after every action, and tells how many actions it played a second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "monkey.h"

namespace {

bool number(const char* s, std::uint64_t& out) {
    char* end = nullptr;
    out = std::strtoull(s, &end, 10);
    return *s != '\0' && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    monkey::MonkeyOptions options;
    options.actions = 100000;
    std::uint64_t shrink_seconds = 60;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::uint64_t* target = a == "--seed"             ? &options.seed
                                : a == "--actions"        ? &options.actions
                                : a == "--shrink-seconds" ? &shrink_seconds
                                                          : nullptr;
        if (!target || i + 1 >= argc || !number(argv[++i], *target)) {
            std::cerr << "usage: brellon-monkey [--seed N] [--actions N] [--shrink-seconds N]\n";
            return 2;
        }
    }

    bool real = false;
    const app::Pictures pictures = monkey::monkey_pictures(&real);
    const auto start = std::chrono::steady_clock::now();
    const monkey::MonkeyResult r = monkey::run_monkey(pictures, options);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const monkey::MonkeyStats& s = r.stats;
    std::cout << "brellon-monkey: seed " << options.seed << ", " << r.actions << " actions in "
              << s.games << " games (" << (real ? "real" : "drawn") << " pictures): " << s.bouts
              << " bouts, won " << s.player_wins << " by the player and " << s.cp_wins
              << " by the CP, " << s.rushes[0] << " rushes of the player and " << s.rushes[1]
              << " of the CP, " << s.lost_stories << " lost story bouts, " << s.endings
              << " stories to the ending\n";
    char rate[128];
    std::snprintf(rate, sizeof rate, "%.2f s: %.0f actions per second", seconds,
                  seconds > 0 ? static_cast<double>(r.actions) / seconds : 0.0);
    std::cout << r.actions << " actions in " << rate << std::endl;
    if (r.ok) return 0;

    std::cout << r.report;
    std::cout.flush();
    if (shrink_seconds > 0) {
        const auto lines = monkey::shrink(pictures, r.game_seed, r.script, r.invariant,
                                          std::chrono::seconds(shrink_seconds));
        std::cout << "a shorter game that fails the same way (" << lines.size() << " of "
                  << r.script.size() << " actions), a script for brellon-drive:\n"
                  << "# seed: " << r.game_seed << "\n";
        for (const std::string& line : lines) std::cout << line << "\n";
    }
    return 1;
}
