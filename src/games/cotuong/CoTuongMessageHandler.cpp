#include "games/cotuong/CoTuongMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<CoTuongMessageHandler> CoTuongMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CoTuongMessageHandler>(new CoTuongMessageHandler());
    return *instance;
}

void CoTuongMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_coTuong"));
}

void CoTuongMessageHandler::onMessage(Message&) {}

}  // namespace zuno
