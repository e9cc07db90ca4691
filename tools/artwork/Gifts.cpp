// The gifts a player sends at a table: flowers on their stems and drinks, each drawn in its own colours
// on a 40 x 40 grid; `text` names the gift.

#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "Art.h"

namespace artwork {

namespace {

const Rgb kOutline = hex(0x3A2416, 0.75);
const Rgb kStem = hex(0x3E9A46), kLeaf = hex(0x5CBF5A);

void fillAndOutline(cairo_t* cr, Rgb fill, double width = 0.9) {
    fillAndStroke(cr, fill, kOutline, width);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// A stem from the bottom up to the flower's head, with one leaf.
void stem(cairo_t* cr, double top) {
    cairo_move_to(cr, 20, 39);
    cairo_curve_to(cr, 21, 32, 19, 26, 20, top);
    setColour(cr, kStem);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 20.3, 33);
    cairo_curve_to(cr, 24, 27, 29, 27, 31, 28);
    cairo_curve_to(cr, 28, 33, 24, 34, 20.3, 33);
    cairo_close_path(cr);
    fillAndOutline(cr, kLeaf, 0.7);
}

// A flower head seen from the front: n petals round a centre.
struct Head {
    int petals;
    double length, width;
    bool pointed;
    Rgb petal, centre;
    double centreSize;
};

void petal(cairo_t* cr, double length, double width, bool pointed) {
    if (pointed) {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, width * 0.6, -length * 0.3, width * 0.5, -length * 0.75, 0, -length);
        cairo_curve_to(cr, -width * 0.5, -length * 0.75, -width * 0.6, -length * 0.3, 0, 0);
        cairo_close_path(cr);
    } else {
        ellipse(cr, 0, -length / 2, width / 2, length / 2);
    }
}

void head(cairo_t* cr, const Head& f, double cx, double cy, double turn = 0) {
    for (int i = 0; i < f.petals; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, turn + i * 2 * M_PI / f.petals);
        petal(cr, f.length, f.width, f.pointed);
        cairo_restore(cr);
        fillAndOutline(cr, f.petal, 0.6);
    }
    disc(cr, cx, cy, f.centreSize);
    fillAndOutline(cr, f.centre, 0.6);
}

void flower(cairo_t* cr, const Head& f) {
    stem(cr, 16);
    head(cr, f, 20, 14, f.petals % 2 ? 0 : M_PI / f.petals);
}

void rose(cairo_t* cr) {
    stem(cr, 18);
    const Rgb red = hex(0xD8283A);
    // Outer petals, then the furled heart with its spiral.
    ellipse(cr, 20, 15, 10, 9);
    fillAndOutline(cr, mix(red, hex(0x000000), 0.1));
    ellipse(cr, 20, 13.5, 7, 6.5);
    fillAndOutline(cr, red);
    setColour(cr, hex(0x7A0E18));
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, 20, 13.5);
    cairo_arc(cr, 20, 13.5, 1.6, 0, 1.5 * M_PI);
    cairo_arc(cr, 20.4, 13.9, 3.4, 1.5 * M_PI, 2.8 * M_PI);
    cairo_arc(cr, 20, 14, 5.2, 0.8 * M_PI, 1.3 * M_PI);
    cairo_stroke(cr);
    cairo_move_to(cr, 11.5, 18);
    cairo_curve_to(cr, 15, 22, 25, 22, 28.5, 18);
    cairo_stroke(cr);
}

// A cup of petals seen from the side, each tip pointed: a tulip, a lotus, a magnolia.
void cup(cairo_t* cr, int tips, double width, double height, Rgb outer, Rgb inner) {
    const double top = 24 - height, left = 20 - width / 2;
    stem(cr, 24);
    // The petals behind, then the front ones.
    for (int i = 0; i < tips; ++i) {
        const double x = left + width * (i + 0.5) / tips;
        cairo_move_to(cr, x - width / tips * 0.9, 18);
        cairo_curve_to(cr, x - width / tips * 0.6, top + 4, x - 1, top + 1, x, top);
        cairo_curve_to(cr, x + 1, top + 1, x + width / tips * 0.6, top + 4, x + width / tips * 0.9, 18);
        cairo_close_path(cr);
        fillAndOutline(cr, inner, 0.6);
    }
    cairo_move_to(cr, left, top + height * 0.35);
    cairo_curve_to(cr, left, 22, 24 + width / 2 - 4, 27, 20 + width / 2, top + height * 0.35);
    cairo_line_to(cr, 20 + width / 4, top + height * 0.5);
    cairo_line_to(cr, 20, top + height * 0.2);
    cairo_line_to(cr, 20 - width / 4, top + height * 0.5);
    cairo_close_path(cr);
    fillAndOutline(cr, outer);
}

void steam(cairo_t* cr, double x, double y) {
    setColour(cr, hex(0xFFFFFF, 0.85));
    cairo_set_line_width(cr, 1.4);
    for (double dx : {-4.0, 0.0, 4.0}) {
        cairo_move_to(cr, x + dx, y);
        cairo_curve_to(cr, x + dx - 2.5, y - 2.5, x + dx + 2.5, y - 4.5, x + dx, y - 7);
    }
    cairo_stroke(cr);
}

void tea(cairo_t* cr) {
    ellipse(cr, 20, 33, 15, 3.5);  // the saucer
    fillAndOutline(cr, hex(0xF4F1EA));
    cairo_move_to(cr, 8, 17);
    cairo_curve_to(cr, 8, 28, 13, 32, 20, 32);
    cairo_curve_to(cr, 27, 32, 32, 28, 32, 17);
    cairo_close_path(cr);
    fillAndOutline(cr, hex(0xFFFFFF));
    cairo_arc(cr, 33.5, 21.5, 3.5, -M_PI / 2, M_PI / 2);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    ellipse(cr, 20, 17, 12, 2.6);
    fillAndOutline(cr, hex(0xB7C94A));
    setColour(cr, hex(0x3E9A46));
    cairo_rectangle(cr, 11, 22, 18, 2);  // a green band round the cup
    cairo_fill(cr);
    steam(cr, 20, 12);
}

