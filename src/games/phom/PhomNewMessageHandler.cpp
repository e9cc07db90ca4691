#include "games/phom/PhomNewMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<PhomNewMessageHandler> PhomNewMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<PhomNewMessageHandler>(new PhomNewMessageHandler());
    return *instance;
}

void PhomNewMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_phom"));
}

void PhomNewMessageHandler::onMessage(Message&) {}

}  // namespace zuno
