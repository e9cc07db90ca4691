// A launched application whose requests are recorded, for the lobby screens' tests.
#pragma once

#include <memory>
#include <string>

#include "lobby/GlobalService.h"
#include "platform/ui/Control.h"
#include "screens/PageFetch.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"
#include "support/ServiceRecording.h"
#include "support/SnapshotCompare.h"
#include "platform/backend/RasterScreen.h"

namespace zuno::testing {

class LobbyScreensTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // The screens are tried as a signed-in player meets them: the connection is open.
        requests.session->connected = true;
        Resources::getInstance().setCurrentLanguage("en");
        Resources::getInstance().loadLanguage();
        launch();
    }
    void TearDown() override {
        setPageFetcher(nullptr);
        UIController::closeDialog();
        ShellTest::TearDown();
    }

    // The bytes of the requests sent since the last call, each as command id then payload.
    std::vector<sys::Data> sent() {
        std::vector<sys::Data> out;
        for (const auto& m : requests.session->sent()) {
            sys::Data bytes{static_cast<uint8_t>(m._commandId())};
            bytes.insert(bytes.end(), m._data().begin(), m._data().end());
            out.push_back(std::move(bytes));
        }
        requests.session->clear();
        return out;
    }
    static void tap(ui::Control& control) {
        control.sendActionsForControlEvents(ui::ControlEvent::TouchDown);
        control.sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    }
    // The whole window (top bar, background, screen) against its reference picture.
    ::testing::AssertionResult matchesScreen(const std::string& name) {
        run(1);
        ui::RasterScreen screen(480, 320, 1);
        screen.renderApplication();
        return matchesReference(screen, name);
    }
    std::string title() const { return app->lblWindowTitle->text().value_or(std::string()); }
    static std::string dialogText() { return UIController::shownDialogMessage().value_or(std::string()); }

    ServiceRecording requests{GlobalService::getInstance()};
};

}  // namespace zuno::testing
