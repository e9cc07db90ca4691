#include "games/phom/PhomService.h"

#include "games/phom/PhomRequestBytes.h"
#include "games/phom/PhomTableMessages.h"
#include "games/phom/PhomWrite.h"

namespace zuno {

namespace {
constexpr size_t kEatSlots = 5;
}  // namespace

PhomService& PhomService::getInstance() {
    static PhomService* instance = new PhomService();  // lives for the whole run
    return *instance;
}

void PhomService::fire(int8_t roomId, int8_t boardId, int8_t cards) {
    sendTableRequest(PhomCommand::SC_MOVE, roomId, boardId, [&](Message& m) { m.writeByte(cards); });
}

void PhomService::skipWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(PhomCommand::SC_SKIP, roomId, boardId); }

void PhomService::setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(PhomCommand::CS_SET_MAX_PLAYER, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

void PhomService::getCard(int8_t roomId, int8_t boardId) { sendTableRequest(PhomCommand::SC_GET_CARD, roomId, boardId); }

void PhomService::eatCard(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t idx) {
    sendTableRequest(PhomCommand::SC_EAT_CARD, roomId, boardId, [&](Message& m) {
        requireSlots(cards, kEatSlots);
        for (size_t i = 0; i < kEatSlots; ++i) m.writeByte(cards[i]);
        m.writeByte(idx);
    });
}

void PhomService::haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    send(PhomCommand::HA_PHOM, [&](Message& m) { writeBytes(m, PhomRequestBytes::haPhom(roomId, boardId, cards)); });
}

void PhomService::doResetPhomEat(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t cardEat) {
    send(PhomCommand::SC_RESET_PHOM_EAT,
         [&](Message& m) { writeBytes(m, PhomRequestBytes::doResetPhomEat(roomId, boardId, cards, cardEat)); });
}

}  // namespace zuno
