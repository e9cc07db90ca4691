// The pictograms, each designed on a 24 x 24 grid and scaled into its box.

#include <cmath>

#include "Art.h"

namespace artwork {

namespace {

void circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

void person(cairo_t* cr, double x, double y, double s) {
    circle(cr, x, y - 4 * s, 3.6 * s);
    cairo_move_to(cr, x - 7 * s, y + 8 * s);
    cairo_curve_to(cr, x - 7 * s, y + 1 * s, x - 4 * s, y, x, y);
    cairo_curve_to(cr, x + 4 * s, y, x + 7 * s, y + 1 * s, x + 7 * s, y + 8 * s);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void envelope(cairo_t* cr, bool open) {
    roundedRect(cr, 3, 7, 18, 13, 1.5);
    cairo_stroke(cr);
    if (open) {
        cairo_move_to(cr, 3, 8);
        cairo_line_to(cr, 12, 2);
        cairo_line_to(cr, 21, 8);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 3.5, 8);
    cairo_line_to(cr, 12, 14);
    cairo_line_to(cr, 20.5, 8);
    cairo_stroke(cr);
}

void cart(cairo_t* cr) {
    cairo_move_to(cr, 2, 4);
    cairo_line_to(cr, 5, 4);
    cairo_line_to(cr, 7.5, 15);
    cairo_line_to(cr, 18, 15);
    cairo_line_to(cr, 20.5, 7);
    cairo_line_to(cr, 6, 7);
    cairo_stroke(cr);
    circle(cr, 9, 19, 1.7);
    circle(cr, 17, 19, 1.7);
    cairo_fill(cr);
}

void coin(cairo_t* cr, double x, double y, double r) {
    circle(cr, x, y, r);
    cairo_stroke(cr);
    circle(cr, x, y, r * 0.55);
    cairo_stroke(cr);
}

}  // namespace

void glyph(cairo_t* cr, Glyph g, double x, double y, double w, double h, Rgb ink) {
    if (g == Glyph::None) return;
    cairo_save(cr);
    const double s = std::min(w, h) / 24;
    cairo_translate(cr, x + (w - 24 * s) / 2, y + (h - 24 * s) / 2);
    cairo_scale(cr, s, s);
    setColour(cr, ink);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (g) {
    case Glyph::None: break;
    case Glyph::Back:
        cairo_move_to(cr, 14, 5);
        cairo_line_to(cr, 7, 12);
        cairo_line_to(cr, 14, 19);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        break;
    case Glyph::Menu:
        for (double yy : {6.0, 12.0, 18.0}) {
            cairo_move_to(cr, 5, yy);
            cairo_line_to(cr, 19, yy);
        }
        cairo_set_line_width(cr, 2.6);
        cairo_stroke(cr);
        break;
    case Glyph::Close:
        cairo_move_to(cr, 6, 6);
        cairo_line_to(cr, 18, 18);
        cairo_move_to(cr, 18, 6);
        cairo_line_to(cr, 6, 18);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        break;
    case Glyph::Lock:
        roundedRect(cr, 5, 10, 14, 11, 2);
        cairo_fill(cr);
        cairo_arc(cr, 12, 10, 4.5, M_PI, 2 * M_PI);
        cairo_stroke(cr);
        break;
    case Glyph::Invite:
    case Glyph::PersonAdd:
        person(cr, 9, 12, 0.9);
        cairo_fill(cr);
        cairo_move_to(cr, 19, 5);
        cairo_line_to(cr, 19, 13);
        cairo_move_to(cr, 15, 9);
        cairo_line_to(cr, 23, 9);
        cairo_stroke(cr);
        break;
    case Glyph::WhiteFlag:
        cairo_move_to(cr, 6, 21);
        cairo_line_to(cr, 6, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, 6, 4);
        cairo_curve_to(cr, 11, 1, 14, 7, 20, 4);
        cairo_line_to(cr, 20, 13);
        cairo_curve_to(cr, 14, 16, 11, 10, 6, 13);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case Glyph::Draw:  // two equal halves: a level scale
        cairo_move_to(cr, 12, 4);
        cairo_line_to(cr, 12, 20);
        cairo_move_to(cr, 7, 20);
        cairo_line_to(cr, 17, 20);
        cairo_move_to(cr, 4, 7);
        cairo_line_to(cr, 20, 7);
        cairo_stroke(cr);
        cairo_arc(cr, 5, 12, 3.5, 0, M_PI);
        cairo_close_path(cr);
        cairo_arc(cr, 19, 12, 3.5, 0, M_PI);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_move_to(cr, 5, 7);
        cairo_line_to(cr, 2, 12);
        cairo_move_to(cr, 5, 7);
        cairo_line_to(cr, 8, 12);
        cairo_move_to(cr, 19, 7);
        cairo_line_to(cr, 16, 12);
        cairo_move_to(cr, 19, 7);
        cairo_line_to(cr, 22, 12);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        break;
    case Glyph::Coin:
        coin(cr, 12, 12, 9);
        break;
    case Glyph::Coins:  // a stack of coins seen from the side
        for (int i = 0; i < 4; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 12, 19 - i * 4.2);
            cairo_scale(cr, 8, 3);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill_preserve(cr);
            cairo_save(cr);
            setColour(cr, hex(0x000000, 0.35));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        break;
    case Glyph::Clock:
        circle(cr, 12, 12, 9);
        cairo_stroke(cr);
        cairo_move_to(cr, 12, 6.5);
        cairo_line_to(cr, 12, 12);
        cairo_line_to(cr, 16, 14.5);
        cairo_stroke(cr);
        break;
    case Glyph::CartAdd:
    case Glyph::CartRemove:
        cart(cr);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 10, 11);
        cairo_line_to(cr, 16, 11);
        if (g == Glyph::CartAdd) {
            cairo_move_to(cr, 13, 8);
            cairo_line_to(cr, 13, 14);
        }
        cairo_stroke(cr);
        break;
    case Glyph::Server:
        for (double yy : {3.0, 10.0, 17.0}) {
            roundedRect(cr, 4, yy, 16, 5.5, 1.5);
            cairo_stroke(cr);
            circle(cr, 16.5, yy + 2.75, 1);
            cairo_fill(cr);
        }
        break;
    case Glyph::Crown:
        cairo_move_to(cr, 3, 18);
        cairo_line_to(cr, 3, 7);
        cairo_line_to(cr, 8, 12);
        cairo_line_to(cr, 12, 4);
        cairo_line_to(cr, 16, 12);
        cairo_line_to(cr, 21, 7);
        cairo_line_to(cr, 21, 18);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_rectangle(cr, 3, 19.5, 18, 2.5);
        cairo_fill(cr);
        break;
    case Glyph::Check:
        cairo_move_to(cr, 4, 12.5);
        cairo_line_to(cr, 10, 18.5);
        cairo_line_to(cr, 20.5, 6);
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
        break;
    case Glyph::Star:
        star(cr, 12, 12.8, 10.5);
        cairo_fill(cr);
        break;
    case Glyph::Trophy:
        cairo_move_to(cr, 6, 3);
        cairo_line_to(cr, 18, 3);
        cairo_curve_to(cr, 18, 12, 15, 14, 12, 14);
        cairo_curve_to(cr, 9, 14, 6, 12, 6, 3);
        cairo_fill(cr);
        cairo_arc(cr, 6, 7, 3, M_PI / 2, 3 * M_PI / 2);
        cairo_stroke(cr);
        cairo_arc_negative(cr, 18, 7, 3, M_PI / 2, -M_PI / 2);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10.5, 14, 3, 4);
        cairo_rectangle(cr, 7, 18, 10, 3);
        cairo_fill(cr);
        break;
    case Glyph::MailClosed: envelope(cr, false); break;
    case Glyph::MailOpen: envelope(cr, true); break;
    case Glyph::Person:
        person(cr, 12, 12, 1.2);
        cairo_fill(cr);
        break;
    case Glyph::People:
        person(cr, 8, 13, 0.85);
        cairo_fill(cr);
        person(cr, 16, 11, 0.95);
        cairo_fill(cr);
        break;
    case Glyph::CreditCard:
        roundedRect(cr, 2, 5, 20, 14, 2);
        cairo_stroke(cr);
        cairo_rectangle(cr, 2, 8.5, 20, 3);
        cairo_fill(cr);
        cairo_move_to(cr, 5, 15.5);
        cairo_line_to(cr, 10, 15.5);
        cairo_stroke(cr);
        break;
    case Glyph::Bomb:
        circle(cr, 11, 14, 7.5);
        cairo_fill(cr);
        cairo_move_to(cr, 15, 8);
        cairo_curve_to(cr, 17, 4, 19, 5, 20, 3);
        cairo_stroke(cr);
        star(cr, 20.5, 2.8, 2.8);
        cairo_fill(cr);
        break;
    case Glyph::Pennant:
        cairo_move_to(cr, 6, 22);
        cairo_line_to(cr, 6, 2);
        cairo_stroke(cr);
        cairo_move_to(cr, 6, 3);
        cairo_line_to(cr, 20, 8);
        cairo_line_to(cr, 6, 13);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case Glyph::Dot:
        circle(cr, 12, 12, 7);
        cairo_fill(cr);
        break;
    case Glyph::ArrowDown:
        cairo_move_to(cr, 12, 2);
        cairo_line_to(cr, 12, 20);
        cairo_move_to(cr, 5, 13);
        cairo_line_to(cr, 12, 20);
        cairo_line_to(cr, 19, 13);
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
        break;
    case Glyph::Cards:
        for (int i = 0; i < 3; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 12, 20);
            cairo_rotate(cr, (i - 1) * 0.35);
            roundedRect(cr, -5, -16, 10, 14, 1.5);
            cairo_restore(cr);
            setColour(cr, hex(0xFFFFFF));
            cairo_fill_preserve(cr);
            setColour(cr, ink);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        break;
    case Glyph::Gear:
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            cairo_move_to(cr, 12 + 6 * std::cos(a), 12 + 6 * std::sin(a));
            cairo_line_to(cr, 12 + 10 * std::cos(a), 12 + 10 * std::sin(a));
        }
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
        circle(cr, 12, 12, 6.5);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        break;
    case Glyph::Gift:
        cairo_rectangle(cr, 4, 10, 16, 11);
        cairo_rectangle(cr, 3, 7, 18, 3.5);
        cairo_fill(cr);
        setColour(cr, hex(0xFFFFFF, 0.85));
        cairo_rectangle(cr, 11, 7, 2, 14);
        cairo_fill(cr);
        setColour(cr, ink);
        cairo_move_to(cr, 12, 7);
        cairo_curve_to(cr, 8, 1, 4, 5, 12, 7);
        cairo_move_to(cr, 12, 7);
        cairo_curve_to(cr, 16, 1, 20, 5, 12, 7);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        break;
    case Glyph::Bag:  // a tied money sack
        cairo_save(cr);
        cairo_translate(cr, 12, 15.5);
        cairo_scale(cr, 8.5, 6.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
        cairo_move_to(cr, 9.5, 9.5);
        cairo_line_to(cr, 7, 3);
        cairo_line_to(cr, 12, 5.5);
        cairo_line_to(cr, 17, 3);
        cairo_line_to(cr, 14.5, 9.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        text(cr, "$", 8, 10.5, 8, 10, 9, hex(0x000000, 0.45));
        break;
    case Glyph::Chart:
        cairo_rectangle(cr, 4, 13, 4, 8);
        cairo_rectangle(cr, 10, 7, 4, 14);
        cairo_rectangle(cr, 16, 3, 4, 18);
        cairo_fill(cr);
        break;
    case Glyph::Hand:
        roundedRect(cr, 6, 9, 12, 12, 4);
        cairo_fill(cr);
        for (int i = 0; i < 4; ++i) {
            roundedRect(cr, 6.2 + i * 3, 3 + (i == 0 || i == 3 ? 2 : 0), 2.4, 9, 1.2);
            cairo_fill(cr);
        }
        break;
    }
    cairo_restore(cr);
}

}  // namespace artwork
