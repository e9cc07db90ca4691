// Two rasters compared pixel for pixel: a window's frame, partial or full, must match exactly what every
// view drawn plainly shows.
#pragma once

#include <gtest/gtest.h>

#include "platform/backend/RasterScreen.h"

namespace zuno::testing {

// Success when every pixel is the same; else how many differ and where the first one is.
::testing::AssertionResult samePixels(const ui::RasterScreen& actual, const ui::RasterScreen& expected);
// The frame against the windows drawn now with no shortcut (RasterScreen::renderApplicationPlainly), at
// the frame's size and scale.
::testing::AssertionResult showsWhatIsDrawnPlainly(const ui::RasterScreen& frame);

}  // namespace zuno::testing
