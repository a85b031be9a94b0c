// Stand-ins until the front end's drawing, window and audio exist.
#include "platform/platform.h"

namespace platform {

std::string save_form_png(const ui::Form&, const std::string&) { return "not yet"; }
WindowResult run_window(ui::Application&) { return {false, "no window yet"}; }
std::unique_ptr<ui::AudioDevice> make_sdl_audio() { return nullptr; }

}  // namespace platform
