// Sound cues: a cue restarts its player's sound from the beginning.
#include "bout/bout_screen.h"

namespace bout {

void BoutScreen::restart_cue(ui::MediaPlayer& p) {
    p.rewind();
    p.play();
}

}  // namespace bout
