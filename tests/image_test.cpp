// The drawing surface: copies, mirrored copies and clipping.
#include <gtest/gtest.h>

#include "ui/image.h"

namespace {

ui::Image numbered(int w, int h) {
    ui::Image img(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) img.set_pixel(x, y, static_cast<ui::Color>(y * 100 + x));
    }
    return img;
}

TEST(Image, CopyRectPlainMirroredAndClipped) {
    const ui::Image src = numbered(5, 3);
    struct Case {
        const char* what;
        ui::Rect dest, source;
        int x, y;
        ui::Color expected;
    };
    const Case cases[] = {
        {"plain", {1, 1, 4, 3}, {0, 0, 3, 2}, 1, 1, 0},
        {"plain, last", {1, 1, 4, 3}, {0, 0, 3, 2}, 3, 2, 102},
        {"mirrored: right to left", {4, 0, 1, 1}, {0, 0, 3, 1}, 1, 0, 2},
        {"mirrored, last column", {4, 0, 1, 1}, {0, 0, 3, 1}, 3, 0, 0},
        {"mirrored from an offset source", {3, 0, 0, 1}, {2, 1, 5, 2}, 0, 0, 104},
        {"clipped on the left", {-2, 0, 3, 1}, {0, 0, 5, 1}, 0, 0, 2},
        {"clipped source", {0, 0, 3, 1}, {3, 0, 6, 1}, 1, 0, 4},
        {"clipped source, beyond it untouched", {0, 0, 3, 1}, {3, 0, 6, 1}, 2, 0, 0xFFFFFF},
        {"mirrored and clipped on the left", {2, 0, -1, 1}, {0, 0, 3, 1}, 0, 0, 1},
    };
    for (const Case& c : cases) {
        ui::Image dest(5, 3);
        dest.copy_rect(c.dest, src, c.source);
        EXPECT_EQ(dest.pixel(c.x, c.y), c.expected) << c.what;
    }
    ui::Image whole = numbered(4, 2);
    const ui::Image m = whole.mirrored();
    EXPECT_EQ(m.pixel(0, 1), 103u);
    EXPECT_EQ(m.pixel(3, 0), 0u);
}

TEST(Image, FillRectOutlinesWithThePenAndClips) {
    ui::Image img(4, 4, 0);
    img.fill_rect({-1, 1, 3, 4}, 0x111111, 0x222222);
    EXPECT_EQ(img.pixel(0, 2), 0x222222u);  // the outline's left column lies outside
    EXPECT_EQ(img.pixel(2, 2), 0x111111u);
    EXPECT_EQ(img.pixel(1, 1), 0x111111u);
    EXPECT_EQ(img.pixel(3, 2), 0u);
}

}  // namespace
