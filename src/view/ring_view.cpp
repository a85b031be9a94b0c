// The ring view and the portraits.
#include "bout/bout_screen.h"
#include "view/portrait.h"

namespace bout {

void BoutScreen::draw_portraits() {
    view::draw_portrait(Iml_chr, chr[0], Img_ura_chr, Img_chr_0);
    view::draw_portrait(Iml_chr, chr[1], Img_ura_chr, Img_chr_1);
}

void BoutScreen::draw_ring_view() {
    const int left_out = Tmr_finish.enabled() ? 1 - atk : 2;
    const int key = (gap * 2 + swap) * 3 + left_out;
    if (auto found = ring_drawn_.find(key); found != ring_drawn_.end()) {
        Img_ura_r.draw() = found->second.work;
        Img_ring.draw() = found->second.shown;
        return;
    }
    ui::Image& buf = Img_ura_r.draw();
    buf.fill_rect({0, 0, buf.width(), buf.height()}, Img_ura_r.pen, Img_ura_r.brush);
    // Close range overlaps the sprites by five pixels; long range leaves fifteen between them.
    const int left_x = gap == 0 ? 50 : 40;
    const int right_x = gap == 0 ? 125 : 135;
    // Side k uses cell 2k on the left and 2k + 1 on the right, so the two face each other.
    const bool side0_left = swap == 0;
    const int x[2] = {side0_left ? left_x : right_x, side0_left ? right_x : left_x};
    const int cell[2] = {side0_left ? 0 : 1, side0_left ? 3 : 2};
    for (int k = 0; k < 2; ++k) {
        // Once the bout is decided the boxer who went down is left out.
        if (k == left_out) continue;
        Iml_copy_r.draw(buf, x[k], 46, cell[k]);
    }
    const ui::Rect all{0, 0, buf.width(), buf.height()};
    Img_ring.draw().copy_rect(all, buf, all);
    ring_drawn_.emplace(key, Drawn{buf, Img_ring.canvas()});
}

}  // namespace bout
