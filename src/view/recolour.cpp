// One generic boxer drawn in four key colours, recoloured into each boxer's own colours.
#include "view/recolour.h"

#include "bout/bout_screen.h"

namespace view {

ui::Color darken(ui::Color c) {
    const auto down = [](unsigned v) { return v > 30 ? v - 30 : 0u; };
    return ui::rgb(down(ui::red_of(c)), down(ui::green_of(c)), down(ui::blue_of(c)));
}

void replace_key_colours(ui::Image& p, const std::int32_t key[4], const std::int32_t to[4],
                         int n) {
    auto& px = p.edit_pixels();
    for (int i = 0; i < n; ++i) {
        const auto from = static_cast<ui::Color>(key[i]);
        const auto into = static_cast<ui::Color>(to[i]);
        for (ui::Color& c : px) {
            if (c == from) c = into;
        }
    }
}

}  // namespace view

namespace bout {

using view::darken;

void BoutScreen::sample_colours() {
    for (int i = 0; i < 4; ++i) {
        key_col[i] = static_cast<std::int32_t>(Img_cmoto.canvas().pixel(8, 8 + 16 * i));
    }
    for (int s = 0; s < 2; ++s) {
        chr_col[s][0] = static_cast<std::int32_t>(Img_csaki.canvas().pixel(16 * chr[s] + 8, 8));
        chr_col[s][1] = static_cast<std::int32_t>(Img_csaki.canvas().pixel(16 * chr[s] + 8, 24));
    }
    for (int s = 0; s < 2; ++s) {
        chr_col[s][2] = static_cast<std::int32_t>(darken(static_cast<ui::Color>(chr_col[s][0])));
        chr_col[s][3] = static_cast<std::int32_t>(darken(static_cast<ui::Color>(chr_col[s][1])));
    }
}

void BoutScreen::replace_key_colours(ui::Image& p, int s, int n) const {
    view::replace_key_colours(p, key_col, chr_col[s], n);
}

void BoutScreen::build_ring_sprites() {
    Iml_copy_r.clear();
    const int w = Iml_ring.width(), h = Iml_ring.height();
    for (int s = 0; s < 2; ++s) {
        ui::Image& p = Img_ccg.draw();
        Iml_ring.draw(p, 0, 0, 0);
        replace_key_colours(p, s, 2);
        Iml_copy_r.add(p);
        ui::Image mirror(w, h);
        mirror.copy_rect({w, 0, 0, h}, p, {0, 0, w, h});
        Iml_copy_r.add(mirror);
    }
}

void BoutScreen::show_technique_picture() {
    Lbl_tgt_0.hide();
    Lbl_tgt_1.hide();
    Lbl_move_0.hide();
    Lbl_move_1.hide();
    // The cell of the punch: jab, straight at long range; hook, body at close range.
    int cell = 0;
    if (gap == 1) cell = kind[atk] == 0 ? 0 : 1;
    if (gap == 0) cell = kind[atk] == 0 ? 3 : 2;
    ui::Image& p = Img_ura.draw();
    Iml_waza.draw(p, 0, 0, cell);
    replace_key_colours(p, atk, 4);
    const int w = Iml_waza.width(), h = Iml_waza.height();
    // The CP's punch is thrown towards the left, whichever side it stands on.
    if (atk == 1) {
        const ui::Image drawn = p;
        p.copy_rect({w, 0, 0, h}, drawn, {0, 0, w, h});
    }
    Img_pic.draw().copy_rect({0, 0, w, h}, p, {0, 0, w, h});
    Img_pic.show();
    Img_ring.hide();
    Tmr_cls.set_enabled(true);
}

}  // namespace bout
