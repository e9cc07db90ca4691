#include "games/blocks/BlocksGame.h"

#include <algorithm>
#include <climits>

#include "platform/core/Log.h"

namespace zuno {

namespace {

constexpr int32_t kLastRow = tBoard::kRows - 1;
constexpr int32_t kLastColumn = tBoard::kColumns - 1;

bool inPlayRows(int32_t row, int32_t columb) {
    return row >= 0 && row <= kLastRow && columb >= 0 && columb <= kLastColumn;
}

// Calls fn(row, column) with the well place of every occupied cell of the piece while fn answers
// true; answers whether it always did.
template <typename Fn>
bool everyCell(const tBlock& block, Fn&& fn) {
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        for (int32_t c = 0; c < tBlock::kSize; ++c) {
            if (block.getValueAtRow(r, c) != 0 && !fn(block.wellRow(r), block.wellColumn(c))) return false;
        }
    }
    return true;
}

// The rows and columns of the well that a piece's cells cover.
struct Extent {
    int32_t minRow = INT32_MAX, maxRow = INT32_MIN, minColumn = INT32_MAX, maxColumn = INT32_MIN;
    bool empty() const { return minRow > maxRow; }
};

Extent extentOf(const tBlock& block) {
    Extent e;
    everyCell(block, [&e](int32_t row, int32_t columb) {
        e.minRow = std::min(e.minRow, row);
        e.maxRow = std::max(e.maxRow, row);
        e.minColumn = std::min(e.minColumn, columb);
        e.maxColumn = std::max(e.maxColumn, columb);
        return true;
    });
    return e;
}

// How far to move a span [low, high] so that it lies within [0, last]; a piece is never wider than
// the well, so one shift always does it.
int32_t shiftInto(int32_t low, int32_t high, int32_t last) {
    if (low < 0) return -low;
    if (high > last) return last - high;
    return 0;
}

int32_t levelInterval(int8_t level) {
    switch (level) {
        case 1: return 500;
        case 2: return 400;
        case 3: return 300;
        case 4: return 200;
        case 5: return 100;
        default: return -1;
    }
}

}  // namespace

BlocksGame::BlocksGame(Random random, sys::RunLoop& loop) : random_(std::move(random)), loop_(loop) {}

BlocksGame::~BlocksGame() { stopGame(); }

// ---- entry points

bool BlocksGame::startWithBricks(std::span<const int8_t> bricks, int32_t length) {
    if (length <= 0 || static_cast<size_t>(length) > bricks.size() || length > kMaxSequenceLength) {
        sys::Log::warningFormat("Blocks: piece sequence of length %d refused", length);
        return false;
    }
    for (int32_t i = 0; i < length; ++i) {
        if (!tBlock::isValidKind(bricks[i])) {
            sys::Log::warningFormat("Blocks: piece kind %d refused", bricks[i]);
            return false;
        }
    }
    isGameEnd_ = false;
    arrBricks_.assign(bricks.begin(), bricks.begin() + length);
    blockLenght_ = length;
    gameInit();
    return true;
}

void BlocksGame::addRandomWithRos(std::span<const int8_t> ros, int8_t row) {
    if (row <= 0) return;
    if (!gameBoard_) {
        sys::Log::warningFormat("Blocks: %d garbage rows outside a game dropped", row);
        return;
    }
    int32_t offered = std::min<int32_t>(row, static_cast<int32_t>(ros.size()));
    int32_t accepted = std::min(offered, kGarbageCapacity - addingRowCount_);
    for (int32_t i = 0; i < accepted; ++i) arrAddBricks_[addingRowCount_ + i] = ros[i];
    addingRowCount_ += accepted;
    if (accepted < row) {
        sys::Log::warningFormat("Blocks: %d garbage rows refused, %d are queued already", row - accepted,
                                addingRowCount_);
    }
}

