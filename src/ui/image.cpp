#include "ui/image.h"

#include <algorithm>

namespace ui {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Color Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Image::set_pixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    ++generation_;
}

void Image::fill(Color c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
    ++generation_;
}

void Image::fill_rect(Rect r, Color pen, Color brush) {
    const int l = std::max(r.left, 0), t = std::max(r.top, 0);
    const int rr = std::min(r.right, width_), b = std::min(r.bottom, height_);
    if (l >= rr || t >= b) return;
    for (int y = t; y < b; ++y) {
        for (int x = l; x < rr; ++x) {
            const bool edge = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
            pixels_[static_cast<std::size_t>(y) * width_ + x] = edge ? pen : brush;
        }
    }
    ++generation_;
}

void Image::copy_rect(Rect dest, const Image& src, Rect source) {
    const bool mirror = dest.left > dest.right;
    const int dl = mirror ? dest.right : dest.left;
    const int w = std::min(mirror ? dest.left - dest.right : dest.right - dest.left,
                           source.right - source.left);
    const int h = std::min(dest.bottom - dest.top, source.bottom - source.top);
    for (int y = 0; y < h; ++y) {
        const int dy = dest.top + y, sy = source.top + y;
        if (dy < 0 || dy >= height_ || sy < 0 || sy >= src.height_) continue;
        for (int x = 0; x < w; ++x) {
            const int dx = dl + x;
            const int sx = mirror ? source.left + (w - 1 - x) : source.left + x;
            if (dx < 0 || dx >= width_ || sx < 0 || sx >= src.width_) continue;
            pixels_[static_cast<std::size_t>(dy) * width_ + dx] =
                src.pixels_[static_cast<std::size_t>(sy) * src.width_ + sx];
        }
    }
    ++generation_;
}

void Image::draw(int x, int y, const Image& src) {
    copy_rect({x, y, x + src.width_, y + src.height_}, src, {0, 0, src.width_, src.height_});
}

Image Image::mirrored() const {
    Image out(width_, height_);
    out.copy_rect({width_, 0, 0, height_}, *this, {0, 0, width_, height_});
    return out;
}

}  // namespace ui
