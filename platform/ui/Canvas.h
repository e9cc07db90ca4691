#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"

namespace zuno::ui {

// The drawing surface of views. Coordinates are points; the current transform maps them to pixels.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void save() = 0;
    virtual void restore() = 0;
    virtual void translate(double dx, double dy) = 0;
    virtual void scale(double sx, double sy) = 0;
    virtual void rotate(double radians) = 0;
    virtual void concat(const AffineTransform& t) = 0;
    // Drawing between these two is composed first and then laid down at the given opacity.
    virtual void beginGroup() = 0;
    virtual void endGroup(double alpha) = 0;
    // A group known to hold nothing outside the rectangle (in the current coordinates), so that it need
    // be no larger; its pixels come out as those of a group begun plainly.
    virtual void beginGroupWithin(const Rect& extent) { beginGroup(); }

    virtual void setFillColor(const Color& c) = 0;
    virtual void setStrokeColor(const Color& c) = 0;
    virtual void setLineWidth(double width) = 0;

    virtual void fillRect(const Rect& r) = 0;
    virtual void strokeRect(const Rect& r) = 0;
    // Makes the rectangle fully transparent. Inside a view's drawRect it does nothing: views are drawn
    // afresh each frame without a store of their own, so there is nothing of the view's to clear, and
    // the views beneath and its background colour must stay (as with the toolkit's backing stores).
    virtual void clearRect(const Rect& r) = 0;
    // Whether filling the rectangle covers every pixel under it completely: it lands on whole device
    // pixels (no rotation, no fractional edge) and no clip through pixels (a path, a rectangle off whole
    // pixels) cuts its edge; a canvas that cannot tell answers no.
    virtual bool mapsRectToWholePixels(const Rect& r) const { return false; }
    // Whether anything drawn inside the rectangle (in the current coordinates) may show: not when it
    // lies outside the clip, or outside the part a partial frame draws. A canvas that cannot tell
    // answers yes.
    virtual bool mayShow(const Rect& r) const { return true; }
    // The part of the rectangle that may show, as a rectangle (all of it when that cannot be told).
    virtual Rect shownPartOf(const Rect& r) const { return r; }
    // Bracket one view's own drawing (called by the view tree). The end answers where that drawing
    // painted, in the current coordinates (empty when nowhere), when the canvas can tell.
    virtual void beginViewContent() {}
    virtual std::optional<Rect> endViewContent() { return std::nullopt; }

    virtual void beginPath() = 0;
    virtual void moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    // Angles in radians from the x axis; with y growing downwards, clockwise means increasing angles.
    virtual void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) = 0;
    virtual void addRect(const Rect& r) = 0;
    virtual void closePath() = 0;
    void addRoundedRect(const Rect& r, double radius);
    void addEllipse(const Rect& r);
    virtual void fillPath() = 0;
    virtual void strokePath() = 0;
    // Intersects the clip with the current path (and consumes it) or with a rectangle.
    virtual void clipToPath() = 0;
    virtual void clipToRect(const Rect& r) = 0;

    // Fills the clip area with a two-colour gradient from start to end.
    virtual void drawLinearGradient(Point start, Point end, const Color& from, const Color& to) = 0;

    // Text in the fill colour, its line box's top-left corner at the point; answers the advance.
    virtual double drawText(std::string_view text, Point topLeft, const Font& font) = 0;
    // An image at its own size, or scaled into a rectangle. Placeholders are drawn as labelled boxes.
    virtual void drawImage(const Image& image, Point topLeft, double alpha = 1.0) = 0;
    virtual void drawImage(const Image& image, const Rect& into, double alpha = 1.0) = 0;
};

}  // namespace zuno::ui
