// The money message that tells a player where a deal he left put his balance: once for each leave
// that settled something of his, on the connection that left, in its language; none for a leave
// between deals, nor for a join the robots do not take, which leaves him seated. After it the next
// invitation, whose dialog would dismiss the notice's, waits the reading time. A sign-in from a second
// connection ends the first one's table: the old deal is told to the old connection, or to nobody once
// that is closed, never to the new one.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "lobby/GlobalService.h"
#include "net/IMessageListener.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinSession.h"
#include "standin-server/StandinTienLen.h"
#include "support/RobotTablesTest.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

constexpr int32_t kMe = zuno::testing::RobotTablesTest::kLan;
constexpr int8_t kSouthern = StandinTienLen::kSouthern;
constexpr int8_t kLoginSuccess = 3, kProbe = 6, kJoined = 8, kLeave = 15, kInvited = 74;
constexpr double kReading = StandinRobotTables::kNoticeReadingSeconds;
// What a connection's messages reach it within, in real time: only a guard against a test that hangs.
constexpr double kGuardSeconds = 10;

// What a connection hears, message by message, on its reading thread.
class Heard : public IMessageListener {
public:
    void onMessage(Message& message) override {
        std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back(message);
    }
    std::vector<Message> of(int8_t command) const {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<Message> out;
        for (const Message& m : messages_)
            if (m._commandId() == command) out.push_back(m);
        return out;
    }
    size_t count(int8_t command) const { return of(command).size(); }
    // Where the first message of the command came among all, and the last; -1 when none came.
    std::pair<int, int> places(int8_t command) const {
        std::lock_guard<std::mutex> lock(mutex_);
        int first = -1, last = -1;
        for (size_t i = 0; i < messages_.size(); ++i) {
            if (messages_[i]._commandId() != command) continue;
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
        }
        return {first, last};
    }

private:
    mutable std::mutex mutex_;
    std::vector<Message> messages_;
};

// A money message as the player reads it: his balance and the text.
struct Notice {
    int64_t balance = 0;
    std::string text;
    bool operator==(const Notice&) const = default;
};
void PrintTo(const Notice& n, std::ostream* out) { *out << n.balance << " \"" << n.text << "\""; }

std::vector<Notice> noticesIn(const Heard& heard) {
    std::vector<Notice> out;
    for (Message m : heard.of(kMoneyCommand)) {
        const int64_t balance = m.readLong();
        out.push_back({balance, m.readUTF().value_or("")});
    }
    return out;
}

struct Table {
    int8_t room = 0, board = 0;
};

class StandinLeaveNoticeTest : public zuno::testing::RobotTablesTest {
protected:
    void SetUp() override {
        StandinRobotTables::Options options;
        options.invitationDelay = 2;
        options.robotDelay = 3600;  // An and I play alone, and deal only when the test says
        options.holdPlayerTurns = true;
        options.seed = 7;
        ASSERT_NO_FATAL_FAILURE(installRobotTables(options));
        StandinTienLen::addTo(*robots, kSouthern);
        robots->setInvitationRotation({kSouthern});
        useStandinServer();
        UIController::setInviting(true);  // where the session logic hears the invitations
    }
    void TearDown() override {
        if (first) {
            first->manualDisconnect();
            EXPECT_TRUE(sys::RunLoop::main().runUntil([&] { return first->runningThreadCount() == 0; }, kGuardSeconds));
        }
        RobotTablesTest::TearDown();
    }

    static double now() { return sys::RunLoop::main().now(); }
    static void send(const Message& message) { MobileClient::getInstance()->sendMessage(message); }

    // The n-th invitation's table (from 1), once it has come.
    Table invitation(size_t n) {
        if (!pump([&] { return heard.count(kInvited) >= n; })) {
            ADD_FAILURE() << "no invitation " << n;
            return {};
        }
        Message m = heard.of(kInvited).at(n - 1);
        m.readByte();  // the game
        const int8_t room = m.readByte();
        return {room, m.readByte()};
    }
    // The n-th invitation taken up: its join's reply (the n-th) seats me, and a deal starts if asked.
    void takeInvitation(size_t n, bool deal) {
        table = invitation(n);
        GlobalService::getInstance().joinBoardWithroomId(table.room, table.board, "");
        ASSERT_TRUE(pump([&] { return heard.count(kJoined) == n; }));
        if (deal) robots->locked([&] { robots->startDeal(); });
    }
    Message atTheTable(int8_t command) const {
        Message m(command);
        m.writeByte(table.room);
        m.writeByte(table.board);
        return m;
    }
    // Everything sent to the program's connection before the answer to a probe sent now has come.
    void hearAll() {
        const size_t probes = heard.count(kProbe);
        send(Message(kProbe));
        ASSERT_TRUE(pump([&] { return heard.count(kProbe) == probes + 1; }));
    }
    bool seatedInADeal() const {
        return robots->locked([&] {
            return robots->game() && robots->playing() && robots->placeOf(kMe) == robots->playerPlace();
        });
    }

    // Another connection than the program's, speaking the language, signs in as lan, seated at An's
    // table in a deal: the player the tables serve until the program's connection signs in.
    void signInElsewhereInADeal(Heard& heardThere, const std::string& language) {
        auto& loop = sys::RunLoop::main();
        first = MobileClient::create(&heardThere);
        ASSERT_TRUE(first->connectToHost("127.0.0.1", server.port()));
        ASSERT_TRUE(loop.runUntil([&] { return first->isConnected(); }, kGuardSeconds));
        Message speak(100);
        speak.writeInt(1);
        speak.writeUTF(language);
        first->sendMessage(speak);
        Message login(1);
        login.writeUTF(std::string("lan"));
        login.writeUTF(std::string("hoa sen"));
        login.writeUTF(GlobalService::VERSION());
        first->sendMessage(login);
        ASSERT_TRUE(loop.runUntil([&] { return heardThere.count(kLoginSuccess) == 1; }, kGuardSeconds));
        firstSession = server.latestClient();
        robots->seatForTests(kSouthern, StandinTableKind::Robots, *accounts->account("lan"));
        robots->locked([&] { robots->startDeal(); });
        ASSERT_TRUE(seatedInADeal());
    }

