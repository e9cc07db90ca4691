#include "screens/ChatTabStrip.h"

#include <algorithm>

namespace zuno {

const ChatTabStrip::Tab* ChatTabStrip::tab(const std::string& name) const {
    for (const Tab& t : tabs_)
        if (t.name == name) return &t;
    return nullptr;
}

ChatTabStrip::Tab* ChatTabStrip::find(const std::string& name) {
    return const_cast<Tab*>(static_cast<const ChatTabStrip*>(this)->tab(name));
}

std::optional<double> ChatTabStrip::takeScrollTarget() {
    std::optional<double> target = scrollTarget_;
    scrollTarget_.reset();
    return target;
}

bool ChatTabStrip::createChatViewForUser(const std::string& name, bool isFriend) {
    const size_t before = tabs_.size();
    if (hasPanel(name)) {
        if (before == 0) return false;
        friendTabImage_ = kFriendTabBehind;
        auto index = listButtonIndex_.find(name);
        if (index != listButtonIndex_.end()) {
            const size_t at = static_cast<size_t>(std::stoul(index->second));
            if (at < tabs_.size()) tabs_[at].image = kSelected;
        }
        return false;
    }
    if (!isFriend) return false;
    Tab opened;
    opened.name = name;
    opened.x = static_cast<double>(before) * kTabWidth + static_cast<double>(before);
    friendTabImage_ = kFriendTabBehind;
    contentWidth_ = static_cast<double>(before + 1) * kTabWidth;
    if (contentWidth_ > visibleWidth_) scrollTarget_ = contentWidth_ - visibleWidth_;
    listButtonIndex_[name] = std::to_string(before);
    tabs_.push_back(std::move(opened));
    return true;
}

bool ChatTabStrip::showChatViewForUser(const std::string& name) {
    friendTableShown_ = false;
    if (!hasPanel(name)) return false;
    active_ = name;
    return true;
}

void ChatTabStrip::doSelectChatView(const std::string& name) {
    for (Tab& t : tabs_) {
        if (t.name == name) {
            t.image = kSelected;
            t.tag = kTagSelected;
            friendTabImage_ = kFriendTabBehind;
        } else if (t.tag != kTagFlagged) {
            t.image = kPlain;
            t.tag = kTagPlain;
        }
    }
    showChatViewForUser(name);
}

void ChatTabStrip::clearSelected() {
    for (Tab& t : tabs_) t.image = kPlain;
}

// Every flagged tab shows its flag again.
void ChatTabStrip::showMyTableView() {
    clearSelected();
    friendTabImage_ = kFriendTabActive;
    friendTableShown_ = true;
    for (Tab& t : tabs_)
        if (t.tag == kTagFlagged) t.image = kFlagged;
    active_.reset();
}

bool ChatTabStrip::onChatFrom(const std::string& name, bool isFriend) {
    createChatViewForUser(name, isFriend);
    if (!hasPanel(name)) return false;
    for (Tab& t : tabs_) {
        if (t.tag != kTagSelected && t.name == name) {
            t.image = kFlagged;
            t.tag = kTagFlagged;
            break;
        }
    }
    const bool anySelected =
        std::any_of(tabs_.begin(), tabs_.end(), [](const Tab& t) { return t.tag == kTagSelected; });
    friendTabImage_ = tabs_.size() == 1 || !anySelected ? kFriendTabActive : kFriendTabBehind;
    if (!active_) {
        // The line is read at once: its tab is the selected one.
        showChatViewForUser(name);
        friendTabImage_ = kFriendTabBehind;
        for (Tab& t : tabs_) {
            if (t.name == name) {
                t.image = kSelected;
                t.tag = kTagSelected;
            } else if (t.tag == kTagSelected) {
                t.tag = kTagPlain;
            }
        }
    }
    return true;
}

void ChatTabStrip::removeViewOfUsername(const std::string& name) {
    auto closed = std::find_if(tabs_.begin(), tabs_.end(), [&](const Tab& t) { return t.name == name; });
    if (closed == tabs_.end()) return;
    const size_t i = static_cast<size_t>(closed - tabs_.begin());
    tabs_.erase(closed);
    const auto stored = listButtonIndex_.find(name);
    const long closedIndex = stored != listButtonIndex_.end() ? std::stol(stored->second) : static_cast<long>(i);
    if (stored != listButtonIndex_.end()) listButtonIndex_.erase(stored);
    contentWidth_ = static_cast<double>(tabs_.size()) * kTabWidth;
    if (active_ == name) active_.reset();

    if (tabs_.empty()) {
        listButtonIndex_.clear();
        friendTableShown_ = true;
        friendTabImage_ = kFriendTabActive;
        active_.reset();
        return;
    }
    Tab& current = tabs_[std::min(i, tabs_.size() - 1)];
    active_ = current.name;
    friendTableShown_ = false;
    current.image = kSelected;
    current.tag = kTagSelected;
    for (auto& [key, index] : listButtonIndex_) {
        const long value = std::stol(index);
        if (value > closedIndex) index = std::to_string(value - 1);
    }
    friendTabImage_ = kFriendTabBehind;
    for (size_t k = i; k < tabs_.size(); ++k) tabs_[k].x -= kTabWidth;
}

}  // namespace zuno
