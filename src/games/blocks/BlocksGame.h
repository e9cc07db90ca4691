#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "games/blocks/BlocksGameObserver.h"
#include "games/blocks/BlocksGesture.h"
#include "games/blocks/BlocksReport.h"
#include "games/blocks/tBlock.h"
#include "games/blocks/tBoard.h"
#include "platform/core/RunLoop.h"

namespace zuno {

// One player's Blocks game on this device: the shared piece sequence and the preview, spawning, the
// timed fall, the player's moves and turns, the ghost, landing, row clearing, queued garbage rows
// and the reports for the server. The table screen draws what it holds and listens to its observer.
//
// Chance comes from the random function given; time from the run loop given (the drop tick is one
// of its repeating timers). Everything runs on that loop's thread.
class BlocksGame {
public:
    using Random = std::function<uint32_t()>;

    static constexpr int32_t kGarbageCapacity = 20;
    static constexpr int32_t kMaxSequenceLength = 127;  // the sequence index travels as one byte
    static constexpr float kStartDropTime = 0.5f;
    static constexpr BlocksPoint kBoardPos{160, 300};
    static constexpr BlocksPoint kSpawnPos{-1, 3};  // row -1, column 3

    explicit BlocksGame(Random random, sys::RunLoop& loop = sys::RunLoop::main());
    ~BlocksGame();
    BlocksGame(const BlocksGame&) = delete;
    BlocksGame& operator=(const BlocksGame&) = delete;

    void setObserver(BlocksGameObserver* observer) { observer_ = observer; }

    // Starts a game with the first `length` kinds of the server's sequence. A length of 0 or less,
    // one past the buffer or above 127, or a kind outside 0..6 is refused with a log line and starts
    // nothing (answers false).
    bool startWithBricks(std::span<const int8_t> bricks, int32_t length);
    // Queues `row` garbage rows with the hole columns given; they enter the well at the next landing.
    // Rows beyond the 20 the queue holds are refused with a log line, as is garbage outside a game.
    void addRandomWithRos(std::span<const int8_t> ros, int8_t row);
    // The server's speed level 1..5; the drop loop takes it at the next spawn.
    void setSpeedWithSpeed(int8_t level);
    void getHeightFromServerWithHeight(int8_t height) { fHeight_ = height; }
    void setRowsOfOpponent(int8_t count) { ownerScore_ = static_cast<int8_t>(ownerScore_ + count); }
    // Ends the local game: the drop loop stops and the well and pieces go.
    void gameEnd();

    // The drop tick: spawn, fall one row, or land.
    void dropBlock();

    // The player's input; each acts only on a falling piece.
    void moveBlockDown();
    void moveBlockRight();
    void moveBlockLeft();
    void moveBlockDownFast();
    void rotateBlock();
    void perform(BlocksGesture gesture);

    // Collision tests of a piece against the well.
    bool isColideDown(const tBlock& block) const;
    // -2 for the wall, a settled cell's value, or 0 when the piece may move.
    int32_t isColideRight(const tBlock& block) const;
    int32_t isColideLeft(const tBlock& block) const;
    // Whether the falling piece lies only on empty cells.
    bool checkMoveNext() const;

    // State for drawing; the pointers are null when there is no such thing now.
    const tBoard* gameBoard() const { return gameBoard_ ? &*gameBoard_ : nullptr; }
    const tBlock* gameBlock() const { return gameBlock_ ? &*gameBlock_ : nullptr; }
    const tBlock* downBlock() const { return downBlock_ ? &*downBlock_ : nullptr; }
    const tBlock* nextBlock() const { return nextBlock_ ? &*nextBlock_ : nullptr; }

    int32_t gameMoveCount() const { return gameMoveCount_; }
    float dropTime() const { return dropTime_; }
    bool isDropLoopRunning() const { return gameLoop_ != 0; }
    int8_t curBlockKind() const { return curBlockKind_; }
    int8_t curBlockColor() const { return curBlockColor_; }
    int8_t myScore() const { return myScore_; }
    int8_t ownerScore() const { return ownerScore_; }
    int32_t addingRowCount() const { return addingRowCount_; }
    const std::array<int8_t, kGarbageCapacity>& arrAddBricks() const { return arrAddBricks_; }
    int32_t blockLenght() const { return blockLenght_; }
    int8_t nowIndex() const { return nowIndex_; }
    int8_t fHeight() const { return fHeight_; }
    int8_t nLevel() const { return nLevel_; }
    int32_t speedDetal() const { return speedDetal_; }
    bool isGameEnd() const { return isGameEnd_; }

private:
    void gameInit();
    void startGame();
    void stopGame();
    void retimeForLevel();
    void spawnBlock();
    void spawnNextBlock();
    void checkLose();
    void spawnDownBlock();
    void addBlockIntoBoard();
    void removeBlockFromBoard();
    void stepDown();
    void landBlock();
    void checkBingo();
    void addRowInBoard();
    void checkRotate();
    bool canRotate() const;
    bool fitsInWell(const tBlock& block) const;
    bool isFalling() const { return gameBoard_ && gameBlock_ && gameBlock_->isDroping(); }
    int8_t randomColor();

    Random random_;
    sys::RunLoop& loop_;
    BlocksGameObserver* observer_ = nullptr;

    std::optional<tBoard> gameBoard_;
    std::optional<tBlock> gameBlock_;
    std::optional<tBlock> downBlock_;
    std::optional<tBlock> nextBlock_;
    int32_t gameMoveCount_ = 0;
    sys::RunLoop::TimerId gameLoop_ = 0;
    float dropTime_ = kStartDropTime;
    int8_t curBlockKind_ = 0;
    int8_t curBlockColor_ = 0;
    int8_t myScore_ = 0;
    int8_t ownerScore_ = 0;
    int32_t addingRowCount_ = 0;
    int32_t blockLenght_ = 0;
    int8_t nowIndex_ = 0;
    std::array<int8_t, kGarbageCapacity> arrAddBricks_{};
    std::vector<int8_t> arrBricks_;
    int8_t fHeight_ = 0;
    int8_t nLevel_ = 1;
    int32_t speedDetal_ = 500;
    bool isGameEnd_ = false;
};

}  // namespace zuno
