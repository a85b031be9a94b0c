#include "drawings.h"

namespace drive {

namespace {

ui::Image cell(int w, int h, ui::Color ground) {
    ui::Image img(w, h, ground);
    const ui::Color keys[] = {0x0000FF, 0x00FF00, 0x0000CE, 0x009400};
    for (int i = 0; i < 4; ++i) img.fill_rect({4 + 6 * i, 4, 8 + 6 * i, 8}, keys[i], keys[i]);
    img.set_pixel(0, 0, 0x0000FE);
    img.fill_rect({0, 20, 1, h}, 0x404040, 0x404040);
    img.fill_rect({w - 1, 20, w, h}, 0x808080, 0x808080);
    return img;
}

}  // namespace

app::Pictures test_drawings() {
    app::Pictures p;
    p.title = ui::Image(640, 480, 0x101010);
    p.ending = ui::Image(640, 480, 0x202040);
    for (int i = 0; i < 8; ++i) p.chr[i] = cell(128, 176, ui::rgb(200, 200, 10 * i));
    for (int i = 0; i < 4; ++i) p.waza[i] = cell(256, 192, ui::rgb(255, 255, 170 + i));
    for (int i = 0; i < 4; ++i) p.ring[i] = cell(80, 145, i == 0 ? 0x000000 : 0xFF0000);
    return p;
}

}  // namespace drive
