// The pictures of the card tables' bottom-bar roles: what the action button, the second button and the
// pick / options button do at the moment. Each pictogram is designed on a 24 x 24 grid; `text` names it.
// With b = 0 it is drawn in dark ink alone, for the yellow action button; with b = 1 in white on a
// rounded tile of the picture's tone, like the bar's other buttons.

#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "Art.h"

namespace artwork {

namespace {

const Rgb kDarkInk = hex(0x4A2A05);

void card(cairo_t* cr, double x, double y, double w, double h, Rgb ink, Rgb face) {
    roundedRect(cr, x, y, w, h, 1.6);
    fillAndStroke(cr, face, ink, 1.6);
}

void arrowHead(cairo_t* cr, double x, double y, double angle, double size) {
    fillTriangle(cr, x + size * std::cos(angle), y + size * std::sin(angle),
                 x + size * 0.8 * std::cos(angle + 2.3), y + size * 0.8 * std::sin(angle + 2.3),
                 x + size * 0.8 * std::cos(angle - 2.3), y + size * 0.8 * std::sin(angle - 2.3));
}

void eye(cairo_t* cr, double cx, double cy, double r, Rgb ink, Rgb face) {
    cairo_move_to(cr, cx - r, cy);
    cairo_curve_to(cr, cx - r * 0.5, cy - r * 0.75, cx + r * 0.5, cy - r * 0.75, cx + r, cy);
    cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.75, cx - r * 0.5, cy + r * 0.75, cx - r, cy);
    cairo_close_path(cr);
    fillAndStroke(cr, face, ink, 1.5);
    cairo_arc(cr, cx, cy, r * 0.32, 0, 2 * M_PI);
    cairo_fill(cr);
}

// Each pictogram draws with the ink already set; the cards it shows have `face` inside `edge`.
using Pictogram = std::function<void(cairo_t*, Rgb ink, Rgb face, Rgb edge)>;

const std::map<std::string, Pictogram>& pictograms() {
    static const std::map<std::string, Pictogram> all = {
        {"start",
         [](cairo_t* cr, Rgb, Rgb, Rgb) {
             fillTriangle(cr, 7, 4, 20, 12, 7, 20);
         }},
        {"ready",
         [](cairo_t* cr, Rgb, Rgb, Rgb) {
             cairo_move_to(cr, 4, 12.5);
             cairo_line_to(cr, 10, 18.5);
             cairo_line_to(cr, 20.5, 5.5);
             cairo_set_line_width(cr, 3.6);
             cairo_stroke(cr);
         }},
        {"not-ready",  // the ready tick crossed out
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb) {
             cairo_move_to(cr, 2.5, 10.5);
             cairo_line_to(cr, 8, 16);
             cairo_line_to(cr, 17.5, 4);
             cairo_set_line_width(cr, 3.2);
             cairo_stroke(cr);
             cairo_arc(cr, 16.5, 16.5, 6.8, 0, 2 * M_PI);
             cairo_fill(cr);
             setColour(cr, face);
             line(cr, 13.6, 13.6, 19.4, 19.4, 2.2);
             line(cr, 19.4, 13.6, 13.6, 19.4, 2.2);
             setColour(cr, ink);
         }},
        {"play",  // a card leaving the hand upwards
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 7, 9, 10, 13, edge, face);
             setColour(cr, ink);
             line(cr, 12, 8, 12, 3.5, 2.4);
             arrowHead(cr, 12, 2, -M_PI / 2, 3.6);
         }},
        {"pass",  // an arrow jumping over a card: this turn is skipped
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 8, 11, 8, 11, edge, face);
             setColour(cr, ink);
             cairo_move_to(cr, 3, 17);
             cairo_curve_to(cr, 3, 4, 19, 2, 20.5, 13.5);
             cairo_set_line_width(cr, 2.4);
             cairo_stroke(cr);
             arrowHead(cr, 20.8, 16.5, M_PI / 2, 4);
         }},
        {"continue",  // round again
         [](cairo_t* cr, Rgb, Rgb, Rgb) {
             cairo_arc(cr, 12, 12, 7.5, -M_PI * 0.35, M_PI * 1.25);
             cairo_set_line_width(cr, 2.8);
             cairo_stroke(cr);
             arrowHead(cr, 12 + 7.5 * std::cos(-M_PI * 0.35), 12 + 7.5 * std::sin(-M_PI * 0.35), -M_PI * 0.85, 4.4);
         }},
        {"show-all",  // three cards fanned face up
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             for (int i = 0; i < 3; ++i) {
                 cairo_save(cr);
                 cairo_translate(cr, 12, 21);
                 cairo_rotate(cr, (i - 1) * 0.42);
                 card(cr, -4.5, -17, 9, 13, edge, face);
                 cairo_restore(cr);
             }
             setColour(cr, hex(0xC8362B));
             cairo_arc(cr, 16.2, 9.5, 1.6, 0, 2 * M_PI);
             cairo_fill(cr);
         }},
        {"draw",  // one more card from the deck
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 4, 8, 10, 13, edge, face);
             card(cr, 7, 5, 10, 13, edge, face);
             setColour(cr, ink);
             line(cr, 19.5, 3, 19.5, 11, 2.6);
             line(cr, 15.5, 7, 23.5, 7, 2.6);
         }},
        {"eat",  // the card on the table taken into the hand
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 3, 3, 9, 12, edge, face);
             setColour(cr, ink);
             cairo_move_to(cr, 8, 16);
             cairo_curve_to(cr, 8, 20, 12, 21, 16, 20);
             cairo_set_line_width(cr, 2.4);
             cairo_stroke(cr);
             arrowHead(cr, 17.5, 19.6, 0, 3.6);
             roundedRect(cr, 16, 10, 6, 13, 1.2);
             cairo_set_line_width(cr, 1.6);
             cairo_stroke(cr);
         }},
        {"lay-down",  // a meld laid on the table
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             for (int i = 0; i < 3; ++i) card(cr, 2 + i * 6.5, 11, 7.5, 11, edge, face);
             setColour(cr, ink);
             line(cr, 12, 2, 12, 7, 2.4);
             arrowHead(cr, 12, 8.6, M_PI / 2, 3.4);
         }},
        {"send",  // a card sent to another player's meld
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 2, 6, 10, 13, edge, face);
             setColour(cr, ink);
             line(cr, 13, 12.5, 19, 12.5, 2.6);
             arrowHead(cr, 20.5, 12.5, 0, 3.8);
         }},
        {"options",  // three sliders
         [](cairo_t* cr, Rgb, Rgb, Rgb) {
             const double knobs[] = {8, 15, 10};
             for (int i = 0; i < 3; ++i) {
                 const double y = 6 + i * 6;
                 line(cr, 4, y, 20, y, 2);
                 cairo_arc(cr, knobs[i], y, 2.6, 0, 2 * M_PI);
                 cairo_fill(cr);
             }
         }},
        {"pick",  // a fanned hand with one card raised: chosen for you
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             for (int i = 0; i < 3; ++i) {
                 cairo_save(cr);
                 cairo_translate(cr, 12, 23);
                 cairo_rotate(cr, (i - 1) * 0.45);
                 card(cr, -4, i == 1 ? -19.5 : -15, 8, 11, edge, face);
                 cairo_restore(cr);
             }
         }},
        {"stake", [](cairo_t* cr, Rgb ink, Rgb, Rgb) { glyph(cr, Glyph::Coins, 0, 0, 24, 24, ink); }},
        {"show-one",  // one card turned, seen
         [](cairo_t* cr, Rgb ink, Rgb face, Rgb edge) {
             card(cr, 3, 3, 11, 15, edge, face);
             eye(cr, 16, 17, 6.5, edge, face);
         }},
        {"stand",  // enough: the open hand
         [](cairo_t* cr, Rgb ink, Rgb, Rgb) { glyph(cr, Glyph::Hand, 0, 0, 24, 24, ink); }},
        {"stop",  // no more cards to send
         [](cairo_t* cr, Rgb, Rgb, Rgb) {
             for (int i = 0; i < 8; ++i) {
                 const double a = M_PI / 8 + i * M_PI / 4;
                 if (i == 0) cairo_move_to(cr, 12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a));
                 else cairo_line_to(cr, 12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a));
             }
             cairo_close_path(cr);
             cairo_set_line_width(cr, 2.2);
             cairo_stroke(cr);
             line(cr, 8, 12, 16, 12, 3);
         }},
    };
    return all;
}

