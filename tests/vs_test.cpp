#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fixture.h"

namespace {

// The ground colour of portrait k of the test drawings, as the driver prints it.
std::string portrait_ground(int k) {
    static const app::Pictures pictures = test::test_pictures();
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X",
                  static_cast<unsigned>(pictures.chr[static_cast<std::size_t>(k)].pixel(50, 50)));
    return buf;
}

// A command's one answer, without its newline.
std::string answer(test::Game& g, const std::string& command) {
    std::string s = g.run(command + "\n");
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

std::string join_lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + "\n";
    return s;
}

// The player's jab lands on a CP left with 1 hit point. The cycles first tick 3000 ms after the
// 2000 ms lead-in, the CP's first: a move tick that finds no move at long range (0, 99), whatever
// her AG; then the player's attack tick (99, 0) offers a jab without a press (0, 99), and the
// click knocks her out. Ends as the screen after the bout comes up.
void win_bout(test::Game& g) {
    g.run("set Form1.hp[1] 1\nrng 0 99 99 0 0 99\nwait 5000\nclick Form1.Lbl_tgt_1\nwait 8000\n");
}

TEST(VsScreen, ComesUpEmptied) {
    test::Game g;
    g.run("click Form3.Btn_vs\n");
    EXPECT_EQ(answer(g, "screen"), "Form2");
    const std::pair<const char*, const char*> expected[] = {
        {"Form2.Img_chr_0.visible", "0"},
        {"Form2.Img_chr_1.visible", "0"},
        {"Form2.Lbl_name_0.caption", ""},
        {"Form2.Lbl_name_1.caption", ""},
        {"Form2.Lbl_nap_0.caption", "0"},
        {"Form2.Lbl_lap_0.caption", "0"},
        {"Form2.Lbl_spd_0.caption", "0"},
        {"Form2.Lbl_agl_0.caption", "0"},
        {"Form2.Lbl_gad_0.caption", "0"},
        {"Form2.Lbl_hp_0.caption", "0"},
        {"Form2.Lbl_nap_1.caption", "0"},
        {"Form2.Lbl_lap_1.caption", "0"},
        {"Form2.Lbl_spd_1.caption", "0"},
        {"Form2.Lbl_agl_1.caption", "0"},
        {"Form2.Lbl_gad_1.caption", "0"},
        {"Form2.Lbl_hp_1.caption", "0"},
        {"Form2.Lbl_type_0.caption", "IN FIGHTER"},
        {"Form2.Lbl_type_1.caption", "IN FIGHTER"},
        {"Form2.Spb_plr.down", "1"},
        {"Form2.Spb_cp.down", "0"},
        {"Form2.Btn_enter.enabled", "0"},
        {"Form2.sel_side", "0"},
        {"Form2.pick[0]", "0"},
        {"Form2.pick[1]", "1"},
        {"Form2.picked[0]", "0"},
        {"Form2.picked[1]", "0"},
        // ENTER is disabled, so the first roster button has the focus.
        {"Form2.focus", "Button2"},
    };
    for (const auto& [path, value] : expected) EXPECT_EQ(g.get(path), value) << path;
    // Both portraits are drawn while hidden: the player's is cell 0, the CP's cell 1.
    EXPECT_EQ(answer(g, "pixel Form2.Img_chr_0 50 50"), portrait_ground(0));
    EXPECT_EQ(answer(g, "pixel Form2.Img_chr_1 50 50"), portrait_ground(1));
}

