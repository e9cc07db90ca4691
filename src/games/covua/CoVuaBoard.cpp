#include "games/covua/CoVuaBoard.h"

#include <cstdlib>

namespace zuno {

namespace {

using C = CoVuaCodes;

constexpr int kKnightJumps[8][2] = {{-2, -1}, {-2, 1}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {2, -1}, {2, 1}};
constexpr int kStraight[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
constexpr int kDiagonal[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
constexpr int kAllLines[8][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}};

constexpr int8_t kWhiteBackRow[8] = {14, 12, 13, 15, 16, 13, 12, 14};
constexpr int8_t kBlackBackRow[8] = {24, 22, 23, 26, 25, 23, 22, 24};  // as the local Black player sees it

int8_t swapColour(int8_t code) { return static_cast<int8_t>(code + (code >= 20 ? -10 : 10)); }

}  // namespace

void CoVuaBoard::newGame(bool isWhite) {
    isWhite_ = isWhite;
    board_ = {};
    listCanMove_ = {};
    // The local back row, seen from the local side; the top row is the same row turned into the
    // other colour (the kings face each other on the same file).
    const int8_t* back = isWhite ? kWhiteBackRow : kBlackBackRow;
    int own = isWhite ? C::kWhite : C::kBlack;
    int other = isWhite ? C::kBlack : C::kWhite;
    for (int c = 0; c < 8; ++c) {
        board_[7][c] = back[c];
        board_[0][c] = swapColour(back[c]);
        board_[6][c] = C::piece(own, C::kPawn);
        board_[1][c] = C::piece(other, C::kPawn);
    }
    bKingMoved_ = bRookNearMoved_ = bRookFarMoved_ = false;
}

void CoVuaBoard::setPlayers(int32_t moveFirst, int32_t moveSecond, bool isWhite) {
    moveFirst_ = moveFirst;
    moveSecond_ = moveSecond;
    isWhite_ = isWhite;
}

void CoVuaBoard::clearListCanMove() { listCanMove_ = {}; }

std::vector<CoVuaSquare> CoVuaBoard::checkListCanMove(int row, int col, int32_t whoMove) {
    int chance = whoMove == moveFirst_ ? 0 : 1;
    clearListCanMove();
    if (checkOnBoard(row, col)) {
        switch (C::type(board_[row][col])) {
            case C::kPawn: findPawn(row, col, chance); break;
            case C::kKnight: findKnight(row, col, chance); break;
            case C::kBishop: findBishop(row, col, chance); break;
            case C::kRook: findRook(row, col, chance); break;
            case C::kQueen: findQueen(row, col, chance); break;
            case C::kKing: findKing(row, col, chance); break;
            default: break;
        }
    }
    std::vector<CoVuaSquare> targets;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (listCanMove_[r][c]) targets.push_back({r, c});
    return targets;
}

bool CoVuaBoard::mayTake(int row, int col, int chance) const {
    int8_t code = board_[row][col];
    return code == C::kEmpty || C::colourIndex(code) != chance;
}

void CoVuaBoard::markIfMayTake(int row, int col, int chance) {
    if (checkOnBoard(row, col) && mayTake(row, col, chance)) listCanMove_[row][col] = 1;
}

void CoVuaBoard::markLines(int row, int col, int chance, const int (*steps)[2], int count) {
    for (int i = 0; i < count; ++i) {
        int dr = steps[i][0];
        int dc = steps[i][1];
        for (int r = row + dr, c = col + dc; checkOnBoard(r, c); r += dr, c += dc) {
            if (board_[r][c] == C::kEmpty) {
                listCanMove_[r][c] = 1;
                continue;
            }
            if (mayTake(r, c, chance)) listCanMove_[r][c] = 1;
            break;
        }
    }
}

void CoVuaBoard::findPawn(int row, int col, int chance) {
    // The local pawns start on row 6 and always move towards row 0.
    for (int dc : {-1, 1}) {
        int r = row - 1;
        int c = col + dc;
        if (!checkOnBoard(r, c)) continue;
        int8_t code = board_[r][c];
        bool enemy = chance == 1 ? code >= 10 && code <= 19 : code >= 20;
        if (enemy) listCanMove_[r][c] = 1;
    }
    if (row == 6 && board_[5][col] == C::kEmpty && board_[4][col] == C::kEmpty) listCanMove_[4][col] = 1;
    if (checkOnBoard(row - 1, col) && board_[row - 1][col] == C::kEmpty) listCanMove_[row - 1][col] = 1;
}

void CoVuaBoard::findKnight(int row, int col, int chance) {
    for (const auto& j : kKnightJumps) markIfMayTake(row + j[0], col + j[1], chance);
}

void CoVuaBoard::findBishop(int row, int col, int chance) { markLines(row, col, chance, kDiagonal, 4); }

void CoVuaBoard::findRook(int row, int col, int chance) { markLines(row, col, chance, kStraight, 4); }

void CoVuaBoard::findQueen(int row, int col, int chance) { markLines(row, col, chance, kAllLines, 8); }

void CoVuaBoard::findKing(int row, int col, int chance) {
    for (const auto& s : kAllLines) markIfMayTake(row + s[0], col + s[1], chance);
    if (!bKingMoved_) findCastling();
}

struct CoVuaBoard::Castling {
    bool kingSide;
    int8_t king;
    int kingCol;
    int8_t rook;
    int rookCol;
    int empty[3];
    int emptyCount;
    int attacked[3];  // the king's square and the squares it crosses or reaches
    bool forFirstMover;
    int target;
};

void CoVuaBoard::findCastling() {
    // The castling squares are fixed by side: the local back row is row 7, the king stands in
    // column 4 for White and column 3 for Black.
    static constexpr Castling kCases[] = {
        {true, 16, 4, 14, 7, {5, 6, 0}, 2, {4, 5, 6}, true, 6},
        {true, 26, 3, 24, 0, {1, 2, 0}, 2, {3, 1, 2}, false, 1},
        {false, 16, 4, 14, 0, {1, 2, 3}, 3, {4, 2, 3}, true, 2},
        {false, 26, 3, 24, 7, {4, 5, 6}, 3, {3, 5, 4}, false, 5},
    };
    for (const Castling& c : kCases) tryCastling(c);
}

void CoVuaBoard::tryCastling(const Castling& c) {
    if (c.kingSide ? bRookNearMoved_ : bRookFarMoved_) return;
    const auto& back = board_[7];
    if (back[c.kingCol] != c.king || back[c.rookCol] != c.rook) return;
    for (int i = 0; i < c.emptyCount; ++i)
        if (back[c.empty[i]] != C::kEmpty) return;
    // An attacked square refuses this castling only; the other side's castling is tried on its own.
    int32_t who = c.forFirstMover ? moveFirst_ : moveSecond_;
    for (int col : c.attacked)
        if (checkXYZ(7, col, who)) return;
    listCanMove_[7][c.target] = 1;
}

int CoVuaBoard::attackerColour(int32_t whoCheck) const { return whoCheck == moveFirst_ ? 1 : 0; }

bool CoVuaBoard::holdsColour(int row, int col, int colour) const {
    int8_t code = board_[row][col];
    return colour == 1 ? code >= 20 : code >= 1 && code <= 19;
}

bool CoVuaBoard::checkXYZ(int ro, int co, int32_t whoCheck) const {
    int colour = attackerColour(whoCheck);
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            if (!holdsColour(row, col, colour)) continue;
            bool reaches = false;
            switch (C::type(board_[row][col])) {
                case C::kPawn: reaches = findPawnCantAttack(row, col, whoCheck, ro, co); break;
                case C::kKnight: reaches = findKnightCantAttack(row, col, whoCheck, ro, co); break;
                case C::kBishop: reaches = findBishopCantAttack(row, col, whoCheck, ro, co); break;
                case C::kRook: reaches = findRookCantAttack(row, col, whoCheck, ro, co); break;
                case C::kQueen: reaches = findQueenCantAttack(row, col, whoCheck, ro, co); break;
                case C::kKing: reaches = findKingCantAttack(row, col, whoCheck, ro, co); break;
                default: break;
            }
            if (reaches) return true;
        }
    }
    return false;
}

