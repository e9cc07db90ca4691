#include "platform/backend/CairoCanvas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "platform/backend/CairoGeometry.h"
#include "platform/backend/TextLayout.h"

namespace zuno::ui {

namespace {

// Past this a resized copy would cost more than filtering the picture at each draw.
constexpr int kLargestScaledSide = 4096;

void addRectangle(cairo_t* cr, const Rect& r) { cairo_rectangle(cr, r.x(), r.y(), r.width(), r.height()); }

// Paints a form 1:1 at a whole device pixel: the opaque core copied, the rest blended around it. Its
// rectangles are filled only within the given box (see CairoCanvas::fillableArea).
void paintForm(cairo_t* cr, const CairoForm& form, double x, double y, int w, int h, const Rect& within) {
    if (!form.opaqueAlias) {
        cairo_set_source_surface(cr, form.surface, x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_FAST);
        addRectangle(cr, Rect(x, y, w, h).intersection(within));
        cairo_fill(cr);
        return;
    }
    cairo_set_source_surface(cr, form.opaqueAlias, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_FAST);
    addRectangle(cr, Rect(x + form.coreX, y + form.coreY, form.coreWidth, form.coreHeight).intersection(within));
    cairo_fill(cr);
    cairo_set_source_surface(cr, form.surface, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_FAST);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, x, y, w, h);
    cairo_rectangle(cr, x + form.coreX, y + form.coreY, form.coreWidth, form.coreHeight);
    cairo_fill(cr);
}

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr) : cr_(cr) {}

void CairoCanvas::save() {
    cairo_save(cr_);
    saved_.push_back(state_);
}

void CairoCanvas::restore() {
    cairo_restore(cr_);
    if (!saved_.empty()) {
        state_ = saved_.back();
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
    groupLimits_.emplace_back();
}

void CairoCanvas::beginGroupWithin(const Rect& extent) {
    // Under a clip through pixels (a path, a rectangle off whole pixels) a limit added to it makes Cairo
    // compose the group's drawing another way, which rounds a few pixels differently: left out there.
    if (state_.roughClip) {
        beginGroup();
        return;
    }
    save();
    // Limited on whole pixels (a limit through pixels would blend its edge and round the opacity
    // differently), and on its far sides only: the group's surface starts where an unlimited one would,
    // at the clip's corner, since Cairo samples turned pictures and places paths in the surface's own
    // pixels, and a surface started elsewhere rounds a few of them differently.
    const Rect device = toDevice(extent);
    const Point from{std::floor(device.minX()), std::floor(device.minY())};
    const Point to{std::ceil(device.maxX()), std::ceil(device.maxY())};
    const Rect clip = toDevice(clipExtents());
    const Point start{std::floor(clip.minX()), std::floor(clip.minY())};
    clipToDeviceRectKeepingTransform(Rect(start, Size{std::max(0.0, to.x - start.x), std::max(0.0, to.y - start.y)}));
    cairo_push_group(cr_);
    groupLimits_.push_back(Rect(from, Size{to.x - from.x, to.y - from.y}));
}

void CairoCanvas::endGroup(double alpha) {
    if (groupLimits_.empty()) return;
    cairo_pop_group_to_source(cr_);
    // Laid down only where it holds anything.
    if (const std::optional<Rect> limit = groupLimits_.back()) clipToDeviceRects({*limit});
    groupLimits_.pop_back();
    cairo_paint_with_alpha(cr_, std::clamp(alpha, 0.0, 1.0));
    restore();
}

void CairoCanvas::setSource(const Color& c) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

void CairoCanvas::setFillColor(const Color& c) { state_.fill = c; }
void CairoCanvas::setStrokeColor(const Color& c) { state_.stroke = c; }
void CairoCanvas::setLineWidth(double width) { cairo_set_line_width(cr_, width); }

void CairoCanvas::fillRect(const Rect& r) {
    addInk(r);
    if (!mayShow(r)) return;
    const ShownPartClip clip(*this, landsOnWholePixels(r) ? std::optional<Rect>(toDevice(r)) : std::nullopt);
    cairo_new_path(cr_);
    addRectangle(cr_, fillableArea(r));
    setSource(state_.fill);
    cairo_fill(cr_);
}

void CairoCanvas::strokeRect(const Rect& r) {
    const double reach = cairo_get_line_width(cr_);  // half a width out, and the corners' miters
    addInk(r.insetBy(-reach, -reach));
    if (!mayShow(r.insetBy(-reach, -reach))) return;
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    setSource(state_.stroke);
    cairo_stroke(cr_);
}

bool CairoCanvas::mapsRectToWholePixels(const Rect& r) const { return !state_.roughClip && landsOnWholePixels(r); }

bool CairoCanvas::landsOnWholePixels(const Rect& r) const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    if (m.xy != 0 || m.yx != 0) return false;
    auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
    return whole(m.xx * r.x() + m.x0) && whole(m.yy * r.y() + m.y0) && whole(m.xx * r.width()) && whole(m.yy * r.height());
}

