#include <gtest/gtest.h>

#include "games/blocks/BlocksTouchTracker.h"

using namespace zuno;

TEST(BlocksTouchTracker, QuickShortTapsRotateDragsStepAndLongQuickSwipesDropHard) {
    BlocksTouchTracker touch;
    touch.touchBegan({100, 200}, 50.0);
    EXPECT_EQ(touch.touchEnded({118, 182}, 50.99), BlocksGesture::Rotate);  // 18 points is still near
    EXPECT_EQ(touch.touchEnded({82, 218}, 50.3), BlocksGesture::Rotate);
    EXPECT_EQ(touch.touchEnded({118.5f, 200}, 50.3), BlocksGesture::None);
    EXPECT_EQ(touch.touchEnded({100, 181}, 50.3), BlocksGesture::None);
    EXPECT_EQ(touch.touchEnded({100, 200}, 51.0), BlocksGesture::None);  // a second or longer

    touch.touchBegan({100, 100}, 10);
    EXPECT_EQ(touch.touchMoved({110, 110}, 10.1), BlocksGesture::None);
    EXPECT_EQ(touch.touchMoved({119, 100}, 10.2), BlocksGesture::Right);
    EXPECT_EQ(touch.touchMoved({130, 100}, 10.3), BlocksGesture::None);  // measured from the last step
    EXPECT_EQ(touch.touchMoved({100, 100}, 10.4), BlocksGesture::Left);
    EXPECT_EQ(touch.touchMoved({160, 150}, 10.5), BlocksGesture::Down);  // down wins over sideways
    EXPECT_EQ(touch.touchMoved({160, 201}, 10.6), BlocksGesture::DownFast);
    EXPECT_EQ(touch.touchPoint(), (BlocksPoint{160, 150}));  // a hard drop takes no step point

    touch.touchBegan({100, 100}, 20);
    EXPECT_EQ(touch.touchMoved({100, 250}, 21.0), BlocksGesture::Down);  // too slow for a hard drop
}
