#pragma once

#include "games/blocks/BlocksGesture.h"
#include "games/blocks/BlocksPoint.h"

namespace zuno {

// Turns one finger's touch on the table screen into steps of the falling piece. Points are screen
// points (y grows downward); times are the touch events' times in seconds.
class BlocksTouchTracker {
public:
    static constexpr float kStep = 18.0f;          // one cell
    static constexpr float kHardDropSwipe = 100.0f;
    static constexpr double kQuickTouch = 1.0;     // seconds

    void touchBegan(BlocksPoint point, double time);
    // A step down (or a hard drop for a long quick swipe), right or left, one per call at most.
    BlocksGesture touchMoved(BlocksPoint point, double time);
    // Rotate for a quick touch that ends within one cell of where it began.
    BlocksGesture touchEnded(BlocksPoint point, double time) const;

    BlocksPoint touchPoint() const { return touchPoint_; }
    BlocksPoint oldPoint() const { return oldPoint_; }
    double beginTouchTime() const { return beginTouchTime_; }

private:
    BlocksPoint touchPoint_;  // where the last step was taken
    BlocksPoint oldPoint_;    // where the touch began
    double beginTouchTime_ = 0;
};

}  // namespace zuno
