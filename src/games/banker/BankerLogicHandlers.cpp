// Each banker game's own events on top of the shared hand-over.
#include <algorithm>

#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/BankerTableScreen.h"
#include "games/banker/XiZachLogicHandler.h"

namespace zuno {

std::shared_ptr<BaiCaoLogicHandler> BaiCaoLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<BaiCaoLogicHandler>(std::make_shared<BaiCaoLogicHandler>());
    return *instance;  // lives for the whole run
}

std::shared_ptr<XiZachLogicHandler> XiZachLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<XiZachLogicHandler>(std::make_shared<XiZachLogicHandler>());
    return *instance;  // lives for the whole run
}

namespace {

std::vector<BankerHand> baiCaoHands(const std::vector<BaiCaoLogicHandler::Record>& records) {
    std::vector<BankerHand> hands;
    for (const auto& record : records) {
        BankerHand hand{record[0], {}};
        for (size_t i = 1; i < record.size(); ++i) hand.cards.push_back(static_cast<int8_t>(record[i]));
        hands.push_back(std::move(hand));
    }
    return hands;
}

// A record's count says how many of its five places hold cards.
std::vector<BankerHand> xiZachHands(const std::vector<XiZachLogicHandler::Record>& records) {
    std::vector<BankerHand> hands;
    for (const auto& record : records) {
        BankerHand hand{record[0], {}};
        const int32_t count = std::clamp<int32_t>(record[1], 0, static_cast<int32_t>(record.size()) - 2);
        for (int32_t i = 0; i < count; ++i) hand.cards.push_back(static_cast<int8_t>(record[2 + i]));
        hands.push_back(std::move(hand));
    }
    return hands;
}

}  // namespace

// ---- Bai Cao

void BaiCaoLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> cards,
                                               int8_t interval) {
    startDeal(roomId, boardId, interval, std::nullopt, std::move(cards));
}

void BaiCaoLogicHandler::onStopGameWithRoomId(int8_t, int8_t, int32_t, std::vector<Record> withCards) {
    stopDeal(baiCaoHands(withCards));
}

void BaiCaoLogicHandler::onPlayingWithRoomId(int8_t roomId, int8_t boardId, int8_t withInterval, int32_t,
                                             std::vector<Record> withCards) {
    playingDeal(roomId, boardId, withInterval, baiCaoHands(withCards));
}

// ---- Xi Zach

void XiZachLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove,
                                               std::vector<int8_t> cards, int8_t interval) {
    startDeal(roomId, boardId, interval, whoMove, std::move(cards));
}

void XiZachLogicHandler::onGetCardWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t cards) {
    handOver_.onTable(roomId, boardId,
                      [whoMove, cards](BankerTableScreen& table) { table.getCardWithPlayerId(whoMove, cards); });
}

void XiZachLogicHandler::onGetRemainTimeWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t remainTime) {
    handOver_.onTable(roomId, boardId, [whoMove, remainTime](BankerTableScreen& table) {
        table.getRemainTimeWithPlayerId(whoMove, remainTime);
    });
}

void XiZachLogicHandler::onStopGameWithRoomId(int8_t, int8_t, int32_t, std::vector<Record> withCards) {
    stopDeal(xiZachHands(withCards));
}

void XiZachLogicHandler::onPlayingWithRoomId(int8_t roomId, int8_t boardId, int8_t withInterval, int32_t,
                                             std::vector<Record> withCards) {
    playingDeal(roomId, boardId, withInterval, xiZachHands(withCards));
}

}  // namespace zuno
