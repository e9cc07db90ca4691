#include "games/phom/PhomNewService.h"

#include "games/phom/PhomRequestBytes.h"
#include "games/phom/PhomTableMessages.h"
#include "games/phom/PhomWrite.h"

namespace zuno {

namespace {
constexpr size_t kEatCards = 2;
}  // namespace

PhomNewService& PhomNewService::getInstance() {
    static PhomNewService* instance = new PhomNewService();  // lives for the whole run
    return *instance;
}

void PhomNewService::fire(int8_t roomId, int8_t boardId, int8_t cards) {
    sendTableRequest(PhomCommand::SC_MOVE, roomId, boardId, [&](Message& m) { m.writeByte(cards); });
}

void PhomNewService::skipWithRoomId(int8_t roomId, int8_t boardId) {
    sendTableRequest(PhomCommand::SC_SKIP, roomId, boardId);
}

void PhomNewService::setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(PhomCommand::CS_SET_MAX_PLAYER, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

void PhomNewService::getCard(int8_t roomId, int8_t boardId) {
    sendTableRequest(PhomCommand::SC_GET_CARD, roomId, boardId);
}

void PhomNewService::eatCard(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t idx) {
    sendTableRequest(PhomCommand::SC_EAT_CARD, roomId, boardId, [&](Message& m) {
        requireSlots(cards, kEatCards);
        m.writeByte(idx);
        m.writeByte(cards[0]);
        m.writeByte(cards[1]);
    });
}

void PhomNewService::haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    send(PhomCommand::HA_PHOM, [&](Message& m) { writeBytes(m, PhomNewRequestBytes::haPhom(roomId, boardId, cards)); });
}

void PhomNewService::addCard(int8_t roomId, int8_t boardID, std::span<const PhomCard> cards) {
    sendTableRequest(PhomCommand::ADD_CARD, roomId, boardID, [&](Message& m) {
        for (const PhomCard& card : cards) m.writeByte(card.cardID);
    });
}

void PhomNewService::doResetPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    send(PhomCommand::SC_RESET_PHOM_EAT,
         [&](Message& m) { writeBytes(m, PhomNewRequestBytes::doResetPhom(roomId, boardId, cards)); });
}

}  // namespace zuno
