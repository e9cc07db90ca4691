// Font measuring with Cairo's text engine, the same one the Cairo canvas draws with.
#include "platform/backend/CairoText.h"

#include <cmath>
#include <map>
#include <mutex>
#include <string>

namespace zuno::ui {

namespace {

constexpr const char* kFamily = "DejaVu Sans";

cairo_font_face_t* face(bool bold) {
    static cairo_font_face_t* faces[2] = {
        cairo_toy_font_face_create(kFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL),
        cairo_toy_font_face_create(kFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD),
    };
    return faces[bold ? 1 : 0];
}

// A private context for measuring; one per thread, since Cairo contexts are not shared across threads.
cairo_t* measuringContext() {
    thread_local struct Holder {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cairo_t* cr = cairo_create(surface);
        ~Holder() {
            cairo_destroy(cr);
            cairo_surface_destroy(surface);
        }
    } holder;
    return holder.cr;
}

cairo_font_extents_t fontExtents(const Font& font) {
    cairo_t* cr = measuringContext();
    selectCairoFont(cr, font);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    return fe;
}

}  // namespace

void selectCairoFont(cairo_t* cr, const Font& font) {
    cairo_set_font_face(cr, face(font.isBold()));
    cairo_set_font_size(cr, font.pointSize() > 0 ? font.pointSize() : 1);
}

const char* Font::familyName() const { return kFamily; }

double Font::widthOfText(std::string_view text) const {
    if (text.empty()) return 0;
    cairo_t* cr = measuringContext();
    selectCairoFont(cr, *this);
    std::string s(text);
    cairo_text_extents_t te;
    cairo_text_extents(cr, s.c_str(), &te);
    return te.x_advance;
}

Size Font::sizeOfText(std::string_view text) const {
    return {std::ceil(widthOfText(text)), std::ceil(lineHeight())};
}

double Font::lineHeight() const {
    auto fe = fontExtents(*this);
    return fe.ascent + fe.descent;
}

double Font::ascender() const { return fontExtents(*this).ascent; }

double Font::descender() const { return fontExtents(*this).descent; }

}  // namespace zuno::ui

// Fontconfig keeps its configuration and font lists for the whole run and frees them only in FcFini,
// which must not run while Cairo may still use fonts; the leak checker is told not to count them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
