#include <gtest/gtest.h>

#include "CoVuaTestBoards.h"
#include "games/covua/CoVuaGame.h"
#include "platform/core/Log.h"

using namespace zuno;
using namespace zuno::test;

namespace {

// Square codes by name: "e2" is file 4, rank 1.
int8_t sq(const char* name) { return static_cast<int8_t>(10 * (name[0] - 'a') + (name[1] - '1')); }

struct WhiteGame : ::testing::Test {
    CoVuaGame game;
    void SetUp() override { game.startWithMoveFirst(kWhiteId, kWhiteId); }

    CoVuaAnnouncedMove move(int32_t who, const char* from, const char* to, int32_t next) {
        return game.moveWithWho(who, sq(from), sq(to), next, 300);
    }
    void emptyBoard() {
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) game.board().setPieceAt(r, c, 0);
    }
};

struct BlackGame : WhiteGame {
    void SetUp() override { game.startWithMoveFirst(kWhiteId, kBlackId); }
};

}  // namespace

TEST_F(WhiteGame, TapsSelectShowTargetsAndSendOnlyToATarget) {
    EXPECT_FALSE(game.doFire(4, 4).selected.has_value());  // an empty square
    EXPECT_FALSE(game.doFire(1, 4).selected.has_value());  // an enemy piece

    // A tap on a square that is no target forgets the selection and its targets.
    game.doFire(6, 4);
    CoVuaTap off = game.doFire(3, 4);
    EXPECT_FALSE(off.ignored);
    EXPECT_FALSE(off.move.has_value());
    EXPECT_FALSE(game.isSelected());
    EXPECT_FALSE(game.selectedPiece().has_value());
    EXPECT_FALSE(game.doFire(4, 4).move.has_value());

    // Another own piece takes the selection over.
    game.doFire(6, 4);
    CoVuaTap knight = game.doFire(7, 6);
    EXPECT_EQ(knight.selected, (CoVuaSquare{7, 6}));
    EXPECT_EQ(knight.targets, (std::vector<CoVuaSquare>{{5, 5}, {5, 7}}));

    // A second tap on the selected piece stops its blink but keeps its targets.
    CoVuaTap pick = game.doFire(6, 4);
    EXPECT_EQ(pick.selected, (CoVuaSquare{6, 4}));
    EXPECT_EQ(pick.targets, (std::vector<CoVuaSquare>{{4, 4}, {5, 4}}));
    CoVuaTap again = game.doFire(6, 4);
    EXPECT_FALSE(again.selected.has_value());
    EXPECT_TRUE(again.targets.empty());
    EXPECT_FALSE(game.selectedPiece().has_value());
    EXPECT_TRUE(game.isSelected());

    CoVuaTap send = game.doFire(4, 4);
    EXPECT_EQ(send.move, (CoVuaWireMove{sq("e2"), sq("e4")}));
    EXPECT_EQ(game.data(), (std::array<int8_t, 2>{sq("e2"), sq("e4")}));
    EXPECT_TRUE(game.gameFlipped());
    EXPECT_EQ(game.turn(), -1);
    // The board changes only when the server announces the move; meanwhile taps are ignored but
    // still recorded.
    EXPECT_EQ(game.board().pieceAt(6, 4), 11);
    EXPECT_TRUE(game.doFire(6, 3).ignored);
    EXPECT_EQ(game.nYPointer(), 6);
    EXPECT_EQ(game.nXPointer(), 3);
}

