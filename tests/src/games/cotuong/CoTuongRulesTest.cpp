#include <gtest/gtest.h>

#include <algorithm>

#include "CoTuongPositions.h"
#include "platform/core/Log.h"

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

using K = PieceKind;

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
        EXPECT_EQ(board.getUnitAtPoint(CoTuongPoint{1.9f, 7.9f})->name(), viewerIsRed ? "b_pao" : "r_pao");
        EXPECT_TRUE(board.getUnitAtPoint(4, 9)->vital());
        EXPECT_FALSE(board.getUnitAtPoint(4, 6)->vital());
    }
}

TEST(CoTuongRules, HintsOfEachKind) {
    struct Case {
        const char* what;
        std::vector<Placed> others;
        Placed piece;
        Squares hints;
    };
    const Case cases[] = {
        {"general in its palace", {}, {K::Jiang, kBottom, 4, 0}, {{3, 0}, {4, 1}, {5, 0}}},
        {"general at the palace edge", {}, {K::Jiang, kBottom, 3, 1}, {{3, 0}, {3, 2}, {4, 1}}},
        {"advisor", {}, {K::Shi, kTop, 4, 8}, {{3, 7}, {3, 9}, {5, 7}, {5, 9}}},
        {"advisor in a corner", {}, {K::Shi, kTop, 3, 7}, {{4, 8}}},
        {"elephant", {}, {K::Xiang, kBottom, 2, 0}, {{0, 2}, {4, 2}}},
        {"elephant blocked once", {{K::Zu, kTop, 1, 1}}, {K::Xiang, kBottom, 2, 0}, {{4, 2}}},
        {"elephant blocked twice", {{K::Zu, kTop, 1, 1}, {K::Ma, kBottom, 3, 1}}, {K::Xiang, kBottom, 2, 0},
         {}},
        {"elephant at the river", {}, {K::Xiang, kBottom, 6, 4}, {{4, 2}, {8, 2}}},
        {"top elephant at the river", {}, {K::Xiang, kTop, 2, 5}, {{0, 7}, {4, 7}}},
        {"horse", {}, {K::Ma, kBottom, 1, 0}, {{0, 2}, {2, 2}, {3, 1}}},
        {"horse with a leg held", {{K::Zu, kTop, 1, 1}}, {K::Ma, kBottom, 1, 0}, {{3, 1}}},
        {"horse with both legs held", {{K::Zu, kTop, 1, 1}, {K::Xiang, kBottom, 2, 0}}, {K::Ma, kBottom, 1, 0},
         {}},
        {"chariot", {{K::Zu, kTop, 0, 3}, {K::Ma, kBottom, 2, 0}}, {K::Ju, kBottom, 0, 0},
         {{0, 1}, {0, 2}, {0, 3}, {1, 0}}},
        {"soldier before the river", {}, {K::Zu, kBottom, 4, 4}, {{4, 5}}},
        {"soldier across the river", {}, {K::Zu, kBottom, 4, 5}, {{3, 5}, {4, 6}, {5, 5}}},
        {"soldier on the last rank", {}, {K::Zu, kBottom, 4, 9}, {{3, 9}, {5, 9}}},
        {"top soldier", {}, {K::Zu, kTop, 2, 5}, {{2, 4}}},
        {"top soldier across", {}, {K::Zu, kTop, 2, 4}, {{1, 4}, {2, 3}, {3, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCBoardModel board;
        layOut(board, c.others);
        Piece* piece = place(board, c.piece.kind, c.piece.top, c.piece.x, c.piece.y);
        sys::Log::clearCaptured();
        EXPECT_EQ(sorted(piece->detectMoveable()), c.hints);
        // An elephant's refusal to cross the river leaves a debug line naming its side.
        if (c.piece.kind == K::Xiang) {
            EXPECT_TRUE(sys::Log::contains(c.piece.top ? "xiang 1" : "xiang 2"));
            EXPECT_FALSE(sys::Log::contains(c.piece.top ? "xiang 2" : "xiang 1"));
        }
    }
}

TEST(CoTuongRules, CannonMovesOverEmptySquaresAndCapturesOverOneScreen) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* cannon = place(board, K::Pao, kBottom, 4, 2);
    EXPECT_EQ(cannon->detectMoveable().size(), 8u + 2 + 7);  // the whole rank, down 2, up 7
    place(board, K::Zu, kTop, 4, 5);  // the screen
    Piece* target = place(board, K::Ju, kTop, 4, 8);
    EXPECT_TRUE(cannon->isMoveAllowed(4, 8));
    EXPECT_TRUE(cannon->isMoveAttack(4, 8));
    EXPECT_FALSE(cannon->isMoveAllowed(4, 5));  // no capture without a screen
    EXPECT_FALSE(cannon->isMoveAllowed(4, 7));  // an empty square beyond the screen
    board.removePiece(*target);
    EXPECT_FALSE(cannon->isMoveAllowed(4, 8));
    place(board, K::Zu, kTop, 4, 6);
    place(board, K::Ju, kTop, 4, 7);
    EXPECT_FALSE(cannon->isMoveAllowed(4, 7));  // two screens
    EXPECT_FALSE(cannon->isMoveAllowed(4, -1));
}

TEST(CoTuongRules, CheckTestFindsDirectAndUncoveredChecks) {
    CCBoardModel board;
    emptyBoard(board);
    place(board, K::Jiang, kTop, 4, 9);
    Piece* ownGeneral = place(board, K::Jiang, kBottom, 4, 0);
    // Two generals facing each other on an open file are no check.
    EXPECT_FALSE(ownGeneral->detectEatJiang());

    Piece* chariot = place(board, K::Ju, kBottom, 3, 0);
    EXPECT_FALSE(chariot->detectEatJiang());
    chariot->forceMoveTo(4, 5);
    EXPECT_TRUE(chariot->detectEatJiang());
    // Any piece of the side finds the check, the general included.
    EXPECT_TRUE(ownGeneral->detectEatJiang());

    // A horse in front of the chariot blocks it; moving the horse uncovers the check.
    chariot->forceMoveTo(4, 3);
    Piece* horse = place(board, K::Ma, kBottom, 4, 6);
    EXPECT_FALSE(horse->detectEatJiang());
    horse->forceMoveTo(3, 6);
    EXPECT_TRUE(horse->detectEatJiang());

    // A horse giving check through a free leg, and none when the leg is taken.
    layOut(board, {{K::Jiang, kTop, 4, 9}});
    Piece* h = place(board, K::Ma, kBottom, 3, 7);
    EXPECT_TRUE(h->detectEatJiang());
    place(board, K::Shi, kTop, 3, 8);
    EXPECT_FALSE(h->detectEatJiang());

    // A cannon checks over exactly one screen; an elephant never reaches the other palace.
    layOut(board, {{K::Jiang, kBottom, 4, 0}, {K::Xiang, kTop, 2, 5}});
    Piece* cannon = place(board, K::Pao, kTop, 4, 7);
    EXPECT_FALSE(cannon->detectEatJiang());
    place(board, K::Zu, kBottom, 4, 3);
    EXPECT_TRUE(cannon->detectEatJiang());
}

TEST(CoTuongRules, MoveToReturnsOnlyPiecesOfTheOtherSide) {
    CCBoardModel board;
    emptyBoard(board);
    Piece* chariot = place(board, K::Ju, kBottom, 0, 0);
    place(board, K::Ma, kBottom, 0, 1);
    Piece* enemy = place(board, K::Ma, kTop, 0, 5);
    EXPECT_EQ(chariot->moveTo(1, 0), nullptr);
    EXPECT_EQ(chariot->location(), Piece::convertPoint(1, 0));
    EXPECT_EQ(chariot->moveTo(CoTuongPoint{0.9f, 1.9f}), nullptr);  // onto an own piece: nothing is taken
    EXPECT_EQ(chariot->y(), 1);
    EXPECT_EQ(chariot->moveTo(0, 5).get(), enemy);
    EXPECT_EQ(enemy->team(), board.topTeam());  // the caller takes it off the board
    EXPECT_EQ(board.topTeam()->unitAt(0, 6), nullptr);
    EXPECT_EQ(board.topTeam()->unitAt(0, 5), enemy);
}
