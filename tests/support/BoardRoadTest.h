// The board games' roads in the desktop program against the stand-in's robot tables: the sign-in and
// the accepted invitation, the dialogs, and the steps every board game takes alike (the robot's card
// and a gift to him, a chat with him, a draw offer refused, the robot's declined, a resignation with
// its result). Every step ends settled, so that the layout is checked at each.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "games/board/BoardTableModel.h"
#include "games/board/BoardTableView.h"
#include "money/menuGift.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "screens/MainView.h"
#include "screens/PlayerDetailView.h"
#include "screens/ServerView.h"
#include "shell/CustomTextField.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinBoardGame.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSocial.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"

namespace zuno::testing {

class BoardRoadTest : public ProgramRoadTest {
protected:
    static constexpr int32_t kMe = 4711;

    // The stand-in with the robot tables (the game added by `addTo`), inviting to the game's table of
    // that kind, and the program launched with invitations on.
    template <class Game>
    void startWith(std::shared_ptr<Game>& game, int64_t money, standin::StandinTableKind kind, const std::string& folder) {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, money, 12, 250});
        // The robots' cards and the table gifts, as the demo has them.
        standin::StandinRobots::addTo(*signIn);
        standin::StandinSocial::installOn(server, signIn);
        standin::StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        standin::StandinRobotTables::Options options;
        options.invitationDelay = 1;
        options.robotDelay = 0;
        options.turnSeconds = 120;
        robots = standin::StandinRobotTables::installOn(server, signIn, nullptr, options);
        game = Game::addTo(*robots);
        robots->setNextInvitation(Game::kGameType, kind);
        ASSERT_NO_FATAL_FAILURE(launchProgram(folder));
        UIController::setInviting(true);
        settle();
    }

    static std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
    static std::string title(const std::shared_ptr<ui::Button>& button) {
        return button ? button->titleForState(ui::ControlState::Normal).value_or("") : "";
    }
    bool dialogSays(const std::string& line) {
        return pump([&] { return dialogText() == line; });
    }
    void closeDialogs() {
        while (ui::AlertView::topAlert()) {
            if (!answerAlert(true)) return;
            settle();
        }
    }

    // Signs in, picks the first server and accepts the robot's invitation from the main menu.
    void signInAndAccept(const std::string& invitation) {
        ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
        ASSERT_TRUE(dialogSays(invitation)) << dialogText();
        answerAlert(true);
    }

    // The table's Top up, from the panel at its right.
    void openTheTopUp(BoardTableView& table) {
        const std::string topUp = text("ZUNO_napWin");
        for (const auto& view : table.viewRight->subviews()) {
            auto button = std::dynamic_pointer_cast<ui::Button>(view);
            if (!button || title(button) != topUp) continue;
            tap(*button);
            return;
        }
        FAIL() << "no " << topUp << " at the table's right";
    }

    static bool shown(const std::shared_ptr<ui::ViewController>& sheet) {
        return sheet && sheet->isViewLoaded() && sheet->view()->superview();
    }

    // The robot in the top seat: his name as the card tables show it, his menu and his card, then the
    // gift sheet, and a gift of 1,000 that flies to his seat.
    void cardAndGiftOfTheRobot(BoardTableView& table, const std::string& robotName) {
        EXPECT_EQ(table.lblName2->text().value_or(""), robotName);
        tap(*table.btnSeat2);
        ASSERT_TRUE(pump([&] { return shown(table.optionView); }));
        settle();
        tap(*table.optionView->btnViewInfo);
        auto card = std::dynamic_pointer_cast<PlayerDetailView>(table.playerDetail);
        ASSERT_TRUE(card);
        ASSERT_TRUE(pump([&] { return shown(card) && card->lblName->text() == robotName; }));
        settle();
        card->onCancel();
        settle();

        tap(*table.btnSeat2);
        ASSERT_TRUE(pump([&] { return shown(table.optionView); }));
        settle();
        tap(*table.optionView->btnPresentGift);
        auto gifts = std::dynamic_pointer_cast<menuGift>(table.viewGift);
        ASSERT_TRUE(gifts);
        ASSERT_TRUE(pump([&] { return !gifts->viewControllers.empty() && gifts->viewControllers[0]; }));
        settle();
        auto robot = table.table().opponent();
        ASSERT_TRUE(robot);
        tap(*gifts->viewControllers[0]->view()->subviews()[0]);  // a rose
        ASSERT_TRUE(pump([&] { return robot->gifts().size() == 1; }));
        settle();
        if (shown(table.viewGift)) {
            gifts->slideOut();
            settle();
        }
    }

    // Every bubble of the table says a long line at once: mine, the opponent's and the notices'.
    void everyoneTalks(BoardTableView& table) {
        const auto opponent = table.table().opponent();
        ASSERT_TRUE(opponent);
        everyBubbleSaysALongLine(*table.view(), {0, 2, 4}, [&](int bubble, const std::string& line) {
            if (bubble == 4) table.onBuzzWithContent(line);
            else table.onChatFromWithId(bubble == 0 ? UIController::myId() : opponent->IDDB(), line);
        });
    }

    // A line of mine to the table, from the chat sheet; the robot answers it.
    void chatWithTheRobot(BoardTableView& table) {
        table.clickChatBoardOfMe();
        ASSERT_TRUE(pump([&] { return shown(table.chatDialog); }));
        settle();
        tap(*table.chatDialog->txtChat);
        type("Hello :)");
        ui::Application::shared().sendReturn();
        ASSERT_TRUE(pump([&] {
            const auto& lines = table.chatDialog->historyChat();
            return !lines.empty() && lines.back()->content() == std::string(standin::StandinRobotTables::kChatAnswer);
        }));
        settle();
        EXPECT_FALSE(table.chat0->isHidden()) << "my line";
        EXPECT_FALSE(table.chat2->isHidden()) << "the robot's";
    }

    // On my turn in a game: my draw offer is refused, the robot's is declined, then I resign and read
    // my result; the start button then offers to continue.
    void drawRefusedDeclinedThenResign(BoardTableView& table, standin::StandinBoardGame& game) {
        table.clickDraw();
        EXPECT_EQ(title(table.btnDraw), text("ZUNO_pleaseWait"));
        ASSERT_TRUE(dialogSays(text("ZUNO_oppNotAgree"))) << dialogText();
        settle();
        answerAlert(true);
        settle();
        EXPECT_EQ(title(table.btnDraw), text("ZUNO_pleaseDraw"));

        robots->locked([&] { game.offerDraw(*robots); });
        ASSERT_TRUE(dialogSays(text("ZUNO_oppWantDraw"))) << dialogText();
        settle();
        answerAlert(false);
        settle();
        EXPECT_TRUE(table.table().isInBoard) << "the game goes on";

        table.clickLose();
        ASSERT_TRUE(dialogSays(text("ZUNO_confirm_lose"))) << dialogText();
        settle();
        answerAlert(true);
        ASSERT_TRUE(pump([&] { return !table.table().isInBoard; }));
        ASSERT_TRUE(pump([] { return dialogText().find(text("ZUNO_lose")) != std::string::npos; })) << dialogText();
        settle();
        closeDialogs();
        EXPECT_EQ(title(table.btnStart), BoardTableModel::startKind(3, 0).title);
    }

    // Between games, the board cleared: ready (or start, as the owner) again; the loser of the last
    // game moves first, and I leave my move to run out: the game is lost on my clock and the result
    // read; continue clears the board again.
    void nextGameLostOnMyClock(BoardTableView& table) {
        ASSERT_TRUE(pump([&] {
            auto other = table.table().opponent();
            return other && (other->isReady() || !table.table().amOwner());
        }));
        tap(*table.btnStart);
        ASSERT_TRUE(pump([&] { return table.table().isInBoard && table.table().turn == kMe; }));
        settle();
        ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
        ASSERT_TRUE(pump([&] { return !table.table().isInBoard; }));
        ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
        settle();
        closeDialogs();
        EXPECT_EQ(title(table.btnStart), BoardTableModel::startKind(3, 0).title);
        tap(*table.btnStart);
        settle();
    }
};

}  // namespace zuno::testing
