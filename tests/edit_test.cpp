#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "fixture.h"

namespace {

const char* const spin_edits[6] = {"Spe_nap", "Spe_lap", "Spe_spd", "Spe_agl", "Spe_dfs", "Spe_hp"};

std::string answer(test::Game& g, const std::string& command) {
    std::string s = g.run(command + "\n");
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

std::string portrait_ground(int k) {
    static const app::Pictures pictures = test::test_pictures();
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X",
                  static_cast<unsigned>(pictures.chr[static_cast<std::size_t>(k)].pixel(50, 50)));
    return buf;
}

// `n` clicks on one arrow of one spin edit.
std::string arrows(const char* edit, const char* way, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::string("arrow Form4.") + edit + " " + way + "\n";
    return s;
}

// Statistics and points as the screen holds them and as it shows them.
void expect_budget(test::Game& g, const std::array<int, 6>& sts, int pnt) {
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g.get_int("Form4.own_sts[" + std::to_string(i) + "]"), sts[i]) << i;
        EXPECT_EQ(g.get_int(std::string("Form4.") + spin_edits[i] + ".value"), sts[i]) << i;
    }
    EXPECT_EQ(g.get_int("Form4.pnt"), pnt);
    EXPECT_EQ(g.get("Form4.Lbl_pnt.caption"), std::to_string(pnt));
}

TEST(EditScreen, ComesUpWithTheStartValuesEveryTime) {
    struct Case {
        const char* what;
        std::string before;
        const char* focus;
    };
    const Case cases[] = {
        {"the first time", "", "Spe_nap"},
        {"after the second look and other statistics",
         "click Form3.Btn_story\nclick Form4.Img_chr_0\n" + arrows("Spe_hp", "up", 2) +
             arrows("Spe_nap", "down", 3) + "click Form4.Btn_return\n",
         "Btn_return"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Game g;
        g.run(c.before + "click Form3.Btn_story\n");
        EXPECT_EQ(answer(g, "screen"), "Form4");
        expect_budget(g, {5, 5, 5, 5, 5, 5}, 10);
        EXPECT_EQ(g.get("Form4.Lbl_name_0.caption"), "RING");
        EXPECT_EQ(g.get_int("Form4.own_look"), 0);
        EXPECT_EQ(answer(g, "pixel Form4.Img_chr_0 50 50"), portrait_ground(6));
        EXPECT_EQ(g.get("Form4.focus"), c.focus);
    }
}

TEST(EditScreen, PointBudget) {
    struct Case {
        const char* what;
        std::string steps;
        std::array<int, 6> sts;  // nap, lap, spd, agl, gad, hp
        int pnt;
    };
    const std::string ten_up = arrows("Spe_nap", "up", 5) + arrows("Spe_lap", "up", 5);
    const std::string nap_to_0 = arrows("Spe_nap", "down", 5);
    const Case cases[] = {
        {"ten increases spend every point", ten_up, {10, 10, 5, 5, 5, 5}, 0},
        {"the eleventh springs back and leaves no points",
         ten_up + arrows("Spe_spd", "up", 1),
         {10, 10, 5, 5, 5, 5},
         0},
        {"a decrease with no points left gives one back",
         ten_up + arrows("Spe_spd", "up", 1) + arrows("Spe_dfs", "down", 1),
         {10, 10, 5, 5, 4, 5},
         1},
        {"lowering IN to 0 gives 15", nap_to_0, {0, 5, 5, 5, 5, 5}, 15},
        {"fifteen points take three statistics to their maximum",
         nap_to_0 + arrows("Spe_lap", "up", 5) + arrows("Spe_spd", "up", 5) +
             arrows("Spe_agl", "up", 5),
         {0, 10, 10, 10, 5, 5},
         0},
        {"the arrows at the bounds cost nothing",
         nap_to_0 + arrows("Spe_nap", "down", 1) + arrows("Spe_hp", "up", 6),
         {0, 5, 5, 5, 5, 10},
         10},
        {"the Up and Down keys step the focused edit",
         "arrow Form4.Spe_dfs up\nkey up\nkey up\nkey down\n",
         {5, 5, 5, 5, 7, 5},
         8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Game g;
        g.run("click Form3.Btn_story\n" + c.steps);
        expect_budget(g, c.sts, c.pnt);
    }
}

TEST(EditScreen, PortraitClickTakesTheSecondLookUntilReset) {
    test::Game g;
    g.run("click Form3.Btn_story\nclick Form4.Img_chr_0\n");
    for (int click = 0; click < 2; ++click) {
        EXPECT_EQ(g.get("Form4.Lbl_name_0.caption"), "KOU");
        EXPECT_EQ(g.get_int("Form4.own_look"), 1);
        EXPECT_EQ(answer(g, "pixel Form4.Img_chr_0 50 50"), portrait_ground(7));
        g.run("click Form4.Img_chr_0\n");
    }
    // RESET while the statistics differ: setting the edits back must not move the points.
    g.run(arrows("Spe_nap", "up", 3) + arrows("Spe_hp", "down", 2) + "click Form4.Btn_reset\n");
    expect_budget(g, {5, 5, 5, 5, 5, 5}, 10);
    EXPECT_EQ(g.get("Form4.Lbl_name_0.caption"), "RING");
    EXPECT_EQ(g.get_int("Form4.own_look"), 0);
    EXPECT_EQ(answer(g, "pixel Form4.Img_chr_0 50 50"), portrait_ground(6));
}

TEST(EditScreen, TabOrderRunsThroughTheEditsThenEnterResetReturn) {
    test::Game g;
    g.run("click Form3.Btn_story\n");
    ASSERT_EQ(g.get("Form4.focus"), "Spe_nap");
    for (const char* next : {"Spe_lap", "Spe_spd", "Spe_agl", "Spe_dfs", "Spe_hp", "Btn_enter",
                             "Btn_reset", "Btn_return", "Spe_nap"}) {
        g.run("key tab\n");
        EXPECT_EQ(g.get("Form4.focus"), next);
    }
}

TEST(EditScreen, ReturnShowsTheTitleAtNormal) {
    test::Game g;
    g.run("arrow Form3.UpD_lv up\nclick Form3.Btn_story\nclick Form4.Btn_return\n");
    EXPECT_EQ(answer(g, "screen"), "Form3");
    EXPECT_EQ(g.get("Form3.Lbl_lv.caption"), "NORMAL");
    EXPECT_EQ(g.get_int("Form3.level"), 1);
}

TEST(EditScreen, EnterStartsTheStoryWithPointsUnspent) {
    test::Game g;
    g.run("click Form3.Btn_story\n" + arrows("Spe_nap", "up", 3) + "click Form4.Btn_enter\n");
    EXPECT_EQ(answer(g, "screen"), "Form5");
    EXPECT_EQ(g.get_int("Form5.step"), 1);
    expect_budget(g, {8, 5, 5, 5, 5, 5}, 7);
    g.run("wait 3000\n");
    EXPECT_EQ(answer(g, "screen"), "Form1");
    EXPECT_EQ(g.get_int("Form1.nap[0]"), 8);
}

}  // namespace
