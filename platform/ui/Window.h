#pragma once

#include <memory>
#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/View.h"

namespace zuno::ui {

class ScrollView;

// The top of a view tree on the screen. The application's windows lie over each other by level; an
// alert's window lies over everything.
class Window : public View {
public:
    static constexpr double kLevelNormal = 0;
    static constexpr double kLevelAlert = 2000;
    // Taps closer in time than this (and near each other) count as one double or triple tap.
    static constexpr double kMultiTapInterval = 0.35;

    Window();
    explicit Window(const Rect& frame);
    ~Window() override;

    double windowLevel() const { return level_; }
    void setWindowLevel(double level) { level_ = level; }
    // Shows the window and makes it the one that takes key input.
    void makeKeyAndVisible();
    void makeVisible();
    bool isKeyWindow() const;
    // Takes the window off the screen (the application forgets it).
    void close();

    std::shared_ptr<ViewController> rootViewController() const { return root_; }
    void setRootViewController(std::shared_ptr<ViewController> controller);

    Responder* nextResponder() const override;

    // Touches in window coordinates, as a finger (or the mouse) gives them.
    void touchDown(Point p);
    void touchMove(Point p);
    void touchUp(Point p);
    void touchCancel();
    // A tap of two fingers at once (the mouse's right button): only gesture recognisers hear of it.
    void twoFingerTap(Point p);
    bool isTouching() const { return touch_ != nullptr; }
    // Conveniences for tests and tools.
    void tap(Point p);
    void tapView(const View& view);
    void drag(Point from, Point to, int steps = 8);

private:
    void deliver(Touch::Phase phase);
    void endPan(Point p, bool cancelled);
    // A touch inside a scroll view reaches its view only once it is clearly not a drag.
    bool delaysTouchOn(const View& view) const;
    void deliverDelayedBegan();
    void dropDelayedBegan();

    double level_ = kLevelNormal;
    std::shared_ptr<ViewController> root_;
    std::shared_ptr<Touch> touch_;
    Point touchStart_;
    bool moved_ = false;
    std::weak_ptr<ScrollView> panner_;
    bool beganDelayed_ = false;
    sys::RunLoop::TimerId delayTimer_ = 0;
    // For counting taps that follow each other quickly at one place.
    double lastTapTime_ = -1;
    Point lastTapPoint_;
    int lastTapCount_ = 0;
};

using WindowPtr = std::shared_ptr<Window>;

}  // namespace zuno::ui
