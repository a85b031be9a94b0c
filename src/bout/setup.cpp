// The bout set-up and the hit-point gauges.
#include "app/game.h"
#include "app/roster.h"
#include "bout/bout_screen.h"
#include "screens/edit.h"
#include "screens/select.h"
#include "screens/story.h"

namespace bout {

int BoutScreen::random(int n) { return app().random().random(n); }

void BoutScreen::setup_bout() {
    const auto& title = game().title();
    const auto& own = game().edit();
    const std::int32_t mode = title.mode;
    const std::int32_t level = title.level;
    const std::int32_t stage = game().story().stage;

    app().random().seed_from_clock(app().clock().now());

    // Every bout plays its sounds from freshly opened files.
    for (ui::MediaPlayer* p : {&Mpr_start, &Mpr_fin, &Mpr_hit, &Mpr_dmg, &Mpr_gad, &Mpr_move_1,
                               &Mpr_move_2, &Mpr_down}) {
        p->open();
    }
    bgm_b = 0;
    if (mode == 1 && stage == 5) bgm_b = 1;
    ui::MediaPlayer& music = bgm_b == 1 ? Mpr_bgm_B : Mpr_bgm;
    music.open();
    music.set_notify(true);

    pos_max = 6;
    atk_rate[0] = atk_rate[1] = 50;
    move_rate[0] = move_rate[1] = 50;
    itv_tgt_0 = itv_tgt_1 = itv_move_0 = itv_move_1 = 1000;
    if (level == 0) {
        itv_tgt_0 += 200, itv_tgt_1 += 200, itv_move_0 += 200, itv_move_1 += 200;
    }
    if (level == 2) {
        itv_tgt_0 -= 300, itv_tgt_1 -= 300, itv_move_0 -= 300, itv_move_1 -= 300;
    }
    press_rate[0] = press_rate[1] = 70;
    adv_rate[0] = adv_rate[1] = 40;
    star_rate[0] = star_rate[1] = 50;
    rush_itv[0] = 800;
    rush_itv[1] = 1200;
    hp_base = 80;

    // A bout decided during a rush left these shortened.
    Tmr_target_0_on.set_interval(3000);
    Tmr_target_1_on.set_interval(3000);
    Tmr_clr.set_interval(1500);
    Tmr_cls.set_interval(1500);

    Img_ura_r.pen = Img_ura_r.brush = ui::clNavy;
    Img_ccg.pen = Img_ccg.brush = ui::clNavy;

    if (mode == 1) {
        chr[0] = 0;
        chr[1] = stage;
    }
    for (int s = 0; s < 2; ++s) {
        const app::RosterRecord r = app::read_roster_record(Mm_sts.lines(), chr[s]);
        name[s] = r.name;
        ldt[s] = r.ldt;
        sts_hp[s] = r.hp;
        nap[s] = r.nap;
        lap[s] = r.lap;
        spd[s] = r.spd;
        gad[s] = r.gad;
        agl[s] = r.agl;
    }
    if (mode == 1) {
        // The own boxer keeps roster boxer 0's ldt, which no rule of the player uses.
        chr[0] = 6;
        name[0] = "RING";
        if (own.own_look == 1) {
            name[0] = "KOU";
            chr[0] = 7;
        }
        sts_hp[0] = own.own_sts[5];
        nap[0] = own.own_sts[0];
        lap[0] = own.own_sts[1];
        spd[0] = own.own_sts[2];
        agl[0] = own.own_sts[3];
        gad[0] = own.own_sts[4];
    }
    for (int s = 0; s < 2; ++s) {
        name_disp[s] = name[s];
        ldt_now[s] = ldt[s];
        nap_now[s] = nap[s];
        lap_now[s] = lap[s];
        spd_now[s] = spd[s];
        gad_now[s] = gad[s];
        agl_now[s] = agl[s];
        hp_max[s] = 5 * sts_hp[s] + hp_base;
        hp[s] = hp_max[s];
    }

    sample_colours();
    build_ring_sprites();

    itv_guard_0 = itv_tgt_0 + 10 * gad[0];
    Tmr_tgt_0_off.set_interval(itv_guard_0);
    itv_guard_1 = itv_tgt_1 - 10 * gad[1];
    Tmr_tgt_1_off.set_interval(itv_guard_1);
    Tmr_move_0_off.set_interval(itv_move_0 + 10 * spd[0]);
    Tmr_move_1_off.set_interval(itv_move_1 - 10 * spd[1]);

    for (ui::Label* m : {&Lbl_move_0, &Lbl_move_0_1, &Lbl_move_1, &Lbl_move_1_0}) {
        m->set_left(56);
        m->set_top(160);
    }

    draw_portraits();

    ui::Label* const values[2][5] = {{&Lbl_nap_0, &Lbl_lap_0, &Lbl_spd_0, &Lbl_gad_0, &Lbl_agl_0},
                                     {&Lbl_nap_1, &Lbl_lap_1, &Lbl_spd_1, &Lbl_gad_1, &Lbl_agl_1}};
    for (int s = 0; s < 2; ++s) {
        (s == 0 ? Lbl_name_0 : Lbl_name_1).set_caption(name_disp[s]);
        const std::int32_t v[5] = {nap_now[s], lap_now[s], spd_now[s], gad_now[s], agl_now[s]};
        for (int i = 0; i < 5; ++i) values[s][i]->set_caption(std::to_string(v[i]));
    }

    update_gauges();

    moved = 0;
    last_hit = 0;
    closed = 0;
    pos[0] = 2;
    pos[1] = 4;
    rush[0] = 0;
    rush[1] = 0;
    gap = 1;
    swap = 0;
    fin_cnt = 0;

    update_positions();

    Img_chr_0.show();
    Img_chr_1.show();
    Lbl_msg_0.set_caption("");
    Lbl_msg_1.set_caption("");
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Lbl_tgt_0, &Lbl_tgt_1, &Lbl_move_0, &Lbl_move_1, &Img_pic, &Pnl_cmd}) {
        c->hide();
    }
    Tmr_event.set_enabled(true);
}

void BoutScreen::update_gauges() {
    ui::ProgressBar* const gauges[2] = {&Pgb_hp_0, &Pgb_hp_1};
    for (int s = 0; s < 2; ++s) {
        // The lower end of the tenth the hit points lie in, on integers only.
        int position = 0;
        for (int j = 0; j <= 9; ++j) {
            if (j * hp_max[s] < 10 * hp[s] && 10 * hp[s] <= (j + 1) * hp_max[s]) position = 10 * j;
        }
        gauges[s]->set_position(position);
    }
}

}  // namespace bout
