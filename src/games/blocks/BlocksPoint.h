#pragma once

namespace zuno {

// A point of two floats. For a piece, x is the well row of its matrix's row 0 and y the well column
// of its column 0; elsewhere it is a screen point.
struct BlocksPoint {
    float x = 0;
    float y = 0;
    bool operator==(const BlocksPoint&) const = default;
};

}  // namespace zuno
