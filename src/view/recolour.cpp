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
    // The pictures drawn so far are kept while the same two boxers meet again.
    if (drawn_for_[0] != chr[0] || drawn_for_[1] != chr[1]) {
        technique_drawn_.clear();
        ring_drawn_.clear();
        drawn_for_[0] = chr[0];
        drawn_for_[1] = chr[1];
    }
}

void BoutScreen::replace_key_colours(ui::Image& p, int s, int n) const {
    view::replace_key_colours(p, key_col, chr_col[s], n);
}

void BoutScreen::build_ring_sprites() {
    Iml_copy_r.clear();
    const int w = Iml_ring.width(), h = Iml_ring.height();
    for (int s = 0; s < 2; ++s) {
        auto found = sprites_drawn_.find(chr[s]);
        if (found == sprites_drawn_.end()) {
            ui::Image& p = Img_ccg.draw();
            Iml_ring.draw(p, 0, 0, 0);
            replace_key_colours(p, s, 2);
            Sprites made{ui::Image(w, h), ui::Image(w, h), p};
            made.right.copy_rect({0, 0, w, h}, p, {0, 0, w, h});
            // Mirrored left to right: pixel (x, y) of the new cell is pixel (79 - x, y).
            made.left.copy_rect({w, 0, 0, h}, p, {0, 0, w, h});
            found = sprites_drawn_.emplace(chr[s], std::move(made)).first;
        }
        Img_ccg.draw() = found->second.work;
        Iml_copy_r.add(found->second.right);
        Iml_copy_r.add(found->second.left);
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
    auto found = technique_drawn_.find(atk * 4 + cell);
    if (found == technique_drawn_.end()) {
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
        found = technique_drawn_.emplace(atk * 4 + cell, Drawn{p, Img_pic.canvas()}).first;
    } else {
        Img_ura.draw() = found->second.work;
        Img_pic.draw() = found->second.shown;
    }
    Img_pic.show();
    Img_ring.hide();
    Tmr_cls.set_enabled(true);
}

}  // namespace bout
