#include "games/tienlen/TienLenMBMessageHandler.h"

#include "games/tienlen/TienLenTableMessages.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<TienLenMBMessageHandler> TienLenMBMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<TienLenMBMessageHandler>(new TienLenMBMessageHandler());
    return *instance;
}

TienLenMBMessageHandler::TienLenMBMessageHandler() : tienlenMBLogicHandler_(TienLenMBLogicHandler::getInstance()) {}

void TienLenMBMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_tienLen"));
}

void TienLenMBMessageHandler::onMessage(Message& message) { decodeTienLenTableMessage(message, *tienlenMBLogicHandler()); }

std::shared_ptr<TienLenLogicHandler> TienLenMBMessageHandler::tienlenMBLogicHandler() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return tienlenMBLogicHandler_;
}

void TienLenMBMessageHandler::setTienlenMBLogicHandler(std::shared_ptr<TienLenLogicHandler> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    tienlenMBLogicHandler_ = handler ? std::move(handler) : TienLenMBLogicHandler::getInstance();
}

}  // namespace zuno