bool CoVuaBoard::findPawnCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    int colour = attackerColour(whoCheck);
    if (!checkOnBoard(ro, co) || holdsColour(ro, co, colour)) return false;
    // A pawn attacks the two squares diagonally ahead of it: the local side's pawns go towards
    // row 0, the opponent's towards row 7.
    int localColour = isWhite_ ? 0 : 1;
    int forward = colour == localColour ? -1 : 1;
    return ro == row + forward && std::abs(co - col) == 1;
}

bool CoVuaBoard::findKnightCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    if (!checkOnBoard(ro, co) || holdsColour(ro, co, attackerColour(whoCheck))) return false;
    int dr = std::abs(ro - row);
    int dc = std::abs(co - col);
    return (dr == 1 && dc == 2) || (dr == 2 && dc == 1);
}

bool CoVuaBoard::lineReaches(int row, int col, int ro, int co, int colour, bool straight, bool diagonal) const {
    if (!checkOnBoard(ro, co) || holdsColour(ro, co, colour)) return false;
    int dr = ro - row;
    int dc = co - col;
    if (dr == 0 && dc == 0) return false;
    bool onStraight = dr == 0 || dc == 0;
    bool onDiagonal = std::abs(dr) == std::abs(dc);
    if (!((straight && onStraight) || (diagonal && onDiagonal))) return false;
    int sr = (dr > 0) - (dr < 0);
    int sc = (dc > 0) - (dc < 0);
    // The line stops at its first occupied square.
    for (int r = row + sr, c = col + sc; r != ro || c != co; r += sr, c += sc)
        if (board_[r][c] != C::kEmpty) return false;
    return true;
}

bool CoVuaBoard::findBishopCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    return lineReaches(row, col, ro, co, attackerColour(whoCheck), false, true);
}

bool CoVuaBoard::findRookCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    return lineReaches(row, col, ro, co, attackerColour(whoCheck), true, false);
}

bool CoVuaBoard::findQueenCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    return lineReaches(row, col, ro, co, attackerColour(whoCheck), true, true);
}

bool CoVuaBoard::findKingCantAttack(int row, int col, int32_t whoCheck, int ro, int co) const {
    if (!checkOnBoard(ro, co) || holdsColour(ro, co, attackerColour(whoCheck))) return false;
    int dr = std::abs(ro - row);
    int dc = std::abs(co - col);
    return dr <= 1 && dc <= 1 && (dr || dc);
}

}  // namespace zuno
