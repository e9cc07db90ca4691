#include "games/covua/CoVuaGame.h"

#include <cstdlib>

#include "platform/core/Log.h"

namespace zuno {

using C = CoVuaCodes;

void CoVuaGame::startWithMoveFirst(int32_t moveFirst, int32_t localUserId) {
    localUserId_ = localUserId;
    bool isWhite = moveFirst == localUserId;
    board_.setPlayers(moveFirst, isWhite ? board_.moveSecond() : localUserId, isWhite);
    turn_ = moveFirst;
    indexElevate_ = -1;
    // A promotion notice left over from the last game must not promote this game's first move.
    bElevated_ = false;
    newGame();
}

void CoVuaGame::newGame() {
    board_.newGame(board_.isWhite());
    gameFlipped_ = false;
    unSetFindKing();
    // Every sprite is drawn anew: nothing blinks and nothing is selected.
    isSelected_ = false;
    selectedPiece_.reset();
}

CoVuaTap CoVuaGame::doFire(int row, int col) {
    CoVuaTap tap;
    if (!C::onBoard(row, col)) {
        tap.ignored = true;
        return tap;
    }
    nYPointer_ = row;
    nXPointer_ = col;
    // Only the player to move may pick a piece, and not while his move waits for the server: the
    // turn alone would let the second player address the first mover's pieces before the first move.
    if (gameFlipped_ || !isLocal(turn_)) {
        tap.ignored = true;
        return tap;
    }

    int pickable = turn_ == board_.moveFirst() ? 0 : 1;
    int8_t code = board_.pieceAt(row, col);
    if (code != C::kEmpty && C::colourIndex(code) == pickable) {
        xSelect_ = col;
        ySelect_ = row;
        isSelected_ = true;
        CoVuaSquare square{row, col};
        if (selectedPiece_ == square) {
            // A second tap on the selected piece stops its blink; its targets still count.
            selectedPiece_.reset();
            return tap;
        }
        selectedPiece_ = square;
        tap.selected = square;
        tap.targets = board_.checkListCanMove(row, col, turn_);
        return tap;
    }
    if (!isSelected_) return tap;

    isSelected_ = false;
    bool isTarget = board_.canMoveTo(row, col);
    board_.clearListCanMove();
    if (!isTarget) {
        selectedPiece_.reset();
        return tap;
    }
    // The sent piece stays the selected sprite (without blinking): the next tap on it only
    // deselects it.

    bool white = board_.isWhite();
    data_[0] = static_cast<int8_t>(C::squareCode({ySelect_, xSelect_}, white));
    data_[1] = static_cast<int8_t>(C::squareCode({row, col}, white));
    gameFlipped_ = true;
    turn_ = -1;
    tap.move = CoVuaWireMove{data_[0], data_[1]};
    return tap;
}

CoVuaAnnouncedMove CoVuaGame::moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove,
                                          int32_t /*quotaTime*/) {
    CoVuaAnnouncedMove result;
    unSetFindKing();
    result.nextIsLocal = isLocal(nextMove);
    // The turn changes hands even when the mover moves again (the server kept the position): the
    // local player's lock must not outlive his sent move.
    turn_ = nextMove;
    if (isLocal(nextMove)) gameFlipped_ = false;
    if (whoMove == nextMove) return result;

    bool white = board_.isWhite();
    std::optional<CoVuaSquare> from = C::squareOfCode(x, white);
    std::optional<CoVuaSquare> to = C::squareOfCode(y, white);
    if (!from || !to) {
        // Applied as it stands, such a code would write outside the 8 x 8 board.
        sys::Log::warningFormat("Co Vua move off the board: %d %d", x, y);
        bElevated_ = false;
        return result;
    }

    int8_t moving = board_.pieceAt(from->row, from->col);
    int8_t target = board_.pieceAt(to->row, to->col);
    result.applied = true;
    result.from = *from;
    result.to = *to;
    result.captured = target != C::kEmpty;
    board_.setPieceAt(to->row, to->col, moving);
    board_.setPieceAt(from->row, from->col, C::kEmpty);
    forgetSelectionOn(*to);
    followSelection(*from, *to);

    // A pawn going diagonally onto an empty square has taken the pawn beside it in passing.
    if (C::type(moving) == C::kPawn && target == C::kEmpty && std::abs(to->col - from->col) == 1 &&
        std::abs(to->row - from->row) == 1) {
        CoVuaSquare taken{from->row, to->col};
        int8_t beside = board_.pieceAt(taken.row, taken.col);
        if (C::type(beside) == C::kPawn && C::colourIndex(beside) != C::colourIndex(moving)) {
            board_.setPieceAt(taken.row, taken.col, C::kEmpty);
            result.takenInPassing = taken;
            forgetSelectionOn(taken);
        }
    }

    // Only a knight, bishop, rook or queen can be promoted to; any other type promotes nothing.
    if (bElevated_ && indexElevate_ >= 2 && indexElevate_ <= 5) {
        int colour = whoMove == board_.moveFirst() ? C::kWhite : C::kBlack;
        int8_t promoted = static_cast<int8_t>(indexElevate_ + 10 * colour);
        board_.setPieceAt(to->row, to->col, promoted);
        result.promotedTo = promoted;
        forgetSelectionOn(*to);
    }
    if (isLocal(whoMove)) rememberCastlingMoves(*from);
    bElevated_ = false;
    return result;
}

