#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableService.h"

namespace zuno {

struct BlocksReport;

// The requests only the Blocks tables send.
class BlocksService : public BoardTableService {
public:
    static BlocksService& getInstance();

    // This game's screens name the connection `session`.
    std::shared_ptr<IMobileClient> session() const { return _session(); }
    void setSession(std::shared_ptr<IMobileClient> session) { set_session(std::move(session)); }

    // 21: one landed piece, or the loss (the fields are described by BlocksReport).
    void sendBrickToServer(int8_t roomId, int8_t boardId, int8_t index, int8_t type, int8_t ro, int8_t posX,
                           int8_t posY, int32_t idMessage);
    // The same with the fields of a report.
    void sendBrickToServer(int8_t roomId, int8_t boardId, const BlocksReport& report);

    using BoardTableService::moveAndWinWithRoomId;
    using BoardTableService::moveWithRoomId;

private:
    BlocksService() = default;
};

}  // namespace zuno
