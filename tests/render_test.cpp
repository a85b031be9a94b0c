// Forms drawn offscreen, read back from the PNG and checked pixel by pixel.
#include "platform/render.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

constexpr ui::Color shadow = 0x808080;

struct Drawn {
    ui::VirtualClock clock;
    ui::RecordingAudio audio{clock};
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    ui::Form form{app, "F"};

    Drawn(int w, int h) {
        form.set_client_width(w);
        form.set_client_height(h);
    }

    ui::Image save() {
        const std::string path =
            ::testing::TempDir() + "brellon_render_" + std::to_string(getpid()) + ".png";
        const std::string error = platform::save_form_png(form, path);
        EXPECT_EQ(error, "");
        ui::LoadedImage back = platform::load_png(path);
        std::remove(path.c_str());
        EXPECT_TRUE(back.ok) << back.error;
        EXPECT_EQ(back.image.width(), form.client_width());
        EXPECT_EQ(back.image.height(), form.client_height());
        return back.image;
    }
};

// A picture whose every pixel differs from its neighbours and from the ground.
void paint_known(ui::Image& img) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            img.set_pixel(x, y, ui::rgb(10 * x + 1, 20 * y + 2, 7));
        }
    }
}

TEST(Render, PanelPictureAndProgressBar) {
    Drawn d(160, 100);
    auto& panel = d.form.add<ui::Panel>("P", nullptr, 10, 10, 60, 40);
    panel.set_color(0x336699);
    // Reaches 2 px past the panel's right edge: those columns are clipped away.
    auto& pic = d.form.add<ui::Picture>("I", &panel, 56, 5, 6, 3);
    paint_known(pic.draw());
    auto& bar = d.form.add<ui::ProgressBar>("B", nullptr, 10, 60, 102, 14);
    bar.set_position(50);
    auto& hidden = d.form.add<ui::Panel>("H", nullptr, 0, 0, 160, 100);
    hidden.set_color(0xFF00FF);
    hidden.hide();
    d.form.add<ui::Memo>("M", nullptr, 0, 0, 160, 100, std::vector<std::string>{"x"});

    const ui::Image img = d.save();
    EXPECT_EQ(img.pixel(150, 5), ui::clBtnFace);
    EXPECT_EQ(img.pixel(20, 40), 0x336699u);
    EXPECT_EQ(img.pixel(10, 10), ui::clWhite);  // raised: lit top-left
    EXPECT_EQ(img.pixel(69, 49), shadow);       // and shaded bottom-right
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(img.pixel(66 + x, 15 + y), pic.canvas().pixel(x, y)) << x << "," << y;
        }
        EXPECT_EQ(img.pixel(70, 15 + y), ui::clBtnFace);
        EXPECT_EQ(img.pixel(71, 15 + y), ui::clBtnFace);
    }
    // The blocks fill the inner 98 px from x = 12 up to half of them.
    EXPECT_EQ(img.pixel(12, 67), ui::clNavy);
    EXPECT_EQ(img.pixel(60, 67), ui::clNavy);
    EXPECT_EQ(img.pixel(61, 67), ui::clBtnFace);
    EXPECT_EQ(img.pixel(100, 67), ui::clBtnFace);
    for (ui::Color c : img.pixels()) ASSERT_NE(c & 0xFFFFFF, 0xFF00FFu);
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

// Where `c` occurs, and whether anything but `c` and the ground does.
Box find_colour(const ui::Image& img, ui::Color c, bool* other) {
    Box b;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const ui::Color p = img.pixel(x, y);
            if (p == c) {
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                     std::max(b.bottom, y)};
            } else if (p != ui::clBtnFace) {
                *other = true;
            }
        }
    }
    return b;
}

TEST(Render, SmallTextIsCrispAndPlaced) {
    struct Case {
        const char* text;
        bool centred;
        int width;  // 0: the label sizes itself
    };
    const Case cases[] = {
        {"Ｆ　Ｉ　Ｇ　Ｈ　Ｔ　！", false, 0},
        {"△○☆⇔", true, 200},
        {"NORMAL", false, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Drawn d(200, 40);
        auto& label = d.form.add<ui::Label>("L", nullptr, 7, 9, c.width, c.width ? 20 : 0);
        label.set_caption(c.text);
        label.centred = c.centred;
        label.set_font({12, false, ui::clRed});
        bool other = false;
        const Box b = find_colour(d.save(), ui::clRed, &other);
        ASSERT_FALSE(b.empty());
        EXPECT_FALSE(other) << "12 px text is drawn without smoothing";
        EXPECT_GE(b.top, 9);
        EXPECT_LE(b.bottom, 9 + 16);
        if (c.centred) {
            EXPECT_NEAR((b.left + b.right) / 2, 7 + c.width / 2, 2);
        } else {
            EXPECT_GE(b.left, 7);
            EXPECT_LE(b.left, 9);
        }
    }
}

TEST(Render, PictureChangeReachesTheNextFrame) {
    Drawn d(8, 8);
    auto& pic = d.form.add<ui::Picture>("I", nullptr, 2, 2, 4, 4);
    pic.draw().fill(ui::clBlue);
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_RGB888);
    ASSERT_NE(s, nullptr);
    SDL_Renderer* r = SDL_CreateSoftwareRenderer(s);
    ASSERT_NE(r, nullptr);
    auto at = [s](int x, int y) {
        return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
    };
    {
        platform::FormRenderer painter(r);
        painter.draw(d.form);
        SDL_RenderFlush(r);
        EXPECT_EQ(at(3, 3), ui::clBlue);
        pic.draw().set_pixel(1, 1, ui::clRed);
        painter.draw(d.form);
        SDL_RenderFlush(r);
        EXPECT_EQ(at(3, 3), ui::clRed);
        EXPECT_EQ(at(4, 3), ui::clBlue);
    }
    SDL_DestroyRenderer(r);
    SDL_FreeSurface(s);
}

TEST(Render, UnwritablePathIsReported) {
    Drawn d(4, 4);
    const std::string error = platform::save_form_png(d.form, "/nonexistent-folder/x.png");
    EXPECT_NE(error.find("/nonexistent-folder/x.png"), std::string::npos) << error;
}

}  // namespace