void CoVuaGame::rememberCastlingMoves(CoVuaSquare from) {
    if (from.row != 7) return;
    bool white = board_.isWhite();
    int kingCol = white ? 4 : 3;
    int nearRookCol = white ? 7 : 0;
    int farRookCol = white ? 0 : 7;
    if (from.col == kingCol) board_.setBKingMoved(true);
    if (from.col == nearRookCol) board_.setBRookNearMoved(true);
    if (from.col == farRookCol) board_.setBRookFarMoved(true);
}

std::optional<CoVuaRookMove> CoVuaGame::intoPalaceWithWhoMove(int32_t whoMove, int type) {
    if (type != 1 && type != 2) return std::nullopt;
    int row = isLocal(whoMove) ? 7 : 0;
    bool white = board_.isWhite();
    // The rook columns follow the local orientation: White's h-file is column 7, Black's column 0.
    int fromCol = type == 1 ? (white ? 7 : 0) : (white ? 0 : 7);
    int toCol = type == 1 ? (white ? 5 : 2) : (white ? 3 : 4);
    CoVuaRookMove move{{row, fromCol}, {row, toCol}};
    board_.setPieceAt(row, toCol, board_.pieceAt(row, fromCol));
    board_.setPieceAt(row, fromCol, C::kEmpty);
    forgetSelectionOn(move.to);
    followSelection(move.from, move.to);
    return move;
}

bool CoVuaGame::fElevate(int32_t who) {
    bElevated_ = true;
    return isLocal(who);
}

void CoVuaGame::setElevateIndex(int8_t type) { indexElevate_ = type; }

bool CoVuaGame::setFindKing(int8_t side) {
    findKing(side);
    return bKingWhite_ || bKingBlack_;
}

void CoVuaGame::findKing(int8_t side) {
    if (side == 0) findKingWhite();
    if (side == 1) findKingBlack();
}

void CoVuaGame::findKingWhite() {
    for (const auto& row : board_.board())
        for (int8_t code : row)
            if (code == C::piece(C::kWhite, C::kKing)) bKingWhite_ = true;
}

void CoVuaGame::findKingBlack() {
    for (const auto& row : board_.board())
        for (int8_t code : row)
            if (code == C::piece(C::kBlack, C::kKing)) bKingBlack_ = true;
}

void CoVuaGame::unSetFindKing() { bKingWhite_ = bKingBlack_ = false; }

void CoVuaGame::followSelection(CoVuaSquare from, CoVuaSquare to) {
    if (selectedPiece_ == from) selectedPiece_ = to;
}

void CoVuaGame::forgetSelectionOn(CoVuaSquare square) {
    if (selectedPiece_ == square) selectedPiece_.reset();
}

}  // namespace zuno
