#pragma once

#include <array>
#include <functional>
#include <string>

#include "ui/image.h"

namespace app {

// Every picture of every screen, loaded once at start-up.
struct Pictures {
    ui::Image title;                // 640 x 480
    ui::Image ending;               // 640 x 480
    std::array<ui::Image, 8> chr;   // portraits, 128 x 176
    std::array<ui::Image, 4> waza;  // technique pictures, 256 x 192
    std::array<ui::Image, 4> ring;  // ring figures, 80 x 145
};

struct PicturesLoad {
    bool ok = false;
    Pictures pictures;
    std::string error;  // names the file and the reason
};

using ImageLoader = std::function<ui::LoadedImage(const std::string& relative_path)>;

// Loads the whole catalogue; the first picture that is missing, unreadable or of the wrong size
// fails the load.
PicturesLoad load_pictures(const ImageLoader& load);

}  // namespace app
