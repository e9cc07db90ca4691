// Text measuring and drawing through Pango, with fallback fonts for what DejaVu Sans lacks (CJK).
#include "platform/backend/TextLayout.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <list>
#include <map>
#include <string>
#include <unordered_map>

#include "platform/backend/CairoGeometry.h"

namespace zuno::ui {

namespace {

constexpr const char* kFamily = "DejaVu Sans";
// Fontconfig would find a fallback by itself; naming it keeps the choice the same on every machine.
constexpr const char* kFamilies = "DejaVu Sans,WenQuanYi Micro Hei";
// What a kept line costs, as measured with Pango 1.50: the layout and the cache's record of it, and
// for each byte of its text the glyphs, runs and key that come with it.
constexpr size_t kLayoutBytes = 512;
constexpr size_t kLayoutBytesPerTextByte = 45;

std::atomic<size_t> gShaped{0};

struct FontKey {
    double size;
    bool bold;
    bool operator<(const FontKey& o) const { return size != o.size ? size < o.size : bold < o.bold; }
};

struct Metrics {
    double ascent, descent;
};

// A drawn line's glyphs as coverage at one device scale, kept with its layout: a frame then lays down
// one mask in the text's colour instead of drawing every glyph again.
struct GlyphMask {
    double scale;
    int x, y;  // of the mask's corner, in pixels from the layout's origin
    cairo_surface_t* surface;
    cairo_pattern_t* pattern;  // of the surface, moved to where it is laid down

    size_t bytes() const {
        constexpr size_t kOverhead = 512;  // Cairo's records of the surface and the pattern
        if (!surface) return sizeof(GlyphMask);
        return sizeof(GlyphMask) + kOverhead +
               size_t(cairo_image_surface_get_stride(surface)) * size_t(cairo_image_surface_get_height(surface));
    }
};
constexpr const char* kMaskKey = "zuno-glyph-mask";

void freeGlyphMask(gpointer data) {
    auto* mask = static_cast<GlyphMask*>(data);
    if (mask->pattern) cairo_pattern_destroy(mask->pattern);
    if (mask->surface) cairo_surface_destroy(mask->surface);
    delete mask;
}

// One engine per thread: Pango contexts and layouts are not shared across threads.
class Engine {
public:
    Engine() {
        fontMap_ = pango_cairo_font_map_new();
        context_ = pango_font_map_create_context(fontMap_);
        cairo_font_options_t* options = cairo_font_options_create();
        // Positions in unrounded points: the same at 1x and 2x, and the same measured as drawn.
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context_, FALSE);
        scratch_ = newLayout();
    }
    ~Engine() {
        for (auto& [key, desc] : descriptions_) pango_font_description_free(desc);
        for (auto& entry : kept_) g_object_unref(entry.layout);
        dropPassing();
        g_object_unref(scratch_);
        g_object_unref(context_);
        g_object_unref(fontMap_);
    }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // A layout of the line to draw, shaped now if it is not kept yet. It stays good until the next line
    // is asked for.
    PangoLayout* layout(std::string_view text, const Font& font) {
        dropPassing();
        std::string key = keyOf(text, font);
        auto found = index_.find(key);
        if (found != index_.end()) {
            kept_.splice(kept_.begin(), kept_, found->second);
            return found->second->layout;
        }
        PangoLayout* l;
        if (scratchKey_ == key) {
            // Just measured: keep that shaping.
            l = scratch_;
            scratch_ = newLayout();
            scratchKey_.clear();
        } else {
            l = newLayout();
            shape(l, text, font);
        }
        const size_t bytes = kLayoutBytes + kLayoutBytesPerTextByte * text.size();
        if (bytes > limit_) {
            passing_ = l;  // drawn this once, not kept
            return l;
        }
        kept_.push_front(Kept{std::move(key), l, bytes, 0});
        index_[kept_.front().key] = kept_.begin();
        keptBytes_ += bytes;
        dropUntilWithin(limit_);
        return l;
    }

    // A glyph mask made for the line just asked for: kept with it in place of one at another scale,
    // or, when that would take the line past the limit, good until the next line is asked for.
    void keepMask(PangoLayout* l, GlyphMask* mask) {
        Kept* line = kept_.empty() || kept_.front().layout != l ? nullptr : &kept_.front();
        if (!line || line->textBytes + mask->bytes() > limit_) {
            if (passingMask_) freeGlyphMask(passingMask_);
            passingMask_ = mask;
            return;
        }
        keptBytes_ += mask->bytes();
        keptBytes_ -= line->maskBytes;
        line->maskBytes = mask->bytes();
        g_object_set_data_full(G_OBJECT(l), kMaskKey, mask, freeGlyphMask);
        dropUntilWithin(limit_);
    }

