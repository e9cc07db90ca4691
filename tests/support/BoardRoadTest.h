// The board games' roads in the desktop program against the stand-in's robot tables: the sign-in and
// the accepted invitation, the dialogs, and the steps every board game takes alike (a draw offer
// refused, the robot's declined, a resignation with its result).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "games/board/BoardTableModel.h"
#include "games/board/BoardTableView.h"
#include "platform/ui/AlertView.h"
#include "screens/MainView.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinBoardGame.h"
#include "standin-server/StandinRobotTables.h"
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
    static void pressDialog(bool ok) {
        auto alerts = ui::AlertView::visibleAlerts();
        ASSERT_FALSE(alerts.empty());
        alerts.back()->tapButtonAtIndex(ok ? alerts.back()->firstOtherButtonIndex() : alerts.back()->cancelButtonIndex());
    }
    bool dialogSays(const std::string& line) {
        return pump([&] { return dialogText() == line; });
    }
    void closeDialogs() {
        while (!ui::AlertView::visibleAlerts().empty()) {
            pressDialog(true);
            settle();
        }
    }

    // Signs in, picks the first server and accepts the robot's invitation from the main menu.
    void signInAndAccept(const std::string& invitation) {
        auto servers = logInAs("lan", "hoa sen");
        ASSERT_TRUE(servers);
        ASSERT_TRUE(pump([&] { return !servers->listServers.empty() && !servers->isFetching(); }));
        settle();
        tap(*servers->tableView->cellForRowAtIndexPath({0, 0}));
        ASSERT_TRUE(waitForTop<MainView>());
        ASSERT_TRUE(dialogSays(invitation)) << dialogText();
        pressDialog(true);
    }

    // On my turn in a game: my draw offer is refused, the robot's is declined, then I resign and read
    // my result; the start button then offers to continue.
    void drawRefusedDeclinedThenResign(BoardTableView& table, standin::StandinBoardGame& game) {
        table.clickDraw();
        ASSERT_TRUE(dialogSays(text("ZUNO_oppNotAgree"))) << dialogText();
        pressDialog(true);
        settle();
        EXPECT_EQ(title(table.btnDraw), text("ZUNO_pleaseDraw"));

        robots->locked([&] { game.offerDraw(*robots); });
        ASSERT_TRUE(dialogSays(text("ZUNO_oppWantDraw"))) << dialogText();
        pressDialog(false);
        settle();
        EXPECT_TRUE(table.table().isInBoard) << "the game goes on";

        table.clickLose();
        ASSERT_TRUE(dialogSays(text("ZUNO_confirm_lose"))) << dialogText();
        pressDialog(true);
        ASSERT_TRUE(pump([&] { return !table.table().isInBoard; }));
        ASSERT_TRUE(pump([] { return dialogText().find(text("ZUNO_lose")) != std::string::npos; })) << dialogText();
        closeDialogs();
        EXPECT_EQ(title(table.btnStart), BoardTableModel::startKind(3, 0).title);
    }

    std::shared_ptr<standin::StandinRobotTables> robots;
};

}  // namespace zuno::testing
