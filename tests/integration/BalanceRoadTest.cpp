// The account's balance as every table shows it: the desktop program, headless, against the stand-in
// as the demo runs it. A scratch card, a transfer to An and an avatar change the balance; then every
// table of the robots' invitations (Tien Len, Tien Len Mien Bac, Phom, the banker games at An's table
// and at an empty one, the board games, Blocks) and new Phom and Poker from the game list seat the
// player with it. The profile shows it between tables, and the stake lost by a resignation at Co Tuong
// is what every later table shows; the blind lost by leaving a Poker hand is what the profile shows.
#include <gtest/gtest.h>

#include <string>

#include "games/board/BoardTableView.h"
#include "games/poker/PokerView.h"
#include "money/napGate.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobots.h"
#include "support/AlertButtons.h"
#include "support/LobbyRoadSteps.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kAn = StandinRobotTables::kOwnerId;
constexpr int8_t kNewPhom = 13;

class BalanceRoadTest : public zuno::testing::LobbyRoadSteps {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startDemoWalk("balance-road"));
    }

    int64_t balance(int32_t id = StandinRobots::kDemoId) const { return signIn->balance(id).value_or(-1); }
    static int64_t myMoney() { return UIController::myInfo()->money(); }

    void scratchCard() {
        auto topUp = openTopUp();
        ASSERT_TRUE(topUp);
        ASSERT_EQ(topUp->listMoney.at(2)->type(), MoneyView::kScratchCard);
        tapRow(*topUp, 2);
        type(StandinMoney::kGoodSerial);
        tap(*topUp->gateView->txfID);
        type(StandinMoney::kGoodPin);
        tap(*topUp->gateView->btnOK);
        answer("Your card added 100,000 Xu.", true);
        topUp->doExit(nullptr);
    }

    // The table took the join reply's money for the player, and the player's seat shows it.
    static void expectSeatedWith(ui::ViewController& table, int64_t money) {
        EXPECT_EQ(myMoney(), money);
        EXPECT_NE(textsIn(*table.view()).find(amountShown(money)), std::string::npos) << textsIn(*table.view());
    }

    // A game starts at once (no robot pause), and the player resigns it.
    void resign(BoardTableView& table) {
        demo.robots->locked([&] { demo.robots->startDeal(); });
        ASSERT_TRUE(pump([&] { return table.table().isInBoard; }));
        settle();
        table.clickLose();
        answer(Resources::getInstance().textForKey("ZUNO_confirm_lose"), true);
        ASSERT_TRUE(pump([&] { return !table.table().isInBoard; }));
        const std::string lost = Resources::getInstance().textForKey("ZUNO_lose");
        ASSERT_TRUE(pump([&] { return dialogText().find(lost) != std::string::npos; })) << dialogText();
        answerAlert(true);
        settle();
    }

    // From the game list: the game's first room, and the table of the tile.
    std::shared_ptr<ui::ViewController> openListed(int game, size_t board) {
        auto rooms = openTheRoomsOf(game);
        auto tables = rooms ? openTheRoom(*rooms, 0) : nullptr;
        return tables ? joinTheTable(*tables, board, game) : nullptr;
    }
    // From the table list a listed table left, back to the main menu.
    void backToTheMenu() {
        for (const auto& screen : program->navigation().viewControllers()) {
            if (!std::dynamic_pointer_cast<MainView>(screen)) continue;
            program->navigation().popToViewController(screen.get(), false);
            break;
        }
        ASSERT_TRUE(waitForTop<MainView>());
    }
};

}  // namespace

TEST_F(BalanceRoadTest, EveryTableSeatsThePlayerWithTheBalanceTheServerHoldsNow) {
    int64_t expected = 5000000;
    ASSERT_EQ(balance(), expected);
    ASSERT_NO_FATAL_FAILURE(scratchCard());
    ASSERT_NO_FATAL_FAILURE(transferFromTheMenu("An", "20000", "You gave An 20,000 Xu."));
    auto shop = buyTheCatAvatar();
    ASSERT_TRUE(shop);
    shop->doExit(nullptr);
    expected += 100000 - 20000 - 20000;
    ASSERT_EQ(balance(), expected);
    ASSERT_EQ(myMoney(), expected);
    ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(expected));

    bool first = true;
    for (const StandinInvitation::Choice& choice : StandinDemo::invitationRotation()) {
        SCOPED_TRACE("game " + std::to_string(choice.gameType));
        auto table = acceptTheInvitation(choice.gameType);
        ASSERT_TRUE(table) << "not seated; dialog: " << dialogText();
        expectSeatedWith(*table, expected);
        if (first) {
            // An's seat shows his account too, the transfer included.
            EXPECT_NE(textsIn(*table->view()).find(amountShown(balance(kAn))), std::string::npos) << textsIn(*table->view());
            first = false;
        }
        const bool coTuong = choice.gameType == StandinCoTuong::kGameType;
        if (coTuong) {
            auto board = std::dynamic_pointer_cast<BoardTableView>(table);
            ASSERT_TRUE(board);
            ASSERT_NO_FATAL_FAILURE(resign(*board));
            expected -= StandinRobotTables::kStake;
            EXPECT_EQ(balance(), expected) << "the server keeps the stake lost";
            EXPECT_EQ(myMoney(), expected);
        }
        ASSERT_NO_FATAL_FAILURE(leave(table));
        if (coTuong) {
            ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(expected));
        }
    }

    auto newPhom = openListed(kNewPhom, 0);
    ASSERT_TRUE(newPhom);
    expectSeatedWith(*newPhom, expected);
    ASSERT_NO_FATAL_FAILURE(leave(newPhom));
    ASSERT_NO_FATAL_FAILURE(backToTheMenu());

    auto poker = std::dynamic_pointer_cast<PokerView>(openListed(StandinPoker::kGameType, StandinPoker::kBoard));
    ASSERT_TRUE(poker);
    EXPECT_EQ(myMoney(), expected);  // its seats show the stacks brought instead
    // Left with my blind in the first hand, folded: the server keeps the blind, and so does the profile.
    ASSERT_TRUE(pump([&] {
        auto mine = poker->poker().seatOf(StandinRobots::kDemoId);
        return !poker->isGameEnd() && mine && mine->playerMoney() > 0;
    }));
    settle();
    ASSERT_NO_FATAL_FAILURE(leave(poker));
    ASSERT_NO_FATAL_FAILURE(backToTheMenu());
    ASSERT_LT(balance(), expected);
    EXPECT_EQ(myMoney(), balance());
    EXPECT_NO_FATAL_FAILURE(expectTheProfileShows(balance()));
}
