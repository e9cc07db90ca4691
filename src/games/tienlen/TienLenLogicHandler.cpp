#include "games/tienlen/TienLenLogicHandler.h"

#include <algorithm>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
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

void TienLenLogicHandler::setScreenAccess(TienLenScreenAccess access) {
    std::lock_guard<std::mutex> lock(mutex_);
    access_ = std::move(access);
}

TienLenScreenAccess TienLenLogicHandler::screenAccess() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return access_;
}

std::shared_ptr<TienLenTableScreen> TienLenLogicHandler::screen() const {
    TienLenScreenAccess access = screenAccess();
    return access.screen ? access.screen() : nullptr;
}

void TienLenLogicHandler::onScreen(ScreenWork work) const {
    sys::RunLoop::main().post([this, work = std::move(work)] {
        if (auto table = screen()) work(*table);
    });
}

void TienLenLogicHandler::onTable(int8_t roomId, int8_t boardId, ScreenWork work) const {
    onScreen([roomId, boardId, work = std::move(work)](TienLenTableScreen& table) {
        if (table.roomId() == roomId && table.boardId() == boardId) work(table);
    });
}

TienLenService& TienLenLogicHandler::service() const { return TienLenService::getInstance(); }
TienLenService& TienLenMBLogicHandler::service() const { return TienLenMBService::getInstance(); }

void TienLenLogicHandler::onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                                      Players players) {
    sys::RunLoop::main().post([this, roomId, boardId, ownerId, money, players = std::move(players)] {
        const int32_t me = UIController::myId();
        PlayerPtr myInfo = UIController::myInfo();
        for (const PlayerPtr& player : players) {
            if (player->IDDB() == ownerId) player->setIsReady(true);
            if (myInfo && player->IDDB() == me) {
                myInfo->setExp(player->exp());
                myInfo->setMoney(player->money());
                myInfo->setIsReady(false);
            }
        }
        TienLenScreenAccess access = screenAccess();
        if (access.showScreen) access.showScreen(roomId, boardId, ownerId, money, players);
        auto table = screen();
        if (!table) return;
        table->setIsFirstMatch(true);
        table->setDisableReady(false);
        table->setModeWithHas(false);
        table->resetSeat();
    });
}

void TienLenLogicHandler::onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) {
    onTable(roomId, boardId, [text = std::move(text), from](TienLenTableScreen& table) {
        table.onChatFromWithId(from, std::nullopt, text);
    });
}

void TienLenLogicHandler::onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {
    onTable(roomId, boardId, [this, kickedId](TienLenTableScreen& table) {
        table.playerLeaveWithId(kickedId);
        if (kickedId != UIController::myId()) {
            table.resetSeat();
            return;
        }
        leaveKickedTable(table);
        UIController::setOkValue(UIController::okKicked);
        UIController::startOKDlg(Resources::getInstance().textForKey("ZUNO_youAreKicked"));
    });
}

// Back to the screen below the table, wherever the table stands in the stack; a table no longer in
// the stack leaves the stack as it is.
void TienLenLogicHandler::leaveKickedTable(TienLenTableScreen& table) const {
    TienLenScreenAccess access = screenAccess();
    auto navigation = access.navigation ? access.navigation() : nullptr;
    const auto* controller = dynamic_cast<const ui::ViewController*>(&table);
    if (!navigation || !controller) return;
    const auto& stack = navigation->viewControllers();
    if (!stack.empty() && stack.back().get() == controller) {
        navigation->popViewControllerAnimated(true);
        return;
    }
    for (size_t i = stack.size(); i-- > 1;) {
        if (stack[i].get() == controller) {
            navigation->popToViewController(stack[i - 1].get(), true);
            return;
        }
    }
}

void TienLenLogicHandler::onSomeOneJoinBoardWithSeat(int8_t seat, PlayerPtr joinPersionInfo) {
    // Four places: any other seat number would point outside them.
    if (seat < 0 || seat > 3 || !joinPersionInfo) return;
    onScreen([this, seat, player = std::move(joinPersionInfo)](TienLenTableScreen& table) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
        if (!isNorthern()) table.setIsFirstMatch(true);
        player->setIsReady(false);
        table.setAtSeat(seat, player);
        table.resetSeat();
    });
}

