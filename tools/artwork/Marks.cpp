// Small marks and badges: turn clocks, chat bubbles, emoticons, badges, medals, the wordmark, the
// default avatar, table-list pictures, language badges and the slider thumb.

#include <cmath>

#include "Art.h"

namespace artwork {

void paintTimer(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    const double left = double(p.a) / p.b;
    // Green while there is time, through gold to red as it runs out.
    const Rgb ring = left > 0.5 ? mix(hex(0xF2B33D), hex(0x3CC47A), (left - 0.5) * 2)
                                : mix(hex(0xE0342C), hex(0xF2B33D), left * 2);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillAndStroke(cr, tone(p.tone).dark, hex(0x000000, 0.5), 1);
    cairo_arc(cr, cx, cy, r - 3, -M_PI / 2, -M_PI / 2 + 2 * M_PI * left);
    setColour(cr, ring);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    // A clock that spreads its frames over a move of any length shows no count.
    if (p.text == "ring") return;
    text(cr, std::to_string(p.a), cx - r * 0.6, cy - r * 0.5, r * 1.2, r, r * 0.8, hex(0xFFFFFF));
}

void paintBubble(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, tail = p.a == 0 ? 8 : 0;
    const ToneColours c = tone(p.tone);
    const double bh = h - tail - 1;
    roundedRect(cr, 1, 1, w - 2, bh, std::min(12.0, bh / 2));
    if (tail > 0) {
        cairo_move_to(cr, 18, bh);
        cairo_line_to(cr, 14, h - 1);
        cairo_line_to(cr, 30, bh);
        cairo_close_path(cr);
    }
    fillAndStroke(cr, c.light, c.edge, 1.2);
}

void paintFace(cairo_t* cr, const Picture& p) {
    const double w = p.width, s = w / 24;
    const std::string& mood = p.text;
    cairo_scale(cr, s, s);
    if (mood == "heart") {
        cairo_move_to(cr, 12, 21);
        cairo_curve_to(cr, 4, 15, 1, 11, 2.5, 6.5);
        cairo_curve_to(cr, 4, 2, 10, 2, 12, 6.5);
        cairo_curve_to(cr, 14, 2, 20, 2, 21.5, 6.5);
        cairo_curve_to(cr, 23, 11, 20, 15, 12, 21);
        setColour(cr, hex(0xE23B4B));
        cairo_fill(cr);
        return;
    }
    cairo_arc(cr, 12, 12, 10.5, 0, 2 * M_PI);
    fillAndStroke(cr, mood == "angry" ? hex(0xF27A4A) : hex(0xFFCF40), hex(0x9A6A10), 1);
    const Rgb ink = hex(0x4A2C08);
    setColour(cr, ink);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Eyes.
    if (mood == "wink") {
        cairo_arc(cr, 8.5, 10, 1.4, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_move_to(cr, 13.5, 10);
        cairo_line_to(cr, 17, 10);
        cairo_stroke(cr);
    } else if (mood == "cool") {
        roundedRect(cr, 4.5, 7.5, 6.5, 4, 1.5);
        roundedRect(cr, 13, 7.5, 6.5, 4, 1.5);
        cairo_fill(cr);
        cairo_move_to(cr, 11, 8.5);
        cairo_line_to(cr, 13, 8.5);
        cairo_stroke(cr);
    } else if (mood == "laugh") {
        cairo_move_to(cr, 6.5, 10);
        cairo_line_to(cr, 9, 8.5);
        cairo_line_to(cr, 10.5, 10);
        cairo_move_to(cr, 13.5, 10);
        cairo_line_to(cr, 15, 8.5);
        cairo_line_to(cr, 17.5, 10);
        cairo_stroke(cr);
    } else if (mood == "angry") {
        cairo_move_to(cr, 6, 7);
        cairo_line_to(cr, 10.5, 9);
        cairo_move_to(cr, 18, 7);
        cairo_line_to(cr, 13.5, 9);
        cairo_stroke(cr);
        cairo_arc(cr, 8.5, 10.5, 1.3, 0, 2 * M_PI);
        cairo_arc(cr, 15.5, 10.5, 1.3, 0, 2 * M_PI);
        cairo_fill(cr);
    } else {
        cairo_arc(cr, 8.5, 10, 1.4, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_arc(cr, 15.5, 10, 1.4, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Mouths.
    if (mood == "smile" || mood == "wink" || mood == "cool") {
        cairo_arc(cr, 12, 13, 5, 0.2 * M_PI, 0.8 * M_PI);
        cairo_stroke(cr);
    } else if (mood == "laugh" || mood == "tongue") {
        cairo_move_to(cr, 6.5, 14);
        cairo_line_to(cr, 17.5, 14);
        cairo_arc(cr, 12, 14, 5.5, 0, M_PI);
        cairo_close_path(cr);
        cairo_fill(cr);
        if (mood == "tongue") {
            cairo_arc(cr, 13.5, 18.5, 2.3, 0, 2 * M_PI);
            setColour(cr, hex(0xE2506A));
            cairo_fill(cr);
        }
    } else if (mood == "surprised") {
        cairo_arc(cr, 12, 16.5, 2.5, 0, 2 * M_PI);
        cairo_fill(cr);
    } else if (mood == "silent") {
        cairo_move_to(cr, 8, 14);
        cairo_line_to(cr, 16, 18);
        cairo_move_to(cr, 16, 14);
        cairo_line_to(cr, 8, 18);
        cairo_stroke(cr);
    } else if (mood == "kiss") {
        cairo_arc(cr, 11.5, 16, 1.6, 0, 2 * M_PI);
        setColour(cr, hex(0xE23B4B));
        cairo_fill(cr);
    } else {  // sad, cry, angry
        cairo_arc(cr, 12, 20, 5, 1.25 * M_PI, 1.75 * M_PI);
        cairo_stroke(cr);
        if (mood == "cry") {
            cairo_move_to(cr, 8.5, 12);
            cairo_curve_to(cr, 6.5, 15, 7, 17, 8.5, 17);
            cairo_curve_to(cr, 10, 17, 10.5, 15, 8.5, 12);
            setColour(cr, hex(0x4AA8F0));
            cairo_fill(cr);
        }
    }
}

void paintBadge(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    if (p.glyph != Glyph::None) {  // a round badge with a pictogram
        const double r = std::min(w, h) / 2 - 1;
        cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
        verticalGradient(cr, 0, h, c.light, c.dark);
        cairo_fill_preserve(cr);
        setColour(cr, c.edge);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        const double s = r * 1.25;
        glyph(cr, p.glyph, w / 2 - s / 2, h / 2 - s / 2, s, s, c.text);
        return;
    }
    // A pill with a word.
    roundedRect(cr, 1, 1, w - 2, h - 2, h / 2 - 1);
    verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    caption(cr, p.text, 5, 1, w - 10, h - 2, h * 0.6, c.text);
}

void paintMedal(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, cx = w / 2, r = std::min(w, h) * 0.36;
    const ToneColours c = tone(p.tone);
    // Two ribbon tails under a round medal holding the place number.
    setColour(cr, hex(0xC8362B));
    cairo_move_to(cr, cx - r * 0.8, h * 0.55);
    cairo_line_to(cr, cx - r * 1.0, h - 1);
    cairo_line_to(cr, cx - r * 0.3, h - 5);
    cairo_line_to(cr, cx, h * 0.6);
    cairo_close_path(cr);
    cairo_move_to(cr, cx + r * 0.8, h * 0.55);
    cairo_line_to(cr, cx + r * 1.0, h - 1);
    cairo_line_to(cr, cx + r * 0.3, h - 5);
    cairo_line_to(cr, cx, h * 0.6);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, cx, r + 1.5, r, 0, 2 * M_PI);
    verticalGradient(cr, 0, 2 * r, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, c.edge);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    caption(cr, p.text, cx - r, 1.5, 2 * r, 2 * r, r * 1.3, hex(0xFFFFFF));
}

void paintLogo(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    // The letters keep the lowest quarter free: screens set a line ("ONLINE") under them there.
    const double letters = h * 0.75;
    text(cr, p.text, 1, 2, w - 1, letters, letters, hex(0x000000, 0.45));
    text(cr, p.text, 0, 0, w - 1, letters, letters, tone(p.tone).light);
}

void paintAvatar(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const bool person = p.glyph == Glyph::None || p.glyph == Glyph::Person;
    roundedRect(cr, 1, 1, w - 2, h - 2, w * 0.16);
    if (person) verticalGradient(cr, 0, h, hex(0x9FC4DE), hex(0x557C9C));
    else verticalGradient(cr, 0, h, tone(p.tone).light, tone(p.tone).dark);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    if (person) {  // head and shoulders, cut by the frame
        glyph(cr, Glyph::Person, w * 0.08, h * 0.16, w * 0.84, h * 0.92, hex(0xEAF2F8));
    } else {
        Rgb ink = hex(0xFFD36B);  // a gold star or crown
        if (p.glyph == Glyph::Cat) ink = hex(0xF2A24A);
        if (p.glyph == Glyph::Robot) ink = hex(0xD5DDE5);
        glyph(cr, p.glyph, w * 0.1, h * 0.1, w * 0.8, h * 0.8, ink);
    }
    cairo_restore(cr);
    roundedRect(cr, 1, 1, w - 2, h - 2, w * 0.16);
    setColour(cr, hex(0xFFFFFF, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void paintSeat(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const bool taken = p.a == 1;
    const Rgb ink = taken ? (p.b == 0 ? hex(0xF2A516) : hex(0x4FB0F0)) : hex(0xFFFFFF, 0.55);
    // A chair seen from above: a back and a seat; a taken seat carries a head.
    roundedRect(cr, 2, 1, w - 4, h * 0.25, 2);
    roundedRect(cr, 1, h * 0.33, w - 2, h * 0.6, 3);
    setColour(cr, ink);
    if (taken) {
        cairo_fill(cr);
        cairo_arc(cr, w / 2, h * 0.62, w * 0.28, 0, 2 * M_PI);
        setColour(cr, hex(0x5A3A1A));
        cairo_fill(cr);
    } else {
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
}

void paintTableTop(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 2 - 1, h / 2 - 1);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, c.edge);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 2 - 4, h / 2 - 4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill(cr);
    // The deck in the middle: a small pile of cards face down, a little askew.
    if (p.a == 1) return;
    const double cw = std::max(8.0, std::min(w, h) * 0.09), ch = cw * 4 / 3;
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, w / 2 + (i - 1) * cw * 0.08, h / 2 - i * cw * 0.12);
        cairo_rotate(cr, (i - 1) * 0.12);
        paintCardBack(cr, -cw / 2, -ch / 2, cw, ch);
        cairo_restore(cr);
    }
}

void paintRoomLevel(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    // A shield holding one, two or three stars.
    cairo_move_to(cr, w / 2, h - 1);
    cairo_curve_to(cr, w * 0.1, h * 0.75, 1, h * 0.45, 1, 2);
    cairo_line_to(cr, w - 1, 2);
    cairo_curve_to(cr, w - 1, h * 0.45, w * 0.9, h * 0.75, w / 2, h - 1);
    cairo_close_path(cr);
    verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, c.edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const int n = std::max(1, std::min(3, p.a));
    const double s = n == 1 ? 14 : (n == 2 ? 10 : 9);
    for (int i = 0; i < n; ++i) {
        double cx = n == 3 ? (i == 0 ? w / 2 : (i == 1 ? w * 0.3 : w * 0.7)) : w / 2 + (i - (n - 1) / 2.0) * 10;
        double cy = n == 3 ? (i == 0 ? h * 0.28 : h * 0.58) : h * 0.42;
        glyph(cr, Glyph::Star, cx - s / 2, cy - s / 2, s, s, hex(0xFFFFFF));
    }
}

void paintOccupancy(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    switch (p.a) {
    case 0:  // end mark
        setColour(cr, hex(0xF2B33D));
        cairo_rectangle(cr, w / 2 - 1, 0, 2, h);
        cairo_fill(cr);
        break;
    case 1:  // full cell
        roundedRect(cr, 1, 1, w - 2, h - 2, 2);
        verticalGradient(cr, 0, h, hex(0xFF8A70), hex(0xC8362B));
        cairo_fill(cr);
        break;
    default:  // empty cell
        roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 2);
        setColour(cr, hex(0xFFFFFF, 0.6));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    }
}

void paintFlag(cairo_t* cr, const Picture& p) {
    // A language badge: the language's code on its own colour (not a national flag).
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    roundedRect(cr, 1, 1, w - 2, h - 2, 4);
    verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    caption(cr, p.text, 3, 1, w - 6, h - 2, h * 0.6, hex(0xFFFFFF));
}

void paintSlider(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, r = std::min(w, h) / 2 - 1;
    cairo_arc(cr, w / 2, h / 2 + 1, r, 0, 2 * M_PI);
    setColour(cr, hex(0x000000, 0.35));
    cairo_fill(cr);
    cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
    verticalGradient(cr, 0, h, hex(0xFFE39A), hex(0xD98A1F));
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x8A5210));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    text(cr, "$", w / 2 - r * 0.6, h / 2 - r * 0.6, r * 1.2, r * 1.2, r * 1.1, hex(0x8A5210));
}

}  // namespace artwork

