#include "games/GameMessageHandlers.h"

#include "games/banker/BaiCaoMessageHandler.h"
#include "games/banker/XiZachMessageHandler.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/covua/CoVuaMessageHandler.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomNewMessageHandler.h"
#include "games/poker/PokerMessageHandler.h"
#include "games/tienlen/TienLenMBMessageHandler.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "lobby/GlobalLogicHandler.h"

namespace zuno {

void registerGameMessageHandlers() {
    GlobalLogicHandler::addGameMessageHandler(TienLenMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(PhomMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(PhomNewMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(CoTuongMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(CoVuaMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(BaiCaoMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(XiZachMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(CaroMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(TienLenMBMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(BlocksMessageHandler::getInstance());
    GlobalLogicHandler::addGameMessageHandler(PokerMessageHandler::getInstance());
}

}  // namespace zuno
