#pragma once

#include <cstdint>
#include <memory>

#include "screens/LineSheet.h"

namespace zuno {

// Adds a friend by nick: the server is asked to search it, and the first player found becomes a
// friend (the session logic's part). A nick needs 4 characters or more.
class AddFriendView : public LineSheet {
    ZUNO_BINDINGS
public:
    static constexpr size_t kShortestNick = 4;  // characters

    AddFriendView();
    void doAddFriend();
    void send() override { doAddFriend(); }
    // Only slides out (the next showing starts empty all the same).
    void onCancel() override { slideOut(); }
};

// Feedback to the administrators: one line sent as a private line to their account.
class SendAdminView : public LineSheet {
    ZUNO_BINDINGS
public:
    static constexpr int32_t kAdminId = 5;

    SendAdminView();
    void doSendMail();
    void send() override { doSendMail(); }

    int sendType = -1;  // set to -1 after each send
};

class MessageView;

// The reply to the mailbox's message: it answers the message whose dialog the mailbox showed last.
class SendMessageView : public LineSheet {
    ZUNO_BINDINGS
public:
    SendMessageView();
    // Sends only while the mailbox that opened the sheet is the top screen.
    void doSendMail();
    void send() override { doSendMail(); }

    std::weak_ptr<MessageView> mailbox;
    int sendType = -1;  // set to -1 after each send
};

}  // namespace zuno