TEST_F(WhiteGame, TheSentPieceStaysSelectedSoTheNextTapOnItOnlyDeselects) {
    game.doFire(6, 4);
    game.doFire(4, 4);
    EXPECT_EQ(game.selectedPiece(), (CoVuaSquare{6, 4}));
    move(kWhiteId, "e2", "e4", kBlackId);
    EXPECT_EQ(game.selectedPiece(), (CoVuaSquare{4, 4}));  // it follows its sprite
    EXPECT_TRUE(game.gameFlipped());
    move(kBlackId, "e7", "e5", kWhiteId);
    EXPECT_FALSE(game.gameFlipped());
    EXPECT_EQ(game.turn(), kWhiteId);

    CoVuaTap first = game.doFire(4, 4);
    EXPECT_FALSE(first.selected.has_value());
    EXPECT_TRUE(first.targets.empty());
    CoVuaTap second = game.doFire(4, 4);
    EXPECT_EQ(second.selected, (CoVuaSquare{4, 4}));

    // A captured selected piece is selected no more.
    game.doFire(6, 3);
    game.doFire(5, 3);
    move(kWhiteId, "d2", "d3", kBlackId);
    game.board().setPieceAt(2, 4, 23);
    move(kBlackId, "e6", "d3", kWhiteId);
    EXPECT_FALSE(game.selectedPiece().has_value());
}

TEST_F(BlackGame, BlackSendsAndDrawsMovesWithTheSameSquareCodes) {
    EXPECT_FALSE(game.getColoCurentPlay());
    EXPECT_EQ(game.moveSecond(), kBlackId);
    // White moves first: the local Black player's taps wait.
    EXPECT_TRUE(game.doFire(6, 3).ignored);
    CoVuaAnnouncedMove white = move(kWhiteId, "e2", "e4", kBlackId);
    EXPECT_TRUE(white.applied);
    EXPECT_TRUE(white.nextIsLocal);
    EXPECT_EQ(white.from, (CoVuaSquare{1, 3}));
    EXPECT_EQ(white.to, (CoVuaSquare{3, 3}));
    EXPECT_EQ(game.board().pieceAt(3, 3), 11);

    game.doFire(6, 3);
    EXPECT_EQ(game.doFire(4, 3).move, (CoVuaWireMove{46, 44}));
    CoVuaAnnouncedMove echo = game.moveWithWho(kBlackId, 46, 44, kWhiteId, 280);
    EXPECT_EQ(echo.from, (CoVuaSquare{6, 3}));
    EXPECT_EQ(echo.to, (CoVuaSquare{4, 3}));
    EXPECT_FALSE(echo.nextIsLocal);
    EXPECT_EQ(game.board().pieceAt(4, 3), 21);
    EXPECT_EQ(game.board().pieceAt(6, 3), 0);
    EXPECT_TRUE(game.gameFlipped());  // still locked until the turn comes back
    EXPECT_EQ(game.turn(), kWhiteId);
}

TEST_F(WhiteGame, AMoveWhoseMoverMovesNextKeepsThePositionAndReleasesTheLock) {
    game.doFire(6, 4);
    game.doFire(4, 4);
    game.setFindKing(1);
    auto before = game.board().board();
    CoVuaAnnouncedMove same = move(kWhiteId, "e2", "e4", kWhiteId);
    EXPECT_FALSE(same.applied);
    EXPECT_TRUE(same.nextIsLocal);
    EXPECT_FALSE(game.bKingBlack());  // every move clears the check notice
    EXPECT_EQ(game.board().board(), before);
    EXPECT_FALSE(game.gameFlipped());
    EXPECT_EQ(game.turn(), kWhiteId);
    game.doFire(6, 3);
    EXPECT_EQ(game.doFire(4, 3).move, (CoVuaWireMove{sq("d2"), sq("d4")}));
}

