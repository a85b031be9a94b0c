#pragma once

#include "app/screen.h"
#include "ui/control.h"

namespace screens {

// The help panel of the VS and edit screens: the framed heading and one line for each
// statistic; the VS screen adds the two fighting styles. Its texts never change.
void build_help_panel(app::Screen& screen, ui::Panel& panel, bool with_styles);

}  // namespace screens
