// The Co Vua table screen on the two-seat machinery: the start in seconds, clicks on the board for
// either colour, castling, promotion with its chooser, and pictures of both sides and the chooser.
#include <gtest/gtest.h>

#include "games/covua/CoVuaLogicHandler.h"
#include "games/covua/CoVuaService.h"
#include "games/covua/CoVuaView.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "platform/core/Format.h"
#include "platform/ui/Image.h"
#include "shell/Util.h"
#include "src/table/TableFixture.h"
#include "src/games/board/SharpPicture.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

using C = CoVuaCodes;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class CoVuaViewTest : public TableTest {
protected:
    // I am 10; "an" (20) sits at the second place and is ready.
    std::shared_ptr<CoVuaView> openTable(int32_t owner) {
        GameController::showCoVuaScreenWithRoom(1, 2, owner, 100, {me, seatPlayer(20, "an", 5000, true)});
        run(1);
        auto screen = GameController::getCoVuaView();
        screen->lblName0->setText("me");
        return screen;
    }
    // A game in which I move first (White) or second (Black).
    std::shared_ptr<CoVuaView> openGame(bool iAmWhite) {
        auto table = openTable(10);
        table->startWithMoveFirst(iAmWhite ? 10 : 20, 30);
        return table;
    }
    static std::string title(const std::shared_ptr<ui::Button>& b) {
        return b->titleForState(ui::ControlState::Normal).value_or("");
    }
    static void tap(CoVuaView& table, CoVuaSquare square) { table.board->tapAt(C::pieceCentre(square)); }
    // The bytes of the one move two taps send.
    static sys::Data movedBy(CoVuaView& table, CoVuaSquare from, CoVuaSquare to) {
        ServiceRecording recording(CoVuaService::getInstance());
        tap(table, from);
        tap(table, to);
        return recording.takeOne();
    }
    static int8_t code(const CoVuaView& table, CoVuaSquare s) { return C::squareCode(s, table.isWhite()); }
    static int8_t spriteOn(const CoVuaView& table, CoVuaSquare s) {
        auto piece = table.board->pieceAt(s);
        return piece ? piece->chessId() : 0;
    }
    // Puts pieces on the board (0 empties a square) and draws it again.
    static void arrange(CoVuaView& table, std::initializer_list<std::pair<CoVuaSquare, int8_t>> pieces) {
        for (const auto& [square, piece] : pieces) table.board->game().board().setPieceAt(square.row, square.col, piece);
        table.board->paintChessCell();
    }
    static bool marked(const CoVuaView& table, CellEffect::Kind kind, CoVuaSquare s) {
        for (const auto& mark : table.board->marks())
            if (mark->kind() == kind && mark->getX() == s.row && mark->getY() == s.col) return true;
        return false;
    }
};

// At the start of a game both players' lines show on the empty ranks, over no piece.
TEST_F(CoVuaViewTest, TheBubblesOfAGamesStartCoverNoPiece) {
    auto table = openGame(true);
    table->onChatFromWithId(20, "Chào bạn");
    table->onChatFromWithId(10, "Chào");
    run(0.5);
    for (const auto& bubble : {table->chat0, table->chat2}) {
        ASSERT_FALSE(bubble->isHidden());
        for (const auto& piece : table->board->pieces()) {
            const ui::Rect onScreen = piece->frame().offsetBy(table->board->frame().x(), table->board->frame().y());
            EXPECT_FALSE(bubble->frame().intersects(onScreen)) << int(piece->chessId());
        }
    }
}

TEST_F(CoVuaViewTest, TheStartCountsSecondsAndNamesTheFirstMover) {
    auto table = openTable(10);
    table->table().players[0]->setQuotaTime(600);
    table->table().players[1]->setQuotaTime(300);
    table->startWithMoveFirst(20, 30);
    EXPECT_FALSE(table->isWhite());
    EXPECT_EQ(title(table->btnStart), "00:29");
    EXPECT_EQ(table->lblQuotaTime0->text(), "10:00");
    EXPECT_EQ(table->lblQuotaTime2->text(), "05:00");
    EXPECT_EQ(spriteOn(*table, {7, 3}), C::piece(C::kBlack, C::kKing)) << "Black's king in column 3";
    EXPECT_EQ(table->board->pieces().size(), 32u);
    run(0.5);
    EXPECT_FALSE(table->chat4->isHidden());
    ASSERT_FALSE(table->chat4->subviews().empty());
    auto notice = std::dynamic_pointer_cast<CustomLabel>(table->chat4->subviews().back());
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->text(), text("ZUNO_firstFire") + "an");
}