void BlocksGame::setSpeedWithSpeed(int8_t level) {
    if (level == nLevel_) return;
    nLevel_ = level;
    int32_t interval = levelInterval(level);
    if (interval > 0) speedDetal_ = interval;
}

void BlocksGame::gameEnd() {
    stopGame();
    myScore_ = 0;
    blockLenght_ = 0;
    gameMoveCount_ = 0;
    addingRowCount_ = 0;
    fHeight_ = 0;
    nowIndex_ = 0;
    arrAddBricks_.fill(0);
    arrBricks_.clear();
    nLevel_ = 1;
    speedDetal_ = 500;
    dropTime_ = kStartDropTime;
    gameBoard_.reset();
    gameBlock_.reset();
    downBlock_.reset();
    nextBlock_.reset();
    if (observer_) {
        observer_->blocksWellChanged();
        observer_->blocksBlockChanged();
        observer_->blocksNextBlockChanged();
    }
}

// ---- the loop

void BlocksGame::gameInit() {
    // A start while a game runs begins afresh: one drop timer, a count from 0, an empty queue.
    stopGame();
    gameMoveCount_ = 0;
    nowIndex_ = 0;
    addingRowCount_ = 0;
    arrAddBricks_.fill(0);
    myScore_ = 0;
    ownerScore_ = 0;
    dropTime_ = kStartDropTime;
    gameBoard_.emplace(kBoardPos);
    gameBlock_.reset();
    downBlock_.reset();
    nextBlock_.reset();
    if (observer_) observer_->blocksWellChanged();
    spawnBlock();
    startGame();
}

void BlocksGame::startGame() {
    stopGame();
    gameLoop_ = loop_.scheduleRepeating(dropTime_, [this] { dropBlock(); });
}

void BlocksGame::stopGame() {
    if (gameLoop_ != 0) loop_.cancel(gameLoop_);
    gameLoop_ = 0;
}

void BlocksGame::retimeForLevel() {
    float wanted = static_cast<float>(speedDetal_) / 1000.0f;
    if (wanted == dropTime_ || !isDropLoopRunning()) return;
    dropTime_ = wanted;
    startGame();
}

void BlocksGame::dropBlock() {
    if (!gameBoard_) return;
    if (!gameBlock_ || !gameBlock_->isDroping()) {
        if (!isGameEnd_) retimeForLevel();
        spawnBlock();
        return;
    }
    if (!isColideDown(*gameBlock_)) {
        stepDown();
        return;
    }
    landBlock();
}

void BlocksGame::spawnBlock() {
    if (isGameEnd_) {
        stopGame();
        return;
    }
    nowIndex_ = static_cast<int8_t>(gameMoveCount_ % blockLenght_);
    curBlockKind_ = arrBricks_[nowIndex_];
    if (gameMoveCount_ == 0) curBlockColor_ = randomColor();
    gameBlock_.emplace(static_cast<int8_t>(curBlockKind_ * 4), kSpawnPos, curBlockColor_);
    spawnNextBlock();
    checkLose();
    addBlockIntoBoard();
    if (observer_) observer_->blocksBlockChanged();
    spawnDownBlock();
}

void BlocksGame::spawnNextBlock() {
    curBlockColor_ = randomColor();
    int8_t kind = arrBricks_[(nowIndex_ + 1) % blockLenght_];
    nextBlock_.emplace(static_cast<int8_t>(kind * 4), BlocksPoint{}, curBlockColor_);
    if (observer_) observer_->blocksNextBlockChanged();
}

void BlocksGame::checkLose() {
    if (checkMoveNext()) return;
    sys::Log::line("checkLose");
    if (observer_) observer_->blocksSendReport(BlocksReport::loss(nowIndex_, gameMoveCount_));
    isGameEnd_ = true;
}

