#include <gtest/gtest.h>

#include "CoVuaTestBoards.h"

using namespace zuno;
using namespace zuno::test;

namespace {

// The local White king on e1 with both rooks home, or the local Black king on e8 (row 7, column 3)
// with both rooks.
CoVuaBoard castlingBoard(bool localIsWhite) {
    CoVuaBoard b = emptyCoVuaBoard(localIsWhite);
    b.setPieceAt(7, localIsWhite ? 4 : 3, localIsWhite ? 16 : 26);
    int8_t rook = localIsWhite ? 14 : 24;
    b.setPieceAt(7, 0, rook);
    b.setPieceAt(7, 7, rook);
    return b;
}

struct Offered {
    bool kingSide;
    bool queenSide;
    bool operator==(const Offered&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Offered& o) {
    return os << "{king-side " << o.kingSide << ", queen-side " << o.queenSide << "}";
}

Offered castlings(CoVuaBoard b) {
    bool white = b.isWhite();
    b.checkListCanMove(7, white ? 4 : 3, localId(b));
    return {b.canMoveTo(7, white ? 6 : 1), b.canMoveTo(7, white ? 2 : 5)};
}

Offered withAttacker(bool localIsWhite, int row, int col, int8_t code) {
    CoVuaBoard b = castlingBoard(localIsWhite);
    b.setPieceAt(row, col, code);
    return castlings(b);
}

}  // namespace

TEST(CoVuaCastling, BothSidesOfferedWhenFreeAndSafe) {
    EXPECT_EQ(castlings(castlingBoard(true)), (Offered{true, true}));
    EXPECT_EQ(castlings(castlingBoard(false)), (Offered{true, true}));
}

TEST(CoVuaCastling, AnAttackedSquareRefusesOnlyTheCastlingItLiesOn) {
    // White: f1 and g1 belong to the king side, c1 and d1 to the queen side, e1 to both.
    EXPECT_EQ(withAttacker(true, 0, 5, 24), (Offered{false, true}));  // rook on the f-file
    EXPECT_EQ(withAttacker(true, 0, 3, 24), (Offered{true, false}));  // rook on the d-file
    EXPECT_EQ(withAttacker(true, 0, 4, 24), (Offered{false, false}));  // e1: the king is in check
    EXPECT_EQ(withAttacker(true, 0, 1, 24), (Offered{true, true}));  // b1 need not be safe
    EXPECT_EQ(withAttacker(true, 5, 7, 22), (Offered{false, true}));  // knight on g1
    EXPECT_EQ(withAttacker(true, 4, 2, 23), (Offered{false, true}));  // bishop on f1
    EXPECT_EQ(withAttacker(true, 0, 6, 25), (Offered{false, true}));  // queen on g1
    EXPECT_EQ(withAttacker(true, 5, 2, 22), (Offered{true, false}));  // knight on b1 and d1
    // Black, turned round: g8 is column 1, c8 column 5.
    EXPECT_EQ(withAttacker(false, 0, 2, 14), (Offered{false, true}));
    EXPECT_EQ(withAttacker(false, 0, 4, 14), (Offered{true, false}));
    EXPECT_EQ(withAttacker(false, 0, 6, 14), (Offered{true, true}));  // b8 need not be safe
}

TEST(CoVuaCastling, EnemyPawnsAttackInTheirOwnDirectionAndTheEnemyKingCounts) {
    // A Black pawn on row 6 attacks row 7 diagonally.
    EXPECT_EQ(withAttacker(true, 6, 6, 21), (Offered{false, true}));
    EXPECT_EQ(withAttacker(true, 6, 4, 21), (Offered{false, false}));  // d1 and f1
    // One row further up it attacks nothing on the back row.
    EXPECT_EQ(withAttacker(true, 5, 5, 21), (Offered{true, true}));
    EXPECT_EQ(withAttacker(true, 6, 6, 26), (Offered{false, true}));  // the enemy king next to f1
    EXPECT_EQ(withAttacker(true, 5, 6, 26), (Offered{true, true}));  // too far

    // An own pawn in the same place attacks nothing of ours.
    EXPECT_EQ(withAttacker(true, 6, 6, 11), (Offered{true, true}));

    // The same for the local Black player against White's pawns and king.
    EXPECT_EQ(withAttacker(false, 6, 1, 11), (Offered{false, true}));
    EXPECT_EQ(withAttacker(false, 6, 6, 16), (Offered{true, false}));
}

TEST(CoVuaCastling, BlockedOrMovedPiecesRefuseCastling) {
    CoVuaBoard b = castlingBoard(true);
    b.setPieceAt(7, 6, 12);  // a knight between king and rook
    EXPECT_EQ(castlings(b), (Offered{false, true}));
    b = castlingBoard(true);
    b.setPieceAt(7, 1, 22);  // b1 must be empty, even though it need not be safe
    EXPECT_EQ(castlings(b), (Offered{true, false}));

    b = castlingBoard(true);
    b.setBRookNearMoved(true);
    EXPECT_EQ(castlings(b), (Offered{false, true}));
    b.setBRookNearMoved(false);
    b.setBRookFarMoved(true);
    EXPECT_EQ(castlings(b), (Offered{true, false}));
    b.setBKingMoved(true);
    b.setBRookFarMoved(false);
    EXPECT_EQ(castlings(b), (Offered{false, false}));

    // A rook missing from its square.
    b = castlingBoard(false);
    b.setPieceAt(7, 0, 0);
    EXPECT_EQ(castlings(b), (Offered{false, true}));
}

