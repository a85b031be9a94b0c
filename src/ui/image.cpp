#include "ui/image.h"

#include <algorithm>

namespace ui {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::make_shared<std::vector<Color>>(
          static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill)) {}

Image& Image::operator=(const Image& other) {
    if (this == &other) return *this;
    const std::uint64_t g = std::max(generation_, other.generation_) + 1;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    generation_ = g;
    return *this;
}

Image& Image::operator=(Image&& other) noexcept {
    const std::uint64_t g = std::max(generation_, other.generation_) + 1;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = std::move(other.pixels_);
    generation_ = g;
    return *this;
}

const std::vector<Color>& Image::empty_pixels() {
    static const std::vector<Color> none;
    return none;
}

Color* Image::data() {
    if (!pixels_) pixels_ = std::make_shared<std::vector<Color>>();
    if (pixels_.use_count() > 1) pixels_ = std::make_shared<std::vector<Color>>(*pixels_);
    ++generation_;
    return pixels_->data();
}

std::vector<Color>& Image::edit_pixels() {
    data();
    return *pixels_;
}

Color Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    return (*pixels_)[static_cast<std::size_t>(y) * width_ + x];
}

void Image::set_pixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    data()[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Image::fill(Color c) {
    auto& px = edit_pixels();
    std::fill(px.begin(), px.end(), c);
}

void Image::fill_rect(Rect r, Color pen, Color brush) {
    const int l = std::max(r.left, 0), t = std::max(r.top, 0);
    const int rr = std::min(r.right, width_), b = std::min(r.bottom, height_);
    if (l >= rr || t >= b) return;
    Color* px = data();
    for (int y = t; y < b; ++y) {
        Color* row = px + static_cast<std::size_t>(y) * width_;
        const bool edge_row = y == r.top || y == r.bottom - 1;
        std::fill(row + l, row + rr, edge_row ? pen : brush);
        if (r.left == l) row[l] = pen;
        if (r.right == rr) row[rr - 1] = pen;
    }
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
    if (h <= 0 || x0 >= x1) return;
    // A copy of a whole picture onto a whole picture of its size shares the pixels.
    if (!mirror && dl == 0 && dt == 0 && sl == 0 && st == 0 && x0 == 0 && x1 == width_ &&
        w == width_ && h == height_ && width_ == src.width_ && height_ == src.height_) {
        if (pixels_ != src.pixels_) {
            pixels_ = src.pixels_;
            ++generation_;
        }
        return;
    }
    Color* base = data();
    const Color* src_base = src.pixels().data();
    for (int y = 0; y < h; ++y) {
        Color* out = base + static_cast<std::size_t>(dt + y) * width_ + dl;
        const Color* in = src_base + static_cast<std::size_t>(st + y) * src.width_ + sl;
        if (mirror) {
            for (int x = x0; x < x1; ++x) out[x] = in[w - 1 - x];
        } else {
            std::copy(in + x0, in + x1, out + x0);
        }
    }
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
