// The Co Tuong table screen on the two-seat machinery: seating, the start, the clock, taps on the
// board turned for the second mover, and pictures of both movers.
#include <gtest/gtest.h>

#include "games/cotuong/CoTuongService.h"
#include "games/cotuong/CoTuongView.h"
#include "games/cotuong/Piece.h"
#include "platform/backend/RasterScreen.h"
#include "lobby/GlobalService.h"
#include "platform/media/Sound.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "src/games/board/SharpPicture.h"
#include "support/SnapshotCompare.h"
#include "table/CurrentTable.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

class CoTuongViewTest : public TableTest {
protected:
    // I am 10, at the first place; "an" (20) sits at the second.
    std::shared_ptr<CoTuongView> openTable(int32_t owner, bool opponentReady = false) {
        GameController::showCoTuongScreenWithRoom(1, 2, owner, 100,
                                                  {me, seatPlayer(20, "an", 5000, opponentReady)});
        run(1);
        auto screen = GameController::getCoTuongView();
        screen->lblName0->setText("me");
        return screen;
    }
    static std::string title(const std::shared_ptr<ui::Button>& b) {
        return b->titleForState(ui::ControlState::Normal).value_or("");
    }
    // The bytes of the one move the board sends for two taps.
    sys::Data movedBy(CoTuongView& table, ui::Point first, ui::Point second) {
        ServiceRecording recording(CoTuongService::getInstance());
        table.board->tapAt(first);
        table.board->tapAt(second);
        return recording.takeOne();
    }
};

TEST_F(CoTuongViewTest, TheOwnerStartsOnlyWithAReadyOpponentAndEnoughMoney) {
    auto table = openTable(10);
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(0, 0).title);
    {
        ServiceRecording recording(GlobalService::getInstance());
        table->clickStartGame();
        EXPECT_TRUE(recording.takeOne().empty()) << "the opponent is not ready";
    }
    table->setReadyWithId(20, true);
    me->setMoney(50);
    table->clickStartGame();
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_youCantStartLessMoney"));
    UIController::closeDialog();
    me->setMoney(1000);
    ServiceRecording recording(GlobalService::getInstance());
    table->clickStartGame();
    EXPECT_FALSE(recording.takeOne().empty());
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(5, 0).title);
}

TEST_F(CoTuongViewTest, TheSecondMoverSeesTheBoardTurnedAndSendsTurnedSquares) {
    auto table = openTable(20, true);
    table->startWithMoveFirst(20, 30000);
    EXPECT_TRUE(table->isBottomRed());
    EXPECT_TRUE(table->board->model().flipped());
    EXPECT_EQ(title(table->btnStart), "00:29");
    run(2);
    EXPECT_EQ(title(table->btnStart), "00:27");
    table->moveWithWho(20, 164, 100, 10);  // the first mover's cannon, as the server sends it
    EXPECT_EQ(table->table().turn, 10);
    run(1);
    EXPECT_EQ(title(table->btnStart), "00:29") << "a move gives the full interval again";

    const ui::Point rook = Piece::convertPoint(0, 0);
    const ui::Point ahead = Piece::convertPoint(0, 1);
    const sys::Data sent = movedBy(*table, {rook.x, rook.y}, {ahead.x, ahead.y});
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], 59);
    EXPECT_EQ(sent.back(), 75);
}

TEST_F(CoTuongViewTest, TapsBesideTheBoardAreIgnored) {
    auto table = openTable(10, true);
    table->startWithMoveFirst(10, 30000);
    const double y = Piece::convertPoint(0, 0).y;
    struct Case {
        const char* name;
        double x;
        bool handled;
    };
    for (const Case& c : {Case{"20 left of file 0", 20, false}, Case{"306 right of file 8", 306, false},
                          Case{"21 on file 0", 21, true}}) {
        table->board->tapAt({c.x, y});
        EXPECT_EQ(table->board->model().isPieceSelected(), c.handled) << c.name;
        EXPECT_EQ(table->board->hints().empty(), !c.handled) << c.name;
    }
}

