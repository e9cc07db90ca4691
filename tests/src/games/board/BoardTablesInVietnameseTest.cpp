// The four board tables in Vietnamese, whose captions are the longest: waiting as the owner, in a game
// with a pending draw offer, at the end and after continuing, each checked by the layout check (a
// long name ends in "..." on purpose; every caption fits its place); and the coin beside the stake.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/LayoutCheck.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

class BoardTablesInVietnameseTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        Resources::getInstance().setCurrentLanguage("vi");
        Resources::getInstance().loadLanguage();
    }
    static std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

    struct Table {
        int8_t gameType;
        std::function<std::shared_ptr<BoardTableView>(std::vector<PlayerPtr>)> open;
        std::function<void(BoardTableView&)> start;
    };
    std::vector<Table> tables() {
        return {
            {5,
             [&](auto players) {
                 GameController::showCoTuongScreenWithRoom(1, 2, 10, 100, players);
                 return std::static_pointer_cast<BoardTableView>(GameController::getCoTuongView());
             },
             [](BoardTableView& t) { static_cast<CoTuongView&>(t).startWithMoveFirst(10, 30000); }},
            {9,
             [&](auto players) {
                 GameController::showCoVuaScreenWithRoom(1, 2, 10, 100, players);
                 return std::static_pointer_cast<BoardTableView>(GameController::getCoVuaView());
             },
             [](BoardTableView& t) { static_cast<CoVuaView&>(t).startWithMoveFirst(10, 30); }},
            {1,
             [&](auto players) {
                 GameController::showCaroScreenWithRoom(1, 2, 10, 100, players);
                 return std::static_pointer_cast<BoardTableView>(GameController::getCaroView());
             },
             [](BoardTableView& t) { static_cast<CaroView&>(t).startWithMoveFirst(10, 20000); }},
            {8,
             [&](auto players) {
                 GameController::showBlocksScreenWithRoom(1, 2, 10, 100, players);
                 return std::static_pointer_cast<BoardTableView>(GameController::getBlocksView());
             },
             [](BoardTableView& t) { static_cast<BlocksView&>(t).startWithBricks({1, 2, 3}); }},
        };
    }
};

TEST_F(BoardTablesInVietnameseTest, EveryStepLaysOut) {
    for (const Table& table : tables()) {
        UIController::setGameType(table.gameType);
        auto screen = table.open({me, seatPlayer(20, "Nguyễn Văn Bình", 5000, true)});
        run(1);
        const std::string game = std::to_string(table.gameType);
        expectKnownLayout(checkLayoutOfView(*screen->view()), "game " + game + ", waiting");
        table.start(*screen);
        run(1);
        screen->setDrawTitle(text("ZUNO_pleaseWait"));
        expectKnownLayout(checkLayoutOfView(*screen->view()), "game " + game + ", playing");
        screen->closeBoardWithInfo(text("ZUNO_youWinTimeOut"));
        run(1);
        expectKnownLayout(checkLayoutOfView(*screen->view()), "game " + game + ", the end");
        screen->clickStartGame();
        run(1);
        expectKnownLayout(checkLayoutOfView(*screen->view()), "game " + game + ", continued");
        nav().popViewControllerAnimated(false);
        run(1);
    }
}

// Between games the coin stands beside the stake it names, at every board table.
TEST_F(BoardTablesInVietnameseTest, TheCoinStandsBesideTheStakeBetweenGames) {
    for (const Table& table : tables()) {
        UIController::setGameType(table.gameType);
        auto screen = table.open({me, seatPlayer(20, "an", 5000, true)});
        run(1);
        const std::string game = "game " + std::to_string(table.gameType);
        ASSERT_FALSE(screen->iconMoney->isHidden()) << game;
        auto& stake = *screen->btnCuoc;
        stake.layoutIfNeeded();
        const ui::Rect coin = screen->iconMoney->frame();
        const ui::Rect title = stake.titleLabel()->frame().offsetBy(stake.frame().x(), stake.frame().y());
        // On the stake button or just beside it, clear of the amount.
        EXPECT_LE(std::max(stake.frame().minX() - coin.maxX(), coin.minX() - stake.frame().maxX()), 8) << game;
        EXPECT_GE(coin.midY(), stake.frame().minY()) << game;
        EXPECT_LE(coin.midY(), stake.frame().maxY()) << game;
        EXPECT_FALSE(coin.intersects(title)) << game;
        nav().popViewControllerAnimated(false);
        run(1);
    }
}

}  // namespace
}  // namespace zuno::testing
