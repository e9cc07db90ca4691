#pragma once

#include <cstdint>
#include <string>

#include "net/Message.h"

namespace zuno {

class IMessageListener;

// What request builders and services see of the connection.
class IMobileClient {
public:
    virtual ~IMobileClient() = default;
    virtual void close() = 0;
    // Queues the message and returns at once; any thread.
    virtual void sendMessage(Message message) = 0;
    virtual bool connectToHost(const std::string& host, uint16_t port) = 0;
    virtual void setHandler(IMessageListener* listener) = 0;
    virtual bool isConnected() const = 0;
};

}  // namespace zuno
