#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/board/BoardTableMessages.h"
#include "platform/core/Log.h"
#include "table/LogicHandlerSlot.h"
#include "table/TableWire.h"

namespace zuno {

// What the decoders of the board tables share: the game's logic handler they hand events to, the
// guard around each message and the log line that opens it. A game adds its own commands in
// decode() and passes the rest to the shared cases.
template <typename Decoder, typename LogicHandler, int8_t GameType>
class BoardTableMessageHandler : public SingleGameMessageHandler<Decoder, GameType> {
public:
    // The game's shared logic handler unless replaced.
    std::shared_ptr<LogicHandler> gameLogicHandler() const { return logic_.get(); }
    // Null restores the shared one.
    void setGameLogicHandler(std::shared_ptr<LogicHandler> handler) {
        logic_.set(handler ? std::move(handler) : LogicHandler::getInstance());
    }

    void onMessage(Message& message) final {
        if (dialect_.logsMessageId) sys::Log::format("message id: %d", message._commandId());
        std::shared_ptr<LogicHandler> logic = gameLogicHandler();
        tablewire::guardCase(nullptr, [&] { decode(message, *logic); });
    }

protected:
    explicit BoardTableMessageHandler(const BoardTableDialect& dialect)
        : logic_(LogicHandler::getInstance()), dialect_(dialect) {}

    // One message, on the reader thread, inside the guard.
    virtual void decode(Message& message, LogicHandler& logic) = 0;

    const BoardTableDialect& dialect() const { return dialect_; }

private:
    LogicHandlerSlot<LogicHandler> logic_;
    const BoardTableDialect dialect_;
};

}  // namespace zuno
