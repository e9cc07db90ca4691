#pragma once

#include <cairo.h>

#include "platform/ui/Font.h"

namespace zuno::ui {

// The one text engine: both measuring (Font) and drawing (CairoCanvas) select fonts through it.
void selectCairoFont(cairo_t* cr, const Font& font);

}  // namespace zuno::ui
