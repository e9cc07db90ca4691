#include "games/tienlen/TienLenLogicHandler.h"

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr int8_t kWinnerPosition = 4;
constexpr int8_t kLoserPosition = 3;
}  // namespace

std::shared_ptr<TienLenLogicHandler> TienLenLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<TienLenLogicHandler>(new TienLenLogicHandler());  // whole run
    return *instance;
}

std::shared_ptr<TienLenMBLogicHandler> TienLenMBLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<TienLenMBLogicHandler>(new TienLenMBLogicHandler());  // whole run
    return *instance;
}

void TienLenLogicHandler::setScreenAccess(TienLenScreenAccess access) { handOver_.setScreenAccess(std::move(access)); }

TienLenScreenAccess TienLenLogicHandler::screenAccess() const { return handOver_.screenAccess(); }

TienLenService& TienLenLogicHandler::service() const { return TienLenService::getInstance(); }
TienLenService& TienLenMBLogicHandler::service() const { return TienLenMBService::getInstance(); }

void TienLenLogicHandler::onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                                      Players players) {
    handOver_.onJoinedCardTable(roomId, boardId, ownerId, money, std::move(players), [](const PlayerPtr& mine) {
        PlayerPtr myInfo = UIController::myInfo();
        myInfo->setExp(mine->exp());
        myInfo->setIsReady(false);
    });
}

void TienLenLogicHandler::onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) {
    handOver_.onChat(roomId, boardId, std::move(text), from);
}

void TienLenLogicHandler::onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {
    handOver_.onKicked(roomId, boardId, kickedId);
}

void TienLenLogicHandler::onSomeOneJoinBoardWithSeat(int8_t seat, PlayerPtr joinPersionInfo) {
    // Four places: any other seat number would point outside them.
    if (seat < 0 || seat > 3 || !joinPersionInfo) return;
    handOver_.onScreen([this, seat, player = std::move(joinPersionInfo)](TienLenTableScreen& table) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
        if (!isNorthern()) table.setIsFirstMatch(true);
        player->setIsReady(false);
        table.setAtSeat(seat, player);
        table.resetSeat();
    });
}

void TienLenLogicHandler::onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId) {
    handOver_.onDeparture([this, leaveId, newOwnerId](TienLenTableScreen& table) {
        if (!isNorthern()) table.setIsFirstMatch(true);
        table.playerLeaveWithId(leaveId);
        table.resetReady();
        table.setOwnerWithNewOwner(newOwnerId);
        table.resetSeat();
    });
}

void TienLenLogicHandler::onSomeOneReadyWithId(int32_t playerId, bool isReady) { handOver_.onReady(playerId, isReady); }

void TienLenLogicHandler::onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money) {
    handOver_.onStake(roomId, boardId, money);
}

void TienLenLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, CardIds cards, uint8_t interval,
                                                int32_t whoMoveFirst) {
    handOver_.onTable(roomId, boardId, [this, roomId, boardId, cards = std::move(cards), interval,
                              whoMoveFirst](TienLenTableScreen& table) {
        for (const PlayerPtr& player : table.players()) player->setIsReady(false);
        // The instant-win test reads the flag as it stood before this deal: the northern screen
        // clears it as it starts the deal.
        const bool firstMatch = table.isFirstMatch();
        table.startWithWhoMoveFirst(whoMoveFirst, interval, cards);
        claimInstantWin(roomId, boardId, cards, firstMatch, whoMoveFirst);
    });
}

void TienLenLogicHandler::claimInstantWin(int8_t roomId, int8_t boardId, const CardIds& cards, bool isFirstMatch,
                                          int32_t) const {
    if (CardUtils::checkForceFinishWithCards(cards, isFirstMatch)) service().forceFinishWithRoomId(roomId, boardId);
}

void TienLenMBLogicHandler::claimInstantWin(int8_t roomId, int8_t boardId, const CardIds& cards, bool isFirstMatch,
                                            int32_t whoMoveFirst) const {
    if (CardMBUtils::checkForceFinishWithCards(cards, isFirstMatch)) service().forceFinishWithRoomId(roomId, boardId);
    // The server judges; a hand that passes both tests sends two claims.
    if (CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards) &&
        (isFirstMatch || whoMoveFirst == UIController::myId()))
        service().forceFinishWithRoomId(roomId, boardId);
}

void TienLenLogicHandler::onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, CardIds cards,
                                           int32_t nextMove) {
    handOver_.onScreen([roomId, boardId, whoMove, cards = std::move(cards), nextMove](TienLenTableScreen& table) {
        // A move anywhere means a game runs: no getting ready now.
        table.setDisableReady(true);
        if (table.roomId() == roomId && table.boardId() == boardId) table.moveWithPlayerId(whoMove, cards, nextMove);
    });
}

void TienLenLogicHandler::onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t whoSkip, int32_t nextMove,
                                           bool clearCurrentCards) {
    handOver_.onTable(roomId, boardId, [whoSkip, nextMove, clearCurrentCards](TienLenTableScreen& table) {
        table.skipWithWho(whoSkip, nextMove, clearCurrentCards);
    });
}

void TienLenLogicHandler::onStopGameWithRoomId(int8_t, int8_t, int32_t whoShowCard, CardIds cardsShow) {
    handOver_.onScreen([this, whoShowCard, cards = std::move(cardsShow)](TienLenTableScreen& table) {
        table.setDisableReady(false);
        if (!isNorthern()) table.setIsFirstMatch(false);
        table.stopGame();
        if (whoShowCard != -1) table.showCardsWithWho(whoShowCard, cards, static_cast<int>(cards.size()));
    });
}

void TienLenLogicHandler::onSomeOneFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t whoFinish,
                                                    int8_t position, int32_t money, int32_t exp) {
    handOver_.onTable(roomId, boardId, [whoFinish, position, money, exp](TienLenTableScreen& table) {
        table.finishWithWho(whoFinish, position, money, exp);
    });
}

void TienLenLogicHandler::onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                                 std::string des) {
    handOver_.onBonus(roomId, boardId, whoBonus, money, std::move(des));
}

void TienLenLogicHandler::onForceFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t owner, CardIds cards) {
    handOver_.onTable(roomId, boardId, [owner, cards = std::move(cards)](TienLenTableScreen& table) {
        table.stopGame();
        table.showCardsWithWho(owner, cards, static_cast<int>(cards.size()));
        table.onChatFromWithId(owner, std::nullopt, Resources::getInstance().textForKey("ZUNO_forceFinish"));
        for (const PlayerPtr& player : table.players())
            player->setFinishPosition(player->IDDB() == owner ? kWinnerPosition : kLoserPosition);
    });
}

void TienLenLogicHandler::onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info) {
    handOver_.onTable(roomId, boardId, [info = std::move(info)](TienLenTableScreen& table) { table.moveErrorWithInfo(info); });
}

void TienLenLogicHandler::onBuzzWithContent(std::string content) { handOver_.onBuzz(std::move(content)); }

}  // namespace zuno
