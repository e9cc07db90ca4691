#include <gtest/gtest.h>

#include "CoTuongPositions.h"

using namespace zuno;
using namespace zuno::test;

namespace {

CoTuongPoint centre(int x, int y) { return Piece::convertPoint(x, y); }

// The first mover's board at the start: the viewer is black and at the bottom.
struct FirstMoverBoard : ::testing::Test {
    CCBoardModel board;
    void SetUp() override { board.newGame("red", "black", "black"); }
};

}  // namespace

TEST_F(FirstMoverBoard, PickUpShowsHintsAndTheSecondTapSendsTheMove) {
    Piece* horse = board.getUnitAtPoint(1, 0);
    CoTuongTap up = board.touchesEnded(centre(1, 0), true);
    EXPECT_FALSE(up.refused);
    EXPECT_EQ(up.pickedUp.get(), horse);
    EXPECT_EQ(up.putDown, nullptr);
    EXPECT_EQ(up.hints, horse->detectMoveable());
    EXPECT_FALSE(up.move.has_value());
    EXPECT_TRUE(board.isPieceSelected());
    EXPECT_EQ(board.sqSelected(), 196);

    // A square the rules refuse is sent all the same; the server judges.
    CoTuongTap send = board.touchesEnded(centre(5, 5), true);
    ASSERT_TRUE(send.move.has_value());
    EXPECT_EQ(*send.move, (CoTuongWireMove{196, CoTuongUtils::coordWithX(5 + 3, 4 + 3)}));
    EXPECT_EQ(send.putDown.get(), horse);
    EXPECT_EQ(send.pickedUp, nullptr);
    EXPECT_FALSE(board.isPieceSelected());
    EXPECT_EQ(horse->x(), 1);  // it moves when the server announces the move
    EXPECT_EQ(horse->y(), 0);
}

TEST_F(FirstMoverBoard, TapsThatPickNothingUp) {
    // The other side's piece, with nothing held.
    CoTuongTap enemy = board.touchesEnded(centre(1, 9), true);
    EXPECT_EQ(enemy.pickedUp, nullptr);
    EXPECT_FALSE(enemy.move.has_value());
    EXPECT_FALSE(board.isPieceSelected());
    // An own piece while the other player is to move.
    CoTuongTap early = board.touchesEnded(centre(1, 0), false);
    EXPECT_EQ(early.pickedUp, nullptr);
    EXPECT_TRUE(early.hints.empty());
    EXPECT_FALSE(board.isPieceSelected());
    // An empty square.
    CoTuongTap empty = board.touchesEnded(centre(4, 4), true);
    EXPECT_FALSE(empty.refused);
    EXPECT_FALSE(empty.move.has_value());
}

TEST_F(FirstMoverBoard, TappingAnotherOwnPieceMovesThePickUp) {
    Piece* horse = board.getUnitAtPoint(1, 0);
    Piece* cannon = board.getUnitAtPoint(1, 2);
    board.touchesEnded(centre(1, 0), true);
    CoTuongTap again = board.touchesEnded(centre(1, 2), true);
    EXPECT_EQ(again.putDown.get(), horse);
    EXPECT_EQ(again.pickedUp.get(), cannon);
    EXPECT_FALSE(again.move.has_value());
    CoTuongTap same = board.touchesEnded(centre(1, 2), true);
    EXPECT_EQ(same.putDown.get(), cannon);
    EXPECT_EQ(same.pickedUp.get(), cannon);
    // Taking an enemy piece is a move like any other.
    CoTuongTap take = board.touchesEnded(centre(1, 9), true);
    ASSERT_TRUE(take.move.has_value());
    EXPECT_EQ(*take.move, (CoTuongWireMove{CoTuongUtils::coordWithX(4, 10), CoTuongUtils::coordWithX(4, 3)}));
}

TEST_F(FirstMoverBoard, TapsOutsideTheBoardSendNothingAndKeepThePickUp) {
    Piece* chariot = board.getUnitAtPoint(0, 0);
    board.touchesEnded(centre(0, 0), true);
    for (CoTuongPoint outside : {CoTuongPoint{100, -20}, CoTuongPoint{100, 330}, CoTuongPoint{20, 160},
                                 CoTuongPoint{306, 160}}) {
        CoTuongTap tap = board.touchesEnded(outside, true);
        EXPECT_TRUE(tap.refused);
        EXPECT_FALSE(tap.move.has_value());
        EXPECT_EQ(tap.putDown, nullptr);
        EXPECT_TRUE(board.isPieceSelected());
        EXPECT_EQ(board.selectedPiece().get(), chariot);
    }
    // The edge of the board still counts.
    CoTuongTap edge = board.touchesEnded({21, 160}, true);
    EXPECT_TRUE(edge.move.has_value());
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
    ASSERT_TRUE(tap.move.has_value());
    EXPECT_EQ(*tap.move, (CoTuongWireMove{59, 75}));
}

TEST(CCBoardModel, AnnouncedMovesForBothPlayers) {
    // Black's cannon from (1, 2) to (1, 6) as black sees it: wire 164 to 100.
    CCBoardModel first;
    first.newGame("red", "black", "black");
    Piece* cannon = first.getUnitAtPoint(1, 2);
    CoTuongShownMove shown = first.moveWithWireSquares(static_cast<int8_t>(164), 100);
    EXPECT_EQ(shown.piece.get(), cannon);
    EXPECT_EQ(shown.captured, nullptr);
    EXPECT_EQ(cannon->x(), 1);
    EXPECT_EQ(cannon->y(), 6);
    EXPECT_EQ(cannon->location(), centre(1, 6));

    CCBoardModel second;
    second.newGame("red", "black", "red");
    second.setFlipped(true);
    Piece* same = second.getUnitAtPoint(7, 7);
    shown = second.moveWithWireSquares(static_cast<int8_t>(164), 100);
    EXPECT_EQ(shown.piece.get(), same);
    EXPECT_EQ(same->x(), 7);
    EXPECT_EQ(same->y(), 3);
}

TEST(CCBoardModel, AnnouncedCaptureTakesThePieceOffAndReportsCheck) {
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

    emptyBoard(board);
    place(board, PieceKind::Jiang, true, 4, 9);
    place(board, PieceKind::Ju, false, 0, 5);
    shown = board.movePiecefromPoint({0, 4}, {4, 4});
    EXPECT_TRUE(shown.givesCheck);

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