Rect CairoCanvas::fillableArea(const Rect& r) const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    if (!state_.roughClip || m.xy != 0 || m.yx != 0) return r;
    return r.intersection(clipExtents());
}

Rect CairoCanvas::clipExtents() const {
    double x0, y0, x1, y1;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect CairoCanvas::toDevice(const Rect& r) const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    return boundingBoxUnder(m, r);
}

Rect CairoCanvas::fromDevice(const Rect& r) const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    if (cairo_matrix_invert(&m) != CAIRO_STATUS_SUCCESS) return {};
    return boundingBoxUnder(m, r);
}

// Inside a group (a fade, while it runs) everything is drawn whole, as in a full frame.
bool CairoCanvas::drawsPart() const { return shownPart_ && groupLimits_.empty(); }

bool CairoCanvas::mayShowOnDevice(const Rect& device) const {
    if (!drawsPart()) return true;
    const Rect reach = device.insetBy(-1, -1);  // antialiasing and filtering reach a pixel further
    for (const Rect& part : *shownPart_)
        if (part.intersects(reach)) return true;
    return false;
}

bool CairoCanvas::mayShow(const Rect& r) const { return !drawsPart() || mayShowOnDevice(toDevice(r)); }

Rect CairoCanvas::shownPartOf(const Rect& r) const {
    if (!drawsPart()) return r;
    const Rect device = toDevice(r).insetBy(-1, -1);
    std::optional<Rect> reached;
    for (const Rect& part : *shownPart_) {
        if (part.intersects(device)) reached = reached ? reached->united(part) : part;
    }
    if (!reached) return {};
    return r.intersection(fromDevice(reached->insetBy(-1, -1)));
}

void CairoCanvas::clipToDeviceRects(const std::vector<Rect>& rects) {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    for (const Rect& r : rects) cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_clip(cr_);
    cairo_set_matrix(cr_, &m);
}

void CairoCanvas::clipToDeviceRectKeepingTransform(const Rect& device) {
    cairo_matrix_t toUser;
    cairo_get_matrix(cr_, &toUser);
    if (cairo_matrix_invert(&toUser) != CAIRO_STATUS_SUCCESS) return;
    // The corners land back on whole pixels (well within Cairo's fixed-point step), so the clip is the
    // same box of pixels as one made in device coordinates.
    const Point corners[4] = {{device.minX(), device.minY()}, {device.maxX(), device.minY()},
                              {device.maxX(), device.maxY()}, {device.minX(), device.maxY()}};
    cairo_new_path(cr_);
    for (const Point& corner : corners) {
        double x = corner.x, y = corner.y;
        cairo_matrix_transform_point(&toUser, &x, &y);
        cairo_line_to(cr_, x, y);
    }
    cairo_close_path(cr_);
    cairo_clip(cr_);
}

CairoCanvas::ShownPartClip::ShownPartClip(CairoCanvas& canvas, const std::optional<Rect>& device) {
    // Under a clip of partial pixels the operation is left whole too: that clip's antialiasing.
    if (!device || !canvas.drawsPart() || canvas.state_.roughClip) return;
    for (const Rect& part : *canvas.shownPart_)
        if (part.contains(*device)) return;  // nothing of it to leave out
    cr_ = canvas.cr_;
    cairo_save(cr_);
    canvas.clipToDeviceRects(*canvas.shownPart_);
}

CairoCanvas::ShownPartClip::~ShownPartClip() {
    if (cr_) cairo_restore(cr_);
}

void CairoCanvas::beginViewContent() {
    if (contentDepth_++ > 0) return;
    ink_.reset();
    state_.contentClip.reset();
}

std::optional<Rect> CairoCanvas::endViewContent() {
    if (contentDepth_ > 0) --contentDepth_;
    if (contentDepth_ > 0) return std::nullopt;
    if (!ink_) return Rect();
    const Rect ink = *ink_;
    ink_.reset();
    return fromDevice(ink.insetBy(-1, -1));  // antialiasing and filtering reach a pixel further
}

