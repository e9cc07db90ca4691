#include "games/blocks/BlocksTouchTracker.h"

#include <cmath>

namespace zuno {

void BlocksTouchTracker::touchBegan(BlocksPoint point, double time) {
    touchPoint_ = point;
    oldPoint_ = point;
    beginTouchTime_ = time;
}

BlocksGesture BlocksTouchTracker::touchMoved(BlocksPoint point, double time) {
    if (point.y - touchPoint_.y > kStep) {
        if (point.y - oldPoint_.y > kHardDropSwipe && time - beginTouchTime_ < kQuickTouch) {
            return BlocksGesture::DownFast;
        }
        touchPoint_ = point;
        return BlocksGesture::Down;
    }
    if (point.x - touchPoint_.x > kStep) {
        touchPoint_ = point;
        return BlocksGesture::Right;
    }
    if (touchPoint_.x - point.x > kStep) {
        touchPoint_ = point;
        return BlocksGesture::Left;
    }
    return BlocksGesture::None;
}

BlocksGesture BlocksTouchTracker::touchEnded(BlocksPoint point, double time) const {
    bool quick = time - beginTouchTime_ < kQuickTouch;
    bool nearStart = std::fabs(point.x - oldPoint_.x) <= kStep && std::fabs(point.y - oldPoint_.y) <= kStep;
    return quick && nearStart ? BlocksGesture::Rotate : BlocksGesture::None;
}

}  // namespace zuno
