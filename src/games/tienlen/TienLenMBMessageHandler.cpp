#include "games/tienlen/TienLenMBMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<TienLenMBMessageHandler> TienLenMBMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<TienLenMBMessageHandler>(new TienLenMBMessageHandler());
    return *instance;
}

void TienLenMBMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_tienLen"));
}

void TienLenMBMessageHandler::onMessage(Message&) {}

}  // namespace zuno
