// The stand-in's robot tables over TCP, for tests that talk to them as the program's connection does:
// the sign-in with the robots' accounts and lan's, the lobby lists and the robot tables.
#pragma once

#include <memory>

#include "net/IMessageListener.h"
#include "net/MobileClient.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "support/SignedInClientTest.h"

namespace zuno::testing {

class RobotTablesTest : public SignedInClientTest {
public:
    static constexpr int32_t kLan = 4711;  // lan / hoa sen, with 500,000 Xu

    // Starts the server with its parts, the robot tables (no game yet) with the options.
    void installRobotTables(const standin::StandinRobotTables::Options& options) {
        ASSERT_TRUE(server.start());
        accounts = standin::StandinSignIn::installOn(server);
        standin::StandinRobots::addTo(*accounts);
        accounts->addAccount({"lan", "hoa sen", kLan, 500000, 12, 250});
        lists = standin::StandinLobbyLists::installOn(server);
        robots = standin::StandinRobotTables::installOn(server, accounts, lists, options);
    }
    // Signed in as lan on the program's connection, whose messages go to the listener from then on
    // (instead of the dispatcher, until the test ends).
    void signInAsLan(IMessageListener& listener) {
        signInAs("lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
        ASSERT_TRUE(pump([&] { return server.latestClient() && accounts->accountOf(*server.latestClient()); }));
        MobileClient::getInstance()->setDelegate(&listener);
    }

    std::shared_ptr<standin::StandinSignIn> accounts;
    std::shared_ptr<standin::StandinLobbyLists> lists;
    std::shared_ptr<standin::StandinRobotTables> robots;

protected:
    void TearDown() override {
        MobileClient::getInstance()->setDelegate(&dispatcher());
        SignedInClientTest::TearDown();
    }
};

}  // namespace zuno::testing
