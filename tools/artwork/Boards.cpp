// Board-game pictures: Co Tuong pieces and board, Co Vua pieces and board, board marks, Caro stones
// and grid, falling-block cells and their well.

#include <cmath>

#include "Art.h"

namespace artwork {

void paintXiangqiPiece(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 1;
    const Rgb ink = p.a == 0 ? hex(0xC0261E) : hex(0x1E1E24);
    // A wooden disc with a raised rim and an inner ring in the side's colour.
    cairo_arc(cr, cx, cy + 0.8, r, 0, 2 * M_PI);
    setColour(cr, hex(0x000000, 0.3));
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.99, 0.93, 0.80);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.87, 0.72, 0.50);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, hex(0x7A5228));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
    setColour(cr, ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    text(cr, p.text, cx - r * 0.62, cy - r * 0.62, r * 1.24, r * 1.24, r * 1.25, ink, Font::Han, true);
}

void paintXiangqiBoard(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    verticalGradient(cr, 0, h, hex(0xF0C987), hex(0xD9A55E));
    roundedRect(cr, 0, 0, w, h, 6);
    cairo_fill(cr);
    // Square (x, y) is centred at X = 32x + 36 (x <= 3) or 32x + 34 (x >= 4), Y = 32(9 - y) + 16.
    auto X = [](int x) { return x <= 3 ? 32.0 * x + 36 : 32.0 * x + 34; };
    auto Y = [](int y) { return 32.0 * (9 - y) + 16; };
    const Rgb line = hex(0x5A3412);
    setColour(cr, line);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, X(0) - 5, Y(9) - 5, X(8) - X(0) + 10, Y(0) - Y(9) + 10);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    for (int y = 0; y <= 9; ++y) {
        cairo_move_to(cr, X(0), Y(y));
        cairo_line_to(cr, X(8), Y(y));
    }
    for (int x = 0; x <= 8; ++x) {
        bool edge = x == 0 || x == 8;
        cairo_move_to(cr, X(x), Y(0));
        cairo_line_to(cr, X(x), edge ? Y(9) : Y(4));
        if (!edge) {
            cairo_move_to(cr, X(x), Y(5));
            cairo_line_to(cr, X(x), Y(9));
        }
    }
    // The two palaces.
    for (int base : {0, 7}) {
        cairo_move_to(cr, X(3), Y(base));
        cairo_line_to(cr, X(5), Y(base + 2));
        cairo_move_to(cr, X(5), Y(base));
        cairo_line_to(cr, X(3), Y(base + 2));
    }
    cairo_stroke(cr);
    // Small corner ticks where the cannons and soldiers start.
    auto ticks = [&](int x, int y) {
        const double cx = X(x), cy = Y(y), a = 3, b = 8;
        for (int sx : {-1, 1}) {
            if ((sx < 0 && x == 0) || (sx > 0 && x == 8)) continue;
            for (int sy : {-1, 1}) {
                cairo_move_to(cr, cx + sx * a, cy + sy * b);
                cairo_line_to(cr, cx + sx * a, cy + sy * a);
                cairo_line_to(cr, cx + sx * b, cy + sy * a);
            }
        }
    };
    for (int y : {2, 7}) for (int x : {1, 7}) ticks(x, y);
    for (int y : {3, 6}) for (int x = 0; x <= 8; x += 2) ticks(x, y);
    cairo_stroke(cr);
    // The river's words towards its banks' ends: between games the stake button lies on the middle.
    const Rgb river = hex(0x5A3412, 0.8);
    text(cr, "楚 河", X(0), Y(5) + 4, X(2) - X(0), Y(4) - Y(5) - 8, 20, river, Font::Han, false);
    text(cr, "漢 界", X(6), Y(5) + 4, X(8) - X(6), Y(4) - Y(5) - 8, 20, river, Font::Han, false);
}

