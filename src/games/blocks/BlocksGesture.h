#pragma once

namespace zuno {

// What a touch asks of the falling piece.
enum class BlocksGesture {
    None,
    Down,      // one row down
    DownFast,  // hard drop onto the stack
    Right,     // one column right
    Left,      // one column left
    Rotate,    // a quarter turn clockwise
};

}  // namespace zuno
