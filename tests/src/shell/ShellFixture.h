// A launched application for the shell's tests: the delegate's launch sequence runs without a real
// window on the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Responder.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno::testing {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Animator::shared().reset();
        ui::Application::shared().reset();
        GlobalLogicHandler::resetGameMessageHandlersForTests();
    }
    void TearDown() override {
        GlobalMessageHandler::getInstance().setLobbyUi(nullptr);
        ui::Responder::clearFirstResponder();
        ui::Application::shared().reset();
        ui::Animator::shared().reset();
        sys::RunLoop::main().reset();
        GlobalLogicHandler::resetGameMessageHandlersForTests();
    }

    std::shared_ptr<ZunoOnlineAppDelegate> launch() {
        app = std::make_shared<ZunoOnlineAppDelegate>();
        ui::Application::shared().setDelegate(app);
        EXPECT_TRUE(ui::Application::shared().launch());
        run(1);
        return app;
    }
    ui::NavigationController& nav() { return *app->navigationController; }
    // Pushes without the slide and lets animations end.
    void show(const std::shared_ptr<ui::ViewController>& screen) {
        nav().pushViewController(screen, false);
        run(1.5);
    }
    void run(double seconds) { sys::RunLoop::main().runFor(seconds); }

    std::shared_ptr<ZunoOnlineAppDelegate> app;
};

}  // namespace zuno::testing
