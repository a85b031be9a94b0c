// The monkey: seeded random play with the game's invariants checked after every action.

#include "monkey.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/game.h"
#include "bout/bout_screen.h"
#include "screens/edit.h"
#include "screens/select.h"
#include "screens/vs.h"

namespace {

using monkey::Invariant;

TEST(Monkey, ShortRunHoldsAndRepeats) {
    const app::Pictures pictures = monkey::monkey_pictures();
    monkey::MonkeyOptions o;
    o.seed = 20240611;
    o.actions = 3000;
    const monkey::MonkeyResult r = monkey::run_monkey(pictures, o);
    ASSERT_TRUE(r.ok) << r.report;
    EXPECT_EQ(r.actions, o.actions);
    EXPECT_GT(r.stats.bouts, 0u);

    const monkey::MonkeyResult again = monkey::run_monkey(pictures, o);
    EXPECT_EQ(again.stats.games, r.stats.games);
    EXPECT_EQ(again.stats.bouts, r.stats.bouts);
    EXPECT_EQ(again.stats.player_wins, r.stats.player_wins);
    EXPECT_EQ(again.stats.cp_wins, r.stats.cp_wins);
}

// Each fault is planted after an action; the check right after it must name its invariant.
struct Plant {
    const char* name;
    Invariant expected;
    monkey::Hook hook;
};

bool bout_fighting(drive::Driver& d) {
    const bout::BoutScreen& b = d.game().bout();
    return b.visible() && !b.Tmr_event.enabled();
}

std::vector<Plant> plants() {
    return {
        {"second screen", Invariant::one_screen,
         [](drive::Driver& d) {
             if (d.game().title().visible()) d.game().vs().show();
         }},
        {"off the line", Invariant::ring_line,
         [](drive::Driver& d) {
             if (d.game().bout().visible()) d.game().bout().pos[1] = 7;
         }},
        {"hp rises", Invariant::hp_by_damage,
         [](drive::Driver& d) {
             if (bout_fighting(d)) d.game().bout().hp[1] += 1;
         }},
        {"rush runs over", Invariant::rush_counter,
         [](drive::Driver& d) {
             if (d.game().bout().visible()) d.game().bout().rush[0] = 7;
         }},
        {"half a rush", Invariant::rush_intervals,
         [](drive::Driver& d) {
             if (bout_fighting(d)) d.game().bout().Tmr_clr.set_interval(400);
         }},
        {"gauge full", Invariant::gauges,
         [](drive::Driver& d) {
             if (d.game().bout().visible()) d.game().bout().Pgb_hp_0.set_position(100);
         }},
        {"mark after the knock-out", Invariant::no_mark_after_ko,
         [](drive::Driver& d) {
             bout::BoutScreen& b = d.game().bout();
             if (!bout_fighting(d)) return;
             b.Tmr_finish.set_enabled(true);
             b.Lbl_move_0_1.show();
         }},
        {"a point for free", Invariant::edit_points,
         [](drive::Driver& d) {
             if (d.game().edit().visible()) d.game().edit().pnt += 1;
         }},
        {"title back at HARD", Invariant::level_on_title,
         [title_up = true](drive::Driver& d) mutable {
             const bool up = d.game().title().visible();
             if (up && !title_up) d.game().title().level = 2;
             title_up = up;
         }},
        {"a handler throws", Invariant::error_report,
         [](drive::Driver& d) { d.app().run([] { throw std::runtime_error("planted"); }); }},
    };
}

TEST(Monkey, CatchesEveryPlantedFaultTheSameWayTwice) {
    const app::Pictures pictures = monkey::monkey_pictures();
    for (const Plant& p : plants()) {
        SCOPED_TRACE(p.name);
        monkey::MonkeyOptions o;
        o.seed = 7;
        o.actions = 20000;
        o.after_action = p.hook;
        const monkey::MonkeyResult r = monkey::run_monkey(pictures, o);
        ASSERT_FALSE(r.ok);
        EXPECT_EQ(r.invariant, p.expected) << r.report;
        EXPECT_FALSE(r.script.empty());
        o.after_action = p.hook;
        EXPECT_EQ(monkey::run_monkey(pictures, o).report, r.report);
    }
}

TEST(Monkey, ShrinksAFailingGameToAShorterOneThatFailsAlike) {
    const app::Pictures pictures = monkey::monkey_pictures();
    const Plant plant = plants()[1];  // off the line: fails as soon as a bout comes up
    monkey::MonkeyOptions o;
    o.seed = 11;
    o.actions = 20000;
    o.after_action = plant.hook;
    const monkey::MonkeyResult r = monkey::run_monkey(pictures, o);
    ASSERT_EQ(r.invariant, plant.expected) << r.report;
    ASSERT_EQ(monkey::replay(pictures, r.game_seed, r.script, plant.hook), plant.expected);

    const auto lines = monkey::shrink(pictures, r.game_seed, r.script, plant.expected,
                                      std::chrono::milliseconds::max(), plant.hook);
    EXPECT_EQ(monkey::replay(pictures, r.game_seed, lines, plant.hook), plant.expected);
    EXPECT_LT(lines.size(), r.script.size());
    // Every line left is needed: without any one of them the bout never comes up.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto fewer = lines;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_NE(monkey::replay(pictures, r.game_seed, fewer, plant.hook), plant.expected)
            << "line " << i << " (" << lines[i] << ") is not needed";
    }
}

}  // namespace
