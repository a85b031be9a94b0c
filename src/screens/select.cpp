#include "screens/select.h"

#include "app/game.h"
#include "screens/edit.h"
#include "screens/vs.h"

namespace screens {

TitleScreen::TitleScreen(app::Game& game)
    : app::Screen(game, "Form3"),
      Img_pic(add<ui::Picture>("Img_pic", nullptr, 0, 0, 640, 480)),
      Panel1(add<ui::Panel>("Panel1", nullptr, 272, 304, 89, 97)),
      Btn_story(add<ui::Button>("Btn_story", &Panel1, 8, 8, 75, 25)),
      Btn_vs(add<ui::Button>("Btn_vs", &Panel1, 8, 32, 75, 25)),
      UpD_lv(add<ui::UpDown>("UpD_lv", &Panel1, 64, 64, 16, 24, 0, 2, 1)),
      Lbl_lv(add<ui::Label>("Lbl_lv", &Panel1, 16, 72, 0, 0)) {
    Img_pic.draw().draw(0, 0, game.pictures().title);
    Btn_story.set_caption("STORY");
    Btn_vs.set_caption("VS");
    Lbl_lv.set_caption("NORMAL");
    set_tab_order({&Btn_vs, &Btn_story, &UpD_lv});
    Btn_story.on_click = [this] { Btn_storyClick(); };
    Btn_vs.on_click = [this] { Btn_vsClick(); };
    UpD_lv.on_arrow = [this](ui::Arrow) { UpD_lvClick(); };
    field("mode", &mode);
    field("level", &level);
    // FormCreate
    title_reset();
}

void TitleScreen::title_reset() {
    UpD_lv.set_position(1);
    show_level();
}

void TitleScreen::show_level() {
    level = UpD_lv.position();
    static constexpr const char* names[] = {"EASY", "NORMAL", "HARD"};
    if (level >= 0 && level <= 2) Lbl_lv.set_caption(names[level]);
}

void TitleScreen::UpD_lvClick() { show_level(); }

void TitleScreen::Btn_storyClick() {
    mode = 1;
    game().switch_screen(*this, game().edit());
}

void TitleScreen::Btn_vsClick() {
    mode = 0;
    game().switch_screen(*this, game().vs());
}

}  // namespace screens
