// The Caro table screen on the two-seat machinery: taps and clicks on the grid, zoom kept between
// boards, the speed carried by the start, the server's stones and winning line, and pictures.
#include <gtest/gtest.h>

#include <set>

#include "games/caro/CaroLogicHandler.h"
#include "games/caro/CaroService.h"
#include "games/caro/CaroView.h"
#include "lobby/GlobalService.h"
#include "platform/backend/RasterScreen.h"
#include "platform/ui/Window.h"
#include "shell/Resources.h"
#include "shell/Util.h"
#include "src/table/TableFixture.h"
#include "src/games/board/SharpPicture.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

constexpr int kCell = 28;

// The centre of a cell in the grid's points.
ui::Point cellCentre(int x, int y) { return {x * kCell + kCell / 2.0, y * kCell + kCell / 2.0}; }

class CaroViewTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        UIController::setGameType(1);
    }

    // I am 10, at the first place; "an" (20) sits at the second.
    std::shared_ptr<CaroView> openTable(int32_t owner, bool opponentReady = false) {
        GameController::showCaroScreenWithRoom(1, 2, owner, 100, {me, seatPlayer(20, "an", 5000, opponentReady)});
        run(1);
        auto screen = GameController::getCaroView();
        screen->random = [] { return 3u; };  // the third stone set
        screen->lblName0->setText("me");
        return screen;
    }
    // A game with me moving first unless said otherwise.
    std::shared_ptr<CaroView> playing(int32_t first = 10) {
        auto table = openTable(10, true);
        table->startWithMoveFirst(first, 20000);
        return table;
    }
    static std::string title(const std::shared_ptr<ui::Button>& b) {
        return b->titleForState(ui::ControlState::Normal).value_or("");
    }
    // Where a grid point lies in the window at the board's zoom and scroll.
    ui::Point inWindow(CaroView& table, ui::Point gridPoint) {
        return table.board->viewCaroBoard()->convertPointToView(gridPoint, nullptr);
    }
    sys::Data movedByTap(CaroView& table, ui::Point gridPoint) {
        ServiceRecording recording(CaroService::getInstance());
        table.board->tapAt(gridPoint);
        return recording.takeOne();
    }
};

TEST_F(CaroViewTest, OnlyAFreeCellOnMyTurnAsksForAMove) {
    auto table = playing(20);
    EXPECT_TRUE(movedByTap(*table, cellCentre(3, 4)).empty()) << "the opponent's turn";
    table->moveWithWho(20, 5, 5, 10);
    EXPECT_EQ(movedByTap(*table, cellCentre(3, 4)), (sys::Data{21, 1, 2, 3, 4}));
    struct Case {
        const char* name;
        ui::Point at;
    };
    for (const Case& c : {Case{"a vertical grid line", {3 * kCell, 4 * kCell + 10}},
                          Case{"a horizontal grid line", {3 * kCell + 10, 4 * kCell}},
                          Case{"the occupied cell", cellCentre(5, 5)},
                          Case{"left of the grid", {-4, 20}},
                          Case{"past the grid's far edge", {560.5, 20}}}) {
        EXPECT_TRUE(movedByTap(*table, c.at).empty()) << c.name;
    }
    table->closeBoardWithInfo("over");
    EXPECT_TRUE(movedByTap(*table, cellCentre(3, 4)).empty()) << "no game runs";
}

