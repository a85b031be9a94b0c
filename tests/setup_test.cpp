// Start-up, screen switching, the roster and the bout set-up.
#include <gtest/gtest.h>

#include "app/roster.h"
#include "fixture.h"

namespace {

using test::vs_bout;

TEST(StartUp, TheTitleAloneAt192And107ShowingNormal) {
    test::Game g;
    EXPECT_EQ(g.run("screen\n"), "Form3\n");
    EXPECT_EQ(g.get("Form3.left") + "," + g.get("Form3.top"), "192,107");
    EXPECT_EQ(g.get("Form3.width") + "x" + g.get("Form3.height"), "640x480");
    EXPECT_EQ(g.get("Form3.caption"), "Brellon");
    EXPECT_EQ(g.get("Form3.Lbl_lv.caption"), "NORMAL");
    EXPECT_EQ(g.get_int("Form3.level"), 1);
    EXPECT_EQ(g.get_int("Form3.mode"), 0);
    EXPECT_EQ(g.get_int("Form5.stage") + g.get_int("Form5.step") + g.get_int("Form1.atk"), 0);
}

TEST(Title, DifficultyArrowsDoNotWrapAndModeIsSetBeforeTheSwitch) {
    test::Game g;
    EXPECT_EQ(g.run("arrow Form3.UpD_lv up\nget Form3.Lbl_lv.caption\n"
                    "arrow Form3.UpD_lv up\nget Form3.Lbl_lv.caption\nget Form3.level\n"
                    "arrow Form3.UpD_lv down\narrow Form3.UpD_lv down\narrow Form3.UpD_lv down\n"
                    "get Form3.Lbl_lv.caption\nget Form3.level\n"),
              "HARD\nHARD\n2\nEASY\n0\n");
    // EASY, then VS, then RETURN: NORMAL again.
    EXPECT_EQ(g.run("click Form3.Btn_vs\nget Form3.mode\nclick Form2.Btn_return\nscreen\n"
                    "get Form3.Lbl_lv.caption\nget Form3.level\n"),
              "0\nForm3\nNORMAL\n1\n");
    EXPECT_EQ(g.run("arrow Form3.UpD_lv up\nclick Form3.Btn_story\nget Form3.mode\nscreen\n"
                    "click Form4.Btn_return\nget Form3.Lbl_lv.caption\n"),
              "1\nForm4\nNORMAL\n");
}

TEST(Switch, TheNextScreenTakesTheMovedPlaceAndSize) {
    test::Game g;
    g.run("place Form3 50 60 700 500\nclick Form3.Btn_vs\n");
    EXPECT_EQ(g.run("screen\nget Form2.left\nget Form2.top\nget Form2.width\nget Form2.height\n"),
              "Form2\n50\n60\n700\n500\n");
    g.run("place Form2 10 20 640 480\n" + vs_bout(0, 1).substr(vs_bout(0, 1).find('\n') + 1));
    EXPECT_EQ(g.run("screen\nget Form1.left\nget Form1.top\nget Form3.visible\nget Form2.visible\n"),
              "Form1\n10\n20\n0\n0\n");
}

TEST(Switch, ClosingAnyScreenEndsTheProgram) {
    const char* const closes[] = {"close Form3\n", "click Form3.Btn_vs\nclose Form2\n",
                                  "click Form3.Btn_story\nclose Form4\n",
                                  "click Form3.Btn_story\nclick Form4.Btn_enter\nclose Form5\n"};
    for (const char* script : closes) {
        test::Game g;
        const std::string out = g.run(script);
        EXPECT_NE(out.find("ended"), std::string::npos) << script;
        EXPECT_EQ(g.run("screen\n").substr(0, 6), "error:") << script;
    }
    test::Game g;
    g.run(vs_bout(0, 5) + "wait 2500\n");
    EXPECT_EQ(g.run("close Form1\n"), "ended\n");
}

TEST(Roster, RecordsReadTwoCharacterFields) {
    const auto& text = app::roster_text();
    ASSERT_EQ(text.size(), 13u);
    const app::RosterRecord r0 = app::read_roster_record(text, 0);
    EXPECT_EQ(r0.name, "Tsugane Hiyo");
    EXPECT_EQ((std::vector<int>{r0.ldt, r0.hp, r0.nap, r0.lap, r0.spd, r0.gad, r0.agl}),
              (std::vector<int>{2, 4, 7, 2, 5, 10, 2}));
    const app::RosterRecord r5 = app::read_roster_record(text, 5);
    EXPECT_EQ(r5.name, "Amber Falcon");
    EXPECT_EQ((std::vector<int>{r5.ldt, r5.hp, r5.nap, r5.lap, r5.spd, r5.gad, r5.agl}),
              (std::vector<int>{7, 10, 9, 6, 7, 6, 8}));
    EXPECT_STREQ(app::type_label(app::read_roster_record(text, 2).ldt), "OUT BOXER");
    EXPECT_STREQ(app::type_label(app::read_roster_record(text, 4).ldt), "IN FIGHTER");
    for (int k = 0; k < 6; ++k) EXPECT_NE(app::read_roster_record(text, k).name[0], '/');
}

TEST(Roster, AFieldThatIsNotANumberThrowsTheConversionError) {
    std::vector<std::string> text = app::roster_text();
    text[2] = "02,x4,07,02,05,10,02";
    EXPECT_THROW(app::read_roster_record(text, 0), std::runtime_error);
    EXPECT_THROW(app::read_roster_record(text, 6), std::out_of_range);
}

TEST(SetUp, WindowLengthsByDifficultyAndStatistics) {
    struct Case {
        int level;
        int tgt_0, tgt_1, move_0, move_1;
    };
    // Roster boxer 0 (DF 10, FW 5) against roster boxer 5 (DF 6, FW 7).
    const Case cases[] = {{1, 1100, 940, 1050, 930}, {2, 800, 640, 750, 630},
                          {0, 1300, 1140, 1250, 1130}};
    for (const Case& c : cases) {
        test::Game g;
        g.run(vs_bout(0, 5, c.level));
        EXPECT_EQ(g.get_int("Form1.Tmr_tgt_0_off.interval"), c.tgt_0) << c.level;
        EXPECT_EQ(g.get_int("Form1.Tmr_tgt_1_off.interval"), c.tgt_1) << c.level;
        EXPECT_EQ(g.get_int("Form1.Tmr_move_0_off.interval"), c.move_0) << c.level;
        EXPECT_EQ(g.get_int("Form1.Tmr_move_1_off.interval"), c.move_1) << c.level;
        EXPECT_EQ(g.get_int("Form1.itv_guard_0"), c.tgt_0);
        EXPECT_EQ(g.get_int("Form1.itv_guard_1"), c.tgt_1);
    }
}

TEST(SetUp, TheStateOfANewBout) {
    test::Game g;
    g.run(vs_bout(0, 5));
    const std::pair<const char*, const char*> expected[] = {
        {"Form1.hp[0]", "100"},        {"Form1.hp[1]", "130"},
        {"Form1.hp_max[1]", "130"},    {"Form1.pos[0]", "2"},
        {"Form1.pos[1]", "4"},         {"Form1.gap", "1"},
        {"Form1.swap", "0"},           {"Form1.pos_max", "6"},
        {"Form1.atk_rate[1]", "50"},   {"Form1.move_rate[0]", "50"},
        {"Form1.press_rate[0]", "70"}, {"Form1.adv_rate[1]", "40"},
        {"Form1.star_rate[0]", "50"},  {"Form1.rush_itv[0]", "800"},
        {"Form1.rush_itv[1]", "1200"}, {"Form1.hp_base", "80"},
        {"Form1.bgm_b", "0"},          {"Form1.name[1]", "Amber Falcon"},
        {"Form1.name_disp[0]", "Tsugane Hiyo"},
        {"Form1.Lbl_name_1.caption", "Amber Falcon"},
        {"Form1.Lbl_nap_1.caption", "9"}, {"Form1.Lbl_gad_0.caption", "10"},
        {"Form1.Pgb_hp_0.position", "90"}, {"Form1.Pgb_hp_1.position", "90"},
        {"Form1.Pnl_pos_2.color", "#0000FF"}, {"Form1.Pnl_pos_4.color", "#FF0000"},
        {"Form1.Pnl_pos_3.color", "#D4D0C8"}, {"Form1.Lbl_msg_1.caption", ""},
        {"Form1.Lbl_tgt_0.visible", "0"}, {"Form1.Lbl_move_0.visible", "0"},
        {"Form1.Img_pic.visible", "0"},   {"Form1.Img_ring.visible", "0"},
        {"Form1.Pnl_cmd.visible", "0"},   {"Form1.Tmr_event.enabled", "1"},
        {"Form1.Tmr_target_0_on.enabled", "0"}, {"Form1.Lbl_move_1_0.top", "160"},
        {"Form1.Lbl_move_0_1.left", "56"},
        {"Form1.itv_tgt_0", "1000"},
    };
    for (const auto& [path, value] : expected) EXPECT_EQ(g.get(path), value) << path;
    // The lead-in: nothing shows before the bout starts, 2000 ms after the set-up.
    g.run("wait 1999\n");
    EXPECT_EQ(g.get("Form1.Img_ring.visible"), "0");
    g.run("wait 1\n");
    EXPECT_EQ(g.get("Form1.Img_ring.visible"), "1");
    EXPECT_EQ(g.get("Form1.Lbl_msg_1.caption"), "Ｆ　Ｉ　Ｇ　Ｈ　Ｔ　！");
    EXPECT_EQ(g.get("Form1.Lbl_msg_1.fontcolor"), "#000000");
    g.run("wait 1500\n");
    EXPECT_EQ(g.get("Form1.Lbl_msg_1.caption"), "");
}

TEST(SetUp, GaugesShowTheLowerEndOfTheTenth) {
    // hp of 100: 100 and 95 read 90, 11 reads 10, 10 and 1 read 0, and so do 0 and below.
    const std::pair<int, int> cases[] = {{100, 90}, {95, 90}, {91, 90}, {90, 80}, {11, 10},
                                         {10, 0},   {1, 0},   {0, 0},   {-5, 0}};
    for (const auto& [hp, gauge] : cases) {
        test::Game g;
        // Boxer 0 against herself: the CP idles, the player's jab (2 points) lands.
        g.run(vs_bout(0, 0) + "wait 2000\nrng 99 99 99 0 0 99\nwait 3000\n");
        g.run("set Form1.hp[1] " + std::to_string(hp + 2) + "\nclick Form1.Lbl_tgt_1\n");
        EXPECT_EQ(g.get_int("Form1.hp[1]"), hp);
        EXPECT_EQ(g.get_int("Form1.Pgb_hp_1.position"), gauge) << hp;
    }
}

TEST(SetUp, StoryModeWithTheSecondLookAndItsMusic) {
    test::Game g;
    g.run("click Form3.Btn_story\nclick Form4.Img_chr_0\narrow Form4.Spe_nap up\n"
          "click Form4.Btn_enter\nwait 3000\n");
    EXPECT_EQ(g.run("screen\n"), "Form1\n");
    EXPECT_EQ(g.get("Form1.name[0]"), "KOU");
    EXPECT_EQ(g.get_int("Form1.chr[0]"), 7);
    EXPECT_EQ(g.get_int("Form1.chr[1]"), 3);
    EXPECT_EQ(g.get_int("Form1.nap[0]"), 6);
    EXPECT_EQ(g.get_int("Form1.ldt[0]"), 2);  // roster boxer 0's
    EXPECT_EQ(g.get_int("Form1.hp_max[0]"), 105);
    EXPECT_EQ(g.get_int("Form1.bgm_b"), 0);
    // The last stage plays the other music.
    test::Game last;
    last.run("click Form3.Btn_story\nclick Form4.Btn_enter\nset Form5.stage 5\nsounds\n");
    EXPECT_EQ(last.run("wait 3000\nget Form1.bgm_b\nwait 2000\nsounds\n"),
              "1\n"
              "3000 Mpr_start open\n3000 Mpr_fin open\n3000 Mpr_hit open\n3000 Mpr_dmg open\n"
              "3000 Mpr_gad open\n3000 Mpr_move_1 open\n3000 Mpr_move_2 open\n"
              "3000 Mpr_down open\n3000 Mpr_bgm_B open\n3000 Mpr_bgm_B notify-on\n"
              "5000 Mpr_start rewind\n5000 Mpr_start play\n5000 Mpr_bgm_B play\nend\n");
}

}  // namespace
