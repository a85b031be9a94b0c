#pragma once

#include "app/screen.h"

namespace screens {

class EditScreen final : public app::Screen {
public:
    explicit EditScreen(app::Game& game) : app::Screen(game, "Form4") { close_title_on_close(); }
    void entry() override {}
};

}  // namespace screens
