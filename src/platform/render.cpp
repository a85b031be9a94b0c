#include "platform/render.h"

#include <SDL_image.h>

#include <algorithm>

#include "platform/platform.h"

namespace platform {

namespace {

// The classic desktop's 3-D colours around the button face.
constexpr ui::Color highlight = 0xFFFFFF;
constexpr ui::Color shadow = 0x808080;
constexpr ui::Color dark_shadow = 0x404040;
constexpr ui::Color face = ui::clBtnFace;
constexpr ui::Color grey_text = 0x808080;
constexpr ui::Color window_white = 0xFFFFFF;

// Text textures kept beyond this are dropped unless the frame just drawn used them.
constexpr std::size_t text_cache_limit = 512;

SDL_Color sdl_color(ui::Color c) {
    return {static_cast<Uint8>(ui::red_of(c)), static_cast<Uint8>(ui::green_of(c)),
            static_cast<Uint8>(ui::blue_of(c)), 255};
}

}  // namespace

FormRenderer::FormRenderer(SDL_Renderer* renderer) : renderer_(renderer) {
    // Pictures are pixel art: never smoothed, whatever scaling a renderer might do.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
}

FormRenderer::~FormRenderer() {
    for (auto& [key, t] : texts_) {
        if (t.texture) SDL_DestroyTexture(t.texture);
    }
    for (auto& [pic, t] : pictures_) {
        if (t.texture) SDL_DestroyTexture(t.texture);
    }
}

const std::string& FormRenderer::error() const {
    return error_.empty() ? fonts_.error() : error_;
}

void FormRenderer::fail(const std::string& what) {
    if (error_.empty()) error_ = what;
}

void FormRenderer::color(ui::Color c) {
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(ui::red_of(c)),
                           static_cast<Uint8>(ui::green_of(c)), static_cast<Uint8>(ui::blue_of(c)),
                           255);
}

void FormRenderer::fill(Box b, ui::Color c) {
    if (b.w <= 0 || b.h <= 0) return;
    color(c);
    const SDL_Rect r{b.x, b.y, b.w, b.h};
    SDL_RenderFillRect(renderer_, &r);
}

void FormRenderer::frame(Box b, ui::Color top_left, ui::Color bottom_right) {
    if (b.w <= 0 || b.h <= 0) return;
    fill({b.x, b.y, b.w - 1, 1}, top_left);
    fill({b.x, b.y, 1, b.h - 1}, top_left);
    fill({b.x, b.y + b.h - 1, b.w, 1}, bottom_right);
    fill({b.x + b.w - 1, b.y, 1, b.h}, bottom_right);
}

static FormRenderer::Box inset(FormRenderer::Box b, int d) {
    return {b.x + d, b.y + d, b.w - 2 * d, b.h - 2 * d};
}

static FormRenderer::Box intersect(FormRenderer::Box a, FormRenderer::Box b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

static bool empty(FormRenderer::Box b) {
    return b.w <= 0 || b.h <= 0;
}

void FormRenderer::set_clip(Box b) {
    clip_ = b;
    const SDL_Rect r{b.x, b.y, b.w, b.h};
    SDL_RenderSetClipRect(renderer_, &r);
}

const FormRenderer::TextTexture* FormRenderer::text(const ui::Font& font, ui::Color c,
                                                    const std::string& s) {
    if (s.empty()) return nullptr;
    TextKey key{font.size, font.bold, c, s};
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        TextTexture t;
        if (TTF_Font* f = fonts_.get(font.size, font.bold)) {
            std::string line = s;
            std::erase(line, '\r');
            const SDL_Color fg = sdl_color(c);
            const bool multi = line.find('\n') != std::string::npos;
            SDL_Surface* surface = nullptr;
            if (FontSet::solid(font.size)) {
                surface = multi ? TTF_RenderUTF8_Solid_Wrapped(f, line.c_str(), fg, 0)
                                : TTF_RenderUTF8_Solid(f, line.c_str(), fg);
            } else {
                surface = multi ? TTF_RenderUTF8_Blended_Wrapped(f, line.c_str(), fg, 0)
                                : TTF_RenderUTF8_Blended(f, line.c_str(), fg);
            }
            if (!surface) {
                fail("cannot draw the text \"" + s + "\": " + TTF_GetError());
            } else {
                t.texture = SDL_CreateTextureFromSurface(renderer_, surface);
                t.w = surface->w;
                t.h = surface->h;
                SDL_FreeSurface(surface);
                if (!t.texture) {
                    fail(std::string("cannot make a text texture: ") + SDL_GetError());
                } else {
                    SDL_SetTextureScaleMode(t.texture, SDL_ScaleModeNearest);
                }
            }
        }
        // A text that failed is remembered as well, so it is not tried again every frame.
        it = texts_.emplace(std::move(key), t).first;
    }
    it->second.used = frame_;
    return it->second.texture ? &it->second : nullptr;
}

