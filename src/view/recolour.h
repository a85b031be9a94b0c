#pragma once

#include <cstdint>

#include "ui/image.h"

namespace view {

// Each channel reduced by 30, floored at 0, never wrapped.
ui::Color darken(ui::Color c);

// For i = 0 to n - 1 in this order, every pixel exactly key[i] becomes to[i]. Each layer works
// on the result of the one before, so a pixel set by one layer can be replaced by a later one;
// a pixel one unit off a key colour is left as drawn.
void replace_key_colours(ui::Image& p, const std::int32_t key[4], const std::int32_t to[4],
                         int n);

}  // namespace view
