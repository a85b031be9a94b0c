// What becomes of a target: the player's punch lands or misses, the CP's is guarded or lands.
#include "bout/bout_screen.h"

namespace bout {

// A rush quickens the rushing side's cycle, shortens its targets' window by a quarter and wipes
// messages and pictures sooner; restoring puts all four back.
void BoutScreen::set_rush_intervals(int s, bool rushing) {
    const std::int32_t window = s == 0 ? itv_guard_1 : itv_guard_0;
    (s == 0 ? Tmr_target_1_on : Tmr_target_0_on).set_interval(rushing ? rush_itv[s] : 3000);
    (s == 0 ? Tmr_tgt_1_off : Tmr_tgt_0_off).set_interval(rushing ? window - window / 4 : window);
    Tmr_clr.set_interval(rushing ? rush_itv[s] / 2 : 1500);
    Tmr_cls.set_interval(rushing ? rush_itv[s] / 2 : 1500);
}

void BoutScreen::start_rush(int s) {
    rush[s] = 1;
    set_rush_intervals(s, true);
}

// A rush counts its side's landed punches: the fourth after the star brings the normal pace
// back, the fifth ends it.
void BoutScreen::count_rush_punch(int s) {
    if (rush[s] == 0) return;
    ++rush[s];
    if (rush[s] == 6) set_rush_intervals(s, false);
    if (rush[s] == 7) rush[s] = 0;
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
    if (caption == "☆") start_rush(0);
    count_rush_punch(0);
    atk = 0;
    hp[1] -= d;
    show_technique_picture();
    moved = 0;
    Tmr_shake_1.set_enabled(true);
    announce(0, hit);
    clear_marks();
    update_gauges();
    decide_or_go_on(1);
}

void BoutScreen::Tmr_tgt_1_offTimer() {
    if (rush[0] > 0) {
        rush[0] = 0;
        set_rush_intervals(0, false);
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
        set_rush_intervals(1, false);
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
        start_rush(1);
    }
    count_rush_punch(1);
    atk = 1;
    hp[0] -= d;
    update_gauges();
    show_technique_picture();
    announce(1, damage);
    // The player's shake counter starts here and clear_marks sets it to 1 at once.
    closed = 0;
    Tmr_shake_0.set_enabled(true);
    clear_marks();
    decide_or_go_on(0);
}

// The punch that leaves the hit boxer at 0 or below decides the bout: both cycles stop and the
// ring view is drawn with the winner alone. Otherwise both cycles go on, the hitter's first.
void BoutScreen::decide_or_go_on(int hit_side) {
    const bool down = hp[hit_side] <= 0;
    Tmr_target_0_on.set_enabled(!down);
    Tmr_target_1_on.set_enabled(!down);
    if (down) {
        Tmr_finish.set_enabled(true);
        update_positions();
    } else {
        last_hit = hit_side == 1 ? 1 : 2;
    }
}

}  // namespace bout
