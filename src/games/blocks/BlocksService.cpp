#include "games/blocks/BlocksService.h"

#include "games/blocks/BlocksReport.h"

namespace zuno {

namespace {
constexpr int8_t CS_MOVE = 21;
}  // namespace

BlocksService& BlocksService::getInstance() {
    static BlocksService* instance = new BlocksService();  // lives for the whole run
    return *instance;
}

void BlocksService::sendBrickToServer(int8_t roomId, int8_t boardId, int8_t index, int8_t type, int8_t ro, int8_t posX,
                                      int8_t posY, int32_t idMessage) {
    sendTableRequest(CS_MOVE, roomId, boardId, [&](Message& m) {
        for (int8_t b : {index, type, ro, posX, posY}) m.writeByte(b);
        m.writeInt(idMessage);
    });
}

void BlocksService::sendBrickToServer(int8_t roomId, int8_t boardId, const BlocksReport& report) {
    sendBrickToServer(roomId, boardId, report.index, report.type, report.ro, report.posX, report.posY,
                      report.idMessage);
}

}  // namespace zuno
