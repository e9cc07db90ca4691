#pragma once

#include <cairo.h>

#include <string_view>

#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace zuno::ui {

// The one text engine (Pango): measuring (Font) and drawing (CairoCanvas) use the same shaped layouts,
// laid out in points without rounding to pixels, so a measured width is the drawn width at any scale.
// Layouts that are drawn are kept (most recently used first), so an unchanged text is shaped once.

// Draws one line with its line box's top-left corner at the point, in the context's current source
// colour; answers the advance.
double showTextLine(cairo_t* cr, std::string_view text, const Font& font, Point topLeft);

// How many shaped lines are kept now, and how many times a line was shaped (for tests of the cache).
size_t cachedTextLayoutCount();
size_t textShapingCount();

}  // namespace zuno::ui
