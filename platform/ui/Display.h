#pragma once

#include <functional>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno::ui {

// A part of the screen in the windows' points: a few rectangles, or all of it.
class ScreenRegion {
public:
    // Overlapping rectangles are joined into their bounding box; past this many, all of them are.
    static constexpr size_t kMostRects = 12;

    void add(const Rect& rect);
    void add(const ScreenRegion& region);
    void addAll();
    void clear();
    bool isEmpty() const { return !all_ && rects_.empty(); }
    bool isAll() const { return all_; }
    // The rectangles, none overlapping another; empty when the region is all of the screen.
    const std::vector<Rect>& rects() const { return rects_; }
    bool intersects(const Rect& rect) const;

private:
    std::vector<Rect> rects_;
    bool all_ = false;
};

// What of the screen needs drawing again: set by any visible change, read by the display backends.
class Display {
public:
    // All of the screen (a change that cannot say where: a window shown, a turn, a new screen).
    static void invalidate();
    // A part of the screen, in the windows' points.
    static void invalidate(const Rect& rect);
    static void invalidate(const ScreenRegion& region);
    static bool isDirty();
    static const ScreenRegion& dirtyRegion();
    static void clearDirty();
    // Marks, for a frame about to be drawn, where every running animation shows its views now and where
    // it showed them in the frame before, so that a partial frame moves them along.
    static void markAnimationFrame();
    // Remembers, once the frame is drawn, where the running animations showed their views in it (what
    // their drawing covered, which may have grown while drawing).
    static void animationFrameDrawn();
    // Called when the region stops being empty (a backend may wake itself).
    static void setListener(std::function<void()> listener);
};

}  // namespace zuno::ui
