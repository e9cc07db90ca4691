// Pictures rendered by the tests, compared with reference PNG files kept in tests/snapshots/.
//
// A reference is made on purpose only: run the test with ZUNO_UPDATE_SNAPSHOTS=1 and look at the new
// file before committing it. A picture that does not match is written to
// build/test/snapshots/<name>.actual.png (beside the difference, <name>.diff.png) for a look.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/backend/RasterScreen.h"

namespace zuno::ui {
class View;
}

namespace zuno::testing {

struct SnapshotTolerance {
    int channel = 16;            // a pixel whose channels are all this close counts as the same
    double differing = 0.002;    // the share of pixels that may differ beyond that
};

// The picture against tests/snapshots/<name>.png (the name says the scale, e.g. "hud_loading@2x").
::testing::AssertionResult matchesReference(const ui::RasterScreen& screen, const std::string& name,
                                            SnapshotTolerance tolerance = {});
// A view drawn alone, at the screen's scale, against tests/snapshots/<name>.png.
::testing::AssertionResult matchesReference(ui::View& view, const std::string& name, SnapshotTolerance tolerance = {});

}  // namespace zuno::testing
