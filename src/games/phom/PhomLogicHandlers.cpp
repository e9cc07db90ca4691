// Each Phom game's own events on top of the shared hand-over.
#include <algorithm>

#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/phom/PhomTableScreen.h"
#include "platform/core/Log.h"

namespace zuno {

std::shared_ptr<PhomLogicHandler> PhomLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PhomLogicHandler>(std::make_shared<PhomLogicHandler>());
    return *instance;  // lives for the whole run
}

std::shared_ptr<PhomNewLogicHandler> PhomNewLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PhomNewLogicHandler>(std::make_shared<PhomNewLogicHandler>());
    return *instance;  // lives for the whole run
}

// ---- Phom

// The scores are stored whatever the table, before the finish reads them.
void PhomLogicHandler::onFinish(int8_t roomId, int8_t boardId, PhomSeatInts score, PhomLeftoverCards cardR,
                                PhomSeatInts moneyPlayers) {
    handOver_.onScreen([roomId, boardId, score, cardR, moneyPlayers](PhomTableScreen& table) {
        table.setScore(score);
        if (table.roomId() == roomId && table.boardId() == boardId) table.onFinish(score, cardR, moneyPlayers);
    });
}

void PhomLogicHandler::onPlaying(int8_t roomId, int8_t boardId, int8_t interval, int32_t curPlayer, int32_t firPlayer,
                                 PhomFiredCards cardShow, PhomEatenCards cardEat, int32_t firHa) {
    handOver_.onTable(roomId, boardId, [=](PhomTableScreen& table) {
        table.onPlaying(interval, curPlayer, firPlayer, cardShow, cardEat, firHa);
    });
}

void PhomLogicHandler::onGetCard(int8_t roomId, int8_t boardId, uint8_t cardGet) {
    onDrawnCard(roomId, boardId, cardGet);
}

void PhomLogicHandler::onResetPhomEat(int8_t roomId, int8_t boardId, uint8_t isReset) {
    handOver_.onTable(roomId, boardId, [isReset](PhomTableScreen& table) { table.onResetPhomEat(isReset != 0); });
}

void PhomLogicHandler::onDenBai(int8_t roomId, int8_t boardId, int32_t winId, PhomSeatInts orderMoney) {
    handOver_.onTable(roomId, boardId, [winId, orderMoney](PhomTableScreen& table) { table.onDenBai(winId, orderMoney); });
}

// ---- new Phom

namespace {
std::vector<int32_t> widened(const std::vector<int8_t>& ids) { return {ids.begin(), ids.end()}; }
}  // namespace

void PhomNewLogicHandler::onFinish(int8_t roomId, int8_t boardId, int32_t userId, int32_t score,
                                   std::vector<int8_t> cardR, int32_t numCard) {
    handOver_.onTable(roomId, boardId, [userId, score, cards = widened(cardR), numCard](PhomTableScreen& table) {
        table.onFinishNew(score, cards, userId, numCard);
    });
}

void PhomNewLogicHandler::onPlaying(int8_t roomId, int8_t boardId, int8_t interval, int32_t curPlayer,
                                    int32_t firPlayer, PhomFiredCards cardShow, PhomEatenCards cardEat,
                                    PhomSeatInts users) {
    handOver_.onTable(roomId, boardId, [=](PhomTableScreen& table) {
        table.onPlayingNew(interval, curPlayer, firPlayer, cardShow, cardEat, users);
    });
}

// The drawing player's id is not used: the screen knows whose turn it is.
void PhomNewLogicHandler::onGetCard(int8_t roomId, int8_t boardId, int32_t, uint8_t cardGet) {
    onDrawnCard(roomId, boardId, cardGet);
}

void PhomNewLogicHandler::onDenBai(int8_t roomId, int8_t boardId, int32_t winId, int32_t orderMoney) {
    handOver_.onTable(roomId, boardId,
                      [winId, orderMoney](PhomTableScreen& table) { table.onDenBaiNew(winId, orderMoney); });
}

// The refusal is the first step of its main-thread work, like every other screen change.
void PhomNewLogicHandler::onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info) {
    handOver_.onTable(roomId, boardId, [info = std::move(info)](PhomTableScreen& table) { table.moveErrorWithInfo(info); });
}

void PhomNewLogicHandler::onUWithRoomId(int8_t roomId, int8_t boardId, int32_t userId, int8_t u, PhomLaidCards cards,
                                        int32_t lenCard) {
    const auto len = static_cast<size_t>(std::clamp<int32_t>(lenCard, 0, static_cast<int32_t>(cards.size())));
    std::vector<int8_t> laid(cards.begin(), cards.begin() + static_cast<long>(len));
    for (int8_t card : laid) sys::Log::debugFormat("----, %d", card);
    handOver_.onTable(roomId, boardId, [userId, u, laid = std::move(laid)](PhomTableScreen& table) {
        table.onUWithUserID(userId, u, laid, static_cast<int32_t>(laid.size()));
    });
}

void PhomNewLogicHandler::onAddCard(int8_t roomId, int8_t boardId, int32_t userAdd, int8_t cardId,
                                    std::vector<int8_t> cardAdd, int32_t len) {
    const auto kept = static_cast<size_t>(std::clamp<int32_t>(len, 0, static_cast<int32_t>(cardAdd.size())));
    cardAdd.resize(kept);
    handOver_.onTable(roomId, boardId, [userAdd, cardId, cards = widened(cardAdd)](PhomTableScreen& table) {
        table.onAddCard(userAdd, cardId, cards, static_cast<int32_t>(cards.size()));
    });
}

}  // namespace zuno
