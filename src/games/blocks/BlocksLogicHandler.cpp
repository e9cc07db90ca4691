#include "games/blocks/BlocksLogicHandler.h"

namespace zuno {

std::shared_ptr<BlocksLogicHandler> BlocksLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<BlocksLogicHandler>(new BlocksLogicHandler());
    return *instance;
}

}  // namespace zuno
