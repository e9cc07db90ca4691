// The board tables' shared hand-over, with the Co Tuong handler on it: what reaches the screen, in
// which order, and what changes only on the main thread.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "games/cotuong/CoTuongLogicHandler.h"
#include "games/board/BoardTableScreen.h"
#include "games/cotuong/CoTuongTableScreen.h"
#include "platform/core/Format.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewController.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"

namespace zuno::testing {
namespace {

using Lines = std::vector<std::string>;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

std::shared_ptr<ChessPlayer> chessPlayer(int32_t id, const std::string& name) {
    auto p = std::make_shared<ChessPlayer>();
    p->setIDDB(id);
    p->setName(name);
    p->setMoney(1000);
    return p;
}

// A Co Tuong screen that writes each call as a line.
class RecordingScreen : public ui::ViewController, public BoardTableScreen, public CoTuongTableScreen {
public:
    BoardTableModel model;
    Lines calls;

    BoardTableModel& table() override { return model; }
    void setAtSeat(int8_t seat, std::shared_ptr<ChessPlayer> p) override {
        calls.push_back("seat " + std::to_string(seat) + " " + p->name());
    }
    void playerLeaveWithId(int32_t id) override { calls.push_back("leave " + std::to_string(id)); }
    void setOwnerWithNewOwner(int32_t id) override { calls.push_back("owner " + std::to_string(id)); }
    void setReadyWithId(int32_t id, bool r) override { calls.push_back("ready " + std::to_string(id) + (r ? " yes" : " no")); }
    void resetReady() override { calls.push_back("resetReady"); }
    void redrawSeats() override { calls.push_back("redrawSeats"); }
    void setMoney(int32_t m) override { calls.push_back("stake " + std::to_string(m)); }
    void setKindOfStart(int k) override { calls.push_back("kind " + std::to_string(k)); }
    void closeBoardWithInfo(const std::string& info) override { calls.push_back("close " + info); }
    void onChatFromWithId(int32_t id, const std::string& t) override { calls.push_back("chat " + std::to_string(id) + " " + t); }
    void onBuzzWithContent(const std::string& c) override { calls.push_back("buzz " + c); }
    void setDrawTitle(const std::string& t) override { calls.push_back("draw title " + t); }
    void setLoseTitle(const std::string& t) override { calls.push_back("lose title " + t); }
    void startWithMoveFirst(int32_t who, int32_t interval) override {
        calls.push_back("start " + std::to_string(who) + " " + std::to_string(interval));
    }
    void moveWithWho(int32_t who, uint8_t from, uint8_t to, int32_t next) override {
        calls.push_back("move " + std::to_string(who) + " " + std::to_string(from) + " " + std::to_string(to) + " " +
                        std::to_string(next));
    }
};

class BoardTableHandOverTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        launch();
        myInfo = chessPlayer(10, "me");
        myInfo->setExp(30);
        UIController::setMyInfo(myInfo);
        screen->model.setPlayers(1, 2, 10, 100, {chessPlayer(10, "me"), chessPlayer(20, "an")}, 10);
        logic()->setScreenAccess({[this] { return std::static_pointer_cast<BoardTableScreen>(screen); }, nullptr,
                                  [this] { return navigation; }});
    }
    void TearDown() override {
        logic()->setScreenAccess({});
        UIController::closeDialog();
        ShellTest::TearDown();
    }
    static std::shared_ptr<CoTuongLogicHandler> logic() { return CoTuongLogicHandler::getInstance(); }
    Lines applied() {
        run(0);
        return std::exchange(screen->calls, Lines{});
    }

    PlayerPtr myInfo;
    std::shared_ptr<RecordingScreen> screen = std::make_shared<RecordingScreen>();
    std::shared_ptr<ui::NavigationController> navigation = std::make_shared<ui::NavigationController>();
};

TEST_F(BoardTableHandOverTest, ALeaveInAGameClosesItBeforeTheSeatEmpties) {
    screen->model.isInBoard = true;
    logic()->onSomeOneLeaveBoardWithLeave(20, 10);
    EXPECT_EQ(applied(), (Lines{"owner 10", "close " + text("ZUNO_opponentQuit"), "leave 20"}));
    screen->model.isInBoard = false;
    logic()->onSomeOneLeaveBoardWithLeave(20, 10);
    EXPECT_EQ(applied(), (Lines{"owner 10", "kind 0", "leave 20"}));
}

