#include "games/banker/BaiCaoMessageHandler.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<BaiCaoMessageHandler> BaiCaoMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<BaiCaoMessageHandler>(new BaiCaoMessageHandler());
    return *instance;
}

void BaiCaoMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_baicao"));
}

void BaiCaoMessageHandler::onMessage(Message&) {}

}  // namespace zuno