namespace artwork {

const FigureCrop kFigureCrops[6] = {{0, 0, 48, 88}, {13, 3, 22, 16}, {6, 27, 36, 30},
                                    {14, 52, 20, 30}, {11, 80, 26, 8}, {10, 0, 28, 12}};

// The figure's parts are drawn in one 48 x 88 frame (head at the top, feet at the bottom) at twice
// that size; each picture holds its own part only.
void paintFigurePart(cairo_t* cr, const Picture& p) {
    const FigureCrop& crop = kFigureCrops[p.a >= 0 && p.a < 6 ? p.a : 0];
    cairo_scale(cr, double(p.width) / crop.w, double(p.height) / crop.h);
    cairo_translate(cr, -crop.x, -crop.y);
    const ToneColours colours = tone(p.tone);
    const Rgb ink = colours.light, edge = colours.edge;
    auto fillAndEdge = [&](Rgb fill) {
        fillAndStroke(cr, fill, hex(0x2B1B10, 0.7), 1);
    };
    switch (p.a) {
        case 0: {  // body: head, neck, arms and legs in skin
            const Rgb skin = hex(0xF1C7A1);
            cairo_arc(cr, 24, 15, 9, 0, 2 * M_PI);
            fillAndEdge(skin);
            roundedRect(cr, 21, 23, 6, 6, 1);
            fillAndEdge(skin);
            roundedRect(cr, 14, 28, 20, 28, 5);
            fillAndEdge(skin);
            roundedRect(cr, 7, 30, 7, 26, 3);
            fillAndEdge(skin);
            roundedRect(cr, 34, 30, 7, 26, 3);
            fillAndEdge(skin);
            roundedRect(cr, 15, 54, 8, 28, 3);
            fillAndEdge(skin);
            roundedRect(cr, 25, 54, 8, 28, 3);
            fillAndEdge(skin);
            setColour(cr, hex(0x2B1B10));
            cairo_arc(cr, 20.5, 14, 1.2, 0, 2 * M_PI);
            cairo_arc(cr, 27.5, 14, 1.2, 0, 2 * M_PI);
            cairo_fill(cr);
            break;
        }
        case 1: {  // hair in hair's own colours: locks over the head, a ragged fringe, strands
            const Rgb hair[] = {hex(0x4A2C16), hex(0x1E1A1C), hex(0xE8B850), hex(0xB0482A)};
            const Rgb colour = hair[p.b & 3];
            cairo_move_to(cr, 14, 18.5);
            cairo_curve_to(cr, 12, 12, 14, 5, 20, 4.2);
            cairo_curve_to(cr, 22, 3.2, 26, 3.2, 28, 4.2);
            cairo_curve_to(cr, 34, 5, 36, 12, 34, 18.5);
            cairo_line_to(cr, 32.5, 14);
            // The fringe: pointed locks falling over the forehead.
            cairo_line_to(cr, 30.5, 11);
            cairo_line_to(cr, 28.5, 13.5);
            cairo_line_to(cr, 26.5, 10);
            cairo_line_to(cr, 24, 13);
            cairo_line_to(cr, 21.5, 10);
            cairo_line_to(cr, 19.5, 13.5);
            cairo_line_to(cr, 17.5, 11);
            cairo_line_to(cr, 15.5, 14);
            cairo_close_path(cr);
            fillAndEdge(colour);
            // Strands and a shine, drawn along the locks.
            setColour(cr, mix(colour, hex(0x000000), 0.45));
            cairo_set_line_width(cr, 0.6);
            for (double x : {18.0, 22.0, 26.0, 30.0}) {
                cairo_move_to(cr, x + (x - 24) * 0.15, 5.2);
                cairo_curve_to(cr, x - 0.5, 7, x, 8.5, x - (x - 24) * 0.05, 10.2);
            }
            cairo_stroke(cr);
            setColour(cr, mix(colour, hex(0xFFFFFF), 0.4));
            cairo_set_line_width(cr, 0.9);
            cairo_move_to(cr, 18.5, 6.5);
            cairo_curve_to(cr, 20, 5.4, 22, 5, 23.5, 5);
            cairo_stroke(cr);
            break;
        }
        case 2:  // shirt: body and sleeves
            roundedRect(cr, 12, 27, 24, 29, 4);
            fillAndEdge(ink);
            roundedRect(cr, 6, 28, 9, 15, 3);
            fillAndEdge(edge);
            roundedRect(cr, 33, 28, 9, 15, 3);
            fillAndEdge(edge);
            break;
        case 3:  // trousers
            roundedRect(cr, 14, 52, 20, 8, 2);
            fillAndEdge(ink);
            roundedRect(cr, 14, 56, 9.5, 25, 2);
            fillAndEdge(ink);
            roundedRect(cr, 24.5, 56, 9.5, 25, 2);
            fillAndEdge(ink);
            break;
        case 4:  // shoes seen from the side, toes turned out: an upper with laces on a dark sole
            for (int side : {-1, 1}) {
                auto x = [side](double dx) { return 24 + side * dx; };  // dx grows outwards, to the toe
                cairo_move_to(cr, x(1.2), 80.2);
                cairo_line_to(cr, x(1.2), 86);
                cairo_line_to(cr, x(12.2), 86);
                cairo_curve_to(cr, x(12.8), 84, x(11.5), 82.6, x(9), 82.2);
                cairo_line_to(cr, x(6.8), 80.2);
                cairo_close_path(cr);
                fillAndEdge(ink);
                roundedRect(cr, std::min(x(0.8), x(12.8)), 85.6, 12, 2, 0.8);
                fillAndEdge(edge);
                setColour(cr, hex(0xFFFFFF, 0.9));
                cairo_set_line_width(cr, 0.6);
                for (double d : {7.2, 8.6}) {
                    cairo_move_to(cr, x(d), 81.4 + (d - 7.2) * 0.35);
                    cairo_line_to(cr, x(d - 0.9), 83.2 + (d - 7.2) * 0.35);
                }
                cairo_stroke(cr);
            }
            break;
        default:  // hat: crown and brim
            roundedRect(cr, 16, 0.5, 16, 9, 2);
            fillAndEdge(ink);
            roundedRect(cr, 10, 7.5, 28, 4, 2);
            fillAndEdge(edge);
            break;
    }
}

}  // namespace artwork
