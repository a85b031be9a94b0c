#pragma once

#include "app/screen.h"

namespace bout {

class BoutScreen final : public app::Screen {
public:
    explicit BoutScreen(app::Game& game) : app::Screen(game, "Form1") { close_title_on_close(); }
    void entry() override {}
};

}  // namespace bout
