#include "lobby/GlobalMessageHandler.h"

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"

namespace zuno {

GlobalMessageHandler& GlobalMessageHandler::getInstance() {
    static GlobalMessageHandler* instance = new GlobalMessageHandler();  // lives for the whole run
    return *instance;
}

void GlobalMessageHandler::onMessage(Message& message) {
    sys::Log::format("message command %d", message._commandId());
}

void GlobalMessageHandler::onConnectionOK() { GlobalService::getInstance().sendClientInformation(); }

void GlobalMessageHandler::onConnectionFail() {}

void GlobalMessageHandler::onDisconnected() { sys::Log::line("da disconnect...."); }

}  // namespace zuno
