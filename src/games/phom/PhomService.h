#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Phom tables send.
class PhomService : public RequestService {
public:
    static PhomService& getInstance();

    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max);

private:
    PhomService() = default;
};

}  // namespace zuno
