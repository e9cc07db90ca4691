#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The mailbox.
class MessageView : public ZunoViewController {
public:
    MessageView() : MessageView("MessageView") {}
    explicit MessageView(std::string nibName);
    // Opens the reply sheet for the selected message.
    virtual void showSendMailView() {}
};

}  // namespace zuno
