#pragma once

#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno {

// A view that shows a game's play: a well with its pieces, the next piece, the pieces on a board. What
// a table lays over itself (a chat bubble, a notice) keeps off these places while they show.
class ShowsPlay {
public:
    // Where play lies now, in the view's own coordinates; none while the view shows none.
    virtual std::vector<ui::Rect> playFrames() const = 0;

protected:
    ~ShowsPlay() = default;
};

}  // namespace zuno
