// The end of a bout: the knock-out, the screen that follows, RETRY and END, the music loop.
#include "app/game.h"
#include "bout/bout_screen.h"
#include "screens/select.h"
#include "screens/story.h"
#include "screens/vs.h"

namespace bout {

void BoutScreen::Tmr_finishTimer() {
    ++fin_cnt;
    if (fin_cnt == 1) {
        // Notify goes off before Stop, so the report of the cut-off music does not restart it.
        ui::MediaPlayer& music = bgm_b == 1 ? Mpr_bgm_B : Mpr_bgm;
        music.set_notify(false);
        music.stop();
        restart_cue(Mpr_fin);
        announce(atk, knockout);
        Img_pic.show();
        Img_ring.hide();
        (atk == 0 ? Img_chr_1 : Img_chr_0).hide();
    }
    if (fin_cnt == 2) {
        Tmr_finish.set_enabled(false);
        const std::int32_t mode = game().title().mode;
        if (mode == 0) {
            game().switch_screen(*this, game().vs());
        } else if (atk == 1) {
            Pnl_cmd.set_left(240);
            Pnl_cmd.set_top(136);
            Pnl_cmd.show();
        } else {
            game().switch_screen(*this, game().story());
        }
    }
}

void BoutScreen::Btn_retryClick() { game().switch_screen(*this, game().story()); }

void BoutScreen::Btn_endClick() { game().switch_screen(*this, game().title()); }

// The music starts again from the beginning whenever it ends, as long as Notify stays on.
void BoutScreen::Mpr_bgmNotify() {
    if (Mpr_bgm.notify()) {
        Mpr_bgm.rewind();
        Mpr_bgm.play();
    }
}

void BoutScreen::Mpr_bgm_BNotify() {
    if (Mpr_bgm_B.notify()) {
        Mpr_bgm_B.rewind();
        Mpr_bgm_B.play();
    }
}

}  // namespace bout