TEST_F(WhiteGame, CapturesAndPawnsTakenInPassing) {
    emptyBoard();
    auto& b = game.board();
    b.setPieceAt(3, 4, 11);  // White pawn e5
    b.setPieceAt(1, 3, 21);  // Black pawn d7
    b.setPieceAt(2, 2, 22);  // Black knight c6
    move(kBlackId, "d7", "d5", kWhiteId);
    CoVuaAnnouncedMove passing = move(kWhiteId, "e5", "d6", kBlackId);
    EXPECT_FALSE(passing.captured);
    EXPECT_EQ(passing.takenInPassing, (CoVuaSquare{3, 3}));
    EXPECT_EQ(b.pieceAt(3, 3), 0);
    EXPECT_EQ(b.pieceAt(2, 3), 11);

    move(kBlackId, "c6", "d4", kWhiteId);
    // Diagonally onto an empty square with no pawn beside: nothing else is taken.
    EXPECT_FALSE(move(kWhiteId, "d6", "c7", kBlackId).takenInPassing.has_value());
    EXPECT_EQ(b.pieceAt(1, 2), 11);

    // Black takes in passing down the local White player's screen; a knight beside is no pawn.
    b.setPieceAt(6, 4, 11);  // e2
    move(kWhiteId, "e2", "e4", kBlackId);
    EXPECT_FALSE(move(kBlackId, "d4", "e3", kWhiteId).takenInPassing.has_value());
    b.setPieceAt(4, 3, 21);  // a Black pawn on d4, a White pawn on c4
    b.setPieceAt(4, 2, 11);
    EXPECT_EQ(move(kBlackId, "d4", "c3", kWhiteId).takenInPassing, (CoVuaSquare{4, 2}));
    EXPECT_EQ(b.pieceAt(4, 2), 0);
    EXPECT_EQ(b.pieceAt(5, 2), 21);

    // An ordinary capture.
    b.setPieceAt(6, 1, 11);
    CoVuaAnnouncedMove capture = move(kWhiteId, "b2", "c3", kBlackId);
    EXPECT_TRUE(capture.captured);
    EXPECT_FALSE(capture.takenInPassing.has_value());
    EXPECT_EQ(b.pieceAt(5, 2), 11);
}

TEST_F(WhiteGame, PromotionGivesTheChosenPieceOfTheMoversColour) {
    emptyBoard();
    game.board().setPieceAt(1, 0, 11);  // a7
    game.board().setPieceAt(6, 7, 21);  // h2
    EXPECT_FALSE(game.fElevate(kBlackId));
    EXPECT_TRUE(game.fElevate(kWhiteId));
    game.sendElevateIndex(4);
    EXPECT_EQ(game.indexElevate(), 4);
    game.setElevateIndex(5);  // the server's announcement carries the type
    EXPECT_EQ(move(kWhiteId, "a7", "a8", kBlackId).promotedTo, 15);
    EXPECT_EQ(game.board().pieceAt(0, 0), 15);
    EXPECT_FALSE(game.bElevated());

    game.fElevate(kBlackId);
    game.setElevateIndex(2);
    move(kBlackId, "h2", "h1", kWhiteId);
    EXPECT_EQ(game.board().pieceAt(7, 7), 22);
    // A type outside knight to queen promotes nothing.
    for (int8_t type : {int8_t(1), int8_t(6), int8_t(-1)}) {
        game.board().setPieceAt(1, 2, 11);
        game.fElevate(kWhiteId);
        game.setElevateIndex(type);
        EXPECT_FALSE(move(kWhiteId, "c7", "c8", kBlackId).promotedTo.has_value()) << int(type);
        EXPECT_EQ(game.board().pieceAt(0, 2), 11) << int(type);
        game.board().setPieceAt(0, 2, 0);
    }
    // Without a notice nothing is promoted.
    game.board().setPieceAt(1, 1, 11);
    EXPECT_FALSE(move(kWhiteId, "b7", "b8", kBlackId).promotedTo.has_value());
    EXPECT_EQ(game.board().pieceAt(0, 1), 11);

    // A notice left over from the last game does not reach the next one.
    game.fElevate(kWhiteId);
    game.startWithMoveFirst(kWhiteId, kWhiteId);
    EXPECT_EQ(game.indexElevate(), -1);
    EXPECT_FALSE(move(kWhiteId, "e2", "e4", kBlackId).promotedTo.has_value());
    EXPECT_EQ(game.board().pieceAt(4, 4), 11);
}

