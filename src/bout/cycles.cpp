// The two cycles: every tick draws a move, an attack or nothing for its side.
#include "bout/bout_screen.h"

namespace bout {

namespace {

struct Place {
    int left, top;
};

// Where a rushing side's target stands; 6 keeps the usual place.
constexpr Place kRushPlaces[6] = {{56, 32}, {24, 64}, {96, 64}, {56, 152}, {24, 112}, {96, 112}};

Place rush_place(int e, Place usual) { return e >= 0 && e < 6 ? kRushPlaces[e] : usual; }

}  // namespace

void BoutScreen::Tmr_target_1_onTimer() {
    closed = 0;
    if (last_hit == 1) last_hit = 0;
    bool move_tick = false, attack_tick = false;
    if (random(100) <= move_rate[0]) {
        moved = 0;
        move_tick = true;
    } else if (random(100) <= agl[0] * 5 + atk_rate[0]) {
        attack_tick = true;
    }
    if (rush[0] > 0) move_tick = false, attack_tick = true;
    // The CP's rush, or the CP's punch that has just landed, holds the player's cycle.
    if (rush[1] > 0 || last_hit == 2) return;
    if (move_tick) {
        offer_player_move();
    } else if (attack_tick) {
        Tmr_target_1_on.set_enabled(false);
        offer_player_attack();
    }
}

void BoutScreen::Tmr_target_0_onTimer() {
    closed = 0;
    if (last_hit == 2) last_hit = 0;
    bool move_tick = false, attack_tick = false;
    if (random(100) <= move_rate[1]) {
        moved = 0;
        move_tick = true;
    } else if (random(100) <= agl[1] * 5 + atk_rate[1]) {
        attack_tick = true;
    }
    if (rush[1] > 0) move_tick = false, attack_tick = true;
    if (rush[0] > 0 || last_hit == 1) return;
    if (move_tick) {
        offer_cp_move();
    } else if (attack_tick) {
        Tmr_target_0_on.set_enabled(false);
        offer_cp_attack();
    }
}

void BoutScreen::offer_player_attack() {
    Place place{56, 64};
    const int d = random(100);
    bool far_jab = false;
    int c = 0;
    if (gap == 1) {
        far_jab = d < 70;
        kind[0] = far_jab ? 0 : 1;
        c = kind[0];
    } else {
        if (d < 70) {
            kind[0] = 0;
        } else {
            kind[0] = 1;
            place.top = 130;
        }
        c = random(100) < 40 ? 0 : 1;
    }
    // A jab from afar is never a press.
    if (random(100) <= press_rate[0] && !far_jab) c += 2;
    static constexpr const char* captions[4] = {"○", "◇", "●", "◆"};
    Lbl_tgt_1.set_caption(captions[c]);
    if (cornered(1) && rush[0] == 0) {
        if (random(100) <= star_rate[0]) Lbl_tgt_1.set_caption("☆");
    }
    if (rush[0] > 0) place = rush_place(random(7), place);
    Lbl_tgt_1.set_left(place.left);
    Lbl_tgt_1.set_top(place.top);
    Lbl_tgt_1.show();
    Lbl_move_0.hide();
    Tmr_tgt_1_off.set_enabled(true);
}

void BoutScreen::offer_cp_attack() {
    Place place{56, 64};
    Lbl_tgt_0.set_caption("○");
    const int d = random(100);
    bool far_jab = false;
    if (gap == 1) {
        far_jab = d < 70;
        kind[1] = far_jab ? 0 : 1;
    } else if (d < 40) {
        kind[1] = 0;
    } else {
        kind[1] = 1;
        place.top = 130;
    }
    cp_press = 0;
    if (random(100) <= press_rate[1] && !far_jab) {
        cp_press = 1;
        Lbl_tgt_0.set_caption("●");
    }
    // A rush start can also be a press: cp_press keeps its value.
    if (cornered(0) && rush[1] == 0) {
        if (random(100) <= star_rate[1]) {
            cp_star = 1;
            Lbl_tgt_0.set_caption("☆");
        }
    }
    if (rush[1] > 0) place = rush_place(random(7), place);
    Lbl_tgt_0.set_left(place.left);
    Lbl_tgt_0.set_top(place.top);
    Lbl_tgt_0.show();
    Tmr_tgt_0_off.set_enabled(true);
}

void BoutScreen::offer_player_move() {
    const int d = random(100);
    ui::Label* chosen = nullptr;
    if (d < adv_rate[0] && gap > 0) chosen = &Lbl_move_0_1;
    if (d >= adv_rate[0] && room_behind(0) && gap == 0) {
        chosen = &Lbl_move_0;
        Lbl_move_0.set_caption("▽");
    }
    if (d >= 50 && cornered(0) && gap == 0) {
        chosen = &Lbl_move_0;
        Lbl_move_0.set_caption("⇔");
    }
    if (!chosen) return;
    chosen->show();
    Tmr_target_1_on.set_enabled(false);
    Tmr_move_0_off.set_enabled(true);
}

void BoutScreen::offer_cp_move() {
    const int d = random(100);
    ui::Label* chosen = nullptr;
    // A CP that likes its distance steps in less and steps back more.
    if (d < adv_rate[1] && gap > 0) {
        if (random(100) <= (10 - ldt_now[1]) * 10) chosen = &Lbl_move_1_0;
    }
    if (d >= adv_rate[1] && room_behind(1) && gap == 0) {
        if (random(100) <= ldt_now[1] * 10) {
            chosen = &Lbl_move_1;
            Lbl_move_1.set_caption("▽");
        }
    }
    if (d >= 50 && cornered(1) && gap == 0) {
        chosen = &Lbl_move_1;
        Lbl_move_1.set_caption("⇔");
    }
    if (!chosen) return;
    chosen->show();
    Tmr_target_0_on.set_enabled(false);
    Tmr_move_1_off.set_enabled(true);
}

}  // namespace bout
