#pragma once

#include "platform/ui/View.h"

namespace zuno::ui {

// A bar that fills from the left with the progress, 0 to 1.
class ProgressView : public View {
public:
    enum class Style { Default = 0, Bar = 1 };

    explicit ProgressView(Style style = Style::Default);
    ProgressView(Style style, const Rect& frame);

    Style progressViewStyle() const { return style_; }
    void setProgressViewStyle(Style s) { style_ = s; setNeedsDisplay(); }
    double progress() const { return progress_; }
    void setProgress(double p);
    void setProgressTintColor(const Color& c) { tint_ = c; setNeedsDisplay(); }
    Color progressTintColor() const { return tint_; }

    void drawRect(Canvas& canvas, const Rect& rect) override;

private:
    Style style_;
    double progress_ = 0;
    Color tint_ = Color::rgb255(43, 134, 225);
};

}  // namespace zuno::ui
