#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "Art.h"

namespace artwork {

Rgb hex(unsigned rgb, double alpha) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, alpha};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

void setColour(cairo_t* cr, Rgb c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

ToneColours tone(Tone t) {
    switch (t) {
    case Tone::Gold: return {hex(0xFFD36B), hex(0xD98A1F), hex(0x8A5210), hex(0xFFFFFF)};
    case Tone::Jade: return {hex(0x5FD39A), hex(0x1E8A5A), hex(0x0F5234), hex(0xFFFFFF)};
    case Tone::Sky: return {hex(0x6FB8F2), hex(0x2466B8), hex(0x143C70), hex(0xFFFFFF)};
    case Tone::Coral: return {hex(0xFF8A70), hex(0xC8362B), hex(0x7A1A14), hex(0xFFFFFF)};
    case Tone::Plum: return {hex(0xC08BE8), hex(0x6B3FA0), hex(0x3D2260), hex(0xFFFFFF)};
    case Tone::Slate: return {hex(0x7D93A8), hex(0x3E5266), hex(0x1F2C38), hex(0xFFFFFF)};
    case Tone::Paper: return {hex(0xFFFDF6), hex(0xE9E0C8), hex(0x9C8E6A), hex(0x3A3326)};
    case Tone::Wood: return {hex(0xE8B878), hex(0xB07A3A), hex(0x6A4420), hex(0x3A2410)};
    case Tone::Night: return {hex(0x2B5A78), hex(0x12304A), hex(0x0A1A28), hex(0xFFFFFF)};
    case Tone::Ice: return {hex(0xFFFFFF), hex(0xD8E6F0), hex(0x8CA4B8), hex(0x1C2C3C)};
    }
    return {};
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::max(0.0, std::min({r, w / 2, h / 2}));
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void disc(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void fillAndStroke(cairo_t* cr, Rgb fill, Rgb outline, double width) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, outline);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void fillTriangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void verticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
}

namespace {

const char* family(Font f) {
    switch (f) {
    case Font::Han: return "WenQuanYi Micro Hei";
    case Font::Symbols: return "DejaVu Sans";
    case Font::Sans: break;
    }
    return "DejaVu Sans";
}

// Unhinted outlines and metrics, so that a picture at scale 2 is the picture at scale 1, only sharper.
void setUnhinted(PangoLayout* layout) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
}

}  // namespace

void text(cairo_t* cr, const std::string& s, double x, double y, double w, double h, double size, Rgb colour,
          Font font, bool bold) {
    if (s.empty()) return;
    PangoLayout* layout = pango_cairo_create_layout(cr);
    setUnhinted(layout);
    pango_layout_set_text(layout, s.c_str(), -1);
    PangoRectangle ink{}, logical{};
    for (double points = size; points >= 3; points *= 0.94) {
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, family(font));
        pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_absolute_size(desc, points * PANGO_SCALE);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(desc);
        pango_layout_get_extents(layout, &ink, &logical);
        if (ink.width <= w * PANGO_SCALE && ink.height <= h * PANGO_SCALE) break;
    }
    double inkX = double(ink.x) / PANGO_SCALE, inkY = double(ink.y) / PANGO_SCALE;
    double inkW = double(ink.width) / PANGO_SCALE, inkH = double(ink.height) / PANGO_SCALE;
    cairo_save(cr);
    cairo_move_to(cr, x + (w - inkW) / 2 - inkX, y + (h - inkH) / 2 - inkY);
    setColour(cr, colour);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
}

void caption(cairo_t* cr, const std::string& s, double x, double y, double w, double h, double size, Rgb colour) {
    // Light text sits on a dark shadow, dark text on a light one, as if pressed into the button.
    const bool dark = colour.r + colour.g + colour.b < 1.5;
    text(cr, s, x, y + 0.8, w, h, size, dark ? hex(0xFFFFFF, 0.35) : hex(0x000000, 0.45));
    text(cr, s, x, y, w, h, size, colour);
}

void paint(cairo_t* cr, const Picture& p) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (p.kind) {
    case Kind::Background: paintBackground(cr, p); break;
    case Kind::Panel: paintPanel(cr, p); break;
    case Kind::Bar: paintBar(cr, p); break;
    case Kind::Field: paintField(cr, p); break;
    case Kind::Button: paintButton(cr, p); break;
    case Kind::Tab: paintTab(cr, p); break;
    case Kind::Toggle: paintToggle(cr, p); break;
    case Kind::IconButton: paintIconButton(cr, p); break;
    case Kind::Icon: glyph(cr, p.glyph, 0, 0, p.width, p.height, tone(p.tone).light); break;
    case Kind::Tile: paintTile(cr, p); break;
    case Kind::Card: paintCard(cr, p); break;
    case Kind::CardBack: paintCardBack(cr, 0, 0, p.width, p.height); break;
    case Kind::Deck: paintDeck(cr, p); break;
    case Kind::XiangqiPiece: paintXiangqiPiece(cr, p); break;
    case Kind::XiangqiBoard: paintXiangqiBoard(cr, p); break;
    case Kind::ChessPiece: paintChessPiece(cr, p); break;
    case Kind::ChessBoard: paintChessBoard(cr, p); break;
    case Kind::Marker: paintMarker(cr, p); break;
    case Kind::Stone: paintStone(cr, p); break;
    case Kind::CaroGrid: paintCaroGrid(cr, p); break;
    case Kind::Block: paintBlock(cr, p); break;
    case Kind::Well: paintWell(cr, p); break;
    case Kind::Timer: paintTimer(cr, p); break;
    case Kind::Bubble: paintBubble(cr, p); break;
    case Kind::Face: paintFace(cr, p); break;
    case Kind::Badge: paintBadge(cr, p); break;
    case Kind::Medal: paintMedal(cr, p); break;
    case Kind::Logo: paintLogo(cr, p); break;
    case Kind::Avatar: paintAvatar(cr, p); break;
    case Kind::Seat: paintSeat(cr, p); break;
    case Kind::TableTop: paintTableTop(cr, p); break;
    case Kind::RoomLevel: paintRoomLevel(cr, p); break;
    case Kind::Occupancy: paintOccupancy(cr, p); break;
    case Kind::Flag: paintFlag(cr, p); break;
    case Kind::Slider: paintSlider(cr, p); break;
    case Kind::FigurePart: paintFigurePart(cr, p); break;
    case Kind::BarIcon: paintBarIcon(cr, p); break;
    case Kind::Token: paintToken(cr, p); break;
    case Kind::Chip: paintChip(cr, p); break;
    case Kind::EndMark: paintEndMark(cr, p); break;
    case Kind::Gift: paintGift(cr, p); break;
    }
    cairo_restore(cr);
}

}  // namespace artwork
