// Poker in the desktop program, headless, against the stand-in's robots: from the main menu through
// the game list, the room list and the table list to a table with free seats, where I am seated at
// once and play hands with the buttons and the slider, whose every amount the table takes; then the
// full table, watched, a seat taken when a robot stands up, and left again from the player menu. The
// table's layout is checked at every state a hand goes through: waiting, dealt, my turn with the
// slider, a refusal, another's turn, each street, the side pots, the winners, the next hand and the
// watched table; and once in Vietnamese.
#include <gtest/gtest.h>

#include <string>

#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/Slider.h"
#include "screens/BoardView.h"
#include "screens/ConfigView.h"
#include "screens/GameView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/RoomView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinTienLen.h"
#include "support/AceLowCards.h"
#include "support/AlertButtons.h"
#include "support/PokerMarkers.h"
#include "support/ProgramRoadTest.h"
#include "support/TableListTiles.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::aceLowCard;
using zuno::testing::aceLowCards;
using zuno::testing::answerAlert;
using zuno::testing::markedPlayer;

namespace {

constexpr int32_t kMe = 4711;
constexpr int32_t kAn = StandinRobotTables::kOwnerId;
constexpr int32_t kBinh = StandinRobotTables::kRobotId;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class PokerScreenRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        StandinRobots::addTo(*signIn);
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        StandinRobotTables::Options options;
        options.robotDelay = 0.02;
        options.seed = 7;
        robots = StandinRobotTables::installOn(server, signIn, lists, options);
        // Long enough to look at the waiting table, the last pots and the winners.
        StandinPoker::Pauses pauses{1.0, 1.5, 3.0, 1.5, 0.1};
        poker = StandinPoker::addTo(*robots, lists, pauses);
        StandinTienLen::addTo(*robots, StandinTienLen::kSouthern);
        StandinProfileShop::installOn(server, signIn);  // the profile's personal data
        ASSERT_NO_FATAL_FAILURE(launchProgram("poker-road"));
        ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
    }

    // Main menu, game list, Poker, the first room (unless its table list is on top), then a table.
    std::shared_ptr<PokerView> openTable(int8_t board) {
        settle();
        if (auto menu = std::dynamic_pointer_cast<MainView>(program->navigation().topViewController())) {
            tap(*menu->btnPlayGames);
            auto games = waitForTop<GameView>();
            if (!games) return nullptr;
            if (games->viewPoker->subviews().empty()) {
                ADD_FAILURE() << "opening a Poker table: the game list's Poker tile holds nothing to tap";
                return nullptr;
            }
            tap(*games->viewPoker->subviews().front());
            auto rooms = waitForTop<RoomView>();
            if (!rooms) return nullptr;
            pump([&] { return rooms->tableView()->numberOfRowsInSection(0) > 0; });
            auto firstRoom = rooms->tableView()->cellForRowAtIndexPath({0, 0});
            if (!firstRoom) {
                ADD_FAILURE() << "opening a Poker table: the room list shows no room";
                return nullptr;
            }
            tap(*firstRoom);
        }
        auto tables = waitForTop<BoardView>();
        if (!tables) return nullptr;
        if (!pump([&] { return tables->listBoard.size() == 4; })) {
            ADD_FAILURE() << "opening a Poker table: the table list holds " << tables->listBoard.size()
                          << " tables, not 4";
            return nullptr;
        }
        settle();
        auto button = zuno::testing::tableButton(*tables, static_cast<size_t>(board));
        if (!button) return nullptr;
        tap(*button);
        return waitForTop<PokerView>();
    }

    // The settings' language button, from the main menu, and back.
    void speakVietnamese() {
        auto menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
        menu->doShowConfig(nullptr);
        auto settings = waitForTop<ConfigView>();
        ASSERT_TRUE(settings);
        tap(*settings->switchLanguage);
        ASSERT_EQ(Resources::getInstance().currentLanguage(), "vi");
        settings->doBack();
        ASSERT_TRUE(waitForTop<MainView>());
    }

    static PokerTable::Record seat(const PokerView& table, int32_t id) { return table.poker().seatOf(id); }
    static bool myTurnWith(const PokerView& table, const std::shared_ptr<ui::Button>& button) {
        return table.poker().nowPlaying == kMe && !button->isHidden();
    }
    // A raise of only the call, which the slider never offers, as another client could send it.
    static void raiseByNothing(const PokerView& table) {
        PokerService::getInstance().doRaise(table.roomId(), table.boardId(), table.poker().pokerMoney);
    }
    // Moves the slider as a finger would, to the value.
    static void slide(PokerView& table, double value) {
        table.sldBet->setValue(value);
        table.sldBet->sendActionsForControlEvents(ui::ControlEvent::ValueChanged);
    }

    bool standinWaitsForARobot() const {
        return robots->locked([&] { return robots->playing() && robots->turn() != robots->playerPlace(); });
    }

    std::shared_ptr<StandinPoker> poker;
};

}  // namespace

