#include "bouts.h"

#include "bout/bout_screen.h"
#include "screens/vs.h"

namespace bench {

std::uint64_t play_one_bout(ui::Application& app, app::Game& game, ui::VirtualClock& clock) {
    bout::BoutScreen& b = game.bout();
    screens::VsScreen& vs = game.vs();
    for (const char* name : {"Button7", "Spb_cp", "Button3", "Btn_enter"}) {
        app.click(*vs.find_control(name), ui::MouseButton::left);
    }
    std::uint64_t events = 0;
    while (b.visible() && !app.ended()) {
        if (b.Lbl_tgt_0.showing()) app.click(b.Lbl_tgt_0, ui::MouseButton::left);
        if (b.Lbl_tgt_1.showing()) {
            const std::string& c = b.Lbl_tgt_1.caption();
            const bool right = c == "◇" || c == "◆";
            app.click(b.Lbl_tgt_1, right ? ui::MouseButton::right : ui::MouseButton::left);
        }
        const std::int64_t due = app.timers().next_due();
        if (due < 0) break;
        app.advance(clock, due);
        ++events;
    }
    return events;
}

}  // namespace bench