TEST_F(CoVuaViewTest, BlackSendsE7E5As46And44AndSeesItDrawnOnItsOwnSide) {
    auto table = openGame(false);
    tap(*table, {6, 3});
    EXPECT_TRUE(table->board->marks().empty()) << "not my turn yet";

    table->moveWithWho(20, 41, 43, 10, 590);  // White's e2-e4
    EXPECT_EQ(spriteOn(*table, {3, 3}), C::piece(C::kWhite, C::kPawn));
    EXPECT_EQ(table->table().turn, 10);
    const sys::Data sent = movedBy(*table, {6, 3}, {4, 3});
    EXPECT_EQ(sent, (sys::Data{21, 1, 2, 46, 44}));
    EXPECT_EQ(table->table().turn, -1) << "nobody moves until the server answers";
    EXPECT_EQ(spriteOn(*table, {6, 3}), C::piece(C::kBlack, C::kPawn)) << "the pawn waits for the server";

    table->table().me()->setQuotaTime(580);  // the handler's part
    table->moveWithWho(10, 46, 44, 20, 580);
    EXPECT_EQ(spriteOn(*table, {4, 3}), C::piece(C::kBlack, C::kPawn));
    EXPECT_EQ(spriteOn(*table, {6, 3}), 0);
    EXPECT_TRUE(marked(*table, CellEffect::Kind::LastMove, {6, 3}));
    EXPECT_FALSE(table->board->imgBorderPiece()->isHidden());
    EXPECT_EQ(table->lblQuotaTime0->text(), Util::convertIntToQuotaTime(580 * 1000));
}

// A click maps by floor division: a point left of the board is on no square.
TEST_F(CoVuaViewTest, OnlyClicksOnTheBoardSelect) {
    auto table = openGame(true);
    const double y = C::pieceCentre({7, 0}).y;
    struct Case {
        const char* name;
        double x;
        bool selects;
    };
    for (const Case& c : {Case{"20 points left of the board", 88, false}, Case{"one point left", 107, false},
                          Case{"the left edge", 108, true}}) {
        table->board->tapAt({c.x, y});
        EXPECT_EQ(marked(*table, CellEffect::Kind::Selected, {7, 0}), c.selects) << c.name;
    }
}

TEST_F(CoVuaViewTest, CastlingByClicksMovesTheRookAndIsRemembered) {
    for (bool white : {true, false}) {
        SCOPED_TRACE(white ? "White" : "Black");
        auto table = openGame(white);
        if (!white) table->moveWithWho(20, 41, 43, 10, 590);
        // My king-side: columns 5 and 6 for White, 1 and 2 for Black.
        const int kingCol = white ? 4 : 3;
        const int step = white ? 1 : -1;
        arrange(*table, {{{7, kingCol + step}, 0}, {{7, kingCol + 2 * step}, 0}});
        const CoVuaSquare king{7, kingCol}, target{7, kingCol + 2 * step};
        tap(*table, king);
        EXPECT_TRUE(marked(*table, CellEffect::Kind::Target, target));
        tap(*table, king);  // the blink stops; the targets still count
        const sys::Data sent = movedBy(*table, king, target);
        ASSERT_EQ(sent.size(), 5u);
        // The second tap on the king above only stopped its blink, so one tap sent the move.
        EXPECT_EQ(sent[3], code(*table, king));
        EXPECT_EQ(sent[4], code(*table, target));

        table->intoPalaceWithWhoMove(10, 1);
        table->moveWithWho(10, sent[3], sent[4], 20, 500);
        const int8_t myColour = white ? C::kWhite : C::kBlack;
        EXPECT_EQ(spriteOn(*table, target), C::piece(myColour, C::kKing));
        EXPECT_EQ(spriteOn(*table, {7, kingCol + step}), C::piece(myColour, C::kRook));
        EXPECT_EQ(spriteOn(*table, {7, white ? 7 : 0}), 0);
        EXPECT_TRUE(table->board->game().board().bKingMoved());
        table->closeBoardWithInfo("end");
    }
}

TEST_F(CoVuaViewTest, ARookThatLeftAndCameBackGivesNoCastlingOnItsSide) {
    auto table = openGame(true);
    arrange(*table, {{{7, 1}, 0}, {{7, 2}, 0}, {{7, 3}, 0}});
    table->moveWithWho(10, 0, 10, 20, 500);   // a1-b1
    table->moveWithWho(20, 46, 45, 10, 500);  // e7-e6
    table->moveWithWho(10, 10, 0, 20, 500);   // b1-a1
    table->moveWithWho(20, 45, 44, 10, 500);  // e6-e5
    EXPECT_TRUE(table->board->game().board().bRookFarMoved());
    tap(*table, {7, 4});
    EXPECT_TRUE(marked(*table, CellEffect::Kind::Target, {7, 3}));
    EXPECT_FALSE(marked(*table, CellEffect::Kind::Target, {7, 2})) << "no queen-side castling";
}

