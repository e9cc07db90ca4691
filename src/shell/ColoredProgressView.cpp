#include "shell/ColoredProgressView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

namespace {
constexpr double kCorner = 4;

double clampProgress(double value) { return std::isnan(value) ? 0 : std::clamp(value, 0.0, 1.0); }

void clipToRounded(ui::Canvas& canvas, const ui::Rect& r) {
    canvas.beginPath();
    canvas.addRoundedRect(r, kCorner);
    canvas.clipToPath();
}
}  // namespace

ColoredProgressView::ColoredProgressView(Style style) : ui::ProgressView(style) {}

ColoredProgressView::ColoredProgressView(Style style, const ui::Rect& frame) : ui::ProgressView(style, frame) {}

ColoredProgressView::~ColoredProgressView() { stopTimer(); }

void ColoredProgressView::setTintColor(const ui::Color& color) {
    _tintColor = color;
    setNeedsDisplay();
}

void ColoredProgressView::setProgress(double progress, bool animated) {
    if (!animated) {
        setProgress(clampProgress(progress));
        return;
    }
    _targetProgress = clampProgress(progress);
    if (_progressTimer) return;
    std::weak_ptr<ColoredProgressView> weak = std::static_pointer_cast<ColoredProgressView>(shared_from_this());
    _progressTimer = sys::RunLoop::main().scheduleRepeating(kStepSeconds, [weak] {
        if (auto self = weak.lock()) self->moveProgress();
    });
}

void ColoredProgressView::moveProgress() {
    const double value = progress();
    if (value < _targetProgress) {
        setProgress(std::min(value + kStep, _targetProgress));
    } else if (value > _targetProgress) {
        setProgress(std::max(value - kStep, _targetProgress));
    } else {
        stopTimer();
    }
}

void ColoredProgressView::stopTimer() {
    if (_progressTimer) sys::RunLoop::main().cancel(_progressTimer);
    _progressTimer = 0;
}

void ColoredProgressView::drawRect(ui::Canvas& canvas, const ui::Rect& rect) {
    if (progressViewStyle() != Style::Default) {
        ui::ProgressView::drawRect(canvas, rect);
        return;
    }
    const ui::Rect bar = bounds();
    const double x = bar.origin.x, y = bar.origin.y, w = bar.size.width, h = bar.size.height;
    const double gloss = h / 1.75;
    canvas.save();
    clipToRounded(canvas, bar);

    // The track.
    canvas.setFillColor(ui::Color::white());
    canvas.fillRect(bar);
    canvas.setStrokeColor(ui::Color::rgb255(178, 178, 178, 0.9));
    canvas.setLineWidth(2);
    canvas.beginPath();
    canvas.moveTo({2.2, h});
    canvas.lineTo({w - 2.2, h});
    canvas.strokePath();
    canvas.setFillColor(ui::Color::rgb255(202, 202, 202, 0.9));
    canvas.fillRect(ui::Rect(x, 0, w, gloss));
    canvas.setFillColor(ui::Color::rgb255(163, 163, 163, 0.8));
    canvas.fillRect(ui::Rect(x, 0, w, gloss / 2.7));

    // The fill.
    const ui::Rect filled(x, y, w * progress(), h);
    clipToRounded(canvas, filled);
    canvas.setFillColor(_tintColor);
    canvas.fillRect(filled);

    // Its edge, and the gloss over it.
    const ui::Rect edge(filled.origin.x + 0.625, filled.origin.y + 0.625, filled.size.width - 1.25,
                        filled.size.height - 1.25);
    if (edge.size.width > 0 && edge.size.height > 0) {
        clipToRounded(canvas, edge);
        canvas.setStrokeColor(ui::Color::rgb255(20, 20, 20, 0.6));
        canvas.setLineWidth(1);
        canvas.strokeRect(edge);
        canvas.clipToRect(ui::Rect(x, 0, w, gloss));
        canvas.drawLinearGradient({x, gloss}, {x, 0}, ui::Color::white(1, 0.45), ui::Color::white(1, 0.75));
    }
    canvas.restore();
}

ZUNO_REGISTER_VIEW(ColoredProgressView)

}  // namespace zuno
