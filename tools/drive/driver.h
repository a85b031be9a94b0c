#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/form.h"
#include "ui/media.h"
#include "ui/random.h"

namespace drive {

// The whole game on the virtual clock, played by a line protocol: one command a line in, at
// most one answer a line out (the sound log answers with several).
class Driver {
public:
    // Sounds go to `audio` when one is given (a real device: files are opened, nothing is
    // logged), else to a recording device that logs every operation for `sounds`.
    Driver(const app::Pictures& pictures, std::uint64_t seed, std::ostream& out,
           ui::AudioDevice* audio = nullptr);
    ~Driver();

    // Runs one line; blank lines and comments do nothing.
    void command(const std::string& line);
    bool had_error() const { return had_error_; }

    ui::Application& app() { return app_; }
    app::Game& game() { return *game_; }

private:
    void error(const std::string& what);
    void get(const std::string& path);
    void set(const std::string& path, const std::string& value);
    void pixel(const std::string& path, const std::string& x, const std::string& y);
    ui::MediaPlayer* find_player(const std::string& path);
    bool field_index(const ui::Field& field, const std::vector<int>& idx, int& out) const;
    void answer(const std::string& text);

    std::ostream& out_;
    ui::VirtualClock clock_;
    ui::RecordingAudio recording_;
    ui::Random random_;
    ui::Application app_;
    std::unique_ptr<app::Game> game_;
    bool had_error_ = false;
    bool ended_reported_ = false;
};

}  // namespace drive
