#pragma once

#include "net/IMessageListener.h"
#include "net/Message.h"

namespace zuno {

// The listener of the one connection: decodes the lobby's server messages and hands every other
// command to the decoder of the game chosen.
class GlobalMessageHandler : public IMessageListener {
public:
    static GlobalMessageHandler& getInstance();

    void onMessage(Message& message) override;
    void onConnectionOK() override;
    void onConnectionFail() override;
    void onDisconnected() override;
};

}  // namespace zuno
