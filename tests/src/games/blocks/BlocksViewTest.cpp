// The Blocks table screen: the game it draws and plays on a virtual clock with a fixed seed (cells,
// clears, garbage, the loss report, the height marker, keys and gestures, leaving), the table around
// it (start, ready, the end, the handler's events), the upright window, and its pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "games/blocks/BlocksLogicHandler.h"
#include "games/blocks/BlocksService.h"
#include "games/blocks/BlocksView.h"
#include "lobby/GlobalService.h"
#include "platform/media/Sound.h"
#include "platform/ui/Application.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "src/games/board/SharpPicture.h"
#include "support/GiftPlaces.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

constexpr int8_t kO = 0, kI = 1, kT = 2;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

std::string title(const std::shared_ptr<ui::Button>& b) { return b->titleForState(ui::ControlState::Normal).value_or(""); }

// The reports sent for landed pieces and the loss, read back from their bytes (room, table, then the
// report's fields).
std::vector<BlocksReport> reportsOf(const RecordingSession& session) {
    std::vector<BlocksReport> reports;
    for (const Message& m : session.sent()) {
        const auto& d = m._data();
        if (m._commandId() != 21 || d.size() != 11) continue;
        BlocksReport r;
        r.index = static_cast<int8_t>(d[2]);
        r.type = static_cast<int8_t>(d[3]);
        r.ro = static_cast<int8_t>(d[4]);
        r.posX = static_cast<int8_t>(d[5]);
        r.posY = static_cast<int8_t>(d[6]);
        r.idMessage = (d[7] << 24) | (d[8] << 16) | (d[9] << 8) | d[10];
        reports.push_back(r);
    }
    return reports;
}

int countOf(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

class BlocksViewTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        reports = std::make_unique<ServiceRecording>(BlocksService::getInstance());
    }
    void TearDown() override {
        reports.reset();
        UIController::closeDialog();
        TableTest::TearDown();
    }

    // I am 10 at the first place; "an" (20) sits at the second.
    std::shared_ptr<BlocksView> openTable(int32_t owner, bool opponentReady = false) {
        UIController::setGameType(8);
        GameController::showBlocksScreenWithRoom(1, 2, owner, 100, {me, seatPlayer(20, "an", 5000, opponentReady)});
        run(1);
        auto screen = GameController::getBlocksView();
        auto engine = std::make_shared<std::mt19937>(7);
        screen->setRandom([engine] { return static_cast<uint32_t>((*engine)()); });
        return screen;
    }
    std::shared_ptr<BlocksView> playing(std::vector<int8_t> kinds) {
        auto screen = openTable(20, true);
        screen->startWithBricks(kinds);
        return screen;
    }
    // A hard drop by key; the next tick lands the piece, the one after spawns the next.
    void dropAndLand(BlocksView& screen, int columns = 0) {
        for (; columns < 0; ++columns) screen.gameKeyDown(GameKey::Left);
        for (; columns > 0; --columns) screen.gameKeyDown(GameKey::Right);
        screen.gameKeyDown(GameKey::Space);
        run(1.0);
    }
    ui::Window& window() { return *app->window; }

    std::unique_ptr<ServiceRecording> reports;
};

// ---- the game

TEST_F(BlocksViewTest, CellsLieOnTheEighteenPointGridOfTheWellAtItsCentre) {
    struct Case {
        int row, column;
        double x, y;
    };
    for (const Case& c : {Case{0, 0, 70, 120}, Case{19, 9, 232, 462}, Case{5, 3, 124, 210}, Case{19, 10, 250, 462}}) {
        const BlocksPoint p = BlocksView::convertBoardToPositionAtRow(c.row, c.column);
        EXPECT_EQ(p.x, c.x) << c.row << "," << c.column;
        EXPECT_EQ(p.y, c.y) << c.row << "," << c.column;
    }
}