TEST_F(CoVuaViewTest, PromotionForBothColoursAndBothPlayers) {
    for (bool white : {true, false}) {
        SCOPED_TRACE(white ? "I play White" : "I play Black");
        auto table = openGame(white);
        const int8_t mine = white ? C::kWhite : C::kBlack;
        const int8_t theirs = white ? C::kBlack : C::kWhite;
        if (!white) table->moveWithWho(20, 41, 43, 10, 590);
        arrange(*table, {{{1, 0}, C::piece(mine, C::kPawn)}, {{0, 0}, 0}, {{6, 7}, C::piece(theirs, C::kPawn)}, {{7, 7}, 0}});

        // Mine: the chooser in my colour, my choice sent, the queen drawn when the move comes back.
        const sys::Data sent = movedBy(*table, {1, 0}, {0, 0});
        ASSERT_EQ(sent.size(), 5u);
        table->fElevate(10);
        ASSERT_TRUE(table->isChooserShown());
        EXPECT_EQ(table->pcView->btnHau->imageForState(ui::ControlState::Normal),
                  ui::Image::imageNamed(sys::format("qc_%d.png", int(C::piece(mine, C::kQueen)))));
        {
            ServiceRecording recording(CoVuaService::getInstance());
            table->pcView->doSetQueen();
            EXPECT_EQ(recording.takeOne(), (sys::Data{91, 1, 2, 8, 5}));
        }
        run(1);
        EXPECT_FALSE(table->isChooserShown());
        table->setElevateIndex(5);
        table->moveWithWho(10, sent[3], sent[4], 20, 500);
        EXPECT_EQ(spriteOn(*table, {0, 0}), C::piece(mine, C::kQueen));

        // Theirs: no chooser here, their rook drawn.
        table->fElevate(20);
        EXPECT_FALSE(table->isChooserShown());
        table->setElevateIndex(4);
        table->moveWithWho(20, code(*table, {6, 7}), code(*table, {7, 7}), 10, 500);
        EXPECT_EQ(spriteOn(*table, {7, 7}), C::piece(theirs, C::kRook));
        table->closeBoardWithInfo("end");
    }
}

TEST_F(CoVuaViewTest, APromotionTypeOutsideKnightToQueenPromotesNothing) {
    auto table = openGame(true);
    arrange(*table, {{{1, 0}, C::piece(C::kWhite, C::kPawn)}, {{0, 0}, 0}});
    for (int8_t type : {int8_t{1}, int8_t{6}, int8_t{7}, int8_t{-3}}) {
        SCOPED_TRACE(int(type));
        arrange(*table, {{{1, 0}, C::piece(C::kWhite, C::kPawn)}, {{0, 0}, 0}});
        table->fElevate(10);
        table->setElevateIndex(type);
        table->moveWithWho(10, 6, 7, 20, 500);
        EXPECT_EQ(table->board->game().board().pieceAt(0, 0), C::piece(C::kWhite, C::kPawn));
        EXPECT_EQ(spriteOn(*table, {0, 0}), C::piece(C::kWhite, C::kPawn));
        table->moveWithWho(20, 46, 45, 10, 500);
    }
}

