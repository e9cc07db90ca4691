#include "games/tienlen/TienLenMBMessageHandler.h"

#include "games/tienlen/TienLenTableMessages.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

TienLenMBMessageHandler::TienLenMBMessageHandler() : logic_(TienLenMBLogicHandler::getInstance()) {}

void TienLenMBMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_tienLen"));
}

void TienLenMBMessageHandler::onMessage(Message& message) { decodeTienLenTableMessage(message, *tienlenMBLogicHandler()); }

void TienLenMBMessageHandler::setTienlenMBLogicHandler(std::shared_ptr<TienLenLogicHandler> handler) {
    logic_.set(handler ? std::move(handler) : TienLenMBLogicHandler::getInstance());
}

}  // namespace zuno
