// Whole exchanges of a bout, steered by forced draws on the virtual clock. The bout starts 2000 ms
// after the set-up and both cycles first tick 3000 ms later, the CP's first.
#include <gtest/gtest.h>

#include "fixture.h"

namespace {

using test::started_bout;

// The player is roster boxer 5 (IN 9, OT 6); the CP, roster boxer 0 (100 hit points, AG 2), idles
// on the draws 99 99.
TEST(PlayerPunch, EachKindLandsWithItsButtonDamageAndMessage) {
    struct Case {
        const char* word;
        bool close;
        const char* draws;  // the CP's tick, then the player's: the tick and the offer
        const char* caption;
        int top;
        const char* button;
        const char* wrong;
        int hp;
    };
    const Case cases[] = {
        {"ジャブ", false, "99 99 99 0 0 99", "○", 64, "left", "right", 94},
        {"ストレート", false, "99 99 99 0 70 99", "◇", 64, "right", "left", 94},
        {"フック", true, "99 99 99 0 0 0 99", "○", 64, "left", "right", 91},
        {"ボディ", true, "99 99 99 0 70 50 99", "◇", 130, "right", "left", 91},
    };
    for (const Case& c : cases) {
        auto g = started_bout(5, 0);
        if (c.close) g->run("set Form1.pos[0] 3\nset Form1.gap 0\n");
        g->run(std::string("rng ") + c.draws + "\nwait 3000\n");
        EXPECT_EQ(g->get("Form1.Lbl_tgt_1.caption"), c.caption) << c.word;
        EXPECT_EQ(g->get_int("Form1.Lbl_tgt_1.top"), c.top) << c.word;
        EXPECT_EQ(g->get_int("Form1.Lbl_tgt_1.left"), 56) << c.word;
        EXPECT_EQ(g->get("Form1.Tmr_target_1_on.enabled"), "0");
        // The other button does nothing.
        g->run(std::string("click Form1.Lbl_tgt_1 ") + c.wrong + "\n");
        EXPECT_EQ(g->get_int("Form1.hp[1]"), 100) << c.word;
        g->run(std::string("click Form1.Lbl_tgt_1 ") + c.button + "\n");
        EXPECT_EQ(g->get_int("Form1.hp[1]"), c.hp) << c.word;
        EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), std::string("Amber Falconの") + c.word);
        EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "Ｈ　Ｉ　Ｔ　！");
        EXPECT_EQ(g->get("Form1.Lbl_msg_1.fontcolor"), "#0000FF");
        EXPECT_EQ(g->get("Form1.Lbl_tgt_1.visible") + g->get("Form1.Img_pic.visible") +
                      g->get("Form1.Img_ring.visible"),
                  "010");
        EXPECT_EQ(g->get_int("Form1.last_hit"), 1);
        EXPECT_EQ(g->get_int("Form1.atk"), 0);
        EXPECT_EQ(g->run("sounds\n"), "5000 Mpr_hit rewind\n5000 Mpr_hit play\nend\n");
        // The picture is taken down and the message wiped 1500 ms later.
        g->run("wait 1500\n");
        EXPECT_EQ(g->get("Form1.Img_pic.visible") + g->get("Form1.Img_ring.visible"), "01");
        EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "");
    }
}

// The CP is roster boxer 5; the player, roster boxer 0 (DF 10: 1100 ms to guard), idles.
TEST(CpPunch, EachKindLandsWhenTheGuardWindowRunsOut) {
    struct Case {
        const char* word;
        bool close;
        const char* draws;
        int top;
        int hp;
    };
    const Case cases[] = {
        {"ジャブ", false, "99 0 0 99 99 99", 64, 94},
        {"ストレート", false, "99 0 70 99 99 99", 64, 94},
        {"フック", true, "99 0 0 99 99 99", 64, 91},
        {"ボディ", true, "99 0 40 99 99 99", 130, 91},
    };
    for (const Case& c : cases) {
        auto g = started_bout(0, 5);
        if (c.close) g->run("set Form1.pos[0] 3\nset Form1.gap 0\n");
        g->run(std::string("rng ") + c.draws + "\nwait 3000\n");
        EXPECT_EQ(g->get("Form1.Lbl_tgt_0.caption"), "○") << c.word;
        EXPECT_EQ(g->get_int("Form1.Lbl_tgt_0.top"), c.top) << c.word;
        g->run("wait 1099\n");
        EXPECT_EQ(g->get_int("Form1.hp[0]"), 100) << c.word;
        g->run("wait 1\n");
        EXPECT_EQ(g->get_int("Form1.hp[0]"), c.hp) << c.word;
        EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), std::string("Amber Falconの") + c.word);
        EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "ＤＡＭＡＧＥ！");
        EXPECT_EQ(g->get("Form1.Lbl_msg_1.fontcolor"), "#FF0000");
        EXPECT_EQ(g->get_int("Form1.last_hit"), 2);
        EXPECT_EQ(g->get_int("Form1.atk"), 1);
        EXPECT_EQ(g->run("sounds\n"), "6100 Mpr_dmg rewind\n6100 Mpr_dmg play\nend\n");
    }
}

