#include "games/banker/XiZachMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<XiZachMessageHandler> XiZachMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<XiZachMessageHandler>(new XiZachMessageHandler());
    return *instance;
}

void XiZachMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_xiZach"));
}

void XiZachMessageHandler::onMessage(Message&) {}

}  // namespace zuno
