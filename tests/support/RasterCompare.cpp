#include "RasterCompare.h"

#include <algorithm>
#include <cstdio>

namespace zuno::testing {

::testing::AssertionResult samePixels(const ui::RasterScreen& actual, const ui::RasterScreen& expected) {
    if (actual.pixelWidth() != expected.pixelWidth() || actual.pixelHeight() != expected.pixelHeight())
        return ::testing::AssertionFailure() << "the rasters differ in size";
    int differing = 0, firstX = -1, firstY = -1;
    int x0 = actual.pixelWidth(), y0 = actual.pixelHeight(), x1 = -1, y1 = -1;
    for (int y = 0; y < actual.pixelHeight(); ++y) {
        for (int x = 0; x < actual.pixelWidth(); ++x) {
            if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
            if (differing++ == 0) firstX = x, firstY = y;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    char where[160];
    std::snprintf(where, sizeof where, "first at pixel (%d, %d): %08x, expected %08x; all within (%d, %d) to (%d, %d)",
                  firstX, firstY, actual.pixel(firstX, firstY), expected.pixel(firstX, firstY), x0, y0, x1, y1);
    return ::testing::AssertionFailure() << differing << " pixels differ; " << where;
}

::testing::AssertionResult showsWhatIsDrawnPlainly(const ui::RasterScreen& frame) {
    ui::RasterScreen plain(frame.width(), frame.height(), frame.scale());
    plain.renderApplicationPlainly();
    return samePixels(frame, plain);
}

}  // namespace zuno::testing
