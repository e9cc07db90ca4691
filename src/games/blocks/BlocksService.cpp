#include "games/blocks/BlocksService.h"

namespace zuno {

BlocksService& BlocksService::getInstance() {
    static BlocksService* instance = new BlocksService();  // lives for the whole run
    return *instance;
}

void BlocksService::answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept) {
    sendTableRequest(24, roomId, boardId, [&](Message& m) { m.writeBool(isAccept); });
}

}  // namespace zuno
