#include <gtest/gtest.h>

#include <tuple>

#include "CoVuaTestBoards.h"

using namespace zuno;
using namespace zuno::test;

namespace {

struct Offered {
    bool kingSide;
    bool queenSide;
    bool operator==(const Offered&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Offered& o) {
    return os << "{king-side " << o.kingSide << ", queen-side " << o.queenSide << "}";
}

enum Moved { kNone = 0, kNear = 1, kFar = 2, kKing = 4 };

struct Case {
    const char* what;
    bool white;
    std::vector<std::tuple<int, int, int8_t>> put;  // row, column, code
    int moved;
    Offered offered;
};

// The local king on its square (White e1 = row 7 column 4, Black e8 = row 7 column 3) with both
// rooks home; then the case's pieces and castling memory.
Offered castlings(const Case& c) {
    CoVuaBoard b = emptyCoVuaBoard(c.white);
    int kingCol = c.white ? 4 : 3;
    b.setPieceAt(7, kingCol, c.white ? 16 : 26);
    b.setPieceAt(7, 0, c.white ? 14 : 24);
    b.setPieceAt(7, 7, c.white ? 14 : 24);
    for (auto [row, col, code] : c.put) b.setPieceAt(row, col, code);
    b.setBRookNearMoved(c.moved & kNear);
    b.setBRookFarMoved(c.moved & kFar);
    b.setBKingMoved(c.moved & kKing);
    b.checkListCanMove(7, kingCol, localId(b));
    return {b.canMoveTo(7, c.white ? 6 : 1), b.canMoveTo(7, c.white ? 2 : 5)};
}

}  // namespace

TEST(CoVuaCastling, EveryCase) {
    const Case cases[] = {
        {"both free and safe", true, {}, kNone, {true, true}},
        {"both free and safe, Black", false, {}, kNone, {true, true}},
        // An attacked square refuses only the castling it lies on (e1 lies on both).
        {"rook on the f-file", true, {{0, 5, 24}}, kNone, {false, true}},
        {"rook on the d-file", true, {{0, 3, 24}}, kNone, {true, false}},
        {"king in check", true, {{0, 4, 24}}, kNone, {false, false}},
        {"b1 need not be safe", true, {{0, 1, 24}}, kNone, {true, true}},
        {"knight on g1", true, {{5, 7, 22}}, kNone, {false, true}},
        {"bishop on f1", true, {{4, 2, 23}}, kNone, {false, true}},
        {"queen on g1", true, {{0, 6, 25}}, kNone, {false, true}},
        {"knight on b1 and d1", true, {{5, 2, 22}}, kNone, {true, false}},
        {"Black: g8 attacked", false, {{0, 2, 14}}, kNone, {false, true}},
        {"Black: d8 attacked", false, {{0, 4, 14}}, kNone, {true, false}},
        {"Black: b8 need not be safe", false, {{0, 6, 14}}, kNone, {true, true}},
        // Enemy pawns attack in their own direction; the enemy king counts; own pieces never do.
        {"pawn next to the back row", true, {{6, 6, 21}}, kNone, {false, true}},
        {"pawn on d1 and f1", true, {{6, 4, 21}}, kNone, {false, false}},
        {"pawn a row further", true, {{5, 5, 21}}, kNone, {true, true}},
        {"enemy king next to f1", true, {{6, 6, 26}}, kNone, {false, true}},
        {"enemy king too far", true, {{5, 6, 26}}, kNone, {true, true}},
        {"own pawn", true, {{6, 6, 11}}, kNone, {true, true}},
        {"Black: White pawn", false, {{6, 1, 11}}, kNone, {false, true}},
        {"Black: White king", false, {{6, 6, 16}}, kNone, {true, false}},
        // Pieces in the way, pieces missing, and the castling memory.
        {"knight between", true, {{7, 6, 12}}, kNone, {false, true}},
        {"b1 taken", true, {{7, 1, 22}}, kNone, {true, false}},
        {"Black: rook missing", false, {{7, 0, 0}}, kNone, {false, true}},
        {"king-side rook moved", true, {}, kNear, {false, true}},
        {"queen-side rook moved", true, {}, kFar, {true, false}},
        {"king moved", true, {}, kKing, {false, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(castlings(c), c.offered) << c.what;
}
