// The pictograms, each designed on a 24 x 24 grid and scaled into its box.

#include <cmath>
#include <utility>

#include "Art.h"

namespace artwork {

namespace {

void person(cairo_t* cr, double x, double y, double s) {
    disc(cr, x, y - 4 * s, 3.6 * s);
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
    disc(cr, 9, 19, 1.7);
    disc(cr, 17, 19, 1.7);
    cairo_fill(cr);
}

void coin(cairo_t* cr, double x, double y, double r) {
    disc(cr, x, y, r);
    cairo_stroke(cr);
    disc(cr, x, y, r * 0.55);
    cairo_stroke(cr);
}

// Coins seen from the side, each an ellipsis (radii rx, ry) with a dark rim, from the lowest at
// (x, y) upwards by `step`.
void coinStack(cairo_t* cr, int count, double x, double y, double step, double rx, double ry) {
    for (int i = 0; i < count; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x, y - i * step);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        setColour(cr, hex(0x000000, 0.35));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
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
        line(cr, 18, 6, 6, 18, 3);
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
        line(cr, 19, 7, 22, 12, 1.2);
        break;
    case Glyph::Coin:
        coin(cr, 12, 12, 9);
        break;
    case Glyph::Coins:  // a stack of coins seen from the side
        coinStack(cr, 4, 12, 19, 4.2, 8, 3);
        break;
    case Glyph::Clock:
        disc(cr, 12, 12, 9);
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
            disc(cr, 16.5, yy + 2.75, 1);
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
        disc(cr, 11, 14, 7.5);
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
        fillTriangle(cr, 6, 3, 20, 8, 6, 13);
        break;
    case Glyph::Dot:
        disc(cr, 12, 12, 7);
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
            fillAndStroke(cr, hex(0xFFFFFF), ink, 1.5);
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
        disc(cr, 12, 12, 6.5);
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
    case Glyph::Book:  // an open book
        for (int side : {-1, 1}) {
            cairo_move_to(cr, 12, 6);
            cairo_curve_to(cr, 12 + side * 3, 4, 12 + side * 7, 4, 12 + side * 9.5, 5);
            cairo_line_to(cr, 12 + side * 9.5, 19);
            cairo_curve_to(cr, 12 + side * 7, 18, 12 + side * 3, 18, 12, 20);
            cairo_close_path(cr);
        }
        cairo_move_to(cr, 12, 6);
        cairo_line_to(cr, 12, 20);
        cairo_stroke(cr);
        for (double yy : {9.0, 12.0, 15.0}) {
            for (int side : {-1, 1}) {
                cairo_move_to(cr, 12 + side * 3, yy);
                cairo_line_to(cr, 12 + side * 7, yy - 0.4);
            }
        }
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        break;
    case Glyph::Document:  // a page of rules with a folded corner
        cairo_move_to(cr, 5.5, 2.5);
        cairo_line_to(cr, 14.5, 2.5);
        cairo_line_to(cr, 19.5, 7.5);
        cairo_line_to(cr, 19.5, 21.5);
        cairo_line_to(cr, 5.5, 21.5);
        cairo_close_path(cr);
        cairo_move_to(cr, 14.5, 2.5);
        cairo_line_to(cr, 14.5, 7.5);
        cairo_line_to(cr, 19.5, 7.5);
        cairo_stroke(cr);
        for (double yy : {11.0, 14.5, 18.0}) {
            cairo_move_to(cr, 9, yy);
            cairo_line_to(cr, 16, yy);
        }
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        break;
    case Glyph::Speech:  // a speech bubble with three dots
        roundedRect(cr, 2.5, 3.5, 19, 13, 4.5);
        cairo_stroke(cr);
        cairo_move_to(cr, 7, 16.5);
        cairo_line_to(cr, 5.5, 21.5);
        cairo_line_to(cr, 12, 16.5);
        cairo_stroke(cr);
        for (double xx : {7.5, 12.0, 16.5}) disc(cr, xx, 10, 1.5);
        cairo_fill(cr);
        break;
    case Glyph::Phone:  // a telephone handset
        cairo_move_to(cr, 7, 3);
        cairo_line_to(cr, 9.8, 3);
        cairo_line_to(cr, 11.6, 8.2);
        cairo_line_to(cr, 9.3, 10);
        cairo_curve_to(cr, 10.4, 12.2, 11.8, 13.6, 14, 14.7);
        cairo_line_to(cr, 15.8, 12.4);
        cairo_line_to(cr, 21, 14.2);
        cairo_line_to(cr, 21, 17);
        cairo_curve_to(cr, 21, 19.5, 19, 21, 16.5, 21);
        cairo_curve_to(cr, 9, 20.5, 3.5, 15, 3, 7.5);
        cairo_curve_to(cr, 3, 5, 4.5, 3, 7, 3);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case Glyph::TellFriend:  // a person speaking
        person(cr, 8.5, 13.5, 0.9);
        cairo_fill(cr);
        roundedRect(cr, 13, 2, 10, 7.5, 2.5);
        fillTriangle(cr, 15, 9, 13.5, 12.5, 18.5, 9);
        break;
    case Glyph::Logout:  // an arrow leaving through a door
        cairo_move_to(cr, 13, 7);
        cairo_line_to(cr, 13, 3);
        cairo_line_to(cr, 4, 3);
        cairo_line_to(cr, 4, 21);
        cairo_line_to(cr, 13, 21);
        cairo_line_to(cr, 13, 17);
        cairo_stroke(cr);
        cairo_move_to(cr, 9, 12);
        cairo_line_to(cr, 21, 12);
        cairo_move_to(cr, 17, 8);
        cairo_line_to(cr, 21, 12);
        cairo_line_to(cr, 17, 16);
        cairo_set_line_width(cr, 2.6);
        cairo_stroke(cr);
        break;
    case Glyph::CardFan:  // three playing cards, the front one a spade, the right one a heart
        for (double turn : {-0.38, 0.38, 0.0}) {
            cairo_save(cr);
            cairo_translate(cr, 12, 21);
            cairo_rotate(cr, turn);
            roundedRect(cr, -5.5, -17, 11, 15, 1.6);
            fillAndStroke(cr, hex(0xFFFFFF), hex(0x000000, 0.35), 0.8);
            if (turn > 0) text(cr, "♥", 0.5, -16.5, 4.5, 4.5, 4.5, hex(0xD42A20), Font::Symbols);
            if (turn == 0) text(cr, "♠", -4, -14.5, 8, 10, 10, hex(0x23232B), Font::Symbols);
            cairo_restore(cr);
        }
        break;
    case Glyph::Calendar:  // a calendar page with a star on the day
        roundedRect(cr, 3, 5, 18, 16.5, 2);
        cairo_stroke(cr);
        cairo_rectangle(cr, 3, 5, 18, 4.5);
        cairo_fill(cr);
        cairo_move_to(cr, 8, 2.5);
        cairo_line_to(cr, 8, 6.5);
        cairo_move_to(cr, 16, 2.5);
        cairo_line_to(cr, 16, 6.5);
        cairo_stroke(cr);
        star(cr, 12, 15.4, 4.6);
        cairo_fill(cr);
        break;
    case Glyph::ShoppingBag:
        cairo_move_to(cr, 4.5, 8.5);
        cairo_line_to(cr, 19.5, 8.5);
        cairo_line_to(cr, 20.5, 21.5);
        cairo_line_to(cr, 3.5, 21.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_arc(cr, 12, 8.5, 4, M_PI, 2 * M_PI);
        cairo_stroke(cr);
        break;
    case Glyph::XiangqiDisc: {  // a red general of Co Tuong
        const Rgb red = hex(0xC0261E);
        disc(cr, 12, 12, 10.5);
        cairo_fill(cr);
        disc(cr, 12, 12, 8.3);
        setColour(cr, red);
        cairo_set_line_width(cr, 1.1);
        cairo_stroke(cr);
        text(cr, "帥", 6, 6, 12, 12, 12, red, Font::Han, true);
        break;
    }
    case Glyph::ChessKnight:
        cairo_translate(cr, -1.5, -2.5);
        cairo_scale(cr, 0.9, 0.9);
        chessPieceOutline(cr, 2);
        cairo_fill(cr);
        setColour(cr, hex(0x000000, 0.45));
        chessPieceDetail(cr, 2);
        break;
    case Glyph::XO:
        cairo_move_to(cr, 3, 3);
        cairo_line_to(cr, 11, 11);
        line(cr, 11, 3, 3, 11, 2.8);
        disc(cr, 16.5, 16.5, 4.6);
        cairo_set_line_width(cr, 2.8);
        cairo_stroke(cr);
        break;
    case Glyph::Blocks:  // a stack of falling-block cells
        for (const auto& cell : {std::pair{1, 0}, std::pair{1, 1}, std::pair{0, 2}, std::pair{1, 2}, std::pair{2, 2}}) {
            roundedRect(cr, 2.6 + cell.first * 6.6, 2.6 + cell.second * 6.6, 5.8, 5.8, 1);
        }
        cairo_fill(cr);
        break;
    case Glyph::PokerChip:
        disc(cr, 12, 12, 10.5);
        cairo_fill(cr);
        setColour(cr, hex(0x000000, 0.35));
        for (int i = 0; i < 6; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 12, 12);
            cairo_rotate(cr, i * M_PI / 3);
            cairo_rectangle(cr, -1.6, -10.5, 3.2, 3.4);
            cairo_restore(cr);
        }
        cairo_fill(cr);
        disc(cr, 12, 12, 5.6);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        break;
    case Glyph::Plus:
        cairo_move_to(cr, 12, 4);
        cairo_line_to(cr, 12, 20);
        line(cr, 4, 12, 20, 12, 4);
        break;
    case Glyph::Cat: {
        const Rgb features = hex(0x3A2410);
        disc(cr, 12, 14, 8.5);
        cairo_move_to(cr, 4.2, 11);
        cairo_line_to(cr, 5, 2.5);
        cairo_line_to(cr, 10.5, 7);
        cairo_close_path(cr);
        cairo_move_to(cr, 19.8, 11);  // clockwise like the head, so the ear does not punch a hole in it
        cairo_line_to(cr, 13.5, 7);
        cairo_line_to(cr, 19, 2.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        setColour(cr, features);
        for (double xx : {8.6, 15.4}) {
            cairo_save(cr);
            cairo_translate(cr, xx, 12.6);
            cairo_scale(cr, 1.1, 1.7);
            disc(cr, 0, 0, 1);
            cairo_restore(cr);
        }
        cairo_fill(cr);
        cairo_move_to(cr, 10.8, 15.6);
        cairo_line_to(cr, 13.2, 15.6);
        cairo_line_to(cr, 12, 17);
        cairo_close_path(cr);
        setColour(cr, hex(0xE2506A));
        cairo_fill(cr);
        setColour(cr, features);
        cairo_set_line_width(cr, 0.8);
        cairo_move_to(cr, 12, 17);
        cairo_curve_to(cr, 11.5, 18.6, 10, 18.6, 9.6, 17.8);
        cairo_move_to(cr, 12, 17);
        cairo_curve_to(cr, 12.5, 18.6, 14, 18.6, 14.4, 17.8);
        for (int side : {-1, 1}) {
            for (double dy : {-0.8, 0.8}) {
                cairo_move_to(cr, 12 + side * 3.5, 16.2 + dy * 0.5);
                cairo_line_to(cr, 12 + side * 9.5, 15.6 + dy * 2);
            }
        }
        cairo_stroke(cr);
        break;
    }
    case Glyph::Robot: {
        const Rgb dark = hex(0x1F2C38);
        line(cr, 12, 6.5, 12, 3.5, 1.4);
        disc(cr, 12, 2.8, 1.6);
        roundedRect(cr, 4.5, 6.5, 15, 13, 3);
        cairo_rectangle(cr, 2.5, 10.5, 2.5, 5);
        cairo_rectangle(cr, 19, 10.5, 2.5, 5);
        cairo_fill(cr);
        setColour(cr, dark);
        roundedRect(cr, 6.5, 9, 11, 5, 2.5);
        cairo_fill(cr);
        setColour(cr, hex(0x4FD8F5));
        disc(cr, 9.5, 11.5, 1.3);
        disc(cr, 14.5, 11.5, 1.3);
        cairo_fill(cr);
        setColour(cr, dark);
        for (double xx : {9.0, 11.0, 13.0, 15.0}) cairo_rectangle(cr, xx - 0.4, 15.6, 0.8, 2.2);
        cairo_fill(cr);
        break;
    }
    case Glyph::Refresh:  // an arrow going round
        cairo_arc(cr, 12, 12.5, 7.5, -M_PI * 0.2, M_PI * 1.5);
        cairo_set_line_width(cr, 2.8);
        cairo_stroke(cr);
        fillTriangle(cr, 17, 5, 11, 0.8, 11, 9.2);
        break;
    case Glyph::Transfer:  // a stack of coins sent off to the right
        coinStack(cr, 3, 8, 19, 4, 6.5, 2.6);
        line(cr, 14, 8.5, 19, 8.5, 3);
        fillTriangle(cr, 23.5, 8.5, 17.5, 3, 17.5, 14);
        break;
    case Glyph::Play:  // start playing at once
        cairo_move_to(cr, 7, 3.5);
        cairo_line_to(cr, 20.5, 12);
        cairo_line_to(cr, 7, 20.5);
        cairo_close_path(cr);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case Glyph::Bin:  // a waste bin with its lid
        cairo_move_to(cr, 3.5, 6);
        cairo_line_to(cr, 20.5, 6);
        cairo_stroke(cr);
        roundedRect(cr, 9, 2.5, 6, 3.5, 1);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        cairo_move_to(cr, 5.5, 8);
        cairo_line_to(cr, 18.5, 8);
        cairo_line_to(cr, 17.2, 21.5);
        cairo_line_to(cr, 6.8, 21.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        setColour(cr, hex(0x000000, 0.3));
        for (double xx : {9.3, 12.0, 14.7}) {
            cairo_move_to(cr, xx, 10.5);
            cairo_line_to(cr, xx, 19);
        }
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        break;
    case Glyph::Sms:  // a phone sending a text message
        roundedRect(cr, 3, 6, 10, 16.5, 2);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        line(cr, 6.5, 19.5, 9.5, 19.5, 1.4);
        roundedRect(cr, 10.5, 1.5, 12.5, 9, 2.5);
        fillTriangle(cr, 12.5, 10, 11, 14, 16, 10);
        setColour(cr, hex(0x000000, 0.35));
        for (double xx : {13.7, 16.75, 19.8}) disc(cr, xx, 6, 1.1);
        cairo_fill(cr);
        break;
    case Glyph::ScratchCard:  // a card with its strip half scratched off by a coin
        roundedRect(cr, 1, 3, 22, 16, 2);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        for (double xx : {4.8, 8.0, 11.2}) disc(cr, xx, 11, 1.4);
        cairo_fill(cr);
        cairo_move_to(cr, 13.5, 7.5);
        cairo_line_to(cr, 20, 7.5);
        cairo_line_to(cr, 20, 14.5);
        cairo_line_to(cr, 13.5, 14.5);
        for (double yy = 14.5; yy > 8; yy -= 1.75) {
            cairo_line_to(cr, 14.8, yy - 0.875);
            cairo_line_to(cr, 13.5, yy - 1.75);
        }
        cairo_close_path(cr);
        cairo_fill(cr);
        disc(cr, 19, 18.5, 4.2);
        cairo_fill(cr);
        disc(cr, 19, 18.5, 2.4);
        setColour(cr, hex(0x000000, 0.3));
        cairo_set_line_width(cr, 1.1);
        cairo_stroke(cr);
        break;
    case Glyph::RedEnvelope: {  // a lucky envelope: red whatever the ink, with a gold seal
        const Rgb red = hex(0xD42A20), gold = hex(0xF5C542);
        roundedRect(cr, 5, 2, 14, 20, 1.6);
        setColour(cr, red);
        cairo_fill(cr);
        cairo_move_to(cr, 5, 3.6);
        cairo_curve_to(cr, 8, 10, 16, 10, 19, 3.6);
        cairo_line_to(cr, 19, 3.4);
        cairo_curve_to(cr, 19, 2.6, 18.4, 2, 17.4, 2);
        cairo_line_to(cr, 6.6, 2);
        cairo_curve_to(cr, 5.6, 2, 5, 2.6, 5, 3.4);
        cairo_close_path(cr);
        setColour(cr, mix(red, hex(0x000000), 0.25));
        cairo_fill(cr);
        disc(cr, 12, 8.4, 3.2);
        setColour(cr, gold);
        cairo_fill(cr);
        disc(cr, 12, 8.4, 2);
        setColour(cr, mix(gold, hex(0x000000), 0.35));
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
        setColour(cr, gold);
        cairo_rectangle(cr, 7, 18.2, 10, 1);
        cairo_fill(cr);
        break;
    }
    }
    cairo_restore(cr);
}

}  // namespace artwork
