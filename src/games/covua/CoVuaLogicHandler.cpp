#include "games/covua/CoVuaLogicHandler.h"

namespace zuno {

std::shared_ptr<CoVuaLogicHandler> CoVuaLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CoVuaLogicHandler>(new CoVuaLogicHandler());
    return *instance;
}

}  // namespace zuno
