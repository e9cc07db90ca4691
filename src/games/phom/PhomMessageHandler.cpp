#include "games/phom/PhomMessageHandler.h"

#include "games/phom/PhomTableMessages.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/CardTableWire.h"

namespace zuno {

namespace {
using namespace cardwire;
using C = PhomCommand;

constexpr int kDealCards = 9;
constexpr int8_t kRowEnd = -1;
constexpr int8_t kEatenRowEnd = -2;  // ends an eaten row like -1
constexpr int kLastRow = 3;

void decodeStart(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    auto interval = static_cast<uint8_t>(readByte(message));
    std::vector<int8_t> cards = readBytes(message, kDealCards);
    int32_t whoMoveFirst = message.readInt();
    int32_t firstHa = message.readInt();
    logic.onStartGameWithRoomId(roomId, boardId, std::move(cards), interval, whoMoveFirst, firstHa);
}

// The leftover cards: rows split by -1; a -1 in the last row restarts it, and a row's eleventh and
// later cards overwrite its last slot.
PhomLeftoverCards readLeftovers(Message& message) {
    PhomLeftoverCards cardR;
    for (auto& row : cardR) row.fill(-1);
    size_t r = 0, c = 0;
    const size_t lastColumn = cardR[0].size() - 1;
    while (message.available()) {
        int8_t b = message.readByte();
        if (b == kRowEnd) {
            if (r < kLastRow) ++r;
            c = 0;
            continue;
        }
        cardR[r][c] = b;
        if (c < lastColumn) ++c;
    }
    return cardR;
}

void decodeFinish(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    PhomSeatInts moneyPlayers, score;
    for (int32_t& m : moneyPlayers) m = message.readInt();
    for (int32_t& s : score) s = message.readInt();
    PhomLeftoverCards cardR = readLeftovers(message);
    logic.onFinish(roomId, boardId, score, cardR, moneyPlayers);
}

void decodePlaying(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int8_t interval = readByte(message);
    int32_t curPlayer = message.readInt();
    int32_t firPlayer = message.readInt();
    int32_t firHa = message.readInt();

    PhomEatenCards cardEat;
    for (auto& row : cardEat) {
        row.fill(-1);
        for (size_t stored = 0; stored < row.size();) {
            int8_t b = readByte(message);
            if (b == kRowEnd || b == kEatenRowEnd) break;
            row[stored++] = b;
        }
    }

    // Fired cards: rows split by -1 but for the last, which stores a -1 like a card; a row's fifth and
    // later cards overwrite its last slot.
    PhomFiredCards cardShow;
    for (auto& row : cardShow) row.fill(-1);
    size_t r = 0, c = 0;
    const size_t lastColumn = cardShow[0].size() - 1;
    while (message.available()) {
        int8_t b = message.readByte();
        if (b == kRowEnd && r < kLastRow) {
            ++r;
            c = 0;
            continue;
        }
        cardShow[r][c] = b;
        if (c < lastColumn) ++c;
    }
    logic.onPlaying(roomId, boardId, interval, curPlayer, firPlayer, cardShow, cardEat, firHa);
}

void decodeEatCard(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t firHa = message.readInt();
    bool isEat = message.readBool();
    int8_t numEat = isEat ? readByte(message) : 0;
    int8_t nCard = message.readByte();
    logic.onEatCard(roomId, boardId, isEat, numEat, firHa, nCard);
}

void decodeHaPhom(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t curID = message.readInt();
    bool isHa = message.readBool();
    bool isU = message.readBool();
    PhomSeatInts orderMoney;
    orderMoney.fill(-1);
    PhomLaidCards mCard;
    mCard.fill(-1);
    for (int32_t& money : orderMoney) {
        // A lay-down that ends inside its money list is passed on as it stands, without cards.
        if (!message.available()) {
            logic.onHaPhom(roomId, boardId, isHa, mCard, isU, orderMoney, curID);
            return;
        }
        money = message.readInt();
    }
    mCard = readLaidCards(message);
    logic.onHaPhom(roomId, boardId, isHa, mCard, isU, orderMoney, curID);
}

void decodeDenBai(Message& message, PhomLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int32_t winId = message.readInt();
    PhomSeatInts orderMoney;
    for (int32_t& m : orderMoney) m = message.readInt();
    logic.onDenBai(roomId, boardId, winId, orderMoney);
}
}  // namespace

void PhomMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_phom"));
}

void PhomMessageHandler::onMessage(Message& message) {
    std::shared_ptr<PhomLogicHandler> logic = phomLogicHandler();
    if (decodeSharedPhomMessage(message, *logic, PhomGame::Phom)) return;
    switch (message._commandId()) {
        case C::SC_START: guardCase("SC_START_PHOM", [&] { decodeStart(message, *logic); }); break;
        case C::SC_FINISH: guardCase("Server tra ve command SC_FINISH", [&] { decodeFinish(message, *logic); }); break;
        case C::SC_PLAYING: guardCase("SC_PLAYING", [&] { decodePlaying(message, *logic); }); break;
        case C::SC_GET_CARD:
            guardCase("SC_GET_CARD ", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                logic->onGetCard(roomId, boardId, static_cast<uint8_t>(readByte(message)));
            });
            break;
        case C::SC_EAT_CARD: guardCase("SC_EAT_CARD ", [&] { decodeEatCard(message, *logic); }); break;
        case C::HA_PHOM: guardCase("HA_PHOM", [&] { decodeHaPhom(message, *logic); }); break;
        case C::SC_RESET_PHOM_EAT:
            guardCase("", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                logic->onResetPhomEat(roomId, boardId, static_cast<uint8_t>(message.readByte()));
            });
            break;
        case C::SC_DEN_BAI: guardCase(">>>>>>>>>> SC_DEN_BAI", [&] { decodeDenBai(message, *logic); }); break;
        default: break;
    }
}

}  // namespace zuno
