#include "platform/ui/ActivityIndicatorView.h"

#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

namespace {
double sideOf(ActivityIndicatorView::Style s) { return s == ActivityIndicatorView::Style::WhiteLarge ? 37 : 20; }
}  // namespace

ActivityIndicatorView::ActivityIndicatorView(Style style) : View(Rect(0, 0, sideOf(style), sideOf(style))), style_(style) {
    color_ = style == Style::Gray ? Color::gray() : Color::white();
    setOpaque(false);
    setUserInteractionEnabled(false);
    setHidden(true);
}

ActivityIndicatorView::~ActivityIndicatorView() {
    if (timer_) sys::RunLoop::main().cancel(timer_);
}

void ActivityIndicatorView::setActivityIndicatorViewStyle(Style style) {
    style_ = style;
    color_ = style == Style::Gray ? Color::gray() : Color::white();
    Rect f = frame();
    setFrame(Rect(f.midX() - sideOf(style) / 2, f.midY() - sideOf(style) / 2, sideOf(style), sideOf(style)));
}

void ActivityIndicatorView::startAnimating() {
    animating_ = true;
    setHidden(false);
    updateTimer();
}

void ActivityIndicatorView::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) setHidden(true);
    updateTimer();
}

void ActivityIndicatorView::setHidesWhenStopped(bool on) {
    hidesWhenStopped_ = on;
    if (!animating_) setHidden(on);
}

void ActivityIndicatorView::didMoveToWindow() { updateTimer(); }

void ActivityIndicatorView::updateTimer() {
    bool want = animating_ && window() != nullptr;
    if (want && !timer_) {
        timer_ = sys::RunLoop::main().scheduleRepeating(1.0 / 12, [this] {
            step_ = (step_ + 1) % 12;
            setNeedsDisplay();
        });
    } else if (!want && timer_) {
        sys::RunLoop::main().cancel(timer_);
        timer_ = 0;
    }
}

void ActivityIndicatorView::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    double r = std::min(b.width(), b.height()) / 2;
    canvas.save();
    canvas.translate(b.midX(), b.midY());
    canvas.setLineWidth(std::max(2.0, r / 5));
    for (int i = 0; i < 12; ++i) {
        double a = (i - step_) * M_PI / 6 - M_PI / 2;
        double fade = 1.0 - double((i + 12 - 0) % 12) / 12.0;
        canvas.setStrokeColor(color_.withAlpha(color_.a * (0.25 + 0.75 * fade)));
        canvas.beginPath();
        canvas.moveTo({std::cos(a) * r * 0.5, std::sin(a) * r * 0.5});
        canvas.lineTo({std::cos(a) * r * 0.95, std::sin(a) * r * 0.95});
        canvas.strokePath();
    }
    canvas.restore();
}

}  // namespace zuno::ui
