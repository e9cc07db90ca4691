#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/FakeLobbyUi.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

// The screens as a navigation stack the test arranges; it records pops and what the application
// delegate is asked.
class ScreenStack : public FakeLobbyUi {
public:
    std::shared_ptr<ui::ViewController> topScreen() const override {
        return stack.empty() ? nullptr : stack.back();
    }
    void popToRootScreen(bool) override {
        ++pops;
        if (stack.size() > 1) stack.resize(1);
    }
    void pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool) override { stack.push_back(screen); }
    void setSwitchOnSMS(bool on) override { smsSwitch = on; }
    void onOpenMessage() override { ++mailboxOpened; }
    bool checkVersionToSendSMS() const override { return canSendSMS; }

    std::vector<std::shared_ptr<ui::ViewController>> stack;
    int pops = 0;
    std::optional<bool> smsSwitch;
    int mailboxOpened = 0;
    bool canSendSMS = false;
};

// The real session logic against a screen stack, a window for its dialogs and a connection that
// only records.
class SessionLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Animator::shared().reset();
        ui::Application::shared().reset();
        Resources::getInstance();  // the language table the screens' interface files name keys from
        window = std::make_shared<ui::Window>();
        window->makeKeyAndVisible();
        dispatcher().setGlobalLogicHandler(nullptr);
        dispatcher().setLobbyUi(screens);
        GlobalService::getInstance().set_session(session);
    }

    void TearDown() override {
        dispatcher().setLobbyUi(nullptr);
        GlobalService::getInstance().set_session(nullptr);
        GlobalService::getInstance().setConnectOKListener({});
        ui::Application::shared().reset();
        ui::Animator::shared().reset();
    }

    static GlobalMessageHandler& dispatcher() { return GlobalMessageHandler::getInstance(); }
    static GlobalLogicHandler& logic() { return *GlobalLogicHandler::getInstance(); }
    static std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

    template <typename Screen>
    std::shared_ptr<Screen> onTop() {
        auto screen = std::make_shared<Screen>();
        screens->stack.push_back(screen);
        return screen;
    }

    // The dialog shown once the main thread has run, if any.
    static std::optional<std::string> dialog() {
        sys::RunLoop::main().runFor(0);
        return UIController::shownDialogMessage();
    }
    // How many dialogs replaced an earlier one.
    static int replacedDialogs() {
        auto lines = sys::Log::captured();
        return int(std::count(lines.begin(), lines.end(), std::string("close dialog")));
    }

    std::shared_ptr<ScreenStack> screens = std::make_shared<ScreenStack>();
    std::shared_ptr<RecordingSession> session = std::make_shared<RecordingSession>();
    std::shared_ptr<ui::Window> window;
};

}  // namespace zuno::testing
