#include "platform/ui/PageControl.h"

#include <algorithm>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

namespace {
constexpr double kDot = 7, kPitch = 16;
}

PageControl::PageControl() : PageControl(Rect(0, 0, 160, 36)) {}

PageControl::PageControl(const Rect& frame) : Control(frame) { setOpaque(false); }

void PageControl::setNumberOfPages(int n) {
    pages_ = std::max(0, n);
    current_ = std::clamp(current_, 0, std::max(0, pages_ - 1));
    setNeedsDisplay();
}

void PageControl::setCurrentPage(int page) {
    current_ = std::clamp(page, 0, std::max(0, pages_ - 1));
    setNeedsDisplay();
}

void PageControl::drawRect(Canvas& canvas, const Rect&) {
    if (pages_ == 0 || (pages_ == 1 && hidesForSinglePage_)) return;
    Rect b = bounds();
    double width = kPitch * (pages_ - 1) + kDot;
    double x = b.midX() - width / 2;
    for (int i = 0; i < pages_; ++i) {
        canvas.setFillColor(i == current_ ? Color::white() : Color::white(1, 0.35));
        canvas.beginPath();
        canvas.addEllipse(Rect(x + kPitch * i, b.midY() - kDot / 2, kDot, kDot));
        canvas.fillPath();
    }
}

void PageControl::endTracking(const Touch& touch, const Event&) {
    if (pages_ == 0) return;
    Rect b = bounds();
    double width = kPitch * (pages_ - 1) + kDot;
    double currentX = b.midX() - width / 2 + kPitch * current_ + kDot / 2;
    int next = touch.locationInView(this).x > currentX ? current_ + 1 : current_ - 1;
    if (next < 0 || next >= pages_) return;
    current_ = next;
    setNeedsDisplay();
    sendActionsForControlEvents(ControlEvent::ValueChanged);
}

}  // namespace zuno::ui
