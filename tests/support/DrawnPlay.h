// Where the views that show a game's play draw it, read from what they draw: a board's pieces from its
// model or their views, the Caro stones from the board's model through its scroll and zoom, the Blocks
// well and next piece from the game. The layout check keeps the chat bubbles off these places. It does
// not ask the views where their play lies (the list the bubbles' placement reads): a view that told a
// wrong place would lead both astray alike.
#pragma once

#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno::ui {
class View;
}

namespace zuno::testing {

// Where the view draws play now, in its own coordinates, as far as it shows it (a scrolled board's
// stones out of its sight left out); none for a view of no play. A view that tells the table of its
// play but is of no kind known here is a test failure: the check would not see its play.
std::vector<ui::Rect> playDrawnBy(const ui::View& view);

}  // namespace zuno::testing
