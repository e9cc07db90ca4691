#include "games/blocks/BlocksMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<BlocksMessageHandler> BlocksMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<BlocksMessageHandler>(new BlocksMessageHandler());
    return *instance;
}

void BlocksMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_blocks"));
}

void BlocksMessageHandler::onMessage(Message&) {}

}  // namespace zuno
