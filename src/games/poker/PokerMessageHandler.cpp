#include "games/poker/PokerMessageHandler.h"

#include "screens/BoardView.h"

namespace zuno {

std::shared_ptr<PokerMessageHandler> PokerMessageHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<PokerMessageHandler>(new PokerMessageHandler());
    return *instance;
}

void PokerMessageHandler::onPostSetupGameType() {
    BoardView::setType(3);  // the Poker table list
}

void PokerMessageHandler::onMessage(Message&) {}

}  // namespace zuno
