#pragma once

#include "net/Message.h"

namespace zuno {

// The connection's listener. onConnectionOK arrives on a handshake thread and onMessage on the reader
// thread; onConnectionFail and onDisconnected arrive on the run loop the connection was opened from
// (the main loop), in order after the work posted there before the end, whichever thread closed.
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
