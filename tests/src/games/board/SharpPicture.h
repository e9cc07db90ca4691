// A table screen drawn at scale 2, as a window twice as large shows it, against its reference picture:
// texts and pictures must stay sharp there too.
#pragma once

#include <string>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/View.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {

inline ::testing::AssertionResult matchesSharpReference(ui::View& view, const std::string& name) {
    const ui::Size size = view.bounds().size;
    ui::RasterScreen screen(int(size.width), int(size.height), 2);
    screen.renderView(view);
    return matchesReference(screen, name + "@2x");
}

}  // namespace zuno::testing
