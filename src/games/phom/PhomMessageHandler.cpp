#include "games/phom/PhomMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<PhomMessageHandler> PhomMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<PhomMessageHandler>(new PhomMessageHandler());
    return *instance;
}

void PhomMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_phom"));
}

void PhomMessageHandler::onMessage(Message&) {}

}  // namespace zuno
