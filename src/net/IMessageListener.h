#pragma once

#include "net/Message.h"

namespace zuno {

// The connection's listener. Callbacks arrive off the main thread: onConnectionOK and the refusal's
// onConnectionFail on a handshake thread, onMessage on the reader thread, onConnectionFail and
// onDisconnected from a close on the thread that closed.
class IMessageListener {
public:
    virtual ~IMessageListener() = default;
    // Never called.
    virtual void didWriteDataWithTag() {}
    virtual void onMessage(Message& message) = 0;
    virtual void onDisconnected() {}
    virtual void onConnectionFail() {}
    virtual void onConnectionOK() {}
};

}  // namespace zuno
