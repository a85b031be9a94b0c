#pragma once

#include <cstdint>

#include "app/screen.h"
#include "ui/control.h"
#include "ui/timer.h"

namespace screens {

// The story screen: six stages before their bouts, then the ending.
class StoryScreen final : public app::Screen {
public:
    explicit StoryScreen(app::Game& game);
    void entry() override { story_step(); }

    void story_step();

    std::int32_t step = 0;   // 1 to 6 the stages, 7 to 10 the ending, 11 back to the title
    std::int32_t stage = 0;  // roster index of the current opponent

    // Controls, in creation order (later ones lie on top).
    ui::Picture& Img_pic;
    ui::Panel& Pnl_mode;
    ui::Panel& Pnl_chr_0;
    ui::Picture& Img_chr_0;
    ui::Label& Lbl_name_0;
    ui::Panel& Pnl_vs;
    ui::Panel& Pnl_chr_1;
    ui::Picture& Img_chr_1;
    ui::Label& Lbl_name_1;
    ui::Panel& Pnl_msg;
    ui::Label& Lbl_msg_0;
    ui::Label& Lbl_msg_1;
    ui::Picture& Img_ura_chr;

    ui::Timer& Tmr_next;
    ui::ImageList& Iml_chr;

private:
    void Tmr_nextTimer();
};

}  // namespace screens
