// The announcer's two lines, the bout start and the end of a technique picture.
#include "bout/bout_screen.h"

namespace bout {

namespace {

const char* technique_word(std::int32_t gap, std::int32_t kind) {
    if (gap == 1 && kind == 0) return "ジャブ";
    if (gap == 1 && kind == 1) return "ストレート";
    if (gap == 0 && kind == 0) return "フック";
    if (gap == 0 && kind == 1) return "ボディ";
    return "";
}

}  // namespace

void BoutScreen::announce(int side, int msg) {
    std::string who;
    std::string word;
    if (side == 0) {
        who = name_disp[0];
        Lbl_msg_1.set_font_color(ui::clBlue);
    } else if (side == 1) {
        who = name_disp[1];
        Lbl_msg_1.set_font_color(ui::clRed);
    }
    if (side == 0 || side == 1) word = technique_word(gap, kind[side]);

    switch (msg) {
        case hit:
            Lbl_msg_0.set_caption(who + "の" + word);
            Lbl_msg_1.set_caption("Ｈ　Ｉ　Ｔ　！");
            if ((side == 0 || side == 1) && rush[side] > 0) {
                Lbl_msg_1.set_caption("Ｒ　Ｕ　Ｓ　Ｈ　！");
            }
            break;
        case damage:
            Lbl_msg_0.set_caption(who + "の" + word);
            Lbl_msg_1.set_caption("ＤＡＭＡＧＥ！");
            break;
        case knockout:
            Lbl_msg_0.set_caption(who + "の" + word + "で");
            Lbl_msg_1.set_caption("ＫＮＯＣＫ　ＯＵＴ！");
            break;
        case fight:
            Lbl_msg_1.set_font_color(ui::clBlack);
            Lbl_msg_0.set_caption("");
            Lbl_msg_1.set_caption("Ｆ　Ｉ　Ｇ　Ｈ　Ｔ　！");
            break;
        case approach:
            Lbl_msg_0.set_caption(who + "が接近した");
            break;
        case retreat:
            Lbl_msg_0.set_caption(who + "が距離を取った");
            break;
        case change:
            Lbl_msg_0.set_caption(who + "、体勢を入れ替えた");
            break;
        default:
            break;
    }
    // The knock-out call stays: from the first finish tick on nothing wipes the lines.
    if (fin_cnt == 0) Tmr_clr.set_enabled(true);
}

void BoutScreen::Tmr_clrTimer() {
    Tmr_clr.set_enabled(false);
    Lbl_msg_0.set_caption("");
    Lbl_msg_1.set_caption("");
}

void BoutScreen::Tmr_clsTimer() {
    if (Tmr_finish.enabled()) restart_cue(Mpr_down);
    Tmr_cls.set_enabled(false);
    Img_ring.show();
    Img_pic.hide();
}

void BoutScreen::Tmr_eventTimer() {
    Tmr_event.set_enabled(false);
    Img_ring.show();
    announce(2, fight);
    restart_cue(Mpr_start);
    Tmr_target_0_on.set_enabled(true);
    Tmr_target_1_on.set_enabled(true);
    (bgm_b == 1 ? Mpr_bgm_B : Mpr_bgm).play();
}

}  // namespace bout