void coffee(cairo_t* cr) {
    roundedRect(cr, 9, 14, 20, 22, 3);
    fillAndOutline(cr, hex(0xE56B3C));
    cairo_arc(cr, 30, 24, 5, -M_PI / 2, M_PI / 2);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    ellipse(cr, 19, 15.5, 9, 2.3);
    fillAndOutline(cr, hex(0x4A2A14));
    // A coffee bean on the mug.
    ellipse(cr, 19, 26, 3.2, 4.4);
    setColour(cr, hex(0x4A2A14));
    cairo_fill(cr);
    cairo_move_to(cr, 19, 22);
    cairo_curve_to(cr, 17.5, 25, 20.5, 27, 19, 30);
    setColour(cr, hex(0xE56B3C));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    steam(cr, 19, 11);
}

void juice(cairo_t* cr) {
    // A tall glass of orange juice with a straw and a slice on the rim.
    cairo_move_to(cr, 21, 2);
    cairo_line_to(cr, 17, 20);
    setColour(cr, hex(0xE23B4B));
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_move_to(cr, 11, 9);
    cairo_line_to(cr, 29, 9);
    cairo_line_to(cr, 27, 38);
    cairo_line_to(cr, 13, 38);
    cairo_close_path(cr);
    fillAndOutline(cr, hex(0xFFFFFF, 0.55));
    cairo_move_to(cr, 11.6, 14);
    cairo_line_to(cr, 28.4, 14);
    cairo_line_to(cr, 26.8, 37.4);
    cairo_line_to(cr, 13.2, 37.4);
    cairo_close_path(cr);
    verticalGradient(cr, 14, 38, hex(0xFFB23C), hex(0xF07818));
    cairo_fill(cr);
    cairo_arc(cr, 29, 9, 6, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillAndOutline(cr, hex(0xFFC43C));
    setColour(cr, hex(0xFFF2B0));
    cairo_set_line_width(cr, 0.8);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, 29, 9);
        cairo_line_to(cr, 29 + 5 * std::cos(M_PI + i * M_PI / 4), 9 + 5 * std::sin(M_PI + i * M_PI / 4));
    }
    cairo_stroke(cr);
}

void coconut(cairo_t* cr) {
    // A green coconut with its top cut open, a straw in it.
    disc(cr, 20, 25, 13);
    fillAndOutline(cr, hex(0x5CA83A));
    ellipse(cr, 20, 14.5, 7, 2.4);
    fillAndOutline(cr, hex(0xF6F1DC));
    cairo_move_to(cr, 21, 14);
    cairo_line_to(cr, 26, 2);
    cairo_line_to(cr, 31, 4);
    setColour(cr, hex(0xF06BA0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    setColour(cr, hex(0x3E7A2A));
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 10, 27);
    cairo_curve_to(cr, 13, 33, 18, 35, 22, 35);
    cairo_stroke(cr);
}

using Painter = std::function<void(cairo_t*)>;

const std::map<std::string, Painter>& painters() {
    auto bloom = [](Head f) { return [f](cairo_t* cr) { flower(cr, f); }; };
    static const std::map<std::string, Painter> all = {
        {"rose", rose},
        {"tulip", [](cairo_t* cr) { cup(cr, 3, 16, 16, hex(0xF0466A), hex(0xC8203E)); }},
        {"lily", bloom({6, 11, 5.5, true, hex(0xFFA65C), hex(0x8A3A10), 2})},
        {"lotus", [](cairo_t* cr) { cup(cr, 5, 26, 15, hex(0xF7A6C8), hex(0xE26A9C)); }},
        {"orchid", bloom({5, 9.5, 8, false, hex(0xC36BD8), hex(0xFFE07A), 3})},
        {"daisy", bloom({14, 10, 3.6, false, hex(0xFFFFFF), hex(0xF6C21C), 4})},
        {"peony",
         [](cairo_t* cr) {
             flower(cr, {8, 11, 9, false, hex(0xF48AB0), hex(0xF48AB0), 0});
             head(cr, {6, 6.5, 6, false, hex(0xE0588E), hex(0xC23A70), 2}, 20, 14);
         }},
        {"aster", bloom({22, 10.5, 2.6, false, hex(0x9A7AE6), hex(0xF6C21C), 3.4})},
        {"camellia", bloom({6, 9, 9, false, hex(0xE03A48), hex(0xFFD84A), 3.4})},
        {"violet", bloom({5, 7.5, 7.5, false, hex(0x7A4FC8), hex(0xFFF2A0), 2})},
        {"sunflower", bloom({16, 12.5, 4.6, true, hex(0xFFC81E), hex(0x6A3A12), 5.5})},
        {"jasmine", bloom({5, 9, 6, true, hex(0xFFFFFF), hex(0xF6D24A), 1.8})},
        {"magnolia", [](cairo_t* cr) { cup(cr, 3, 20, 18, hex(0xFFF0F4), hex(0xE8A6C0)); }},
        {"tea", tea},
        {"coffee", coffee},
        {"juice", juice},
        {"coconut", coconut},
    };
    return all;
}

}  // namespace

void paintGift(cairo_t* cr, const Picture& p) {
    const auto found = painters().find(p.text);
    if (found == painters().end()) return;
    cairo_save(cr);
    cairo_scale(cr, p.width / 40.0, p.height / 40.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    found->second(cr);
    cairo_restore(cr);
}

}  // namespace artwork
