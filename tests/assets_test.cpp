// The built pictures and sounds: present, the right sizes, and the key-colour rule of the shared
// drawings, which recolouring relies on pixel by exact pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/pictures.h"
#include "platform/platform.h"
#include "ui/midi_length.h"

namespace {

int distance(ui::Color a, ui::Color b) {
    const auto d = [](unsigned x, unsigned y) { return std::abs(static_cast<int>(x - y)); };
    return std::max({d(ui::red_of(a), ui::red_of(b)), d(ui::green_of(a), ui::green_of(b)),
                     d(ui::blue_of(a), ui::blue_of(b))});
}

const app::Pictures& pictures() {
    static const app::PicturesLoad load = app::load_pictures(platform::load_png);
    return load.pictures;
}

TEST(Assets, EveryPictureLoadsAtItsSize) {
    const app::PicturesLoad load = app::load_pictures(platform::load_png);
    ASSERT_TRUE(load.ok) << load.error;
}

TEST(Assets, SharedDrawingsPaintHairAndOutfitOnlyInExactKeyColours) {
    const ui::Color keys[4] = {0x0000FF, 0x00FF00, 0x0000CE, 0x009400};
    std::vector<std::pair<const char*, const ui::Image*>> drawings;
    for (const auto& img : pictures().waza) drawings.push_back({"waza", &img});
    for (const auto& img : pictures().ring) drawings.push_back({"ring", &img});
    for (std::size_t n = 0; n < drawings.size(); ++n) {
        const ui::Image& img = *drawings[n].second;
        int near = 0;
        int exact[4] = {};
        for (ui::Color c : img.pixels()) {
            for (int i = 0; i < 4; ++i) {
                if (c == keys[i]) ++exact[i];
                else if (distance(c, keys[i]) < 48) ++near;
            }
        }
        EXPECT_EQ(near, 0) << drawings[n].first << " " << n % 4 << ": pixels near a key colour";
        EXPECT_GT(exact[0], 20) << drawings[n].first << " " << n % 4 << ": no hair";
        EXPECT_GT(exact[1], 20) << drawings[n].first << " " << n % 4 << ": no outfit";
    }
}

TEST(Assets, PortraitsWearTheirColourSheetColours) {
    const ui::Color sheet[8][2] = {
        {0xFF8200, 0xFF4E23}, {0xB071FE, 0x8DF900}, {0xB96701, 0x2F86FF}, {0xFC344C, 0x62007E},
        {0x9BA100, 0xECEDED}, {0xABD7FC, 0xC7D200}, {0x00FE6B, 0xFF28C8}, {0xFE006A, 0xF9FF62}};
    for (int k = 0; k < 8; ++k) {
        const auto& px = pictures().chr[k].pixels();
        EXPECT_GT(std::count(px.begin(), px.end(), sheet[k][0]), 100) << "hair of " << k;
        EXPECT_GT(std::count(px.begin(), px.end(), sheet[k][1]), 100) << "outfit of " << k;
    }
}

std::vector<std::uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

TEST(Assets, SoundsAreShortMonoWavesAndTheTunesLoopLengths) {
    struct Case {
        const char* file;
        int max_ms;
    };
    const Case sounds[] = {{"gong", 3200},   {"gong_2", 3500}, {"hit", 1500}, {"damage", 1500},
                           {"guard", 1500},  {"move_1", 1500}, {"move_2", 1500},
                           {"down", 1500}};
    for (const Case& s : sounds) {
        const std::string path = platform::find_data_file(std::string("sound/") + s.file + ".wav");
        ASSERT_FALSE(path.empty()) << s.file;
        const auto b = read_file(path);
        ASSERT_GT(b.size(), 44u) << s.file;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(le(b, 22, 2), 1u) << s.file << ": mono";
        EXPECT_EQ(le(b, 24, 4), 44100u) << s.file;
        EXPECT_EQ(le(b, 34, 2), 16u) << s.file;
        const auto ms = static_cast<int>((b.size() - 44) / 2 * 1000 / 44100);
        EXPECT_LT(ms, s.max_ms) << s.file;
        EXPECT_GT(ms, 80) << s.file;
    }
    for (const char* tune : {"brelo", "brelo_B"}) {
        const std::string path = platform::find_data_file(std::string("sound/") + tune + ".mid");
        ASSERT_FALSE(path.empty()) << tune;
        const auto b = read_file(path);
        const ui::MidiLength len = ui::midi_length_ms(b);
        ASSERT_TRUE(len.ok) << len.error;
        EXPECT_GE(len.ms, 45000) << tune;
        EXPECT_LE(len.ms, 90000) << tune;
    }
}

}  // namespace