// Shared by the tile form of both kinds: the bar's other buttons are 30-point rounded tiles.
void tile(cairo_t* cr, const Picture& p) {
    Picture body = p;
    body.kind = Kind::IconButton;
    body.glyph = Glyph::None;
    body.a = 0;
    paintIconButton(cr, body);
}

}  // namespace

void paintBarIcon(cairo_t* cr, const Picture& p) {
    const auto found = pictograms().find(p.text);
    if (found == pictograms().end()) return;
    const bool onTile = p.b == 1;
    if (onTile) tile(cr, p);
    const Rgb ink = onTile ? tone(p.tone).text : kDarkInk;
    const Rgb face = onTile ? hex(0xFFFFFF) : hex(0xFFF6DC);
    const Rgb edge = onTile ? tone(p.tone).edge : kDarkInk;
    const double inset = onTile ? std::min(p.width, p.height) * 0.2 : 0;
    const double side = std::min(p.width, p.height) - 2 * inset;
    const double s = side / 24;
    cairo_save(cr);
    // On a tile the pictogram is centred; beside a caption it keeps to the left, the gap at its right.
    const double left = onTile ? (p.width - side) / 2 : 0;
    cairo_translate(cr, left, (p.height - side) / 2 - (onTile ? 0.5 : 0));
    cairo_scale(cr, s, s);
    setColour(cr, ink);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    found->second(cr, ink, face, edge);
    cairo_restore(cr);
}

}  // namespace artwork