void BlocksGame::spawnDownBlock() {
    const auto ghost = static_cast<int8_t>(tBoard::kGhost);
    downBlock_.emplace(gameBlock_->blockKind(), gameBlock_->pos(), ghost);
    for (int32_t row = downBlock_->wellRow(0); row <= kLastRow; ++row) {
        if (isColideDown(*downBlock_)) break;
        downBlock_->drop();
    }
    if (observer_) observer_->blocksBlockChanged();
}

void BlocksGame::addBlockIntoBoard() {
    const int32_t color = gameBlock_->blockColor();
    everyCell(*gameBlock_, [this, color](int32_t row, int32_t columb) {
        gameBoard_->setValueAtRow(row, columb, color);
        return true;
    });
}

void BlocksGame::removeBlockFromBoard() {
    everyCell(*gameBlock_, [this](int32_t row, int32_t columb) {
        gameBoard_->setValueAtRow(row, columb, tBoard::kEmpty);
        return true;
    });
}

void BlocksGame::stepDown() {
    removeBlockFromBoard();
    gameBlock_->drop();
    addBlockIntoBoard();
    if (observer_) observer_->blocksBlockChanged();
}

void BlocksGame::landBlock() {
    gameBlock_->setIsDroping(false);
    if (observer_) observer_->blocksBlockLanded();
    checkBingo();

    tBlock landed = *gameBlock_;
    gameBlock_.reset();
    downBlock_.reset();
    if (observer_) observer_->blocksBlockChanged();

    // Garbage enters after this landing's rows are cleared and before its report.
    addRowInBoard();
    if (observer_) observer_->blocksWellChanged();

    BlocksReport report = BlocksReport::landing(landed, nowIndex_, gameMoveCount_);
    if (observer_) observer_->blocksSendReport(report);

    ++gameMoveCount_;
    addingRowCount_ = 0;
    nextBlock_.reset();
    if (observer_) observer_->blocksNextBlockChanged();
}

void BlocksGame::checkBingo() {
    bool cleared = false;
    for (int32_t row = gameBoard_->bingoAtRow(); row != -1; row = gameBoard_->bingoAtRow()) {
        gameBoard_->handleBingoAtRow(row);
        myScore_ = static_cast<int8_t>(myScore_ + 1);
        cleared = true;
        if (observer_) observer_->blocksRowCleared(row);
    }
    if (cleared && observer_) observer_->blocksBingo();
}

void BlocksGame::addRowInBoard() {
    for (int32_t i = 0; i < addingRowCount_; ++i) {
        gameBoard_->pushOneRowUp(arrAddBricks_[i]);
        arrAddBricks_[i] = 0;
    }
    addingRowCount_ = 0;
}

// ---- the player's input

void BlocksGame::moveBlockDown() {
    if (!isFalling() || isColideDown(*gameBlock_)) return;
    stepDown();
}

void BlocksGame::moveBlockRight() {
    if (!isFalling() || isColideRight(*gameBlock_) != 0) return;
    removeBlockFromBoard();
    gameBlock_->moveRight();
    if (observer_) observer_->blocksBlockChanged();
    spawnDownBlock();
    addBlockIntoBoard();
}

void BlocksGame::moveBlockLeft() {
    if (!isFalling() || isColideLeft(*gameBlock_) != 0) return;
    removeBlockFromBoard();
    gameBlock_->moveLeft();
    if (observer_) observer_->blocksBlockChanged();
    spawnDownBlock();
    addBlockIntoBoard();
}

void BlocksGame::moveBlockDownFast() {
    if (!isFalling()) return;
    for (int32_t row = gameBlock_->wellRow(0); row <= kLastRow; ++row) {
        if (isColideDown(*gameBlock_)) break;
        stepDown();
    }
}

void BlocksGame::rotateBlock() {
    if (!isFalling()) return;
    removeBlockFromBoard();
    gameBlock_->rotate();
    if (observer_) observer_->blocksRotated();
    checkRotate();
    if (observer_) observer_->blocksBlockChanged();
    spawnDownBlock();
    addBlockIntoBoard();
}

