#pragma once

#include <cstdint>

namespace ui {

// A 24-bit RGB colour, 0xRRGGBB. Colours are always compared exactly.
using Color = std::uint32_t;

constexpr Color rgb(unsigned r, unsigned g, unsigned b) {
    return (Color{r & 0xFF} << 16) | (Color{g & 0xFF} << 8) | Color{b & 0xFF};
}
constexpr unsigned red_of(Color c) { return (c >> 16) & 0xFF; }
constexpr unsigned green_of(Color c) { return (c >> 8) & 0xFF; }
constexpr unsigned blue_of(Color c) { return c & 0xFF; }

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clRed = 0xFF0000;
inline constexpr Color clBlue = 0x0000FF;
inline constexpr Color clNavy = 0x000080;
// The classic desktop's system colours, fixed here because there is no system to ask.
inline constexpr Color clBtnFace = 0xD4D0C8;
inline constexpr Color clWindowText = 0x000000;

}  // namespace ui
