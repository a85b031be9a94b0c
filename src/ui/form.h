#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/media.h"
#include "ui/timer.h"

namespace ui {

class Application;

// A game value a form holds, reachable by name: an integer or a text, or a pair or table of them.
struct Field {
    std::int32_t* ints = nullptr;
    std::string* texts = nullptr;
    int count = 1;
    int inner = 0;  // a table of rows of `inner` values, read as name[row][column]
};

// A top-level window of the game. Every form is created once and lives for the whole run.
class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return app_; }
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int client_width() const { return client_width_; }
    int client_height() const { return client_height_; }
    void set_left(int v);
    void set_top(int v);
    void set_client_width(int v);
    void set_client_height(int v);

    bool visible() const { return visible_; }
    void show();
    void hide();
    // What the window's close box does: runs on_close; closing the main form ends the run,
    // any other form is hidden.
    void close();
    std::function<void()> on_close;

    template <class T, class... Args>
    T& add(Args&&... args) {
        auto c = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }
    Timer& add_timer(const std::string& name, int interval);
    MediaPlayer& add_player(const std::string& name, const std::string& file);
    ImageList& add_image_list(const std::string& name, int width, int height);

    // In creation order, which is also the order from bottom to top among siblings.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find_control(const std::string& name) const;
    Timer* find_timer(const std::string& name) const;
    MediaPlayer* find_player(const std::string& name) const;
    ImageList* find_image_list(const std::string& name) const;
    // The topmost showing control at a point of the client area.
    Control* control_at(int x, int y) const;
    // A control's place in client coordinates.
    Rect client_rect(const Control& c) const;

    void set_tab_order(std::vector<Control*> order) { tab_order_ = std::move(order); }
    Control* focus() const { return focus_; }
    void set_focus(Control* c);
    void focus_next(bool backwards);
    // A focused control that is disabled or hidden hands the focus on, as on the desktop.
    void focus_moves_from(const Control& c);

    void field(const std::string& name, std::int32_t* p, int count = 1) {
        fields_[name] = Field{p, nullptr, count};
    }
    void text_field(const std::string& name, std::string* p, int count = 1) {
        fields_[name] = Field{nullptr, p, count};
    }
    void table_field(const std::string& name, std::int32_t* p, int rows, int columns) {
        fields_[name] = Field{p, nullptr, rows * columns, columns};
    }
    const Field* find_field(const std::string& name) const;

    void changed();

private:
    bool can_focus(const Control* c) const;

    Application& app_;
    std::string name_;
    std::string caption_ = "Brellon";
    int left_ = 0, top_ = 0, client_width_ = 640, client_height_ = 480;
    bool visible_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::vector<std::unique_ptr<MediaPlayer>> players_;
    std::vector<std::unique_ptr<ImageList>> image_lists_;
    std::vector<Control*> tab_order_;
    Control* focus_ = nullptr;
    std::map<std::string, Field> fields_;
};

}  // namespace ui
