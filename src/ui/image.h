#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom are exclusive
};

// A 24-bit picture in memory. Copies share their pixels until one of them is changed, so handing
// a finished picture around costs nothing. Every change, and every assignment, bumps
// `generation`, so a renderer can keep a texture of it and upload again only when it changed.
class Image {
public:
    Image() = default;
    Image(int width, int height, Color fill = clWhite);
    Image(const Image& other) = default;
    Image(Image&& other) noexcept = default;
    Image& operator=(const Image& other);
    Image& operator=(Image&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    std::uint64_t generation() const { return generation_; }

    Color pixel(int x, int y) const;  // outside the picture: black
    void set_pixel(int x, int y, Color c);
    const std::vector<Color>& pixels() const { return pixels_ ? *pixels_ : empty_pixels(); }
    std::vector<Color>& edit_pixels();

    void fill(Color c);
    // Fills the rectangle (clipped) with the brush and outlines it with the pen.
    void fill_rect(Rect r, Color pen, Color brush);
    // Copies src's rectangle onto dest's rectangle of the same size. A destination given right
    // to left (dest.left > dest.right) mirrors the copy left to right.
    void copy_rect(Rect dest, const Image& src, Rect source);
    // Draws all of src with its top-left corner at (x, y), clipped.
    void draw(int x, int y, const Image& src);
    Image mirrored() const;

private:
    static const std::vector<Color>& empty_pixels();
    Color* data();  // unshared, for writing

    int width_ = 0, height_ = 0;
    std::shared_ptr<std::vector<Color>> pixels_;
    std::uint64_t generation_ = 1;
};

// A picture read from a file, or why it could not be.
struct LoadedImage {
    bool ok = false;
    Image image;
    std::string error;
};

}  // namespace ui