TEST(Guard, ALeftClickBlocksTheCpPunch) {
    auto g = started_bout(0, 5);
    g->run("rng 99 0 0 99 99 99\nwait 3500\nclick Form1.Lbl_tgt_0\n");
    EXPECT_EQ(g->run("sounds\n"), "5500 Mpr_gad rewind\n5500 Mpr_gad play\nend\n");
    g->run("wait 2000\n");
    EXPECT_EQ(g->get_int("Form1.hp[0]"), 100);
    EXPECT_EQ(g->get("Form1.Lbl_tgt_0.visible") + g->get("Form1.Tmr_tgt_0_off.enabled") +
                  g->get("Form1.Tmr_target_0_on.enabled"),
              "001");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "");
}

TEST(PlayerPunch, AMissedTargetVanishesWhenItsWindowRunsOut) {
    // A straight ("◇") clicked with the left button; the CP's DF 10 leaves 900 ms.
    auto g = started_bout(5, 0);
    g->run("rng 99 99 99 0 70 99\nwait 3000\nclick Form1.Lbl_tgt_1\nwait 899\n");
    EXPECT_EQ(g->get("Form1.Lbl_tgt_1.visible"), "1");
    g->run("wait 1\n");
    EXPECT_EQ(g->get("Form1.Lbl_tgt_1.visible") + g->get("Form1.Tmr_target_1_on.enabled"), "01");
    EXPECT_EQ(g->get_int("Form1.hp[1]"), 100);
    EXPECT_EQ(g->run("sounds\n"), "end\n");
}

TEST(Press, PushesBothBoxersUnlessTheCpIsAtTheEnd) {
    // A straight press ("◆") at long range drives the CP back one cell; the player follows.
    auto g = started_bout(5, 0);
    g->run("rng 99 99 99 0 70 0\nwait 3000\n");
    EXPECT_EQ(g->get("Form1.Lbl_tgt_1.caption"), "◆");
    g->run("click Form1.Lbl_tgt_1 right\n");
    EXPECT_EQ(g->get("Form1.pos[0]") + g->get("Form1.pos[1]") + g->get("Form1.gap"), "351");
    EXPECT_EQ(g->get("Form1.Pnl_pos_3.color") + g->get("Form1.Pnl_pos_5.color"), "#0000FF#FF0000");
    // A hook press ("●") with the CP on the end cell: nobody moves, the full damage is done.
    auto h = started_bout(5, 0);
    h->run("set Form1.pos[0] 5\nset Form1.pos[1] 6\nset Form1.gap 0\n");
    h->run("rng 99 99 99 0 0 0 0 99\nwait 3000\n");
    EXPECT_EQ(h->get("Form1.Lbl_tgt_1.caption"), "●");
    h->run("click Form1.Lbl_tgt_1\n");
    EXPECT_EQ(h->get("Form1.pos[0]") + h->get("Form1.pos[1]"), "56");
    EXPECT_EQ(h->get_int("Form1.hp[1]"), 91);
    EXPECT_EQ(h->get("Form1.Pnl_pos_5.color") + h->get("Form1.Pnl_pos_6.color") +
                  h->get("Form1.Pnl_pos_4.color"),
              "#0000FF#FF0000#D4D0C8");
}

