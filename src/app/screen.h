#pragma once

#include <string>

#include "ui/form.h"

namespace app {

class Game;

// One of the five screens. Each is a form of its own, created once, with an entry routine that
// runs every time the game switches to it.
class Screen : public ui::Form {
public:
    Screen(Game& game, std::string name);
    virtual void entry() = 0;
    Game& game() const { return game_; }

protected:
    // What every screen but the title does when its window is closed: the title closes, and with
    // it the whole program.
    void close_title_on_close();

private:
    Game& game_;
};

}  // namespace app
