#include "client/Games.h"

#include "games/banker/BankerGames.h"
#include "games/blocks/BlocksGames.h"
#include "games/caro/CaroGames.h"
#include "games/cotuong/CoTuongGames.h"
#include "games/covua/CoVuaGames.h"
#include "games/phom/PhomGames.h"
#include "games/poker/PokerGames.h"
#include "games/tienlen/TienLenGames.h"
#include "lobby/GameRegistry.h"
#include "lobby/GlobalLogicHandler.h"

namespace zuno {

void describeGames() {
    for (auto describe : {tienLenGame, phomGame, phomNewGame, coTuongGame, coVuaGame, baiCaoGame, xiZachGame,
                          caroGame, tienLenMBGame, blocksGame, pokerGame})
        GameRegistry::add(describe());
}

void registerGameMessageHandlers() {
    for (const GameDescriptor* game : GameRegistry::games())
        if (game->messageHandler) GlobalLogicHandler::addGameMessageHandler(game->messageHandler());
}

}  // namespace zuno
