#include "games/phom/PhomTableLogicHandler.h"

#include "games/phom/PhomTableScreen.h"
#include "platform/core/Log.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

void PhomTableLogicHandler::setScreenAccess(TableScreenAccess<PhomTableScreen, TienLenPlayerPtr> access) {
    handOver_.setScreenAccess(std::move(access));
}

void PhomTableLogicHandler::onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                                        std::vector<TienLenPlayerPtr> players) {
    handOver_.onJoinedCardTable(roomId, boardId, ownerId, money, std::move(players));
}

void PhomTableLogicHandler::onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) {
    handOver_.onChat(roomId, boardId, std::move(text), from);
}

void PhomTableLogicHandler::onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {
    handOver_.onKicked(roomId, boardId, kickedId);
}

void PhomTableLogicHandler::onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) {
    if (!joinPersionInfo) return;
    handOver_.onScreen([seat, player = std::move(joinPersionInfo)](PhomTableScreen& table) {
        table.setIsFirstMatch(true);
        player->setIsReady(false);
        table.setAtSeat(seat, player);
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    });
}

void PhomTableLogicHandler::onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) {
    if (logsSteps()) sys::Log::debug("vao day so 1");
    handOver_.onDeparture([this, idLeave, idNewOwner](PhomTableScreen& table) {
        if (logsSteps()) sys::Log::debug("vao day so 2");
        table.setIsFirstMatch(true);
        table.playerLeaveWithId(idLeave);
        table.resetReady();
        table.setOwnerWithNewOwner(idNewOwner);
        table.resetSeat();
    });
}

void PhomTableLogicHandler::onBuzzWithContent(std::string content) { handOver_.onBuzz(std::move(content)); }

void PhomTableLogicHandler::onSomeOneReadyWithId(int32_t playerId, bool isReady) {
    handOver_.onReady(playerId, isReady);
}

void PhomTableLogicHandler::onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money) {
    handOver_.onStake(roomId, boardId, money);
}

void PhomTableLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> cards,
                                                  uint8_t interval, int32_t whoMoveFirst, int32_t firstHa) {
    handOver_.onTable(roomId, boardId, [cards = std::move(cards), interval, whoMoveFirst,
                                        firstHa](PhomTableScreen& table) {
        // The ready flags go first: the deal is drawn with nobody ready.
        for (const PlayerPtr& player : table.players())
            if (player) player->setIsReady(false);
        table.start(static_cast<int8_t>(interval), cards, whoMoveFirst, firstHa);
    });
}

void PhomTableLogicHandler::onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t currentP, int32_t firstP,
                                             int8_t cardFire, int8_t numCard) {
    handOver_.onTable(roomId, boardId, [currentP, firstP, cardFire, numCard](PhomTableScreen& table) {
        table.onFire(currentP, firstP, cardFire, numCard);
    });
}

void PhomTableLogicHandler::onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t curPlayer, int32_t firHa) {
    handOver_.onTable(roomId, boardId,
                      [curPlayer, firHa](PhomTableScreen& table) { table.onSkipPlayer(curPlayer, firHa); });
}

void PhomTableLogicHandler::onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                                   std::string des) {
    handOver_.onBonus(roomId, boardId, whoBonus, money, std::move(des));
}

void PhomTableLogicHandler::onOnceWin(int8_t roomId, int8_t boardId, int32_t money) {
    handOver_.onTable(roomId, boardId, [money](PhomTableScreen& table) { table.onOnceWin(money); });
}

void PhomTableLogicHandler::onEatCard(int8_t roomId, int8_t boardId, bool isEat, int8_t numEat, int32_t firHa,
                                      int8_t nCard) {
    if (logsSteps()) sys::Log::debug("vao ham onEatCard");
    handOver_.onScreen([this, roomId, boardId, isEat, numEat, firHa, nCard](PhomTableScreen& table) {
        if (logsSteps()) sys::Log::debugFormat("onEatCardControllerGetCard Logic: firHa = %d", firHa);
        if (table.roomId() == roomId && table.boardId() == boardId) table.onEatCard(isEat, numEat, firHa, nCard);
    });
}

void PhomTableLogicHandler::onHaPhom(int8_t roomId, int8_t boardId, bool isHa, PhomLaidCards mCard, bool isU,
                                     PhomSeatInts orderMoney, int32_t curID) {
    handOver_.onTable(roomId, boardId, [isHa, mCard, isU, orderMoney, curID](PhomTableScreen& table) {
        table.onHaPhom(isHa, mCard, isU, orderMoney, curID);
    });
}

void PhomTableLogicHandler::onDrawnCard(int8_t roomId, int8_t boardId, uint8_t card) {
    if (logsSteps()) sys::Log::debug("vao ham onGetCard");
    handOver_.onScreen([roomId, boardId, card](PhomTableScreen& table) {
        // A draw anywhere means a deal runs: no getting ready now.
        table.setDisableReady(true);
        if (table.roomId() == roomId && table.boardId() == boardId) table.onGetCard(card);
    });
}

}  // namespace zuno
