#include "screens/MailboxModel.h"

#include <algorithm>

#include "platform/core/Format.h"
#include "platform/core/Utf8.h"

namespace zuno {

size_t MailboxModel::unreadCount() const {
    return static_cast<size_t>(std::count_if(list_.begin(), list_.end(), [](const MessagePtr& m) { return m && !m->isRead(); }));
}

void MailboxModel::setListMessage(std::vector<MessagePtr> inbox) {
    const MessagePtr selected = selectedIndex_ >= 0 ? list_[static_cast<size_t>(selectedIndex_)] : nullptr;
    list_ = std::move(inbox);
    const auto at = selected ? std::find(list_.begin(), list_.end(), selected) : list_.end();
    selectedIndex_ = at == list_.end() ? -1 : static_cast<int>(at - list_.begin());
}

void MailboxModel::insertNewest(MessagePtr message) {
    list_.insert(list_.begin(), std::move(message));
    if (selectedIndex_ >= 0) ++selectedIndex_;
}

MailboxModel::MessagePtr MailboxModel::select(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size()) || !list_[static_cast<size_t>(row)]) return nullptr;
    MessagePtr message = list_[static_cast<size_t>(row)];
    message->setIsRead(true);
    selectedIndex_ = selectedIndex_ == row ? -1 : row;
    replyTarget_ = message;
    return message;
}

void MailboxModel::remove(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) return;
    list_.erase(list_.begin() + row);
    if (selectedIndex_ == row) selectedIndex_ = -1;
    else if (selectedIndex_ > row) --selectedIndex_;
}

void MailboxModel::removeAll() {
    list_.clear();
    selectedIndex_ = -1;
}

void MailboxModel::replied() {
    if (replyTarget_) replyTarget_->setIsReply(true);
    replyTarget_.reset();
    selectedIndex_ = -1;
}

std::string MailboxModel::preview(const std::string& text) {
    const std::string first = sys::firstCharacters(text, kPreviewCharacters);
    return first.size() < text.size() ? sys::format("%@ ...", {first}) : text;
}

std::optional<double> MailboxModel::selectedRowTop() const {
    if (selectedIndex_ < 0) return std::nullopt;
    return selectedIndex_ * kRowHeight;
}

}  // namespace zuno
