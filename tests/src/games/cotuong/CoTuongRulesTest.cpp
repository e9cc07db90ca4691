#include <gtest/gtest.h>

#include <algorithm>

#include "CoTuongPositions.h"

using namespace zuno;
using namespace zuno::test;

namespace {

using Squares = std::vector<CoTuongSquare>;

Squares sorted(Squares s) {
    std::sort(s.begin(), s.end(), [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return s;
}

int movesOf(const Team& team) {
    int n = 0;
    for (const auto& p : team.pieces()) n += static_cast<int>(p->detectMoveable().size());
    return n;
}

constexpr bool kTop = true;
constexpr bool kBottom = false;

}  // namespace

TEST(CoTuongRules, StartPositionGivesFortyFourMovesToEachSide) {
    for (bool viewerIsRed : {false, true}) {
        CCBoardModel board;
        board.newGame("red", "black", viewerIsRed ? "red" : "black");
        EXPECT_EQ(board.isBottomRed(), viewerIsRed);
        EXPECT_EQ(board.bottomTeam()->name(), viewerIsRed ? "red" : "black");
        ASSERT_EQ(board.getAllPieces().size(), 32u);
        EXPECT_EQ(movesOf(*board.bottomTeam()), 44);
        EXPECT_EQ(movesOf(*board.topTeam()), 44);
        EXPECT_EQ(board.getUnitAtPoint(4, 0)->name(), viewerIsRed ? "r_jiang" : "b_jiang");
        EXPECT_EQ(board.getUnitAtPoint(1, 7)->name(), viewerIsRed ? "b_pao" : "r_pao");
        EXPECT_TRUE(board.getUnitAtPoint(4, 9)->vital());
        EXPECT_FALSE(board.getUnitAtPoint(4, 6)->vital());
    }
}

TEST(CoTuongRules, GeneralAndAdvisorStayInTheirPalace) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* general = place(board, PieceKind::Jiang, kBottom, 4, 0);
    EXPECT_EQ(sorted(general->detectMoveable()), (Squares{{3, 0}, {4, 1}, {5, 0}}));
    EXPECT_FALSE(general->isMoveAllowed(4, -1));
    general->forceMoveTo(3, 1);
    EXPECT_FALSE(general->isMoveAllowed(2, 1));
    EXPECT_FALSE(general->isMoveAllowed(4, 2));  // diagonal

    Piece* advisor = place(board, PieceKind::Shi, kTop, 4, 8);
    EXPECT_EQ(sorted(advisor->detectMoveable()), (Squares{{3, 7}, {3, 9}, {5, 7}, {5, 9}}));
    advisor->forceMoveTo(3, 7);
    EXPECT_FALSE(advisor->isMoveAllowed(2, 6));
    EXPECT_EQ(advisor->detectMoveable(), (Squares{{4, 8}}));
}

TEST(CoTuongRules, ElephantStaysHomeAndIsBlockedByThePointBetween) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* elephant = place(board, PieceKind::Xiang, kBottom, 2, 0);
    EXPECT_EQ(sorted(elephant->detectMoveable()), (Squares{{0, 2}, {4, 2}}));

    Piece* blocker = place(board, PieceKind::Zu, kTop, 1, 1);
    EXPECT_EQ(elephant->detectMoveable(), (Squares{{4, 2}}));
    place(board, PieceKind::Ma, kBottom, 3, 1);
    EXPECT_TRUE(elephant->detectMoveable().empty());
    board.removePiece(*blocker);
    EXPECT_EQ(elephant->detectMoveable(), (Squares{{0, 2}}));

    Piece* crossing = place(board, PieceKind::Xiang, kBottom, 6, 4);
    EXPECT_FALSE(crossing->isMoveAllowed(4, 6));
    EXPECT_FALSE(crossing->isMoveAllowed(8, 6));
    EXPECT_EQ(sorted(crossing->detectMoveable()), (Squares{{4, 2}, {8, 2}}));

    Piece* topElephant = place(board, PieceKind::Xiang, kTop, 2, 5);
    EXPECT_EQ(sorted(topElephant->detectMoveable()), (Squares{{0, 7}, {4, 7}}));
}

TEST(CoTuongRules, HorseIsBlockedByItsLeg) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* horse = place(board, PieceKind::Ma, kBottom, 1, 0);
    EXPECT_EQ(sorted(horse->detectMoveable()), (Squares{{0, 2}, {2, 2}, {3, 1}}));
    place(board, PieceKind::Zu, kTop, 1, 1);
    EXPECT_EQ(horse->detectMoveable(), (Squares{{3, 1}}));
    place(board, PieceKind::Xiang, kBottom, 2, 0);
    EXPECT_TRUE(horse->detectMoveable().empty());
}

