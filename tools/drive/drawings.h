#pragma once

#include "app/pictures.h"

namespace drive {

// Stand-in drawings of the right sizes, for runs that must not depend on the art: every cell
// is filled with a ground colour of its own (ring cell 0: black), with the four key colours hair,
// outfit, hair shade, outfit shade in 4 x 4 squares at x = 4, 10, 16, 22 and y = 4; a pixel one
// unit off the hair colour at (0, 0); from y = 20 down, the first column #404040 and the last
// #808080, which tell a picture from its mirror.
app::Pictures test_drawings();

}  // namespace drive
