#pragma once

#include <memory>

#include "app/pictures.h"
#include "ui/application.h"

namespace screens {
class TitleScreen;
class EditScreen;
class VsScreen;
class StoryScreen;
}  // namespace screens
namespace bout {
class BoutScreen;
}

namespace app {

class Screen;

// The whole game: the five screens, created in the order title, edit, bout, VS selection, story.
// The title is the main form. Screens reach each other's values through the game.
class Game {
public:
    Game(ui::Application& app, const Pictures& pictures);
    ~Game();

    ui::Application& app() const { return app_; }
    const Pictures& pictures() const { return pictures_; }

    screens::TitleScreen& title() const { return *form3_; }
    screens::EditScreen& edit() const { return *form4_; }
    bout::BoutScreen& bout() const { return *form1_; }
    screens::VsScreen& vs() const { return *form2_; }
    screens::StoryScreen& story() const { return *form5_; }

    // The one way from one screen to another: the new screen takes the old one's place and
    // client size, is shown, runs its entry routine, and then the old one is hidden.
    void switch_screen(Screen& from, Screen& to);

    // Shows the main form, as the message loop does when the run begins.
    void start();

private:
    ui::Application& app_;
    const Pictures& pictures_;
    std::unique_ptr<screens::TitleScreen> form3_;
    std::unique_ptr<screens::EditScreen> form4_;
    std::unique_ptr<bout::BoutScreen> form1_;
    std::unique_ptr<screens::VsScreen> form2_;
    std::unique_ptr<screens::StoryScreen> form5_;
};

}  // namespace app
