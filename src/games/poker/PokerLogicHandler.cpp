#include "games/poker/PokerLogicHandler.h"

namespace zuno {

std::shared_ptr<PokerLogicHandler> PokerLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PokerLogicHandler>(std::make_shared<PokerLogicHandler>());
    return *instance;  // lives for the whole run
}

}  // namespace zuno
