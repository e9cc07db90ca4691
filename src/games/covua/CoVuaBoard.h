#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "games/covua/CoVuaCodes.h"

namespace zuno {

// The Co Vua position as the local player sees it (his pieces start at the bottom, his pawns move
// towards row 0), the targets of a selected piece and the castling memory. The server judges every
// move: the targets only show the player where a piece may go and gate what the table sends, so they
// keep the client's simple rules (no en passant target, no test that the mover's king stays safe).
class CoVuaBoard {
public:
    using Grid = std::array<std::array<int8_t, 8>, 8>;

    // Empties both grids, lays out the start position for the local side and clears the castling
    // memory.
    void newGame(bool isWhite);

    // The players of the game: the first mover's user id (White), the second mover's (read only when
    // the local player is Black), and whether the local player is White.
    void setPlayers(int32_t moveFirst, int32_t moveSecond, bool isWhite);
    int32_t moveFirst() const { return moveFirst_; }
    int32_t moveSecond() const { return moveSecond_; }
    bool isWhite() const { return isWhite_; }

    const Grid& board() const { return board_; }
    // Squares off the board hold nothing and take nothing.
    int8_t pieceAt(int row, int col) const {
        return checkOnBoard(row, col) ? board_[row][col] : CoVuaCodes::kEmpty;
    }
    void setPieceAt(int row, int col, int8_t code) {
        if (checkOnBoard(row, col)) board_[row][col] = code;
    }

    static bool checkOnBoard(int row, int col) { return CoVuaCodes::onBoard(row, col); }

    // Targets of the selected piece: 1 where it may go.
    const Grid& listCanMove() const { return listCanMove_; }
    bool canMoveTo(int row, int col) const { return checkOnBoard(row, col) && listCanMove_[row][col] != 0; }
    void clearListCanMove();
    // Fills the targets of the piece on (row, col) for the mover with that user id and returns them
    // row by row.
    std::vector<CoVuaSquare> checkListCanMove(int row, int col, int32_t whoMove);

    // One kind's targets; chance is the mover's colour index (0 White, 1 Black).
    void findPawn(int row, int col, int chance);
    void findKnight(int row, int col, int chance);
    void findBishop(int row, int col, int chance);
    void findRook(int row, int col, int chance);
    void findQueen(int row, int col, int chance);
    void findKing(int row, int col, int chance);

    // Whether the opponent of the given player (Black's pieces for the first mover, White's for any
    // other id) attacks (ro, co).
    bool checkXYZ(int ro, int co, int32_t whoCheck) const;
    // Whether the attacker on (row, col) reaches (ro, co).
    bool findPawnCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;
    bool findKnightCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;
    bool findBishopCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;
    bool findRookCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;
    bool findQueenCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;
    bool findKingCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const;

    // Castling memory of the local player: his king, his king-side rook and his queen-side rook have
    // left their squares in this game.
    bool bKingMoved() const { return bKingMoved_; }
    bool bRookNearMoved() const { return bRookNearMoved_; }
    bool bRookFarMoved() const { return bRookFarMoved_; }
    void setBKingMoved(bool v) { bKingMoved_ = v; }
    void setBRookNearMoved(bool v) { bRookNearMoved_ = v; }
    void setBRookFarMoved(bool v) { bRookFarMoved_ = v; }

private:
    bool mayTake(int row, int col, int chance) const;
    void markIfMayTake(int row, int col, int chance);
    void markLines(int row, int col, int chance, const int (*steps)[2], int count);
    void findCastling();
    // One castling case on the local back row: the king and rook squares, the squares that must be
    // empty, those that must not be attacked, and the king's target.
    struct Castling;
    void tryCastling(const Castling& c);

    int attackerColour(int32_t whoCheck) const;
    bool holdsColour(int row, int col, int colour) const;
    bool lineReaches(int row, int col, int ro, int co, int colour, bool straight, bool diagonal) const;

    Grid board_{};
    Grid listCanMove_{};
    int32_t moveFirst_ = 0;
    int32_t moveSecond_ = 0;
    bool isWhite_ = true;
    bool bKingMoved_ = false;
    bool bRookNearMoved_ = false;
    bool bRookFarMoved_ = false;
};

}  // namespace zuno