TEST(Rush, ThePlayersRushRunsFivePunchesAfterTheStar) {
    // The CP stands cornered on cell 6: the player's hook is offered as a rush start.
    auto g = started_bout(5, 0);
    g->run("set Form1.pos[0] 5\nset Form1.pos[1] 6\nset Form1.gap 0\n");
    g->run("rng 99 99 99 0 0 0 99 0\nwait 3000\n");
    ASSERT_EQ(g->get("Form1.Lbl_tgt_1.caption"), "☆");
    g->run("click Form1.Lbl_tgt_1 right\n");
    EXPECT_EQ(g->get_int("Form1.rush[0]"), 2);
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "Ｒ　Ｕ　Ｓ　Ｈ　！");
    const auto intervals = [&] {
        return g->get("Form1.Tmr_target_1_on.interval") + " " +
               g->get("Form1.Tmr_tgt_1_off.interval") + " " + g->get("Form1.Tmr_clr.interval") +
               " " + g->get("Form1.Tmr_cls.interval");
    };
    EXPECT_EQ(intervals(), "800 675 400 400");
    // Four targets 800 ms apart at the rush places; the CP's tick at 8000 offers nothing.
    struct Step {
        int wait;
        const char* draws;
        int left, top, rush;
        const char* intervals;
    };
    const Step steps[] = {
        {800, "99 0 0 0 99 0", 56, 32, 3, "800 675 400 400"},
        {800, "99 0 0 0 99 1", 24, 64, 4, "800 675 400 400"},
        {800, "99 0 0 0 99 2", 96, 64, 5, "800 675 400 400"},
        {800, "99 99 99 0 0 0 99 3", 56, 152, 6, "3000 900 1500 1500"},
        {3000, "99 99 99 0 0 0 99 6", 56, 64, 0, "3000 900 1500 1500"},
    };
    for (const Step& s : steps) {
        g->run(std::string("rng ") + s.draws + "\nwait " + std::to_string(s.wait - 1) + "\n");
        EXPECT_EQ(g->get("Form1.Lbl_tgt_1.visible"), "0") << s.rush;
        g->run("wait 1\n");
        ASSERT_EQ(g->get("Form1.Lbl_tgt_1.visible"), "1") << s.rush;
        EXPECT_EQ(g->get_int("Form1.Lbl_tgt_1.left"), s.left) << s.rush;
        EXPECT_EQ(g->get_int("Form1.Lbl_tgt_1.top"), s.top) << s.rush;
        if (s.rush != 0) {
            EXPECT_EQ(g->get("Form1.Tmr_tgt_1_off.interval"), "675");
        }
        g->run("click Form1.Lbl_tgt_1\n");
        EXPECT_EQ(g->get_int("Form1.rush[0]"), s.rush);
        EXPECT_EQ(intervals(), s.intervals) << s.rush;
    }
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "Ｈ　Ｉ　Ｔ　！");
    EXPECT_EQ(g->get_int("Form1.hp[1]"), 100 - 6 * 9);
    EXPECT_EQ(g->run("rng 99 99\nwait 2000\nget Form1.Lbl_tgt_0.visible\n"), "0\n");
}

TEST(Rush, AMissedTargetEndsThePlayersRush) {
    auto g = started_bout(5, 0);
    g->run("set Form1.pos[0] 5\nset Form1.pos[1] 6\nset Form1.gap 0\n");
    g->run("rng 99 99 99 0 0 0 99 0\nwait 3000\nclick Form1.Lbl_tgt_1\n");
    g->run("rng 99 0 0 0 99 0\nwait 800\nwait 674\n");
    EXPECT_EQ(g->get_int("Form1.rush[0]"), 2);
    g->run("wait 1\n");
    EXPECT_EQ(g->get_int("Form1.rush[0]"), 0);
    EXPECT_EQ(g->get("Form1.Tmr_target_1_on.interval") + g->get("Form1.Tmr_tgt_1_off.interval") +
                  g->get("Form1.Tmr_clr.interval") + g->get("Form1.Tmr_cls.interval"),
              "300090015001500");
}

TEST(Rush, OneGuardEndsTheCpsRush) {
    // The player is cornered on cell 0; the CP's hook comes as a rush start and lands.
    auto g = started_bout(0, 5);
    g->run("set Form1.pos[0] 0\nset Form1.pos[1] 1\nset Form1.gap 0\n");
    g->run("rng 99 0 0 99 0 99 99\nwait 3000\n");
    ASSERT_EQ(g->get("Form1.Lbl_tgt_0.caption"), "☆");
    g->run("wait 1100\n");
    EXPECT_EQ(g->get_int("Form1.rush[1]"), 2);
    EXPECT_EQ(g->get_int("Form1.cp_star"), 0);
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "ＤＡＭＡＧＥ！");
    EXPECT_EQ(g->get("Form1.Tmr_target_0_on.interval") + " " +
                  g->get("Form1.Tmr_tgt_0_off.interval") + " " + g->get("Form1.Tmr_clr.interval"),
              "1200 825 600");
    // The next rush target, 1200 ms later at a rush place, is guarded.
    g->run("rng 99 0 0 99 0\nwait 1200\n");
    ASSERT_EQ(g->get("Form1.Lbl_tgt_0.visible"), "1");
    EXPECT_EQ(g->get_int("Form1.Lbl_tgt_0.top"), 32);
    g->run("click Form1.Lbl_tgt_0\n");
    EXPECT_EQ(g->get_int("Form1.rush[1]"), 0);
    EXPECT_EQ(g->get("Form1.Tmr_target_0_on.interval") + " " +
                  g->get("Form1.Tmr_tgt_0_off.interval") + " " + g->get("Form1.Tmr_cls.interval"),
              "3000 1100 1500");
}

