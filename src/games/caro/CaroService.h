#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableService.h"

namespace zuno {

// The requests only the Caro tables send. Squares are (column, row) of the board.
class CaroService : public BoardTableService {
public:
    static CaroService& getInstance();

    // This game's screens name the connection `session`.
    std::shared_ptr<IMobileClient> session() const { return _session(); }
    void setSession(std::shared_ptr<IMobileClient> session) { set_session(std::move(session)); }

    using BoardTableService::moveAndWinWithRoomId;
    using BoardTableService::moveWithRoomId;

private:
    CaroService() = default;
};

}  // namespace zuno
