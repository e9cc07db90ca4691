#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "games/tienlen/TienLenMBMessageHandler.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "platform/core/Log.h"
#include "support/RecordingSession.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::int16Bytes;
using zuno::testing::int32Bytes;
using zuno::testing::utf;

namespace {

std::string join(const std::vector<int8_t>& ids) {
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < ids.size(); ++i) out << (i ? " " : "") << int(ids[i]);
    out << "]";
    return out.str();
}

std::string describe(const PlayerPtr& p) {
    if (p->IDDB() == -1) return "[-1 '" + p->name() + "']";
    std::ostringstream out;
    out << "[" << p->IDDB() << " " << p->name() << " " << p->money() << " a" << p->avatar() << " x" << p->exp()
        << (p->isReady() ? " ready" : " -") << "]";
    return out.str();
}

// Each event the decoder hands on, as one line.
class RecordingTienLenLogic : public TienLenLogicHandler {
public:
    std::vector<std::string> calls;

    void onJoinGameSuccessWithRoomId(int8_t r, int8_t b, int32_t owner, int32_t money, Players players) override {
        std::ostringstream out;
        out << "join " << int(r) << " " << int(b) << " owner " << owner << " stake " << money;
        for (const auto& p : players) out << " " << describe(p);
        calls.push_back(out.str());
    }
    void onChatFromBoardWithRoomId(int8_t r, int8_t b, std::string text, int32_t from) override {
        add("chat", r, b, std::to_string(from) + ": " + text);
    }
    void onKickedWithRoomId(int8_t r, int8_t b, int32_t id) override { add("kick", r, b, std::to_string(id)); }
    void onSomeOneJoinBoardWithSeat(int8_t seat, PlayerPtr p) override {
        calls.push_back("sit " + std::to_string(seat) + " " + describe(p) + " pos " +
                        std::to_string(p->finishPosition()));
    }
    void onSomeOneLeaveBoardWithIdLeave(int32_t id, int32_t owner) override {
        calls.push_back("leave " + std::to_string(id) + " owner " + std::to_string(owner));
    }
    void onSomeOneReadyWithId(int32_t id, bool ready) override {
        calls.push_back("ready " + std::to_string(id) + (ready ? " yes" : " no"));
    }
    void onOwnerSetMoneyWithRoomeId(int8_t r, int8_t b, int32_t money) override {
        add("stake", r, b, std::to_string(money));
    }
    void onStartGameWithRoomId(int8_t r, int8_t b, CardIds cards, uint8_t interval, int32_t first) override {
        add("deal", r, b, "interval " + std::to_string(interval) + " first " + std::to_string(first) + " " + join(cards));
    }
    void onMoveWithRoomId(int8_t r, int8_t b, int32_t who, CardIds cards, int32_t next) override {
        add("move", r, b, "by " + std::to_string(who) + " " + join(cards) + " next " + std::to_string(next));
    }
    void onSkipWithRoomId(int8_t r, int8_t b, int32_t who, int32_t next, bool clear) override {
        add("skip", r, b, "by " + std::to_string(who) + " next " + std::to_string(next) + (clear ? " clear" : ""));
    }
    void onStopGameWithRoomId(int8_t r, int8_t b, int32_t who, CardIds cards) override {
        add("stop", r, b, "show " + std::to_string(who) + " " + join(cards));
    }
    void onSomeOneFinishWithRoomId(int8_t r, int8_t b, int32_t who, int8_t pos, int32_t money, int32_t exp) override {
        add("finish", r, b,
            std::to_string(who) + " pos " + std::to_string(pos) + " money " + std::to_string(money) + " exp " +
                std::to_string(exp));
    }
    void onBonusMoneyWithRommId(int8_t r, int8_t b, int32_t who, int32_t money, std::string des) override {
        add("bonus", r, b, std::to_string(who) + " " + std::to_string(money) + " " + des);
    }
    void onForceFinishWithRoomId(int8_t r, int8_t b, int32_t owner, CardIds cards) override {
        add("instant", r, b, std::to_string(owner) + " " + join(cards));
    }
    void onMoveErrorWithRoomeId(int8_t r, int8_t b, std::string info) override { add("refused", r, b, info); }
    void onBuzzWithContent(std::string content) override { calls.push_back("buzz " + content); }

private:
    void add(const char* what, int8_t r, int8_t b, const std::string& rest) {
        calls.push_back(std::string(what) + " " + std::to_string(r) + " " + std::to_string(b) + " " + rest);
    }
};

const sys::Data kHand{0, 5, 9, 14, 18, 22, 27, 31, 35, 40, 44, 47, 51};
const sys::Data kLong300{0, 0, 0, 0, 0, 0, 1, 0x2C};
const sys::Data kLong40{0, 0, 0, 0, 0, 0, 0, 40};
const std::string kHandText = "[0 5 9 14 18 22 27 31 35 40 44 47 51]";

struct Case {
    std::string name;
    sys::Data message;  // command id, then the payload
    std::string call;   // "" when nothing may be handed on
    bool logsException;
};