TEST(CoTuongRules, ChariotAndCannonLines) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* chariot = place(board, PieceKind::Ju, kBottom, 0, 0);
    place(board, PieceKind::Zu, kTop, 0, 3);
    place(board, PieceKind::Ma, kBottom, 2, 0);
    EXPECT_EQ(sorted(chariot->detectMoveable()), (Squares{{0, 1}, {0, 2}, {0, 3}, {1, 0}}));

    Piece* cannon = place(board, PieceKind::Pao, kBottom, 4, 2);
    EXPECT_EQ(cannon->detectMoveable().size(), 8u + 2 + 7);  // left 4 (of 0..3), right 4, down 2, up 7
    place(board, PieceKind::Zu, kTop, 4, 5);  // the screen
    Piece* target = place(board, PieceKind::Ju, kTop, 4, 8);
    EXPECT_TRUE(cannon->isMoveAllowed(4, 8));
    EXPECT_TRUE(cannon->isMoveAttack(4, 8));
    EXPECT_FALSE(cannon->isMoveAllowed(4, 5));  // no capture without a screen
    EXPECT_FALSE(cannon->isMoveAllowed(4, 7));  // an empty square beyond the screen
    EXPECT_FALSE(cannon->isMoveAllowed(4, 9));
    board.removePiece(*target);
    EXPECT_FALSE(cannon->isMoveAllowed(4, 8));
    place(board, PieceKind::Zu, kTop, 4, 6);
    place(board, PieceKind::Ju, kTop, 4, 7);
    EXPECT_FALSE(cannon->isMoveAllowed(4, 7));  // two screens
}

TEST(CoTuongRules, SoldierGoesForwardAndSidewaysOnlyAcrossTheRiver) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* soldier = place(board, PieceKind::Zu, kBottom, 4, 4);
    EXPECT_EQ(soldier->detectMoveable(), (Squares{{4, 5}}));
    soldier->forceMoveTo(4, 5);
    EXPECT_EQ(sorted(soldier->detectMoveable()), (Squares{{3, 5}, {4, 6}, {5, 5}}));
    EXPECT_FALSE(soldier->isMoveAllowed(4, 4));
    soldier->forceMoveTo(4, 9);
    EXPECT_EQ(sorted(soldier->detectMoveable()), (Squares{{3, 9}, {5, 9}}));

    Piece* top = place(board, PieceKind::Zu, kTop, 2, 5);
    EXPECT_EQ(top->detectMoveable(), (Squares{{2, 4}}));
    top->forceMoveTo(2, 4);
    EXPECT_EQ(sorted(top->detectMoveable()), (Squares{{1, 4}, {2, 3}, {3, 4}}));
}

TEST(CoTuongRules, CheckTestFindsDirectAndUncoveredChecks) {
    CCBoardModel board;
    emptyBoard(board);
    place(board, PieceKind::Jiang, kTop, 4, 9);
    Piece* ownGeneral = place(board, PieceKind::Jiang, kBottom, 4, 0);
    // Two generals facing each other on an open file are no check.
    EXPECT_FALSE(ownGeneral->detectEatJiang());

    Piece* chariot = place(board, PieceKind::Ju, kBottom, 3, 0);
    EXPECT_FALSE(chariot->detectEatJiang());
    chariot->forceMoveTo(4, 5);
    EXPECT_TRUE(chariot->detectEatJiang());
    // Any piece of the side finds the check, the general included.
    EXPECT_TRUE(ownGeneral->detectEatJiang());

    // A horse in front of the chariot blocks it; moving the horse uncovers the check.
    chariot->forceMoveTo(4, 3);
    Piece* horse = place(board, PieceKind::Ma, kBottom, 4, 6);
    EXPECT_FALSE(horse->detectEatJiang());
    horse->forceMoveTo(3, 6);  // off the file: the chariot now sees the general
    EXPECT_TRUE(horse->detectEatJiang());

    // A horse giving check through a free leg, and none when the leg is taken.
    CCBoardModel second;
    emptyBoard(second);
    place(second, PieceKind::Jiang, kTop, 4, 9);
    Piece* h = place(second, PieceKind::Ma, kBottom, 3, 7);
    EXPECT_TRUE(h->detectEatJiang());
    place(second, PieceKind::Shi, kTop, 3, 8);
    EXPECT_FALSE(h->detectEatJiang());

    // A cannon checks over exactly one screen.
    CCBoardModel third;
    emptyBoard(third);
    place(third, PieceKind::Jiang, kBottom, 4, 0);
    Piece* cannon = place(third, PieceKind::Pao, kTop, 4, 7);
    EXPECT_FALSE(cannon->detectEatJiang());
    place(third, PieceKind::Zu, kBottom, 4, 3);
    EXPECT_TRUE(cannon->detectEatJiang());
}

TEST(CoTuongRules, MoveToReturnsOnlyPiecesOfTheOtherSide) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* chariot = place(board, PieceKind::Ju, kBottom, 0, 0);
    place(board, PieceKind::Ma, kBottom, 0, 1);
    Piece* enemy = place(board, PieceKind::Ma, kTop, 0, 5);
    EXPECT_EQ(chariot->moveTo(1, 0), nullptr);
    EXPECT_EQ(chariot->location(), Piece::convertPoint(1, 0));
    EXPECT_EQ(chariot->moveTo(0, 1), nullptr);  // onto an own piece: nothing is taken
    EXPECT_EQ(chariot->moveTo(0, 5).get(), enemy);
    EXPECT_EQ(enemy->team(), board.topTeam());  // the caller takes it off the board
    EXPECT_EQ(board.topTeam()->unitAt(0, 6), nullptr);
    EXPECT_EQ(board.topTeam()->unitAt(0, 5), enemy);
}