TEST_F(CoTuongViewTest, AGameEndsWithItsTextAndContinueClearsTheBoard) {
    auto table = openTable(20, true);
    table->setReadyWithId(10, true);
    table->startWithMoveFirst(10, 30000);
    run(1);
    const ui::Rect inGame = table->btnCuoc->frame();
    table->closeBoardWithInfo("You win");
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    EXPECT_FALSE(table->table().me()->isReady());
    EXPECT_FALSE(table->board->isEmpty()) << "the final position stays";
    EXPECT_FALSE(table->chat4->isHidden()) << "the result";
    const std::string shown = title(table->btnStart);
    run(2);
    EXPECT_EQ(title(table->btnStart), shown) << "the clock has stopped";
    EXPECT_EQ(table->btnCuoc->frame(), inGame) << "the stake leaves the final position in sight";
    EXPECT_TRUE(table->iconMoney->isHidden()) << "with its money icon";
    table->clickStartGame();
    EXPECT_TRUE(table->board->isEmpty());
    EXPECT_TRUE(table->chat4->isHidden()) << "continue takes the result away";
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    run(1);
    EXPECT_EQ(table->btnCuoc->frame(), ui::Rect(179, 132, 120, 52)) << "the stake is back in the middle";
    EXPECT_FALSE(table->iconMoney->isHidden());
}

TEST_F(CoTuongViewTest, ADrawIsOfferedOnMyTurnOnceAndLeavingAsksInAGame) {
    auto table = openTable(10, true);
    table->startWithMoveFirst(20, 30000);
    table->clickDraw();
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_not_allow_click_draw"));
    UIController::closeDialog();
    table->moveWithWho(20, 164, 100, 10);
    {
        ServiceRecording recording(CoTuongService::getInstance());
        table->clickDraw();
        EXPECT_FALSE(recording.takeOne().empty());
        table->clickDraw();
        EXPECT_TRUE(recording.takeOne().empty()) << "an offer is pending";
    }
    EXPECT_EQ(title(table->btnDraw), Resources::getInstance().textForKey("ZUNO_pleaseWait"));
    table->doLeaveBoard();
    EXPECT_EQ(UIController::okValue(), UIController::okLeaveBoard);
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_doYouWantExit"));
    UIController::closeDialog();
}

TEST_F(CoTuongViewTest, SeatTapsOpenThePlayerMenuOrTheInvitation) {
    auto table = openTable(10, true);
    table->clickViewPlayer(table->btnSeat2.get());
    EXPECT_EQ(table->CurrentControlPlayer ? table->CurrentControlPlayer->IDDB() : -1, 20);
    table->optionView->slideOut();
    run(1);
    table->playerLeaveWithId(20);
    table->CurrentControlPlayer = nullptr;
    table->clickViewPlayer(table->btnSeat2.get());
    EXPECT_EQ(table->CurrentControlPlayer, nullptr) << "an empty seat without the invite caption";
}

// What a game moves to the screen's edges stays whole inside it: the stake button in the seats' column
// and a piece of the last row picked up (it is drawn grown).
TEST_F(CoTuongViewTest, TheStakeAndAHeldPieceStayInsideTheScreen) {
    auto table = openTable(10, true);
    table->startWithMoveFirst(10, 30000);
    run(1);
    const ui::Rect stake = table->btnCuoc->frame();
    EXPECT_GE(stake.x(), 2);
    EXPECT_EQ(stake.y(), 139) << "still in the seats' column";

    const ui::Point horse = Piece::convertPoint(1, 0);
    table->board->tapAt({horse.x, horse.y});
    const auto held = table->board->heldPieceFrame();
    ASSERT_TRUE(held);
    EXPECT_LE(held->maxY(), table->board->bounds().height());
    EXPECT_GT(held->height(), 34) << "still drawn grown";
    EXPECT_NEAR(held->midX(), horse.x, 0.01);
}

// Every piece, the first and last ranks' too, is drawn inside the window off its edges, and a held
// piece of the first rank grows without reaching the top edge.
TEST_F(CoTuongViewTest, EveryPieceIsDrawnOffTheWindowsEdges) {
    auto table = openTable(10, true);
    table->startWithMoveFirst(10, 30000);
    run(1);
    const ui::Rect window = table->view()->bounds();
    const ui::Point board = table->board->frame().origin;
    for (const auto& piece : table->board->model().getAllPieces()) {
        const ui::Rect drawn = CCBoard::pieceFrame(piece->location()).offsetBy(board.x, board.y);
        EXPECT_GT(drawn.y(), window.y()) << piece->name();
        EXPECT_LT(drawn.maxY(), window.maxY()) << piece->name();
    }
    const ui::Point rook = Piece::convertPoint(0, 0);  // mine, on the first rank
    table->board->tapAt({rook.x, rook.y});
    const auto held = table->board->heldPieceFrame();
    ASSERT_TRUE(held);
    EXPECT_GT(held->y(), 0);
    EXPECT_LT(held->maxY(), table->board->bounds().height());
}

