// The timer rules on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace {

struct Clocked {
    ui::VirtualClock clock;
    ui::RecordingAudio audio{clock};
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    ui::Form form{app, "F"};
    std::vector<std::string> ticks;

    ui::Timer& timer(const std::string& name, int interval) {
        ui::Timer& t = form.add_timer(name, interval);
        t.on_timer = [this, &t] {
            ticks.push_back(name_at(t));
        };
        return t;
    }
    std::string name_at(const ui::Timer& t) const {
        return t.name() + "@" + std::to_string(clock.now());
    }
    void wait(int ms) { app.advance(clock, clock.now() + ms); }
};

TEST(Timer, RulesOfEnablingAndIntervals) {
    struct Case {
        const char* what;
        // Steps: at time `at`, do `op` (e: enable, d: disable, iN: interval N); ticks until 1000.
        std::vector<std::pair<int, std::string>> steps;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"a full interval after enabling", {{0, "e"}}, {"T@300", "T@600", "T@900"}},
        {"enabling an enabled timer keeps its count", {{0, "e"}, {200, "e"}},
         {"T@300", "T@600", "T@900"}},
        {"enabling a disabled timer starts a full interval", {{0, "e"}, {200, "d"}, {250, "e"}},
         {"T@550", "T@850"}},
        {"a stopped timer never ticks", {{0, "e"}, {100, "d"}}, {}},
        {"a new interval restarts the count", {{0, "e"}, {200, "i100"}},
         {"T@300", "T@400", "T@500", "T@600", "T@700", "T@800", "T@900", "T@1000"}},
        {"the same interval does nothing", {{0, "e"}, {200, "i300"}}, {"T@300", "T@600", "T@900"}},
        {"an interval set while disabled waits for the enable", {{0, "i500"}, {100, "e"}},
         {"T@600"}},
        {"interval 0 never ticks", {{0, "i0"}, {0, "e"}}, {}},
    };
    for (const Case& c : cases) {
        Clocked k;
        ui::Timer& t = k.timer("T", 300);
        for (const auto& [at, op] : c.steps) {
            k.wait(at - static_cast<int>(k.clock.now()));
            if (op == "e") t.set_enabled(true);
            if (op == "d") t.set_enabled(false);
            if (op[0] == 'i') t.set_interval(std::stoi(op.substr(1)));
        }
        k.wait(1000 - static_cast<int>(k.clock.now()));
        EXPECT_EQ(k.ticks, c.expected) << c.what;
    }
}

TEST(Timer, TiesFireInTheOrderTheirCountdownsBegan) {
    Clocked k;
    ui::Timer& a = k.timer("A", 100);
    ui::Timer& b = k.timer("B", 100);
    b.set_enabled(true);  // B's countdown begins first, in the same millisecond as A's
    a.set_enabled(true);
    k.wait(100);
    EXPECT_EQ(k.ticks, (std::vector<std::string>{"B@100", "A@100"}));
}

TEST(Timer, NextCountdownBeginsBeforeTheHandlerRuns) {
    // A handler that enables another timer with the same interval starts it after its own
    // next countdown, so at the next tie it fires second.
    Clocked k;
    ui::Timer& a = k.timer("A", 100);
    ui::Timer& b = k.timer("B", 100);
    a.on_timer = [&] {
        k.ticks.push_back(k.name_at(a));
        b.set_enabled(true);
    };
    a.set_enabled(true);
    k.wait(200);
    EXPECT_EQ(k.ticks, (std::vector<std::string>{"A@100", "A@200", "B@200"}));
}

TEST(Timer, FallenBehindTicksOnceNotInABurst) {
    ui::VirtualClock clock;
    ui::RecordingAudio audio{clock};
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    ui::Form form{app, "F"};
    ui::Timer& t = form.add_timer("T", 100);
    int n = 0;
    t.on_timer = [&] { ++n; };
    t.set_enabled(true);
    clock.set(550);  // the real clock jumped: five intervals missed
    app.fire_due();
    EXPECT_EQ(n, 1);
    EXPECT_EQ(t.due_time(), 650);
}

TEST(Timer, HandlersSeeTheirExactDueTime) {
    Clocked k;
    ui::Timer& t = k.timer("T", 1240);
    t.set_enabled(true);
    k.wait(1300);
    EXPECT_EQ(k.ticks, (std::vector<std::string>{"T@1240"}));
    EXPECT_EQ(k.clock.now(), 1300);
}

}  // namespace
