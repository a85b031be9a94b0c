#include "bouts.h"

#include "app/game.h"
#include "bout/bout_screen.h"
#include "screens/vs.h"

namespace bench {

std::uint64_t play_one_bout(drive::Driver& d) {
    ui::Application& app = d.app();
    app::Game& game = d.game();
    bout::BoutScreen& b = game.bout();
    screens::VsScreen& vs = game.vs();
    auto* enter = vs.find_control("Btn_enter");
    auto* pick_player = vs.find_control("Button7");
    auto* pick_cp = vs.find_control("Button3");
    auto* cp_side = vs.find_control("Spb_cp");
    app.click(*pick_player, ui::MouseButton::left);
    app.click(*cp_side, ui::MouseButton::left);
    app.click(*pick_cp, ui::MouseButton::left);
    app.click(*enter, ui::MouseButton::left);
    std::uint64_t events = 0;
    auto& clock = const_cast<ui::VirtualClock&>(static_cast<const ui::VirtualClock&>(app.clock()));
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
