#include "fixture.h"

#include <gtest/gtest.h>

namespace test {

namespace {

ui::Image cell(int w, int h, ui::Color ground) {
    ui::Image img(w, h, ground);
    // Hair, outfit and their shades in four 4 x 4 squares from (4, 4); a near-hair pixel at (0, 0).
    const ui::Color keys[] = {0x0000FF, 0x00FF00, 0x0000CE, 0x009400};
    for (int i = 0; i < 4; ++i) img.fill_rect({4 + 6 * i, 4, 8 + 6 * i, 8}, keys[i], keys[i]);
    img.set_pixel(0, 0, 0x0000FE);
    // The first and last columns tell a picture from its mirror and show which one lies on top.
    img.fill_rect({0, 20, 1, h}, 0x404040, 0x404040);
    img.fill_rect({w - 1, 20, w, h}, 0x808080, 0x808080);
    return img;
}

}  // namespace

app::Pictures test_pictures() {
    app::Pictures p;
    p.title = ui::Image(640, 480, 0x101010);
    p.ending = ui::Image(640, 480, 0x202040);
    for (int i = 0; i < 8; ++i) p.chr[i] = cell(128, 176, ui::rgb(200, 200, 10 * i));
    for (int i = 0; i < 4; ++i) p.waza[i] = cell(256, 192, ui::rgb(255, 255, 170 + i));
    for (int i = 0; i < 4; ++i) p.ring[i] = cell(80, 145, i == 0 ? 0x000000 : 0xFF0000);
    return p;
}

Game::Game(std::uint64_t seed) : pictures_(test_pictures()), driver_(pictures_, seed, out_) {}

std::string Game::run(const std::string& lines) {
    out_.str("");
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) driver_.command(line);
    return out_.str();
}

int Game::get_int(const std::string& path) {
    const std::string s = get(path);
    try {
        return std::stoi(s);
    } catch (...) {
        ADD_FAILURE() << "get " << path << " gave '" << s << "'";
        return -9999;
    }
}

std::string Game::strip(std::string s) {
    while (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

}  // namespace test
