#include "screens/story.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fixture.h"

namespace {

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

// Both run from the moment the bout screen comes up and end as the screen after it comes up.
// The cycles first tick 3000 ms after the 2000 ms lead-in, the CP's first.
// The player's jab lands on a CP left with 1 hit point: the CP's move tick finds no move at long
// range (0, 99), whatever her AG; the player's attack tick (99, 0) offers a jab without a press
// (0, 99), and the click knocks her out.
void win_bout(test::Game& g) {
    g.run("set Form1.hp[1] 1\nrng 0 99 99 0 0 99\nwait 5000\nclick Form1.Lbl_tgt_1\nwait 8000\n");
}
// The CP's jab (99, 0, then 0, 99) lands on a player left with 1 hit point when the guard
// window, at most 1300 ms, runs out; the player's move tick finds no move (0, 99).
void lose_bout(test::Game& g) {
    g.run("set Form1.hp[0] 1\nrng 99 0 0 99 0 99\nwait 5000\nwait 1400\nwait 8000\n");
}

struct StageRow {
    const char* title;
    const char* opponent;
    int stage;
    const char* remark;
};

const StageRow stage_rows[6] = {
    {"デビュー戦", "Ebisawa Kino", 3, "Ebisawa「・・・ベストを尽す。じゃネ」"},
    {"６回戦", "Nurume Sayo", 2, "Nurume「えへ。勝てたら、うれしっスよね。あはははっ！」"},
    {"８回戦", "Tsugane Hiyo", 0, "Tsugane「相手ならへんよ、弱すぎて。ＫＯは当たり前や」"},
    {"１０回戦", "Kokko Mahiro", 4, "Kokko「まぁー、普段どおりやれば、ＯＫでしょ」"},
    {"日本タイトルマッチ", "Arakida Mone", 1,
     "Arakida「イイ試合ができたらと思います。ちょっちね」"},
    {"世界タイトルマッチ", "Amber Falcon", 5, "Falcon「マットに這いつくばるがいいわ」"},
};

// The pre-match screen of step `step` (1 to 6), with the own boxer in look `look`.
void expect_pre_match(test::Game& g, int step, int look) {
    const StageRow& row = stage_rows[step - 1];
    EXPECT_EQ(answer(g, "screen"), "Form5");
    EXPECT_EQ(g.get_int("Form5.step"), step);
    EXPECT_EQ(g.get_int("Form5.stage"), row.stage);
    EXPECT_EQ(g.get("Form5.Lbl_msg_0.caption"), row.title);
    EXPECT_EQ(g.get("Form5.Lbl_msg_1.caption"), row.remark);
    EXPECT_EQ(g.get("Form5.Lbl_name_1.caption"), row.opponent);
    EXPECT_EQ(g.get("Form5.Lbl_name_0.caption"), look == 0 ? "RING" : "KOU");
    EXPECT_EQ(answer(g, "pixel Form5.Img_chr_0 50 50"), portrait_ground(6 + look));
    EXPECT_EQ(answer(g, "pixel Form5.Img_chr_1 50 50"), portrait_ground(row.stage));
    for (const char* c : {"Pnl_chr_0", "Pnl_chr_1", "Pnl_vs", "Pnl_mode", "Pnl_msg"}) {
        EXPECT_EQ(g.get(std::string("Form5.") + c + ".showing"), "1") << c;
    }
    EXPECT_EQ(g.get("Form5.Img_pic.showing"), "0");
    EXPECT_EQ(g.get_int("Form5.Pnl_chr_0.left"), 128);
}

// Three seconds of the pre-match screen, then the bout against its opponent.
void expect_bout_after_three_seconds(test::Game& g, int stage) {
    g.run("wait 2999\n");
    EXPECT_EQ(answer(g, "screen"), "Form5");
    g.run("wait 1\n");
    EXPECT_EQ(answer(g, "screen"), "Form1");
    EXPECT_EQ(g.get_int("Form1.chr[1]"), stage);
}

struct EndingRow {
    int ms;  // since the story screen came up after the sixth win
    int step;
    const char* title;
    const char* remark;
    const char* own_panel;  // Pnl_chr_0, and with it Pnl_mode and Pnl_msg
    const char* picture;
};

const char* const champion = "新チャンピオン誕生！";
const char* const congratulations = "ＣＯＮＧＲＡＴＵＲＡＴＩＯＮＳ！";

TEST(StoryScreen, SixStagesThenTheEndingByDifficulty) {
    struct Case {
        const char* what;
        const char* level_arrow;
        int look;
        std::vector<EndingRow> ending;
    };
    const Case cases[] = {
        {"EASY, first look: a message and no picture",
         "down",
         0,
         {{0, 7, champion, congratulations, "1", "0"},
          {2999, 7, champion, congratulations, "1", "0"},
          {3000, 8, "イージーモード・クリア", "ＴＲＹ　ＮＯＲＭＡＬ　ＯＲ　ＨＡＲＤ　ＭＯＤＥ！",
           "1", "0"},
          {5999, 8, "イージーモード・クリア", "ＴＲＹ　ＮＯＲＭＡＬ　ＯＲ　ＨＡＲＤ　ＭＯＤＥ！",
           "1", "0"},
          {6000, 9, "", "", "1", "0"},
          {8999, 9, "", "", "1", "0"},
          {9000, 10, "", "", "1", "0"},
          {11999, 10, "", "", "1", "0"}}},
        {"HARD, second look: the ending picture alone from 3 s",
         "up",
         1,
         {{0, 7, champion, congratulations, "1", "0"},
          {2999, 7, champion, congratulations, "1", "0"},
          {3000, 8, "", "", "0", "1"},
          {6000, 9, "", "", "0", "1"},
          {9000, 10, "", "", "0", "1"},
          {11999, 10, "", "", "0", "1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Game g;
        g.run(std::string("arrow Form3.UpD_lv ") + c.level_arrow + "\nclick Form3.Btn_story\n" +
              (c.look == 1 ? "click Form4.Img_chr_0\n" : "") + "click Form4.Btn_enter\n");
        for (int step = 1; step <= 6; ++step) {
            SCOPED_TRACE(step);
            expect_pre_match(g, step, c.look);
            expect_bout_after_three_seconds(g, stage_rows[step - 1].stage);
            win_bout(g);
        }

        // The sixth win has just brought the story screen up.
        ASSERT_EQ(answer(g, "screen"), "Form5");
        const screens::StoryScreen& story = g.driver().game().story();
        const std::int64_t came_up = std::stoll(answer(g, "time"));
        ASSERT_EQ(story.Tmr_next.due_time(), came_up + 3000);
        for (const EndingRow& row : c.ending) {
            g.run("wait " + std::to_string(came_up + row.ms - std::stoll(answer(g, "time"))) +
                  "\n");
            SCOPED_TRACE(row.ms);
            EXPECT_EQ(answer(g, "screen"), "Form5");
            EXPECT_EQ(g.get_int("Form5.step"), row.step);
            EXPECT_EQ(g.get("Form5.Lbl_msg_0.caption"), row.title);
            EXPECT_EQ(g.get("Form5.Lbl_msg_1.caption"), row.remark);
            for (const char* p : {"Pnl_chr_0", "Pnl_mode", "Pnl_msg"}) {
                EXPECT_EQ(g.get(std::string("Form5.") + p + ".showing"), row.own_panel) << p;
            }
            EXPECT_EQ(g.get("Form5.Img_pic.showing"), row.picture);
            EXPECT_EQ(g.get("Form5.Pnl_chr_1.showing"), "0");
            EXPECT_EQ(g.get("Form5.Pnl_vs.showing"), "0");
            EXPECT_EQ(g.get_int("Form5.Pnl_chr_0.left"), 240);
            if (row.step == 7) {
                EXPECT_EQ(g.get("Form5.Lbl_name_0.caption"), c.look == 0 ? "RING" : "KOU");
                EXPECT_EQ(answer(g, "pixel Form5.Img_chr_0 50 50"), portrait_ground(6 + c.look));
            }
        }

        g.run("wait " + std::to_string(came_up + 12000 - std::stoll(answer(g, "time"))) + "\n");
        EXPECT_EQ(answer(g, "screen"), "Form3");
        EXPECT_EQ(g.get("Form3.Lbl_lv.caption"), "NORMAL");
        EXPECT_EQ(g.get_int("Form5.step"), 11);
        EXPECT_EQ(g.get("Form5.Tmr_next.enabled"), "0");

        // Nothing of the story fires again: VS within the next three seconds stays alone.
        g.run("click Form3.Btn_vs\nwait 3000\n");
        EXPECT_EQ(answer(g, "screen"), "Form2");
        g.run("wait 9000\n");
        EXPECT_EQ(answer(g, "screen"), "Form2");

        // A second story starts from the edit screen's start values and the stage layout.
        g.run("click Form2.Btn_return\nclick Form3.Btn_story\n");
        EXPECT_EQ(g.get("Form4.Lbl_name_0.caption"), "RING");
        EXPECT_EQ(answer(g, "pixel Form4.Img_chr_0 50 50"), portrait_ground(6));
        g.run("click Form4.Btn_enter\n");
        expect_pre_match(g, 1, 0);
    }
}

TEST(StoryScreen, RetryShowsTheLostStageAgainAndEndGivesUp) {
    test::Game g;
    g.run("click Form3.Btn_story\nclick Form4.Btn_enter\n");
    for (int step = 1; step <= 3; ++step) {
        g.run("wait 3000\n");
        win_bout(g);
    }
    g.run("wait 3000\n");
    lose_bout(g);
    ASSERT_EQ(answer(g, "screen"), "Form1");
    EXPECT_EQ(g.get("Form1.Pnl_cmd.showing"), "1");
    EXPECT_EQ(g.get_int("Form5.step"), 4);

    g.run("click Form1.Btn_retry\n");
    expect_pre_match(g, 4, 0);
    expect_bout_after_three_seconds(g, 4);
    EXPECT_EQ(g.get("Form1.hp[0]"), g.get("Form1.hp_max[0]"));

    lose_bout(g);
    g.run("click Form1.Btn_end\n");
    EXPECT_EQ(answer(g, "screen"), "Form3");
    EXPECT_EQ(g.get("Form3.Lbl_lv.caption"), "NORMAL");
    // The CP won the last bout, yet a new story begins at its first stage.
    g.run("click Form3.Btn_story\nclick Form4.Btn_enter\n");
    expect_pre_match(g, 1, 0);
}

TEST(StoryScreen, BeginsAtTheFirstStageAfterALostVsBout) {
    test::Game g;
    g.run(
        "click Form3.Btn_vs\nclick Form2.Spb_cp\nclick Form2.Button2\nclick Form2.Spb_plr\n"
        "click Form2.Button2\nclick Form2.Btn_enter\n");
    lose_bout(g);
    ASSERT_EQ(answer(g, "screen"), "Form2");
    ASSERT_EQ(g.get_int("Form1.atk"), 1);
    g.run("click Form2.Btn_return\nclick Form3.Btn_story\nclick Form4.Btn_enter\n");
    expect_pre_match(g, 1, 0);
    expect_bout_after_three_seconds(g, 3);
}

}  // namespace
