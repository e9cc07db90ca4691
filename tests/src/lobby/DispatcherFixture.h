#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "net/Message.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "support/FakeLobbyUi.h"
#include "support/RecordingLogicHandler.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

// Big-endian field bytes as the server writes them.
inline sys::Data i16(int16_t v) { return {uint8_t(uint16_t(v) >> 8), uint8_t(v)}; }
inline sys::Data i32(int32_t v) {
    uint32_t u = uint32_t(v);
    return {uint8_t(u >> 24), uint8_t(u >> 16), uint8_t(u >> 8), uint8_t(u)};
}
inline sys::Data i64(int64_t v) { return bytes({i32(int32_t(uint64_t(v) >> 32)), i32(int32_t(uint64_t(v)))}); }

// The shared dispatcher with a recording session logic, screens arranged by the test, no game chosen
// and a connection that only records.
class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        dispatcher().setGlobalLogicHandler(logic);
        dispatcher().setLobbyUi(ui);
        dispatcher().setGameMessageHandler(nullptr);
        GlobalService::getInstance().set_session(session);
    }

    void TearDown() override {
        dispatcher().setGlobalLogicHandler(nullptr);
        dispatcher().setLobbyUi(nullptr);
        dispatcher().setGameMessageHandler(nullptr);
        GlobalService::getInstance().set_session(nullptr);
    }

    static GlobalMessageHandler& dispatcher() { return GlobalMessageHandler::getInstance(); }

    // Delivers one message as the reader thread would, then lets the main thread run what it was handed.
    void deliver(int8_t commandId, const sys::Data& payload = {}) {
        Message message(commandId, payload);
        dispatcher().onMessage(message);
        sys::RunLoop::main().runFor(0);
    }

    static int exceptionsLogged() {
        auto lines = sys::Log::captured();
        return int(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Exception ", 0) == 0; }));
    }

    // The session logic's operations called so far, in order.
    std::vector<std::string> calls() const { return logic->calls(); }

    std::shared_ptr<RecordingLogicHandler> logic = std::make_shared<RecordingLogicHandler>();
    std::shared_ptr<FakeLobbyUi> ui = std::make_shared<FakeLobbyUi>();
    std::shared_ptr<RecordingSession> session = std::make_shared<RecordingSession>();
};

}  // namespace zuno::testing
