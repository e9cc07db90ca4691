#include "games/covua/CoVuaLogicHandler.h"

#include "games/covua/CoVuaTableScreen.h"

namespace zuno {

namespace {
// The screen of the hand-over is Co Vua's (the registry gives no other to this handler).
CoVuaTableScreen* coVua(BoardTableScreen& table) { return dynamic_cast<CoVuaTableScreen*>(&table); }
}  // namespace

std::shared_ptr<CoVuaLogicHandler> CoVuaLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CoVuaLogicHandler>(new CoVuaLogicHandler());
    return *instance;
}

void CoVuaLogicHandler::onStartGame(int8_t roomId, int8_t boardId, int32_t whoFirst, int32_t interval,
                                    int32_t ownerQquotaTime, int32_t quotaTime) {
    handOver().onTable(roomId, boardId, [=](BoardTableScreen& table) {
        auto* screen = coVua(table);
        if (!screen) return;
        const int32_t owner = table.table().ownerID;
        for (const auto& player : table.table().players)
            if (player && player->IDDB() != -1)
                player->setQuotaTime(player->IDDB() == owner ? ownerQquotaTime : quotaTime);
        screen->startWithMoveFirst(whoFirst, interval);
    });
}

void CoVuaLogicHandler::onMove(int32_t whoMove, int8_t x, int8_t y, int32_t next, int32_t quotaTime) {
    // The announcement carries no table: it goes to the open Co Vua table.
    handOver().onScreen([=](BoardTableScreen& table) {
        auto* screen = coVua(table);
        if (!screen) return;
        if (auto mover = table.table().getPlayerWithID(whoMove)) mover->setQuotaTime(quotaTime);
        screen->moveWithWho(whoMove, x, y, next, quotaTime);
    });
}

void CoVuaLogicHandler::intoPalaceWithWhoMove(int32_t whoMove, int8_t type) {
    handOver().onScreen([=](BoardTableScreen& table) {
        if (auto* screen = coVua(table)) screen->intoPalaceWithWhoMove(whoMove, type);
    });
}

void CoVuaLogicHandler::setElevateIndex(int8_t index) {
    handOver().onScreen([=](BoardTableScreen& table) {
        if (auto* screen = coVua(table)) screen->setElevateIndex(index);
    });
}

void CoVuaLogicHandler::setFindKing(int8_t side) {
    handOver().onScreen([=](BoardTableScreen& table) {
        if (auto* screen = coVua(table)) screen->setFindKing(side);
    });
}

void CoVuaLogicHandler::fElevate(int32_t playerId) {
    handOver().onScreen([=](BoardTableScreen& table) {
        if (auto* screen = coVua(table)) screen->fElevate(playerId);
    });
}

}  // namespace zuno
