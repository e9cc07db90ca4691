#include "games/cotuong/CoTuongLogicHandler.h"

namespace zuno {

std::shared_ptr<CoTuongLogicHandler> CoTuongLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CoTuongLogicHandler>(new CoTuongLogicHandler());
    return *instance;
}

}  // namespace zuno
