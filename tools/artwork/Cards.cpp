// Card faces, the card back and the deck. Card image numbers follow the card ids: rank * 4 + suit,
// rank 0 "3" up to 11 "A" and 12 "2", suit 0 spade, 1 club, 2 diamond, 3 heart; number 100 stands for 0.

#include <algorithm>
#include <cmath>

#include "Art.h"

namespace artwork {

namespace {

const char* const kRanks[] = {"3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", "2"};

// The suit shapes, centred on (cx, cy) and s points tall; shape alone tells the suit apart.
void suitPath(cairo_t* cr, int suit, double cx, double cy, double s) {
    double h = s / 2;
    cairo_new_path(cr);
    switch (suit) {
    case 0:  // spade: an upturned heart on a flared stem
        cairo_move_to(cr, cx, cy - h);
        cairo_curve_to(cr, cx + h * 0.3, cy - h * 0.45, cx + h * 0.95, cy - h * 0.2, cx + h * 0.9, cy + h * 0.22);
        cairo_curve_to(cr, cx + h * 0.85, cy + h * 0.6, cx + h * 0.3, cy + h * 0.62, cx + h * 0.06, cy + h * 0.3);
        cairo_curve_to(cr, cx + h * 0.1, cy + h * 0.7, cx + h * 0.3, cy + h * 0.9, cx + h * 0.42, cy + h);
        cairo_line_to(cr, cx - h * 0.42, cy + h);
        cairo_curve_to(cr, cx - h * 0.3, cy + h * 0.9, cx - h * 0.1, cy + h * 0.7, cx - h * 0.06, cy + h * 0.3);
        cairo_curve_to(cr, cx - h * 0.3, cy + h * 0.62, cx - h * 0.85, cy + h * 0.6, cx - h * 0.9, cy + h * 0.22);
        cairo_curve_to(cr, cx - h * 0.95, cy - h * 0.2, cx - h * 0.3, cy - h * 0.45, cx, cy - h);
        cairo_close_path(cr);
        break;
    case 1:  // club: three leaves and a stem
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy - h * 0.48, h * 0.42, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx - h * 0.5, cy + h * 0.12, h * 0.42, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + h * 0.5, cy + h * 0.12, h * 0.42, 0, 2 * M_PI);
        cairo_move_to(cr, cx - h * 0.12, cy);
        cairo_curve_to(cr, cx - h * 0.1, cy + h * 0.6, cx - h * 0.25, cy + h * 0.9, cx - h * 0.42, cy + h);
        cairo_line_to(cr, cx + h * 0.42, cy + h);
        cairo_curve_to(cr, cx + h * 0.25, cy + h * 0.9, cx + h * 0.1, cy + h * 0.6, cx + h * 0.12, cy);
        cairo_close_path(cr);
        break;
    case 2:  // diamond
        cairo_move_to(cr, cx, cy - h);
        cairo_curve_to(cr, cx + h * 0.25, cy - h * 0.55, cx + h * 0.5, cy - h * 0.25, cx + h * 0.75, cy);
        cairo_curve_to(cr, cx + h * 0.5, cy + h * 0.25, cx + h * 0.25, cy + h * 0.55, cx, cy + h);
        cairo_curve_to(cr, cx - h * 0.25, cy + h * 0.55, cx - h * 0.5, cy + h * 0.25, cx - h * 0.75, cy);
        cairo_curve_to(cr, cx - h * 0.5, cy - h * 0.25, cx - h * 0.25, cy - h * 0.55, cx, cy - h);
        cairo_close_path(cr);
        break;
    default:  // heart
        cairo_move_to(cr, cx, cy + h);
        cairo_curve_to(cr, cx - h * 0.3, cy + h * 0.6, cx - h * 0.95, cy + h * 0.2, cx - h * 0.92, cy - h * 0.35);
        cairo_curve_to(cr, cx - h * 0.9, cy - h * 0.95, cx - h * 0.15, cy - h * 1.0, cx, cy - h * 0.5);
        cairo_curve_to(cr, cx + h * 0.15, cy - h * 1.0, cx + h * 0.9, cy - h * 0.95, cx + h * 0.92, cy - h * 0.35);
        cairo_curve_to(cr, cx + h * 0.95, cy + h * 0.2, cx + h * 0.3, cy + h * 0.6, cx, cy + h);
        cairo_close_path(cr);
        break;
    }
}

Rgb suitInk(int suit) { return suit >= 2 ? hex(0xC8202A) : hex(0x16161E); }

void suit(cairo_t* cr, int s, double cx, double cy, double size) {
    suitPath(cr, s, cx, cy, size);
    setColour(cr, suitInk(s));
    cairo_fill(cr);
}

}  // namespace

