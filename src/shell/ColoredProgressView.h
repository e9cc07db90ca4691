#pragma once

#include "platform/core/RunLoop.h"
#include "platform/ui/Color.h"
#include "platform/ui/ProgressView.h"

namespace zuno {

// A progress bar in the caller's tint that moves smoothly to a new value: every 0.02 s by 0.01 until
// it reaches the target (a full sweep takes 100 steps). The turn timer of the card tables.
class ColoredProgressView : public ui::ProgressView {
public:
    static constexpr double kStepSeconds = 0.02;
    static constexpr double kStep = 0.01;

    explicit ColoredProgressView(Style style = Style::Default);
    ColoredProgressView(Style style, const ui::Rect& frame);
    ~ColoredProgressView() override;

    const ui::Color& tintColor() const { return _tintColor; }
    void setTintColor(const ui::Color& color);

    using ui::ProgressView::setProgress;
    // Targets are kept within 0 to 1 (a NaN is 0).
    void setProgress(double progress, bool animated);
    void moveProgress();
    bool isMoving() const { return _progressTimer != 0; }
    double targetProgress() const { return _targetProgress; }

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;

private:
    void stopTimer();

    ui::Color _tintColor = ui::Color::rgb255(43, 134, 225);
    sys::RunLoop::TimerId _progressTimer = 0;
    double _targetProgress = 0;
};

}  // namespace zuno
