#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "platform/platform.h"

namespace platform {

std::string find_data_file(const std::string& relative) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (char* base = SDL_GetBasePath()) {
        fs::path p = fs::path(base) / relative;
        SDL_free(base);
        if (fs::is_regular_file(p, ec)) return p.string();
    }
    if (fs::is_regular_file(relative, ec)) return relative;
    return {};
}

ui::LoadedImage load_png(const std::string& relative) {
    ui::LoadedImage r;
    const std::string path = find_data_file(relative);
    if (path.empty()) {
        r.error = "file not found beside the program or in the current folder";
        return r;
    }
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) {
        r.error = std::string("cannot decode the picture: ") + IMG_GetError();
        return r;
    }
    SDL_Surface* s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!s) {
        r.error = std::string("cannot convert the picture: ") + SDL_GetError();
        return r;
    }
    r.image = ui::Image(s->w, s->h);
    auto& px = r.image.edit_pixels();
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) +
                                                          static_cast<std::ptrdiff_t>(y) * s->pitch);
        for (int x = 0; x < s->w; ++x) {
            px[static_cast<std::size_t>(y) * s->w + x] = row[x] & 0xFFFFFF;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    r.ok = true;
    return r;
}

void show_error(const std::string& message) {
    const std::string text = message.empty() ? "An error occurred." : message;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Brellon", text.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "brellon: %s\n", text.c_str());
    }
}

static std::uint64_t monotonic_ms() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

RealClock::RealClock() : start_(monotonic_ms()) {}

std::int64_t RealClock::now() const { return static_cast<std::int64_t>(monotonic_ms() - start_); }

}  // namespace platform
