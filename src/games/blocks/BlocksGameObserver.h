#pragma once

#include <cstdint>

#include "games/blocks/BlocksReport.h"

namespace zuno {

// What the table screen hears from the local game: when to redraw, which effects and sounds to
// play, and the reports to send to the server.
class BlocksGameObserver {
public:
    virtual ~BlocksGameObserver() = default;
    // The settled cells of the well changed.
    virtual void blocksWellChanged() {}
    // The falling piece or its ghost appeared, moved, turned or went.
    virtual void blocksBlockChanged() {}
    // A new preview piece, or none (from a landing to the next piece).
    virtual void blocksNextBlockChanged() {}
    // The falling piece came to rest (the landing bounce and the drop sound).
    virtual void blocksBlockLanded() {}
    // A full row was removed; myScore already counts it.
    virtual void blocksRowCleared(int32_t row) {}
    // A landing removed at least one row (the bingo sound, once per landing).
    virtual void blocksBingo() {}
    // The player turned the piece (the rotate sound; also when the turn was refused).
    virtual void blocksRotated() {}
    // A landing or loss report for the server.
    virtual void blocksSendReport(const BlocksReport& report) {}
};

}  // namespace zuno
