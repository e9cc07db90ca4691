#pragma once

#include <memory>

#include "platform/core/RunLoop.h"
#include "platform/ui/View.h"

namespace zuno::ui {

class ScrollView;

class ScrollViewDelegate {
public:
    virtual ~ScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(ScrollView& scrollView) {}
    virtual void scrollViewWillBeginDragging(ScrollView& scrollView) {}
    virtual void scrollViewDidEndDragging(ScrollView& scrollView, bool willDecelerate) {}
    virtual void scrollViewWillBeginDecelerating(ScrollView& scrollView) {}
    virtual void scrollViewDidEndDecelerating(ScrollView& scrollView) {}
    virtual void scrollViewDidEndScrollingAnimation(ScrollView& scrollView) {}
    virtual std::shared_ptr<View> viewForZoomingInScrollView(ScrollView& scrollView) { return nullptr; }
    virtual void scrollViewDidZoom(ScrollView& scrollView) {}
    virtual void scrollViewDidEndZooming(ScrollView& scrollView, View* view, double scale) {}
};

// Shows a part of a larger content; a drag moves the content offset (the bounds' origin). A flick goes
// on after the finger lifts and slows down; beyond the edges a drag moves half as far and the content
// springs back when let go; with paging it settles on whole pages. Scroll indicators show while the
// content moves. A touch on a view inside reaches it only once it is clearly not a drag (or at once on
// lifting). Zooming scales the delegate's zoom view. All timing is on the main run loop's clock.
class ScrollView : public View {
public:
    static constexpr double kSettleSeconds = 0.3;
    // How long a touch inside is held back while it may still become a drag.
    static constexpr double kContentTouchDelay = 0.15;
    // After a flick the speed falls to this share each millisecond.
    static constexpr double kDecelerationRate = 0.998;
    // Slower flicks (points per second) and a finger that rested this long before lifting start no
    // momentum; the momentum ends below the stop speed.
    static constexpr double kMinimumFlingSpeed = 50;
    static constexpr double kStopSpeed = 10;
    static constexpr double kRestSeconds = 0.1;
    // The indicators stay this long after the content stops.
    static constexpr double kIndicatorLinger = 0.5;

    ScrollView();
    explicit ScrollView(const Rect& frame);
    ~ScrollView() override;

    Size contentSize() const { return contentSize_; }
    void setContentSize(Size s);
    Point contentOffset() const { return bounds().origin; }
    void setContentOffset(Point p);
    void setContentOffset(Point p, bool animated);
    EdgeInsets contentInset() const { return inset_; }
    void setContentInset(const EdgeInsets& e);
    void scrollRectToVisible(const Rect& r, bool animated);

    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool on) { scrollEnabled_ = on; }
    bool isPagingEnabled() const { return paging_; }
    void setPagingEnabled(bool on) { paging_ = on; }
    bool bounces() const { return bounces_; }
    void setBounces(bool on) { bounces_ = on; }
    bool alwaysBounceVertical() const { return bounceVertical_; }
    void setAlwaysBounceVertical(bool on) { bounceVertical_ = on; }
    bool alwaysBounceHorizontal() const { return bounceHorizontal_; }
    void setAlwaysBounceHorizontal(bool on) { bounceHorizontal_ = on; }
    bool showsVerticalScrollIndicator() const { return showsVertical_; }
    void setShowsVerticalScrollIndicator(bool on) { showsVertical_ = on; }
    bool showsHorizontalScrollIndicator() const { return showsHorizontal_; }
    void setShowsHorizontalScrollIndicator(bool on) { showsHorizontal_ = on; }
    bool scrollsToTop() const { return scrollsToTop_; }
    void setScrollsToTop(bool on) { scrollsToTop_ = on; }
    bool delaysContentTouches() const { return delaysContentTouches_; }
    void setDelaysContentTouches(bool on) { delaysContentTouches_ = on; }
    bool canCancelContentTouches() const { return canCancel_; }
    void setCanCancelContentTouches(bool on) { canCancel_ = on; }
    bool isDragging() const { return dragging_; }
    bool isDecelerating() const { return decelerating_; }
    bool isTracking() const { return dragging_; }
    // The content moves with no finger on it: a flick gliding on, a settle after a drag, an animated
    // scroll or zoom.
    bool isMovingByItself() const { return timer_ != 0; }