void FormRenderer::put_text(const TextTexture* t, const ui::Font& font, const std::string& s, int x,
                            int y, bool enabled) {
    if (!t) return;
    if (enabled) {
        const SDL_Rect dst{x, y, t->w, t->h};
        SDL_RenderCopy(renderer_, t->texture, nullptr, &dst);
        return;
    }
    if (const TextTexture* lit = text(font, highlight, s)) {
        const SDL_Rect dst{x + 1, y + 1, lit->w, lit->h};
        SDL_RenderCopy(renderer_, lit->texture, nullptr, &dst);
    }
    if (const TextTexture* grey = text(font, grey_text, s)) {
        const SDL_Rect dst{x, y, grey->w, grey->h};
        SDL_RenderCopy(renderer_, grey->texture, nullptr, &dst);
    }
}

const FormRenderer::Tree& FormRenderer::tree(const ui::Form& form) {
    Tree& t = trees_[&form];
    // Controls are only ever added, so the count tells whether the tree is current.
    if (t.count != form.controls().size()) {
        t.children.clear();
        for (const auto& c : form.controls()) t.children[c->parent()].push_back(c.get());
        t.count = form.controls().size();
    }
    return t;
}

void FormRenderer::prune() {
    if (texts_.size() <= text_cache_limit) return;
    std::erase_if(texts_, [this](auto& entry) {
        if (entry.second.used == frame_) return false;
        if (entry.second.texture) SDL_DestroyTexture(entry.second.texture);
        return true;
    });
}

