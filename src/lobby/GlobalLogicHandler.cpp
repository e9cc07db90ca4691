#include "lobby/GlobalLogicHandler.h"

#include <algorithm>
#include <mutex>

#include "lobby/GlobalLogicHandlerSupport.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/ILobbyShell.h"
#include "lobby/ILobbyUi.h"
#include "platform/core/RunLoop.h"

namespace zuno {

namespace session {

std::shared_ptr<ILobbyShell> shell() { return ILobbyShell::shared(); }

std::shared_ptr<ILobbyUi> lobbyUi() { return GlobalMessageHandler::getInstance().lobbyUi(); }

std::shared_ptr<ui::ViewController> topScreen() { return lobbyUi()->topScreen(); }

void onMainThread(std::function<void()> work) {
    if (sys::RunLoop::isMainThread()) {
        work();
    } else {
        sys::RunLoop::main().post(std::move(work));
    }
}

std::string text(std::string_view key) { return shell()->textForKey(key); }

void showInformation(const std::string& message) { shell()->showNotice(message); }

void showConfirmation(const std::string& message, std::string_view okKey) {
    shell()->startCancelOkDlg(message, text("ZUNO_cancel"), text(okKey));
}

}  // namespace session

namespace {
// Filled once at start-up on the main thread and read by the reader thread on each game choice.
struct Registry {
    std::mutex mutex;
    GlobalLogicHandler::GameMessageHandlers handlers;
};

Registry& registry() {
    static Registry* r = new Registry();  // lives for the whole run
    return *r;
}
}  // namespace

std::shared_ptr<GlobalLogicHandler> GlobalLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<GlobalLogicHandler>(new GlobalLogicHandler());
    return *instance;
}

GlobalLogicHandler::GameMessageHandlers GlobalLogicHandler::getGameMessageHandlers() {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.handlers;
}

void GlobalLogicHandler::addGameMessageHandler(std::shared_ptr<IGameMessageHandler> handler) {
    if (!handler) return;
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (std::find(r.handlers.begin(), r.handlers.end(), handler) == r.handlers.end())
        r.handlers.push_back(std::move(handler));
}

void GlobalLogicHandler::resetGameMessageHandlersForTests() {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.handlers.clear();
}

void GlobalLogicHandler::onSetGameTypeSuccessWithGame(int8_t gameType, bool) {
    ILobbyShell::shared()->setGameType(gameType);
    GameMessageHandlers handlers = getGameMessageHandlers();
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if ((*it)->isGameType(gameType)) {
            GlobalMessageHandler::getInstance().setGameMessageHandler(*it);
            (*it)->onPostSetupGameType();
            return;
        }
    }
}

}  // namespace zuno
