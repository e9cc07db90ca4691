#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string_view>

#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace zuno::ui {

// The one text engine (Pango): measuring (Font) and drawing (CairoCanvas) use the same shaped layouts,
// laid out in points without rounding to pixels, so a measured width is the drawn width at any scale.
// Layouts that are drawn are kept with their glyph masks, so an unchanged text is shaped once, within a
// limit of bytes (each thread that draws has its own): the least recently drawn go first.

// One line placed for drawing under the context's current transform, its line box's top-left corner
// at a point: its advance and where it paints. Good until the next line is placed.
struct TextLine {
    double advance = 0;
    Rect deviceInk;         // in device pixels; empty when nowhere
    bool fromMask = false;  // laid down from its kept mask on whole pixels (upright text)
    PangoLayout* layout = nullptr;
    Point origin;                      // of the layout, in the current coordinates
    cairo_pattern_t* mask = nullptr;   // of the mask's surface
    double maskX = 0, maskY = 0;       // where the mask's corner lands, in device pixels
};
TextLine placeTextLine(cairo_t* cr, std::string_view text, const Font& font, Point topLeft);
// Draws a placed line in the context's current source colour.
void drawTextLine(cairo_t* cr, const TextLine& line);
// Places and draws one line; answers the advance.
double showTextLine(cairo_t* cr, std::string_view text, const Font& font, Point topLeft);

// How many shaped lines are kept now, and how many times a line was shaped (for tests of the cache).
size_t cachedTextLayoutCount();
size_t textShapingCount();
// The limit of this thread's kept lines, and what they hold now: estimates of the shaped lines' bytes
// and the glyph masks' own.
constexpr size_t kDefaultTextLayoutLimit = 4u << 20;
void setTextLayoutLimit(size_t bytes);
size_t cachedTextLayoutBytes();

}  // namespace zuno::ui
