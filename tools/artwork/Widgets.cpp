// Backdrops, panels, bars, fields, buttons, tabs and switches.

#include <cmath>

#include "Art.h"

namespace artwork {

void paintBackground(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    switch (p.a) {
    case 0: {  // the lobby's deep sea-green felt with a faint diamond weave
        cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h * 0.4, h * 0.1, w / 2, h / 2, w * 0.7);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.45, 0.42);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.17, 0.22);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        setColour(cr, hex(0xFFFFFF, 0.035));
        cairo_set_line_width(cr, 1);
        for (double d = -h; d < w; d += 16) {
            cairo_move_to(cr, d, 0);
            cairo_line_to(cr, d + h, h);
            cairo_move_to(cr, d, h);
            cairo_line_to(cr, d + h, 0);
        }
        cairo_stroke(cr);
        break;
    }
    case 1: {  // a dark walnut table for the board games
        verticalGradient(cr, 0, h, hex(0x5A3418), hex(0x2E1A0C));
        cairo_paint(cr);
        for (int i = 0; i < 40; ++i) {
            double y = std::fmod(i * 37.3, h), amp = 2 + (i % 5);
            cairo_move_to(cr, 0, y);
            for (double x = 0; x <= w; x += 20) cairo_line_to(cr, x, y + amp * std::sin(x / 60.0 + i));
            setColour(cr, i % 2 ? hex(0x000000, 0.08) : hex(0xFFD8A0, 0.05));
            cairo_set_line_width(cr, 1 + i % 3);
            cairo_stroke(cr);
        }
        break;
    }
    case 2: {  // squared paper for Caro
        setColour(cr, hex(0xF7F4EA));
        cairo_paint(cr);
        setColour(cr, hex(0xB9CFE0, 0.6));
        cairo_set_line_width(cr, 0.6);
        for (double x = 0.5; x < w; x += 14) {
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x, h);
        }
        for (double y = 0.5; y < h; y += 14) {
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, w, y);
        }
        cairo_stroke(cr);
        setColour(cr, hex(0xE07070, 0.5));
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, 40.5, 0);
        cairo_line_to(cr, 40.5, h);
        cairo_stroke(cr);
        break;
    }
    default: {  // a quiet night-blue sheet
        verticalGradient(cr, 0, h, hex(0x1C4562), hex(0x0C2234));
        cairo_paint(cr);
        break;
    }
    }
}

void paintPanel(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    roundedRect(cr, 1, 1, w - 2, h - 2, 10);
    verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, c.edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    roundedRect(cr, 4, 4, w - 8, h - 8, 7);
    setColour(cr, hex(0xFFFFFF, 0.18));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void paintBar(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    switch (p.a) {
    case 0:  // the top bar
        verticalGradient(cr, 0, h, hex(0x24597C), hex(0x0E2C44));
        cairo_paint(cr);
        setColour(cr, hex(0xF2B33D));
        cairo_rectangle(cr, 0, h - 2, w, 2);
        cairo_fill(cr);
        setColour(cr, hex(0xFFFFFF, 0.2));
        cairo_rectangle(cr, 0, 0, w, 1);
        cairo_fill(cr);
        break;
    case 1:  // a section header: a cream ribbon, where red titles read well
        roundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 2 - 0.5);
        verticalGradient(cr, 0, h, hex(0xFFF6DA), hex(0xF0D59A));
        cairo_fill_preserve(cr);
        setColour(cr, hex(0xB9781C));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    case 2: {  // a separator that fades out at both ends
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.5, 0);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.85, 0.5, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.5, 0);
        cairo_set_source(cr, g);
        cairo_rectangle(cr, 0, h / 2 - 0.75, w, 1.5);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        break;
    }
    case 5:  // the strip under a row of tabs, dark under their white titles
        roundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 2 - 0.5);
        verticalGradient(cr, 0, h, hex(0x1C4562), hex(0x0C2234));
        cairo_fill_preserve(cr);
        setColour(cr, hex(0xB9781C));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    default: {  // slider tracks: 3 the filled part, 4 the rest
        roundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 2 - 0.5);
        if (p.a == 3) verticalGradient(cr, 0, h, hex(0xFFD36B), hex(0xD98A1F));
        else verticalGradient(cr, 0, h, hex(0x0A1A28), hex(0x3E5266));
        cairo_fill_preserve(cr);
        setColour(cr, hex(0x000000, 0.5));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    }
    }
}