void BlocksGame::perform(BlocksGesture gesture) {
    switch (gesture) {
        case BlocksGesture::None: break;
        case BlocksGesture::Down: moveBlockDown(); break;
        case BlocksGesture::DownFast: moveBlockDownFast(); break;
        case BlocksGesture::Right: moveBlockRight(); break;
        case BlocksGesture::Left: moveBlockLeft(); break;
        case BlocksGesture::Rotate: rotateBlock(); break;
    }
}

// The turned piece may not lie on a settled cell. Where it sticks out of the well (at a wall, above
// row 0 before its first drop, or below row 19 on the floor) it is moved back in by as much as it
// sticks out, in one step; if it does not fit there either, the turn is undone.
void BlocksGame::checkRotate() {
    if (!canRotate()) {
        gameBlock_->revertRotate();
        return;
    }
    Extent e = extentOf(*gameBlock_);
    if (e.empty()) return;
    int32_t rowShift = shiftInto(e.minRow, e.maxRow, kLastRow);
    int32_t columnShift = shiftInto(e.minColumn, e.maxColumn, kLastColumn);
    if (rowShift == 0 && columnShift == 0) return;
    BlocksPoint before = gameBlock_->pos();
    gameBlock_->setPos(
        BlocksPoint{before.x + static_cast<float>(rowShift), before.y + static_cast<float>(columnShift)});
    if (!fitsInWell(*gameBlock_)) {
        gameBlock_->setPos(before);
        gameBlock_->revertRotate();
    }
}

bool BlocksGame::canRotate() const {
    // Cells outside the well are the kick's business.
    return everyCell(*gameBlock_, [this](int32_t row, int32_t columb) {
        return !inPlayRows(row, columb) || gameBoard_->getValueAtRow(row, columb) == tBoard::kEmpty;
    });
}

bool BlocksGame::fitsInWell(const tBlock& block) const {
    return everyCell(block, [this](int32_t row, int32_t columb) {
        return inPlayRows(row, columb) && gameBoard_->getValueAtRow(row, columb) == tBoard::kEmpty;
    });
}

// ---- collision tests

bool BlocksGame::isColideDown(const tBlock& block) const {
    if (!gameBoard_) return true;
    for (int32_t c = 0; c < tBlock::kSize; ++c) {
        int32_t lowest = block.getMaxDownOfColumb(c);
        if (lowest == -1) continue;
        int32_t below = gameBoard_->getValueAtRow(block.wellRow(lowest + 1), block.wellColumn(c));
        if (below > 0 || below == tBoard::kFloor) return true;
    }
    return false;
}

int32_t BlocksGame::isColideRight(const tBlock& block) const {
    if (!gameBoard_) return -2;
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        int32_t rightmost = block.getMaxRightOfRow(r);
        if (rightmost == -1) continue;
        int32_t columb = block.wellColumn(rightmost + 1);
        if (columb > kLastColumn) return -2;
        int32_t value = gameBoard_->getValueAtRow(block.wellRow(r), columb);
        if (value > 0) return value;
    }
    return 0;
}

int32_t BlocksGame::isColideLeft(const tBlock& block) const {
    if (!gameBoard_) return -2;
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        int32_t leftmost = block.getMaxLeftOfRow(r);
        if (leftmost == -1) continue;
        int32_t columb = block.wellColumn(leftmost - 1);
        if (columb < 0) return -2;
        int32_t value = gameBoard_->getValueAtRow(block.wellRow(r), columb);
        if (value > 0) return value;
    }
    return 0;
}

bool BlocksGame::checkMoveNext() const {
    if (!gameBoard_ || !gameBlock_) return false;
    return everyCell(*gameBlock_, [this](int32_t row, int32_t columb) {
        return gameBoard_->getValueAtRow(row, columb) == tBoard::kEmpty;
    });
}

int8_t BlocksGame::randomColor() { return static_cast<int8_t>(random_() % 7 + 1); }

}  // namespace zuno
