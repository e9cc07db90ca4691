#include "platform/backend/CairoCanvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/backend/TextLayout.h"

namespace zuno::ui {

namespace {

// Cairo's forms of one image: its own pixels, and the sizes it was last drawn at on the device, each
// scaled once with a good filter (so a frame paints them 1:1 instead of filtering again).
struct CairoImageForms {
    struct Scaled {
        int width, height;
        cairo_surface_t* surface;
    };
    cairo_surface_t* base = nullptr;
    std::vector<Scaled> scaled;  // most recently made last
    ~CairoImageForms() {
        for (auto& s : scaled) cairo_surface_destroy(s.surface);
        if (base) cairo_surface_destroy(base);
    }
};
constexpr size_t kScaledFormsKept = 3;
constexpr int kLargestScaledSide = 4096;

CairoImageForms& formsOf(const Image& image) {
    auto& cached = image.backendCache();
    if (!cached) {
        int w = image.pixelWidth(), h = image.pixelHeight();
        // An image without transparency is handed over as such: copying it is much faster than blending.
        bool opaque = true;
        const uint32_t* px = image.pixels();
        for (size_t i = 0, n = size_t(w) * size_t(h); i < n && opaque; ++i) opaque = (px[i] >> 24) == 0xFF;
        auto forms = std::make_shared<CairoImageForms>();
        // The surface reads the image's own pixels; the image outlives its cache entry.
        forms->base = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels())),
            opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, w, h, w * 4);
        cached = forms;
    }
    return *static_cast<CairoImageForms*>(cached.get());
}

cairo_surface_t* scaledForm(const Image& image, int width, int height) {
    auto& forms = formsOf(image);
    for (auto& s : forms.scaled) {
        if (s.width == width && s.height == height) return s.surface;
    }
    cairo_surface_t* surface = cairo_image_surface_create(cairo_image_surface_get_format(forms.base), width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, double(width) / image.pixelWidth(), double(height) / image.pixelHeight());
    cairo_set_source_surface(cr, forms.base, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    if (forms.scaled.size() >= kScaledFormsKept) {
        cairo_surface_destroy(forms.scaled.front().surface);
        forms.scaled.erase(forms.scaled.begin());
    }
    forms.scaled.push_back({width, height, surface});
    return surface;
}

}  // namespace

cairo_surface_t* cairoSurfaceOf(const Image& image) { return formsOf(image).base; }

size_t scaledImageFormCount(const Image& image) { return image.backendCache() ? formsOf(image).scaled.size() : 0; }

CairoCanvas::CairoCanvas(cairo_t* cr) : cr_(cr) {}

void CairoCanvas::save() {
    cairo_save(cr_);
    saved_.push_back(paint_);
}

void CairoCanvas::restore() {
    cairo_restore(cr_);
    if (!saved_.empty()) {
        paint_ = saved_.back();
        saved_.pop_back();
    }
}

void CairoCanvas::translate(double dx, double dy) { cairo_translate(cr_, dx, dy); }
void CairoCanvas::scale(double sx, double sy) { cairo_scale(cr_, sx, sy); }
void CairoCanvas::rotate(double radians) { cairo_rotate(cr_, radians); }

void CairoCanvas::concat(const AffineTransform& t) {
    if (!t.isInvertible()) {
        // A collapsed transform draws nothing; Cairo refuses singular matrices.
        cairo_new_path(cr_);
        cairo_rectangle(cr_, 0, 0, 0, 0);
        cairo_clip(cr_);
        return;
    }
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
    cairo_transform(cr_, &m);
}

void CairoCanvas::beginGroup() {
    save();
    cairo_push_group(cr_);
}

void CairoCanvas::endGroup(double alpha) {
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, std::clamp(alpha, 0.0, 1.0));
    restore();
}

void CairoCanvas::setSource(const Color& c) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

void CairoCanvas::setFillColor(const Color& c) { paint_.fill = c; }
void CairoCanvas::setStrokeColor(const Color& c) { paint_.stroke = c; }
void CairoCanvas::setLineWidth(double width) { cairo_set_line_width(cr_, width); }

void CairoCanvas::fillRect(const Rect& r) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    setSource(paint_.fill);
    cairo_fill(cr_);
}

void CairoCanvas::strokeRect(const Rect& r) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    setSource(paint_.stroke);
    cairo_stroke(cr_);
}

void CairoCanvas::beginViewContent() { ++contentDepth_; }

void CairoCanvas::endViewContent() {
    if (contentDepth_ > 0) --contentDepth_;
}

void CairoCanvas::clearRect(const Rect& r) {
    // A view draws straight onto the screen, freshly each frame; there is no backing store of its own
    // to clear, and what lies beneath must stay.
    if (contentDepth_ > 0) return;
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void CairoCanvas::beginPath() { cairo_new_path(cr_); }
void CairoCanvas::moveTo(Point p) { cairo_move_to(cr_, p.x, p.y); }
void CairoCanvas::lineTo(Point p) {
    if (cairo_has_current_point(cr_)) {
        cairo_line_to(cr_, p.x, p.y);
    } else {
        cairo_move_to(cr_, p.x, p.y);
    }
}

void CairoCanvas::addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) {
    if (clockwise) {
        cairo_arc(cr_, center.x, center.y, radius, startAngle, endAngle);
    } else {
        cairo_arc_negative(cr_, center.x, center.y, radius, startAngle, endAngle);
    }
}

