#include "games/tienlen/TienLenMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<TienLenMessageHandler> TienLenMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<TienLenMessageHandler>(new TienLenMessageHandler());
    return *instance;
}

void TienLenMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_tienLen"));
}

void TienLenMessageHandler::onMessage(Message&) {}

}  // namespace zuno
