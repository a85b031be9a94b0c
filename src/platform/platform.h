#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/media.h"

// The SDL front end: the only code that knows SDL.
namespace platform {

// A data file beside the program: the executable's folder first, then the current folder.
// Returns the path to open, or the empty string when neither holds it.
std::string find_data_file(const std::string& relative);

// Reads a PNG file (relative to the data folders above) into a picture.
ui::LoadedImage load_png(const std::string& relative);

// The standard error report: a message box where one can be shown, else a line on stderr.
void show_error(const std::string& message);

// Milliseconds since the clock was made, from the monotonic system clock.
class RealClock final : public ui::Clock {
public:
    RealClock();
    std::int64_t now() const override;

private:
    std::uint64_t start_;
};

// Sound through SDL2_mixer: one channel per effect player, MIDI through FluidSynth. Each open
// tells the file's length, so the player itself reports the end when the last event has played.
// Without an
// audio device or a SoundFont it plays nothing and says so once on stderr.
std::unique_ptr<ui::AudioDevice> make_sdl_audio();

// Draws a form into a PNG file without any window (a software renderer on a surface).
// Returns the empty string, or what went wrong.
std::string save_form_png(const ui::Form& form, const std::string& path);

// The game's one window: shows whichever form is visible, feeds it mouse, keyboard, window moves
// and closes, and fires timers on the real clock; returns when the run has ended.
// Returns false, with a reason, when no window can be opened.
struct WindowResult {
    bool ok = true;
    std::string error;
};
// What the benchmarks watch: each frame as it has been presented.
struct WindowHooks {
    std::function<void()> after_present;
};
WindowResult run_window(ui::Application& app, const WindowHooks& hooks = {});

// The whole program: start-up, the window's loop until the title closes, the exit status.
// `started` runs once the game exists, before the first frame.
struct RunOptions {
    WindowHooks hooks;
    std::function<void(ui::Application&, app::Game&)> started;
};
int run_game(const RunOptions& options = {});

}  // namespace platform
