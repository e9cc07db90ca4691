// The stand-in server's accounts over TCP: which connection signed in as whom, balances, messages
// sent to an account's connection, and the robots the demo account knows.
#include <gtest/gtest.h>

#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

class StandinAccountsTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        StandinRobots::addTo(*signIn);
        useStandinServer();
    }

    std::shared_ptr<StandinSignIn> signIn;
};

}  // namespace

TEST_F(StandinAccountsTest, ASignedInConnectionIsKnownByItsAccountAndReachedThroughIt) {
    EXPECT_FALSE(signIn->sessionOf(StandinRobots::kDemoId));
    EXPECT_FALSE(signIn->isOnline(StandinRobots::kDemoId));
    signInAs("demo", "demo");
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));

    auto session = server.latestClient();
    ASSERT_TRUE(session);
    ASSERT_TRUE(signIn->accountOf(*session));
    EXPECT_EQ(signIn->accountOf(*session)->id, StandinRobots::kDemoId);
    EXPECT_EQ(signIn->sessionOf(StandinRobots::kDemoId), session);
    EXPECT_TRUE(signIn->isOnline(StandinRobots::kDemoId));

    // A message sent to the account arrives at its client.
    Message chat(78);
    chat.writeByte(1);
    EXPECT_TRUE(signIn->sendTo(StandinRobots::kDemoId, chat));
    EXPECT_FALSE(signIn->sendTo(9003, chat)) << "a robot has no connection";

    MobileClient::getInstance()->disconnect();
    ASSERT_TRUE(session->waitForClose(5));
    EXPECT_FALSE(signIn->sessionOf(StandinRobots::kDemoId));
    EXPECT_FALSE(signIn->isOnline(StandinRobots::kDemoId));
}

TEST_F(StandinAccountsTest, ARefusedLoginLeavesTheConnectionWithoutAnAccount) {
    signInAs("demo", "wrong");
    ASSERT_TRUE(pump([&] { return logic->count("onDisconnect") == 1; }));
    EXPECT_FALSE(signIn->accountOf(*server.latestClient()));
}

TEST_F(StandinAccountsTest, RobotsCannotSignIn) {
    signInAs("An", "");
    ASSERT_TRUE(pump([&] { return logic->count("onDisconnect") == 1; }));
}

TEST_F(StandinAccountsTest, BalancesChangeByIdAndTheNextLoginReportsThem) {
    EXPECT_EQ(signIn->balance(StandinRobots::kDemoId), 5000000);
    EXPECT_EQ(signIn->addToBalance(StandinRobots::kDemoId, -1500), 4998500);
    EXPECT_TRUE(signIn->setBalance(9001, 7));
    EXPECT_EQ(signIn->balance(9001), 7);
    EXPECT_FALSE(signIn->balance(1));
    EXPECT_FALSE(signIn->setBalance(1, 5));
    EXPECT_FALSE(signIn->addToBalance(1, 5));

    signInAs("demo", "demo");
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    EXPECT_EQ(UIController::myInfo()->money(), 4998500);
}

TEST(StandinRobotsTest, TheDemoAccountHasFiveRobotFriendsThreeOnline) {
    StandinServer server;
    auto signIn = StandinSignIn::installOn(server);
    StandinRobots::addTo(*signIn);

    auto demo = signIn->accountWithId(StandinRobots::kDemoId);
    ASSERT_TRUE(demo);
    ASSERT_EQ(demo->friendIds.size(), 5u);
    int online = 0;
    for (int32_t id : demo->friendIds) {
        auto robot = signIn->accountWithId(id);
        ASSERT_TRUE(robot);
        EXPECT_TRUE(robot->robot);
        EXPECT_EQ(robot->friendIds, std::vector<int32_t>{StandinRobots::kDemoId});
        online += signIn->isOnline(id);
    }
    EXPECT_EQ(online, 3);

    int robots = 0, withEmoticons = 0;
    for (const StandinAccount& a : signIn->accounts()) {
        if (!a.robot) continue;
        ++robots;
        EXPECT_GT(a.money, 0);
        if (a.status && (a.status->find(":)") != std::string::npos || a.status->find("<3") != std::string::npos))
            ++withEmoticons;
    }
    EXPECT_EQ(robots, StandinRobots::kRobotCount);
    EXPECT_GE(withEmoticons, 2);
    EXPECT_EQ(signIn->accountWithId(StandinRobots::kFirstRobotId)->name, "An");
}