// The cells fill the well picture's grid with its border showing evenly round them, the whole well on
// the screen, its bottom border too; the gauge lies right of the well, off its border, wherever the
// opponent's height takes the flag, and the flag carries his name.
TEST_F(BlocksViewTest, TheCellsFitTheWellPictureAndTheGaugeLiesBesideIt) {
    const auto picture = ui::Image::imageNamed("blocks-well.png");
    ASSERT_TRUE(picture);
    const ui::Rect well = blocksgeometry::wellFrame(picture.get());
    const ui::Rect first = blocksgeometry::cellFrame(0, 0), last = blocksgeometry::cellFrame(19, 9);
    EXPECT_GT(first.x() - well.x(), 0);
    EXPECT_EQ(first.x() - well.x(), well.maxX() - last.maxX()) << "left and right";
    EXPECT_EQ(first.y() - well.y(), well.maxY() - last.maxY()) << "top and bottom";
    EXPECT_LE(well.maxY(), 480) << "the bottom border on the screen";

    auto screen = playing({kT});
    ASSERT_FALSE(screen->gaugeTrack->isHidden());
    EXPECT_FALSE(screen->gaugeTrack->frame().intersects(well));
    EXPECT_TRUE(screen->gaugeTrack->frame().contains(screen->bom->center())) << "the bomb on the flag's track";
    EXPECT_EQ(screen->ropeName->text(), "an");
    for (int8_t height : {0, 20}) {
        SCOPED_TRACE("height " + std::to_string(height));
        BlocksLogicHandler::getInstance()->getHeightFromServerWithHeight(height);
        run(20);
        for (const auto& marker : {screen->bom, screen->rope}) {
            EXPECT_FALSE(marker->frame().intersects(well));
            EXPECT_LE(marker->frame().maxX(), 320);
        }
        const ui::Rect name = screen->ropeName->frame();
        EXPECT_LE(std::abs(name.midY() - screen->rope->center().y), screen->rope->frame().height() + name.height())
            << "the name goes with the flag";
        EXPECT_GE(name.y(), blocksgeometry::cellFrame(0, 0).y()) << "beside the well's rows";
        EXPECT_GE(name.x(), screen->rope->frame().maxX());
        EXPECT_LE(name.maxX(), 320);
        std::vector<std::shared_ptr<ui::View>> controls = screen->view()->subviews();
        for (const auto& entry : screen->viewRight->subviews()) controls.push_back(entry);
        for (const auto& other : controls) {
            const bool readOrTapped = std::dynamic_pointer_cast<ui::Label>(other) || std::dynamic_pointer_cast<ui::Button>(other);
            if (!readOrTapped || other == screen->ropeName || other->isHidden()) continue;
            EXPECT_FALSE(name.intersects(other->convertRectToView(other->bounds(), screen->view().get())))
                << "over a text or control at " << other->frame().x() << "," << other->frame().y();
        }
    }
    screen->closeBoardWithInfo("");
    for (const auto& gone : {std::shared_ptr<ui::View>(screen->gaugeTrack), std::shared_ptr<ui::View>(screen->rope), std::shared_ptr<ui::View>(screen->ropeName)})
        EXPECT_TRUE(gone->isHidden()) << "the gauge goes with the game";
}

// The next piece is mine: whatever its kind, it lies in my half of the left column, above my rows
// cleared and my seat, right under its caption, off the opponent's seat and labels even while it bobs.
TEST_F(BlocksViewTest, TheNextPieceLiesWithMySeatUnderItsCaption) {
    const ui::Point origin = BlocksPreviewView::defaultFrame().origin;
    auto distance = [](ui::Point a, ui::Point b) { return std::hypot(a.x - b.x, a.y - b.y); };
    for (int8_t kind = 0; kind < 7; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        auto screen = playing({kind});
        run(0.1);
        ASSERT_FALSE(screen->lblNextBlockTitle->isHidden());
        EXPECT_EQ(screen->lblNextBlockTitle->text(), text("ZUNO_nextPiece"));
        const ui::Rect rest = screen->nextBlockView->drawnCells().offsetBy(origin.x, origin.y);
        ASSERT_GT(rest.height(), 0);
        const ui::Rect reach = rest.united(rest.offsetBy(0, 10));  // its bob
        const ui::Rect caption = screen->lblNextBlockTitle->frame();
        EXPECT_LE(caption.maxY(), rest.y());
        EXPECT_LE(rest.y() - caption.maxY(), 4) << "the caption right over the piece";
        EXPECT_LT(distance(reach.center(), screen->ava0->center()), distance(reach.center(), screen->ava2->center()));
        for (const auto& label : {screen->lblName2, screen->lblMoney2, screen->lblOwnerMarkTitle, screen->lblOwnerMark,
                                  screen->lblMeMarkTitle, screen->lblMeMark})
            EXPECT_FALSE(reach.intersects(label->frame()) || caption.intersects(label->frame()));
        screen->closeBoardWithInfo("");
        EXPECT_TRUE(screen->lblNextBlockTitle->isHidden());
    }
}

