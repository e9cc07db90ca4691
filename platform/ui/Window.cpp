#include "platform/ui/Window.h"

#include <cmath>

#include "platform/core/MainThread.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewController.h"

namespace zuno::ui {

namespace {
// A finger that moves less than this is still a tap.
constexpr double kTapSlop = 10;
// Taps closer in place than this (and in time than kMultiTapInterval) count as one multiple tap.
constexpr double kMultiTapDistance = 20;
}  // namespace

Window::Window() : Window(Rect(Point{0, 0}, Screen::windowSize())) {}

Window::Window(const Rect& frame) : View(frame) {}

Window::~Window() = default;

void Window::makeKeyAndVisible() {
    makeVisible();
    Application::shared().makeKey(this);
}

void Window::makeVisible() {
    ZUNO_MAIN_THREAD_ONLY("a window");
    setHidden(false);
    Application::shared().addWindow(std::static_pointer_cast<Window>(shared_from_this()));
    notifyWindowChange();
}

bool Window::isKeyWindow() const { return Application::shared().keyWindow().get() == this; }

void Window::close() {
    touchCancel();
    Application::shared().removeWindow(this);
}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    ZUNO_MAIN_THREAD_ONLY("a window");
    if (root_) {
        if (auto v = root_->viewIfLoaded()) v->removeFromSuperview();
    }
    root_ = std::move(controller);
    if (root_) {
        auto v = root_->view();
        v->setFrame(bounds());
        addSubview(v);
    }
}

Responder* Window::nextResponder() const { return &Application::shared(); }

void Window::deliver(Touch::Phase phase) {
    auto touch = touch_;
    auto view = touch->view();
    touch->phase_ = phase;
    touch->timestamp_ = sys::RunLoop::main().now();
    if (!view) return;
    TouchSet set{touch};
    Event event(set, touch->timestamp_);
    switch (phase) {
        case Touch::Phase::Began: view->touchesBegan(set, event); break;
        case Touch::Phase::Moved: view->touchesMoved(set, event); break;
        case Touch::Phase::Ended: view->touchesEnded(set, event); break;
        case Touch::Phase::Cancelled: view->touchesCancelled(set, event); break;
        case Touch::Phase::Stationary: break;
    }
}

void Window::touchDown(Point p) {
    if (touch_) touchUp(touch_->location_);
    layoutIfNeeded();
    double now = sys::RunLoop::main().now();
    auto hit = hitTest(p, nullptr);
    touch_ = std::make_shared<Touch>();
    touch_->window_ = this;
    touch_->location_ = touch_->previousLocation_ = p;
    touch_->view_ = hit;
    bool again = lastTapTime_ >= 0 && now - lastTapTime_ <= kMultiTapInterval &&
                 std::hypot(p.x - lastTapPoint_.x, p.y - lastTapPoint_.y) <= kMultiTapDistance;
    touch_->tapCount_ = again ? lastTapCount_ + 1 : 1;
    touch_->previousTapTime_ = again ? lastTapTime_ : -1;
    touchStart_ = p;
    moved_ = false;
    panner_.reset();
    dropDelayedBegan();
    if (!hit) return;
    if (delaysTouchOn(*hit)) {
        beganDelayed_ = true;
        std::weak_ptr<Responder> weak = weak_from_this();
        delayTimer_ = sys::RunLoop::main().postDelayed(ScrollView::kContentTouchDelay, [weak] {
            if (auto self = std::static_pointer_cast<Window>(weak.lock())) {
                self->delayTimer_ = 0;
                self->deliverDelayedBegan();
            }
        });
        return;
    }
    deliver(Touch::Phase::Began);
}

bool Window::delaysTouchOn(const View& view) const {
    for (const View* v = view.superviewPointer(); v; v = v->superviewPointer()) {
        auto* scroll = dynamic_cast<const ScrollView*>(v);
        if (scroll && scroll->delaysContentTouches() && scroll->isScrollEnabled()) return true;
    }
    return false;
}

void Window::deliverDelayedBegan() {
    if (!beganDelayed_ || !touch_) return;
    dropDelayedBegan();
    deliver(Touch::Phase::Began);
}

void Window::dropDelayedBegan() {
    beganDelayed_ = false;
    if (delayTimer_) sys::RunLoop::main().cancel(delayTimer_);
    delayTimer_ = 0;
}

