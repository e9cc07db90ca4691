#include "games/banker/BankerTableLogicHandler.h"

#include "games/banker/BankerTableScreen.h"
#include "platform/core/Log.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

void BankerTableLogicHandler::setScreenAccess(TableScreenAccess<BankerTableScreen, TienLenPlayerPtr> access) {
    handOver_.setScreenAccess(std::move(access));
}

void BankerTableLogicHandler::onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId,
                                                          int32_t money, std::vector<TienLenPlayerPtr> players) {
    // The table's stake shows as mine until I set my own.
    handOver_.onJoin(roomId, boardId, ownerId, money, std::move(players), nullptr, [money](BankerTableScreen& table) {
        sys::Log::debug("vao game bai cao");
        table.setDisableReady(false);
        table.setMoneyOnBoardWithWho(money, UIController::myId());
        table.setModeWithHas(false);
        table.resetSeat();
    });
}

void BankerTableLogicHandler::onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text,
                                                        int32_t from) {
    handOver_.onChat(roomId, boardId, std::move(text), from);
}

void BankerTableLogicHandler::onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {
    handOver_.onKicked(roomId, boardId, kickedId);
}

void BankerTableLogicHandler::onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) {
    if (!joinPersionInfo) return;
    handOver_.onScreen([seat, player = std::move(joinPersionInfo)](BankerTableScreen& table) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
        player->setIsReady(false);
        table.setAtSeat(seat, player);
        table.resetSeat();
    });
}

void BankerTableLogicHandler::onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) {
    handOver_.onDeparture([idLeave, idNewOwner](BankerTableScreen& table) {
        table.playerLeaveWithId(idLeave);
        table.setOwnerWithNewOwner(idNewOwner);
        table.resetReady();
        table.resetSeat();
    });
}

void BankerTableLogicHandler::onBuzzWithContent(std::string content) { handOver_.onBuzz(std::move(content)); }

void BankerTableLogicHandler::onSomeOneReadyWithId(int32_t playerId, bool isReady) {
    handOver_.onReady(playerId, isReady);
}

void BankerTableLogicHandler::onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money,
                                                         int32_t withWho) {
    handOver_.onTable(roomId, boardId,
                      [money, withWho](BankerTableScreen& table) { table.setMoneyOnBoardWithWho(money, withWho); });
}

void BankerTableLogicHandler::onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                                     std::string des) {
    handOver_.onBonus(roomId, boardId, whoBonus, money, std::move(des));
}

void BankerTableLogicHandler::onDiemSoWithWho(int32_t who, std::string des) {
    handOver_.onScreen([who, des = std::move(des)](BankerTableScreen& table) {
        table.onChatFromWithId(who, std::nullopt, des);
    });
}

void BankerTableLogicHandler::onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove,
                                               std::vector<int8_t> cards) {
    handOver_.onScreen([roomId, boardId, whoMove, cards = std::move(cards)](BankerTableScreen& table) {
        // A move anywhere means a deal runs: no getting ready until the stop.
        table.setDisableReady(true);
        if (table.roomId() == roomId && table.boardId() == boardId) table.moveWithPlayerId(whoMove, cards);
    });
}

void BankerTableLogicHandler::startDeal(int8_t roomId, int8_t boardId, int8_t interval, std::optional<int32_t> whoMove,
                                        std::vector<int8_t> cards) {
    handOver_.onTable(roomId, boardId, [interval, whoMove, cards = std::move(cards)](BankerTableScreen& table) {
        // The ready flags go first: the next deal's ready messages start from nobody ready.
        for (const PlayerPtr& player : table.players())
            if (player) player->setIsReady(false);
        table.startWithInterval(interval, whoMove, cards);
    });
}

void BankerTableLogicHandler::stopDeal(std::vector<BankerHand> hands) {
    handOver_.onScreen([hands = std::move(hands)](BankerTableScreen& table) {
        table.setDisableReady(false);
        table.stopGame();
        table.showCardsWithPlayers(hands);
    });
}

void BankerTableLogicHandler::playingDeal(int8_t roomId, int8_t boardId, int8_t interval,
                                          std::vector<BankerHand> hands) {
    handOver_.onTable(roomId, boardId, [interval, hands = std::move(hands)](BankerTableScreen& table) {
        table.playingWithInterval(interval, hands);
    });
}

}  // namespace zuno
