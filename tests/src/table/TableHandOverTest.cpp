#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/TableHandOver.h"

using namespace zuno;

namespace {

class Table : public ui::ViewController {
public:
    Table(int8_t room, int8_t board) : room_(room), board_(board) {}
    int8_t roomId() const { return room_; }
    int8_t boardId() const { return board_; }
    std::vector<std::string> calls;

private:
    int8_t room_, board_;
};

using Lines = std::vector<std::string>;

class TableHandOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        handOver.setScreenAccess({[this] { return table; },
                                  [this](int8_t room, int8_t board, int32_t owner, int32_t money,
                                         const std::vector<PlayerPtr>& players) {
                                      opened.push_back(std::to_string(room) + " " + std::to_string(board) + " " +
                                                       std::to_string(owner) + " " + std::to_string(money) + " " +
                                                       std::to_string(players.size()));
                                  },
                                  [this] { return navigation; }});
    }
    void TearDown() override { UIController::closeDialog(); }

    static TableHandOver<Table>::Work note(std::string line) {
        return [line](Table& t) { t.calls.push_back(line); };
    }
    Lines applied() {
        sys::RunLoop::main().runFor(0);
        Lines out = table->calls;
        table->calls.clear();
        return out;
    }

    TableHandOver<Table> handOver;
    std::shared_ptr<Table> table = std::make_shared<Table>(int8_t(-128), int8_t(-56));  // room 128, table 200
    std::shared_ptr<ui::NavigationController> navigation = std::make_shared<ui::NavigationController>();
    Lines opened;
};

}  // namespace

// Room and table ids of 128 and more are negative bytes on both sides of the comparison.
TEST_F(TableHandOverTest, EventsReachOnlyTheTableShownInArrivalOrder) {
    handOver.onTable(int8_t(-128), int8_t(-56), note("here"));
    handOver.onTable(int8_t(-128), 72, note("another table"));
    handOver.onTable(127, int8_t(-56), note("another room"));
    handOver.onScreen(note("any table"));
    handOver.onTable(int8_t(-128), int8_t(-56), note("here again"));
    EXPECT_EQ(applied(), (Lines{"here", "any table", "here again"}));

    // Nothing runs on the reader thread's side, and without a screen nothing runs at all.
    handOver.onScreen(note("later"));
    EXPECT_TRUE(table->calls.empty());
    auto kept = table;
    table.reset();
    EXPECT_NO_THROW(sys::RunLoop::main().runFor(0));
    EXPECT_TRUE(kept->calls.empty());
}

TEST_F(TableHandOverTest, JoinMarksTheOwnerTakesMyBalanceOpensTheScreenThenAppliesToIt) {
    auto me = std::make_shared<Player>();
    me->setIDDB(10);
    me->setMoney(1);
    UIController::setMyInfo(me);
    auto listedMe = std::make_shared<Player>();
    listedMe->setIDDB(10);
    listedMe->setMoney(250);
    auto owner = std::make_shared<Player>();
    owner->setIDDB(7);
    Lines order;
    handOver.onJoin(1, 2, 7, 500, {listedMe, owner, nullptr},
                    [&](const PlayerPtr& mine) { order.push_back("mine " + std::to_string(mine->IDDB())); },
                    [&](Table&) { order.push_back("work after " + std::to_string(opened.size()) + " opened"); });
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(me->money(), 1);  // nothing on the reader thread
    sys::RunLoop::main().runFor(0);
    EXPECT_EQ(order, (Lines{"mine 10", "work after 1 opened"}));
    EXPECT_EQ(opened, (Lines{"1 2 7 500 3"}));
    EXPECT_TRUE(owner->isReady());
    EXPECT_FALSE(listedMe->isReady());
    EXPECT_EQ(me->money(), 250);
}

// The reader thread goes on only once the screen has applied the departure.
TEST_F(TableHandOverTest, DepartureIsAppliedBeforeTheReaderGoesOn) {
    std::atomic<bool> readerWentOn{false};
    bool appliedBeforeReader = false;
    std::thread reader([&] {
        handOver.onDeparture([&](Table&) { appliedBeforeReader = !readerWentOn.load(); });
        readerWentOn = true;
        handOver.onScreen(note("next message"));
    });
    while (!readerWentOn) sys::RunLoop::main().runFor(0.01);
    reader.join();
    EXPECT_TRUE(appliedBeforeReader);
    EXPECT_EQ(applied(), (Lines{"next message"}));
}

TEST_F(TableHandOverTest, KickedPopsToTheScreenBelowTheTableWhereverItStands) {
    auto below = std::make_shared<ui::ViewController>();
    auto sheet = std::make_shared<ui::ViewController>();
    const std::string kicked = Resources::getInstance().textForKey("ZUNO_youAreKicked");
    const struct {
        std::string name;
        std::vector<std::shared_ptr<ui::ViewController>> stack;
        size_t left;
    } cases[] = {
        {"table on top", {below, table}, 1},
        {"a sheet over the table", {below, table, sheet}, 1},
        {"table gone from the stack: nothing popped", {below, sheet}, 2},
    };
    for (const auto& c : cases) {
        navigation = std::make_shared<ui::NavigationController>();
        navigation->setViewControllers(c.stack, false);
        UIController::setOkValue(-1);
        handOver.leaveKicked(*table);
        sys::RunLoop::main().runFor(1);
        EXPECT_EQ(navigation->viewControllers().size(), c.left) << c.name;
        EXPECT_EQ(navigation->viewControllers().front(), below) << c.name;
        EXPECT_EQ(UIController::okValue(), UIController::okKicked) << c.name;
        EXPECT_EQ(UIController::shownDialogMessage(), kicked) << c.name;
        UIController::closeDialog();
    }
}
