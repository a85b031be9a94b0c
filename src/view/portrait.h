#pragma once

#include "ui/control.h"

namespace view {

// A portrait goes through the screen's hidden buffer: the cell is drawn at 0, 0 into the buffer,
// and the whole 129 x 177 area of the portrait image is copied from the same area of the buffer.
void draw_portrait(const ui::ImageList& list, int cell, ui::Picture& buffer, ui::Picture& target);

}  // namespace view