TEST_F(BoardTableHandOverTest, ResultRowsChangeMoneyAndExperienceOnTheMainThreadThenResetReady) {
    auto row = std::make_shared<MatchResultInfo>();
    row->setID(10);
    row->setD_exp(-50);
    row->setD_money(-100);
    logic()->onMatchResult({row});
    EXPECT_EQ(myInfo->money(), 1000) << "nothing changes on the reader's side";
    EXPECT_EQ(applied(), Lines{"resetReady"});
    EXPECT_EQ(myInfo->money(), 900);
    EXPECT_EQ(myInfo->exp(), 0);
    EXPECT_EQ(row->name(), "me");
    EXPECT_TRUE(UIController::shownDialogMessage().has_value()) << "the result dialog";
}

TEST_F(BoardTableHandOverTest, EndingsNameTheirTextAndResetTheButtons) {
    struct Case {
        const char* name;
        std::function<void()> event;
        Lines lines;
    };
    const Case cases[] = {
        {"the opponent resigns", [] { logic()->onWantLoseWithRoomId(1, 2, 20); },
         {"lose title " + text("ZUNO_pleaseLose"), "close " + text("ZUNO_youWin")}},
        {"I resign", [] { logic()->onWantLoseWithRoomId(1, 2, 10); },
         {"lose title " + text("ZUNO_pleaseLose"), "close " + text("ZUNO_youLose")}},
        {"the opponent's time", [] { logic()->onForceLoseWithRoomId(1, 2, 20); }, {"close " + text("ZUNO_youWinTimeOut")}},
        {"my time", [] { logic()->onForceLoseWithRoomId(1, 2, 10); }, {"close " + text("ZUNO_youLoseTimeOut")}},
        {"a draw", [] { logic()->onGameDrawWithRoomId(1, 2); },
         {"close " + text("ZUNO_gameDraw"), "draw title " + text("ZUNO_pleaseDraw")}},
        {"another table's draw", [] { logic()->onGameDrawWithRoomId(1, 3); }, {}},
        {"a winning move anywhere", [] { logic()->onMoveAndWinWithRoomId(7, 7, 20, 52, 68); },
         {"move 20 52 68 -1", "close " + sys::format(text("ZUNO_whoWin"), "an")}},
    };
    for (const auto& c : cases) {
        c.event();
        EXPECT_EQ(applied(), c.lines) << c.name;
    }
}

TEST_F(BoardTableHandOverTest, ARefusedDrawSaysSoAndEndsTheOffer) {
    screen->model.isDrawing = true;
    logic()->onDenyDrawWithRoomId(1, 2);
    EXPECT_EQ(applied(), Lines{"draw title " + text("ZUNO_pleaseDraw")});
    EXPECT_FALSE(screen->model.isDrawing);
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_oppNotAgree"));
}

TEST_F(BoardTableHandOverTest, QuotasAreWrittenOnlyForTheTableShown) {
    logic()->onStartGameWithRoomId(1, 2, 20, 30000, 600000, 540000);
    EXPECT_EQ(applied(), Lines{"start 20 30000"});
    EXPECT_EQ(screen->model.me()->quotaTime(), 600000) << "the owner's";
    EXPECT_EQ(screen->model.opponent()->quotaTime(), 540000);
    logic()->onMoveCaroWithRoomId(3, 2, 20, int8_t(-56), 52, 10, 1234);
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(screen->model.opponent()->quotaTime(), 540000) << "another room's move changes nobody";
    logic()->onMoveCaroWithRoomId(1, 2, 20, int8_t(-56), 52, 10, 1234);
    EXPECT_EQ(applied(), Lines{"move 20 200 52 10"});
    EXPECT_EQ(screen->model.opponent()->quotaTime(), 1234);
}

TEST_F(BoardTableHandOverTest, MyKickWithTheScreenGoneShowsTheDialogAndPopsNothing) {
    auto below = std::make_shared<ui::ViewController>();
    navigation->setViewControllers({below}, false);
    logic()->onKickedWithRoomId(1, 2, 10);
    EXPECT_EQ(applied(), Lines{"leave 10"});
    run(1);
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_youAreKicked"));
}

}  // namespace
}  // namespace zuno::testing