void FormRenderer::draw(const ui::Form& form, Held held) {
    ++frame_;
    SDL_RenderSetClipRect(renderer_, nullptr);
    color(face);
    SDL_RenderClear(renderer_);
    const Tree& t = tree(form);
    const Pass pass{t, form.focus(), held};
    const Box client{0, 0, form.client_width(), form.client_height()};
    if (auto roots = t.children.find(nullptr); roots != t.children.end()) {
        for (const ui::Control* c : roots->second) draw_tree(pass, *c, 0, 0, client);
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    prune();
}

void FormRenderer::draw_tree(const Pass& pass, const ui::Control& c, int ox, int oy, Box clip) {
    if (!c.visible() || c.kind() == ui::ControlKind::memo) return;
    const Box r{ox + c.left(), oy + c.top(), c.width(), c.height()};
    const Box own = intersect(clip, r);
    // A label without a size shows its whole text, limited only by its parent.
    const bool auto_size = c.kind() == ui::ControlKind::label && (r.w == 0 || r.h == 0);
    const Box draw_clip = auto_size ? clip : own;
    if (!empty(draw_clip)) {
        set_clip(draw_clip);
        draw_control(c, r, pass.held);
        if (pass.focus == &c && c.enabled()) draw_focus(c, r);
    }
    if (empty(own)) return;
    auto kids = pass.tree.children.find(&c);
    if (kids == pass.tree.children.end()) return;
    for (const ui::Control* child : kids->second) draw_tree(pass, *child, r.x, r.y, own);
}

void FormRenderer::draw_control(const ui::Control& c, Box r, const Held& held) {
    const bool holding = held.control == &c;
    switch (c.kind()) {
        case ui::ControlKind::label:
            draw_label(static_cast<const ui::Label&>(c), r);
            break;
        case ui::ControlKind::panel:
            draw_panel(static_cast<const ui::Panel&>(c), r);
            break;
        case ui::ControlKind::button:
            draw_button(c, r, holding);
            break;
        case ui::ControlKind::speed_button:
            draw_button(c, r, holding || static_cast<const ui::SpeedButton&>(c).down());
            break;
        case ui::ControlKind::up_down: {
            // Split where the clicks are split.
            const int upper = r.h / 2;
            const bool lower = held.y >= r.y + upper;
            draw_arrow_button({r.x, r.y, r.w, upper}, ui::Arrow::up, holding && !lower,
                              c.enabled());
            draw_arrow_button({r.x, r.y + upper, r.w, r.h - upper}, ui::Arrow::down,
                              holding && lower, c.enabled());
            break;
        }
        case ui::ControlKind::spin_edit:
            draw_spin_edit(static_cast<const ui::SpinEdit&>(c), r, held);
            break;
        case ui::ControlKind::progress_bar:
            draw_progress(static_cast<const ui::ProgressBar&>(c), r);
            break;
        case ui::ControlKind::picture:
            draw_picture(static_cast<const ui::Picture&>(c), r);
            break;
        case ui::ControlKind::bevel:
            draw_bevel(static_cast<const ui::BevelBox&>(c), r);
            break;
        case ui::ControlKind::memo:
            break;
    }
}

void FormRenderer::draw_label(const ui::Label& c, Box r) {
    if (!c.transparent) fill(r, c.color());
    const TextTexture* t = text(c.font(), c.font().color, c.caption());
    if (!t) return;
    const int x = c.centred && r.w > 0 ? r.x + (r.w - t->w) / 2 : r.x;
    put_text(t, c.font(), c.caption(), x, r.y, c.enabled());
}

void FormRenderer::draw_panel(const ui::Panel& c, Box r) {
    fill(r, c.color());
    if (c.bevel == ui::Bevel::raised) frame(r, highlight, shadow);
    if (c.bevel == ui::Bevel::lowered) frame(r, shadow, highlight);
    const TextTexture* t = text(c.font(), c.font().color, c.caption());
    if (!t) return;
    put_text(t, c.font(), c.caption(), r.x + (r.w - t->w) / 2, r.y + (r.h - t->h) / 2, c.enabled());
}

void FormRenderer::draw_button(const ui::Control& c, Box r, bool down) {
    fill(r, face);
    if (!down) {
        frame(r, highlight, dark_shadow);
        frame(inset(r, 1), face, shadow);
    } else if (c.kind() == ui::ControlKind::button) {
        frame(r, dark_shadow, dark_shadow);
        frame(inset(r, 1), shadow, shadow);
    } else {
        frame(r, shadow, highlight);
        frame(inset(r, 1), dark_shadow, face);
    }
    const TextTexture* t = text(c.font(), c.font().color, c.caption());
    if (!t) return;
    const int shift = down ? 1 : 0;
    put_text(t, c.font(), c.caption(), r.x + (r.w - t->w) / 2 + shift,
             r.y + (r.h - t->h) / 2 + shift, c.enabled());
}

void FormRenderer::draw_arrow_button(Box r, ui::Arrow a, bool down, bool enabled) {
    if (empty(r)) return;
    fill(r, face);
    if (down) {
        frame(r, shadow, shadow);
    } else {
        frame(r, highlight, dark_shadow);
        frame(inset(r, 1), face, shadow);
    }
    const int rows = std::max(1, std::min((r.w - 4) / 3, (r.h - 4) / 2));
    const int shift = down ? 1 : 0;
    const int cx = r.x + (r.w - 1) / 2 + shift;
    const int top = r.y + (r.h - rows) / 2 + shift;
    for (int i = 0; i < rows; ++i) {
        const int y = a == ui::Arrow::up ? top + i : top + rows - 1 - i;
        fill({cx - i, y, 2 * i + 1, 1}, enabled ? ui::clBlack : shadow);
    }
}

void FormRenderer::draw_spin_edit(const ui::SpinEdit& c, Box r, const Held& held) {
    fill(r, window_white);
    frame(r, shadow, highlight);
    frame(inset(r, 1), dark_shadow, face);
    // The arrows take the 16 pixels at the right, as the clicks do.
    const Box arrows{r.x + r.w - 16, r.y + 2, 14, r.h - 4};
    const Box text_area{r.x + 2, r.y + 2, r.w - 18, r.h - 4};
    if (const TextTexture* t = text(c.font(), c.font().color, c.text())) {
        const Box outer = clip_;
        set_clip(intersect(outer, text_area));
        if (!empty(clip_)) {
            put_text(t, c.font(), c.text(), text_area.x + 2, r.y + (r.h - t->h) / 2, c.enabled());
        }
        set_clip(outer);
    }
    const bool holding = held.control == &c && held.x >= arrows.x;
    const bool lower = held.y >= r.y + r.h / 2;
    const int upper = arrows.h / 2;
    draw_arrow_button({arrows.x, arrows.y, arrows.w, upper}, ui::Arrow::up, holding && !lower,
                      c.enabled());
    draw_arrow_button({arrows.x, arrows.y + upper, arrows.w, arrows.h - upper}, ui::Arrow::down,
                      holding && lower, c.enabled());
}

void FormRenderer::draw_progress(const ui::ProgressBar& c, Box r) {
    fill(r, face);
    frame(r, shadow, highlight);
    const Box inner = inset(r, 1);
    const Box blocks = inset(inner, 1);
    if (empty(blocks)) return;
    const int end = blocks.x + blocks.w * c.position() / 100;
    const int block = std::max(2, blocks.h * 2 / 3);
    for (int x = blocks.x; x < end; x += block + 2) {
        fill({x, blocks.y, std::min(block, end - x), blocks.h}, ui::clNavy);
    }
}

void FormRenderer::draw_bevel(const ui::BevelBox& c, Box r) {
    if (c.shape == ui::BevelBox::Shape::frame) {
        frame(r, shadow, highlight);
    } else {
        fill({r.x, r.y + r.h - 2, r.w, 1}, shadow);
        fill({r.x, r.y + r.h - 1, r.w, 1}, highlight);
    }
}

void FormRenderer::draw_picture(const ui::Picture& c, Box r) {
    const ui::Image& img = c.canvas();
    if (img.empty()) return;
    PictureTexture& t = pictures_[&c];
    if (t.texture && (t.w != img.width() || t.h != img.height())) {
        SDL_DestroyTexture(t.texture);
        t.texture = nullptr;
    }
    if (!t.texture) {
        t.texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888,
                                      SDL_TEXTUREACCESS_STREAMING, img.width(), img.height());
        if (!t.texture) {
            fail(std::string("cannot make a picture texture: ") + SDL_GetError());
            return;
        }
        SDL_SetTextureScaleMode(t.texture, SDL_ScaleModeNearest);
        t.w = img.width();
        t.h = img.height();
        t.generation = 0;
    }
    if (t.generation != img.generation()) {
        // ui::Color is 0xRRGGBB in 32 bits: the texture's own layout, so it goes up as it is.
        SDL_UpdateTexture(t.texture, nullptr, img.pixels().data(),
                          img.width() * static_cast<int>(sizeof(ui::Color)));
        t.generation = img.generation();
    }
    const SDL_Rect dst{r.x, r.y, t.w, t.h};
    SDL_RenderCopy(renderer_, t.texture, nullptr, &dst);
}