TEST_F(BlocksViewTest, TwoRowsClearedByOneLandingCountTwoWithOneBingoAndTheirEffect) {
    auto screen = playing({kO});
    for (int shift : {-4, -2, 2, 4}) dropAndLand(*screen, shift);
    EXPECT_EQ(screen->game().myScore(), 0);
    sys::Sound::recordPlays();
    screen->gameKeyDown(GameKey::Space);
    run(0.5);  // the landing
    EXPECT_EQ(screen->game().myScore(), 2);
    EXPECT_EQ(screen->lblMeMark->text(), "2");
    EXPECT_FALSE(screen->lblMeMarkTitle->isHidden()) << "the count says what it counts";
    EXPECT_EQ(countOf(sys::Sound::playedNames(), "t_bingo.wav"), 1);
    EXPECT_EQ(screen->bingoEffects().size(), 20u) << "ten pieces fly from each cleared row";
    run(2.5);
    EXPECT_TRUE(screen->bingoEffects().empty()) << "the pieces are gone once they have fallen";
}

TEST_F(BlocksViewTest, GarbageArrivingMidFallEntersAfterThatLandingsClears) {
    auto screen = playing({kO});
    for (int shift : {-4, -2, 2, 4}) dropAndLand(*screen, shift);
    run(0.5);  // the last piece falls a row
    BlocksLogicHandler::getInstance()->readRowAddWithUserId(10, 2, {0, 9});
    run(0.01);
    EXPECT_EQ(screen->game().addingRowCount(), 2);
    const tBoard& before = *screen->game().gameBoard();
    for (int row = 0; row < 20; ++row)
        for (int column = 0; column < 10; ++column) ASSERT_NE(before.getValueAtRow(row, column), 10) << "nothing entered yet";
    screen->gameKeyDown(GameKey::Space);
    run(0.5);  // lands: two rows clear, then the garbage pushes in
    const tBoard& after = *screen->game().gameBoard();
    EXPECT_EQ(screen->game().myScore(), 2);
    EXPECT_EQ(after.getValueAtRow(19, 9), 0) << "the newest garbage row's hole";
    EXPECT_EQ(after.getValueAtRow(18, 0), 0) << "the older one's hole";
    EXPECT_EQ(after.getValueAtRow(19, 0), 10);
    EXPECT_EQ(after.getValueAtRow(17, 4), 0) << "nothing above the garbage";
}

TEST_F(BlocksViewTest, AStackReachingTheTopSendsOneLossReportAndStopsTheDrop) {
    auto screen = playing({kI});
    reports->session->clear();
    run(300);  // flat I pieces fall untouched onto each other in columns 3..6
    std::vector<BlocksReport> sent = reportsOf(*reports->session);
    int losses = 0;
    for (const auto& r : sent) losses += r.posY == -1 && r.posX == 3 && r.type == 0 ? 1 : 0;
    EXPECT_EQ(losses, 1);
    EXPECT_GE(sent.size(), 20u);
    EXPECT_FALSE(screen->game().isDropLoopRunning());
    EXPECT_TRUE(screen->game().isGameEnd());
}