void CairoCanvas::addRect(const Rect& r) { cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height()); }
void CairoCanvas::closePath() { cairo_close_path(cr_); }

void CairoCanvas::fillPath() {
    setSource(paint_.fill);
    cairo_fill(cr_);
}

void CairoCanvas::strokePath() {
    setSource(paint_.stroke);
    cairo_stroke(cr_);
}

void CairoCanvas::clipToPath() { cairo_clip(cr_); }

void CairoCanvas::clipToRect(const Rect& r) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_clip(cr_);
}

void CairoCanvas::drawLinearGradient(Point start, Point end, const Color& from, const Color& to) {
    cairo_pattern_t* p = cairo_pattern_create_linear(start.x, start.y, end.x, end.y);
    cairo_pattern_add_color_stop_rgba(p, 0, from.r, from.g, from.b, from.a);
    cairo_pattern_add_color_stop_rgba(p, 1, to.r, to.g, to.b, to.a);
    cairo_new_path(cr_);
    cairo_set_source(cr_, p);
    cairo_paint(cr_);
    cairo_pattern_destroy(p);
}

double CairoCanvas::drawText(std::string_view text, Point topLeft, const Font& font) {
    if (text.empty()) return 0;
    setSource(paint_.fill);
    return showTextLine(cr_, text, font, topLeft);
}

void CairoCanvas::drawPlaceholder(const Image& image, const Rect& into) {
    if (into.isEmpty()) return;
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, into.x(), into.y(), into.width(), into.height());
    cairo_clip_preserve(cr_);
    cairo_set_source_rgba(cr_, 0.55, 0.55, 0.6, 0.85);
    cairo_fill(cr_);
    cairo_set_source_rgba(cr_, 0.9, 0.2, 0.6, 1);
    cairo_set_line_width(cr_, 1);
    cairo_rectangle(cr_, into.x() + 0.5, into.y() + 0.5, into.width() - 1, into.height() - 1);
    cairo_move_to(cr_, into.minX(), into.minY());
    cairo_line_to(cr_, into.maxX(), into.maxY());
    cairo_stroke(cr_);
    Font font = Font::systemFontOfSize(std::clamp(into.height() / 3, 6.0, 10.0));
    cairo_set_source_rgba(cr_, 1, 1, 1, 1);
    showTextLine(cr_, image.name(), font, {into.x() + 2, into.y() + 1});
    cairo_restore(cr_);
}

void CairoCanvas::drawImage(const Image& image, Point topLeft, double alpha) {
    drawImage(image, Rect(topLeft, image.size()), alpha);
}

void CairoCanvas::drawImage(const Image& image, const Rect& into, double alpha) {
    if (image.isPlaceholder()) {
        drawPlaceholder(image, into);
        return;
    }
    int w = image.pixelWidth(), h = image.pixelHeight();
    if (w <= 0 || h <= 0 || into.width() == 0 || into.height() == 0) return;
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    cairo_save(cr_);
    cairo_new_path(cr_);
    if (m.xy == 0 && m.yx == 0 && m.xx > 0 && m.yy > 0) {
        // Upright on the device: paint whole device pixels from a form of exactly that size.
        double x = std::round(m.xx * into.x() + m.x0), y = std::round(m.yy * into.y() + m.y0);
        int dw = int(std::lround(m.xx * into.width())), dh = int(std::lround(m.yy * into.height()));
        if (dw <= 0 || dh <= 0) {
            cairo_restore(cr_);
            return;
        }
        bool exact = dw == w && dh == h;
        if (exact || (dw <= kLargestScaledSide && dh <= kLargestScaledSide)) {
            cairo_identity_matrix(cr_);
            cairo_set_source_surface(cr_, exact ? cairoSurfaceOf(image) : scaledForm(image, dw, dh), x, y);
            cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_FAST);
            cairo_rectangle(cr_, x, y, dw, dh);
            if (alpha >= 1.0) {
                cairo_fill(cr_);
            } else {
                cairo_clip(cr_);
                cairo_paint_with_alpha(cr_, std::max(alpha, 0.0));
            }
            cairo_restore(cr_);
            return;
        }
    }
    cairo_translate(cr_, into.x(), into.y());
    cairo_scale(cr_, into.width() / w, into.height() / h);
    cairo_set_source_surface(cr_, cairoSurfaceOf(image), 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr_);
    // Scaled images keep their edges from fading into the transparent outside.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
    cairo_rectangle(cr_, 0, 0, w, h);
    cairo_clip(cr_);
    if (alpha >= 1.0) {
        cairo_paint(cr_);
    } else {
        cairo_paint_with_alpha(cr_, std::max(alpha, 0.0));
    }
    cairo_restore(cr_);
}

}  // namespace zuno::ui
