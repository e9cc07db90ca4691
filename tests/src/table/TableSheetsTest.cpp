// The table sheets: stake, password, seat count, the player menu and the table chat.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "games/banker/BaiCaoService.h"
#include "games/banker/XiZachService.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomService.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "table/GameCardView.h"

namespace zuno::testing {
namespace {

using TableSheets = TableTest;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// A Poker table that takes the sheets' part.
struct SheetPoker : PokerView {
    PlayerPtr currentControlPlayer() const override { return tapped; }
    bool isTableIdle() const override { return true; }
    void sendBetRaise(int32_t amount) override { bets.push_back(amount); }
    void doStandUp() override { ++standUps; }
    PlayerPtr tapped;
    std::vector<int32_t> bets;
    int standUps = 0;
};

TEST_F(TableSheets, StakeIsCheckedAgainstMyBalanceAndTheFieldWidth) {
    auto table = open(3, fourPlayers());
    auto& lobby = GlobalService::getInstance();
    ServiceRecording sent(lobby);
    struct Case {
        const char* name;
        const char* typed;
        int64_t balance;
        bool refused;
        int32_t stake;
    };
    const Case cases[] = {
        {"not a number stakes 0", "abc", 1000, false, 0},
        {"the whole balance", "5000", 5000, false, 5000},
        {"one above the balance", "5001", 5000, true, 0},
        {"beyond 32 bits though affordable", "4294967396", 10000000000LL, true, 0},
    };
    for (const auto& c : cases) {
        me->setMoney(c.balance);
        UIController::closeDialog();
        table->clickConfig();
        table->mnuSetup->doSetupMoney();
        run(1);
        ASSERT_TRUE(table->mnuCuoc->isViewLoaded()) << c.name;
        table->mnuCuoc->txtMoney->setText(c.typed);
        table->mnuCuoc->doSave();
        run(1);
        if (c.refused) {
            EXPECT_TRUE(sent.session->sent().empty()) << c.name;
            EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_banChiCo") + " " + std::to_string(c.balance) + " " +
                                                              text("ZUNO_win") + " " + text("ZUNO_setMaxMoney"))
                << c.name;
        } else {
            EXPECT_EQ(sent.takeOne(), bytesOf(lobby, [&](auto& s) { s.setMoneyWithRoomId(1, 2, c.stake); })) << c.name;
        }
    }
    table->mnuCuoc->txtMoney->setText("-3");  // negative: nothing at all, the sheet stays
    table->mnuCuoc->doSave();
    EXPECT_TRUE(sent.session->sent().empty());
}

TEST_F(TableSheets, PokerStakeIsABetAndPokerMenuStandsUp) {
    auto poker = std::make_shared<SheetPoker>();
    poker->tapped = me;
    GameController::setPokerView(poker);
    UIController::setGameType(4);
    auto sheet = std::make_shared<menuCuoc>();
    sheet->view();
    sheet->txtMoney->setText("300");
    ServiceRecording sent(GlobalService::getInstance());
    sheet->doSave();
    EXPECT_EQ(poker->bets, (std::vector<int32_t>{300}));
    EXPECT_TRUE(sent.session->sent().empty());

    auto menu = std::make_shared<menuPlayer>();
    menu->viewWillAppear(false);
    EXPECT_EQ(menu->btnKick->titleForState(ui::ControlState::Normal), text("ZUNO_standUp"));
    EXPECT_FALSE(menu->btnKick->isHidden());
    EXPECT_EQ(menu->imgBg->frame().size.height, 135);
    menu->doKick();
    EXPECT_EQ(poker->standUps, 1);
    EXPECT_TRUE(sent.session->sent().empty());
    run(1);  // the sheets leave
}

TEST_F(TableSheets, SeatCountGoesThroughEachGamesService) {
    struct Case {
        int8_t type;
        RequestService* service;
        std::function<void()> expected;
    };
    const Case cases[] = {
        {3, &TienLenService::getInstance(), [] { TienLenService::getInstance().setMaxPlayerWithRoomId(1, 2, 3); }},
        {12, &TienLenMBService::getInstance(), [] { TienLenMBService::getInstance().setMaxPlayerWithRoomId(1, 2, 3); }},
        {7, &PhomService::getInstance(), [] { PhomService::getInstance().setMaxPlayer(1, 2, 3); }},
        {13, &PhomNewService::getInstance(), [] { PhomNewService::getInstance().setMaxPlayer(1, 2, 3); }},
        {11, &BaiCaoService::getInstance(), [] { BaiCaoService::getInstance().setMaxPlayerWithRoomId(1, 2, 3); }},
        {2, &XiZachService::getInstance(), [] { XiZachService::getInstance().setMaxPlayerWithRoomId(1, 2, 3); }},
    };
    GameController::showTienLenMBScreenWithRoom(1, 2, 10, 100, fourPlayers());
    GameController::showPhomScreenWithRoom(1, 2, 10, 100, fourPlayers());
    GameController::showPhomNewScreenWithRoom(1, 2, 10, 100, fourPlayers());
    GameController::showBaiCaoScreenWithRoom(1, 2, 10, 100, fourPlayers());
    GameController::showXiZachScreenWithRoom(1, 2, 10, 100, fourPlayers());
    GameController::showTienLenScreenWithRoom(1, 2, 10, 100, fourPlayers());
    run(1);
    for (const auto& c : cases) {
        UIController::setGameType(c.type);
        sys::Data expected;
        {
            ServiceRecording r(*c.service);
            c.expected();
            expected = r.takeOne();
        }
        ServiceRecording sent(*c.service);
        auto sheet = std::make_shared<menuSoNguoi>();
        sheet->view();
        sheet->doSet3Players();
        EXPECT_EQ(sent.takeOne(), expected) << int(c.type);
        run(1);
    }
    UIController::setGameType(5);  // Co Tuong has no seat count
    ServiceRecording sent(GlobalService::getInstance());
    std::make_shared<menuSoNguoi>()->doSet4Players();
    EXPECT_TRUE(sent.session->sent().empty());
    run(1);
}

TEST_F(TableSheets, SetupSheetOffersTheStakeOnlyWhereItCanBeSet) {
    auto banker = open(11, fourPlayers());
    banker->clickConfig();
    EXPECT_FALSE(banker->mnuSetup->btnCuoc->isEnabled());
    banker->mnuSetup->doSetupMoney();
    run(1);
    EXPECT_FALSE(banker->mnuCuoc->isViewLoaded());
    banker->mnuSetup->doSetupPassword();
    run(1);
    ServiceRecording sent(GlobalService::getInstance());
    banker->mnuPassword->doSave();  // the field is empty: the password is cleared
    EXPECT_EQ(sent.takeOne(),
              bytesOf(GlobalService::getInstance(), [](auto& s) { s.setPasswordWithRoomId(1, 2, std::string()); }));
    run(1);
}

TEST_F(TableSheets, PlayerMenuLayouts) {
    auto buttonsShown = [](const menuPlayer& menu) {
        std::vector<std::string> shown;
        for (auto [name, b] : {std::pair{"kick", menu.btnKick}, {"info", menu.btnViewInfo}, {"friend", menu.btnAddFriend},
                               {"gift", menu.btnPresentGift}, {"buzz", menu.btnBuzz}}) {
            if (!b->isHidden()) shown.push_back(name + std::string("@") + std::to_string(int(b->center().y)));
        }
        return shown;
    };
    struct Case {
        const char* name;
        int32_t owner;
        bool dealRuns;
        int tappedSeat;
        std::vector<std::string> shown;
        double height;
    };
    const Case cases[] = {
        {"owner between deals", 10, false, 1, {"kick@40", "info@75", "friend@110", "gift@145", "buzz@180"}, 200},
        {"owner during a deal", 10, true, 1, {"info@40", "friend@75", "gift@110", "buzz@145"}, 170},
        {"not the owner", 20, false, 1, {"info@40", "friend@75", "gift@110", "buzz@145"}, 170},
        {"my own seat", 10, false, 0, {"info@40", "gift@75"}, 100},
    };
    for (const auto& c : cases) {
        auto table = open(3, fourPlayers(), c.owner);
        table->setIsGameEnd(!c.dealRuns);
        table->btnSeat0->setTag(c.tappedSeat);
        table->showPlayerDetail(table->btnSeat0.get());
        table->btnSeat0->setTag(0);
        EXPECT_EQ(buttonsShown(*table->optionView), c.shown) << c.name;
        EXPECT_EQ(table->optionView->imgBg->frame().size, (ui::Size{240, c.height})) << c.name;
        table->optionView->slideOut();
        run(1);
    }
    auto table = GameController::getTienLenView();
    table->setCurrentControlPlayer(table->players()[2]);
    ServiceRecording sent(GlobalService::getInstance());
    table->optionView->doAddFriend();
    EXPECT_EQ(sent.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.searchFriend(std::string("binh")); }));
    table->optionView->btnKick->setTitle(text("ZUNO_kick"));
    table->optionView->doKick();
    EXPECT_EQ(sent.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.kickWithRoomId(1, 2, 30); }));
    run(1);
}

