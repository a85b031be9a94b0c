#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/timer.h"

namespace ui {

class Application;

struct OpenResult {
    bool ok = true;
    std::string error;          // why the file could not be opened
    std::int64_t length_ms = 0;  // 0 when the device cannot tell; the end is then reported to us
};

// What plays the sounds. Players are named; each plays one file at a time, and a new play of a
// player cuts off its own earlier one while different players overlap.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    virtual OpenResult open(const std::string& player, const std::string& path) = 0;
    virtual void play(const std::string& player) = 0;
    virtual void rewind(const std::string& player) = 0;
    virtual void stop(const std::string& player) = 0;
    // Every operation of every player, as the players see them; only a recording device cares.
    virtual void log(const std::string& /*player*/, std::string_view /*op*/) {}
};

// Plays nothing and writes down every operation with the clock's time: "TIME PLAYER OP".
class RecordingAudio final : public AudioDevice {
public:
    explicit RecordingAudio(const Clock& clock) : clock_(clock) {}
    OpenResult open(const std::string& player, const std::string&) override {
        log(player, "open");
        return {};
    }
    void play(const std::string& player) override { log(player, "play"); }
    void rewind(const std::string& player) override { log(player, "rewind"); }
    void stop(const std::string& player) override { log(player, "stop"); }
    void log(const std::string& player, std::string_view op) override;
    // The lines since the last take.
    std::vector<std::string> take() { return std::exchange(lines_, {}); }

private:
    const Clock& clock_;
    std::vector<std::string> lines_;
};

// One sound file on one player: Open, Play, Rewind, Stop and the Notify setting. A Play made
// while Notify is on reports its completion to on_notify, on the UI thread after the running
// handler: when the file has played to its end, and also when the play is cut off by Stop,
// Rewind, another Play or Open.
class MediaPlayer {
public:
    MediaPlayer(Application& app, std::string name, std::string file);
    const std::string& name() const { return name_; }
    const std::string& file() const { return file_; }

    void open();
    void play();
    void rewind();
    void stop();
    bool notify() const { return notify_; }
    void set_notify(bool on);
    bool playing() const { return playing_; }
    bool is_open() const { return open_; }

    // The current play reaches the end of its file.
    void reach_end();

    std::function<void()> on_notify;

private:
    void cut_off();
    void finish_play();

    Application& app_;
    std::string name_, file_;
    bool open_ = false;
    bool notify_ = false;
    bool playing_ = false;
    bool report_pending_ = false;
    std::int64_t length_ms_ = 0;
    std::int64_t position_ms_ = 0;
    std::int64_t started_at_ = 0;
    Timer end_timer_;
};

}  // namespace ui
