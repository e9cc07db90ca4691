#include "platform/ui/ProgressView.h"

#include <algorithm>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

ProgressView::ProgressView(Style style) : ProgressView(style, Rect(0, 0, 150, 9)) {}

ProgressView::ProgressView(Style style, const Rect& frame) : View(frame), style_(style) {
    setOpaque(false);
    setUserInteractionEnabled(false);
}

void ProgressView::setProgress(double p) {
    progress_ = std::clamp(p, 0.0, 1.0);
    setNeedsDisplay();
}

void ProgressView::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    double r = style_ == Style::Default ? std::min(4.0, b.height() / 2) : 0;
    canvas.setFillColor(style_ == Style::Default ? Color::white() : Color::white(0.75));
    canvas.beginPath();
    canvas.addRoundedRect(b, r);
    canvas.fillPath();
    canvas.setFillColor(tint_);
    canvas.beginPath();
    canvas.addRoundedRect(Rect(b.x(), b.y(), b.width() * progress_, b.height()), r);
    canvas.fillPath();
    if (style_ == Style::Default) {
        canvas.setStrokeColor(Color::white(0.6));
        canvas.setLineWidth(1);
        canvas.beginPath();
        canvas.addRoundedRect(b.insetBy(0.5, 0.5), r);
        canvas.strokePath();
    }
}

}  // namespace zuno::ui