TEST_F(TableSheets, ChatSheetCutsLinesAndListsTheNewestFirst) {
    auto table = open(3, fourPlayers());
    table->clickChatBoardOfMe();
    run(1);
    auto chat = table->chatDialog;
    ServiceRecording sent(GlobalService::getInstance());
    const std::string keyThree = std::next(Resources::getInstance().xDictEmotion().begin(), 2)->first;
    chat->txtChat->setText("hello");
    auto third = std::dynamic_pointer_cast<ui::Button>(chat->actionSheetView()->viewWithTag(1002));
    ASSERT_TRUE(third);
    chat->onClickEmotion(third.get());
    EXPECT_EQ(chat->txtChat->text(), "hello" + keyThree);

    std::string longLine;
    for (int i = 0; i < 150; ++i) longLine += "ă";
    chat->txtChat->setText(longLine);
    chat->textFieldDoneEditting();
    std::string cut;
    for (int i = 0; i < 100; ++i) cut += "ă";
    EXPECT_EQ(sent.takeOne(), bytesOf(GlobalService::getInstance(), [&](auto& s) { s.chatToBoardWithRoom(1, 2, cut); }));

    table->onChatFromWithId(30, std::nullopt, "newest");
    chat->tblHistoryChat->reloadData();
    ASSERT_EQ(chat->numberOfRowsInSection(*chat->tblHistoryChat, 0), 2);
    auto row = std::dynamic_pointer_cast<cellChat>(chat->cellForRowAtIndexPath(*chat->tblHistoryChat, {0, 0}));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->lblName->text(), "binh");
    EXPECT_EQ(row->lblContent->text(), "newest");

    table->clickChatBoardOfMe();
    chat->txtChat->setText("    ");
    chat->textFieldDoneEditting();
    EXPECT_TRUE(sent.session->sent().empty());
    run(1);
}

}  // namespace
}  // namespace zuno::testing