TEST(CoVuaGame, CastlingRookSquaresForBothLocalColours) {
    struct Case {
        bool localIsWhite;
        bool moverIsLocal;
        int type;
        CoVuaRookMove rook;
    };
    const Case cases[] = {
        {true, true, 1, {{7, 7}, {7, 5}}},  {true, false, 1, {{0, 7}, {0, 5}}},
        {true, true, 2, {{7, 0}, {7, 3}}},  {true, false, 2, {{0, 0}, {0, 3}}},
        {false, true, 1, {{7, 0}, {7, 2}}}, {false, false, 1, {{0, 0}, {0, 2}}},
        {false, true, 2, {{7, 7}, {7, 4}}}, {false, false, 2, {{0, 7}, {0, 4}}},
    };
    for (const Case& c : cases) {
        CoVuaGame game;
        game.startWithMoveFirst(kWhiteId, c.localIsWhite ? kWhiteId : kBlackId);
        int32_t local = game.localUserId();
        int32_t mover = c.moverIsLocal ? local : (local == kWhiteId ? kBlackId : kWhiteId);
        int8_t rook = game.board().pieceAt(c.rook.from.row, c.rook.from.col);
        EXPECT_EQ(game.intoPalaceWithWhoMove(mover, c.type), c.rook);
        EXPECT_EQ(game.board().pieceAt(c.rook.to.row, c.rook.to.col), rook);
        EXPECT_EQ(game.board().pieceAt(c.rook.from.row, c.rook.from.col), 0);
        EXPECT_FALSE(game.intoPalaceWithWhoMove(mover, 3).has_value());
        const CoVuaBoard& b = game.board();
        EXPECT_FALSE(b.bKingMoved() || b.bRookNearMoved() || b.bRookFarMoved());  // memory unchanged
    }
}

TEST_F(WhiteGame, CastlingIsRememberedFromTheLocalPlayersOwnMovesOnly) {
    auto& b = game.board();
    for (int c : {1, 2, 3, 5, 6}) b.setPieceAt(7, c, 0);
    auto castlings = [&] {
        CoVuaBoard copy = b;
        copy.checkListCanMove(7, 4, kWhiteId);
        return std::make_pair(copy.canMoveTo(7, 6), copy.canMoveTo(7, 2));
    };
    // The opponent moving something off our rook's square changes nothing.
    move(kBlackId, "a1", "a2", kWhiteId);
    b.setPieceAt(7, 0, 14);
    b.setPieceAt(6, 0, 11);
    EXPECT_EQ(castlings(), std::make_pair(true, true));
    // Our rook leaves and comes back: the king side is gone for the game.
    move(kWhiteId, "h1", "g1", kBlackId);
    move(kWhiteId, "g1", "h1", kBlackId);
    EXPECT_EQ(castlings(), std::make_pair(false, true));
    // Castling queen-side: the rook first, then the king's own step.
    game.intoPalaceWithWhoMove(kWhiteId, 2);
    move(kWhiteId, "e1", "c1", kBlackId);
    EXPECT_EQ(b.pieceAt(7, 2), 16);
    EXPECT_EQ(b.pieceAt(7, 3), 14);
    EXPECT_TRUE(b.bKingMoved());
    game.newGame();
    EXPECT_FALSE(b.bKingMoved());
    EXPECT_FALSE(b.bRookNearMoved());
}

TEST_F(WhiteGame, MovesOffTheBoardAreSkipped) {
    auto before = game.board().board();
    EXPECT_FALSE(game.moveWithWho(kWhiteId, 90, sq("e4"), kBlackId, 0).applied);
    EXPECT_FALSE(game.moveWithWho(kBlackId, sq("e7"), -5, kWhiteId, 0).applied);
    EXPECT_FALSE(game.moveWithWho(kWhiteId, sq("e2"), 48, kBlackId, 0).applied);  // rank 8
    EXPECT_EQ(game.board().board(), before);
    EXPECT_TRUE(sys::Log::contains("Co Vua move off the board: 90 43"));
    EXPECT_EQ(game.turn(), kBlackId);
}

TEST_F(WhiteGame, CheckNoticeLooksForTheNamedKing) {
    EXPECT_TRUE(game.setFindKing(1));
    EXPECT_TRUE(game.bKingBlack());
    EXPECT_FALSE(game.bKingWhite());
    game.unSetFindKing();
    EXPECT_FALSE(game.bKingBlack());
    EXPECT_FALSE(game.setFindKing(2));
    game.board().setPieceAt(7, 4, 0);
    EXPECT_FALSE(game.setFindKing(0));
    EXPECT_TRUE(game.setFindKing(1));
}
