#include "games/caro/CaroMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<CaroMessageHandler> CaroMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CaroMessageHandler>(new CaroMessageHandler());
    return *instance;
}

void CaroMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_caro"));
}

void CaroMessageHandler::onMessage(Message&) {}

}  // namespace zuno
