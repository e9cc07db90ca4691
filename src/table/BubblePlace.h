#pragma once

#include <optional>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno {

// Where a table's chat bubble may lie: inside a room of the screen, off what is taken there (the
// other bubbles showing, the pieces of a game).

// The rectangle moved (and, wider or higher than the room, narrowed) until it lies inside the room.
ui::Rect keptInside(ui::Rect r, const ui::Rect& room);

// Whether the rectangle lies over any of those taken (touching edges do not).
bool crossesAny(const ui::Rect& r, const std::vector<ui::Rect>& taken);

// Where a bubble lies in the room off everything taken: at its own place kept inside the room, else as
// near it as it can lie against something taken (beside, above or below it) or the room's edges; none
// when the room has no such place.
std::optional<ui::Rect> freePlaceIn(const ui::Rect& room, const ui::Rect& own, const std::vector<ui::Rect>& taken);

}  // namespace zuno
