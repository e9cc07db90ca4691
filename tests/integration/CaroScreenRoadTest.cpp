// Caro games in the desktop program, headless, against the stand-in's robots. At An's table: I look at
// An's card and give him a gift, get ready, An starts with me moving first, we chat, I put a stone by
// a click, the robot answers; stones fill the rows where the bubbles begin and everyone talks again;
// my draw offer is refused, the robot's is declined, I resign, read the results (my seat shows the
// money lost at once), continue and leave; at An's next table I leave a game in the middle, and the
// profile shows what the server took for it. At my own table: the slower
// speed chosen in the sheet travels with my start (byte 2) and gives the game its slower moves, and my
// five in a row ends the game with the server's line drawn; I leave.
#include <gtest/gtest.h>

#include "games/caro/CaroUtils.h"
#include "games/caro/CaroView.h"
#include "platform/ui/Window.h"
#include "shell/Util.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinProfileShop.h"
#include "support/BoardRoadTest.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

class CaroScreenRoadTest : public zuno::testing::BoardRoadTest {
protected:
    void open(StandinTableKind kind) {
        ASSERT_NO_FATAL_FAILURE(startWith(caro, 5000, kind, "caro-road"));
        StandinProfileShop::installOn(server, signIn);  // the profile's personal data
        ASSERT_NO_FATAL_FAILURE(signInAndAccept(StandinCaro::kInvitation));
        table = waitForTop<CaroView>();
        ASSERT_TRUE(table);
        robots->locked([&] { caro->setNextFirstMover(kMe); });
    }

    // A click on a cell of the grid where the board shows it now.
    void click(int x, int y) {
        const CaroPoint centre = CaroUtils::convertBoardPointToScreenPointWithX(x, y);
        program->delegate()->window->tap(table->board->viewCaroBoard()->convertPointToView(centre, nullptr));
    }
    // My stone at (x, y) came back from the server and the robot has answered.
    bool placedAndAnswered(int x, int y, int stonesAfter) {
        return pump([&] {
            const CaroCell* cell = table->board->model().getCellWithX(x, y);
            return cell && cell->status() == CaroCell::kStone &&
                   table->board->model().totalMovedCells() == stonesAfter && table->table().turn == kMe;
        });
    }

    std::shared_ptr<StandinCaro> caro;
    std::shared_ptr<CaroView> table;
};

}  // namespace

TEST_F(CaroScreenRoadTest, AGameAtAnsTableToMyResignation) {
    ASSERT_NO_FATAL_FAILURE(open(StandinTableKind::Robots));
    ASSERT_TRUE(pump([&] { return table->table().opponent() != nullptr; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(cardAndGiftOfTheRobot(*table, "An"));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));
    ASSERT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    tap(*table->btnStart);  // ready: An, the owner, starts
    ASSERT_TRUE(pump([&] { return table->table().isInBoard; }));
    EXPECT_EQ(table->table().turn, kMe);
    settle();
    ASSERT_NO_FATAL_FAILURE(chatWithTheRobot(*table));

    // My stone by a click, the robot's answer.
    click(3, 5);
    ASSERT_TRUE(placedAndAnswered(3, 5, 2));
    EXPECT_EQ(table->board->model().getCellWithX(3, 5)->cellValue(), CaroCell::kValueX);
    settle();

    // Stones in the rows of every bubble, the robot answering each along the top row: mine along the
    // board's bottom edge and between it and the middle. Then everyone talks.
    for (const auto& [x, y] : {std::pair{2, 9}, std::pair{6, 7}, std::pair{8, 9}}) {
        const int32_t stonesAfter = table->board->model().totalMovedCells() + 2;
        click(x, y);
        ASSERT_TRUE(placedAndAnswered(x, y, stonesAfter)) << x << "," << y;
        settle();
    }
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));

    // The rose given to An has already cost its price; the game lost costs the stake of 1,000.
    const int64_t before = UIController::myInfo()->money();
    ASSERT_NO_FATAL_FAILURE(drawRefusedDeclinedThenResign(*table, *caro));
    EXPECT_EQ(table->lblMoney0->text(), Util::formatNumber(before - 1000) + " " + text("ZUNO_win"))
        << "the stake lost shows at my seat at once";

    // Continue clears the board; the next game is lost on my clock; leaving between games needs no
    // confirmation.
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(table->board->model().totalMovedCells(), 0);
    ASSERT_NO_FATAL_FAILURE(nextGameLostOnMyClock(*table));
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinCaro::kGameType, StandinTableKind::Robots));
    tap(*table->btnStart);  // ready: An starts
    ASSERT_TRUE(pump([&] { return table->table().isInBoard; }));
    settle();
    const int64_t beforeTheLeave = myServerBalance();
    ASSERT_NO_FATAL_FAILURE(leave(table));
    ASSERT_LT(myServerBalance(), beforeTheLeave) << "the game left cost nothing";
    ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(myServerBalance()));
}

TEST_F(CaroScreenRoadTest, MyTableAtTheSlowerSpeedToMyFive) {
    ASSERT_NO_FATAL_FAILURE(open(StandinTableKind::Empty));
    ASSERT_TRUE(pump([&] {
        auto other = table->table().opponent();
        return other && other->IDDB() != -1 && other->isReady();
    }));
    settle();

    table->clickSetSpeed();
    settle();
    tap(*table->optionSpeed->btnSlower);
    settle();
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->table().isInBoard; }));
    EXPECT_EQ(robots->locked([&] { return caro->lastSpeed(); }), std::optional<int8_t>(2));
    EXPECT_EQ(table->table().interval, 240) << "twice the stand-in's 120 seconds a move, on my clock too";

    // Five on row 5; the robot fills the top row meanwhile.
    for (int x = 1; x <= 4; ++x) {
        click(x, 5);
        ASSERT_TRUE(placedAndAnswered(x, 5, 2 * x)) << x;
        settle();
    }
    click(5, 5);
    ASSERT_TRUE(pump([&] { return !table->table().isInBoard; }));
    settle();
    const auto& model = table->board->model();
    ASSERT_TRUE(model.hasWinLine());
    EXPECT_EQ(model.winPoint1(), CaroUtils::convertBoardPointToScreenPointWithX(5, 5));
    EXPECT_EQ(model.winPoint2(), CaroUtils::convertBoardPointToScreenPointWithX(1, 5));
    closeDialogs();
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(table->board->model().totalMovedCells(), 0);
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinCaro::kGameType, StandinTableKind::Empty));
}