TEST(Rush, AGuardedStarLeavesTheRushStartPendingForTheNextLandedPunch) {
    auto g = started_bout(0, 5);
    g->run("set Form1.pos[0] 0\nset Form1.pos[1] 1\nset Form1.gap 0\n");
    g->run("rng 99 0 0 99 0 99 99\nwait 3000\nclick Form1.Lbl_tgt_0\n");
    EXPECT_EQ(g->get_int("Form1.cp_star"), 1);
    EXPECT_EQ(g->get_int("Form1.rush[1]"), 0);
    // At 8000 the player's cycle ticks first (its countdown began first), then the CP's "○".
    g->run("rng 99 99 99 0 0 99 99\nwait 3000\n");
    ASSERT_EQ(g->get("Form1.Lbl_tgt_0.caption"), "○");
    g->run("wait 1100\n");
    EXPECT_EQ(g->get_int("Form1.rush[1]"), 2);
    EXPECT_EQ(g->get_int("Form1.cp_star"), 0);
}

TEST(Move, ThePlayerStepsInChangesSidesAndLetsAMarkRunOut) {
    auto g = started_bout(5, 0);
    g->run("rng 99 99 0 0\nwait 3000\n");
    ASSERT_EQ(g->get("Form1.Lbl_move_0_1.showing"), "1");
    g->run("click Form1.Lbl_move_0_1\n");
    EXPECT_EQ(g->get("Form1.pos[0]") + g->get("Form1.gap"), "30");
    EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "Amber Falconが接近した");
    EXPECT_EQ(g->run("sounds\n"), "5000 Mpr_move_1 rewind\n5000 Mpr_move_1 play\nend\n");

    // Cornered on cell 0 with the CP on cell 1: the change of sides.
    auto c = started_bout(5, 0);
    c->run("set Form1.pos[0] 0\nset Form1.pos[1] 1\nset Form1.gap 0\nrng 99 99 0 60\nwait 3000\n");
    ASSERT_EQ(c->get("Form1.Lbl_move_0.caption"), "⇔");
    c->run("click Form1.Lbl_move_0\n");
    EXPECT_EQ(c->get("Form1.pos[0]") + c->get("Form1.swap") + c->get("Form1.gap"), "210");
    EXPECT_EQ(c->get("Form1.Pnl_pos_1.color") + c->get("Form1.Pnl_pos_2.color"),
              "#FF0000#0000FF");
    EXPECT_EQ(c->get("Form1.Lbl_msg_0.caption"), "Amber Falcon、体勢を入れ替えた");

    // A blue mark left alone: gone after the window (1000 + 10 x FW 7), nothing moves.
    auto r = started_bout(5, 0);
    r->run("rng 99 99 0 0\nwait 3000\nwait 1069\n");
    EXPECT_EQ(r->get("Form1.Lbl_move_0_1.visible"), "1");
    r->run("wait 1\n");
    EXPECT_EQ(r->get("Form1.Lbl_move_0_1.visible") + r->get("Form1.pos[0]") +
                  r->get("Form1.Tmr_target_1_on.enabled"),
              "021");
    EXPECT_EQ(r->run("sounds\n"), "end\n");
}

