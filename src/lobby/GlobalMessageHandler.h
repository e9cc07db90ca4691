#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "net/IMessageListener.h"
#include "net/Message.h"

namespace zuno {

class GlobalLogicHandler;
class IGameMessageHandler;
class ILobbyUi;

// The listener of the one connection. It decodes the lobby's server messages and hands each result
// to the session logic on the main thread; every other command goes, undecoded, to the decoder of the
// game chosen, or is dropped while none is. Each lobby message is decoded inside a guard: a message
// that is short or malformed is logged ("Exception <name>") and dropped, and the next one is decoded
// as usual.
class GlobalMessageHandler : public IMessageListener {
public:
    static GlobalMessageHandler& getInstance();

    // The session logic; GlobalLogicHandler::getInstance() unless replaced.
    std::shared_ptr<GlobalLogicHandler> globalLogicHandler() const;
    void setGlobalLogicHandler(std::shared_ptr<GlobalLogicHandler> handler);

    // The decoder of the chosen game; none until a game is chosen. Swapped in one step from the reader
    // thread (game confirmation) or the main thread (accepted invitation).
    std::shared_ptr<IGameMessageHandler> gameMessageHandler() const;
    void setGameMessageHandler(std::shared_ptr<IGameMessageHandler> handler);

    // The screens and shell as the dispatcher sees them (a client without screens until set).
    std::shared_ptr<ILobbyUi> lobbyUi() const;
    void setLobbyUi(std::shared_ptr<ILobbyUi> ui);

    // Main thread: records the game type and pushes a room list titled for it.
    void pushRoomScreen(int8_t gameType);
    // Main thread: the event text in the top-bar marquee.
    void doShowEventWithMessage(const std::optional<std::string>& text);
    // Main thread: an information dialog with no pending action.
    void doShowAlertViewWithMessage(const std::optional<std::string>& text);

    // IMessageListener.
    void didWriteDataWithTag() override {}
    void onMessage(Message& message) override;
    void onDisconnected() override;
    void onConnectionFail() override;
    void onConnectionOK() override;

    // Reader thread, for the login success: reads the signed-in player from the message and makes it
    // the session's player once every field has been read. Raises when the message is short.
    void saveUserInfoWithMessage(Message& message);

    // Hands work to the main thread without waiting.
    static void onMainThread(std::function<void()> work);

private:
    GlobalMessageHandler();

    mutable std::mutex mutex_;
    std::shared_ptr<GlobalLogicHandler> globalLogicHandler_;
    std::shared_ptr<IGameMessageHandler> gameMessageHandler_;
    std::shared_ptr<ILobbyUi> lobbyUi_;
};

}  // namespace zuno
