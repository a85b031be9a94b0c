#include "screens/help_panel.h"

namespace screens {

void build_help_panel(app::Screen& screen, ui::Panel& panel, bool with_styles) {
    screen.add<ui::BevelBox>("Bevel2", &panel, 16, 6, 113, 15, ui::BevelBox::Shape::frame);
    auto line = [&](const char* name, int left, int top, const char* text) -> ui::Label& {
        ui::Label& l = screen.add<ui::Label>(name, &panel, left, top, 0, 0);
        l.set_caption(text);
        return l;
    };
    line("Label19", 24, 8, "Brellon").set_font({12, true});
    line("Label13", 8, 24, "IN:接近戦での攻撃力");
    line("Label14", 8, 40, "OT:離れた距離での攻撃力");
    line("Label15", 8, 56, "FW:移動チャンスの多さ");
    line("Label16", 8, 72, "AG:攻撃チャンスの多さ");
    line("Label17", 8, 88, "DF:防御時の優位性");
    line("Label18", 8, 104, "HP:これが無くなると敗北");
    if (with_styles) {
        line("Label22", 8, 120, "INFIGHTER:接近戦を好む");
        line("Label23", 8, 136, "OUTBOXER:距離を取って闘う");
    }
}

}  // namespace screens
