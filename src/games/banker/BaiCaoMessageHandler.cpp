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
            guardCase("SC_STOP_GAME", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                auto records = readResultRecords<Record>(message, readRecord);
                const auto count = static_cast<int32_t>(records.size());
                logic->onStopGameWithRoomId(roomId, boardId, count, std::move(records));
            });
            break;
        case C::SC_PLAYING:
            guardCase("SC_PLAYING", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int8_t interval = readByte(message);
                auto records = readResultRecords<Record>(message, readRecord);
                const auto count = static_cast<int32_t>(records.size());
                logic->onPlayingWithRoomId(roomId, boardId, interval, count, std::move(records));
            });
            break;
        default: break;
    }
}

}  // namespace zuno