// Between games the stake lies on the river's middle, its words towards the banks' ends left clear:
// no ink of the board picture's river band lies under the stake or within a few points of it.
TEST_F(CoTuongViewTest, BeforeTheStartTheStakeLeavesTheRiversWordsClear) {
    auto table = openTable(20);
    ASSERT_TRUE(table->board->isEmpty());
    ui::RasterScreen board(int(table->board->bounds().width()), int(table->board->bounds().height()), 1);
    board.renderView(*table->board);
    const double left = Piece::convertPoint(0, 5).x + 4, right = Piece::convertPoint(8, 5).x - 4;
    const double top = Piece::convertPoint(0, 5).y + 4, bottom = Piece::convertPoint(0, 4).y - 4;
    std::vector<int> ink;
    for (int x = int(left); x < int(right); ++x) {
        for (int y = int(top); y < int(bottom); ++y) {
            const auto p = board.rgba(x, y);
            if (p.r + p.g + p.b < 3 * 140) {
                ink.push_back(x);
                break;
            }
        }
    }
    ASSERT_FALSE(ink.empty()) << "the river's words";
    const ui::Rect stake = table->btnCuoc->frame().offsetBy(-table->board->frame().x(), 0);
    EXPECT_TRUE(stake.y() < bottom && stake.maxY() > top) << "on the river";
    constexpr double kClear = 6;
    for (int x : ink) EXPECT_FALSE(x >= stake.x() - kClear && x < stake.maxX() + kClear) << "ink at " << x;
    EXPECT_NEAR(stake.midX(), Piece::convertPoint(4, 5).x, 1) << "on the middle file";

    // Its title, however large the stake (shrunk to fit), lies right of the coin on its left end and
    // inside it.
    for (int32_t money : {100, 50000, 1000000}) {
        table->setMoney(money);
        table->btnCuoc->layoutIfNeeded();
        const auto label = table->btnCuoc->titleLabel();
        ASSERT_TRUE(label->adjustsFontSizeToFitWidth());
        const double width = std::min(label->font().widthOfText(title(table->btnCuoc)), label->bounds().width());
        const ui::Rect box = label->convertRectToView(label->bounds(), table->view().get());
        const double left = box.midX() - width / 2;
        EXPECT_GE(left, table->iconMoney->frame().maxX()) << money;
        EXPECT_LE(left + width, table->btnCuoc->frame().maxX()) << money;
    }
}

// At the start of a game both players' lines show on their empty second rows, and the table's notices
// on the river, over no piece; a game's result shows on the river too, over none of its final position.
TEST_F(CoTuongViewTest, TheBubblesOfAGamesStartCoverNoPiece) {
    auto table = openTable(10, true);
    const auto expectOverNoPiece = [&](const std::shared_ptr<ui::ImageView>& bubble, const char* when) {
        ASSERT_FALSE(bubble->isHidden()) << when;
        const ui::Point board = table->board->frame().origin;
        for (const auto& piece : table->board->model().getAllPieces()) {
            const ui::Rect drawn(board.x + piece->location().x - 17, board.y + piece->location().y - 17, 34, 34);
            EXPECT_FALSE(bubble->frame().intersects(drawn)) << when << ": " << piece->name();
        }
    };
    table->startWithMoveFirst(10, 30000);
    table->onChatFromWithId(20, "Chào bạn");
    table->onChatFromWithId(10, "Chào");
    table->onBuzzWithContent("an: Buzz!");
    run(0.5);
    expectOverNoPiece(table->chat0, "my line");
    expectOverNoPiece(table->chat2, "an's line");
    expectOverNoPiece(table->chat4, "a notice");
    run(5);
    table->closeBoardWithInfo(Resources::getInstance().textForKey("ZUNO_draw"));
    run(0.5);
    expectOverNoPiece(table->chat4, "the result");
}

TEST_F(CoTuongViewTest, PicturesOfBothMovers) {
    auto first = openTable(10, true);
    first->startWithMoveFirst(10, 30000);
    first->moveWithWho(10, static_cast<uint8_t>(164), 100, 20);
    first->onChatFromWithId(20, "Chào bạn");
    run(0.5);
    EXPECT_TRUE(matchesReference(*first->view(), "cotuong_first_mover"));
    EXPECT_TRUE(matchesSharpReference(*first->view(), "cotuong_first_mover"));

    first->closeBoardWithInfo(Resources::getInstance().textForKey("ZUNO_draw"));
    first->startWithMoveFirst(20, 30000);
    const ui::Point horse = Piece::convertPoint(1, 0);
    first->moveWithWho(20, 164, 100, 10);
    first->board->tapAt({horse.x, horse.y});
    run(0.5);
    EXPECT_TRUE(matchesReference(*first->view(), "cotuong_second_mover_hints"));
}

