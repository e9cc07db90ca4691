#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno::ui {

class View;
class Window;

// One finger (here: the mouse) on the screen, from down to up.
class Touch {
public:
    enum class Phase { Began, Moved, Stationary, Ended, Cancelled };

    Phase phase() const { return phase_; }
    int tapCount() const { return tapCount_; }
    double timestamp() const { return timestamp_; }
    // For a tap that follows another quickly at its place (tapCount above 1): when the one before it
    // ended; -1 for a first tap.
    double previousTapTime() const { return previousTapTime_; }
    // The view the touch began in (it keeps receiving the touch wherever the finger goes).
    std::shared_ptr<View> view() const { return view_.lock(); }
    Window* window() const { return window_; }
    // Positions in a view's own coordinates; nullptr means the window.
    Point locationInView(const View* view) const;
    Point previousLocationInView(const View* view) const;

private:
    friend class Window;
    Phase phase_ = Phase::Began;
    int tapCount_ = 1;
    double timestamp_ = 0;
    double previousTapTime_ = -1;
    std::weak_ptr<View> view_;
    Window* window_ = nullptr;
    Point location_;          // in the window
    Point previousLocation_;  // in the window
};

using TouchSet = std::vector<std::shared_ptr<Touch>>;

// The touches of one moment.
class Event {
public:
    Event(TouchSet touches, double timestamp) : touches_(std::move(touches)), timestamp_(timestamp) {}
    const TouchSet& allTouches() const { return touches_; }
    double timestamp() const { return timestamp_; }

private:
    TouchSet touches_;
    double timestamp_;
};

}  // namespace zuno::ui