    double zoomScale() const { return zoomScale_; }
    void setZoomScale(double scale);
    void setZoomScale(double scale, bool animated);
    double minimumZoomScale() const { return minZoom_; }
    void setMinimumZoomScale(double s) { minZoom_ = s; }
    double maximumZoomScale() const { return maxZoom_; }
    void setMaximumZoomScale(double s) { maxZoom_ = s; }
    // Zooms so that the rectangle (in the zoom view's coordinates) fills the scroll view.
    void zoomToRect(const Rect& r, bool animated);
    bool isZooming() const { return zooming_; }

    void setDelegate(std::weak_ptr<ScrollViewDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<ScrollViewDelegate> delegate() const { return delegate_.lock(); }

    // Touches on the scroll view itself stop here (a subclass may pass them on).
    void touchesBegan(const TouchSet& touches, const Event& event) override {}
    void touchesMoved(const TouchSet& touches, const Event& event) override {}
    void touchesEnded(const TouchSet& touches, const Event& event) override {}
    void touchesCancelled(const TouchSet& touches, const Event& event) override {}

    // The window hands a drag over through these (points in window coordinates, deltas in this view's).
    virtual bool shouldBeginPan(View* touched, Point delta);
    virtual void panBegan(Point windowPoint);
    virtual void panMoved(Point windowPoint);
    virtual void panEnded(Point windowPoint, bool cancelled);

    // A turn of the mouse wheel over the content, in notches (positive: towards the end). A paging
    // scroll view moves one page per turn, sideways when it only scrolls sideways; others move a few
    // lines. False when the content cannot move that way (the wheel then goes to an outer one).
    bool scrollByWheel(double notchesX, double notchesY);
    static constexpr double kWheelLine = 30;

    Point minimumOffset() const;
    Point maximumOffset() const;
    // The speed of the content after the last drag or flick, in points per second (0 when still).
    Point decelerationVelocity() const { return momentum_; }

    void drawOverSubviews(Canvas& canvas) override;

protected:
    virtual void didScroll();
    bool canScrollHorizontally() const;
    bool canScrollVertically() const;
    Point windowPanStart() const { return panStart_; }

private:
    void animateTo(Point offset, std::optional<double> zoom, int reason);
    void decelerate(Point velocity);
    void decelerationStep();
    void movementEnded();
    bool showsIndicators() const;
    void stopAnimation();
    void applyZoom(double scale);
    Point clampOffset(Point p) const;

    Size contentSize_;
    EdgeInsets inset_;
    bool scrollEnabled_ = true, paging_ = false, bounces_ = true;
    bool bounceVertical_ = false, bounceHorizontal_ = false;
    bool showsVertical_ = true, showsHorizontal_ = true, scrollsToTop_ = true;
    bool delaysContentTouches_ = true, canCancel_ = true;
    bool dragging_ = false, decelerating_ = false, zooming_ = false;
    double zoomScale_ = 1, minZoom_ = 1, maxZoom_ = 1;
    Point panStart_, offsetAtPanStart_, lastPanPoint_;
    double lastPanTime_ = 0;
    Point velocity_;
    Point momentum_;
    double lastStep_ = 0;
    double indicatorsUntil_ = -1;
    std::weak_ptr<ScrollViewDelegate> delegate_;
    sys::RunLoop::TimerId timer_ = 0;
    sys::RunLoop::TimerId indicatorTimer_ = 0;
    Point wheelTarget_;
    double wheelUntil_ = -1;
};

}  // namespace zuno::ui