TEST_F(CoVuaViewTest, TheChooserClosesAtTheEndAResetOrWhenTheScreenGoes) {
    struct Case {
        const char* name;
        std::function<void(CoVuaView&)> close;
    };
    const Case cases[] = {
        {"a game's end", [](CoVuaView& t) { t.closeBoardWithInfo(text("ZUNO_youLose")); }},
        {"the opponent leaving", [](CoVuaView& t) { t.playerLeaveWithId(20); }},
        {"a new game", [](CoVuaView& t) { t.startWithMoveFirst(10, 30); }},
        {"the screen disappearing", [](CoVuaView& t) { static_cast<ui::ViewController&>(t).viewWillDisappear(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto table = openGame(true);
        table->fElevate(10);
        ASSERT_TRUE(table->isChooserShown());
        c.close(*table);
        EXPECT_FALSE(table->isChooserShown());
        table->closeBoardWithInfo("end");
    }
}

TEST_F(CoVuaViewTest, TheHandlerAppliesCastlingBeforeItsMoveAndResultsOnTheMainThread) {
    UIController::setGameType(9);
    auto table = openTable(10);
    auto logic = CoVuaLogicHandler::getInstance();
    logic->onStartGame(1, 3, 10, 30, 600, 300);
    run(0);
    EXPECT_FALSE(table->table().isInBoard) << "another table's start";
    logic->onStartGame(1, 2, 10, 30, 600, 300);
    run(0);
    ASSERT_TRUE(table->table().isInBoard);
    EXPECT_EQ(table->table().me()->quotaTime(), 600);
    arrange(*table, {{{7, 5}, 0}, {{7, 6}, 0}});
    logic->intoPalaceWithWhoMove(10, 1);
    logic->onMove(10, 40, 60, 20, 590);
    run(0);
    EXPECT_EQ(spriteOn(*table, {7, 5}), C::piece(C::kWhite, C::kRook));
    EXPECT_EQ(spriteOn(*table, {7, 6}), C::piece(C::kWhite, C::kKing));

    table->closeBoardWithInfo("end");
    table->setReadyWithId(20, true);
    auto row = std::make_shared<MatchResultInfo>();
    row->setID(10);
    row->setD_money(50);
    logic->onMatchResult({row});
    EXPECT_EQ(me->money(), 1000) << "nothing changes before the main thread runs";
    run(0);
    EXPECT_EQ(me->money(), 1050);
    EXPECT_FALSE(table->table().opponent()->isReady());
    UIController::closeDialog();
}

TEST_F(CoVuaViewTest, ACheckMarksTheNamedKingUntilTheNextMove) {
    for (bool white : {true, false}) {
        SCOPED_TRACE(white ? "White" : "Black");
        auto table = openGame(white);
        // Both kings stand in column 4 for the local White, column 3 for the local Black.
        const int col = white ? 4 : 3;
        const CoVuaSquare blackKing{white ? 0 : 7, col}, whiteKing{white ? 7 : 0, col};
        const CoVuaSquare theirKing = white ? blackKing : whiteKing, myKing = white ? whiteKing : blackKing;
        table->setFindKing(1);
        EXPECT_TRUE(marked(*table, CellEffect::Kind::Check, blackKing));
        table->setFindKing(0);
        EXPECT_TRUE(marked(*table, CellEffect::Kind::Check, whiteKing));
        EXPECT_FALSE(marked(*table, CellEffect::Kind::Check, blackKing)) << "one check mark at a time";
        table->setFindKing(2);
        EXPECT_TRUE(marked(*table, CellEffect::Kind::Check, whiteKing)) << "another side names nobody";
        table->moveWithWho(white ? 10 : 20, 41, 43, white ? 20 : 10, 500);
        EXPECT_FALSE(marked(*table, CellEffect::Kind::Check, myKing));
        EXPECT_FALSE(marked(*table, CellEffect::Kind::Check, theirKing));
        table->closeBoardWithInfo("end");
    }
}

TEST_F(CoVuaViewTest, ASelectedPieceBlinksUntilUnselectedThenRestsOnItsSquare) {
    for (int8_t code : {int8_t{11}, int8_t{16}, int8_t{21}, int8_t{26}}) EXPECT_EQ(PieceView(code).isColor(), code > 20);
    PieceView knight(C::piece(C::kWhite, C::kKnight));
    knight.setXY(7, 6);
    const ui::Point rest = knight.oldCenter();
    EXPECT_EQ(rest, C::pieceCentre({7, 6}) - C::boardOrigin());
    knight.setSelected();
    run(0.9);
    EXPECT_EQ(knight.center(), knight.newCenter()) << "raised half a second later";
    EXPECT_EQ(knight.newCenter().y, rest.y - 10);
    knight.unSetSelected();
    run(2);
    EXPECT_EQ(knight.center(), rest);
    EXPECT_FALSE(knight.isUp());
}

TEST_F(CoVuaViewTest, PicturesOfBothSidesAndTheChooser) {
    auto table = openTable(10);
    auto setQuotas = [&] {
        table->table().players[0]->setQuotaTime(600);
        table->table().players[1]->setQuotaTime(540);
    };
    setQuotas();
    table->startWithMoveFirst(10, 30);
    run(3.5);  // who moves first has been said
    table->moveWithWho(10, 41, 43, 20, 590);
    table->moveWithWho(20, 46, 44, 10, 590);
    table->onChatFromWithId(20, "Chào bạn");
    tap(*table, {7, 6});  // the king's knight, raised by its blink
    run(0.9);
    EXPECT_TRUE(matchesReference(*table->view(), "covua_white_selection"));
    EXPECT_TRUE(matchesSharpReference(*table->view(), "covua_white_selection"));

    table->closeBoardWithInfo("draw");
    run(7);  // the bubbles have gone
    setQuotas();
    table->startWithMoveFirst(20, 30);
    run(3.5);
    table->moveWithWho(20, 31, 33, 10, 590);  // d2-d4
    tap(*table, {7, 1});                       // Black's queen's knight
    run(0.9);
    EXPECT_TRUE(matchesReference(*table->view(), "covua_black_selection"));

    tap(*table, {5, 2});
    table->moveWithWho(10, 67, 55, 20, 580);  // Nb8-c6
    arrange(*table, {{{6, 0}, 0}, {{1, 0}, C::piece(C::kBlack, C::kPawn)}, {{0, 0}, 0}});
    table->fElevate(10);
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "covua_chooser"));
}

}  // namespace
}  // namespace zuno::testing
