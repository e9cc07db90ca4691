#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"

namespace zuno {

std::shared_ptr<PhomLogicHandler> PhomLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PhomLogicHandler>(std::make_shared<PhomLogicHandler>());
    return *instance;  // lives for the whole run
}

std::shared_ptr<PhomNewLogicHandler> PhomNewLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PhomNewLogicHandler>(std::make_shared<PhomNewLogicHandler>());
    return *instance;  // lives for the whole run
}

}  // namespace zuno
