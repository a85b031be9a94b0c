#include "platform/font.h"

#include <fontconfig/fontconfig.h>

namespace platform {

namespace {
constexpr const char* family_name = "IPAPGothic";
}

FontMatch match_font(const std::string& family) {
    FontMatch r;
    // A configuration of our own, freed again: fontconfig's shared one is never given back.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) {
        r.error = "fontconfig cannot start";
        return r;
    }
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) {
        FcConfigDestroy(config);
        r.error = "fontconfig: out of memory";
        return r;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    if (!match) {
        r.error = "fontconfig has no font at all";
        return r;
    }
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        r.file = reinterpret_cast<const char*>(file);
    }
    // A match is any font at all; it is the one asked for only if it carries that family name.
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        const std::string n = reinterpret_cast<const char*>(name);
        if (i == 0 || n == family) r.family = n;
        if (n == family) break;
    }
    FcPatternDestroy(match);
    if (r.file.empty()) {
        r.error = "fontconfig gave no file for " + family;
        return r;
    }
    r.ok = true;
    return r;
}

FontSet::FontSet() {
    if (TTF_Init() != 0) {
        fail(std::string("SDL_ttf cannot start: ") + TTF_GetError());
        return;
    }
    ttf_ready_ = true;
    const FontMatch m = match_font(family_name);
    if (!m.ok) {
        fail(m.error);
        return;
    }
    path_ = m.file;
    if (m.family != family_name) {
        // Still draw, in whatever fontconfig offers, so the screens stay usable.
        fail(std::string("font ") + family_name +
             " is not installed (fonts-ipafont-gothic); using " + m.family);
    }
}

FontSet::~FontSet() {
    for (auto& [key, font] : fonts_) {
        if (font) TTF_CloseFont(font);
    }
    if (ttf_ready_) TTF_Quit();
}

void FontSet::fail(const std::string& what) {
    if (error_.empty()) error_ = what;
}

TTF_Font* FontSet::get(int size, bool bold) {
    if (!ttf_ready_ || path_.empty() || size <= 0) return nullptr;
    const auto key = std::make_pair(size, bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    TTF_Font* font = TTF_OpenFont(path_.c_str(), size);
    if (!font) {
        fail("cannot open " + path_ + ": " + TTF_GetError());
    } else {
        TTF_SetFontHinting(font, solid(size) ? TTF_HINTING_MONO : TTF_HINTING_NORMAL);
        if (bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    }
    // A failed size is remembered too, so it is not retried every frame.
    fonts_[key] = font;
    return font;
}

}  // namespace platform
