// Recolouring, the technique picture, the ring view and the sound cues.
#include <gtest/gtest.h>

#include "fixture.h"
#include "view/recolour.h"

namespace {

using test::started_bout;

TEST(Recolour, DarkenFloorsEachChannelAtZero) {
    const std::pair<ui::Color, ui::Color> cases[] = {
        {0x00FE6B, 0x00E04D}, {0xECEDED, 0xCECFCF}, {0x1E1F20, 0x000102},
        {0x000000, 0x000000}, {0xFF8200, 0xE16400}};
    for (const auto& [in, out] : cases) EXPECT_EQ(view::darken(in), out) << std::hex << in;
}

TEST(Recolour, LayersApplyInOrderAndOnlyToExactKeyColours) {
    const std::int32_t key[4] = {0x0000FF, 0x00FF00, 0x0000CE, 0x009400};
    // The hair colour is the hair shade's key: a hair pixel is replaced again by layer 2.
    const std::int32_t to[4] = {0x0000CE, 0x112233, 0x445566, 0x778899};
    ui::Image p(5, 1);
    const ui::Color drawn[5] = {0x0000FF, 0x00FF00, 0x0000CE, 0x0000FE, 0x009400};
    for (int x = 0; x < 5; ++x) p.set_pixel(x, 0, drawn[x]);
    ui::Image two = p;
    view::replace_key_colours(p, key, to, 4);
    EXPECT_EQ(p.pixel(0, 0), 0x445566u);
    EXPECT_EQ(p.pixel(1, 0), 0x112233u);
    EXPECT_EQ(p.pixel(2, 0), 0x445566u);
    EXPECT_EQ(p.pixel(3, 0), 0x0000FEu);  // one unit off: left as drawn
    EXPECT_EQ(p.pixel(4, 0), 0x778899u);
    view::replace_key_colours(two, key, to, 2);  // the ring sprites use two layers
    EXPECT_EQ(two.pixel(0, 0), 0x0000CEu);
    EXPECT_EQ(two.pixel(4, 0), 0x009400u);
}

TEST(Recolour, ColoursOfBothSidesFromTheSheetAndFourOpaqueSprites) {
    auto g = started_bout(4, 2);
    EXPECT_EQ(g->get_int("Form1.key_col[2]"), 0x0000CE);
    EXPECT_EQ(g->get_int("Form1.chr_col[0][1]"), 0xECEDED);
    EXPECT_EQ(g->get_int("Form1.chr_col[0][3]"), 0xCECFCF);
    EXPECT_EQ(g->get_int("Form1.chr_col[1][0]"), 0xB96701);
    EXPECT_EQ(g->get_int("Form1.chr_col[1][2]"), 0x9B4900);
    // Two layers only: the sprites' shade swatches stay key colours. Cell 3 mirrors cell 2:
    // its pixel (79 - x, y) is cell 2's (x, y). The black ground stays in every cell.
    EXPECT_EQ(g->run("pixel Form1.Iml_copy_r[0] 4 4\npixel Form1.Iml_copy_r[0] 10 4\n"
                     "pixel Form1.Iml_copy_r[0] 16 4\npixel Form1.Iml_copy_r[2] 4 4\n"
                     "pixel Form1.Iml_copy_r[3] 75 4\npixel Form1.Iml_copy_r[3] 79 0\n"
                     "pixel Form1.Iml_copy_r[1] 40 100\n"),
              "#9BA100\n#ECEDED\n#0000CE\n#B96701\n#B96701\n#0000FE\n#000000\n");
    EXPECT_EQ(g->run("pixel Form1.Iml_copy_r[4] 0 0\n").substr(0, 6), "error:");
    // A new pair rebuilds them: nothing of the first pair remains.
    g->run("set Form1.hp[1] 1\nrng 99 99 99 0 0 99\nwait 3000\nclick Form1.Lbl_tgt_1\nwait 8000\n"
           "click Form2.Button3\nclick Form2.Spb_cp\nclick Form2.Button7\nclick Form2.Btn_enter\n");
    EXPECT_EQ(g->run("pixel Form1.Iml_copy_r[0] 4 4\npixel Form1.Iml_copy_r[3] 75 4\n"),
              "#B071FE\n#ABD7FC\n");
}

TEST(TechniquePicture, TheCellOfThePunchInTheAttackersColoursMirroredForTheCp) {
    struct Case {
        int p, c;
        bool cp_lands, close;
        const char* draws;
        ui::Color ground;  // the test drawing's ground colour of the cell
    };
    // Waza cell i has the ground #FFFFAA + i: jab 0, straight 1, body 2, hook 3.
    const Case cases[] = {
        {5, 0, false, false, "99 99 99 0 0 99", 0xFFFFAA},      // the player's jab
        {5, 0, false, false, "99 99 99 0 70 99", 0xFFFFAB},     // straight
        {5, 0, false, true, "99 99 99 0 70 50 99", 0xFFFFAC},   // body
        {5, 0, false, true, "99 99 99 0 0 0 99", 0xFFFFAD},     // hook
        {0, 5, true, false, "99 0 0 99 99 99", 0xFFFFAA},       // the CP's jab
        {0, 5, true, true, "99 0 40 99 99 99", 0xFFFFAC},       // the CP's body blow
    };
    for (const Case& c : cases) {
        auto g = started_bout(c.p, c.c);
        if (c.close) g->run("set Form1.pos[0] 3\nset Form1.gap 0\n");
        g->run(std::string("rng ") + c.draws + "\nwait 3000\n");
        const bool left = g->get("Form1.Lbl_tgt_1.caption") == "○";
        g->run(c.cp_lands ? "wait 1100\n"
                          : left ? "click Form1.Lbl_tgt_1\n" : "click Form1.Lbl_tgt_1 right\n");
        ASSERT_EQ(g->get("Form1.Img_pic.visible"), "1");
        // Amber Falcon's hair #ABD7FC, outfit #C7D200, and their shades.
        const int x = c.cp_lands ? 255 : 0;
        const auto at = [&](int dx, int y) {
            return g->run("pixel Form1.Img_pic " + std::to_string(c.cp_lands ? x - dx : dx) + " " +
                          std::to_string(y) + "\n");
        };
        EXPECT_EQ(at(4, 4) + at(10, 4) + at(16, 4) + at(22, 4),
                  "#ABD7FC\n#C7D200\n#8DB9DE\n#A9B400\n");
        EXPECT_EQ(at(0, 0), "#0000FE\n");
        char ground[16];
        std::snprintf(ground, sizeof ground, "#%06X\n", c.ground);
        EXPECT_EQ(at(100, 100), ground);
        EXPECT_EQ(at(255, 100), "#808080\n");  // the last column lands on the far side
    }
}

TEST(RingView, PlacesByGapAndSwapSideOneOnTop) {
    // Fixture sprites: column 0 #404040, column 79 #808080 from row 20 down, ground black.
    // Read at y = 146, row 100 of the sprites, which stand with their top at 46.
    const auto row = [](test::Game& g, std::initializer_list<int> xs) {
        std::string out;
        for (int x : xs) out += g.run("pixel Form1.Img_ring " + std::to_string(x) + " 146\n");
        return out;
    };
    // swap 0, gap 1: the player at 40 facing right, the CP at 135 facing left.
    auto g = started_bout(5, 0);
    EXPECT_EQ(row(*g, {39, 40, 119, 120, 134, 135, 214, 215}),
              "#000080\n#404040\n#808080\n#000080\n#000080\n#808080\n#404040\n#000080\n");
    // The player changes sides from cell 0: swap 1, gap 0. The CP stands at 50 facing right,
    // the player at 125 facing left, his leftmost five columns under the CP's sprite.
    auto c = started_bout(5, 0);
    c->run("set Form1.pos[0] 0\nset Form1.pos[1] 1\nset Form1.gap 0\nrng 99 99 0 60\nwait 3000\n"
           "click Form1.Lbl_move_0\n");
    EXPECT_EQ(row(*c, {49, 50, 125, 129, 130, 204, 205}),
              "#000080\n#404040\n#000000\n#808080\n#000000\n#404040\n#000080\n");
}

TEST(RingView, OnlyTheWinnerOnceTheBoutIsDecided) {
    auto g = started_bout(0, 5);
    g->run("set Form1.hp[0] 1\nrng 99 0 0 99 99 99\nwait 4100\n");
    ASSERT_EQ(g->get("Form1.Tmr_finish.enabled"), "1");
    EXPECT_EQ(g->run("pixel Form1.Img_ring 40 146\npixel Form1.Img_ring 100 146\n"
                     "pixel Form1.Img_ring 214 146\n"),
              "#000080\n#000080\n#404040\n");
    // The next bout shows both portraits and both boxers again.
    g->run("wait 8000\nclick Form2.Button2\nclick Form2.Spb_cp\nclick Form2.Button7\n"
           "click Form2.Btn_enter\n");
    EXPECT_EQ(g->get("Form1.Img_chr_0.visible") + g->get("Form1.Img_chr_1.visible"), "11");
    EXPECT_EQ(g->run("pixel Form1.Img_ring 40 146\n"), "#404040\n");
}

TEST(Portraits, EachSideShowsItsCellThroughTheBuffer) {
    // Test portrait i has the ground rgb(200, 200, 10 i); the buffer's last column stays white.
    auto g = started_bout(5, 0);
    EXPECT_EQ(g->run("pixel Form1.Img_chr_0 64 100\npixel Form1.Img_chr_1 64 100\n"
                     "pixel Form1.Img_chr_1 128 100\n"),
              "#C8C832\n#C8C800\n#FFFFFF\n");
}

}  // namespace
