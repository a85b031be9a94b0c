#include "ui/media.h"

#include "ui/application.h"

namespace ui {

void RecordingAudio::log(const std::string& player, std::string_view op) {
    lines_.push_back(std::to_string(clock_.now()) + " " + player + " " + std::string(op));
}

MediaPlayer::MediaPlayer(Application& app, std::string name, std::string file)
    : app_(app), name_(std::move(name)), file_(std::move(file)), end_timer_(app.timers(), "", 0) {
    end_timer_.on_timer = [this] { reach_end(); };
}

void MediaPlayer::set_notify(bool on) {
    notify_ = on;
    app_.audio().log(name_, on ? "notify-on" : "notify-off");
}

// A play that ends before its file does still reports, if it asked to.
void MediaPlayer::cut_off() {
    if (!playing_) return;
    position_ms_ += app_.clock().now() - started_at_;
    finish_play();
}

void MediaPlayer::finish_play() {
    playing_ = false;
    end_timer_.set_enabled(false);
    if (report_pending_) {
        report_pending_ = false;
        app_.post([this] {
            app_.audio().log(name_, "report");
            if (on_notify) on_notify();
        });
    }
}

void MediaPlayer::open() {
    cut_off();
    OpenResult r = app_.audio().open(name_, file_);
    position_ms_ = 0;
    open_ = r.ok;
    length_ms_ = r.ok ? r.length_ms : 0;
    if (!r.ok) {
        app_.report_once("sound:" + file_, "cannot open " + file_ + ": " + r.error);
    }
}

void MediaPlayer::play() {
    cut_off();
    app_.audio().play(name_);
    if (!open_) return;
    playing_ = true;
    report_pending_ = notify_;
    started_at_ = app_.clock().now();
    if (length_ms_ > 0) {
        if (position_ms_ >= length_ms_) position_ms_ = 0;
        end_timer_.set_enabled(false);
        end_timer_.set_interval(static_cast<int>(length_ms_ - position_ms_));
        end_timer_.set_enabled(true);
    }
}

void MediaPlayer::rewind() {
    cut_off();
    app_.audio().rewind(name_);
    position_ms_ = 0;
}

void MediaPlayer::stop() {
    cut_off();
    app_.audio().stop(name_);
}

void MediaPlayer::reach_end() {
    if (!playing_) return;
    // The device may keep its tail ringing (a synthesiser does); the file has ended for us.
    if (length_ms_ > 0) app_.audio().stop(name_);
    position_ms_ = length_ms_;
    finish_play();
}

}  // namespace ui
