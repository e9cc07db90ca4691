#pragma once

#include "platform/core/RunLoop.h"
#include "platform/ui/View.h"

namespace zuno::ui {

// A turning spinner: large white (37 points), white or grey (20 points). Hidden while stopped unless
// told otherwise. It turns only while it is animating and on screen.
class ActivityIndicatorView : public View {
public:
    enum class Style { WhiteLarge = 0, White = 1, Gray = 2 };

    explicit ActivityIndicatorView(Style style = Style::White);
    ~ActivityIndicatorView() override;

    Style activityIndicatorViewStyle() const { return style_; }
    void setActivityIndicatorViewStyle(Style style);
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool on);
    void setColor(const Color& c) { color_ = c; setNeedsDisplay(); }

    void didMoveToWindow() override;
    void drawRect(Canvas& canvas, const Rect& rect) override;

private:
    void updateTimer();

    Style style_;
    bool animating_ = false;
    bool hidesWhenStopped_ = true;
    Color color_;
    int step_ = 0;
    sys::RunLoop::TimerId timer_ = 0;
};

}  // namespace zuno::ui
