// Plays the local Blocks game from arbitrary bytes: piece sequences, ticks, moves, turns, garbage
// and speed levels in any order. After every step the well must be intact and the pieces inside it,
// and no access outside the well may have been attempted.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "games/blocks/BlocksGame.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

using namespace zuno;

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "blocks_well: %s\n", what);
    std::abort();
}

void checkPiece(const tBlock* block) {
    if (!block) return;
    for (int r = 0; r < tBlock::kSize; ++r) {
        for (int c = 0; c < tBlock::kSize; ++c) {
            if (block->getValueAtRow(r, c) == 0) continue;
            int row = block->wellRow(r);
            int column = block->wellColumn(c);
            if (row < 0 || row >= tBoard::kRows || column < 0 || column >= tBoard::kColumns) {
                fail("a piece lies outside the well");
            }
        }
    }
}

void checkGame(const BlocksGame& game) {
    if (const tBoard* board = game.gameBoard()) {
        for (int c = 0; c < tBoard::kColumns; ++c) {
            if (board->getValueAtRow(tBoard::kFloorRow, c) != tBoard::kFloor) fail("the floor changed");
        }
        for (int r = 0; r < tBoard::kRows; ++r) {
            for (int c = 0; c < tBoard::kColumns; ++c) {
                int v = board->getValueAtRow(r, c);
                bool known = v == tBoard::kEmpty || (v >= 1 && v <= 7) || v == tBoard::kGarbage;
                if (!known) fail("a stray cell value");
            }
        }
    }
    checkPiece(game.gameBlock());
    checkPiece(game.downBlock());
    int32_t queued = game.addingRowCount();
    if (queued < 0 || queued > BlocksGame::kGarbageCapacity) fail("garbage queue overflow");
    for (const auto& line : sys::Log::captured()) {
        if (line.find("outside the well") != std::string::npos) fail(line.c_str());
    }
    sys::Log::clearCaptured();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool once = [] {
        sys::Log::startCapture();
        return true;
    }();
    (void)once;
    sys::Log::clearCaptured();

    Bytes in(data, size);
    sys::RunLoop loop;  // the drop timer is scheduled here and never runs: ticks come from the input
    uint32_t seed = in.next() | (uint32_t{in.next()} << 8);
    BlocksGame game([&seed] { return seed = seed * 1664525u + 1013904223u; }, loop);

    while (!in.empty()) {
        switch (in.next() % 12) {
            case 0: {
                std::vector<int8_t> kinds(in.next() % 12);
                for (auto& k : kinds) k = static_cast<int8_t>(in.next() % 9 == 8 ? in.next() : in.next() % 7);
                // Now and then a length one past what arrived.
                auto length = static_cast<int32_t>(kinds.size()) + static_cast<int32_t>(in.next() % 2);
                game.startWithBricks(kinds, length);
                break;
            }
            case 1: case 2: case 3: game.dropBlock(); break;
            case 4: game.moveBlockLeft(); break;
            case 5: game.moveBlockRight(); break;
            case 6: game.moveBlockDown(); break;
            case 7: game.moveBlockDownFast(); break;
            case 8: game.rotateBlock(); break;
            case 9: {
                std::vector<int8_t> holes(in.next() % 24);
                for (auto& h : holes) h = static_cast<int8_t>(in.next());
                game.addRandomWithRos(holes, static_cast<int8_t>(in.next()));
                break;
            }
            case 10: game.setSpeedWithSpeed(static_cast<int8_t>(in.next())); break;
            default:
                if (in.next() % 8 == 0) game.gameEnd();
                break;
        }
        checkGame(game);
    }
    return 0;
}
