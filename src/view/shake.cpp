// The hit shake: the hit boxer's panel jerks ten pixels to the left and back.
#include "bout/bout_screen.h"

namespace bout {

namespace {

// The counter is the engine's flag of that side (closed for the player, moved for the CP):
// the hit resolution sets it, so the player's shake starts at 1 and skips its home tick.
void shake_tick(std::int32_t& counter, ui::Panel& panel, int home, ui::Timer& timer) {
    ++counter;
    if (counter == 1) panel.set_left(home);
    if (counter == 2) panel.set_left(panel.left() - 10);
    if (counter == 3) {
        panel.set_left(panel.left() + 10);
        timer.set_enabled(false);
    }
}

}  // namespace

void BoutScreen::Tmr_shake_0Timer() { shake_tick(closed, Pnl_chr_0, 16, Tmr_shake_0); }

void BoutScreen::Tmr_shake_1Timer() { shake_tick(moved, Pnl_chr_1, 480, Tmr_shake_1); }

}  // namespace bout
