#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/ZunoMessage.h"

namespace zuno {

// The mailbox as state without views: the inbox, newest first, the row picked for reading
// (`selectedIndex`, -1 for none) and the message the reply dialog answers. The selection follows its
// message through insertions and deletions.
class MailboxModel {
public:
    using MessagePtr = std::shared_ptr<ZunoMessage>;
    static constexpr size_t kPreviewCharacters = 35;
    static constexpr double kRowHeight = 45;

    explicit MailboxModel(std::vector<MessagePtr> inbox = {}) : list_(std::move(inbox)) {}

    const std::vector<MessagePtr>& listMessage() const { return list_; }
    // The inbox as it is now: the selection stays on its message, or goes with it.
    void setListMessage(std::vector<MessagePtr> inbox);
    int selectedIndex() const { return selectedIndex_; }
    size_t unreadCount() const;

    // A new message goes first.
    void insertNewest(MessagePtr message);
    // A tap on a row: the message is read, the selection toggles and the reply (if any) answers it.
    // Answers the message, none for a row past the list.
    MessagePtr select(int row);
    void remove(int row);
    void removeAll();

    // The message a reply answers: the one whose dialog was shown last.
    MessagePtr replyTarget() const { return replyTarget_; }
    // The reply went: the message is marked replied and nothing stays selected.
    void replied();

    // The preview of a row: the first 35 characters and " ...", for a longer text.
    static std::string preview(const std::string& text);
    // Where the table scrolls while typing: the selected row's top; none with no selection.
    std::optional<double> selectedRowTop() const;

private:
    std::vector<MessagePtr> list_;
    int selectedIndex_ = -1;
    MessagePtr replyTarget_;
};

}  // namespace zuno