TEST_F(PokerScreenRoadTest, HandsAtATableThenTheFullTable) {
    // Dealt from the place after An's button: me, Binh, Khanh, Lan, An; then the board.
    poker->setNextDeck(aceLowCards("AH 2S 4C 6D 8S KH 3S 5C 7D 9S QH JH TH 2C 3D"));
    auto table = openTable(StandinPoker::kBoard);
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->isGameEnd());  // waiting for the first hand, checked as the table opened

    // Every bubble talks at once over the dealt table, while the first robot to act thinks on.
    {
        const HeldRobotTurns held(robots.get());
        ASSERT_TRUE(pump([&] {
            const auto mine = table->cardsOf(kMe);
            return mine && mine->views().size() == 2 && !table->isGameEnd() && standinWaitsForARobot();
        }));
        settle();
        everyBubbleSaysALongLine(*table->view(), {0, 1, 2, 3, TableDecorations::kCentre},
                                 [&](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); });
    }
    // The hand: markers, blinds (mine the small one), two cards each, my turn after the robots' calls.
    ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnCall); }));
    settle();
    for (int32_t id : {kAn, kMe, kBinh, 9008, 9009}) {
        auto cards = table->cardsOf(id);
        ASSERT_TRUE(cards) << id;
        for (const auto& card : cards->views()) EXPECT_TRUE(card->superview() && !card->isHidden()) << id;
    }
    EXPECT_EQ(table->cardsOf(kMe)->views()[0]->cardID, aceLowCard("AH"));
    EXPECT_EQ(table->cardsOf(kMe)->views()[1]->cardID, aceLowCard("KH"));
    for (const auto& marker : {table->imgDealer, table->imgSmallBind, table->imgBigBind}) EXPECT_FALSE(marker->isHidden());
    const ui::Point an = table->getAvaPostOfPlayer(*seat(*table, kAn));
    // The button on the bottom-left corner of the dealer's avatar, off his face.
    EXPECT_EQ(table->imgDealer->center(), (ui::Point{an.x - 12, an.y + 12}));
    EXPECT_EQ(seat(*table, kMe)->playerMoney(), 100);
    EXPECT_EQ(seat(*table, kBinh)->playerMoney(), 200);
    EXPECT_TRUE(table->btnCheck->isHidden());

    // The slider opens one above the 100 to call, snapped. A raise of only the call is refused: the
    // server's text in my bubble, and the slider still offers its amount, which the table takes.
    tap(*table->btnRaise);
    EXPECT_EQ(table->lblSliderMoney->text(), "110");
    settle();
    raiseByNothing(*table);
    ASSERT_TRUE(pump([&] { return textsIn(*table->chat[0]).find("The raise must be at least 101.") != std::string::npos; }));
    settle();
    EXPECT_EQ(table->lblSliderMoney->text(), "110");
    tap(*table->btnRaise);
    ASSERT_TRUE(pump([&] { return seat(*table, kMe)->playerMoney() == 210; }));

    // The flop with its pot: I check; the turn: I bet from the slider; the river: all in at my stack.
    ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnCheck); }));
    settle();
    EXPECT_EQ(table->showCards().size(), 3u);
    EXPECT_FALSE(table->vieBot[0]->isHidden());
    EXPECT_EQ(table->lblBot[0]->text(), "1050");
    tap(*table->btnCheck);
    ASSERT_TRUE(pump([&] { return table->poker().nowPlaying != kMe; }));
    settle();  // another's turn, or the turn already
    ASSERT_TRUE(pump([&] { return table->showCards().size() == 4 && myTurnWith(*table, table->btnBet); }));
    settle();
    tap(*table->btnBet);
    EXPECT_EQ(table->lblSliderMoney->text(), "500");
    tap(*table->btnBet);
    ASSERT_TRUE(pump([&] { return seat(*table, kMe)->playerMoney() == 500; }));
    ASSERT_TRUE(pump([&] { return table->showCards().size() == 5 && myTurnWith(*table, table->btnBet); }));
    settle();
    EXPECT_EQ(table->lblBot[0]->text(), "3550");
    tap(*table->btnBet);
    slide(*table, table->sldBet->maximumValue());
    tap(*table->btnBet);
    ASSERT_TRUE(pump([&] { return seat(*table, kMe)->playerStack() == 0; }));

    // The last pots, a side pot among them; the showdown: I take every pot; the stacks, and the stop.
    ASSERT_TRUE(pump([&] { return !table->vieBot[1]->isHidden(); }));
    settle();
    ASSERT_TRUE(pump([&] { return table->lblPlayerStack[0]->text() == "47k"; }));
    settle();
    for (const auto& pot : table->vieBot) EXPECT_TRUE(pot->isHidden());
    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    settle();
    // What the hand won is money: my account shows what the server keeps.
    EXPECT_EQ(UIController::myInfo()->money(), 537000);
    EXPECT_EQ(signIn->balance(kMe), 537000);

    // The next hand by itself, the button on me: I call, then fold on the flop.
    ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnCall); }));
    settle();
    tap(*table->btnCall);
    ASSERT_TRUE(pump([&] { return table->showCards().size() == 3 && myTurnWith(*table, table->btnFold); }));
    settle();
    tap(*table->btnFold);
    ASSERT_TRUE(pump([&] { return table->isGameEnd() && seat(*table, kMe)->playerStack() == 46800; }));
    EXPECT_EQ(UIController::myInfo()->money(), 536800);

    // Leave (asked while a hand runs), then the full table: I watch, a robot stands up, I take his seat
    // and stand up again from the player menu.
    tap(*table->btnExit);
    if (!dialogText().empty()) answerAlert(true);
    ASSERT_NO_FATAL_FAILURE(runPastTheLeftTablesSteps());
    EXPECT_EQ(UIController::myInfo()->money(), signIn->balance(kMe));
    table = openTable(StandinPoker::kFullBoard);
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([] { return dialogText() == "Want to watch?"; })) << dialogText();
    EXPECT_TRUE(table->poker().isWatching);
    answerAlert(true);
    settle();
    ASSERT_TRUE(pump([&] { return table->poker().seatOffers[8] == PokerTable::SeatOffer::Sit; }));
    EXPECT_EQ(table->btnSeat[8]->titleForState(ui::ControlState::Normal).value_or(""), text("ZUNO_sitdown"));
    settle();
    tap(*table->btnSeat[8]);
    ASSERT_TRUE(pump([&] { return seat(*table, kMe) && seat(*table, kMe)->playerNewSeat() == 0; }));
    EXPECT_FALSE(table->poker().isWatching);
    settle();
    tap(*table->btnSeat[0]);
    settle();
    ASSERT_EQ(table->optionView->btnKick->titleForState(ui::ControlState::Normal).value_or(""), text("ZUNO_standUp"));
    tap(*table->optionView->btnKick);
    ASSERT_TRUE(pump([&] { return table->poker().isWatching && !seat(*table, kMe); }));
    // In the middle of the robots' hand: the seats turned back under the markers, which lie on the
    // avatars of the robots they mark, none beside a free seat.
    ASSERT_FALSE(table->isGameEnd()) << "the robots' hand ended before I stood up";
    const auto& marks = table->poker().markers;
    const std::pair<std::shared_ptr<ui::ImageView>, PokerTable::Record> held[] = {
        {table->imgDealer, marks.dealer}, {table->imgSmallBind, marks.smallBlind}, {table->imgBigBind, marks.bigBlind}};
    for (const auto& [marker, holder] : held) {
        ASSERT_TRUE(holder);
        EXPECT_EQ(markedPlayer(*table, marker), holder->playerId());
    }
}

