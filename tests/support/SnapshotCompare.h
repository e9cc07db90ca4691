// Compares a view's picture with a reference PNG kept with the tests. A reviewer looks at pictures:
// on a mismatch the actual picture and a diff picture are written to the system's temporary folder (zuno-snapshots)
// and their paths are in the failure message. Set ZUNO_UPDATE_SNAPSHOTS=1 to write the references on
// purpose (then look at them before committing).
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zuno::ui {
class View;
}

namespace zuno::testing {

// The reference is ZUNO_SOURCE_DIR/<relativePath>. A pixel differs when a channel is more than
// `channelTolerance` away; the pictures match when at most `maxDifferingFraction` of the pixels differ.
::testing::AssertionResult matchesSnapshot(ui::View& view, const std::string& relativePath,
                                           int channelTolerance = 16, double maxDifferingFraction = 0.005);

}  // namespace zuno::testing
