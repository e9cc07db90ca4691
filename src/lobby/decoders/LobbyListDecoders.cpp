// Rooms, tables, the confirmation of the game choice and invitations to a table.
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/ILobbyUi.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/Log.h"
#include "lobby/ILobbyShell.h"

namespace zuno {

void decodeRoomList(Message& message, const DecoderContext& context) {
    // Every field is a byte, and a byte past the end reads 0: a room record never fails.
    std::vector<std::shared_ptr<RoomInfo>> rooms;
    while (message.available()) {
        const int8_t roomId = message.readByte();
        const int8_t roomFree = message.readByte();
        const int8_t roomWait = message.readByte();
        const int8_t lv = message.readByte();
        rooms.push_back(std::make_shared<RoomInfo>(roomId, roomFree, roomWait, lv));
    }
    context.handOver([rooms = std::move(rooms)](GlobalLogicHandler& logic) { logic.onRoomList(rooms); });
}

void decodeBoardList(Message& message, const DecoderContext& context) {
    const int32_t roomId = message.readByte();
    std::vector<std::shared_ptr<Board>> boards;
    while (message.available()) {
        auto board = std::make_shared<Board>();
        board->setBoardId(message.readByte());
        board->setNPlayer(message.readByte());
        board->setIsPass(message.readBool());
        board->setMoney(message.readInt());
        boards.push_back(std::move(board));
    }
    context.handOver([roomId, boards = std::move(boards)](GlobalLogicHandler& logic) {
        logic.onBoardListWithRoomId(roomId, boards);
    });
}

void decodeSetGameTypeSuccess(Message& message, const DecoderContext& context) {
    const int8_t gameType = message.readByte();
    sys::Log::format("--------%d", gameType);
    // Here, not on the main thread: the game's decoder must be in place for the next message.
    context.logic().onSetGameTypeSuccessWithGame(gameType, true);
    GlobalMessageHandler* dispatcher = &context.dispatcher();
    GlobalMessageHandler::onMainThread([dispatcher, gameType] { dispatcher->pushRoomScreen(gameType); });
}

void decodeInvitedJoinBoard(Message& message, const DecoderContext& context) {
    const int8_t gameId = message.readByte();
    const int8_t roomId = message.readByte();
    const int8_t boardId = message.readByte();
    auto password = message.readUTF();
    auto text = message.readUTF();
    // Whether the player is at a table is a question for the main thread, where the screens live.
    context.handOverWithUi([=](GlobalLogicHandler& logic, ILobbyUi& ui) {
        if (ui.topScreenRefusesInvitations() || !ILobbyShell::shared()->inviting()) return;
        logic.onInvitedJoinBoardWithGameId(gameId, roomId, boardId, password, text);
    });
}

}  // namespace zuno
