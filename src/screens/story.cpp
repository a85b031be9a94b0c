#include "screens/story.h"

#include "app/game.h"
#include "bout/bout_screen.h"
#include "screens/edit.h"
#include "screens/select.h"
#include "view/portrait.h"

namespace screens {

namespace {

struct Stage {
    const char* title;
    const char* opponent;  // the roster name of record `stage`
    int stage;
    const char* remark;
};

// Steps 1 to 6, from the debut to the world title.
constexpr Stage stages[6] = {
    {"デビュー戦", "Ebisawa Kino", 3, "Ebisawa「・・・ベストを尽す。じゃネ」"},
    {"６回戦", "Nurume Sayo", 2, "Nurume「えへ。勝てたら、うれしっスよね。あはははっ！」"},
    {"８回戦", "Tsugane Hiyo", 0, "Tsugane「相手ならへんよ、弱すぎて。ＫＯは当たり前や」"},
    {"１０回戦", "Kokko Mahiro", 4, "Kokko「まぁー、普段どおりやれば、ＯＫでしょ」"},
    {"日本タイトルマッチ", "Arakida Mone", 1,
     "Arakida「イイ試合ができたらと思います。ちょっちね」"},
    {"世界タイトルマッチ", "Amber Falcon", 5, "Falcon「マットに這いつくばるがいいわ」"},
};

}  // namespace

StoryScreen::StoryScreen(app::Game& game)
    : app::Screen(game, "Form5"),
      // Under the panels: the ending picture is seen only once they are hidden.
      Img_pic(add<ui::Picture>("Img_pic", nullptr, 0, 0, 640, 480)),
      Pnl_mode(add<ui::Panel>("Pnl_mode", nullptr, 216, 8, 193, 25)),
      Pnl_chr_0(add<ui::Panel>("Pnl_chr_0", nullptr, 128, 40, 145, 209)),
      Img_chr_0(add<ui::Picture>("Img_chr_0", &Pnl_chr_0, 8, 8, 129, 177)),
      Lbl_name_0(add<ui::Label>("Lbl_name_0", &Pnl_chr_0, 8, 192, 129, 12)),
      Pnl_vs(add<ui::Panel>("Pnl_vs", nullptr, 272, 120, 81, 41)),
      Pnl_chr_1(add<ui::Panel>("Pnl_chr_1", nullptr, 352, 40, 145, 209)),
      Img_chr_1(add<ui::Picture>("Img_chr_1", &Pnl_chr_1, 8, 8, 129, 177)),
      Lbl_name_1(add<ui::Label>("Lbl_name_1", &Pnl_chr_1, 8, 192, 129, 12)),
      Pnl_msg(add<ui::Panel>("Pnl_msg", nullptr, 160, 288, 313, 113)),
      Lbl_msg_0(add<ui::Label>("Lbl_msg_0", &Pnl_msg, 16, 16, 281, 24)),
      Lbl_msg_1(add<ui::Label>("Lbl_msg_1", &Pnl_msg, 8, 56, 297, 17)),
      Img_ura_chr(add<ui::Picture>("Img_ura_chr", nullptr, 112, 32, 129, 177)),
      Tmr_next(add_timer("Tmr_next", 3000)),
      Iml_chr(add_image_list("Iml_chr", 128, 176)) {
    for (const ui::Image& img : game.pictures().chr) Iml_chr.add(img);
    Img_pic.draw().draw(0, 0, game.pictures().ending);
    Img_pic.hide();
    Img_ura_chr.hide();

    Pnl_mode.set_caption("STORY MODE");
    Pnl_vs.set_caption("VS");
    Pnl_vs.set_font({24, true});
    Lbl_name_0.set_caption("RING");
    Lbl_name_1.set_caption("CP");
    Lbl_msg_0.set_caption("世界タイトルマッチ");
    Lbl_msg_0.set_font({24, true});
    Lbl_msg_1.set_caption("ＴＲＹ　ＮＯＲＭＡＬ　ＯＲ　ＨＡＲＤ　ＭＯＤＥ！");
    Lbl_msg_1.set_font({13, false});
    for (ui::Label* l : {&Lbl_name_0, &Lbl_name_1, &Lbl_msg_0, &Lbl_msg_1}) l->centred = true;

    Tmr_next.on_timer = [this] { Tmr_nextTimer(); };

    close_title_on_close();
    field("step", &step);
    field("stage", &stage);
}

void StoryScreen::story_step() {
    const int own_look = game().edit().own_look;
    Lbl_name_0.set_caption(own_look == 0 ? "RING" : "KOU");

    // A lost bout and RETRY leave the step as it was: the same stage again.
    if (step == 0 || game().bout().atk == 0) step = step + 1;

    const char* title = "";
    const char* remark = "";
    if (step == 1) {
        Img_pic.hide();
        for (ui::Panel* p : {&Pnl_chr_0, &Pnl_chr_1, &Pnl_vs, &Pnl_mode, &Pnl_msg}) p->show();
        Pnl_chr_0.set_left(128);
    }
    if (step >= 1 && step <= 6) {
        const Stage& s = stages[step - 1];
        stage = s.stage;
        title = s.title;
        remark = s.remark;
    } else if (step == 7) {
        Pnl_chr_0.set_left(240);
        Pnl_chr_1.hide();
        Pnl_vs.hide();
        title = "新チャンピオン誕生！";
        remark = "ＣＯＮＧＲＡＴＵＲＡＴＩＯＮＳ！";
    } else if (step == 8) {
        if (game().title().level == 0) {
            title = "イージーモード・クリア";
            remark = "ＴＲＹ　ＮＯＲＭＡＬ　ＯＲ　ＨＡＲＤ　ＭＯＤＥ！";
        } else {
            Img_pic.show();
            Pnl_chr_0.hide();
            Pnl_msg.hide();
            Pnl_mode.hide();
        }
    }
    Lbl_msg_0.set_caption(title);
    Lbl_msg_1.set_caption(remark);

    view::draw_portrait(Iml_chr, 6 + own_look, Img_ura_chr, Img_chr_0);
    if (step >= 1 && step <= 6) {
        Lbl_name_1.set_caption(stages[step - 1].opponent);
        view::draw_portrait(Iml_chr, stage, Img_ura_chr, Img_chr_1);
    }

    if (step < 11) Tmr_next.set_enabled(true);
}

void StoryScreen::Tmr_nextTimer() {
    Tmr_next.set_enabled(false);
    if (step <= 6) game().switch_screen(*this, game().bout());
    if (step >= 7 && step <= 10) story_step();
    // Back at the title the timer stays stopped for good.
    if (step == 11) game().switch_screen(*this, game().title());
}

}  // namespace screens