namespace {

// The foot every piece stands on.
void pedestal(cairo_t* cr) { roundedRect(cr, 6, 24.5, 18, 3.6, 1.3); }

}  // namespace

// Drawn on a 30-point square, centred on x = 15, feet at y = 28; the knight looks to the left. Every
// sub-path runs clockwise, so that overlapping parts fill as one shape.
void chessPieceOutline(cairo_t* cr, int type) {
    cairo_new_path(cr);
    switch (type) {
    case 1:  // pawn: a ball on a collar over a flared body
        disc(cr, 15, 8.5, 3.7);
        roundedRect(cr, 10.5, 12.2, 9, 2.5, 1.2);
        cairo_move_to(cr, 18.4, 14.6);
        cairo_curve_to(cr, 18.4, 19, 21.4, 21.8, 21.4, 24.6);
        cairo_line_to(cr, 8.6, 24.6);
        cairo_curve_to(cr, 8.6, 21.8, 11.6, 19, 11.6, 14.6);
        cairo_close_path(cr);
        break;
    case 2:  // knight: a horse's head and neck
        cairo_move_to(cr, 9.4, 24.6);
        cairo_curve_to(cr, 10.4, 21.2, 13.2, 19, 14.2, 15.6);
        cairo_curve_to(cr, 13.2, 16.7, 12, 16.8, 10.6, 17.3);
        cairo_line_to(cr, 8.3, 18.1);
        cairo_curve_to(cr, 6.8, 18.4, 5.7, 16.9, 6.3, 15.4);
        cairo_curve_to(cr, 8.4, 11.4, 10.8, 7.6, 14.3, 6);
        cairo_line_to(cr, 15.2, 2.8);
        cairo_line_to(cr, 16.9, 5.3);
        cairo_line_to(cr, 19.2, 2.8);
        cairo_line_to(cr, 19.6, 6.6);
        cairo_curve_to(cr, 23.4, 10.5, 23, 17, 21.8, 24.6);
        cairo_close_path(cr);
        break;
    case 3:  // bishop: a mitre with a ball on top
        disc(cr, 15, 4.2, 1.9);
        cairo_move_to(cr, 15, 6);
        cairo_curve_to(cr, 19.6, 9, 21.2, 13.4, 18.6, 17.4);
        cairo_line_to(cr, 11.4, 17.4);
        cairo_curve_to(cr, 8.8, 13.4, 10.4, 9, 15, 6);
        cairo_close_path(cr);
        roundedRect(cr, 10.4, 17.2, 9.2, 2.5, 1.2);
        cairo_move_to(cr, 18, 19.6);
        cairo_curve_to(cr, 18, 22, 20, 23, 20.6, 24.6);
        cairo_line_to(cr, 9.4, 24.6);
        cairo_curve_to(cr, 10, 23, 12, 22, 12, 19.6);
        cairo_close_path(cr);
        break;
    case 4: {  // rook: a tower with three merlons
        const double top[][2] = {{8.4, 3.6},   {11.6, 3.6}, {11.6, 6.2}, {13.4, 6.2}, {13.4, 3.6}, {16.6, 3.6},
                                 {16.6, 6.2},  {18.4, 6.2}, {18.4, 3.6}, {21.6, 3.6}, {21.6, 9.2}, {8.4, 9.2}};
        cairo_move_to(cr, top[0][0], top[0][1]);
        for (const auto& pt : top) cairo_line_to(cr, pt[0], pt[1]);
        cairo_close_path(cr);
        cairo_move_to(cr, 10.2, 9.2);
        cairo_line_to(cr, 19.8, 9.2);
        cairo_line_to(cr, 20.6, 21.8);
        cairo_line_to(cr, 9.4, 21.8);
        cairo_close_path(cr);
        roundedRect(cr, 7.8, 21.4, 14.4, 3.2, 1.2);
        break;
    }
    case 5: {  // queen: a crown of five points, each with a pearl
        const double points[][2] = {{5.6, 9}, {10.9, 6.6}, {15, 5.4}, {19.1, 6.6}, {24.4, 9}};
        for (const auto& pt : points) disc(cr, pt[0], pt[1], 2);
        const double crown[][2] = {{9.4, 21.4}, {6.2, 10.6},  {10.4, 13.4}, {11.2, 8.2}, {13.6, 12.4}, {15, 7.2},
                                   {16.4, 12.4}, {18.8, 8.2}, {19.6, 13.4}, {23.8, 10.6}, {20.6, 21.4}};
        cairo_move_to(cr, crown[0][0], crown[0][1]);
        for (const auto& pt : crown) cairo_line_to(cr, pt[0], pt[1]);
        cairo_close_path(cr);
        roundedRect(cr, 8.8, 20.6, 12.4, 3.4, 1.3);
        break;
    }
    default: {  // king: a cross over a crown of two lobes
        const double cross[][2] = {{14, 1.2},  {16, 1.2},  {16, 3},   {17.9, 3},   {17.9, 5},  {16, 5},
                                   {16, 7.6},  {14, 7.6},  {14, 5},   {12.1, 5},   {12.1, 3},  {14, 3}};
        cairo_move_to(cr, cross[0][0], cross[0][1]);
        for (const auto& pt : cross) cairo_line_to(cr, pt[0], pt[1]);
        cairo_close_path(cr);
        cairo_move_to(cr, 9.6, 21.4);
        cairo_curve_to(cr, 7, 17.4, 4.4, 13, 6.6, 10.2);
        cairo_curve_to(cr, 8.8, 7.6, 12.6, 8.8, 15, 11.8);
        cairo_curve_to(cr, 17.4, 8.8, 21.2, 7.6, 23.4, 10.2);
        cairo_curve_to(cr, 25.6, 13, 23, 17.4, 20.4, 21.4);
        cairo_close_path(cr);
        cairo_move_to(cr, 15, 12.6);
        cairo_curve_to(cr, 13, 10.4, 13.2, 7.8, 15, 7.4);
        cairo_curve_to(cr, 16.8, 7.8, 17, 10.4, 15, 12.6);
        cairo_close_path(cr);
        roundedRect(cr, 8.8, 20.6, 12.4, 3.4, 1.3);
        break;
    }
    }
    pedestal(cr);
}

