// The desktop program against the stand-in as the demo runs it (the robots and their tables, money,
// friends), signed in as demo / demo: what the roads through the robots' tables ask of it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "lobby/GameRegistry.h"
#include "shell/UIController.h"
#include "standin-server/StandinDemo.h"
#include "support/AlertButtons.h"
#include "support/MoneyRoadSteps.h"

namespace zuno::testing {

class DemoRoadTest : public MoneyRoadSteps {
protected:
    // The stand-in with the options (a robot friend greets the player only after a greeting delay), the
    // program launched with its data in that folder, and the sign-in to the main menu (in Vietnamese,
    // switched to on the login screen, where asked).
    void startDemo(standin::StandinDemo::Options options, const std::string& folder,
                   std::optional<double> greetingDelay = std::nullopt, bool inVietnamese = false) {
        ASSERT_TRUE(server.start());
        options.greetingDelay = greetingDelay;
        demo = standin::StandinDemo::installOn(server, options);
        robots = demo.robots;
        signIn = demo.signIn;
        lists = demo.lists;
        ASSERT_NO_FATAL_FAILURE(launchProgram(folder));
        if (inVietnamese) {
            ASSERT_NO_FATAL_FAILURE(switchLanguageOnTheLoginScreen());
        }
        ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("demo", "demo"));
    }

    // The demo for a walk that asks for each invitation when it wants one (acceptTheInvitation). The
    // robots sit down half a second after the player, a pause short enough for a leave to run past it
    // soon; the robots' tables deal only once the player is ready.
    void startDemoWalk(const std::string& folder) {
        standin::StandinDemo::Options options;
        options.robots.invitationDelay = 3600;
        options.robots.robotDelay = 0.5;
        startDemo(options, folder);
    }

    std::shared_ptr<ui::ViewController> top() const { return program->navigation().topViewController(); }
    // A robot invites the player now; the invitation's OK seats the player at its table: that screen.
    std::shared_ptr<ui::ViewController> acceptTheInvitation(int game) {
        demo.robots->inviteNow();
        if (!pump([] { return invitationShown(); })) {
            ADD_FAILURE() << "accepting a robot's invitation to game " << game
                          << ": none shows; dialog: " << dialogText();
            return nullptr;
        }
        answerAlert(true);
        return waitForTable(game);
    }
    standin::StandinDemo demo;
};

}  // namespace zuno::testing
