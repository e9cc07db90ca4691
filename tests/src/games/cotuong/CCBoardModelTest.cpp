#include <gtest/gtest.h>

#include <cmath>

#include "CoTuongPositions.h"

using namespace zuno;
using namespace zuno::test;

namespace {

CoTuongPoint centre(int x, int y) { return Piece::convertPoint(x, y); }

// The wire square of the first mover's board square (x, y).
int wire(int x, int y) { return CoTuongUtils::coordWithX(x + 3, 9 - y + 3); }

// The first mover's board at the start: the viewer is black and at the bottom.
struct FirstMoverBoard : ::testing::Test {
    CCBoardModel board;
    void SetUp() override { board.newGame("red", "black", "black"); }
    Piece* at(int x, int y) { return board.getUnitAtPoint(x, y); }
};

}  // namespace

TEST_F(FirstMoverBoard, PickUpsAndMoveRequests) {
    // Nothing is picked up by a tap on the other side's piece, on an empty square, or on an own
    // piece while the other player is to move.
    for (auto [p, myTurn] : {std::pair{centre(1, 9), true}, {centre(4, 4), true}, {centre(1, 0), false}}) {
        CoTuongTap tap = board.touchesEnded(p, myTurn);
        EXPECT_FALSE(tap.refused);
        EXPECT_EQ(tap.pickedUp, nullptr);
        EXPECT_TRUE(tap.hints.empty());
        EXPECT_FALSE(tap.move.has_value());
        EXPECT_FALSE(board.isPieceSelected());
    }

    CoTuongTap up = board.touchesEnded(centre(1, 0), true);
    EXPECT_EQ(up.pickedUp.get(), at(1, 0));
    EXPECT_EQ(up.hints, at(1, 0)->detectMoveable());
    EXPECT_TRUE(board.isPieceSelected());
    EXPECT_EQ(board.sqSelected(), 196);

    // Another own piece takes the pick-up over; the same piece again is picked up anew.
    CoTuongTap other = board.touchesEnded(centre(1, 2), true);
    EXPECT_EQ(other.putDown.get(), at(1, 0));
    EXPECT_EQ(other.pickedUp.get(), at(1, 2));
    EXPECT_FALSE(other.move.has_value());
    CoTuongTap same = board.touchesEnded(centre(1, 2), true);
    EXPECT_EQ(same.putDown.get(), at(1, 2));
    EXPECT_EQ(same.pickedUp.get(), at(1, 2));

    // A square the rules refuse is sent all the same: the server judges. Nothing moves yet.
    CoTuongTap send = board.touchesEnded(centre(5, 5), true);
    EXPECT_EQ(send.move, (CoTuongWireMove{wire(1, 2), wire(5, 5)}));
    EXPECT_EQ(send.putDown.get(), at(1, 2));
    EXPECT_EQ(send.pickedUp, nullptr);
    EXPECT_FALSE(board.isPieceSelected());
    EXPECT_NE(at(1, 2), nullptr);

    // Taking an enemy piece is a move like any other.
    board.touchesEnded(centre(1, 2), true);
    EXPECT_EQ(board.touchesEnded(centre(1, 9), true).move, (CoTuongWireMove{wire(1, 2), wire(1, 9)}));
}

TEST_F(FirstMoverBoard, TapsOutsideTheBoardSendNothingAndKeepThePickUp) {
    // Up to 15 points beyond the outer files' centres (36 and 290) a tap still counts; above the top
    // rank and below the bottom one there is no square.
    struct Edge {
        CoTuongPoint p;
        bool counts;
    };
    const float nan = std::nanf("");
    const Edge edges[] = {{{21, 160}, true},   {{305, 160}, true},    {{100, -1}, true},
                          {{100, 318.9f}, true}, {{20, 160}, false},  {{306, 160}, false},
                          {{100, -1.5f}, false}, {{100, 319}, false}, {{100, 400}, false},
                          {{100, nan}, false}};
    for (const Edge& e : edges) {
        SCOPED_TRACE(::testing::Message() << e.p.x << ", " << e.p.y);
        auto square = CCBoardModel::tapSquare(e.p);
        EXPECT_EQ(square.has_value(), e.counts);
        if (square) {
            EXPECT_EQ(*square, CCBoardModel::convertPointToBoard(e.p));
        }
    }

    Piece* chariot = at(0, 0);
    board.touchesEnded(centre(0, 0), true);
    for (const Edge& e : edges) {
        if (e.counts) continue;
        CoTuongTap tap = board.touchesEnded(e.p, true);
        EXPECT_TRUE(tap.refused);
        EXPECT_FALSE(tap.move.has_value());
        EXPECT_EQ(tap.putDown, nullptr);
        EXPECT_TRUE(board.isPieceSelected());
        EXPECT_EQ(board.selectedPiece().get(), chariot);
    }
    EXPECT_EQ(board.touchesEnded({21, 160}, true).move, (CoTuongWireMove{wire(0, 0), wire(0, 4)}));
}