TEST_F(BlocksViewTest, TheMarkerStepsTowardsTheOpponentsHeightAndStops) {
    auto screen = playing({kT});
    run(10);
    EXPECT_FALSE(screen->isRopeAnimating()) << "height 0 reached";
    EXPECT_NEAR(screen->rope->center().y, 462, 0.5);
    struct Case {
        const char* name;
        int8_t height;
        double target;
    };
    for (const Case& c : {Case{"five rows", 5, 372}, Case{"above the well is the top", 30, 102},
                          Case{"below zero is the floor", -3, 462}}) {
        const double start = screen->rope->center().y;
        BlocksLogicHandler::getInstance()->getHeightFromServerWithHeight(c.height);
        run(0.001);
        EXPECT_NEAR(std::abs(screen->rope->center().y - start), 0.5, 1e-9) << c.name << ": one step at once";
        EXPECT_TRUE(screen->isRopeAnimating()) << c.name;
        run(BlocksView::kFrameSeconds * 10);
        EXPECT_NEAR(std::abs(screen->rope->center().y - start), 5.5, 0.6) << c.name << ": half a point a frame";
        run(20);
        EXPECT_NEAR(screen->rope->center().y, c.target, 0.5) << c.name;
        EXPECT_FALSE(screen->isRopeAnimating()) << c.name << ": no ticks once there";
    }
}

TEST_F(BlocksViewTest, KeysAndGesturesReachTheSameSteps) {
    auto byKeys = playing({kT});
    const BlocksPoint start = byKeys->game().gameBlock()->pos();
    struct Case {
        const char* name;
        GameKey key;
        std::function<void()> gesture;
    };
    const ui::Point middle{160, 250};
    const std::vector<Case> cases{
        {"left", GameKey::Left, [&] { window().drag(middle, {middle.x - 20, middle.y}, 2); }},
        {"right", GameKey::Right, [&] { window().drag(middle, {middle.x + 20, middle.y}, 2); }},
        {"down", GameKey::Down, [&] { window().drag(middle, {middle.x, middle.y + 20}, 2); }},
        {"turn", GameKey::Up, [&] { window().tap(middle); }},
        {"drop", GameKey::Space, [&] { window().drag(middle, {middle.x, middle.y + 120}, 2); }},
    };
    for (const Case& c : cases) {
        auto screen = playing({kT});
        screen->gameKeyDown(c.key);
        const BlocksPoint keyed = screen->game().gameBlock()->pos();
        const int8_t keyedKind = screen->game().gameBlock()->blockKind();
        auto again = playing({kT});
        c.gesture();
        EXPECT_EQ(again->game().gameBlock()->pos().x, keyed.x) << c.name;
        EXPECT_EQ(again->game().gameBlock()->pos().y, keyed.y) << c.name;
        EXPECT_EQ(again->game().gameBlock()->blockKind(), keyedKind) << c.name;
        EXPECT_FALSE(keyed.x == start.x && keyed.y == start.y && keyedKind == 8) << c.name << " moved nothing";
    }
}

TEST_F(BlocksViewTest, LeavingTheScreenOrTheGameEndingStopsEveryTimerOnce) {
    auto screen = playing({kT, kI});
    EXPECT_TRUE(screen->game().isDropLoopRunning());
    screen->closeBoardWithInfo("");
    EXPECT_FALSE(screen->isPlaying());
    EXPECT_FALSE(screen->game().isDropLoopRunning());
    EXPECT_FALSE(screen->isRopeAnimating());

    screen->startWithBricks({kT});
    nav().popViewControllerAnimated(false);
    run(1);
    reports->session->clear();
    EXPECT_FALSE(screen->isPlaying());
    run(30);
    EXPECT_TRUE(reports->session->sent().empty()) << "no landing reports for a table left";
}

// ---- the table

