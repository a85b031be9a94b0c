#pragma once

// The monkey: plays the whole game at random through the driver, seeded so that a run repeats
// exactly, and checks the game's invariants after every action and every timer tick.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/pictures.h"
#include "driver.h"

namespace monkey {

// What the monkey checks. The numbers are the ones its reports give.
enum class Invariant {
    none = 0,
    one_screen = 1,        // exactly one screen visible, unless the run has ended
    ring_line = 2,         // pos within 0..6 and gap within 0..1 on the bout screen
    hp_by_damage = 3,      // hp never rises and falls only by a landed punch's damage
    rush_counter = 4,      // rush within 0..6
    rush_intervals = 5,    // each side's timers all at normal or all at rush values
    gauges = 6,            // the gauges follow the tenths of the hit points
    no_mark_after_ko = 7,  // no mark showing while Tmr_finish runs
    edit_points = 8,       // the six statistics and the points left make 40
    level_on_title = 9,    // the title comes up at NORMAL
    error_report = 10,     // a handler raised an error
    refused = 11,          // the driver refused an action the monkey chose (a monkey fault)
};

const char* invariant_text(Invariant inv);

// What happened in the run, to tell how far the play got.
struct MonkeyStats {
    std::uint64_t games = 0;
    std::uint64_t bouts = 0;        // bouts set up
    std::uint64_t player_wins = 0;  // bouts decided, by winner
    std::uint64_t cp_wins = 0;
    std::uint64_t endings = 0;       // stories played to the ending
    std::uint64_t rushes[2] = {};    // rushes begun, by side
    std::uint64_t lost_stories = 0;  // lost story bouts that offered RETRY and END
};

struct MonkeyResult {
    bool ok = true;
    std::uint64_t actions = 0;  // actions played, across games
    Invariant invariant = Invariant::none;
    std::string report;  // empty when ok
    // The failing game: its driver seed and its actions as driver lines, the failing one last.
    // `brellon-drive --seed game_seed` plays them the same way.
    std::uint64_t game_seed = 0;
    std::vector<std::string> script;
    MonkeyStats stats;
};

// Runs after every action, before its checks. Tests plant faults through it.
using Hook = std::function<void(drive::Driver&)>;

struct MonkeyOptions {
    std::uint64_t seed = 1;
    std::uint64_t actions = 10000;
    Hook after_action;
};

// The pictures beside the program when they all load (so the working folder does not matter),
// else small drawings of the right sizes: no rule of the game looks at a picture's content.
// `real` tells which.
app::Pictures monkey_pictures(bool* real = nullptr);

MonkeyResult run_monkey(const app::Pictures& pictures, const MonkeyOptions& options);
MonkeyResult run_monkey(std::uint64_t seed, std::uint64_t actions);

// Plays driver lines in a fresh game with every check; a line the driver refuses does nothing.
// Returns the invariant that failed first and sets `failed_at` to the index of its line;
// Invariant::none when all held.
Invariant replay(const app::Pictures& pictures, std::uint64_t game_seed,
                 const std::vector<std::string>& lines, const Hook& after_action = {},
                 std::size_t* failed_at = nullptr);

// A shorter script that still fails `inv`: waits merged, then ever smaller runs of lines left
// out while the failure stays. Stops early once `budget` is spent; milliseconds::max() has no
// limit.
std::vector<std::string> shrink(const app::Pictures& pictures, std::uint64_t game_seed,
                                std::vector<std::string> lines, Invariant inv,
                                std::chrono::milliseconds budget, const Hook& after_action = {});

}  // namespace monkey
