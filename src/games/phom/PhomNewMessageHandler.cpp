#include "games/phom/PhomNewMessageHandler.h"

#include <algorithm>

#include "games/phom/PhomTableMessages.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/CardTableWire.h"

namespace zuno {

namespace {
using namespace cardwire;
using C = PhomCommand;

// What the server says the new-Phom table eats with: always accepted, two own cards.
constexpr bool kEatAccepted = true;
constexpr int8_t kOwnCardsEaten = 2;
constexpr int8_t kEatRowIndex = 0;
// A user slot that no record of a running deal fills.
constexpr int32_t kNoPlayer = 0;
constexpr int32_t kLayDownPlayer = 0;

void decodeStart(Message& message, PhomNewLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    auto interval = static_cast<uint8_t>(readByte(message));
    int32_t whoMoveFirst = message.readInt();
    int32_t firstHa = message.readInt();
    logic.onStartGameWithRoomId(roomId, boardId, readRest(message), interval, whoMoveFirst, firstHa);
}

// One player's result: its leftover card ids run to the end of the message, whatever the count before
// them says; a hand's eleven at most are kept.
void decodeFinish(Message& message, PhomNewLogicHandler& logic) {
    constexpr size_t kMostLeftover = 11;
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t userId = message.readInt();
    int32_t score = message.readInt();
    message.readInt();  // not used
    message.readByte();  // the count
    std::vector<int8_t> cards = readRest(message, kMostLeftover);
    logic.onFinish(roomId, boardId, userId, score, cards, static_cast<int32_t>(cards.size()));
}

// One record per player: its id, its fired cards and its eaten cards. Records past the fourth and
// cards past a row's size are read and ignored.
void decodePlaying(Message& message, PhomNewLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int8_t interval = readByte(message);
    int32_t curPlayer = message.readInt();
    int32_t firPlayer = message.readInt();
    PhomSeatInts users;
    users.fill(kNoPlayer);
    PhomFiredCards cardShow;
    for (auto& row : cardShow) row.fill(-1);
    PhomEatenCards cardEat;
    for (auto& row : cardEat) row.fill(-1);
    for (size_t i = 0; message.available(); ++i) {
        int32_t userId = message.readInt();
        sys::Log::format("UserIndex[%zu]: %d", i, userId);
        int8_t nShow = readByte(message);
        sys::Log::format("UserNumShow[%zu]: %d", i, nShow);
        std::vector<int8_t> shown = readBytes(message, nShow);
        for (int8_t card : shown) sys::Log::format("%d", card);
        int8_t nEat = message.readByte();
        sys::Log::format("UserNumEat[%zu]: %d", i, nEat);
        std::vector<int8_t> eaten = readBytes(message, nEat);
        for (int8_t card : eaten) sys::Log::format("%d", card);
        if (i >= users.size()) continue;
        users[i] = userId;
        std::copy_n(shown.begin(), std::min(shown.size(), cardShow[i].size()), cardShow[i].begin());
        std::copy_n(eaten.begin(), std::min(eaten.size(), cardEat[i].size()), cardEat[i].begin());
    }
    logic.onPlaying(roomId, boardId, interval, curPlayer, firPlayer, cardShow, cardEat, users);
}

void decodeU(Message& message, PhomNewLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t userId = message.readInt();
    int8_t uKind = message.readByte();
    PhomLaidCards cards;
    cards.fill(-1);
    std::vector<int8_t> read = readRest(message, cards.size());
    std::copy(read.begin(), read.end(), cards.begin());
    logic.onUWithRoomId(roomId, boardId, userId, uKind, cards, static_cast<int32_t>(read.size()));
}

void decodeAddCard(Message& message, PhomNewLogicHandler& logic) {
    // No meld takes more cards than a hand holds; the lay-down list's size bounds it.
    constexpr size_t kMostAdded = std::tuple_size_v<PhomLaidCards>;
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t userAdd = message.readInt();
    int8_t cardId = readByte(message);
    std::vector<int8_t> added = readRest(message, kMostAdded);
    const auto len = static_cast<int32_t>(added.size());
    logic.onAddCard(roomId, boardId, userAdd, cardId, std::move(added), len);
}
}  // namespace

void PhomNewMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_phom"));
}

void PhomNewMessageHandler::onMessage(Message& message) {
    std::shared_ptr<PhomNewLogicHandler> logic = phomNewLogicHandler();
    if (decodeSharedPhomMessage(message, *logic, PhomGame::NewPhom)) return;
    switch (message._commandId()) {
        case C::SC_START: guardCase("SC_START_PHOM", [&] { decodeStart(message, *logic); }); break;
        case C::SC_FINISH: guardCase("Server tra ve command SC_FINISH", [&] { decodeFinish(message, *logic); }); break;
        case C::SC_MOVE_ERROR:
            guardCase("SC_MOVE_ERROR", [&] {
                // The table id comes first in this message only.
                int8_t boardId = readByte(message);
                int8_t roomId = readByte(message);
                logic->onMoveErrorWithRoomeId(roomId, boardId, readText(message));
            });
            break;
        case C::SC_PLAYING: guardCase("SC_PLAYING", [&] { decodePlaying(message, *logic); }); break;
        case C::SC_GET_CARD:
            guardCase("SC_GET_CARD 123", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t userId = message.readInt();
                logic->onGetCard(roomId, boardId, userId, static_cast<uint8_t>(readByte(message)));
            });
            break;
        case C::SC_EAT_CARD:
            guardCase("SC_EAT_CARD ", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t firHa = message.readInt();
                logic->onEatCard(roomId, boardId, kEatAccepted, kOwnCardsEaten, firHa, kEatRowIndex);
            });
            break;
        case C::HA_PHOM:
            guardCase("HA_PHOM", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                PhomSeatInts noMoney;
                noMoney.fill(-1);
                logic->onHaPhom(roomId, boardId, true, readLaidCards(message), false, noMoney, kLayDownPlayer);
            });
            break;
        case C::SC_U: guardCase("SC_U", [&] { decodeU(message, *logic); }); break;
        case C::ADD_CARD: guardCase("ADD_CARD", [&] { decodeAddCard(message, *logic); }); break;
        case C::SC_DEN_BAI:
            guardCase(">>>>>>>>>> SC_DEN_BAI", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t winId = message.readInt();
                int32_t orderMoney = message.readInt();
                logic->onDenBai(roomId, boardId, winId, orderMoney);
            });
            break;
        default: break;
    }
}

}  // namespace zuno