void Window::touchMove(Point p) {
    if (!touch_) return;
    if (touch_->location_ == p) return;
    touch_->previousLocation_ = touch_->location_;
    touch_->location_ = p;
    if (std::hypot(p.x - touchStart_.x, p.y - touchStart_.y) > kTapSlop) moved_ = true;
    if (auto pan = panner_.lock()) {
        pan->panMoved(p);
        return;
    }
    auto view = touch_->view();
    if (!view) return;
    if (moved_) {
        // A scroll view under the finger takes a drag over from the view it began in.
        for (auto v = view; v; v = v->superview()) {
            auto scroll = std::dynamic_pointer_cast<ScrollView>(v);
            if (!scroll) continue;
            Point a = scroll->convertPointFromView(touchStart_, nullptr);
            Point b = scroll->convertPointFromView(p, nullptr);
            if (!scroll->shouldBeginPan(view.get(), {b.x - a.x, b.y - a.y})) continue;
            // A view whose touch was still held back never hears of it.
            if (beganDelayed_) {
                dropDelayedBegan();
            } else {
                deliver(Touch::Phase::Cancelled);
            }
            panner_ = scroll;
            scroll->panBegan(touchStart_);
            scroll->panMoved(p);
            return;
        }
        deliverDelayedBegan();
    }
    if (beganDelayed_) return;
    deliver(Touch::Phase::Moved);
}

void Window::endPan(Point p, bool cancelled) {
    if (auto pan = panner_.lock()) pan->panEnded(p, cancelled);
    panner_.reset();
}

void Window::touchUp(Point p) {
    if (!touch_) return;
    touchMove(p);
    auto touch = touch_;
    if (!panner_.expired()) {
        endPan(p, false);
        touch_.reset();
        lastTapTime_ = -1;
        return;
    }
    deliverDelayedBegan();  // a quick tap still reaches its view
    bool recognized = false;
    if (!moved_) {
        double now = sys::RunLoop::main().now();
        lastTapTime_ = now;
        lastTapPoint_ = p;
        lastTapCount_ = touch->tapCount_;
        for (auto v = touch->view(); v && !recognized; v = v->superview()) {
            for (const auto& r : std::vector<std::shared_ptr<GestureRecognizer>>(v->gestureRecognizers())) {
                if (r->tapEnded(touch->tapCount_, 1, p)) {
                    recognized = r->cancelsTouchesInView();
                    break;
                }
            }
        }
    } else {
        lastTapTime_ = -1;
    }
    if (touch_ == touch) deliver(recognized ? Touch::Phase::Cancelled : Touch::Phase::Ended);
    if (touch_ == touch) touch_.reset();
}

void Window::touchCancel() {
    if (!touch_) return;
    if (!panner_.expired()) {
        endPan(touch_->location_, true);
    } else if (beganDelayed_) {
        dropDelayedBegan();
    } else {
        deliver(Touch::Phase::Cancelled);
    }
    touch_.reset();
}

void Window::twoFingerTap(Point p) {
    layoutIfNeeded();
    lastTapTime_ = -1;
    for (auto v = hitTest(p, nullptr); v; v = v->superview()) {
        for (const auto& r : std::vector<std::shared_ptr<GestureRecognizer>>(v->gestureRecognizers()))
            if (r->tapEnded(1, 2, p)) return;
    }
}

void Window::tap(Point p) {
    touchDown(p);
    touchUp(p);
}

void Window::tapView(const View& view) {
    Rect b = view.bounds();
    tap(view.convertPointToView(b.center(), this));
}

void Window::drag(Point from, Point to, int steps) {
    touchDown(from);
    if (steps < 1) steps = 1;
    for (int i = 1; i <= steps; ++i) {
        double t = double(i) / steps;
        touchMove({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    touchUp(to);
}

// Touch positions live here, next to the window that fills them in.
Point Touch::locationInView(const View* view) const {
    if (!view) return location_;
    return view->convertPointFromView(location_, nullptr);
}

Point Touch::previousLocationInView(const View* view) const {
    if (!view) return previousLocation_;
    return view->convertPointFromView(previousLocation_, nullptr);
}

}  // namespace zuno::ui
