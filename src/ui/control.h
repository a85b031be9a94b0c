#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/image.h"

namespace ui {

class Form;

enum class MouseButton { left, right };
enum class ControlKind { label, panel, button, speed_button, up_down, progress_bar, picture,
                         spin_edit, bevel, memo };

struct Font {
    int size = 12;  // pixel height
    bool bold = false;
    Color color = clWindowText;
};

// A control of a form. Controls lie on their parent (a panel, or the form when parent is null);
// a later sibling lies on top of an earlier one.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, Control* parent, int left, int top,
            int width, int height);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Form& form() const { return form_; }
    Control* parent() const { return parent_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void set_left(int v);
    void set_top(int v);
    void set_bounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void set_visible(bool v);
    void show() { set_visible(true); }
    void hide() { set_visible(false); }
    // Visible itself, with every parent and the form.
    bool showing() const;
    bool enabled() const { return enabled_; }
    void set_enabled(bool v);

    int tag = 0;

    const std::string& caption() const { return caption_; }
    void set_caption(std::string text);
    Color color() const { return color_; }
    void set_color(Color c);
    const Font& font() const { return font_; }
    void set_font(Font f);
    void set_font_color(Color c);

    // Whether the control takes the keyboard focus.
    bool takes_focus() const {
        return kind_ == ControlKind::button || kind_ == ControlKind::up_down ||
               kind_ == ControlKind::spin_edit;
    }

    std::function<void()> on_click;                     // left button
    std::function<void(MouseButton)> on_mouse_down;     // either button

protected:
    void changed();

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* parent_;
    int left_, top_, width_, height_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    Color color_ = clBtnFace;
    Font font_;
};

class Label : public Control {
public:
    Label(Form& f, std::string name, Control* parent, int l, int t, int w, int h)
        : Control(f, ControlKind::label, std::move(name), parent, l, t, w, h) {}
    bool centred = false;
    bool transparent = true;
};

enum class Bevel { none, raised, lowered };

class Panel : public Control {
public:
    Panel(Form& f, std::string name, Control* parent, int l, int t, int w, int h)
        : Control(f, ControlKind::panel, std::move(name), parent, l, t, w, h) {}
    Bevel bevel = Bevel::raised;
};

class Button : public Control {
public:
    Button(Form& f, std::string name, Control* parent, int l, int t, int w, int h)
        : Control(f, ControlKind::button, std::move(name), parent, l, t, w, h) {}
};

// A push button that stays down. Within one group of one parent exactly one is down once any has
// been pressed; pressing the one that is down leaves it down.
class SpeedButton : public Control {
public:
    SpeedButton(Form& f, std::string name, Control* parent, int l, int t, int w, int h, int group)
        : Control(f, ControlKind::speed_button, std::move(name), parent, l, t, w, h),
          group_(group) {}
    int group() const { return group_; }
    bool down() const { return down_; }
    void set_down(bool d);
    // What a click does before its handler runs.
    void press() { set_down(true); }

private:
    int group_;
    bool down_ = false;
};

enum class Arrow { up, down };

// Vertical up-down arrows. An arrow moves the position one step within min..max, no
// wrap-around, before the click handler runs.
class UpDown : public Control {
public:
    UpDown(Form& f, std::string name, Control* parent, int l, int t, int w, int h, int min,
           int max, int position)
        : Control(f, ControlKind::up_down, std::move(name), parent, l, t, w, h),
          min_(min), max_(max), position_(position) {}
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void set_position(int p);
    void arrow(Arrow a);
    std::function<void(Arrow)> on_arrow;

private:
    int min_, max_, position_;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& f, std::string name, Control* parent, int l, int t, int w, int h)
        : Control(f, ControlKind::progress_bar, std::move(name), parent, l, t, w, h) {}
    int position() const { return position_; }
    void set_position(int p);  // kept within 0..100

private:
    int position_ = 0;
};

// A picture with a drawing surface of its own size.
class Picture : public Control {
public:
    Picture(Form& f, std::string name, Control* parent, int l, int t, int w, int h)
        : Control(f, ControlKind::picture, std::move(name), parent, l, t, w, h),
          canvas_(w, h) {}
    const Image& canvas() const { return canvas_; }
    // Every drawing goes through here, so the screen knows to redraw.
    Image& draw() {
        changed();
        return canvas_;
    }
    Color pen = clBlack;
    Color brush = clWhite;

private:
    Image canvas_;
};

// A numeric edit with up and down arrows. Its change event runs whenever the shown text changes,
// by an arrow or by the program setting the value. Typed text is not accepted: a typed "10" would
// count as a single step of the point budget.
class SpinEdit : public Control {
public:
    SpinEdit(Form& f, std::string name, Control* parent, int l, int t, int w, int h, int min,
             int max);
    int value() const { return value_; }
    const std::string& text() const { return caption(); }
    void set_value(int v);
    void arrow(Arrow a);  // at a bound the value stays and nothing is raised
    int min() const { return min_; }
    int max() const { return max_; }
    std::function<void()> on_change;

private:
    int min_, max_, value_ = 0;
};

// A decorative frame or line.
class BevelBox : public Control {
public:
    enum class Shape { frame, bottom_line };
    BevelBox(Form& f, std::string name, Control* parent, int l, int t, int w, int h, Shape s)
        : Control(f, ControlKind::bevel, std::move(name), parent, l, t, w, h), shape(s) {}
    Shape shape;
};

// Hidden multi-line text.
class Memo : public Control {
public:
    Memo(Form& f, std::string name, Control* parent, int l, int t, int w, int h,
         std::vector<std::string> lines)
        : Control(f, ControlKind::memo, std::move(name), parent, l, t, w, h),
          lines_(std::move(lines)) {
        set_visible(false);
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// An image list: cells of one fixed size. A masked cell drawn with a background colour paints
// its masked pixels in that colour; without one they are left transparent.
class ImageList {
public:
    ImageList(std::string name, int width, int height)
        : name_(std::move(name)), width_(width), height_(height) {}
    const std::string& name() const { return name_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int count() const { return static_cast<int>(cells_.size()); }

    void clear() { cells_.clear(); }
    // The cell's part of `img` from its top-left corner, every pixel of colour `mask` masked.
    void add_masked(const Image& img, Color mask);
    void add(const Image& img);  // fully opaque
    void set_background(Color c) {
        background_ = c;
        has_background_ = true;
    }
    void clear_background() { has_background_ = false; }
    // Draws cell i with its top-left corner at (x, y) of `dest`.
    void draw(Image& dest, int x, int y, int i) const;
    // Renders cell i alone into `dest`, which takes the cell's size.
    void render(Image& dest, int i) const;
    Color cell_pixel(int i, int x, int y) const;

private:
    struct Cell {
        Image image;
        std::vector<bool> mask;  // empty: opaque
    };
    std::string name_;
    int width_, height_;
    std::vector<Cell> cells_;
    Color background_ = clBlack;
    bool has_background_ = false;
};

}  // namespace ui
