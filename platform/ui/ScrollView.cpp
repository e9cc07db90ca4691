#include "platform/ui/ScrollView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"

namespace zuno::ui {

namespace {
enum Reason { kScrollAnimation = 0, kSettle = 1, kZoom = 2 };
constexpr double kFrameSeconds = 1.0 / 60;
double ease(double t) { return t * (2 - t); }
}  // namespace

ScrollView::ScrollView() : ScrollView(Rect()) {}

ScrollView::ScrollView(const Rect& frame) : View(frame) { setClipsToBounds(true); }

ScrollView::~ScrollView() {
    stopAnimation();
    sys::RunLoop::main().cancel(indicatorTimer_);
}

void ScrollView::setContentSize(Size s) {
    contentSize_ = s;
    setNeedsDisplay();
}

void ScrollView::setContentInset(const EdgeInsets& e) { inset_ = e; }

Point ScrollView::minimumOffset() const { return {-inset_.left, -inset_.top}; }

Point ScrollView::maximumOffset() const {
    Point lo = minimumOffset();
    return {std::max(lo.x, contentSize_.width + inset_.right - bounds().width()),
            std::max(lo.y, contentSize_.height + inset_.bottom - bounds().height())};
}

Point ScrollView::clampOffset(Point p) const {
    Point lo = minimumOffset(), hi = maximumOffset();
    return {std::clamp(p.x, lo.x, hi.x), std::clamp(p.y, lo.y, hi.y)};
}

void ScrollView::didScroll() {
    if (auto d = delegate_.lock()) d->scrollViewDidScroll(*this);
}

void ScrollView::setContentOffset(Point p) {
    Rect b = bounds();
    if (b.origin == p) return;
    setBounds(Rect(p, b.size));
    didScroll();
}

void ScrollView::setContentOffset(Point p, bool animated) {
    stopAnimation();
    decelerating_ = false;  // a flick under way gives way
    momentum_ = {};
    if (!animated) {
        setContentOffset(p);
        return;
    }
    animateTo(p, std::nullopt, kScrollAnimation);
}

bool ScrollView::scrollByWheel(double notchesX, double notchesY) {
    if (!scrollEnabled_) return false;
    // A sideways-only content takes the vertical wheel as sideways.
    if (notchesX == 0 && canScrollHorizontally() && !canScrollVertically()) std::swap(notchesX, notchesY);
    const Size page = bounds().size;
    // Turns in quick succession count from where the last one is going.
    const double now = sys::RunLoop::main().now();
    const Point from = timer_ && now < wheelUntil_ ? wheelTarget_ : contentOffset();
    Point target = from;
    if (paging_) {
        if (notchesX != 0 && page.width > 0)
            target.x = (std::round(target.x / page.width) + (notchesX > 0 ? 1 : -1)) * page.width;
        if (notchesY != 0 && page.height > 0)
            target.y = (std::round(target.y / page.height) + (notchesY > 0 ? 1 : -1)) * page.height;
    } else {
        target.x += notchesX * kWheelLine;
        target.y += notchesY * kWheelLine;
    }
    const Point min = minimumOffset(), max = maximumOffset();
    target.x = std::clamp(target.x, min.x, max.x);
    target.y = std::clamp(target.y, min.y, max.y);
    if (target == from) return false;
    setContentOffset(target, paging_);
    wheelTarget_ = target;
    wheelUntil_ = now + kSettleSeconds;
    return true;
}

void ScrollView::scrollRectToVisible(const Rect& r, bool animated) {
    Rect b = bounds();
    Point target = b.origin;
    if (r.maxX() > b.maxX()) target.x = r.maxX() - b.width();
    if (r.minX() < target.x) target.x = r.minX();
    if (r.maxY() > b.maxY()) target.y = r.maxY() - b.height();
    if (r.minY() < target.y) target.y = r.minY();
    setContentOffset(clampOffset(target), animated);
}

void ScrollView::stopAnimation() {
    if (timer_) {
        sys::RunLoop::main().cancel(timer_);
        timer_ = 0;
    }
}

void ScrollView::animateTo(Point offset, std::optional<double> zoom, int reason) {
    stopAnimation();
    auto& loop = sys::RunLoop::main();
    double start = loop.now();
    Point from = contentOffset();
    double zoomFrom = zoomScale_;
    timer_ = loop.scheduleRepeating(kFrameSeconds, [this, start, from, offset, zoom, zoomFrom, reason] {
        double t = std::min(1.0, (sys::RunLoop::main().now() - start) / kSettleSeconds);
        double k = ease(t);
        if (zoom) {
            applyZoom(zoomFrom + (*zoom - zoomFrom) * k);
            if (auto d = delegate_.lock()) d->scrollViewDidZoom(*this);
        }
        setContentOffset({from.x + (offset.x - from.x) * k, from.y + (offset.y - from.y) * k});
        if (t < 1) return;
        stopAnimation();
        movementEnded();
        auto d = delegate_.lock();
        if (reason == kSettle) {
            decelerating_ = false;
            if (d) d->scrollViewDidEndDecelerating(*this);
        } else if (reason == kZoom) {
            zooming_ = false;
            if (d) {
                auto v = d->viewForZoomingInScrollView(*this);
                d->scrollViewDidEndZooming(*this, v.get(), zoomScale_);
            }
        } else if (d) {
            d->scrollViewDidEndScrollingAnimation(*this);
        }
    });
    setNeedsDisplay();  // the indicators show, also on the way to where the content is already
}

bool ScrollView::canScrollHorizontally() const {
    return bounceHorizontal_ || contentSize_.width + inset_.left + inset_.right > bounds().width();
}

bool ScrollView::canScrollVertically() const {
    return bounceVertical_ || contentSize_.height + inset_.top + inset_.bottom > bounds().height();
}

bool ScrollView::shouldBeginPan(View* touched, Point delta) {
    if (!scrollEnabled_ || !isUserInteractionEnabled() || !canCancel_) return false;
    if (auto* control = dynamic_cast<Control*>(touched)) {
        if (control != static_cast<View*>(this) && !control->canBeCancelledByScrollView()) return false;
    }
    bool vertical = std::fabs(delta.y) > std::fabs(delta.x);
    return vertical ? canScrollVertically() : canScrollHorizontally();
}

void ScrollView::panBegan(Point windowPoint) {
    stopAnimation();
    decelerating_ = false;
    dragging_ = true;
    panStart_ = windowPoint;
    lastPanPoint_ = windowPoint;
    lastPanTime_ = sys::RunLoop::main().now();
    velocity_ = {};
    momentum_ = {};
    offsetAtPanStart_ = contentOffset();
    setNeedsDisplay();  // the indicators show
    if (auto d = delegate_.lock()) d->scrollViewWillBeginDragging(*this);
}

void ScrollView::panMoved(Point windowPoint) {
    if (!dragging_) return;
    // Both points are mapped with the same offset, so the offset cancels out of the difference.
    Point a = convertPointFromView(panStart_, nullptr);
    Point b = convertPointFromView(windowPoint, nullptr);
    Point d{b.x - a.x, b.y - a.y};
    double now = sys::RunLoop::main().now();
    // The same place again (the lift after the last move) says nothing of the speed.
    if (windowPoint == lastPanPoint_) return;
    if (now > lastPanTime_) {
        Point prev = convertPointFromView(lastPanPoint_, nullptr);
        Point v{(b.x - prev.x) / (now - lastPanTime_), (b.y - prev.y) / (now - lastPanTime_)};
        // Smoothed a little: single mouse samples are uneven.
        velocity_ = {0.8 * v.x + 0.2 * velocity_.x, 0.8 * v.y + 0.2 * velocity_.y};
    }
    lastPanPoint_ = windowPoint;
    lastPanTime_ = now;
    Point target = offsetAtPanStart_;
    if (canScrollHorizontally()) target.x -= d.x;
    if (canScrollVertically()) target.y -= d.y;
    Point lo = minimumOffset(), hi = maximumOffset();
    auto rubber = [this](double v, double low, double high) {
        if (v < low) return bounces_ ? low - (low - v) / 2 : low;
        if (v > high) return bounces_ ? high + (v - high) / 2 : high;
        return v;
    };
    setContentOffset({rubber(target.x, lo.x, hi.x), rubber(target.y, lo.y, hi.y)});
}

void ScrollView::panEnded(Point windowPoint, bool cancelled) {
    if (!dragging_) return;
    if (!cancelled) panMoved(windowPoint);
    dragging_ = false;
    Point offset = contentOffset();
    Point target = clampOffset(offset);
    if (paging_) {
        Size page = bounds().size;
        auto snap = [](double v, double size, double speed, double lo, double hi) {
            if (size <= 0) return v;
            double pageIndex = std::round(v / size);
            // A flick moves on by one page in its direction.
            if (speed < -300) pageIndex = std::ceil(v / size);
            if (speed > 300) pageIndex = std::floor(v / size);
            return std::clamp(pageIndex * size, lo, hi);
        };
        Point lo = minimumOffset(), hi = maximumOffset();
        target = {snap(offset.x, page.width, velocity_.x, lo.x, hi.x), snap(offset.y, page.height, velocity_.y, lo.y, hi.y)};
    }
    // A flick: the content goes on the way the finger went, unless the finger rested before lifting.
    bool rested = sys::RunLoop::main().now() - lastPanTime_ > kRestSeconds;
    Point fling{canScrollHorizontally() && !rested ? -velocity_.x : 0,
                canScrollVertically() && !rested ? -velocity_.y : 0};
    bool momentum = !cancelled && !paging_ && target == offset && std::hypot(fling.x, fling.y) > kMinimumFlingSpeed;
    bool settle = target != offset || momentum;
    auto d = delegate_.lock();
    if (d) d->scrollViewDidEndDragging(*this, settle);
    if (!settle) {
        movementEnded();
        return;
    }
    decelerating_ = true;
    if ((d = delegate_.lock())) d->scrollViewWillBeginDecelerating(*this);
    if (momentum) {
        decelerate(fling);
        return;
    }
    // The delegate may have moved the content itself (an inset change); settle where it is valid now.
    animateTo(paging_ ? target : clampOffset(contentOffset()), std::nullopt, kSettle);
}

void ScrollView::decelerate(Point velocity) {
    stopAnimation();
    momentum_ = velocity;
    auto& loop = sys::RunLoop::main();
    lastStep_ = loop.now();
    timer_ = loop.scheduleRepeating(kFrameSeconds, [this] { decelerationStep(); });
    setNeedsDisplay();  // the indicators show
}

void ScrollView::decelerationStep() {
    double now = sys::RunLoop::main().now();
    double dt = now - lastStep_;
    if (dt <= 0) return;
    lastStep_ = now;
    // The speed decays exponentially; the distance is its integral over the step, so the path does not
    // depend on the frame rate.
    const double perSecond = 1000 * std::log(kDecelerationRate);  // negative
    double decay = std::exp(perSecond * dt);
    double travel = (decay - 1) / perSecond;
    Point from = contentOffset();
    Point next{from.x + momentum_.x * travel, from.y + momentum_.y * travel};
    momentum_ = {momentum_.x * decay, momentum_.y * decay};
    Point allowed = clampOffset(next);
    bool atEdge = allowed != next;
    if (atEdge) momentum_ = {};
    setContentOffset(allowed);
    if (!atEdge && std::hypot(momentum_.x, momentum_.y) >= kStopSpeed) return;
    momentum_ = {};
    stopAnimation();
    decelerating_ = false;
    if (auto d = delegate_.lock()) d->scrollViewDidEndDecelerating(*this);
    movementEnded();
}

void ScrollView::movementEnded() {
    auto& loop = sys::RunLoop::main();
    indicatorsUntil_ = loop.now() + kIndicatorLinger;
    loop.cancel(indicatorTimer_);
    std::weak_ptr<Responder> weak = weak_from_this();
    indicatorTimer_ = loop.postDelayed(kIndicatorLinger, [weak] {
        if (auto self = std::static_pointer_cast<ScrollView>(weak.lock())) {
            self->indicatorTimer_ = 0;
            self->setNeedsDisplay();  // they go
        }
    });
}

bool ScrollView::showsIndicators() const {
    return dragging_ || decelerating_ || timer_ != 0 || sys::RunLoop::main().now() < indicatorsUntil_;
}

void ScrollView::drawOverSubviews(Canvas& canvas) {
    if (!showsIndicators()) return;
    constexpr double kThickness = 3, kEdge = 2, kShortest = 12;
    const Rect b = bounds();
    const Point lo = minimumOffset(), hi = maximumOffset();
    canvas.save();
    canvas.setFillColor(Color{0, 0, 0, 0.45});
    auto bar = [&](double visible, double content, double offset, double low, double high) {
        // No longer than the view: a bar reaching past its bounds would paint where the view is not known
        // to draw.
        double length = std::min(std::max(kShortest, visible * std::min(1.0, visible / std::max(content, 1.0)) - 2 * kEdge),
                                 std::max(0.0, visible - 2 * kEdge));
        double share = high > low ? std::clamp((offset - low) / (high - low), 0.0, 1.0) : 0;
        return std::pair<double, double>{kEdge + share * (visible - 2 * kEdge - length), length};
    };
    if (showsVertical_ && hi.y > lo.y) {
        auto [at, length] = bar(b.height(), contentSize_.height + inset_.top + inset_.bottom, b.y(), lo.y, hi.y);
        canvas.beginPath();
        canvas.addRoundedRect(Rect(b.maxX() - kThickness - kEdge, b.y() + at, kThickness, length), kThickness / 2);
        canvas.fillPath();
    }
    if (showsHorizontal_ && hi.x > lo.x) {
        auto [at, length] = bar(b.width(), contentSize_.width + inset_.left + inset_.right, b.x(), lo.x, hi.x);
        canvas.beginPath();
        canvas.addRoundedRect(Rect(b.x() + at, b.maxY() - kThickness - kEdge, length, kThickness), kThickness / 2);
        canvas.fillPath();
    }
    canvas.restore();
}

void ScrollView::applyZoom(double scale) {
    zoomScale_ = scale;
    auto d = delegate_.lock();
    auto v = d ? d->viewForZoomingInScrollView(*this) : nullptr;
    if (!v) return;
    Rect b = v->bounds();
    v->setTransform(AffineTransform::scale(scale, scale));
    v->setCenter({b.width() * scale / 2, b.height() * scale / 2});
    setContentSize({b.width() * scale, b.height() * scale});
}

void ScrollView::setZoomScale(double scale) { setZoomScale(scale, false); }

void ScrollView::setZoomScale(double scale, bool animated) {
    scale = std::clamp(scale, minZoom_, std::max(minZoom_, maxZoom_));
    auto d = delegate_.lock();
    auto v = d ? d->viewForZoomingInScrollView(*this) : nullptr;
    if (!v) {
        zoomScale_ = scale;
        return;
    }
    // Keep the middle of what is shown in the middle.
    Rect b = bounds();
    double k = scale / (zoomScale_ > 0 ? zoomScale_ : 1);
    Point mid{(b.midX()) * k - b.width() / 2, (b.midY()) * k - b.height() / 2};
    if (animated) {
        zooming_ = true;
        Size zoomed{v->bounds().width() * scale, v->bounds().height() * scale};
        Point hi{std::max(-inset_.left, zoomed.width + inset_.right - b.width()),
                 std::max(-inset_.top, zoomed.height + inset_.bottom - b.height())};
        animateTo({std::clamp(mid.x, -inset_.left, hi.x), std::clamp(mid.y, -inset_.top, hi.y)}, scale, kZoom);
        return;
    }
    stopAnimation();
    applyZoom(scale);
    if (d) d->scrollViewDidZoom(*this);
    setContentOffset(clampOffset(mid));
}

void ScrollView::zoomToRect(const Rect& r, bool animated) {
    auto d = delegate_.lock();
    auto v = d ? d->viewForZoomingInScrollView(*this) : nullptr;
    if (!v || r.width() <= 0 || r.height() <= 0) return;
    Rect b = bounds();
    double scale = std::clamp(std::min(b.width() / r.width(), b.height() / r.height()), minZoom_,
                              std::max(minZoom_, maxZoom_));
    Size zoomed{v->bounds().width() * scale, v->bounds().height() * scale};
    Point target{r.midX() * scale - b.width() / 2, r.midY() * scale - b.height() / 2};
    Point hi{std::max(-inset_.left, zoomed.width + inset_.right - b.width()),
             std::max(-inset_.top, zoomed.height + inset_.bottom - b.height())};
    target = {std::clamp(target.x, -inset_.left, hi.x), std::clamp(target.y, -inset_.top, hi.y)};
    if (animated) {
        zooming_ = true;
        animateTo(target, scale, kZoom);
        return;
    }
    stopAnimation();
    applyZoom(scale);
    if (d) d->scrollViewDidZoom(*this);
    setContentOffset(target);
}

}  // namespace zuno::ui
