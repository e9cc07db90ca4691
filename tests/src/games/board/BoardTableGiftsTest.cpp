// The gifts at the landscape board tables (Co Tuong, Co Vua, Caro): four to each player lie by the
// receiver's picture and name, over nothing a player reads or taps, off the board, the mail button's
// corner and well away from the stake, while waiting and during a game; pictures at both scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "platform/ui/Application.h"
#include "src/table/TableFixture.h"
#include "support/GiftPlaces.h"
#include "support/MailCorner.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

ui::Rect onScreen(const ui::View& view) { return view.convertRectToView(view.bounds(), nullptr); }

// How far apart two rectangles lie (0 when they touch or overlap).
double apart(const ui::Rect& a, const ui::Rect& b) {
    const double dx = std::max({0.0, a.minX() - b.maxX(), b.minX() - a.maxX()});
    const double dy = std::max({0.0, a.minY() - b.maxY(), b.minY() - a.maxY()});
    return std::hypot(dx, dy);
}

class BoardTableGiftsTest : public TableTest {
protected:
    struct Table {
        const char* name;
        int8_t gameType;
        std::function<std::shared_ptr<BoardTableView>()> open;
        std::function<void(BoardTableView&)> start;
        std::function<ui::Rect(BoardTableView&)> board;
    };
    std::vector<Table> tables() {
        // I am 10 and own the table; a player with a long name sits across, ready.
        auto players = [this] { return std::vector<PlayerPtr>{me, seatPlayer(20, "Maximilian Long", 5000, true)}; };
        return {
            {"cotuong", 5,
             [=] {
                 GameController::showCoTuongScreenWithRoom(1, 2, 10, 100, players());
                 return std::static_pointer_cast<BoardTableView>(GameController::getCoTuongView());
             },
             [](BoardTableView& t) { static_cast<CoTuongView&>(t).startWithMoveFirst(10, 30000); },
             [](BoardTableView& t) { return onScreen(*static_cast<CoTuongView&>(t).board); }},
            {"covua", 9,
             [=] {
                 GameController::showCoVuaScreenWithRoom(1, 2, 10, 100, players());
                 return std::static_pointer_cast<BoardTableView>(GameController::getCoVuaView());
             },
             [](BoardTableView& t) { static_cast<CoVuaView&>(t).startWithMoveFirst(10, 30); },
             [](BoardTableView& t) { return onScreen(*static_cast<CoVuaView&>(t).board); }},
            {"caro", 1,
             [=] {
                 GameController::showCaroScreenWithRoom(1, 2, 10, 100, players());
                 return std::static_pointer_cast<BoardTableView>(GameController::getCaroView());
             },
             [](BoardTableView& t) { static_cast<CaroView&>(t).startWithMoveFirst(10, 20000); },
             [](BoardTableView& t) { return onScreen(*static_cast<CaroView&>(t).board->scrollCaroBoard()); }},
        };
    }
    // Four gifts to each player, each given by the other.
    std::shared_ptr<BoardTableView> withGifts(const Table& table) {
        UIController::setGameType(table.gameType);
        auto screen = table.open();
        run(1);
        for (int gift = 0; gift < 4; ++gift) {
            screen->onShowGift(kFirstGiftItem + gift, 20, 10);
            screen->onShowGift(kFirstGiftItem + gift, 10, 20);
        }
        run(1.1);
        return screen;
    }
    // Each gift by its receiver: beside his picture and above his name, nearer to them than to the
    // other seat's, and far from the stake where it lies now.
    void expectByTheirReceivers(BoardTableView& screen, const Table& table, const std::string& when) {
        const ui::Rect stake = onScreen(*screen.btnCuoc);
        const ui::Rect board = table.board(screen);
        for (int seat : {0, 2}) {
            const auto& picture = seat == 0 ? screen.ava0 : screen.ava2;
            const auto& name = seat == 0 ? screen.lblName0 : screen.lblName2;
            const auto& otherPicture = seat == 0 ? screen.ava2 : screen.ava0;
            const PlayerPtr receiver = seat == 0 ? screen.table().me() : screen.table().opponent();
            ASSERT_TRUE(receiver);
            ASSERT_EQ(receiver->gifts().size(), 4u) << when;
            for (const auto& gift : receiver->gifts()) {
                const ui::Rect place = onScreen(*gift);
                const std::string what = std::string(table.name) + ", " + when + ", seat " + std::to_string(seat) +
                                         "'s gift at " + std::to_string(place.x()) + "," + std::to_string(place.y());
                EXPECT_LE(apart(place, onScreen(*picture)), 4) << what << ": by the picture";
                EXPECT_LT(place.maxY(), onScreen(*name).minY() + 1) << what << ": above the name";
                EXPECT_GT(place.minY(), onScreen(*picture).minY() - 1) << what << ": not above the picture";
                EXPECT_LT(apart(place, onScreen(*picture)), apart(place, onScreen(*otherPicture))) << what;
                EXPECT_GE(apart(place, stake), 40) << what << ": off the stake";
                EXPECT_FALSE(place.intersects(board)) << what << ": off the board";
                EXPECT_FALSE(place.intersects(kMailButtonFrame)) << what << ": off the mail corner";
            }
        }
        const std::vector<PlayerPtr> players(screen.table().players.begin(), screen.table().players.end());
        for (const auto& finding : giftsCovering(*screen.view(), giftsOf(players)))
            ADD_FAILURE() << table.name << ", " << when << ": " << finding;
    }
};

TEST_F(BoardTableGiftsTest, EachPlayersGiftsLieByHisPictureAwayFromTheStake) {
    storeGiftPictures();
    for (const Table& table : tables()) {
        auto screen = withGifts(table);
        // Waiting: the marks of the owner and of the ready player show at the pictures' corners.
        expectByTheirReceivers(*screen, table, "waiting");
        table.start(*screen);
        run(1);
        // During the game: the clocks, the game times and the stake down the column.
        expectByTheirReceivers(*screen, table, "playing");
        nav().popViewControllerAnimated(false);
        run(1);
    }
}

// The pictures of a game with four gifts at each seat, at both scales.
TEST_F(BoardTableGiftsTest, Pictures) {
    storeGiftPictures();
    for (double scale : {1.0, 2.0}) {
        ui::Screen::setScale(scale);
        for (const Table& table : tables()) {
            auto screen = withGifts(table);
            table.start(*screen);
            run(1);
            const std::string name = std::string(table.name) + "_gifts" + (scale == 2 ? "@2x" : "");
            EXPECT_TRUE(matchesReference(*screen->view(), name));
            nav().popViewControllerAnimated(false);
            run(1);
        }
    }
    ui::Screen::setScale(1);
}

}  // namespace
}  // namespace zuno::testing