// An announced move slides the piece for 0.3 s; the piece it takes and the marks wait for it.
TEST_F(CoTuongViewTest, AMovedPieceSlidesAndTheTakenOneWaitsForIt) {
    auto table = openTable(20, true);
    table->startWithMoveFirst(10, 30000);
    const CoTuongPoint from = Piece::convertPoint(1, 2), to = Piece::convertPoint(1, 9);
    table->moveWithWho(10, 164, 52, 20);  // my cannon takes the horse
    auto cannon = table->board->model().getUnitAtPoint(1, 9);
    ASSERT_TRUE(cannon);
    ASSERT_TRUE(table->board->takenPiece());
    EXPECT_EQ(table->board->takenPiece()->name(), "r_ma");
    EXPECT_EQ(table->board->drawnCentre(*cannon), from);
    run(0.15);
    const CoTuongPoint halfway = table->board->drawnCentre(*cannon);
    EXPECT_GT(halfway.y, to.y);
    EXPECT_LT(halfway.y, from.y);
    EXPECT_TRUE(table->board->takenPiece());
    run(0.2);
    EXPECT_EQ(table->board->drawnCentre(*cannon), to);
    EXPECT_FALSE(table->board->takenPiece());
}

// The capture and check sounds come 0.3 and 0.4 s after the move; leaving the table before then
// silences them, as it stops the table's other timers.
TEST_F(CoTuongViewTest, LeavingRightAfterAMoveSilencesItsSounds) {
    auto table = openTable(20, true);
    table->startWithMoveFirst(10, 30000);
    sys::Sound::recordPlays();
    table->moveWithWho(10, 164, 52, 20);  // my cannon takes the horse
    run(0.5);
    EXPECT_EQ(sys::Sound::playedNames(), (std::vector<std::string>{"EAT.WAV"}));

    table->startWithMoveFirst(10, 30000);
    sys::Sound::recordPlays();
    table->moveWithWho(10, 164, 52, 20);
    nav().popViewControllerAnimated(false);
    run(1);
    EXPECT_TRUE(sys::Sound::playedNames().empty());
}

// A player who sits down after me is one the sheets act on (a gift, a kick), and stops being one when
// he leaves.
TEST_F(CoTuongViewTest, TheSheetsSeeWhoSatDownOrLeftAfterMe) {
    UIController::setGameType(5);
    GameController::showCoTuongScreenWithRoom(1, 2, 10, 100, {me, seatPlayer(-1, "")});
    run(1);
    auto table = GameController::getCoTuongView();
    auto seated = [] {
        std::vector<int32_t> ids;
        for (const auto& p : CurrentTable::find().players)
            if (p) ids.push_back(p->IDDB());
        return ids;
    };
    auto binh = std::make_shared<ChessPlayer>();
    binh->setIDDB(30);
    binh->setName("Binh");
    table->setAtSeat(1, binh);
    EXPECT_EQ(seated(), (std::vector<int32_t>{10, 30}));
    table->playerLeaveWithId(30);
    EXPECT_EQ(seated(), (std::vector<int32_t>{10, -1}));
}

// The gift sheet's categories and pages and another player's card reach the sheets of the file.
TEST_F(CoTuongViewTest, TheGiftSheetAndThePlayersCardAreForwarded) {
    auto table = openTable(10);
    ASSERT_TRUE(table->viewGift);
    ASSERT_TRUE(table->playerDetail);
    table->showGiftView();
    auto flowers = std::make_shared<CategoryShopInfo>();
    flowers->setCategoryId(81);
    flowers->setName("Flowers");
    ServiceRecording recording(GlobalService::getInstance());
    table->onShowListGift({flowers});
    EXPECT_EQ(recording.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.requestListItemsByGift(15, 81, 0); }));

    EXPECT_FALSE(table->playerDetail->view()->superviewPointer());
    PlayerDetail card;
    card.name = "an";
    table->onRequestDetail(card);
    EXPECT_EQ(table->playerDetail->view()->superviewPointer(), table->view().get());
}

}  // namespace
}  // namespace zuno::testing
