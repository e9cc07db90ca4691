#include <gtest/gtest.h>

#include "CoVuaTestBoards.h"

using namespace zuno;
using namespace zuno::test;

namespace {

CoVuaBoard startBoard(bool localIsWhite) {
    CoVuaBoard b;
    b.newGame(localIsWhite);
    b.setPlayers(kWhiteId, kBlackId, localIsWhite);
    return b;
}

std::vector<std::pair<int, int>> mirrored(std::vector<std::pair<int, int>> moves) {
    for (auto& m : moves) m = {mirrorCode(m.first), mirrorCode(m.second)};
    std::sort(moves.begin(), moves.end());
    return moves;
}

}  // namespace

TEST(CoVuaMoves, CountsFromTheStartTurningTheBoardBetweenPlies) {
    CoVuaBoard start = startBoard(true);
    EXPECT_EQ(countMoves(start, 1), 20u);
    EXPECT_EQ(countMoves(start, 2), 400u);
    EXPECT_EQ(countMoves(start, 3), 8902u);
}

TEST(CoVuaMoves, SamePositionForWhiteAndForBlackGivesTheSameWireMoves) {
    EXPECT_EQ(wireMoves(startBoard(true)), mirrored(wireMoves(startBoard(false))));
    EXPECT_EQ(wireMoves(startBoard(true)).size(), 20u);

    std::mt19937 rng(99);
    for (int i = 0; i < 400; ++i) {
        auto position = randomCoVuaPosition(rng);
        auto asWhite = wireMoves(layOut(position, true));
        auto asBlack = wireMoves(layOut(colourMirror(position), false));
        ASSERT_EQ(asWhite, mirrored(asBlack)) << "position " << i;
    }
}

TEST(CoVuaMoves, PawnSteps) {
    CoVuaBoard b = emptyCoVuaBoard(true);
    b.setPieceAt(6, 4, 11);
    EXPECT_EQ(b.checkListCanMove(6, 4, kWhiteId), (std::vector<CoVuaSquare>{{4, 4}, {5, 4}}));
    b.setPieceAt(4, 4, 21);  // row 4 taken: only the single step
    EXPECT_EQ(b.checkListCanMove(6, 4, kWhiteId), (std::vector<CoVuaSquare>{{5, 4}}));
    b.setPieceAt(5, 4, 12);  // row 5 taken: no step at all
    EXPECT_TRUE(b.checkListCanMove(6, 4, kWhiteId).empty());
    b.setPieceAt(5, 3, 22);  // an enemy diagonally ahead is taken, an own piece is not
    b.setPieceAt(5, 5, 13);
    EXPECT_EQ(b.checkListCanMove(6, 4, kWhiteId), (std::vector<CoVuaSquare>{{5, 3}}));

    // Black's pawns go up the local Black player's screen too and take White's pieces.
    CoVuaBoard black = emptyCoVuaBoard(false);
    black.setPieceAt(3, 3, 21);
    black.setPieceAt(2, 2, 14);
    black.setPieceAt(2, 4, 24);
    EXPECT_EQ(black.checkListCanMove(3, 3, kBlackId), (std::vector<CoVuaSquare>{{2, 2}, {2, 3}}));
}

TEST(CoVuaMoves, KingInCheckIsOfferedEveryFreeOrEnemyNeighbour) {
    CoVuaBoard b = emptyCoVuaBoard(true);
    b.setPieceAt(4, 4, 16);
    b.setPieceAt(0, 4, 24);  // gives check along the file
    b.setPieceAt(3, 3, 21);
    b.setPieceAt(5, 5, 11);
    auto targets = b.checkListCanMove(4, 4, kWhiteId);
    EXPECT_EQ(targets.size(), 7u);  // all eight neighbours but the own pawn
    EXPECT_TRUE(b.canMoveTo(3, 4));
    EXPECT_TRUE(b.canMoveTo(3, 3));
    EXPECT_FALSE(b.canMoveTo(5, 5));
}