void paintField(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    roundedRect(cr, 1, 1, w - 2, h - 2, std::min(8.0, h / 2 - 1));
    verticalGradient(cr, 0, h, mix(c.dark, hex(0x000000), 0.08), c.light);
    cairo_fill_preserve(cr);
    setColour(cr, c.edge);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

namespace {

// The common rounded button body; lit is the pressed or highlighted frame.
void buttonBody(cairo_t* cr, double w, double h, const ToneColours& c, bool lit, double radius) {
    roundedRect(cr, 1, 2, w - 2, h - 2, radius);
    setColour(cr, hex(0x000000, 0.35));
    cairo_fill(cr);
    const double dy = lit ? 1 : 0;
    roundedRect(cr, 1, 1 + dy, w - 2, h - 3, radius);
    if (lit) verticalGradient(cr, 0, h, mix(c.light, hex(0xFFFFFF), 0.35), c.light);
    else verticalGradient(cr, 0, h, c.light, c.dark);
    cairo_fill_preserve(cr);
    setColour(cr, c.edge);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // A glossy upper half.
    roundedRect(cr, 3, 2.5 + dy, w - 6, (h - 4) * 0.45, radius * 0.8);
    setColour(cr, hex(0xFFFFFF, lit ? 0.3 : 0.22));
    cairo_fill(cr);
}

}  // namespace

void paintButton(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, radius = std::min(10.0, h / 2.4);
    const bool lit = p.a == 1, deep = p.b == 1;
    ToneColours c = tone(p.tone);
    if (deep) c = {mix(c.dark, c.light, 0.25), mix(c.dark, c.edge, 0.55), mix(c.edge, hex(0x000000), 0.3), c.text};
    // A deep button's lit frame glows at its rim instead of paling, so that its title still reads.
    buttonBody(cr, w, h, c, lit && !deep, radius);
    if (deep && lit) {
        roundedRect(cr, 1.6, 1.6, w - 3.2, h - 4.2, radius);
        setColour(cr, hex(0xFFE08A));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    if (p.glyph == Glyph::MailClosed) {  // an envelope's flap along the top edge, pressed in above the count
        for (int pass = 0; pass < 2; ++pass) {
            cairo_move_to(cr, 4, 3 + pass);
            cairo_line_to(cr, w / 2, h * 0.24 + pass);
            cairo_line_to(cr, w - 4, 3 + pass);
            setColour(cr, pass == 0 ? mix(c.edge, hex(0x000000), 0.2) : hex(0xFFFFFF, 0.45));
            cairo_set_line_width(cr, pass == 0 ? 1.5 : 1);
            cairo_stroke(cr);
        }
    }
    // The light bodies carry their own captions in a dark ink.
    const Rgb ink = p.tone == Tone::Jade ? hex(0x0A2A1A) : hex(0x3A2410);
    // Clear of the rounded ends.
    caption(cr, p.text, 11, 1 + (lit ? 1 : 0), w - 22, h - 4, h * 0.42, ink);
}

void paintTab(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height, r = std::min(9.0, h / 2.2);
    const bool selected = p.b == 1;
    const ToneColours c = tone(selected ? p.tone : Tone::Slate);
    // Deep enough for the white titles: a selected tab in the dark of its tone, the others in slate.
    const Rgb top = selected ? mix(c.dark, c.edge, 0.4) : mix(c.light, c.dark, 0.4);
    const Rgb bottom = selected ? mix(c.edge, hex(0x000000), 0.2) : c.dark;
    // Rounded only on the outer side of the strip: left, right, both (single) or none (middle).
    const bool roundLeft = p.a == 0 || p.a == 3, roundRight = p.a == 2 || p.a == 3;
    cairo_new_path(cr);
    const double x0 = 0.5, y0 = 0.5, x1 = w - 0.5, y1 = h - 0.5;
    if (roundLeft) {
        cairo_arc(cr, x0 + r, y0 + r, r, M_PI, 3 * M_PI / 2);
    } else {
        cairo_move_to(cr, x0, y0);
    }
    if (roundRight) {
        cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, 0);
        cairo_arc(cr, x1 - r, y1 - r, r, 0, M_PI / 2);
    } else {
        cairo_line_to(cr, x1, y0);
        cairo_line_to(cr, x1, y1);
    }
    if (roundLeft) {
        cairo_arc(cr, x0 + r, y1 - r, r, M_PI / 2, M_PI);
    } else {
        cairo_line_to(cr, x0, y1);
    }
    cairo_close_path(cr);
    verticalGradient(cr, 0, h, top, bottom);
    cairo_fill_preserve(cr);
    setColour(cr, selected ? c.light : c.edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (selected) {
        setColour(cr, hex(0xFFFFFF, 0.85));
        cairo_rectangle(cr, w * 0.2, h - 3, w * 0.6, 2);
        cairo_fill(cr);
    }
    if (p.glyph != Glyph::None) glyph(cr, p.glyph, 4, 2, h - 4, h - 4, hex(0xFFFFFF, 0.9));
}

void paintToggle(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const bool on = p.a == 1;
    roundedRect(cr, 1, 1, w - 2, h - 2, h / 2 - 1);
    if (on) verticalGradient(cr, 0, h, hex(0x23895A), hex(0x0F5234));
    else verticalGradient(cr, 0, h, hex(0x6B7785), hex(0x39434F));
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x000000, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const double knob = h - 6, kx = on ? w - 3 - knob : 3;
    cairo_arc(cr, kx + knob / 2, h / 2, knob / 2, 0, 2 * M_PI);
    verticalGradient(cr, 0, h, hex(0xFFFFFF), hex(0xD8DEE4));
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x000000, 0.3));
    cairo_stroke(cr);
    const double tx = on ? 6 : knob + 6;
    caption(cr, p.text, tx, 1, w - knob - 12, h - 2, h * 0.5, hex(0xFFFFFF));
}

void paintIconButton(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    buttonBody(cr, w, h, c, p.a == 1, std::min(w, h) * 0.28);
    const double s = std::min(w, h) * 0.62;
    glyph(cr, p.glyph, (w - s) / 2, (h - s) / 2 - 0.5, s, s, hex(0x000000, 0.3));
    glyph(cr, p.glyph, (w - s) / 2, (h - s) / 2 - 1.5, s, s, c.text);
}

void paintTile(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const ToneColours c = tone(p.tone);
    buttonBody(cr, w, h, c, false, w * 0.18);
    const bool withCaption = !p.text.empty();
    const double s = (withCaption ? h * 0.55 : h * 0.62);
    glyph(cr, p.glyph, (w - s) / 2, withCaption ? h * 0.1 : (h - s) / 2, s, s, c.text);
    if (withCaption) {  // on a darker band, where the white caption reads
        roundedRect(cr, w * 0.06, h * 0.66, w * 0.88, h * 0.26, h * 0.06);
        setColour(cr, mix(c.edge, hex(0x000000, 0), 0.4));
        cairo_fill(cr);
        caption(cr, p.text, 6, h * 0.66, w - 12, h * 0.26, h * 0.17, c.text);
    }
}

}  // namespace artwork