void paintCard(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const int id = p.a == 100 ? 0 : p.a;
    const int rank = id / 4, s = id % 4;
    const Rgb ink = suitInk(s);

    roundedRect(cr, 0.5, 0.5, w - 1, h - 1, w * 0.09);
    verticalGradient(cr, 0, h, hex(0xFFFFFF), hex(0xF1EEE6));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColour(cr, hex(0x8C8A84));
    cairo_stroke(cr);

    // The corner mark, where a fanned hand leaves it visible: a large rank over its suit.
    const double cw = w * 0.38, rh = h * 0.28;
    text(cr, kRanks[rank], w * 0.02, h * 0.03, cw, rh, h * 0.3, ink);
    suit(cr, s, w * 0.02 + cw / 2, h * 0.03 + rh + h * 0.1, h * 0.16);
    // A small turned rank in the far corner, for a card seen upside down.
    cairo_save(cr);
    cairo_translate(cr, w, h);
    cairo_rotate(cr, M_PI);
    text(cr, kRanks[rank], w * 0.04, h * 0.03, w * 0.24, h * 0.16, h * 0.16, ink);
    cairo_restore(cr);

    // The middle: a large suit for number cards and aces, a framed letter over a suit for court cards.
    const double mx = w * 0.6, my = h * 0.48;
    if (rank >= 8 && rank <= 10) {
        roundedRect(cr, w * 0.38, h * 0.14, w * 0.5, h * 0.62, w * 0.06);
        fillAndStroke(cr, mix(ink, hex(0xFFFFFF), 0.88), ink, 1.2);
        text(cr, kRanks[rank], w * 0.4, h * 0.16, w * 0.46, h * 0.3, h * 0.3, ink, Font::Sans, true);
        suit(cr, s, w * 0.63, h * 0.6, h * 0.2);
    } else {
        suit(cr, s, mx, my, rank == 11 ? h * 0.44 : h * 0.36);
    }
}

void paintCardBack(cairo_t* cr, double x, double y, double w, double h) {
    // Lines thin out on a small back, so that its blue still shows between them.
    const double line = std::min(1.0, w / 30);
    roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, w * 0.09);
    fillAndStroke(cr, hex(0xF6F1E4), hex(0x6A6456), line);
    const double m = w * 0.08;
    roundedRect(cr, x + m, y + m, w - 2 * m, h - 2 * m, w * 0.05);
    verticalGradient(cr, y, y + h, hex(0x1F5C8A), hex(0x123A5C));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // A lattice of thin gold diagonals.
    setColour(cr, hex(0xF2B33D, 0.45));
    cairo_set_line_width(cr, 0.8 * line);
    const double step = std::max(w / 7, 3.0);  // a small back keeps its lattice open
    for (double d = -h; d < w + h; d += step) {
        cairo_move_to(cr, x + d, y);
        cairo_line_to(cr, x + d + h, y + h);
        cairo_move_to(cr, x + d, y + h);
        cairo_line_to(cr, x + d + h, y);
    }
    cairo_stroke(cr);
    // A gold medallion with the service's initial, on a back large enough to hold it.
    const double r = std::min(w, h) * 0.22;
    if (r < 4) {
        cairo_restore(cr);
        return;
    }
    cairo_arc(cr, x + w / 2, y + h / 2, r, 0, 2 * M_PI);
    fillAndStroke(cr, hex(0x123A5C), hex(0xF2B33D), 1.4);
    text(cr, "Z", x + w / 2 - r, y + h / 2 - r, 2 * r, 2 * r, r * 1.4, hex(0xF2B33D));
    cairo_restore(cr);
}

void paintDeck(cairo_t* cr, const Picture& p) {
    // Three backs fanned on their side: the deck a player draws from.
    const double ch = p.height * 0.8, cw = ch * 0.75;
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, p.width / 2.0, p.height / 2.0);
        cairo_rotate(cr, (i - 1) * 0.22);
        paintCardBack(cr, -cw / 2 + (i - 1) * 8, -ch / 2, cw, ch);
        cairo_restore(cr);
    }
}

}  // namespace artwork