TEST(Move, TheCpMovesUnlessCancelled) {
    // The CP (roster boxer 0, ldt 2, FW 5: 950 ms) steps in; the player idles.
    auto g = started_bout(5, 0);
    g->run("rng 0 0 0 99 99\nwait 3000\n");
    ASSERT_EQ(g->get("Form1.Lbl_move_1_0.showing"), "1");
    g->run("wait 950\n");
    EXPECT_EQ(g->get("Form1.pos[1]") + g->get("Form1.gap"), "30");
    EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "Tsugane Hiyoが接近した");
    EXPECT_EQ(g->run("sounds\n"), "5950 Mpr_move_2 rewind\n5950 Mpr_move_2 play\nend\n");
    // Cancelled by a click on the red mark: no move, no sound, the CP's cycle goes on.
    auto c = started_bout(5, 0);
    c->run("rng 0 0 0 99 99\nwait 3000\nclick Form1.Lbl_move_1_0\nwait 2000\n");
    EXPECT_EQ(c->get("Form1.pos[1]") + c->get("Form1.Tmr_target_0_on.enabled"), "41");
    EXPECT_EQ(c->run("sounds\n"), "end\n");
    // The CP cornered on cell 6 changes sides.
    auto s = started_bout(5, 0);
    s->run("set Form1.pos[0] 5\nset Form1.pos[1] 6\nset Form1.gap 0\nrng 0 60 99 99\nwait 3950\n");
    EXPECT_EQ(s->get("Form1.pos[1]") + s->get("Form1.swap"), "41");
}

TEST(Move, AHeldBackCpAdvanceThatNoLongerFitsIsDropped) {
    // The CP's step-in is pending when the player steps in first: the CP's move waits while
    // `moved` is set, and when it may go at last the boxers already stand side by side.
    auto g = started_bout(5, 0);
    g->run("rng 0 0 0 0 0\nwait 3000\nclick Form1.Lbl_move_0_1\nsounds\n");
    EXPECT_EQ(g->get("Form1.pos[0]") + g->get("Form1.pos[1]") + g->get("Form1.gap"), "340");
    g->run("wait 2999\n");  // 5950 and 6900 and 7850: held back
    EXPECT_EQ(g->get("Form1.Lbl_move_1_0.visible") + g->get("Form1.Tmr_move_1_off.enabled"), "11");
    // The player's tick at 8000 clears `moved` and offers nothing (d 10 at close range).
    g->run("rng 0 10\nwait 1\n");
    EXPECT_EQ(g->get_int("Form1.moved"), 0);
    g->run("wait 800\n");  // 8800: the advance is dropped
    EXPECT_EQ(g->get("Form1.pos[0]") + g->get("Form1.pos[1]") + g->get("Form1.gap"), "340");
    EXPECT_EQ(g->get("Form1.Lbl_move_1_0.visible") + g->get("Form1.Tmr_move_1_off.enabled") +
                  g->get("Form1.Tmr_target_0_on.enabled") + g->get("Form1.moved"),
              "0011");
    EXPECT_EQ(g->run("sounds\n"), "end\n");
    EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "");
}

TEST(Move, TheCpMovingVoidsThePlayersPendingMark) {
    // Both sides are offered a step-in; the CP's goes first (the player waits).
    auto g = started_bout(5, 0);
    g->run("rng 0 0 0 0 0\nwait 3950\n");
    EXPECT_EQ(g->get("Form1.pos[1]") + g->get("Form1.Lbl_move_0_1.visible"), "30");
    EXPECT_EQ(g->get("Form1.Tmr_move_0_off.enabled"), "1");  // runs on until it fires
}

TEST(Shake, TheHitPanelJerksTenPixelsLeftAndBack) {
    // The CP's punch lands at 6100: the player's panel runs two ticks, no home tick.
    auto g = started_bout(0, 5);
    g->run("rng 99 0 0 99 99 99\nwait 4100\n");
    std::string lefts;
    for (int i = 0; i < 4; ++i) lefts += g->run("wait 100\nget Form1.Pnl_chr_0.left\n");
    EXPECT_EQ(lefts, "6\n16\n16\n16\n");
    EXPECT_EQ(g->get("Form1.Tmr_shake_0.enabled"), "0");
    // The player's punch lands at 5000: the CP's panel reads 480, 470, 480.
    auto h = started_bout(5, 0);
    h->run("rng 99 99 99 0 0 99\nwait 3000\nclick Form1.Lbl_tgt_1\n");
    lefts.clear();
    for (int i = 0; i < 4; ++i) lefts += h->run("wait 100\nget Form1.Pnl_chr_1.left\n");
    EXPECT_EQ(lefts, "480\n470\n480\n480\n");
    EXPECT_EQ(h->get("Form1.Tmr_shake_1.enabled"), "0");
}

