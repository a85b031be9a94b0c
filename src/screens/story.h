#pragma once

#include "app/screen.h"

namespace screens {

class StoryScreen final : public app::Screen {
public:
    explicit StoryScreen(app::Game& game) : app::Screen(game, "Form5") { close_title_on_close(); }
    void entry() override {}
};

}  // namespace screens