void TienLenLogicHandler::onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId) {
    sys::RunLoop::main().postAndWait([this, leaveId, newOwnerId] {
        auto table = screen();
        if (!table) return;
        if (!isNorthern()) table->setIsFirstMatch(true);
        table->playerLeaveWithId(leaveId);
        table->resetReady();
        table->setOwnerWithNewOwner(newOwnerId);
        table->resetSeat();
    });
}

void TienLenLogicHandler::onSomeOneReadyWithId(int32_t playerId, bool isReady) {
    onScreen([playerId, isReady](TienLenTableScreen& table) {
        table.setReadyWithPlayerId(playerId, isReady);
        table.resetSeat();
    });
}

void TienLenLogicHandler::onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money) {
    onTable(roomId, boardId, [money](TienLenTableScreen& table) { table.setMoneyOnBoard(money); });
}

void TienLenLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, CardIds cards, uint8_t interval,
                                                int32_t whoMoveFirst) {
    onTable(roomId, boardId, [this, roomId, boardId, cards = std::move(cards), interval,
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
    onScreen([roomId, boardId, whoMove, cards = std::move(cards), nextMove](TienLenTableScreen& table) {
        // A move anywhere means a game runs: no getting ready now.
        table.setDisableReady(true);
        if (table.roomId() == roomId && table.boardId() == boardId) table.moveWithPlayerId(whoMove, cards, nextMove);
    });
}

void TienLenLogicHandler::onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t whoSkip, int32_t nextMove,
                                           bool clearCurrentCards) {
    onTable(roomId, boardId, [whoSkip, nextMove, clearCurrentCards](TienLenTableScreen& table) {
        table.skipWithWho(whoSkip, nextMove, clearCurrentCards);
    });
}

void TienLenLogicHandler::onStopGameWithRoomId(int8_t, int8_t, int32_t whoShowCard, CardIds cardsShow) {
    onScreen([this, whoShowCard, cards = std::move(cardsShow)](TienLenTableScreen& table) {
        table.setDisableReady(false);
        if (!isNorthern()) table.setIsFirstMatch(false);
        table.stopGame();
        if (whoShowCard != -1) table.showCardsWithWho(whoShowCard, cards, static_cast<int>(cards.size()));
    });
}

void TienLenLogicHandler::onSomeOneFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t whoFinish,
                                                    int8_t position, int32_t money, int32_t exp) {
    onTable(roomId, boardId, [whoFinish, position, money, exp](TienLenTableScreen& table) {
        table.finishWithWho(whoFinish, position, money, exp);
    });
}

void TienLenLogicHandler::onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                                 std::string des) {
    if (money == 0) return;
    onTable(roomId, boardId, [whoBonus, money, des = std::move(des)](TienLenTableScreen& table) {
        PlayerPtr myInfo = UIController::myInfo();
        if (myInfo && whoBonus == myInfo->IDDB()) myInfo->addMoney(money);
        const Players players = table.players();
        const auto receiver = std::find_if(players.begin(), players.end(),
                                           [whoBonus](const PlayerPtr& p) { return p->IDDB() == whoBonus; });
        if (receiver == players.end() || (*receiver)->name().empty()) return;
        table.onChatFromWithId(whoBonus, std::nullopt, des);
        table.showFlyTextWirhFromId(whoBonus, money);
        table.updateMoneyForPlayer(whoBonus, money);
    });
}

void TienLenLogicHandler::onForceFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t owner, CardIds cards) {
    onTable(roomId, boardId, [owner, cards = std::move(cards)](TienLenTableScreen& table) {
        table.stopGame();
        table.showCardsWithWho(owner, cards, static_cast<int>(cards.size()));
        table.onChatFromWithId(owner, std::nullopt, Resources::getInstance().textForKey("ZUNO_forceFinish"));
        for (const PlayerPtr& player : table.players())
            player->setFinishPosition(player->IDDB() == owner ? kWinnerPosition : kLoserPosition);
    });
}

void TienLenLogicHandler::onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info) {
    onTable(roomId, boardId, [info = std::move(info)](TienLenTableScreen& table) { table.moveErrorWithInfo(info); });
}

void TienLenLogicHandler::onBuzzWithContent(std::string content) {
    onScreen([content = std::move(content)](TienLenTableScreen& table) { table.onBuzzWithContent(content); });
}

}  // namespace zuno