TEST(KnockOut, TheVsBoutEndsFourAndEightSecondsAfterTheFinishingPunch) {
    auto g = started_bout(5, 0);
    g->run("set Form1.hp[1] 1\nrng 99 99 99 0 0 99\nwait 3000\nclick Form1.Lbl_tgt_1\n");
    EXPECT_EQ(g->get("Form1.Tmr_finish.enabled") + g->get("Form1.Tmr_target_0_on.enabled") +
                  g->get("Form1.Tmr_target_1_on.enabled"),
              "100");
    g->run("sounds\nwait 1500\n");
    EXPECT_EQ(g->run("sounds\n"), "6500 Mpr_down rewind\n6500 Mpr_down play\nend\n");
    EXPECT_EQ(g->get("Form1.Img_ring.visible"), "1");
    g->run("wait 2500\n");
    EXPECT_EQ(g->run("sounds\n"),
              "9000 Mpr_bgm notify-off\n9000 Mpr_bgm stop\n9000 Mpr_fin rewind\n"
              "9000 Mpr_fin play\n9000 Mpr_bgm report\nend\n");
    EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "Amber Falconのジャブで");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "ＫＮＯＣＫ　ＯＵＴ！");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.fontcolor"), "#0000FF");
    EXPECT_EQ(g->get("Form1.Img_chr_1.visible") + g->get("Form1.Img_chr_0.visible") +
                  g->get("Form1.Img_pic.visible") + g->get("Form1.Img_ring.visible"),
              "0110");
    g->run("wait 3999\n");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "ＫＮＯＣＫ　ＯＵＴ！");
    EXPECT_EQ(g->run("screen\nwait 1\nscreen\n"), "Form1\nForm2\n");
    EXPECT_EQ(g->get("Form2.Btn_enter.enabled"), "0");
    EXPECT_EQ(g->run("sounds\n"), "end\n");
}

TEST(KnockOut, ALostStoryBoutOffersRetryAndEnd) {
    const auto lost = [] {
        auto g = std::make_unique<test::Game>();
        g->run("click Form3.Btn_story\nclick Form4.Btn_enter\nwait 3000\nwait 2000\n");
        // The CP (Ebisawa Kino, AG 4) jabs; the own boxer (AG 5) idles.
        g->run("set Form1.hp[0] 1\nrng 99 0 0 99 99 99\nwait 3000\nwait 1300\n");
        return g;
    };
    auto g = lost();
    EXPECT_EQ(g->get("Form1.Lbl_msg_0.caption"), "Ebisawa Kinoのジャブ");
    g->run("wait 8000\n");
    EXPECT_EQ(g->run("screen\n"), "Form1\n");
    EXPECT_EQ(g->get("Form1.Pnl_cmd.showing") + g->get("Form1.Pnl_cmd.left") + "," +
                  g->get("Form1.Pnl_cmd.top"),
              "1240,136");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.caption"), "ＫＮＯＣＫ　ＯＵＴ！");
    EXPECT_EQ(g->get("Form1.Lbl_msg_1.fontcolor"), "#FF0000");
    g->run("click Form1.Btn_retry\n");
    EXPECT_EQ(g->run("screen\n"), "Form5\n");
    EXPECT_EQ(g->get_int("Form5.step"), 1);
    g->run("wait 3000\n");
    EXPECT_EQ(g->get("Form1.hp[0]") + " " + g->get("Form1.Pnl_cmd.visible") + " " +
                  g->get("Form1.Img_chr_0.visible") + " " + g->get("Form1.Lbl_msg_1.caption"),
              "105 0 1 ");
    auto e = lost();
    e->run("wait 8000\nclick Form1.Btn_end\n");
    EXPECT_EQ(e->run("screen\n"), "Form3\n");
    EXPECT_EQ(e->get("Form3.Lbl_lv.caption"), "NORMAL");
}

TEST(Music, RestartsOnEveryReportedEndUntilTheFirstFinishTick) {
    auto g = started_bout(5, 0);
    g->run("wait 500\nend Mpr_bgm\n");
    EXPECT_EQ(g->run("sounds\n"),
              "2500 Mpr_bgm report\n2500 Mpr_bgm rewind\n2500 Mpr_bgm play\nend\n");
    g->run("set Form1.hp[1] 1\nrng 99 99 99 0 0 99\nwait 2500\nclick Form1.Lbl_tgt_1\nwait 4000\n");
    g->run("sounds\nend Mpr_bgm\n");
    EXPECT_EQ(g->run("sounds\n"), "end\n");
    EXPECT_EQ(g->get("Form1.Mpr_bgm.playing"), "0");
}

}  // namespace
