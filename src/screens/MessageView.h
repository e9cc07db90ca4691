#pragma once

#include <memory>

#include "shell/ZunoViewController.h"
#include "shell/model/ZunoMessage.h"

namespace zuno {

// The mailbox.
class MessageView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;

    // A private message that arrived while the mailbox is shown.
    virtual void onNewMessage(std::shared_ptr<ZunoMessage> message) {}
};

}  // namespace zuno
