// The game's one window and its message loop: waits for input or the next timer, never spins.
#include <SDL.h>

#include <algorithm>
#include <climits>

#include "platform/platform.h"
#include "platform/render.h"

namespace platform {

namespace {

struct Place {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Place&) const = default;
};

Place place_of(const ui::Form& f) {
    return {f.left(), f.top(), f.client_width(), f.client_height()};
}

const char* title_of(const ui::Form& f) {
    return f.caption().empty() ? "Brellon" : f.caption().c_str();
}

class Window {
public:
    Window(ui::Application& app, SDL_Window* window, SDL_Renderer* renderer, Place place,
           const WindowHooks& hooks)
        : app_(app), window_(window), renderer_(renderer), painter_(renderer), hooks_(hooks),
          synced_(place) {}

    void run();

private:
    ui::Form* shown() const {
        auto forms = app_.visible_forms();
        return forms.empty() ? nullptr : forms.front();
    }
    void follow_form();
    void paint();
    void wait_and_handle();
    void handle(const SDL_Event& ev);
    void window_event(const SDL_WindowEvent& ev);
    void window_placed();
    void mouse_down(const SDL_MouseButtonEvent& ev);
    void mouse_up(const SDL_MouseButtonEvent& ev);
    void mouse_moved(int x, int y);
    void key_down(const SDL_KeyboardEvent& ev);
    void let_go();

    ui::Application& app_;
    SDL_Window* window_;
    SDL_Renderer* renderer_;
    FormRenderer painter_;
    const WindowHooks& hooks_;
    // Where window and form last agreed to be: a form that moves away from it moves the window.
    Place synced_;
    const ui::Form* form_ = nullptr;
    std::uint64_t drawn_ = 0;
    bool dirty_ = true;
    bool reported_ = false;
    // The control under a pressed mouse button, and whether the pointer is still on it.
    Held held_;
    const ui::Form* held_form_ = nullptr;
    Uint8 held_button_ = 0;
    bool held_inside_ = false;
};

void Window::run() {
    while (!app_.ended()) {
        follow_form();
        if (dirty_ || app_.change_count() != drawn_) paint();
        wait_and_handle();
        app_.fire_due();
    }
}

void Window::follow_form() {
    ui::Form* f = shown();
    if (!f) return;
    if (f != form_) {
        form_ = f;
        SDL_SetWindowTitle(window_, title_of(*f));
        let_go();
    }
    const Place want = place_of(*f);
    if (want == synced_) return;
    if (want.x != synced_.x || want.y != synced_.y) SDL_SetWindowPosition(window_, want.x, want.y);
    if (want.w != synced_.w || want.h != synced_.h) SDL_SetWindowSize(window_, want.w, want.h);
    synced_ = want;
    dirty_ = true;
}

void Window::paint() {
    drawn_ = app_.change_count();
    dirty_ = false;
    if (form_ && form_->visible()) {
        // Only the left button pushes a control in, and only one that takes clicks.
        const bool pushed = held_.control && held_inside_ && held_button_ == SDL_BUTTON_LEFT &&
                            held_.control->enabled();
        painter_.draw(*form_, pushed ? held_ : Held{});
    } else {
        SDL_SetRenderDrawColor(renderer_, ui::red_of(ui::clBtnFace), ui::green_of(ui::clBtnFace),
                               ui::blue_of(ui::clBtnFace), 255);
        SDL_RenderClear(renderer_);
    }
    SDL_RenderPresent(renderer_);
    if (hooks_.after_present) hooks_.after_present();
    if (!reported_ && !painter_.error().empty()) {
        reported_ = true;
        app_.report_once("platform:draw",
                         "Some of the screen cannot be drawn: " + painter_.error());
    }
}

void Window::wait_and_handle() {
    SDL_Event ev;
    int got = 0;
    const std::int64_t due = app_.timers().next_due();
    if (due < 0) {
        got = SDL_WaitEvent(&ev);
    } else {
        const std::int64_t wait = std::clamp<std::int64_t>(due - app_.clock().now(), 0, INT_MAX);
        got = SDL_WaitEventTimeout(&ev, static_cast<int>(wait));
    }
    while (got && !app_.ended()) {
        handle(ev);
        got = SDL_PollEvent(&ev);
    }
}

void Window::handle(const SDL_Event& ev) {
    switch (ev.type) {
        case SDL_QUIT:
            // Only a signal gets here (the close box goes to the form): close as the title would.
            if (ui::Form* m = app_.main_form()) app_.close(*m);
            app_.terminate();
            break;
        case SDL_WINDOWEVENT:
            window_event(ev.window);
            break;
        case SDL_MOUSEBUTTONDOWN:
            mouse_down(ev.button);
            break;
        case SDL_MOUSEBUTTONUP:
            mouse_up(ev.button);
            break;
        case SDL_MOUSEMOTION:
            mouse_moved(ev.motion.x, ev.motion.y);
            break;
        case SDL_KEYDOWN:
            key_down(ev.key);
            break;
        default:
            break;
    }
}

void Window::window_event(const SDL_WindowEvent& ev) {
    switch (ev.event) {
        case SDL_WINDOWEVENT_MOVED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            window_placed();
            dirty_ = true;
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
            dirty_ = true;
            break;
        case SDL_WINDOWEVENT_LEAVE:
            mouse_moved(-1, -1);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // The release may now go elsewhere: the control pops up without a click.
            let_go();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            if (ui::Form* f = shown()) {
                app_.close(*f);
            } else {
                app_.terminate();
            }
            break;
        default:
            break;
    }
}

// The user moved or resized the window (or the system placed it): the form follows.
void Window::window_placed() {
    Place now;
    SDL_GetWindowPosition(window_, &now.x, &now.y);
    SDL_GetWindowSize(window_, &now.w, &now.h);
    synced_ = now;
    ui::Form* f = shown();
    if (f && place_of(*f) != now) app_.place(*f, now.x, now.y, now.w, now.h);
}

void Window::mouse_down(const SDL_MouseButtonEvent& ev) {
    if (ev.button != SDL_BUTTON_LEFT && ev.button != SDL_BUTTON_RIGHT) return;
    // A release that never came (lost with the focus) must not block every later press.
    if (held_.control && (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(held_button_))) return;
    ui::Form* f = shown();
    if (!f) return;
    const ui::Control* c = f->control_at(ev.x, ev.y);
    if (!c) return;
    held_ = {c, ev.x, ev.y};
    held_form_ = f;
    held_button_ = ev.button;
    held_inside_ = true;
    dirty_ = true;
}

void Window::mouse_up(const SDL_MouseButtonEvent& ev) {
    if (!held_.control || ev.button != held_button_) return;
    const ui::Control* c = held_.control;
    const ui::Form* was = held_form_;
    let_go();
    ui::Form* f = shown();
    if (!f || f != was || f->control_at(ev.x, ev.y) != c) return;
    app_.click_at(*f, ev.x, ev.y,
                  ev.button == SDL_BUTTON_LEFT ? ui::MouseButton::left : ui::MouseButton::right);
}

void Window::let_go() {
    held_ = {};
    held_form_ = nullptr;
    held_button_ = 0;
    held_inside_ = false;
    dirty_ = true;
}

void Window::mouse_moved(int x, int y) {
    if (!held_.control || held_button_ != SDL_BUTTON_LEFT) return;
    ui::Form* f = shown();
    const bool inside = f && f == held_form_ && f->control_at(x, y) == held_.control;
    if (inside != held_inside_) {
        held_inside_ = inside;
        dirty_ = true;
    }
}

void Window::key_down(const SDL_KeyboardEvent& ev) {
    const bool shift = (ev.keysym.mod & KMOD_SHIFT) != 0;
    switch (ev.keysym.sym) {
        case SDLK_TAB:
            app_.key(shift ? ui::Key::shift_tab : ui::Key::tab);
            break;
        case SDLK_SPACE:
            if (!ev.repeat) app_.key(ui::Key::space);
            break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (!ev.repeat) app_.key(ui::Key::enter);
            break;
        case SDLK_UP:
            app_.key(ui::Key::up);
            break;
        case SDLK_DOWN:
            app_.key(ui::Key::down);
            break;
        default:
            break;
    }
}

}  // namespace

