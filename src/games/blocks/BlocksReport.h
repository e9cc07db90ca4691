#pragma once

#include <cstdint>

#include "games/blocks/tBlock.h"

namespace zuno {

// The fields of the report the device sends for every landed piece and once when it loses.
struct BlocksReport {
    int8_t index = 0;      // the piece's index in the shared sequence
    int8_t type = 0;       // the kind, 0..6
    int8_t ro = 0;         // the rotation counted the other way round: (4 - rotation) mod 4
    int8_t posX = 0;       // the well column of the matrix's column 0
    int8_t posY = 0;       // the well row of the matrix's row 0, plus 2
    int32_t idMessage = 0; // pieces landed before this one

    bool operator==(const BlocksReport&) const = default;

    static BlocksReport landing(const tBlock& block, int8_t index, int32_t idMessage);
    // The loss report: the spawn place with fixed values, row sent as -1.
    static BlocksReport loss(int8_t index, int32_t idMessage);
};

}  // namespace zuno