TEST_F(CaroViewTest, AClickWaitsForADoubleClickThatZoomsInstead) {
    auto table = playing();
    auto& window = *app->window;
    auto& scroll = *table->board->scrollCaroBoard();
    scroll.setZoomScale(1.0);
    run(0.5);
    {
        ServiceRecording recording(CaroService::getInstance());
        window.tap(inWindow(*table, cellCentre(2, 2)));
        EXPECT_TRUE(table->board->hasPendingTap());
        run(0.5);
        EXPECT_EQ(recording.takeOne(), (sys::Data{21, 1, 2, 2, 2})) << "a single click is a tap";
    }
    {
        ServiceRecording recording(CaroService::getInstance());
        const ui::Point at = inWindow(*table, cellCentre(3, 3));
        window.tap(at);
        run(0.1);
        window.tap(at);
        run(1);
        EXPECT_TRUE(recording.session->sent().empty()) << "a double click places nothing";
    }
    EXPECT_DOUBLE_EQ(scroll.zoomScale(), 1.5);
    EXPECT_DOUBLE_EQ(CaroBoard::rememberedZoomScale(), 1.5);

    window.twoFingerTap(inWindow(*table, cellCentre(3, 3)));  // the right button
    run(1);
    EXPECT_DOUBLE_EQ(scroll.zoomScale(), 1.0);
    for (int i = 0; i < 4; ++i) {
        window.twoFingerTap(inWindow(*table, cellCentre(3, 3)));
        run(1);
    }
    EXPECT_DOUBLE_EQ(scroll.zoomScale(), CaroBoard::kMinimumZoom) << "kept within 0.5";
    EXPECT_EQ(table->board->viewCaroBoard()->frame().width(), 280) << "the whole grid in the view";

    // The next board starts at the zoom last chosen.
    table->closeBoardWithInfo("over");
    static_cast<ui::ViewController&>(*table).viewWillAppear(false);
    EXPECT_DOUBLE_EQ(table->board->scrollCaroBoard()->zoomScale(), CaroBoard::kMinimumZoom);
    table->board->scrollCaroBoard()->setZoomScale(1.0);
}

TEST_F(CaroViewTest, TheOpponentsStoneIsBroughtIntoViewMineIsNot) {
    auto table = playing();
    auto& scroll = *table->board->scrollCaroBoard();
    scroll.setZoomScale(1.0);
    scroll.setContentOffset({0, 0});
    table->moveWithWho(10, 1, 1, 20);
    run(1);
    EXPECT_EQ(scroll.contentOffset(), (ui::Point{0, 0}));
    table->moveWithWho(20, 12, 12, 10);
    run(1);
    const ui::Point centre = cellCentre(12, 12);
    EXPECT_NEAR(scroll.contentOffset().x, centre.x - 140, 0.5);
    EXPECT_NEAR(scroll.contentOffset().y, centre.y - 140, 0.5);
}

TEST_F(CaroViewTest, StonesAlternateAndAnOccupiedCellIsSkipped) {
    auto table = playing();
    table->moveWithWho(10, 4, 4, 20);
    table->moveWithWho(20, 4, 4, 10);  // onto my stone: skipped
    table->moveWithWho(20, 5, 4, 10);
    const auto& model = table->board->model();
    EXPECT_EQ(model.totalMovedCells(), 2);
    EXPECT_EQ(model.getCellWithX(5, 4)->cellValue(), CaroCell::kValueO);
    auto grid = table->board->viewCaroBoard();
    EXPECT_NE(grid->viewWithTag(404), nullptr);
    EXPECT_NE(grid->viewWithTag(504), nullptr);
    EXPECT_EQ(grid->subviews().size(), 3u) << "two stones and the frame";
    EXPECT_EQ(table->table().turn, 10);
}

TEST_F(CaroViewTest, TheWinLineRunsToTheServersPointWhateverItsDirection) {
    struct Case {
        int8_t dx, dy;
    };
    auto table = openTable(10, true);
    for (const Case& c : {Case{1, 0}, Case{0, 0}, Case{-1, 1}, Case{-128, 127}}) {
        table->startWithMoveFirst(10, 20000);
        // Applied whatever its room and table.
        CaroLogicHandler::getInstance()->onMoveAndWinWithRoomId(9, 9, 20, 6, 6, 10, 2, c.dx, c.dy);
        run(0.5);
        const auto& model = table->board->model();
        EXPECT_EQ(model.winPoint1(), cellCentre(6, 6)) << int(c.dx) << " " << int(c.dy);
        EXPECT_EQ(model.winPoint2(), cellCentre(10, 2)) << int(c.dx) << " " << int(c.dy);
        EXPECT_FALSE(table->table().isInBoard);
        EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
        table->clickStartGame();  // continue
        EXPECT_FALSE(model.hasWinLine());
        EXPECT_EQ(model.totalMovedCells(), 0);
    }
}

// My loss and the opponent's win move the money shown at both seats as the result comes, not only at
// the next table.
TEST_F(CaroViewTest, TheResultsMoneyShowsAtBothSeats) {
    auto table = playing();
    CaroLogicHandler::getInstance()->onMoveAndWinWithRoomId(1, 2, 20, 6, 6, 10, 2, 1, 0);
    auto row = [](int32_t id, int32_t money) {
        auto r = std::make_shared<MatchResultInfo>();
        r->setID(id);
        r->setD_money(money);
        return r;
    };
    CaroLogicHandler::getInstance()->onMatchResult({row(20, 100), row(10, -100)});
    run(0.5);
    const auto money = [](int64_t amount) {
        return Util::formatNumber(amount) + " " + Resources::getInstance().textForKey("ZUNO_win");
    };
    EXPECT_EQ(table->lblMoney0->text(), money(900));
    EXPECT_EQ(table->lblMoney2->text(), money(5100));
    UIController::closeDialog();
}

