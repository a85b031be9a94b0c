#pragma once

#include <cstdint>

#include "app/screen.h"
#include "ui/control.h"

namespace screens {

// The title screen: STORY or VS, and the difficulty. The main form.
class TitleScreen final : public app::Screen {
public:
    explicit TitleScreen(app::Game& game);
    void entry() override { title_reset(); }

    void title_reset();
    void show_level();

    std::int32_t mode = 0;   // 0 VS, 1 story
    std::int32_t level = 0;  // 0 EASY, 1 NORMAL, 2 HARD

    ui::Picture& Img_pic;
    ui::Panel& Panel1;
    ui::Button& Btn_story;
    ui::Button& Btn_vs;
    ui::UpDown& UpD_lv;
    ui::Label& Lbl_lv;

private:
    void Btn_storyClick();
    void Btn_vsClick();
    void UpD_lvClick();
};

}  // namespace screens
