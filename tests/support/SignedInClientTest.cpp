#include "support/SignedInClientTest.h"

#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "support/LoopWaits.h"

namespace zuno::testing {

void SignedInClientTest::useStandinServer() {
    GlobalService::setIP("127.0.0.1");
    GlobalService::setPORT(server.port());
    GlobalService::getInstance().set_session(MobileClient::getInstance());
    dispatcher().setGlobalLogicHandler(logic);
    dispatcher().setLobbyUi(ui);
    dispatcher().setGameMessageHandler(nullptr);
}

void SignedInClientTest::TearDown() {
    MobileClient::getInstance()->manualDisconnect();
    EXPECT_TRUE(connectionThreadsEnded());
    server.stop();
    dispatcher().setGlobalLogicHandler(nullptr);
    dispatcher().setLobbyUi(nullptr);
    dispatcher().setGameMessageHandler(nullptr);
    GlobalService::setPORT(0);
}

bool SignedInClientTest::pump(const std::function<bool()>& condition) { return runInStepUntil(condition, 0.05, 1200); }

void SignedInClientTest::signInAs(const std::string& name, const std::string& password,
                                  std::function<void()> beforeLogin) {
    logic->then["onSetClientInfoOK"] = [name, password, beforeLogin] {
        if (beforeLogin) beforeLogin();
        GlobalService::getInstance().loginWithUsername(name, password, GlobalService::VERSION());
    };
    GlobalService::getInstance().connect();
}

}  // namespace zuno::testing