void chessPieceDetail(cairo_t* cr, int type) {
    cairo_new_path(cr);
    switch (type) {
    case 2:  // the knight's eye, nostril and mane
        disc(cr, 13.4, 9.9, 1);
        disc(cr, 7.7, 16, 0.55);
        cairo_fill(cr);
        cairo_move_to(cr, 19.6, 8.4);
        cairo_curve_to(cr, 21.2, 12, 21.4, 16, 20.4, 21);
        cairo_stroke(cr);
        break;
    case 3:  // the slit of the mitre
        cairo_move_to(cr, 16.8, 9.6);
        cairo_line_to(cr, 13.6, 13.4);
        cairo_stroke(cr);
        break;
    case 4:  // the line under the battlements
        cairo_move_to(cr, 10.2, 11.2);
        cairo_line_to(cr, 19.8, 11.2);
        cairo_stroke(cr);
        break;
    default: break;
    }
}

void paintChessPiece(cairo_t* cr, const Picture& p) {
    const bool black = p.a / 10 == 2;
    const int type = p.a % 10;
    // Both sides share one set of shapes; only the colours turn over: ivory with dark lines for White,
    // ebony with light lines for Black, each with a dark rim that holds it on either square.
    const Rgb top = black ? hex(0x55555F) : hex(0xFFFFFF), bottom = black ? hex(0x16161B) : hex(0xE4DAC4);
    const Rgb rim = black ? hex(0x0A0A0D) : hex(0x26262C), lines = black ? hex(0xEDE3CC) : hex(0x26262C);
    cairo_scale(cr, p.width / 30.0, p.height / 30.0);
    chessPieceOutline(cr, type);
    setColour(cr, rim);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    chessPieceOutline(cr, type);
    verticalGradient(cr, 1, 28, top, bottom);
    cairo_fill_preserve(cr);
    // The lines between the parts (collar, band, foot), kept inside the piece.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setColour(cr, lines);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
    setColour(cr, lines);
    cairo_set_line_width(cr, 1);
    chessPieceDetail(cr, type);
}

