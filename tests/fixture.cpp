#include "fixture.h"

#include <gtest/gtest.h>

#include "drawings.h"

namespace test {

app::Pictures test_pictures() { return drive::test_drawings(); }

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

std::string vs_bout(int p, int c, int level) {
    std::string s;
    for (int i = level; i < 1; ++i) s += "arrow Form3.UpD_lv down\n";
    for (int i = 1; i < level; ++i) s += "arrow Form3.UpD_lv up\n";
    return s + "click Form3.Btn_vs\nclick Form2.Button" + std::to_string(2 + p) +
           "\nclick Form2.Spb_cp\nclick Form2.Button" + std::to_string(2 + c) +
           "\nclick Form2.Btn_enter\n";
}

std::unique_ptr<Game> started_bout(int p, int c, int level) {
    auto g = std::make_unique<Game>();
    g->run(vs_bout(p, c, level) + "wait 2000\nsounds\n");
    return g;
}

}  // namespace test
