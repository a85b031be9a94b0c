// What becomes of a target: the player's punch lands or misses, the CP's is guarded or lands.
#include "bout/bout_screen.h"

namespace bout {

void BoutScreen::restore_player_rush_intervals() {
    Tmr_target_1_on.set_interval(3000);
    Tmr_tgt_1_off.set_interval(itv_guard_1);
    Tmr_clr.set_interval(1500);
    Tmr_cls.set_interval(1500);
}

void BoutScreen::restore_cp_rush_intervals() {
    Tmr_target_0_on.set_interval(3000);
    Tmr_tgt_0_off.set_interval(itv_guard_0);
    Tmr_clr.set_interval(1500);
    Tmr_cls.set_interval(1500);
}

void BoutScreen::Lbl_tgt_1Click() {
    const std::string& c = Lbl_tgt_1.caption();
    if (c == "○" || c == "●" || c == "☆") land_player_punch();
}

void BoutScreen::Lbl_tgt_1MouseDown(ui::MouseButton button) {
    // A left click reaches both handlers; only the click handler acts on it.
    const std::string& c = Lbl_tgt_1.caption();
    if (button == ui::MouseButton::right && (c == "◇" || c == "◆" || c == "☆")) {
        land_player_punch();
    }
}

void BoutScreen::land_player_punch() {
    restart_cue(Mpr_hit);
    const std::int32_t d = gap == 0 ? nap_now[0] : lap_now[0];
    const std::string& caption = Lbl_tgt_1.caption();
    if (caption == "●" || caption == "◆") {
        // The CP is driven back one cell and the player follows; a CP at the end stays.
        if (swap == 0 && pos[1] < pos_max) ++pos[0], ++pos[1];
        if (swap == 1 && pos[1] > 0) --pos[0], --pos[1];
        update_positions();
    }
    if (caption == "☆") {
        rush[0] = 1;
        Tmr_target_1_on.set_interval(rush_itv[0]);
        Tmr_tgt_1_off.set_interval(itv_guard_1 - itv_guard_1 / 4);
        Tmr_clr.set_interval(rush_itv[0] / 2);
        Tmr_cls.set_interval(rush_itv[0] / 2);
    }
    if (rush[0] > 0) {
        ++rush[0];
        if (rush[0] == 6) restore_player_rush_intervals();
        if (rush[0] == 7) rush[0] = 0;
    }
    atk = 0;
    hp[1] -= d;
    show_technique_picture();
    moved = 0;
    Tmr_shake_1.set_enabled(true);
    announce(0, hit);
    clear_marks();
    update_gauges();
    if (hp[1] <= 0) {
        Tmr_target_0_on.set_enabled(false);
        Tmr_target_1_on.set_enabled(false);
        Tmr_finish.set_enabled(true);
        update_positions();
    } else {
        Tmr_target_0_on.set_enabled(true);
        Tmr_target_1_on.set_enabled(true);
        last_hit = 1;
    }
}

void BoutScreen::Tmr_tgt_1_offTimer() {
    if (rush[0] > 0) {
        rush[0] = 0;
        restore_player_rush_intervals();
    }
    Tmr_tgt_1_off.set_enabled(false);
    Lbl_tgt_1.hide();
    Tmr_target_1_on.set_enabled(true);
}

void BoutScreen::Lbl_tgt_0Click() {
    if (Lbl_tgt_0.visible()) guard_cp_punch();
}

void BoutScreen::guard_cp_punch() {
    // One guard ends the CP's rush; a pending rush start (cp_star) stays pending.
    if (rush[1] > 0) {
        rush[1] = 0;
        restore_cp_rush_intervals();
    }
    restart_cue(Mpr_gad);
    Lbl_tgt_0.hide();
    Tmr_tgt_0_off.set_enabled(false);
    Tmr_target_0_on.set_enabled(true);
}

void BoutScreen::Tmr_tgt_0_offTimer() {
    restart_cue(Mpr_dmg);
    // A punch whose window runs out after the exchange was closed takes no effect.
    if (closed != 0) return;
    Tmr_tgt_0_off.set_enabled(false);
    const std::int32_t d = gap == 0 ? nap_now[1] : lap_now[1];
    if (cp_press == 1) {
        if (swap == 0 && pos[0] > 0) --pos[0], --pos[1];
        if (swap == 1 && pos[0] < pos_max) ++pos[0], ++pos[1];
        update_positions();
    }
    if (cp_star == 1) {
        cp_star = 0;
        rush[1] = 1;
        Tmr_target_0_on.set_interval(rush_itv[1]);
        Tmr_tgt_0_off.set_interval(itv_guard_0 - itv_guard_0 / 4);
        Tmr_clr.set_interval(rush_itv[1] / 2);
        Tmr_cls.set_interval(rush_itv[1] / 2);
    }
    if (rush[1] > 0) {
        ++rush[1];
        if (rush[1] == 6) restore_cp_rush_intervals();
        if (rush[1] == 7) rush[1] = 0;
    }
    atk = 1;
    hp[0] -= d;
    update_gauges();
    show_technique_picture();
    announce(1, damage);
    // The player's shake counter starts here and clear_marks sets it to 1 at once.
    closed = 0;
    Tmr_shake_0.set_enabled(true);
    clear_marks();
    if (hp[0] <= 0) {
        Tmr_target_0_on.set_enabled(false);
        Tmr_target_1_on.set_enabled(false);
        Tmr_finish.set_enabled(true);
        update_positions();
    } else {
        Tmr_target_0_on.set_enabled(true);
        Tmr_target_1_on.set_enabled(true);
        last_hit = 2;
    }
}

}  // namespace bout