const std::vector<Case> kCases = {
    {"join with an empty place", bytes({{8, 1, 2}, int32Bytes(7), int32Bytes(500),
                                        int32Bytes(7), utf("an"), kLong300, int16Bytes(2), int32Bytes(10), {1},
                                        int32Bytes(-1),
                                        int32Bytes(9), utf("binh"), kLong40, int16Bytes(0), int32Bytes(0), {0}}),
     "join 1 2 owner 7 stake 500 [7 an 300 a2 x10 ready] [-1 ''] [9 binh 40 a0 x0 -]", false},
    {"join without places", bytes({{8, 1, 2}, int32Bytes(7), int32Bytes(500)}), "join 1 2 owner 7 stake 500", false},
    {"join cut inside a place", bytes({{8, 1, 2}, int32Bytes(7), int32Bytes(500), int32Bytes(9), utf("binh"), {0, 0}}),
     "", true},
    {"table ids are signed bytes", bytes({{9, 0xFE, 0x81}, int32Bytes(7), utf("hi")}), "chat -2 -127 7: hi", false},
    {"kick", bytes({{11, 1, 2}, int32Bytes(7)}), "kick 1 2 7", false},
    {"kick without the table", {11, 1}, "", true},
    {"someone sits", bytes({{12, 2}, int32Bytes(9), utf("binh"), kLong40, int16Bytes(0), int32Bytes(0)}),
     "sit 2 [9 binh 40 a0 x0 -] pos -1", false},
    {"leave", bytes({{14}, int32Bytes(7), int32Bytes(9)}), "leave 7 owner 9", false},
    {"ready", bytes({{16}, int32Bytes(7), {1}}), "ready 7 yes", false},
    {"stake", bytes({{19, 1, 2}, int32Bytes(1000)}), "stake 1 2 1000", false},
    {"deal with an interval above 127", bytes({{20, 1, 2, 200}, kHand, int32Bytes(7)}),
     "deal 1 2 interval 200 first 7 " + kHandText, false},
    {"deal cut before the first player", bytes({{20, 1, 2, 20}, kHand}), "", true},
    {"deal of twelve cards", bytes({{20, 1, 2, 20}, sys::Data(kHand.begin(), kHand.end() - 1)}), "", true},
    {"move of no cards", bytes({{21, 1, 2}, int32Bytes(7), {0}, int32Bytes(9)}), "move 1 2 by 7 [] next 9", false},
    {"move of a pair", bytes({{21, 1, 2}, int32Bytes(7), {2, 4, 5}, int32Bytes(9)}), "move 1 2 by 7 [4 5] next 9",
     false},
    {"move cut inside its cards", bytes({{21, 1, 2}, int32Bytes(7), {3, 4, 5}}), "", true},
    {"skip", bytes({{49, 1, 2}, int32Bytes(7), int32Bytes(9), {1}}), "skip 1 2 by 7 next 9 clear", false},
    {"stop without a hand", {50, 1, 2}, "stop 1 2 show -1 []", false},
    {"stop with a hand", bytes({{50, 1, 2}, int32Bytes(7), {2, 3, 4}}), "stop 1 2 show 7 [3 4]", false},
    // An end of deal cut inside its hand still ends the deal, showing the cards that arrived.
    {"stop cut inside the hand", bytes({{50, 1, 2}, int32Bytes(7), {3, 3, 4}}), "stop 1 2 show 7 [3 4]", false},
    {"stop cut before the hand's count", bytes({{50, 1, 2}, int32Bytes(7)}), "stop 1 2 show 7 []", false},
    {"finish", bytes({{51, 1, 2}, int32Bytes(7), {1}, int32Bytes(-500), int32Bytes(3)}),
     "finish 1 2 7 pos 1 money -500 exp 3", false},
    {"bonus", bytes({{52, 1, 2}, int32Bytes(7), int32Bytes(1000), utf("gift")}), "bonus 1 2 7 1000 gift", false},
    {"instant win", bytes({{53, 1, 2}, int32Bytes(7), kHand}), "instant 1 2 7 " + kHandText, false},
    {"instant win cut inside the hand", bytes({{53, 1, 2}, int32Bytes(7), sys::Data(kHand.begin(), kHand.begin() + 2)}),
     "instant 1 2 7 [0 5]", false},
    {"move refused names the table first", bytes({{54, 2, 1}, utf("Not your turn")}), "refused 1 2 Not your turn",
     false},
    {"nudge", bytes({{103}, utf("an"), utf("hello")}), "buzz an: hello", false},
    {"an id of another game", bytes({{15}, int32Bytes(7)}), "", false},
    {"an id between the table's", bytes({{62, 1, 2}}), "", false},
};

}  // namespace

TEST(TienLenTableMessages, EachMessageOfBothGames) {
    auto south = std::make_shared<RecordingTienLenLogic>();
    auto north = std::make_shared<RecordingTienLenLogic>();
    TienLenMessageHandler::getInstance()->setTienlenLogicHandler(south);
    TienLenMBMessageHandler::getInstance()->setTienlenMBLogicHandler(north);
    for (const Case& c : kCases) {
        for (auto* handler : {static_cast<IGameMessageHandler*>(TienLenMessageHandler::getInstance().get()),
                              static_cast<IGameMessageHandler*>(TienLenMBMessageHandler::getInstance().get())}) {
            south->calls.clear();
            north->calls.clear();
            sys::Log::clearCaptured();
            Message message = Message::initWithRawData(c.message);
            handler->onMessage(message);
            const auto& calls = handler->isGameType(3) ? south->calls : north->calls;
            EXPECT_EQ(calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call}) << c.name;
            EXPECT_TRUE((handler->isGameType(3) ? north : south)->calls.empty()) << c.name;
            EXPECT_EQ(sys::Log::contains("Exception RangeException"), c.logsException) << c.name;
        }
    }
    TienLenMessageHandler::getInstance()->setTienlenLogicHandler(nullptr);
    TienLenMBMessageHandler::getInstance()->setTienlenMBLogicHandler(nullptr);
}

TEST(TienLenTableMessages, GameTypes) {
    EXPECT_TRUE(TienLenMessageHandler::getInstance()->isGameType(3));
    EXPECT_FALSE(TienLenMessageHandler::getInstance()->isGameType(12));
    EXPECT_TRUE(TienLenMBMessageHandler::getInstance()->isGameType(12));
    EXPECT_FALSE(TienLenMBMessageHandler::getInstance()->isGameType(3));
}
