#pragma once

#include <optional>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno {

namespace ui {
class View;
}

// A view that shows a game's play: a well with its pieces, the next piece, the pieces on a board. What
// a table lays over itself (a chat bubble, a notice) keeps off these places while they show.
class ShowsPlay {
public:
    // Where play lies now, in the view's own coordinates, and where a piece on its way comes to rest;
    // none while the view shows none.
    virtual std::vector<ui::Rect> playFrames() const = 0;
    // The board the play lies on, in the view's own coordinates, where a bubble that play keeps from
    // its own place may lie instead, among the play; none: nowhere (a well).
    virtual std::optional<ui::Rect> boardFrame() const { return std::nullopt; }

protected:
    ~ShowsPlay() = default;
};

// The play a screen shows, in its root view's coordinates, as far as it is in sight (inside the views
// that clip it): where it lies, and the boards it lies on.
struct ShownPlay {
    std::vector<ui::Rect> frames;
    std::vector<ui::Rect> boards;
};

// The play shown by the root and the views inside it, the hidden ones aside.
ShownPlay playShownIn(const ui::View& root);

}  // namespace zuno
