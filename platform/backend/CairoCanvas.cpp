#include "platform/backend/CairoCanvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/backend/CairoText.h"

namespace zuno::ui {

cairo_surface_t* cairoSurfaceOf(const Image& image) {
    auto& cached = image.backendCache();
    if (!cached) {
        int w = image.pixelWidth(), h = image.pixelHeight();
        // An image without transparency is handed over as such: copying it is much faster than blending.
        bool opaque = true;
        const uint32_t* px = image.pixels();
        for (size_t i = 0, n = size_t(w) * size_t(h); i < n && opaque; ++i) opaque = (px[i] >> 24) == 0xFF;
        // The surface reads the image's own pixels; the image outlives its cache entry.
        cairo_surface_t* s = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels())),
            opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, w, h, w * 4);
        cached = std::shared_ptr<void>(s, [](void* p) { cairo_surface_destroy(static_cast<cairo_surface_t*>(p)); });
    }
    return static_cast<cairo_surface_t*>(cached.get());
}

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
    selectCairoFont(cr_, font);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    std::string s(text);
    cairo_new_path(cr_);
    cairo_move_to(cr_, topLeft.x, topLeft.y + fe.ascent);
    setSource(paint_.fill);
    cairo_show_text(cr_, s.c_str());
    double advance = 0;
    if (cairo_has_current_point(cr_)) {
        double x, y;
        cairo_get_current_point(cr_, &x, &y);
        advance = x - topLeft.x;
    }
    cairo_new_path(cr_);
    return advance;
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
    selectCairoFont(cr_, font);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    cairo_set_source_rgba(cr_, 1, 1, 1, 1);
    cairo_move_to(cr_, into.x() + 2, into.y() + 1 + fe.ascent);
    cairo_show_text(cr_, image.name().c_str());
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
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_translate(cr_, into.x(), into.y());
    cairo_scale(cr_, into.width() / w, into.height() / h);
    cairo_set_source_surface(cr_, cairoSurfaceOf(image), 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr_);
    bool exact = into.width() == w && into.height() == h;
    // Scaled images keep their edges from fading into the transparent outside.
    cairo_pattern_set_extend(pattern, exact ? CAIRO_EXTEND_NONE : CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, exact ? CAIRO_FILTER_FAST : CAIRO_FILTER_BILINEAR);
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
