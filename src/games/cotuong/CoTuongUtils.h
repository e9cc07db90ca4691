#pragma once

#include "platform/ui/Geometry.h"

#include <cstdint>

namespace zuno {

// A point of the Co Tuong board view. Squares handed between the table screen and the board travel in
// the same form: (file from the left, rank from the top) as two floats.
using CoTuongPoint = ui::Point;

// A square in the viewer's board coordinates: x the file from the left (0..8), y the rank from the
// bottom (0..9). The viewer's own pieces start at the bottom.
struct CoTuongSquare {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const CoTuongSquare&) const = default;
};

// Wire squares. A square travels as one byte (r + 3) * 16 + (c + 3), c the file from the left (0..8)
// and r the rank from the top (0..9) as the first mover sees the board: a 16 x 16 grid with a margin
// of three, so valid squares run from 51 to 203. The second mover sees the board turned round and
// converts with square_flip.
class CoTuongUtils {
public:
    static constexpr int kFirstSquare = 51;
    static constexpr int kLastSquare = 203;

    // Callers pass c + 3 and r + 3.
    static constexpr int coordWithX(int x, int y) { return y * 16 + x; }
    // Maps (c, r) to (8 - c, 9 - r).
    static constexpr int square_flip(int sq) { return 254 - sq; }
    // The remainder and the quotient keep the sign of sq, as the wire arithmetic always did.
    static constexpr int uncoordXWithSQ(int sq) { return sq % 16; }
    static constexpr int uncoordYWithSQ(int sq) { return sq / 16; }

    // (c, r) of a wire byte as the first mover sees it; a negative byte stands for value + 256.
    static CoTuongPoint convertPointWithValue(int8_t sq) {
        int value = sq < 0 ? sq + 256 : sq;
        return {static_cast<float>(value % 16 - 3), static_cast<float>(value / 16 - 3)};
    }
};

}  // namespace zuno
