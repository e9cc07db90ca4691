#include "lobby/GlobalLogicHandler.h"

#include <algorithm>
#include <mutex>

#include "lobby/GlobalMessageHandler.h"
#include "lobby/ILobbyShell.h"

namespace zuno {

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
