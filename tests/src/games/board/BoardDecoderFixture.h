#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/RecordingBoardLogic.h"
#include "net/Message.h"
#include "platform/core/Log.h"
#include "shell/UIController.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

inline sys::Data i64(int64_t v) {
    return bytes({int32Bytes(int32_t(uint64_t(v) >> 32)), int32Bytes(int32_t(uint64_t(v)))});
}

// One message of a table decoder and the transcript it must give; `fails` when the message must be
// dropped with an "Exception" line.
struct DecoderCase {
    std::string name;
    int8_t commandId;
    sys::Data payload;
    std::vector<std::string> transcript;
    bool fails = false;
};

// A game's decoder with a fresh recording logic handler for each message.
struct BoardGame {
    std::string name;
    std::function<std::vector<std::string>(int8_t, const sys::Data&)> deliver;
};

template <typename Recorder, typename Handler>
BoardGame boardGame(std::string name, std::shared_ptr<Handler> handler) {
    return {std::move(name), [handler](int8_t commandId, const sys::Data& payload) {
                auto recorder = std::make_shared<Recorder>();
                handler->setGameLogicHandler(recorder);
                Message message(commandId, payload);
                handler->onMessage(message);
                handler->setGameLogicHandler(nullptr);
                return recorder->lines();
            }};
}

inline int exceptionsLogged() {
    auto lines = sys::Log::captured();
    return int(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Exception ", 0) == 0; }));
}

inline void expectEach(const BoardGame& game, const std::vector<DecoderCase>& cases) {
    for (const auto& c : cases) {
        const int failuresBefore = exceptionsLogged();
        EXPECT_EQ(game.deliver(c.commandId, c.payload), c.transcript) << game.name << ": " << c.name;
        EXPECT_EQ(exceptionsLogged() - failuresBefore, c.fails ? 1 : 0) << game.name << ": " << c.name;
    }
}

// The signed-in player of these tests.
constexpr int32_t kMe = 4711;

class BoardDecoderTest : public ::testing::Test {
protected:
    void SetUp() override {
        me->setIDDB(kMe);
        me->setName("lan");
        me->setMoney(100);
        me->setExp(5);
        UIController::setMyInfo(me);
    }

    std::shared_ptr<Player> me = std::make_shared<Player>();
};

}  // namespace zuno::testing
