#include "platform/ui/Display.h"

#include "platform/ui/Animation.h"

namespace zuno::ui {

namespace {

ScreenRegion& dirty() {
    static ScreenRegion* region = [] {
        auto* r = new ScreenRegion;  // lives for the whole run
        r->addAll();
        return r;
    }();
    return *region;
}

// Where the running animations showed their views in the last frame drawn.
ScreenRegion& animatedLastFrame() {
    static ScreenRegion* region = new ScreenRegion;
    return *region;
}

std::function<void()>& displayListener() {
    static std::function<void()> listener;
    return listener;
}

void tellListener(bool wasEmpty) {
    if (!wasEmpty) return;
    if (auto& l = displayListener()) l();
}

}  // namespace

// ---- ScreenRegion

void ScreenRegion::add(const Rect& rect) {
    if (all_ || rect.isEmpty()) return;
    Rect joined(Point{rect.minX(), rect.minY()}, Size{rect.maxX() - rect.minX(), rect.maxY() - rect.minY()});
    // Whatever the new rectangle overlaps joins it, until it overlaps nothing left.
    for (bool grew = true; grew;) {
        grew = false;
        for (size_t i = 0; i < rects_.size();) {
            if (!rects_[i].intersects(joined)) {
                ++i;
                continue;
            }
            joined = joined.united(rects_[i]);
            rects_.erase(rects_.begin() + long(i));
            grew = true;
        }
    }
    rects_.push_back(joined);
    if (rects_.size() <= kMostRects) return;
    Rect all = rects_.front();
    for (const Rect& r : rects_) all = all.united(r);
    rects_.assign(1, all);
}

void ScreenRegion::add(const ScreenRegion& region) {
    if (region.all_) {
        addAll();
        return;
    }
    for (const Rect& r : region.rects_) add(r);
}

void ScreenRegion::addAll() {
    all_ = true;
    rects_.clear();
}

void ScreenRegion::clear() {
    all_ = false;
    rects_.clear();
}

bool ScreenRegion::intersects(const Rect& rect) const {
    if (rect.isEmpty()) return false;
    if (all_) return true;
    for (const Rect& r : rects_)
        if (r.intersects(rect)) return true;
    return false;
}

// ---- Display

void Display::invalidate() {
    const bool wasEmpty = dirty().isEmpty();
    dirty().addAll();
    tellListener(wasEmpty);
}

void Display::invalidate(const Rect& rect) {
    if (rect.isEmpty()) return;
    const bool wasEmpty = dirty().isEmpty();
    dirty().add(rect);
    tellListener(wasEmpty);
}

void Display::invalidate(const ScreenRegion& region) {
    if (region.isEmpty()) return;
    const bool wasEmpty = dirty().isEmpty();
    dirty().add(region);
    tellListener(wasEmpty);
}

bool Display::isDirty() { return !dirty().isEmpty(); }

const ScreenRegion& Display::dirtyRegion() { return dirty(); }

void Display::clearDirty() { dirty().clear(); }

void Display::markAnimationFrame() {
    ScreenRegion now;
    Animator::shared().addPresentedAreas(now);
    invalidate(animatedLastFrame());
    invalidate(now);
}

void Display::animationFrameDrawn() {
    ScreenRegion now;
    Animator::shared().addPresentedAreas(now);
    animatedLastFrame() = std::move(now);
}

void Display::setListener(std::function<void()> listener) { displayListener() = std::move(listener); }

}  // namespace zuno::ui