TEST_F(BlocksViewTest, TheOwnerStartsOnlyWithAReadyOpponentAndEnoughMoneyAndAskOneSecond) {
    auto table = openTable(10);
    EXPECT_EQ(table->customInterval(), 1);
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(0, 0).title);
    {
        ServiceRecording recording(GlobalService::getInstance());
        table->clickStartGame();
        EXPECT_TRUE(recording.takeOne().empty()) << "the opponent is not ready";
        EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(0, 0).title);
    }
    table->setReadyWithId(20, true);
    me->setMoney(50);
    table->clickStartGame();
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_youCantStartLessMoney"));
    UIController::closeDialog();
    me->setMoney(1000);
    ServiceRecording recording(GlobalService::getInstance());
    table->clickStartGame();
    const sys::Data sent = recording.takeOne();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), 1) << "the time limit";
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(5, 0).title);
}

TEST_F(BlocksViewTest, AReadyWithoutMoneyIsRefusedButACancelIsAlwaysSent) {
    auto table = openTable(20);
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    me->setMoney(50);
    table->clickStartGame();
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_youCantReadyLessMoney"));
    UIController::closeDialog();
    table->setReadyWithId(10, true);
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(2, 0).title);
    ServiceRecording recording(GlobalService::getInstance());
    table->clickStartGame();
    EXPECT_FALSE(recording.takeOne().empty());
}

TEST_F(BlocksViewTest, TheStartHidesTheStartButtonAndSlidesTheStakeOntoItsPlace) {
    auto table = openTable(20, true);
    const ui::Rect startPlace = table->btnStart->frame();
    table->startWithBricks({kT});
    run(1);
    EXPECT_TRUE(table->btnStart->isHidden());
    EXPECT_TRUE(table->iconMoney->isHidden());
    EXPECT_TRUE(table->ok0->isHidden() && table->ok2->isHidden());
    EXPECT_EQ(table->btnCuoc->frame(), startPlace);
    EXPECT_EQ(table->viewRight->subviews().size(), 2u) << "the top-up button alone (icon, button)";
}

TEST_F(BlocksViewTest, TheEndClosesTheTableThenTheGameThenShowsMyResult) {
    auto table = openTable(20, true);
    table->startWithBricks({kT});
    run(1);
    auto row = std::make_shared<MatchResultInfo>();
    row->setID(10);
    row->setD_exp(-50);
    row->setD_money(-100);
    me->setExp(30);
    BlocksLogicHandler::getInstance()->onMatchResult({row});
    run(0.01);
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    EXPECT_FALSE(table->btnStart->isHidden());
    EXPECT_FALSE(table->isPlaying());
    EXPECT_EQ(table->viewRight->subviews().size(), 2u) << "not the owner: the top-up button alone";
    EXPECT_TRUE(UIController::shownDialogMessage().has_value()) << "the result dialog";
    EXPECT_EQ(me->exp(), 0) << "-50 at 30 experience stops at 0";
    run(1);
    EXPECT_EQ(table->btnCuoc->frame(), ui::Rect(94, 56, 132, 39)) << "the stake button is back";
    table->clickStartGame();
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title) << "continue";
}

TEST_F(BlocksViewTest, TheHandlerTakesLevelsAndALeaveInAGameClosesItOnce) {
    auto table = openTable(20, true);
    table->startWithBricks({kT});
    BlocksLogicHandler::getInstance()->ReadLevelFromServerWithSpeed(3);
    BlocksLogicHandler::getInstance()->setRowsOfOpponentWithnDel(2);
    BlocksLogicHandler::getInstance()->readRowAddWithUserId(10, 0, {});
    run(0.01);
    EXPECT_EQ(table->game().nLevel(), 3);
    EXPECT_EQ(table->lblOwnerMark->text(), "2");
    EXPECT_EQ(table->lblOwnerMarkTitle->text(), Resources::getInstance().textForKey("ZUNO_rowsCleared"));
    EXPECT_FALSE(table->lblOwnerMarkTitle->isHidden());
    EXPECT_TRUE(table->lblMeMarkTitle->isHidden()) << "no caption over an empty count";
    EXPECT_EQ(table->game().addingRowCount(), 0);
    BlocksLogicHandler::getInstance()->onSomeOneLeaveBoardWithLeave(20, 10);
    run(0.01);
    EXPECT_FALSE(table->isPlaying());
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    EXPECT_TRUE(table->lblName2->isHidden()) << "the seat is empty";
    EXPECT_FALSE(table->chat4->isHidden()) << "the notice of the opponent's leaving";
    table->closeBoardWithInfo("");
    EXPECT_FALSE(table->isPlaying());
    EXPECT_EQ(table->lblOwnerMark->text(), "");
    EXPECT_TRUE(table->lblOwnerMarkTitle->isHidden()) << "the game's counts go with it";
}

