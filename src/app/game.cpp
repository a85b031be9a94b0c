#include "app/game.h"

#include "bout/bout_screen.h"
#include "screens/edit.h"
#include "screens/select.h"
#include "screens/story.h"
#include "screens/vs.h"

namespace app {

Screen::Screen(Game& game, std::string name) : ui::Form(game.app(), std::move(name)), game_(game) {
    game.app().add_form(*this);
}

void Screen::close_title_on_close() {
    on_close = [this] { game_.title().close(); };
}

Game::Game(ui::Application& app, const Pictures& pictures) : app_(app), pictures_(pictures) {
    form3_ = std::make_unique<screens::TitleScreen>(*this);
    form4_ = std::make_unique<screens::EditScreen>(*this);
    form1_ = std::make_unique<bout::BoutScreen>(*this);
    form2_ = std::make_unique<screens::VsScreen>(*this);
    form5_ = std::make_unique<screens::StoryScreen>(*this);
}

Game::~Game() = default;

void Game::start() {
    Screen& main = *form3_;
    main.set_left(192);
    main.set_top(107);
    main.show();
}

void Game::switch_screen(Screen& from, Screen& to) {
    to.set_top(from.top());
    to.set_left(from.left());
    to.set_client_height(from.client_height());
    to.set_client_width(from.client_width());
    to.show();
    to.entry();
    from.hide();
}

}  // namespace app
