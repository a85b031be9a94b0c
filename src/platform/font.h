#pragma once

#include <SDL_ttf.h>

#include <map>
#include <string>
#include <utility>

namespace platform {

// The game's one typeface, IPA P Gothic, found through fontconfig and opened once per pixel size
// and weight. Owns SDL_ttf's initialisation for as long as it lives.
class FontSet {
public:
    FontSet();
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    // The font at `size` pixels, or nullptr when it cannot be opened (see error()).
    TTF_Font* get(int size, bool bold);
    // Whether text of this size is drawn unsmoothed (the typeface asks for it at small sizes).
    static bool solid(int size) { return size >= 9 && size <= 16; }
    // The first thing that went wrong, or the empty string.
    const std::string& error() const { return error_; }

private:
    void fail(const std::string& what);

    bool ttf_ready_ = false;
    std::string path_;
    std::string error_;
    std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

// The file of the best match fontconfig has for `family`, and the family it really is.
struct FontMatch {
    bool ok = false;
    std::string file;
    std::string family;
    std::string error;
};
FontMatch match_font(const std::string& family);

}  // namespace platform