TEST(VsScreen, PicksFillTheChosenSide) {
    struct Case {
        const char* what;
        std::string clicks;
        const char* name[2];
        const char* type[2];
        const char* shown[2];
        const char* enter;
    };
    const Case cases[] = {
        {"two picks while PLAYER is down change the left side twice",
         join_lines({"click Form2.Button4", "click Form2.Button6"}),
         {"Kokko Mahiro", ""},
         {"IN FIGHTER", "IN FIGHTER"},
         {"1", "0"},
         "0"},
        {"CP alone fills the right side and leaves ENTER disabled",
         join_lines({"click Form2.Spb_cp", "click Form2.Button4"}),
         {"", "Nurume Sayo"},
         {"IN FIGHTER", "OUT BOXER"},
         {"0", "1"},
         "0"},
        {"the left side first, then CP, enables ENTER",
         join_lines({"click Form2.Button6", "click Form2.Spb_cp", "click Form2.Button7"}),
         {"Kokko Mahiro", "Amber Falcon"},
         {"IN FIGHTER", "OUT BOXER"},
         {"1", "1"},
         "1"},
        {"the last pick counts, and PLAYER goes back to the left",
         join_lines({"click Form2.Spb_cp", "click Form2.Button2", "click Form2.Spb_plr",
                     "click Form2.Button3", "click Form2.Spb_cp", "click Form2.Spb_cp",
                     "click Form2.Button5"}),
         {"Arakida Mone", "Ebisawa Kino"},
         {"OUT BOXER", "IN FIGHTER"},
         {"1", "1"},
         "1"},
        {"the same boxer on both sides",
         join_lines({"click Form2.Button4", "click Form2.Spb_cp", "click Form2.Button4"}),
         {"Nurume Sayo", "Nurume Sayo"},
         {"OUT BOXER", "OUT BOXER"},
         {"1", "1"},
         "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Game g;
        g.run("click Form3.Btn_vs\n" + c.clicks);
        for (int s = 0; s < 2; ++s) {
            const std::string side = std::to_string(s);
            EXPECT_EQ(g.get("Form2.Lbl_name_" + side + ".caption"), c.name[s]);
            EXPECT_EQ(g.get("Form2.Lbl_type_" + side + ".caption"), c.type[s]);
            EXPECT_EQ(g.get("Form2.Img_chr_" + side + ".visible"), c.shown[s]);
        }
        EXPECT_EQ(g.get("Form2.Btn_enter.enabled"), c.enter);
    }
}

TEST(VsScreen, PickShowsTheRecordAndPortraitOnItsSide) {
    // Nurume Sayo: ldt 6, hp 5, nap 6, lap 3, spd 10, gad 4, agl 7, all told apart.
    const std::pair<const char*, const char*> labels[] = {
        {"nap", "6"}, {"lap", "3"}, {"spd", "10"}, {"gad", "4"}, {"agl", "7"}, {"hp", "5"},
    };
    for (int s = 0; s < 2; ++s) {
        SCOPED_TRACE(s);
        test::Game g;
        g.run(std::string("click Form3.Btn_vs\n") + (s == 1 ? "click Form2.Spb_cp\n" : "") +
              "click Form2.Button4\n");
        const std::string side = std::to_string(s), other = std::to_string(1 - s);
        for (const auto& [stat, value] : labels) {
            EXPECT_EQ(g.get("Form2.Lbl_" + std::string(stat) + "_" + side + ".caption"), value)
                << stat;
            EXPECT_EQ(g.get("Form2.Lbl_" + std::string(stat) + "_" + other + ".caption"), "0")
                << stat;
        }
        EXPECT_EQ(g.get("Form2.ldt[" + side + "]"), "6");
        EXPECT_EQ(g.get("Form2.pick[" + side + "]"), "2");
        EXPECT_EQ(g.get("Form2.picked[" + side + "]"), "1");
        EXPECT_EQ(g.get("Form2.picked[" + other + "]"), "0");
        EXPECT_EQ(answer(g, "pixel Form2.Img_chr_" + side + " 50 50"), portrait_ground(2));
        // The other side shows its reset pick even while hidden: 0 for the player, 1 for the CP.
        EXPECT_EQ(answer(g, "pixel Form2.Img_chr_" + other + " 50 50"), portrait_ground(1 - s));
    }
}

TEST(VsScreen, TabOrderRunsFromEnterThroughTheRosterToReturn) {
    test::Game g;
    g.run("click Form3.Btn_vs\nclick Form2.Button2\nclick Form2.Spb_cp\nclick Form2.Button3\n");
    ASSERT_EQ(g.get("Form2.focus"), "Button3");
    for (const char* next :
         {"Button4", "Button5", "Button6", "Button7", "Btn_return", "Btn_enter", "Button2"}) {
        g.run("key tab\n");
        EXPECT_EQ(g.get("Form2.focus"), next);
    }
}

TEST(VsScreen, ReturnShowsTheTitleAtNormal) {
    test::Game g;
    g.run(
        "arrow Form3.UpD_lv down\nclick Form3.Btn_vs\nclick Form2.Button3\n"
        "click Form2.Btn_return\n");
    EXPECT_EQ(answer(g, "screen"), "Form3");
    EXPECT_EQ(g.get("Form3.Lbl_lv.caption"), "NORMAL");
    EXPECT_EQ(g.get_int("Form3.level"), 1);
}

TEST(VsScreen, EnterHandsBothPicksToTheBout) {
    const std::pair<int, int> pairs[] = {{1, 5}, {3, 3}};
    for (const auto& [p, c] : pairs) {
        SCOPED_TRACE(std::to_string(p) + " v " + std::to_string(c));
        test::Game g;
        const std::string buttons[] = {"Button2", "Button3", "Button4",
                                       "Button5", "Button6", "Button7"};
        g.run("click Form3.Btn_vs\nclick Form2." + buttons[p] + "\nclick Form2.Spb_cp\n" +
              "click Form2." + buttons[c] + "\nclick Form2.Btn_enter\n");
        EXPECT_EQ(answer(g, "screen"), "Form1");
        EXPECT_EQ(g.get_int("Form1.chr[0]"), p);
        EXPECT_EQ(g.get_int("Form1.chr[1]"), c);
        EXPECT_EQ(g.get_int("Form3.mode"), 0);
    }
}

TEST(VsScreen, ComesBackEmptiedAfterABoutButKeepsTheTypes) {
    test::Game g;
    g.run(
        "click Form3.Btn_vs\nclick Form2.Button3\nclick Form2.Spb_cp\nclick Form2.Button7\n"
        "click Form2.Btn_enter\n");
    win_bout(g);
    ASSERT_EQ(answer(g, "screen"), "Form2");
    const std::pair<const char*, const char*> expected[] = {
        {"Form2.Img_chr_0.visible", "0"},
        {"Form2.Img_chr_1.visible", "0"},
        {"Form2.Lbl_name_0.caption", ""},
        {"Form2.Lbl_name_1.caption", ""},
        {"Form2.Lbl_hp_0.caption", "0"},
        {"Form2.Lbl_nap_1.caption", "0"},
        {"Form2.Spb_plr.down", "1"},
        {"Form2.Btn_enter.enabled", "0"},
        {"Form2.picked[0]", "0"},
        {"Form2.picked[1]", "0"},
        // ldt stays from the last picks: Arakida Mone 9, Amber Falcon 7.
        {"Form2.Lbl_type_0.caption", "OUT BOXER"},
        {"Form2.Lbl_type_1.caption", "OUT BOXER"},
    };
    for (const auto& [path, value] : expected) EXPECT_EQ(g.get(path), value) << path;
    // A new pick on the left brings her own type; the right keeps the old one.
    g.run("click Form2.Button2\n");
    EXPECT_EQ(g.get("Form2.Lbl_type_0.caption"), "IN FIGHTER");
    EXPECT_EQ(g.get("Form2.Lbl_type_1.caption"), "OUT BOXER");
}

}  // namespace