void CairoCanvas::addInk(const Rect& r) {
    if (contentDepth_ == 0 || r.minX() >= r.maxX() || r.minY() >= r.maxY()) return;  // paints nothing
    addDeviceInk(toDevice(r));
}

void CairoCanvas::addDeviceInk(const Rect& device) {
    if (contentDepth_ == 0 || device.isEmpty()) return;
    ink_ = ink_ ? ink_->united(device) : device;
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

bool CairoCanvas::keepPath(PathExtents extentsOf) {
    if (contentDepth_ == 0 && !drawsPart()) return true;
    double x0, y0, x1, y1;
    extentsOf(cr_, &x0, &y0, &x1, &y1);
    const Rect extents(x0, y0, x1 - x0, y1 - y0);
    addInk(extents);
    if (mayShow(extents)) return true;
    cairo_new_path(cr_);
    return false;
}

void CairoCanvas::fillPath() {
    if (!keepPath(cairo_path_extents)) return;
    setSource(state_.fill);
    cairo_fill(cr_);
}

void CairoCanvas::strokePath() {
    if (!keepPath(cairo_stroke_extents)) return;
    setSource(state_.stroke);
    cairo_stroke(cr_);
}

void CairoCanvas::narrowContentClip(const Rect& device) {
    if (contentDepth_ == 0) return;
    state_.contentClip = state_.contentClip ? state_.contentClip->intersection(device) : device;
}

void CairoCanvas::clipToPath() {
    state_.roughClip = true;
    if (contentDepth_ > 0) {
        double x0, y0, x1, y1;
        cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
        narrowContentClip(toDevice(Rect(x0, y0, x1 - x0, y1 - y0)));
    }
    cairo_clip(cr_);
}

void CairoCanvas::clipToRect(const Rect& r) {
    if (!landsOnWholePixels(r)) state_.roughClip = true;
    narrowContentClip(toDevice(r));
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_clip(cr_);
}

void CairoCanvas::drawLinearGradient(Point start, Point end, const Color& from, const Color& to) {
    cairo_pattern_t* p = cairo_pattern_create_linear(start.x, start.y, end.x, end.y);
    cairo_pattern_add_color_stop_rgba(p, 0, from.r, from.g, from.b, from.a);
    cairo_pattern_add_color_stop_rgba(p, 1, to.r, to.g, to.b, to.a);
    if (contentDepth_ > 0) addDeviceInk(state_.contentClip.value_or(toDevice(clipExtents())));
    cairo_new_path(cr_);
    cairo_set_source(cr_, p);
    cairo_paint(cr_);
    cairo_pattern_destroy(p);
}

double CairoCanvas::drawText(std::string_view text, Point topLeft, const Font& font) {
    if (text.empty()) return 0;
    const TextLine line = placeTextLine(cr_, text, font, topLeft);
    // What the view's own clip leaves of it: a label's text cut at its bounds paints no further. The
    // clips around the view are not counted: they may go, and a group's limit is taken from this ink.
    if (contentDepth_ > 0)
        addDeviceInk(state_.contentClip ? line.deviceInk.intersection(*state_.contentClip) : line.deviceInk);
    if (line.deviceInk.isEmpty() || !mayShowOnDevice(line.deviceInk)) return line.advance;
    const ShownPartClip clip(*this, line.fromMask ? std::optional<Rect>(line.deviceInk) : std::nullopt);
    setSource(state_.fill);
    drawTextLine(cr_, line);
    return line.advance;
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
    if (contentDepth_ > 0 || drawsPart()) {
        const Rect device = toDevice(into);
        addDeviceInk(device);
        if (!mayShowOnDevice(device)) return;
    }
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
            const std::shared_ptr<const CairoForm> resized = exact ? nullptr : resizedFormOf(image, dw, dh);
            const CairoForm& form = exact ? ownFormOf(image) : *resized;
            {
                // Laid 1:1 on whole pixels: any part of it comes out as in the whole picture.
                const ShownPartClip clip(*this, Rect(x, y, dw, dh));
                if (alpha >= 1.0) {
                    paintForm(cr_, form, x, y, dw, dh, fillableArea(Rect(x, y, dw, dh)));
                } else {
                    cairo_set_source_surface(cr_, form.surface, x, y);
                    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_FAST);
                    cairo_rectangle(cr_, x, y, dw, dh);
                    cairo_clip(cr_);
                    cairo_paint_with_alpha(cr_, std::max(alpha, 0.0));
                }
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
