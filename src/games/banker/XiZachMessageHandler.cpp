#include "games/banker/XiZachMessageHandler.h"

#include "games/banker/BankerTableMessages.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
using namespace cardwire;
using Record = XiZachLogicHandler::Record;
constexpr int kDealtCards = 2;
constexpr size_t kMostHandCards = 5;

enum MoveType : int8_t { kDrawn = 0, kTurnTime = 1, kHandShown = 2 };

// A hand of more than five cards keeps five; the rest of the record is read and ignored.
Record readRecord(Message& message) {
    Record record;
    record.fill(-1);
    record[0] = message.readInt();
    std::vector<int8_t> cards = readBytesKeeping(message, message.readByte(), kMostHandCards);
    record[1] = static_cast<int32_t>(cards.size());
    for (size_t i = 0; i < cards.size(); ++i) record[2 + i] = cards[i];
    return record;
}

void decodeMove(Message& message, XiZachLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int8_t type = readByte(message);
    sys::Log::format("type = %d", type);
    int32_t whoMove = message.readInt();
    switch (type) {
        case kDrawn: logic.onGetCardWithRoomId(roomId, boardId, whoMove, readByte(message)); break;
        case kTurnTime: logic.onGetRemainTimeWithRoomId(roomId, boardId, whoMove, message.readByte()); break;
        case kHandShown: logic.onMoveWithRoomId(roomId, boardId, whoMove, readBytes(message, message.readByte())); break;
        default: break;
    }
}
}  // namespace

void XiZachMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_xiZach"));
}

void XiZachMessageHandler::onMessage(Message& message) {
    std::shared_ptr<XiZachLogicHandler> logic = xiZachLogicHandler();
    if (decodeSharedBankerMessage(message, *logic)) return;
    using C = BankerCommand;
    switch (message._commandId()) {
        case C::SC_START:
            guardCase("SC_START", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t whoMove = message.readInt();
                int8_t interval = readByte(message);
                logic->onStartGameWithRoomId(roomId, boardId, whoMove, readBytes(message, kDealtCards), interval);
            });
            break;
        case C::SC_MOVE: guardCase("SC_MOVE", [&] { decodeMove(message, *logic); }); break;
        case C::SC_STOP_GAME:
        case C::SC_PLAYING: decodeBankerResults<Record>(message, *logic, readRecord); break;
        default: break;
    }
}

}  // namespace zuno