TEST_F(CaroViewTest, TheStartCarriesTheSpeedChosenInTheSheet) {
    auto table = openTable(10);
    table->setReadyWithId(20, true);
    table->clickSetSpeed();
    run(1);
    EXPECT_FALSE(table->optionSpeed->imgNormal->isHidden());
    EXPECT_TRUE(table->optionSpeed->imgSlower->isHidden());
    table->optionSpeed->doSetupSpeed(table->optionSpeed->btnSlower.get());
    run(1);
    EXPECT_EQ(table->customInterval, menuSpeed::kSlower);
    {
        ServiceRecording recording(GlobalService::getInstance());
        table->clickStartGame();
        const sys::Data sent = recording.takeOne();
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.back(), 2) << "the slower speed";
    }
    // Between games the screen shown again starts at the normal speed.
    static_cast<ui::ViewController&>(*table).viewWillAppear(false);
    EXPECT_EQ(table->customInterval, menuSpeed::kNormal);
}

TEST_F(CaroViewTest, TheColumnAndTheSeatMarksFollowTheGame) {
    auto table = openTable(10, true);
    // Each entry's caption is its button's title.
    auto labels = [&] {
        std::vector<std::string> out;
        for (const auto& sub : table->viewRight->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(sub)) out.push_back(button->currentTitle().value_or(""));
        return out;
    };
    auto& r = Resources::getInstance();
    EXPECT_EQ(labels(), (std::vector<std::string>{r.textForKey("ZUNO_toc_do"), r.textForKey("ZUNO_dat_pass"),
                                                  r.textForKey("ZUNO_invite")}));
    table->startWithMoveFirst(20, 20000);
    EXPECT_EQ(labels(), (std::vector<std::string>{r.textForKey("ZUNO_pleaseLose"), r.textForKey("ZUNO_pleaseDraw")}));
    EXPECT_EQ(table->ok0->image(), ui::Image::imageNamed("o3.png")) << "the second mover plays O";
    EXPECT_EQ(table->ok2->image(), ui::Image::imageNamed("x3.png"));
}

TEST_F(CaroViewTest, TheStartButtonBlinksBetweenCarosOwnPictures) {
    auto table = openTable(10, true);
    std::set<std::shared_ptr<ui::Image>> shown;
    for (int step = 0; step < 4; ++step) {
        shown.insert(table->btnStart->backgroundImageForState(ui::ControlState::Normal));
        run(0.2);
    }
    EXPECT_EQ(shown, (std::set<std::shared_ptr<ui::Image>>{ui::Image::imageNamed("caro-start.png"),
                                                           ui::Image::imageNamed("caro-start2.png")}));
}

TEST_F(CaroViewTest, SeatTapsOpenThePlayerMenuOrTheInvitation) {
    auto table = playing();
    EXPECT_EQ(title(table->btnSeat2), "") << "an occupied seat's button shows no id";
    table->clickViewPlayer(table->btnSeat2.get());
    EXPECT_EQ(table->CurrentControlPlayer ? table->CurrentControlPlayer->IDDB() : -1, 20);
    table->optionView->slideOut();
    run(1);
    table->clickViewPlayer(table->btnSeat0.get());
    EXPECT_EQ(table->CurrentControlPlayer ? table->CurrentControlPlayer->IDDB() : -1, 10) << "about me";
    table->optionView->slideOut();
    run(1);

    table->playerLeaveWithId(20);  // during the game: the empty seat invites
    EXPECT_EQ(title(table->btnSeat2), Resources::getInstance().textForKey("ZUNO_invite"));
    table->clickViewPlayer(table->btnSeat2.get());
    EXPECT_TRUE(table->mnuInviting->view()->superview());
    table->mnuInviting->slideOut();
    run(1);
    table->closeBoardWithInfo(Resources::getInstance().textForKey("ZUNO_opponentQuit"));
    table->unSetInvatingOnChair();
    table->clickViewPlayer(table->btnSeat2.get());
    EXPECT_FALSE(table->mnuInviting->view()->superview()) << "an empty seat without the caption";
}

