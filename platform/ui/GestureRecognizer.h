#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Object.h"

namespace zuno::ui {

class Responder;
class View;

// Recognises a gesture among the touches of its view and sends its actions (name on a target, as
// controls do). Only taps are recognised: the mouse's left button is one finger, its right button a
// tap of two fingers at once.
class GestureRecognizer : public Object {
public:
    enum class State { Possible, Recognized, Failed };

    void addTarget(const std::shared_ptr<Responder>& target, std::string action);
    void removeTarget(const Responder* target, const std::string& action);
    View* view() const { return view_; }
    State state() const { return state_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool on) { cancelsTouchesInView_ = on; }
    // Where the gesture happened, in a view's coordinates (nullptr: the window).
    Point locationInView(const View* view) const;

    // Called by the window when a touch that did not move ends over the view; answers whether the
    // gesture was recognised (its actions have then run).
    virtual bool tapEnded(int tapCount, int touchCount, Point windowLocation) = 0;

protected:
    void fire(Point windowLocation);

private:
    friend class View;
    struct Target {
        std::weak_ptr<Responder> target;
        std::string action;
    };
    View* view_ = nullptr;
    std::vector<Target> targets_;
    State state_ = State::Possible;
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    Point location_;
};

class TapGestureRecognizer : public GestureRecognizer {
public:
    TapGestureRecognizer() = default;
    TapGestureRecognizer(const std::shared_ptr<Responder>& target, std::string action) {
        addTarget(target, std::move(action));
    }
    int numberOfTapsRequired() const { return taps_; }
    void setNumberOfTapsRequired(int n) { taps_ = n; }
    int numberOfTouchesRequired() const { return touches_; }
    void setNumberOfTouchesRequired(int n) { touches_ = n; }

    bool tapEnded(int tapCount, int touchCount, Point windowLocation) override;

private:
    int taps_ = 1;
    int touches_ = 1;
};

}  // namespace zuno::ui