WindowResult run_window(ui::Application& app, const WindowHooks& hooks) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return {false, std::string("cannot open a window: ") + SDL_GetError()};
    }
    // With no display SDL falls back to drawing nowhere: that is no window, unless asked for.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
    const std::string name = driver ? driver : "";
    if ((name == "offscreen" || name == "dummy") && !(wanted && name == wanted)) {
        return {false, "no display to open a window on (DISPLAY is not set or not reachable)"};
    }
    // The close box belongs to the form; closing the last window must not quit by itself.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    auto forms = app.visible_forms();
    Place place{192, 107, 640, 480};
    const char* title = "Brellon";
    if (!forms.empty()) {
        place = place_of(*forms.front());
        title = title_of(*forms.front());
    }
    if (place.w <= 0 || place.h <= 0) {
        place.w = 640;
        place.h = 480;
    }
    SDL_Window* window =
        SDL_CreateWindow(title, place.x, place.y, place.w, place.h, SDL_WINDOW_RESIZABLE);
    if (!window) return {false, std::string("cannot open a window: ") + SDL_GetError()};
    // The software renderer draws exactly what the screenshots show, and fast enough. Its frames
    // go to X directly: by default SDL would pass them through OpenGL, which under a software
    // GL (Xvfb, no GPU) costs seven times the drawing itself.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) {
        const std::string why = SDL_GetError();
        SDL_DestroyWindow(window);
        return {false, "cannot draw into the window: " + why};
    }
    SDL_StopTextInput();
    {
        Window w(app, window, renderer, place, hooks);
        w.run();
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    return {};
}

}  // namespace platform
