#include "lobby/GlobalMessageHandler.h"

#include <cstdlib>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/IGameMessageHandler.h"
#include "lobby/ILobbyShell.h"
#include "lobby/ILobbyUi.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"

namespace zuno {


GlobalMessageHandler& GlobalMessageHandler::getInstance() {
    static GlobalMessageHandler* instance = new GlobalMessageHandler();  // lives for the whole run
    return *instance;
}

GlobalMessageHandler::GlobalMessageHandler()
    : globalLogicHandler_(GlobalLogicHandler::getInstance()), lobbyUi_(std::make_shared<ILobbyUi>()) {}

std::shared_ptr<GlobalLogicHandler> GlobalMessageHandler::globalLogicHandler() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return globalLogicHandler_;
}

void GlobalMessageHandler::setGlobalLogicHandler(std::shared_ptr<GlobalLogicHandler> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    globalLogicHandler_ = handler ? std::move(handler) : GlobalLogicHandler::getInstance();
}

std::shared_ptr<IGameMessageHandler> GlobalMessageHandler::gameMessageHandler() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return gameMessageHandler_;
}

void GlobalMessageHandler::setGameMessageHandler(std::shared_ptr<IGameMessageHandler> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    gameMessageHandler_.swap(handler);
}

std::shared_ptr<ILobbyUi> GlobalMessageHandler::lobbyUi() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lobbyUi_;
}

void GlobalMessageHandler::setLobbyUi(std::shared_ptr<ILobbyUi> ui) {
    std::lock_guard<std::mutex> lock(mutex_);
    lobbyUi_ = ui ? std::move(ui) : std::make_shared<ILobbyUi>();
}

void GlobalMessageHandler::onMainThread(std::function<void()> work) { sys::RunLoop::main().post(std::move(work)); }

void GlobalMessageHandler::pushRoomScreen(int8_t gameType) {
    auto shell = ILobbyShell::shared();
    shell->setGameType(gameType);
    // One title serves the room list of every game.
    lobbyUi()->pushRoomView(shell->textForKey("ZUNO_roomTienLen"));
}

void GlobalMessageHandler::doShowEventWithMessage(const std::optional<std::string>& text) {
    if (ILobbyShell::shared()->checkVersioniOS4()) {
        sys::Log::line("iOS 4");
        lobbyUi()->startEventWithiOS4(text.value_or(std::string()));
    } else {
        sys::Log::line("iOS 3");
        lobbyUi()->startEventWithiOS3(text.value_or(std::string()));
    }
}

void GlobalMessageHandler::doShowAlertViewWithMessage(const std::optional<std::string>& text) {
    ILobbyShell::shared()->showNotice(text.value_or(std::string()));
}

void GlobalMessageHandler::onMessage(Message& message) {
    const int8_t commandId = message._commandId();
    sys::Log::debugFormat("message command %d", commandId);
    if (commandId == LobbyCommand::SC_IGNORED) return;

    if (LobbyDecoder decode = lobbyDecoderFor(commandId)) {
        DecoderContext context(*this, globalLogicHandler(), lobbyUi());
        try {
            decode(message, context);
        } catch (const std::exception& e) {
            sys::Log::warning("Exception " + sys::failureName(e));
        }
        return;
    }

    // The game decoder guards its own cases.
    if (std::shared_ptr<IGameMessageHandler> game = gameMessageHandler()) game->onMessage(message);
}

void GlobalMessageHandler::saveUserInfoWithMessage(Message& message) {
    auto player = std::make_shared<Player>();
    player->setIDDB(message.readInt());
    player->setMoney(message.readLong());
    player->setAvatar(message.readShort());
    player->setExp(message.readInt());
    auto& defaults = sys::UserDefaults::standard();
    player->setName(defaults.stringForKey("ZUNO_LOGIN_USERNAME").value_or(std::string()));
    player->userProfile()->setOldPass(defaults.stringForKey("ZUNO_LOGIN_OLDPASS"));
    // Only a complete record replaces the signed-in player.
    ILobbyShell::shared()->setMyInfo(std::move(player));
}

void GlobalMessageHandler::onConnectionOK() { GlobalService::getInstance().sendClientInformation(); }

void GlobalMessageHandler::onConnectionFail() { globalLogicHandler()->onConnectFail(); }

void GlobalMessageHandler::onDisconnected() {
    sys::Log::line("da disconnect....");
    globalLogicHandler()->onDisconnect();
}

}  // namespace zuno
