#pragma once

#include <memory>
#include <string>

#include "lobby/LobbyScreenEvents.h"
#include "shell/ZunoViewController.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

// The mailbox.
class MessageView : public ZunoViewController, public MailboxScreen {
public:
    MessageView() : MessageView("MessageView") {}
    explicit MessageView(std::string nibName);
    // Opens the reply sheet for the selected message.
    virtual void showSendMailView() {}
    // A private message that arrived while the mailbox is shown.
    void onNewMessage(std::shared_ptr<ZunoMessage> message) override {}
};

}  // namespace zuno
