#include "games/covua/CoVuaService.h"

#include "games/covua/CoVuaView.h"
#include "table/GameController.h"

namespace zuno {

namespace {
constexpr int8_t CS_CHESS_COMMAND = 91;
constexpr int8_t kPromotionChoice = 8;
}  // namespace

CoVuaService& CoVuaService::getInstance() {
    static CoVuaService* instance = new CoVuaService();  // lives for the whole run
    return *instance;
}

void CoVuaService::sendMove(int8_t roomId, int8_t boardId, int8_t x, int8_t y) { moveWithRoomId(roomId, boardId, x, y); }

void CoVuaService::sendIdElevate(int8_t type) {
    const std::shared_ptr<CoVuaView> view = GameController::getCoVuaView();
    const int8_t roomId = view ? view->roomID() : 0;
    const int8_t boardId = view ? view->boardID() : 0;
    sendTableRequest(CS_CHESS_COMMAND, roomId, boardId, [&](Message& m) {
        m.writeByte(kPromotionChoice);
        m.writeByte(type);
    });
}

}  // namespace zuno