// In Vietnamese, chosen in the settings: the stand-in refuses a raise of only the call in Vietnamese,
// the slider's raises go, and the table's texts fit and are of the one language; my next turn runs out,
// and I leave in the middle of the hand.
TEST_F(PokerScreenRoadTest, TheTableAndTheServerSpeakVietnamese) {
    ASSERT_NO_FATAL_FAILURE(speakVietnamese());
    auto table = openTable(StandinPoker::kBoard);
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnRaise); }));
    settle();
    EXPECT_EQ(table->btnExit->titleForState(ui::ControlState::Normal).value_or(""), text("ZUNO_exitBoard"));
    tap(*table->btnRaise);
    raiseByNothing(*table);
    ASSERT_TRUE(pump([&] { return textsIn(*table->chat[0]).find("Mức tố phải ít nhất là 101.") != std::string::npos; }))
        << textsIn(*table->chat[0]);
    settle();
    tap(*table->btnRaise);
    ASSERT_TRUE(pump([&] { return seat(*table, kMe)->playerMoney() > 200; }));
    settle();

    // My next turn runs out untouched: the server checks or folds for me.
    ASSERT_TRUE(pump([&] { return table->poker().nowPlaying == kMe; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    ASSERT_NO_FATAL_FAILURE(leave(table));
}

// Every way my seat ends in the middle of a hand leaves my money as the server keeps it: a hand won and
// left between the showdown and its result (the server has paid me, the table not yet said so), shown
// by the profile; a kick; a lost connection, then a new sign-in; and an invitation to a Tien Len table
// taken up at the table, whose seat shows it.
TEST_F(PokerScreenRoadTest, EveryWayOutOfAHandLeavesMyMoneyAsTheServerKeepsIt) {
    // A royal flush for me (dealt first, the small blind): the robots check it down with me.
    poker->setNextDeck(aceLowCards("AH 2S 4C 6D 8S KH 3S 5C 7D 9S QH JH TH 2C 3D"));
    auto table = openTable(StandinPoker::kBoard);
    ASSERT_TRUE(table);
    const int64_t before = myServerBalance();
    ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnCall); }));
    settle();
    tap(*table->btnCall);
    for (int street = 0; street < 3; ++street) {
        ASSERT_TRUE(pump([&] { return myTurnWith(*table, table->btnCheck); })) << street;
        settle();
        tap(*table->btnCheck);
    }
    ASSERT_TRUE(pump([&] { return myServerBalance() > before; }));
    ASSERT_FALSE(table->isGameEnd()) << "the result came before I could leave";
    tap(*table->btnExit);
    if (UIController::okValue() == UIController::okLeaveBoard) answerAlert(true);
    ASSERT_NO_FATAL_FAILURE(runPastTheLeftTablesSteps());
    EXPECT_EQ(myServerBalance(), before + 800) << "the pot of five calls of 200, less mine";
    ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(myServerBalance()));

    // A new table whose hand has begun with my blind in.
    auto sitWithMyBlindIn = [&]() -> std::shared_ptr<PokerView> {
        auto joined = openTable(StandinPoker::kBoard);
        if (!joined) return nullptr;
        if (!pump([&] { return seat(*joined, kMe) && seat(*joined, kMe)->playerMoney() > 0 && !joined->isGameEnd(); })) {
            ADD_FAILURE() << "no hand began with my blind in";
            return nullptr;
        }
        settle();
        return joined;
    };

    // Kicked with my blind in: the blind is lost.
    table = sitWithMyBlindIn();
    ASSERT_TRUE(table);
    const int64_t beforeTheKick = myServerBalance();
    robots->kickThePlayerForTests();
    ASSERT_TRUE(pump([&] { return program->navigation().topViewController() != table; }));
    ASSERT_NO_FATAL_FAILURE(runPastTheLeftTablesSteps());
    EXPECT_LT(myServerBalance(), beforeTheKick);

    // The connection lost with my blind in; signed in again, the profile shows what the server kept.
    table = sitWithMyBlindIn();
    ASSERT_TRUE(table);
    const int64_t beforeTheLoss = myServerBalance();
    server.latestClient()->close();
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    EXPECT_EQ(dialogText(), text("ZUNO_lostSignal"));
    answerAlert(true);
    login->txvUser->setText("");
    login->txvPass->setText("");
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
    EXPECT_LT(myServerBalance(), beforeTheLoss);
    EXPECT_EQ(UIController::myInfo()->money(), myServerBalance());
    ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(myServerBalance()));

    // An invitation to a Tien Len table taken up with my blind in: the next table seats me with what
    // the server kept.
    table = sitWithMyBlindIn();
    ASSERT_TRUE(table);
    const int64_t beforeTheInvitation = myServerBalance();
    robots->inviteAtTheTableForTests(StandinTienLen::kSouthern);
    ASSERT_TRUE(pump([] { return invitationShown(); }));
    answerAlert(true);
    auto next = std::dynamic_pointer_cast<TienLenView>(waitForTable(StandinTienLen::kSouthern));
    ASSERT_TRUE(next);
    EXPECT_LT(myServerBalance(), beforeTheInvitation);
    EXPECT_EQ(UIController::myInfo()->money(), myServerBalance());
    EXPECT_EQ(next->lblMoney0->text(), amountShown(myServerBalance()));
}
