#pragma once

#include <cstdint>

#include "app/game.h"
#include "ui/application.h"
#include "ui/clock.h"

namespace bench {

// A scripted player that always guards and always hits: from the VS screen, picks two boxers,
// fights one bout to its end and is back on the VS screen. Returns the events it took.
std::uint64_t play_one_bout(ui::Application& app, app::Game& game, ui::VirtualClock& clock);

// Plays nothing and keeps no log: the engine alone.
class SilentAudio final : public ui::AudioDevice {
public:
    ui::OpenResult open(const std::string&, const std::string&) override { return {}; }
    void play(const std::string&) override {}
    void rewind(const std::string&) override {}
    void stop(const std::string&) override {}
};

}  // namespace bench
