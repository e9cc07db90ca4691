#include "games/banker/BaiCaoMessageHandler.h"

#include "games/banker/BankerTableMessages.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
using namespace cardwire;
using Record = BaiCaoLogicHandler::Record;
constexpr int kHandCards = 3;

Record readRecord(Message& message) {
    Record record;
    record[0] = message.readInt();
    for (int i = 1; i <= kHandCards; ++i) record[i] = readByte(message);
    return record;
}
}  // namespace

void BaiCaoMessageHandler::onPostSetupGameType() {
    BoardView::setType(1);  // card tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_baicao"));
}

void BaiCaoMessageHandler::onMessage(Message& message) {
    std::shared_ptr<BaiCaoLogicHandler> logic = baiCaoLogicHandler();
    if (decodeSharedBankerMessage(message, *logic)) return;
    using C = BankerCommand;
    switch (message._commandId()) {
        case C::SC_START:
            guardCase("SC_START", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int8_t interval = readByte(message);
                logic->onStartGameWithRoomId(roomId, boardId, readBytes(message, kHandCards), interval);
            });
            break;
        case C::SC_MOVE:
            guardCase("SC_MOVE", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t whoMove = message.readInt();
                logic->onMoveWithRoomId(roomId, boardId, whoMove, readBytes(message, kHandCards));
            });
            break;
        case C::SC_STOP_GAME:
        case C::SC_PLAYING: decodeBankerResults<Record>(message, *logic, readRecord); break;
        default: break;
    }
}

}  // namespace zuno
