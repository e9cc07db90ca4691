// Marks laid on a card table: the Poker table's tokens and bet chip, and the end-of-hand marks of Phom,
// drawn as symbols that read the same in every language.

#include <cmath>

#include "Art.h"

namespace artwork {

namespace {

// A round medal hanging from two ribbon tails, its face from `light` to `dark` inside an `edge` rim.
void medal(cairo_t* cr, double cx, double cy, double r, Rgb ribbon, Rgb light, Rgb dark, Rgb edge) {
    setColour(cr, ribbon);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * r * 0.15, cy + r * 0.5);
        cairo_line_to(cr, cx + side * r * 0.95, cy + r * 0.3);
        cairo_line_to(cr, cx + side * r * 1.05, cy + r * 1.6);
        cairo_line_to(cr, cx + side * r * 0.6, cy + r * 1.35);
        cairo_line_to(cr, cx + side * r * 0.3, cy + r * 1.7);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    disc(cr, cx, cy, r);
    verticalGradient(cr, cy - r, cy + r, light, dark);
    cairo_fill_preserve(cr);
    setColour(cr, edge);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    disc(cr, cx, cy, r * 0.78);
    setColour(cr, mix(edge, hex(0xFFFFFF, 0), 0.45));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void star(cairo_t* cr, double cx, double cy, double r, double inner) {
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * inner : r;
        if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

}  // namespace

void paintToken(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.6;
    const ToneColours c = tone(p.tone);
    // A light disc carries a dark letter (the dealer's button); a coloured one a white letter.
    const bool light = p.tone == Tone::Paper || p.tone == Tone::Ice;
    disc(cr, cx, cy, r);
    setColour(cr, light ? hex(0x2A2418) : c.edge);
    cairo_fill(cr);
    disc(cr, cx, cy, r - 1.3);
    if (light) verticalGradient(cr, cy - r, cy + r, hex(0xFFFFFF), hex(0xE6DCC2));
    else verticalGradient(cr, cy - r, cy + r, c.dark, mix(c.dark, c.edge, 0.5));
    cairo_fill(cr);
    text(cr, p.text, cx - r * 0.62, cy - r * 0.62, r * 1.24, r * 1.24, r * 1.5, light ? hex(0x1E1A12) : hex(0xFFFFFF));
}

void paintChip(cairo_t* cr, const Picture& p) {
    // A red casino chip seen from above: white marks around its edge and a white ring inside.
    const double w = p.width, h = p.height, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.4;
    disc(cr, cx, cy, r);
    fillAndStroke(cr, hex(0xD0342A), hex(0x6E1410), 0.7);
    setColour(cr, hex(0xFFFFFF));
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, i * M_PI / 3);
        cairo_rectangle(cr, -r * 0.17, -r + 0.35, r * 0.34, r * 0.38);
        cairo_restore(cr);
    }
    cairo_fill(cr);
    disc(cr, cx, cy, r * 0.5);
    cairo_set_line_width(cr, r * 0.16);
    cairo_stroke(cr);
}

// a: 0 first (a gold medal with a 1), 1 last (a grey medal with a down arrow), 2 no melds (an empty set),
// 3 a full hand (a burst with a star), 4 pays for all (a coin with a minus).
void paintEndMark(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2;
    switch (p.a) {
        case 0:
            medal(cr, cx, h * 0.38, h * 0.34, hex(0xC8362B), hex(0xFFE08A), hex(0xE0961E), hex(0x8A5210));
            text(cr, "1", cx - h * 0.2, h * 0.38 - h * 0.22, h * 0.4, h * 0.44, h * 0.44, hex(0x5A3206));
            break;
        case 1: {
            const double cy = h * 0.38, r = h * 0.34;
            medal(cr, cx, cy, r, hex(0x3E5266), hex(0xD6DDE3), hex(0x8593A0), hex(0x3A4650));
            setColour(cr, hex(0x2A343E));
            line(cr, cx, cy - r * 0.5, cx, cy + r * 0.2, r * 0.24);
            fillTriangle(cr, cx - r * 0.42, cy + r * 0.02, cx + r * 0.42, cy + r * 0.02, cx, cy + r * 0.56);
            break;
        }
        case 2: {  // the empty set: a ring struck through, on a pale disc
            const double cy = h / 2, r = h * 0.42;
            disc(cr, cx, cy, r);
            fillAndStroke(cr, hex(0xF1E6FA), hex(0x3D2260), 1);
            disc(cr, cx, cy, r * 0.55);
            setColour(cr, hex(0x6B3FA0));
            cairo_set_line_width(cr, r * 0.22);
            cairo_stroke(cr);
            cairo_move_to(cr, cx + r * 0.62, cy - r * 0.62);
            cairo_line_to(cr, cx - r * 0.62, cy + r * 0.62);
            cairo_stroke(cr);
            break;
        }
        case 3: {  // a red-orange burst with a gold star
            const double cy = h / 2, r = h * 0.48;
            for (int i = 0; i < 24; ++i) {
                const double a = i * M_PI / 12, rr = i % 2 ? r * 0.72 : r;
                if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
                else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
            }
            cairo_close_path(cr);
            verticalGradient(cr, cy - r, cy + r, hex(0xFF7A3C), hex(0xD42A20));
            cairo_fill_preserve(cr);
            setColour(cr, hex(0x7A1A14));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            star(cr, cx, cy + r * 0.05, r * 0.62, 0.45);
            fillAndStroke(cr, hex(0xFFD84A), hex(0x8A5210), 0.8);
            break;
        }
        default: {  // a copper coin with a red minus: the hand's money paid out
            const double cy = h / 2, r = h * 0.4, coinX = cx - r * 0.3;
            disc(cr, coinX, cy, r);
            verticalGradient(cr, cy - r, cy + r, hex(0xF0B27A), hex(0xB0602A));
            cairo_fill_preserve(cr);
            setColour(cr, hex(0x5E2C0E));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            disc(cr, coinX, cy, r * 0.7);
            setColour(cr, hex(0x5E2C0E, 0.6));
            cairo_set_line_width(cr, 0.9);
            cairo_stroke(cr);
            const double bx = coinX + r * 0.95, by = cy + r * 0.35, br = r * 0.5;
            disc(cr, bx, by, br);
            fillAndStroke(cr, hex(0xD42A20), hex(0xFFFFFF), 1);
            line(cr, bx - br * 0.55, by, bx + br * 0.55, by, br * 0.36);
            break;
        }
    }
}

}  // namespace artwork
