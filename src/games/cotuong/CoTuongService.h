#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableService.h"

namespace zuno {

// The requests only the Co Tuong tables send. Squares are wire bytes.
class CoTuongService : public BoardTableService {
public:
    static CoTuongService& getInstance();

    // This game's screens name the connection `session`.
    std::shared_ptr<IMobileClient> session() const { return _session(); }
    void setSession(std::shared_ptr<IMobileClient> session) { set_session(std::move(session)); }

    using BoardTableService::moveAndWinWithRoomId;
    using BoardTableService::moveWithRoomId;

private:
    CoTuongService() = default;
};

}  // namespace zuno
