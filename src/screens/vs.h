#pragma once

#include "app/screen.h"

namespace screens {

class VsScreen final : public app::Screen {
public:
    explicit VsScreen(app::Game& game) : app::Screen(game, "Form2") { close_title_on_close(); }
    void entry() override {}
};

}  // namespace screens
