#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

Control::Control(Form& form, ControlKind kind, std::string name, Control* parent, int left,
                 int top, int width, int height)
    : form_(form), kind_(kind), name_(std::move(name)), parent_(parent), left_(left), top_(top),
      width_(width), height_(height) {}

void Control::changed() { form_.changed(); }

void Control::set_left(int v) {
    if (v == left_) return;
    left_ = v;
    changed();
}

void Control::set_top(int v) {
    if (v == top_) return;
    top_ = v;
    changed();
}

void Control::set_bounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}

void Control::set_visible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (!v) form_.focus_moves_from(*this);
    changed();
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return form_.visible();
}

void Control::set_enabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (!v) form_.focus_moves_from(*this);
    changed();
}

void Control::set_caption(std::string text) {
    if (text == caption_) return;
    caption_ = std::move(text);
    changed();
}

void Control::set_color(Color c) {
    if (c == color_) return;
    color_ = c;
    changed();
}

void Control::set_font(Font f) {
    font_ = f;
    changed();
}

void Control::set_font_color(Color c) {
    if (c == font_.color) return;
    font_.color = c;
    changed();
}

void SpeedButton::set_down(bool d) {
    if (d == down_) return;
    down_ = d;
    if (d) {
        for (const auto& c : form().controls()) {
            auto* other = dynamic_cast<SpeedButton*>(c.get());
            if (other && other != this && other->group_ == group_ &&
                other->parent() == parent()) {
                other->down_ = false;
            }
        }
    }
    changed();
}

void UpDown::set_position(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    changed();
}

void UpDown::arrow(Arrow a) {
    set_position(position_ + (a == Arrow::up ? 1 : -1));
    if (on_arrow) on_arrow(a);
}

void ProgressBar::set_position(int p) {
    p = std::clamp(p, 0, 100);
    if (p == position_) return;
    position_ = p;
    changed();
}

SpinEdit::SpinEdit(Form& f, std::string name, Control* parent, int l, int t, int w, int h,
                   int min, int max)
    : Control(f, ControlKind::spin_edit, std::move(name), parent, l, t, w, h),
      min_(min), max_(max), value_(min) {
    set_caption(std::to_string(value_));
}

void SpinEdit::set_value(int v) {
    v = std::clamp(v, min_, max_);
    value_ = v;
    std::string text = std::to_string(v);
    if (text == caption()) return;
    set_caption(std::move(text));
    if (on_change) on_change();
}

void SpinEdit::arrow(Arrow a) {
    const int v = value_ + (a == Arrow::up ? 1 : -1);
    if (v < min_ || v > max_) return;
    set_value(v);
}

void ImageList::add_masked(const Image& img, Color mask) {
    Cell cell{Image(width_, height_), std::vector<bool>(static_cast<std::size_t>(width_) * height_)};
    cell.image.copy_rect({0, 0, width_, height_}, img, {0, 0, width_, height_});
    const auto& px = cell.image.pixels();
    for (std::size_t i = 0; i < px.size(); ++i) cell.mask[i] = px[i] == mask;
    cells_.push_back(std::move(cell));
}

void ImageList::add(const Image& img) {
    Cell cell{Image(width_, height_), {}};
    cell.image.copy_rect({0, 0, width_, height_}, img, {0, 0, width_, height_});
    cells_.push_back(std::move(cell));
}

void ImageList::draw(Image& dest, int x, int y, int i) const {
    if (i < 0 || i >= count()) return;
    const Cell& cell = cells_[static_cast<std::size_t>(i)];
    if (cell.mask.empty()) {
        dest.draw(x, y, cell.image);
        return;
    }
    auto& out = dest.edit_pixels();
    const auto& px = cell.image.pixels();
    for (int cy = 0; cy < height_; ++cy) {
        const int dy = y + cy;
        if (dy < 0 || dy >= dest.height()) continue;
        for (int cx = 0; cx < width_; ++cx) {
            const int dx = x + cx;
            if (dx < 0 || dx >= dest.width()) continue;
            const std::size_t s = static_cast<std::size_t>(cy) * width_ + cx;
            const std::size_t d = static_cast<std::size_t>(dy) * dest.width() + dx;
            if (!cell.mask[s]) {
                out[d] = px[s];
            } else if (has_background_) {
                out[d] = background_;
            }
        }
    }
}

void ImageList::render(Image& dest, int i) const {
    dest = Image(width_, height_, has_background_ ? background_ : clBlack);
    draw(dest, 0, 0, i);
}

Color ImageList::cell_pixel(int i, int x, int y) const {
    if (i < 0 || i >= count()) return clBlack;
    return cells_[static_cast<std::size_t>(i)].image.pixel(x, y);
}

}  // namespace ui