TEST_F(CaroViewTest, Pictures) {
    auto table = playing();
    auto& scroll = *table->board->scrollCaroBoard();
    scroll.setZoomScale(1.0);
    int who = 10;
    // X on row 8 from column 6, O on row 9 below it; I play X.
    for (auto [x, y] : std::vector<std::pair<int, int>>{{6, 8}, {6, 9}, {7, 8}, {7, 9}, {8, 8}, {8, 9}, {9, 8}}) {
        table->moveWithWho(who, int8_t(x), int8_t(y), who == 10 ? 20 : 10);
        who = who == 10 ? 20 : 10;
        run(1);
    }
    scroll.setContentOffset({84, 112});
    table->onChatFromWithId(20, "Chào bạn");
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "caro_mid_game"));
    EXPECT_TRUE(matchesSharpReference(*table->view(), "caro_mid_game"));

    run(3);  // the bubble has gone
    scroll.setZoomScale(0.5);
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "caro_zoom_half"));
    scroll.setZoomScale(2.0);
    scroll.setContentOffset({300, 420});
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "caro_zoom_double"));

    scroll.setZoomScale(1.0);
    table->moveWithWho(20, 9, 9, 10);
    run(1);
    CaroLogicHandler::getInstance()->onMoveAndWinWithRoomId(1, 2, 10, 10, 8, 6, 8, 1, 0);
    run(1);
    scroll.setContentOffset({84, 174});  // the line above the stake button between games
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "caro_winning_line"));
}

// The grid's border shows on all four sides at every zoom, scrolled to either corner, at both scales.
TEST_F(CaroViewTest, TheGridsBorderShowsOnEverySideAtEveryZoom) {
    auto table = openTable(10);
    auto& scroll = *table->board->scrollCaroBoard();
    const ui::Rect board = table->board->frame();
    for (int scale : {1, 2}) {
        for (double zoom : {0.5, 1.0, 2.0}) {
            scroll.setZoomScale(zoom);
            for (bool farCorner : {false, true}) {
                const ui::Size content = scroll.contentSize();
                scroll.setContentOffset(farCorner ? ui::Point{content.width - board.width(), content.height - board.height()}
                                                  : ui::Point{0, 0});
                run(0.1);
                ui::RasterScreen screen(480, 320, scale);
                screen.renderView(*table->view());
                // The border is darker than the grid's lines (red 157) and its paper.
                auto border = [&](double x, double y) { return screen.rgba(int(x * scale), int(y * scale)).r < 140; };
                const double right = board.maxX() - 1.0 / scale, bottom = board.maxY() - 1.0 / scale;
                const std::string at = "zoom " + std::to_string(zoom) + " at scale " + std::to_string(scale) +
                                       (farCorner ? ", bottom right" : ", top left");
                const double midX = board.midX(), midY = board.midY();
                EXPECT_FALSE(border(board.minX() + 6, midY) || border(right - 6, midY)) << "the paper, " << at;
                if (farCorner || zoom == 0.5) {
                    EXPECT_TRUE(border(right, midY)) << "right side, " << at;
                    EXPECT_TRUE(border(midX, bottom)) << "bottom side, " << at;
                }
                if (!farCorner || zoom == 0.5) {
                    EXPECT_TRUE(border(board.minX(), midY)) << "left side, " << at;
                    EXPECT_TRUE(border(midX, board.minY())) << "top side, " << at;
                }
            }
        }
    }
}

// "CONTINUE" is wider than the button at its own size: it shrinks to the button's middle, clear of the
// rounded ends.
TEST_F(CaroViewTest, TheContinueTitleKeepsClearOfTheButtonsEnds) {
    auto table = playing();
    table->setKindOfStart(3);
    auto& button = *table->btnStart;
    button.layoutIfNeeded();
    ASSERT_EQ(title(table->btnStart), "CONTINUE");
    const ui::Rect titleFrame = button.titleLabel()->frame();
    EXPECT_GE(titleFrame.x(), 4);
    EXPECT_LE(titleFrame.maxX(), button.bounds().width() - 4);
}

TEST_F(CaroViewTest, PictureOfTheSpeedSheet) {
    auto table = openTable(10, true);
    table->customInterval = menuSpeed::kFaster;
    table->clickSetSpeed();
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "caro_speed_sheet"));
}

}  // namespace
}  // namespace zuno::testing