void paintChessBoard(cairo_t* cr, const Picture& p) {
    const int n = 8;
    const double side = double(p.width) / n;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            setColour(cr, (r + c) % 2 == 0 ? hex(0xF3DDB3) : hex(0xB98552));
            cairo_rectangle(cr, c * side, r * side, side, side);
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 0.5, 0.5, p.width - 1, p.height - 1);
    setColour(cr, hex(0x5A3412));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void paintMarker(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2, cy = h / 2;
    switch (p.a) {
    case 0:  // a square the chosen piece may reach
        cairo_arc(cr, cx, cy, w * 0.22, 0, 2 * M_PI);
        fillAndStroke(cr, hex(0x2E9E5B, 0.75), hex(0xFFFFFF, 0.8), 1);
        break;
    case 1:  // frame around the last moved piece: four gold corners
    case 2: {  // the square the last moved piece left: a dashed ring
        if (p.a == 2) {
            cairo_arc(cr, cx, cy, w / 2 - 2, 0, 2 * M_PI);
            setColour(cr, hex(0x1F6FD1, 0.85));
            double dash[] = {3, 2.5};
            cairo_set_dash(cr, dash, 2, 0);
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            break;
        }
        setColour(cr, hex(0xF2A516));
        cairo_set_line_width(cr, 2);
        const double m = 1.5, l = w * 0.3;
        for (int sx : {0, 1}) {
            for (int sy : {0, 1}) {
                double x = sx ? w - m : m, y = sy ? h - m : m, dx = sx ? -l : l, dy = sy ? -l : l;
                cairo_move_to(cr, x + dx, y);
                cairo_line_to(cr, x, y);
                cairo_line_to(cr, x, y + dy);
            }
        }
        cairo_stroke(cr);
        break;
    }
    case 4:  // Co Vua: the selected piece's square, a soft blue square
    case 5:  // Co Vua: the square the last move left, a pale gold square
    case 6: {  // Co Vua: a king in check, a red glow
        if (p.a == 6) {
            cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 1, cx, cy, w / 2);
            cairo_pattern_add_color_stop_rgba(glow, 0, 0.93, 0.15, 0.12, 0.85);
            cairo_pattern_add_color_stop_rgba(glow, 1, 0.93, 0.15, 0.12, 0);
            cairo_set_source(cr, glow);
            cairo_paint(cr);
            cairo_pattern_destroy(glow);
            break;
        }
        cairo_rectangle(cr, 1, 1, w - 2, h - 2);
        fillAndStroke(cr, p.a == 4 ? hex(0x3A8DDE, 0.45) : hex(0xF2C94C, 0.45),
                      p.a == 4 ? hex(0x1F6FD1, 0.9) : hex(0xC9961A, 0.8), 1.5);
        break;
    }
    default:  // a square where a capture is possible: a red ring
        cairo_arc(cr, cx, cy, w / 2 - 2, 0, 2 * M_PI);
        setColour(cr, hex(0xD8302A, 0.9));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        break;
    }
}