    void setLimit(size_t bytes) {
        limit_ = bytes;
        dropUntilWithin(limit_);
    }
    size_t keptBytes() const { return keptBytes_; }

    // The advance, from a kept layout when there is one; otherwise shaped once without keeping it (line
    // breaking measures many prefixes that are never drawn).
    double width(std::string_view text, const Font& font) {
        std::string key = keyOf(text, font);
        auto found = index_.find(key);
        PangoLayout* l = scratch_;
        if (found != index_.end()) {
            l = found->second->layout;
        } else if (scratchKey_ != key) {
            shape(l, text, font);
            scratchKey_ = std::move(key);
        }
        PangoRectangle logical;
        pango_layout_get_extents(l, nullptr, &logical);
        return double(logical.width) / PANGO_SCALE;
    }

    Metrics metrics(const Font& font) {
        FontKey key{font.pointSize(), font.isBold()};
        auto found = metrics_.find(key);
        if (found != metrics_.end()) return found->second;
        PangoFontMetrics* m = pango_context_get_metrics(context_, description(font), nullptr);
        Metrics result{double(pango_font_metrics_get_ascent(m)) / PANGO_SCALE,
                       double(pango_font_metrics_get_descent(m)) / PANGO_SCALE};
        pango_font_metrics_unref(m);
        metrics_[key] = result;
        return result;
    }

    size_t keptCount() const { return kept_.size(); }

private:
    struct Kept {
        std::string key;
        PangoLayout* layout;
        size_t textBytes;  // an estimate of the shaped line's
        size_t maskBytes;
    };

    void dropPassing() {
        if (passing_) g_object_unref(passing_);
        if (passingMask_) freeGlyphMask(passingMask_);
        passing_ = nullptr;
        passingMask_ = nullptr;
    }

    // The least recently drawn go first (the one drawn now, within the limit itself, stays).
    void dropUntilWithin(size_t allowed) {
        while (keptBytes_ > allowed && !kept_.empty()) {
            Kept& last = kept_.back();
            index_.erase(last.key);
            keptBytes_ -= last.textBytes + last.maskBytes;
            g_object_unref(last.layout);
            kept_.pop_back();
        }
    }

    static std::string keyOf(std::string_view text, const Font& font) {
        std::string key(sizeof(double) + 1, '\0');
        double size = font.pointSize();
        std::memcpy(key.data(), &size, sizeof size);
        key[sizeof size] = font.isBold() ? 'b' : 'r';
        key.append(text);
        return key;
    }

    PangoLayout* newLayout() {
        PangoLayout* l = pango_layout_new(context_);
        pango_layout_set_single_paragraph_mode(l, TRUE);
        return l;
    }

