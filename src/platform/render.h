#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/font.h"
#include "ui/form.h"

namespace platform {

// The control the mouse holds down, drawn pressed while the pointer stays on it, and where it
// was pressed (client coordinates), which tells the arrow of an up-down or spin edit.
struct Held {
    const ui::Control* control = nullptr;
    int x = 0, y = 0;
};

// Draws forms onto one SDL renderer in the classic desktop look. Keeps a texture of every text
// and picture it has drawn, so a frame costs only copies once they exist; the renderer must
// outlive it.
class FormRenderer {
public:
    explicit FormRenderer(SDL_Renderer* renderer);
    ~FormRenderer();
    FormRenderer(const FormRenderer&) = delete;
    FormRenderer& operator=(const FormRenderer&) = delete;

    // The whole client area of `form`, as it looks when shown.
    void draw(const ui::Form& form, Held held = {});
    // The first thing that could not be drawn (no font, no texture), or the empty string.
    const std::string& error() const;

    // A rectangle of the client area: left, top, width, height.
    struct Box {
        int x, y, w, h;
    };

private:
    struct TextKey {
        int size;
        bool bold;
        ui::Color color;
        std::string text;
        bool operator<(const TextKey& o) const {
            return std::tie(size, bold, color, text) < std::tie(o.size, o.bold, o.color, o.text);
        }
    };
    struct TextTexture {
        SDL_Texture* texture = nullptr;
        int w = 0, h = 0;
        std::uint64_t used = 0;
    };
    struct PictureTexture {
        SDL_Texture* texture = nullptr;
        int w = 0, h = 0;
        std::uint64_t generation = 0;
    };
    struct Tree {
        std::size_t count = 0;
        std::map<const ui::Control*, std::vector<const ui::Control*>> children;
    };
    struct Pass {
        const Tree& tree;
        const ui::Control* focus;
        Held held;
    };

    void draw_tree(const Pass& pass, const ui::Control& c, int ox, int oy, Box clip);
    void draw_control(const ui::Control& c, Box r, const Held& held);
    void draw_label(const ui::Label& c, Box r);
    void draw_panel(const ui::Panel& c, Box r);
    void draw_button(const ui::Control& c, Box r, bool down);
    void draw_arrow_button(Box r, ui::Arrow a, bool down, bool enabled);
    void draw_spin_edit(const ui::SpinEdit& c, Box r, const Held& held);
    void draw_progress(const ui::ProgressBar& c, Box r);
    void draw_bevel(const ui::BevelBox& c, Box r);
    void draw_picture(const ui::Picture& c, Box r);
    void draw_focus(const ui::Control& c, Box r);

    void color(ui::Color c);
    void fill(Box b, ui::Color c);
    // A frame of 1 px: top and left in `top_left`, bottom and right in `bottom_right`.
    void frame(Box b, ui::Color top_left, ui::Color bottom_right);
    void set_clip(Box b);
    const TextTexture* text(const ui::Font& font, ui::Color c, const std::string& s);
    // Draws text with its top-left corner at (x, y); disabled text is embossed grey.
    void put_text(const TextTexture* t, const ui::Font& font, const std::string& s, int x, int y,
                  bool enabled);
    const Tree& tree(const ui::Form& form);
    void fail(const std::string& what);
    void prune();

    SDL_Renderer* renderer_;
    FontSet fonts_;
    std::string error_;
    std::uint64_t frame_ = 0;
    Box clip_{0, 0, 0, 0};
    std::map<TextKey, TextTexture> texts_;
    std::map<const ui::Picture*, PictureTexture> pictures_;
    std::map<const ui::Form*, Tree> trees_;
    std::vector<SDL_Point> dots_;
};

}  // namespace platform