TEST_F(FirstMoverBoard, TheHeldPieceIsHitOverItsGrownSize) {
    emptyBoard(board);
    Piece* chariot = place(board, PieceKind::Ju, false, 0, 0);
    board.touchesEnded(centre(0, 0), true);
    // 19 points right of its centre: outside a 34-point piece, inside one grown by 1.2.
    CoTuongTap tap = board.touchesEnded({centre(0, 0).x + 19, centre(0, 0).y}, true);
    EXPECT_EQ(tap.pickedUp.get(), chariot);
    EXPECT_FALSE(tap.move.has_value());
}

TEST(CCBoardModel, SecondMoverSendsTurnedSquares) {
    CCBoardModel board;
    board.newGame("red", "black", "red");
    board.setFlipped(true);
    EXPECT_TRUE(board.isBottomRed());
    board.touchesEnded(centre(0, 0), true);  // screen square (c 0, r 9)
    CoTuongTap tap = board.touchesEnded(centre(0, 1), true);  // (c 0, r 8)
    EXPECT_EQ(tap.move, (CoTuongWireMove{59, 75}));
}

TEST(CCBoardModel, AnnouncedMovesCapturesAndChecks) {
    // Black's cannon from (1, 2) to (1, 6) as black sees it: wire 164 to 100; the second mover
    // sees the same cannon on (7, 7) going to (7, 3).
    for (bool second : {false, true}) {
        CCBoardModel board;
        board.newGame("red", "black", second ? "red" : "black");
        board.setFlipped(second);
        Piece* cannon = board.getUnitAtPoint(second ? 7 : 1, second ? 7 : 2);
        CoTuongShownMove shown = board.moveWithWireSquares(static_cast<int8_t>(164), 100);
        EXPECT_EQ(shown.piece.get(), cannon);
        EXPECT_EQ(shown.captured, nullptr);
        EXPECT_EQ(cannon->x(), second ? 7 : 1);
        EXPECT_EQ(cannon->y(), second ? 3 : 6);
        EXPECT_EQ(cannon->location(), centre(cannon->x(), cannon->y()));
    }

    CCBoardModel board;
    board.newGame("red", "black", "black");
    // Red's cannon (top, (1, 7)) takes black's horse at (1, 0): wire 84 to 196.
    Piece* horse = board.getUnitAtPoint(1, 0);
    CoTuongShownMove shown = board.moveWithWireSquares(84, static_cast<int8_t>(196));
    EXPECT_EQ(shown.captured.get(), horse);
    EXPECT_EQ(horse->team(), nullptr);
    EXPECT_EQ(board.getUnitAtPoint(1, 0), shown.piece.get());
    EXPECT_EQ(board.getAllPieces().size(), 31u);
    EXPECT_FALSE(shown.givesCheck);

    layOut(board, {{PieceKind::Jiang, true, 4, 9}, {PieceKind::Ju, false, 0, 5}});
    EXPECT_TRUE(board.movePiecefromPoint({0, 4}, {4, 4}).givesCheck);
    // Nothing on the square left: nothing moves.
    shown = board.movePiecefromPoint({8, 8}, {8, 7});
    EXPECT_EQ(shown.piece, nullptr);
    EXPECT_FALSE(shown.givesCheck);
}

TEST(CCBoardModel, ANewGameDropsThePickUpAndDetachesOldPieces) {
    CCBoardModel board;
    board.newGame("red", "black", "black");
    board.touchesEnded(centre(1, 0), true);
    std::shared_ptr<Piece> held = board.selectedPiece();
    ASSERT_TRUE(held);
    board.newGame("red", "black", "black");
    EXPECT_FALSE(board.isPieceSelected());
    EXPECT_EQ(board.selectedPiece(), nullptr);
    EXPECT_EQ(held->team(), nullptr);
    EXPECT_FALSE(held->isMoveAllowed(1, 1));
    EXPECT_FALSE(held->detectEatJiang());
    // The next tap on an empty square sends nothing.
    EXPECT_FALSE(board.touchesEnded(centre(4, 4), true).move.has_value());
}

TEST(CCBoardModel, AnnouncedSquaresOffTheBoardAreSkipped) {
    CCBoardModel board;
    board.newGame("red", "black", "black");
    // Wire 0 is (-3, -3) and 255 (as -1) lies beyond the last rank: neither moves anything.
    const struct {
        const char* name;
        int8_t from, to;
    } cases[] = {{"from off the board", 0, 100}, {"to off the board", static_cast<int8_t>(164), -1}};
    for (const auto& c : cases) {
        CoTuongShownMove shown = board.moveWithWireSquares(c.from, c.to);
        EXPECT_EQ(shown.piece, nullptr) << c.name;
        EXPECT_EQ(board.getAllPieces().size(), 32u) << c.name;
    }
    EXPECT_NE(board.getUnitAtPoint(1, 2), nullptr) << "the cannon stayed";
}