    const PangoFontDescription* description(const Font& font) {
        FontKey key{font.pointSize(), font.isBold()};
        auto found = descriptions_.find(key);
        if (found != descriptions_.end()) return found->second;
        PangoFontDescription* d = pango_font_description_new();
        pango_font_description_set_family(d, kFamilies);
        pango_font_description_set_weight(d, font.isBold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        double size = font.pointSize() > 0 ? font.pointSize() : 1;
        pango_font_description_set_absolute_size(d, size * PANGO_SCALE);
        descriptions_[key] = d;
        return d;
    }

    void shape(PangoLayout* l, std::string_view text, const Font& font) {
        ++gShaped;
        pango_layout_set_font_description(l, description(font));
        pango_layout_set_text(l, text.data(), int(text.size()));
        // Shaping happens lazily; ask for the result now so that it is done once, here.
        pango_layout_get_baseline(l);
    }

    PangoFontMap* fontMap_;
    PangoContext* context_;
    PangoLayout* scratch_;
    std::string scratchKey_;  // what the scratch layout holds now
    PangoLayout* passing_ = nullptr;  // the line drawn now, too large to keep
    GlyphMask* passingMask_ = nullptr;
    std::list<Kept> kept_;            // the most recently drawn first
    std::unordered_map<std::string_view, std::list<Kept>::iterator> index_;
    size_t keptBytes_ = 0;
    size_t limit_ = kDefaultTextLayoutLimit;
    std::map<FontKey, PangoFontDescription*> descriptions_;
    std::map<FontKey, Metrics> metrics_;
};

Engine& engine() {
    thread_local Engine e;
    return e;
}

}  // namespace

namespace {

const GlyphMask& glyphMask(PangoLayout* l, double scale) {
    auto* kept = static_cast<GlyphMask*>(g_object_get_data(G_OBJECT(l), kMaskKey));
    if (kept && kept->scale == scale) return *kept;
    PangoRectangle ink;
    pango_layout_get_pixel_extents(l, &ink, nullptr);
    // A pixel of room on each side for antialiasing.
    int x = int(std::floor(ink.x * scale)) - 1, y = int(std::floor(ink.y * scale)) - 1;
    int w = int(std::ceil((ink.x + ink.width) * scale)) + 1 - x, h = int(std::ceil((ink.y + ink.height) * scale)) + 1 - y;
    auto* mask = new GlyphMask{scale, x, y, nullptr, nullptr};
    if (w > 0 && h > 0) {
        mask->surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
        cairo_t* cr = cairo_create(mask->surface);
        cairo_translate(cr, -x, -y);
        cairo_scale(cr, scale, scale);
        pango_cairo_show_layout(cr, l);
        cairo_destroy(cr);
        mask->pattern = cairo_pattern_create_for_surface(mask->surface);
    }
    engine().keepMask(l, mask);
    return *mask;
}

}  // namespace

TextLine placeTextLine(cairo_t* cr, std::string_view text, const Font& font, Point topLeft) {
    TextLine line;
    if (text.empty()) return line;
    Engine& e = engine();
    PangoLayout* l = e.layout(text, font);
    line.layout = l;
    double baseline = double(pango_layout_get_baseline(l)) / PANGO_SCALE;
    // Lines sit on the font's own baseline even when a fallback font makes the line box taller.
    line.origin = {topLeft.x, topLeft.y + e.metrics(font).ascent - baseline};
    PangoRectangle logical;
    pango_layout_get_extents(l, nullptr, &logical);
    line.advance = double(logical.width) / PANGO_SCALE;
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    if (m.xy == 0 && m.yx == 0 && m.xx == m.yy && m.xx > 0 && m.xx <= 8) {
        // Upright text starts on a whole device pixel and is laid down from its kept mask.
        const GlyphMask& mask = glyphMask(l, m.xx);
        line.fromMask = true;
        if (!mask.surface) return line;
        line.mask = mask.pattern;
        line.maskX = std::round(m.xx * line.origin.x + m.x0) + mask.x;
        line.maskY = std::round(m.yy * line.origin.y + m.y0) + mask.y;
        line.deviceInk = Rect(line.maskX, line.maskY, cairo_image_surface_get_width(mask.surface),
                              cairo_image_surface_get_height(mask.surface));
        return line;
    }
    PangoRectangle ink;
    pango_layout_get_extents(l, &ink, nullptr);
    const Rect device = boundingBoxUnder(m, Rect(line.origin.x + double(ink.x) / PANGO_SCALE,
                                                 line.origin.y + double(ink.y) / PANGO_SCALE,
                                                 double(ink.width) / PANGO_SCALE, double(ink.height) / PANGO_SCALE));
    // Antialiasing reaches a pixel past the glyphs' outlines.
    if (!device.isEmpty()) line.deviceInk = device.insetBy(-1, -1);
    return line;
}

void drawTextLine(cairo_t* cr, const TextLine& line) {
    cairo_new_path(cr);
    if (line.fromMask) {
        if (!line.mask) return;
        cairo_matrix_t place;
        cairo_matrix_init_translate(&place, -line.maskX, -line.maskY);
        cairo_pattern_set_matrix(line.mask, &place);
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_mask(cr, line.mask);
        cairo_restore(cr);
        return;
    }
    if (!line.layout) return;
    cairo_move_to(cr, line.origin.x, line.origin.y);
    pango_cairo_show_layout(cr, line.layout);
    cairo_new_path(cr);
}

double showTextLine(cairo_t* cr, std::string_view text, const Font& font, Point topLeft) {
    const TextLine line = placeTextLine(cr, text, font, topLeft);
    drawTextLine(cr, line);
    return line.advance;
}

size_t cachedTextLayoutCount() { return engine().keptCount(); }
void setTextLayoutLimit(size_t bytes) { engine().setLimit(bytes); }
size_t cachedTextLayoutBytes() { return engine().keptBytes(); }
size_t textShapingCount() { return gShaped.load(); }

const char* Font::familyName() const { return kFamily; }

double Font::widthOfText(std::string_view text) const {
    if (text.empty()) return 0;
    return engine().width(text, *this);
}

Size Font::sizeOfText(std::string_view text) const {
    return {std::ceil(widthOfText(text)), std::ceil(lineHeight())};
}

double Font::lineHeight() const {
    auto m = engine().metrics(*this);
    return m.ascent + m.descent;
}

double Font::ascender() const { return engine().metrics(*this).ascent; }

double Font::descender() const { return engine().metrics(*this).descent; }

}  // namespace zuno::ui

// Fontconfig keeps its configuration and font lists for the whole run and frees them only in FcFini,
// which must not run while Cairo may still use fonts; the leak checker is told not to count them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
