#pragma once

#include <cairo.h>

#include <optional>
#include <vector>

#include "platform/backend/CairoImageForms.h"
#include "platform/ui/Canvas.h"

namespace zuno::ui {

// The Canvas drawn by Cairo into any Cairo context (the raster surface of the window, a snapshot).
class CairoCanvas : public Canvas {
public:
    explicit CairoCanvas(cairo_t* cr);

    void save() override;
    void restore() override;
    void translate(double dx, double dy) override;
    void scale(double sx, double sy) override;
    void rotate(double radians) override;
    void concat(const AffineTransform& t) override;
    void beginGroup() override;
    void endGroup(double alpha) override;
    void beginGroupWithin(const Rect& extent) override;

    void setFillColor(const Color& c) override;
    void setStrokeColor(const Color& c) override;
    void setLineWidth(double width) override;

    void fillRect(const Rect& r) override;
    void strokeRect(const Rect& r) override;
    void clearRect(const Rect& r) override;
    bool mapsRectToWholePixels(const Rect& r) const override;
    bool mayShow(const Rect& r) const override;
    Rect shownPartOf(const Rect& r) const override;
    void beginViewContent() override;
    std::optional<Rect> endViewContent() override;

    void beginPath() override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) override;
    void addRect(const Rect& r) override;
    void closePath() override;
    void fillPath() override;
    void strokePath() override;
    void clipToPath() override;
    void clipToRect(const Rect& r) override;

    void drawLinearGradient(Point start, Point end, const Color& from, const Color& to) override;

    double drawText(std::string_view text, Point topLeft, const Font& font) override;
    void drawImage(const Image& image, Point topLeft, double alpha) override;
    void drawImage(const Image& image, const Rect& into, double alpha) override;

    cairo_t* context() const { return cr_; }

    // For a partial frame: only these rectangles of the surface (whole pixels) need to come out as in a
    // full frame; what lies around them may be left as it is or painted over. Whatever cannot reach
    // them is skipped. Pictures laid 1:1, fills of whole pixels and text from its mask are clipped to
    // them; the rest (paths, turned or faded pictures, anything inside a group) is drawn whole, since
    // Cairo's antialiasing along a clip's side differs a little from that of an unclipped drawing.
    // With no rectangles nothing is drawn, but the views whose content changed still draw (to learn
    // where it reaches now).
    void setShownPart(std::vector<Rect> deviceRects) { shownPart_ = std::move(deviceRects); }

private:
    // What save() and restore() keep besides Cairo's own state.
    struct State {
        Color fill = Color::black();
        Color stroke = Color::black();
        bool roughClip = false;  // clipped to a path, or to a rectangle off whole pixels
        // The device box of the clips that the view content under way set itself (none: it set none).
        std::optional<Rect> contentClip;
    };
    void setSource(const Color& c);
    // Whether the rectangle lands on whole device pixels (no rotation, no fractional edge).
    bool landsOnWholePixels(const Rect& r) const;
    void drawPlaceholder(const Image& image, const Rect& into);
    // The clip's bounding box in the current coordinates.
    Rect clipExtents() const;
    // The part of an upright rectangle to fill: under a clip through pixels, only what lies within the
    // clip's box (the same pixels). Cairo paints a filled rectangle that covers all of its surface
    // instead of filling it, which rounds the pixels along such a clip a little differently; a fading
    // group's surface limited to its extent is covered by fills that would not cover a whole one.
    Rect fillableArea(const Rect& r) const;
    // The bounding box of a rectangle mapped between the current coordinates and the device's.
    Rect toDevice(const Rect& r) const;
    Rect fromDevice(const Rect& r) const;
    // Adds where an operation paints (in the current coordinates, or the device's) to the ink of the
    // view content under way.
    void addInk(const Rect& r);
    void addDeviceInk(const Rect& device);
    // Counts the current path's ink (by the extents fill or stroke gives it) and answers whether it may
    // show; one that cannot is dropped.
    using PathExtents = void (*)(cairo_t*, double*, double*, double*, double*);
    bool keepPath(PathExtents extentsOf);
    // Narrows the view content's own clip (device box) while one is under way.
    void narrowContentClip(const Rect& device);
    // Clips to rectangles of the device's pixels.
    void clipToDeviceRects(const std::vector<Rect>& rects);
    // The same for one rectangle, without setting the transform anew on the way: Cairo keeps the inverse
    // of a transform built up step by step, and text drawn from the current point under an inverse
    // computed afresh now and then lands a pixel off. For clips that outlive the call.
    void clipToDeviceRectKeepingTransform(const Rect& device);
    // Whether only a part is drawn now (a partial frame, outside any group).
    bool drawsPart() const;
    bool mayShowOnDevice(const Rect& device) const;
    // Clips one operation to the shown part while it lives, when only a part is drawn: for operations
    // (given by where they paint on the device) whose pixels there do not depend on how much of them is
    // drawn; none: left whole.
    class ShownPartClip {
    public:
        ShownPartClip(CairoCanvas& canvas, const std::optional<Rect>& device);
        ~ShownPartClip();
        ShownPartClip(const ShownPartClip&) = delete;
        ShownPartClip& operator=(const ShownPartClip&) = delete;

    private:
        cairo_t* cr_ = nullptr;
    };

    cairo_t* cr_;
    State state_;
    int contentDepth_ = 0;  // views whose own drawing is under way
    std::optional<Rect> ink_;  // where the outermost one painted, in device pixels
    std::vector<State> saved_;
    std::optional<std::vector<Rect>> shownPart_;  // none: all of the surface
    // The groups under way, each with the device pixels it is limited to (none: not limited).
    std::vector<std::optional<Rect>> groupLimits_;
};


}  // namespace zuno::ui
