#pragma once

#include <cstdint>

namespace zuno::standin {

// A listening TCP socket on 127.0.0.1: the port asked for (0 for any free one), the port it got.
struct LoopbackListener {
    int fd = -1;
    uint16_t port = 0;
};

// Opens the socket, or answers fd -1 with errno set. A receive buffer size above 0 is set on the
// listening socket so that accepted sockets start with it.
LoopbackListener listenOnLoopback(uint16_t port, int backlog, int receiveBufferSize = 0);

}  // namespace zuno::standin
