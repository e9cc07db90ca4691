#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/XiZachLogicHandler.h"

namespace zuno {

std::shared_ptr<BaiCaoLogicHandler> BaiCaoLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<BaiCaoLogicHandler>(std::make_shared<BaiCaoLogicHandler>());
    return *instance;  // lives for the whole run
}

std::shared_ptr<XiZachLogicHandler> XiZachLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<XiZachLogicHandler>(std::make_shared<XiZachLogicHandler>());
    return *instance;  // lives for the whole run
}

}  // namespace zuno
