#include "games/tienlen/TienLenMessageHandler.h"

#include "games/tienlen/TienLenTableMessages.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

TienLenMessageHandler::TienLenMessageHandler() : logic_(TienLenLogicHandler::getInstance()) {}

void TienLenMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_tienLen"));
}

void TienLenMessageHandler::onMessage(Message& message) { decodeTienLenTableMessage(message, *tienlenLogicHandler()); }

void TienLenMessageHandler::setTienlenLogicHandler(std::shared_ptr<TienLenLogicHandler> handler) {
    logic_.set(handler ? std::move(handler) : TienLenLogicHandler::getInstance());
}

}  // namespace zuno