TEST_F(BlocksViewTest, TheWindowTurnsUprightWhileTheTableIsOnTopAndSheetsFollowIt) {
    auto table = openTable(10);
    EXPECT_EQ(window().bounds().size, (ui::Size{320, 480}));
    EXPECT_EQ(table->view()->bounds().size, (ui::Size{320, 480}));
    table->clickSetMoney();
    EXPECT_EQ(table->mnuCuoc->view()->frame().size, (ui::Size{320, 480}));
    table->mnuCuoc->slideOut();
    run(1);
    nav().popViewControllerAnimated(false);
    run(1);
    EXPECT_EQ(window().bounds().size, (ui::Size{480, 320}));
    // The game type stays 8, but a sheet over a landscape screen is landscape.
    auto sheet = std::make_shared<menuCuoc>();
    nav().topViewController()->view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
    EXPECT_EQ(sheet->view()->frame().size, (ui::Size{480, 320}));
}

// ---- pictures

// Four gifts at each seat lie apart under it, over no button, name, money nor the well.
TEST_F(BlocksViewTest, EverySeatsGiftsLieApartBesideItOverNothing) {
    storeGiftPictures();
    auto table = openTable(20, true);
    table->startWithBricks({kT, kI, kO, 3, 4, 5, 6});
    for (int gift = 0; gift < 4; ++gift) {
        table->onShowGift(kFirstGiftItem + gift, 20, 10);
        table->onShowGift(kFirstGiftItem + gift, 10, 20);
    }
    run(1.1);
    const std::vector<PlayerPtr> players(table->table().players.begin(), table->table().players.end());
    for (const auto& finding : giftsCovering(*table->view(), giftsOf(players))) ADD_FAILURE() << finding;
}

TEST_F(BlocksViewTest, Pictures) {
    auto table = openTable(20, true);
    table->onChatFromWithId(20, "Chào bạn");
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "blocks_waiting"));
    table->onChatFromWithId(20, "");
    run(4);

    table->startWithBricks({kT, kI, kO, 3, 4, 5, 6});
    for (int shift : {-3, 3, 0, -1}) dropAndLand(*table, shift);
    BlocksLogicHandler::getInstance()->readRowAddWithUserId(10, 2, {2, 7});
    BlocksLogicHandler::getInstance()->getHeightFromServerWithHeight(6);
    dropAndLand(*table, 2);  // the garbage enters at this landing
    run(1.5);
    // The players' lines lie above the well during a game.
    table->onChatFromWithId(10, "Watch this");
    table->onChatFromWithId(20, "Chào bạn");
    table->gameKeyDown(GameKey::Up);
    run(1.0);  // the piece falls with its ghost below; the preview bobs
    EXPECT_TRUE(matchesReference(*table->view(), "blocks_game"));
    EXPECT_TRUE(matchesSharpReference(*table->view(), "blocks_game"));

    table->closeBoardWithInfo("");
    table->startWithBricks({kO});
    run(0.1);
    for (int shift : {-4, -2, 2, 4}) dropAndLand(*table, shift);
    table->gameKeyDown(GameKey::Space);
    run(0.75);
    EXPECT_TRUE(matchesReference(*table->view(), "blocks_row_clear"));

    table->closeBoardWithInfo(text("ZUNO_youWinTimeOut"));
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "blocks_end"));
}

}  // namespace
}  // namespace zuno::testing
