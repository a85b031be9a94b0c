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
    int dl = mirror ? dest.right : dest.left;
    int w = std::min(mirror ? dest.left - dest.right : dest.right - dest.left,
                     source.right - source.left);
    int h = std::min(dest.bottom - dest.top, source.bottom - source.top);
    int dt = dest.top, st = source.top, sl = source.left;
    // Clip rows against both pictures, then columns; a mirrored copy reads its row backwards.
    if (dt < 0) h += dt, st -= dt, dt = 0;
    if (st < 0) h += st, dt -= st, st = 0;
    h = std::min({h, height_ - dt, src.height_ - st});
    int x0 = 0, x1 = w;  // destination columns dl + x for x in [x0, x1)
    x0 = std::max(x0, -dl);
    x1 = std::min(x1, width_ - dl);
    if (mirror) {
        // source column = sl + (w - 1 - x): inside when 0 <= it < src.width_
        x0 = std::max(x0, sl + w - src.width_);
        x1 = std::min(x1, sl + w);
    } else {
        x0 = std::max(x0, -sl);
        x1 = std::min(x1, src.width_ - sl);
    }
    if (h <= 0 || x0 >= x1) {
        ++generation_;
        return;
    }
    for (int y = 0; y < h; ++y) {
        Color* out = pixels_.data() + static_cast<std::size_t>(dt + y) * width_ + dl;
        const Color* in = src.pixels_.data() + static_cast<std::size_t>(st + y) * src.width_ + sl;
        if (mirror) {
            for (int x = x0; x < x1; ++x) out[x] = in[w - 1 - x];
        } else {
            std::copy(in + x0, in + x1, out + x0);
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