    Heard heard;
    Table table;
    std::shared_ptr<MobileClient> first;  // the first connection, where a second one signs in
    std::shared_ptr<StandinSession> firstSession;
};

}  // namespace

TEST_F(StandinLeaveNoticeTest, ALeftDealIsToldOnceInMyLanguageAndTheNextInvitationWaitsTheReadingTime) {
    ASSERT_NO_FATAL_FAILURE(signInAsLan(heard));

    // A deal left: one notice of my balance after it (An won my stake); the next invitation comes the
    // reading time after the leave.
    ASSERT_NO_FATAL_FAILURE(takeInvitation(1, true));
    double left = now();
    send(atTheTable(kLeave));
    ASSERT_TRUE(pump([&] { return heard.count(kInvited) == 2; }));
    EXPECT_GE(now() - left, kReading);
    EXPECT_LT(now() - left, kReading + 0.5);
    EXPECT_EQ(noticesIn(heard),
              std::vector<Notice>({{499000, "The game you left has been settled: you have 499,000 Xu now."}}));
    EXPECT_EQ(accounts->balance(kMe), 499000);

    // A table left between deals: nothing to tell, and the next invitation after the invitation delay.
    ASSERT_NO_FATAL_FAILURE(takeInvitation(2, false));
    left = now();
    send(atTheTable(kLeave));
    ASSERT_TRUE(pump([&] { return heard.count(kInvited) == 3; }));
    EXPECT_GE(now() - left, 2);
    EXPECT_LT(now() - left, 2.5);
    EXPECT_EQ(heard.count(kMoneyCommand), 1u);

    // In Vietnamese, kicked out of a deal: told once, in Vietnamese, and again the reading time.
    GlobalService::getInstance().setLanguageForAppWithSubId(1, std::string("vi"));
    ASSERT_NO_FATAL_FAILURE(takeInvitation(3, true));
    left = now();
    robots->kickThePlayerForTests();
    ASSERT_TRUE(pump([&] { return heard.count(kInvited) == 4; }));
    EXPECT_GE(now() - left, kReading);
    const std::vector<Notice> notices = noticesIn(heard);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1], (Notice{498000, "Ván bạn vừa rời đã được tính tiền: bạn còn 498,000 Xu."}));
}

TEST_F(StandinLeaveNoticeTest, AJoinTheRobotsDoNotTakeLeavesMeInMyDealAndAJoinTheyTakeIsToldOnce) {
    ASSERT_NO_FATAL_FAILURE(signInAsLan(heard));
    ASSERT_NO_FATAL_FAILURE(takeInvitation(1, true));

    // A table nobody keeps: nobody answers, and I sit on in my deal, charged nothing.
    GlobalService::getInstance().joinBoardWithroomId(table.room, int8_t(table.board + 1), "");
    ASSERT_NO_FATAL_FAILURE(hearAll());
    EXPECT_EQ(heard.count(kMoneyCommand), 0u);
    EXPECT_EQ(heard.count(kJoined), 1u);
    EXPECT_TRUE(seatedInADeal());
    EXPECT_EQ(accounts->balance(kMe), 500000);

    // An invitation taken up at the table: the deal it leaves is told once, before the join's reply.
    robots->inviteAtTheTableForTests(kSouthern);
    ASSERT_NO_FATAL_FAILURE(takeInvitation(2, false));
    ASSERT_NO_FATAL_FAILURE(hearAll());
    EXPECT_EQ(noticesIn(heard),
              std::vector<Notice>({{499000, "The game you left has been settled: you have 499,000 Xu now."}}));
    EXPECT_LT(heard.places(kMoneyCommand).first, heard.places(kJoined).second);
}

TEST_F(StandinLeaveNoticeTest, ASecondConnectionsSignInTellsTheOldDealToTheOldConnectionAlone) {
    Heard heardFirst;
    ASSERT_NO_FATAL_FAILURE(signInElsewhereInADeal(heardFirst, "vi"));

    // Another account signs in on the program's connection: the first one's table ends there, and its
    // deal is told once to the first connection, in its language.
    signInAs("demo", "demo");
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    EXPECT_FALSE(robots->locked([&] { return robots->game() != nullptr; }));
    first->sendMessage(Message(kProbe));
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return heardFirst.count(kProbe) == 1; }, kGuardSeconds));
    EXPECT_EQ(noticesIn(heardFirst),
              std::vector<Notice>({{499000, "Ván bạn vừa rời đã được tính tiền: bạn còn 499,000 Xu."}}));

    // The new connection, which the tables serve now, hears of no deal: only its own invitation.
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
    EXPECT_EQ(logic->count("onTransferMoneyWithNewMoney"), 0);
}

TEST_F(StandinLeaveNoticeTest, ADealOfAClosedConnectionIsToldToNobodyWhenISignInAgain) {
    Heard heardFirst;
    ASSERT_NO_FATAL_FAILURE(signInElsewhereInADeal(heardFirst, "en"));
    first->manualDisconnect();
    ASSERT_TRUE(firstSession->waitForClose(kGuardSeconds));

    signInAs("lan", "hoa sen");
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
    EXPECT_EQ(logic->count("onTransferMoneyWithNewMoney"), 0);
    EXPECT_EQ(accounts->balance(kMe), 499000) << "the deal left was settled all the same";
}
