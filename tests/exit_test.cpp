// Leaving cleanly from every state, and clicks that race their own window timers.
#include <gtest/gtest.h>

#include "fixture.h"

namespace {

const char* const kVsBout =
    "click Form3.Btn_vs\nclick Form2.Button7\nclick Form2.Spb_cp\nclick Form2.Button2\n"
    "click Form2.Btn_enter\n";
const char* const kStoryBout = "click Form3.Btn_story\nclick Form4.Btn_enter\nwait 3000\n";

TEST(Exit, ClosingTheVisibleWindowInEveryPhaseEndsTheRun) {
    struct Case {
        const char* phase;
        std::string script;
        const char* form;
    };
    const std::string rush =
        "wait 2000\nset Form1.pos[0] 5\nset Form1.pos[1] 6\nset Form1.gap 0\n"
        "rng 99 99 99 0 0 0 99 0\nwait 3000\nclick Form1.Lbl_tgt_1\n";
    const std::string ko = "wait 2000\nset Form1.hp[1] 1\nrng 0 99 99 0 0 99\nwait 3000\n"
                           "click Form1.Lbl_tgt_1\n";
    const std::string lost = "wait 2000\nset Form1.hp[0] 1\nrng 99 0 0 99 0 99\nwait 3000\n"
                             "wait 1400\nwait 8000\n";
    const Case cases[] = {
        {"title", "", "Form3"},
        {"VS selection", "click Form3.Btn_vs\n", "Form2"},
        {"edit", "click Form3.Btn_story\n", "Form4"},
        {"story pre-match", "click Form3.Btn_story\nclick Form4.Btn_enter\n", "Form5"},
        {"bout lead-in", std::string(kVsBout) + "wait 1000\n", "Form1"},
        {"a target up", std::string(kVsBout) + "wait 2000\nrng 0 99 99 0 0 99\nwait 3000\n",
         "Form1"},
        {"during a rush", std::string(kVsBout) + rush, "Form1"},
        {"during the shake", std::string(kVsBout) + rush + "wait 150\n", "Form1"},
        {"between the finish ticks", std::string(kVsBout) + ko + "wait 5000\n", "Form1"},
        {"RETRY and END showing", std::string(kStoryBout) + lost, "Form1"},
        {"the story's ending",
         std::string(kStoryBout) + "set Form5.step 6\n" + ko + "wait 8000\nwait 4000\n", "Form5"},
    };
    for (const Case& c : cases) {
        test::Game g;
        g.run(c.script);
        ASSERT_EQ(g.run("screen\n"), std::string(c.form) + "\n") << c.phase;
        EXPECT_EQ(g.run(std::string("close ") + c.form + "\n"), "ended\n") << c.phase;
        // Nothing ticks once the run is over.
        EXPECT_EQ(g.run("wait 10000\n").substr(0, 6), "error:") << c.phase;
    }
}

TEST(Timing, AClickAndItsWindowTimerInTheSameMillisecond) {
    // The player's blue "○" (window 900 ms against DF 10) clicked at 5899, and at 5900 once its
    // timer has fired: the first lands, the second finds the target gone.
    for (int at : {899, 900}) {
        test::Game g;
        g.run(std::string(kVsBout) + "wait 2000\nrng 99 99 99 0 0 99\nwait 3000\n");
        g.run("wait " + std::to_string(at) + "\n");
        const std::string out = g.run("click Form1.Lbl_tgt_1\n");
        EXPECT_EQ(g.get_int("Form1.hp[1]"), at == 899 ? 94 : 100) << at;
        EXPECT_EQ(out.substr(0, 6), at == 899 ? "" : "error:") << at;
        EXPECT_EQ(g.get("Form1.Tmr_target_1_on.enabled"), "1") << at;
    }
    // The red "○" guarded at the last millisecond, and one millisecond late.
    for (int at : {1099, 1100}) {
        test::Game g;
        g.run("click Form3.Btn_vs\nclick Form2.Button2\nclick Form2.Spb_cp\nclick Form2.Button7\n"
              "click Form2.Btn_enter\nwait 2000\nrng 99 0 0 99 99 99\nwait 3000\n");
        g.run("wait " + std::to_string(at) + "\nclick Form1.Lbl_tgt_0\n");
        EXPECT_EQ(g.get_int("Form1.hp[0]"), at == 1099 ? 100 : 94) << at;
    }
}

TEST(Timing, DoubleClicksAndClicksOnAMarkJustHidden) {
    test::Game g;
    g.run(std::string(kVsBout) + "wait 2000\nrng 99 99 99 0 0 99\nwait 3000\n");
    const std::string out = g.run("click Form1.Lbl_tgt_1\nclick Form1.Lbl_tgt_1\n");
    EXPECT_EQ(out.substr(0, 6), "error:");  // the second finds the target gone
    EXPECT_EQ(g.get_int("Form1.hp[1]"), 94);
    EXPECT_EQ(g.get_int("Form1.closed"), 1);
    // A move mark voided by the CP's move cannot be taken afterwards.
    test::Game m;
    m.run(std::string(kVsBout) + "wait 2000\nrng 0 0 0 0 0\nwait 3000\nwait 950\n");
    EXPECT_EQ(m.run("click Form1.Lbl_move_0_1\n").substr(0, 6), "error:");
    EXPECT_EQ(m.get("Form1.pos[0]") + m.get("Form1.pos[1]") + m.get("Form1.gap"), "230");
}

}  // namespace