void paintStone(cairo_t* cr, const Picture& p) {
    // Six sets of two colours each; the X and the O also differ by shape.
    static const unsigned xs[] = {0xD8302A, 0xE8731A, 0x8E3FB8, 0xC2185B, 0x2E7D32, 0x5D4037};
    static const unsigned os[] = {0x1F5FC8, 0x1E8A5A, 0x00897B, 0x283593, 0xF9A825, 0x455A64};
    const int set = std::max(1, std::min(6, p.a)) - 1;
    const double w = p.width, h = p.height, m = w * 0.2;
    cairo_set_line_width(cr, w * 0.14);
    if (p.text == "x") {
        cairo_move_to(cr, m, m);
        cairo_line_to(cr, w - m, h - m);
        cairo_move_to(cr, w - m, m);
        cairo_line_to(cr, m, h - m);
        setColour(cr, hex(xs[set]));
    } else {
        cairo_arc(cr, w / 2, h / 2, w / 2 - m * 0.9, 0, 2 * M_PI);
        setColour(cr, hex(os[set]));
    }
    cairo_stroke(cr);
}

void paintCaroGrid(cairo_t* cr, const Picture& p) {
    const int n = 20;
    const double side = double(p.width) / n;
    setColour(cr, hex(0xFFFDF4));
    cairo_paint(cr);
    setColour(cr, hex(0x9DB8CF));
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < n; ++i) {
        const double at = i * side + 0.5;
        cairo_move_to(cr, at, 0);
        cairo_line_to(cr, at, p.height);
        cairo_move_to(cr, 0, at);
        cairo_line_to(cr, p.width, at);
    }
    cairo_stroke(cr);
    // The border lies wholly inside the picture, two points wide, so all four sides still show when the
    // board is zoomed out to half its size.
    cairo_rectangle(cr, 1, 1, p.width - 2, p.height - 2);
    setColour(cr, hex(0x6F8FAA));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

namespace {
// Cell values 1..8 are block colours, 9 the landing shadow, 10 a garbage row.
const unsigned kBlockColours[] = {0x8FD3FF, 0x36C5D8, 0x2F6FE0, 0x3CB54A, 0xF0D22E,
                                  0x9B4FD6, 0xE23B3B, 0xF39A1E, 0xFFFFFF, 0x8A8F98};
}  // namespace

void paintBlock(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, b = w * 0.18;
    const int value = std::max(1, std::min(10, p.a));
    const Rgb base = hex(kBlockColours[value - 1]);
    if (value == 9) {
        roundedRect(cr, 1, 1, w - 2, h - 2, 2);
        fillAndStroke(cr, hex(0xFFFFFF, 0.18), hex(0xFFFFFF, 0.7), 1);
        return;
    }
    setColour(cr, base);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    // The bevel: light top and left, dark bottom and right.
    setColour(cr, mix(base, hex(0xFFFFFF), 0.5));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, 0);
    cairo_line_to(cr, w - b, b);
    cairo_line_to(cr, b, b);
    cairo_line_to(cr, b, h - b);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    cairo_fill(cr);
    setColour(cr, mix(base, hex(0x000000), 0.35));
    cairo_move_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_line_to(cr, b, h - b);
    cairo_line_to(cr, w - b, h - b);
    cairo_line_to(cr, w - b, b);
    cairo_line_to(cr, w, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (value == 10) {  // garbage rows carry a cross-hatch
        setColour(cr, hex(0x000000, 0.25));
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, b, b);
        cairo_line_to(cr, w - b, h - b);
        cairo_move_to(cr, w - b, b);
        cairo_line_to(cr, b, h - b);
        cairo_stroke(cr);
    }
}

void paintWell(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cell = 18, m = 2;
    roundedRect(cr, 0, 0, w, h, 4);
    fillAndStroke(cr, hex(0x0B1B2A), hex(0x6FB8F2, 0.8), 2);
    setColour(cr, hex(0xFFFFFF, 0.06));
    cairo_set_line_width(cr, 1);
    for (double x = m + cell; x < w - m; x += cell) {
        cairo_move_to(cr, x, m);
        cairo_line_to(cr, x, h - m);
    }
    for (double y = m + cell; y < h - m; y += cell) {
        cairo_move_to(cr, m, y);
        cairo_line_to(cr, w - m, y);
    }
    cairo_stroke(cr);
}

}  // namespace artwork
