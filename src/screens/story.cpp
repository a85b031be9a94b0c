#include "screens/story.h"

namespace screens {

StoryScreen::StoryScreen(app::Game& game) : app::Screen(game, "Form5") {
    close_title_on_close();
    field("step", &step);
    field("stage", &stage);
}

}  // namespace screens
