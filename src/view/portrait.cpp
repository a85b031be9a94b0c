#include "view/portrait.h"

namespace view {

void draw_portrait(const ui::ImageList& list, int cell, ui::Picture& buffer, ui::Picture& target) {
    list.draw(buffer.draw(), 0, 0, cell);
    const ui::Rect area{0, 0, target.width(), target.height()};
    target.draw().copy_rect(area, buffer.canvas(), area);
}

}  // namespace view
