// Two rasters compared pixel for pixel: a partial frame must match a full redraw exactly.
#pragma once

#include <gtest/gtest.h>

#include "platform/backend/RasterScreen.h"

namespace zuno::testing {

// Success when every pixel is the same; else how many differ and where the first one is.
::testing::AssertionResult samePixels(const ui::RasterScreen& actual, const ui::RasterScreen& expected);

}  // namespace zuno::testing
