// The line of seven cells: positions, the move marks and the moves themselves.
#include "bout/bout_screen.h"

namespace bout {

bool BoutScreen::cornered(int side) const {
    if (side == 0) return (swap == 0 && pos[0] == 0) || (swap == 1 && pos[0] == pos_max);
    return (swap == 0 && pos[1] == pos_max) || (swap == 1 && pos[1] == 0);
}

void BoutScreen::update_positions() {
    for (int s = 0; s < 2; ++s) {
        if (pos[s] >= pos_max) pos[s] = pos_max;
        if (pos[s] <= 0) pos[s] = 0;
    }
    gap = (pos[0] > pos[1] ? pos[0] - pos[1] : pos[1] - pos[0]) - 1;
    for (ui::Panel* p : Pnl_pos) p->set_color(ui::clBtnFace);
    Pnl_pos[static_cast<std::size_t>(pos[1])]->set_color(ui::clRed);
    // The player's colour goes last: a shared cell shows blue.
    Pnl_pos[static_cast<std::size_t>(pos[0])]->set_color(ui::clBlue);
    draw_ring_view();
}

void BoutScreen::clear_marks() {
    closed = 1;
    Lbl_tgt_1.hide();
    Lbl_tgt_0.hide();
    Tmr_tgt_1_off.set_enabled(false);
    Tmr_tgt_0_off.set_enabled(false);
    Tmr_move_0_off.set_enabled(false);
    Tmr_move_1_off.set_enabled(false);
    for (ui::Label* m : {&Lbl_move_0, &Lbl_move_0_1, &Lbl_move_1, &Lbl_move_1_0, &Lbl_fb,
                         &Lbl_fb_1}) {
        m->hide();
    }
}

void BoutScreen::Lbl_move_0_1Click() {
    restart_cue(Mpr_move_1);
    moved = 1;
    Lbl_move_0_1.hide();
    Tmr_move_0_off.set_enabled(false);
    pos[0] += swap == 0 ? 1 : -1;
    announce(0, approach);
    update_positions();
    Tmr_target_1_on.set_enabled(true);
}

void BoutScreen::Lbl_move_0Click() {
    restart_cue(Mpr_move_1);
    moved = 1;
    Tmr_move_0_off.set_enabled(false);
    if (Lbl_move_0.caption() == "▽") {
        pos[0] += swap == 0 ? -1 : 1;
        announce(0, retreat);
    }
    if (Lbl_move_0.caption() == "⇔") {
        // The player jumps to a fixed cell beyond the CP, who stands on cell 1 or 5.
        if (pos[0] <= 0) {
            pos[0] = 2;
            swap = 1;
        }
        if (pos[0] >= pos_max) {
            pos[0] = 4;
            swap = 0;
        }
        announce(0, change);
    }
    Lbl_move_0.hide();
    update_positions();
    Tmr_target_1_on.set_enabled(true);
}

void BoutScreen::Tmr_move_0_offTimer() {
    Lbl_move_0.hide();
    Lbl_move_0_1.hide();
    Tmr_move_0_off.set_enabled(false);
    Tmr_target_1_on.set_enabled(true);
}

bool BoutScreen::cp_move_fits() const {
    if (Lbl_move_1_0.visible()) return gap > 0;
    if (Lbl_move_1.visible() && Lbl_move_1.caption() == "▽") return gap == 0 && room_behind(1);
    if (Lbl_move_1.visible() && Lbl_move_1.caption() == "⇔") return gap == 0 && cornered(1);
    return false;
}

void BoutScreen::Tmr_move_1_offTimer() {
    // Held back while the exchange is closed or the player has just moved; tried again later.
    if (closed != 0 || moved != 0) return;
    // A held-back move is carried out with the cells as they are now; one that no longer fits
    // them is dropped, so the boxers never share a cell or stand two cells apart.
    if (!cp_move_fits()) {
        Lbl_move_1.hide();
        Lbl_move_1_0.hide();
        moved = 1;
        Tmr_move_1_off.set_enabled(false);
        Tmr_target_0_on.set_enabled(true);
        return;
    }
    restart_cue(Mpr_move_2);
    moved = 1;
    Tmr_move_1_off.set_enabled(false);
    if (Lbl_move_1_0.visible()) {
        pos[1] += swap == 0 ? -1 : 1;
        announce(1, approach);
    }
    if (Lbl_move_1.visible()) {
        if (Lbl_move_1.caption() == "▽") {
            pos[1] += swap == 0 ? 1 : -1;
            announce(1, retreat);
        } else if (Lbl_move_1.caption() == "⇔") {
            if (pos[1] >= pos_max) {
                pos[1] = 4;
                swap = 1;
            }
            if (pos[1] <= 0) {
                pos[1] = 2;
                swap = 0;
            }
            announce(1, change);
        }
    }
    update_positions();
    // The player's own pending move offer is voided too.
    for (ui::Label* m : {&Lbl_move_0, &Lbl_move_0_1, &Lbl_move_1, &Lbl_move_1_0}) m->hide();
    Tmr_target_0_on.set_enabled(true);
}

void BoutScreen::Lbl_move_1Click() {
    moved = 1;
    Tmr_move_1_off.set_enabled(false);
    Lbl_move_1.hide();
    Tmr_target_0_on.set_enabled(true);
}

void BoutScreen::Lbl_move_1_0Click() {
    moved = 1;
    Tmr_move_1_off.set_enabled(false);
    Lbl_move_1_0.hide();
    Tmr_target_0_on.set_enabled(true);
}

}  // namespace bout
