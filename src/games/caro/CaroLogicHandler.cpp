#include "games/caro/CaroLogicHandler.h"

namespace zuno {

std::shared_ptr<CaroLogicHandler> CaroLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CaroLogicHandler>(new CaroLogicHandler());
    return *instance;
}

}  // namespace zuno