void FormRenderer::draw_focus(const ui::Control& c, Box r) {
    Box f = inset(r, 3);
    if (c.kind() == ui::ControlKind::up_down) f = inset(r, 2);
    if (c.kind() == ui::ControlKind::spin_edit) f = {r.x + 2, r.y + 2, r.w - 18, r.h - 4};
    if (empty(f)) return;
    dots_.clear();
    // Every other pixel, by position, so the dots stay put whatever the rectangle's size.
    auto dot = [this](int x, int y) {
        if (((x + y) & 1) == 0) dots_.push_back({x, y});
    };
    for (int x = f.x; x < f.x + f.w; ++x) {
        dot(x, f.y);
        dot(x, f.y + f.h - 1);
    }
    for (int y = f.y + 1; y < f.y + f.h - 1; ++y) {
        dot(f.x, y);
        dot(f.x + f.w - 1, y);
    }
    color(ui::clBlack);
    SDL_RenderDrawPoints(renderer_, dots_.data(), static_cast<int>(dots_.size()));
}

std::string save_form_png(const ui::Form& form, const std::string& path) {
    const int w = form.client_width(), h = form.client_height();
    if (w <= 0 || h <= 0) return "the form has no client area";
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGB888);
    if (!surface) return std::string("cannot make a surface: ") + SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (!renderer) {
        SDL_FreeSurface(surface);
        return std::string("cannot make a software renderer: ") + SDL_GetError();
    }
    std::string error;
    {
        FormRenderer r(renderer);
        r.draw(form);
        SDL_RenderFlush(renderer);
        error = r.error();
    }
    SDL_DestroyRenderer(renderer);
    if (IMG_SavePNG(surface, path.c_str()) != 0) {
        error = "cannot write " + path + ": " + IMG_GetError();
    } else if (!error.empty()) {
        error = "drawn incompletely: " + error;
    }
    SDL_FreeSurface(surface);
    return error;
}

}  // namespace platform
