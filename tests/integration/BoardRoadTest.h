// What the board tables' road tests share: the stand-in with its robot tables, a signed-in player who
// accepts the robot's invitation from the main menu, and the dialogs answered on the way.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "screens/MainView.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "support/ProgramRoadTest.h"

namespace zuno::testing {

class BoardRoadTest : public ProgramRoadTest {
protected:
    static constexpr int32_t kMe = 4711;

    // The stand-in with the robot tables (the game added by `addGame`), inviting to the game's table of
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
    // The dialog's OK button, or its cancel button.
    static void pressDialog(bool ok) {
        if (ok) return pressDialogOk();
        auto alerts = ui::AlertView::visibleAlerts();
        ASSERT_FALSE(alerts.empty());
        alerts.back()->tapButtonAtIndex(alerts.back()->cancelButtonIndex());
    }
    bool dialogSays(const std::string& line) {
        return pump([&] { return dialogText() == line; });
    }

    // Signs in, picks the first server and accepts the invitation of that text.
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

    std::shared_ptr<standin::StandinRobotTables> robots;
};

}  // namespace zuno::testing
