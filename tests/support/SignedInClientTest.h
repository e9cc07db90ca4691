#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "lobby/GlobalMessageHandler.h"
#include "standin-server/StandinServer.h"
#include "support/FakeLobbyUi.h"
#include "support/RecordingLogicHandler.h"
#include "support/StandinInStep.h"

namespace zuno::testing {

// The real connection and dispatcher against the stand-in server over TCP, with a recording session
// logic and lobby UI. A test starts the server and installs its parts in SetUp, then calls
// useStandinServer(); TearDown disconnects, stops the server and puts the dispatcher back.
class SignedInClientTest : public ::testing::Test {
protected:
    // Points the client at the server and hands the dispatcher the recording logic and lobby UI.
    void useStandinServer();
    void TearDown() override;

    static GlobalMessageHandler& dispatcher() { return GlobalMessageHandler::getInstance(); }

    // Runs the client and the stand-in on the virtual clock, a twentieth of a second at a time, until
    // the condition holds; false when it does not within a minute of that clock.
    static bool pump(const std::function<bool()>& condition);

    // Connects; once the client information is accepted, runs `beforeLogin` (if any) and logs in.
    void signInAs(const std::string& name, const std::string& password, std::function<void()> beforeLogin = {});

    standin::StandinServer server;
    // The stand-in's steps keep the client's clock (made before any part of the stand-in is installed).
    StandinInStep inStep{server};
    std::shared_ptr<RecordingLogicHandler> logic = std::make_shared<RecordingLogicHandler>();
    std::shared_ptr<FakeLobbyUi> ui = std::make_shared<FakeLobbyUi>();
};

}  // namespace zuno::testing
