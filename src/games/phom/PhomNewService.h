#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the new Phom tables send.
class PhomNewService : public RequestService {
public:
    static PhomNewService& getInstance();

    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max);

private:
    PhomNewService() = default;
};

}  // namespace zuno
