#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zuno {

// The tabs of the friends screen as state without views: the fixed friend tab and one tab per open
// conversation, in strip order. A tab's state is its tag: 0 plain ("tabFriend_nen.png"), 1 an unread
// line waits ("button_chuc_nang.png"), 2 selected ("tabFriend.png"). Tabs keep the x they were given
// (tab k opens at 91 k; a closing shifts the tabs after it left by one width). The screen mirrors this
// state on its buttons and panels after every change.
class ChatTabStrip {
public:
    static constexpr double kTabWidth = 90;
    static constexpr double kTabHeight = 24;
    static constexpr const char* kPlain = "tabFriend_nen.png";
    static constexpr const char* kFlagged = "button_chuc_nang.png";
    static constexpr const char* kSelected = "tabFriend.png";
    static constexpr const char* kFriendTabActive = "buttonFriend.png";
    static constexpr const char* kFriendTabBehind = "buttonFriend_nen.png";
    enum Tag { kTagPlain = 0, kTagFlagged = 1, kTagSelected = 2 };

    struct Tab {
        std::string name;
        int tag = kTagPlain;
        std::string image = kSelected;
        double x = 0;
    };

    // Opens a conversation: true when a tab was made. An open one is only marked as selected again;
    // someone who is not a friend gets none.
    bool createChatViewForUser(const std::string& name, bool isFriend);
    // Shows the conversation's panel in place of the friend table: false when it has none.
    bool showChatViewForUser(const std::string& name);
    // A tap on a conversation's tab.
    void doSelectChatView(const std::string& name);
    // A tap on the friend tab.
    void showMyTableView();
    // A line arrived from the name: false when no conversation could be opened for it.
    bool onChatFrom(const std::string& name, bool isFriend);
    // The conversation was closed by its panel.
    void removeViewOfUsername(const std::string& name);

    const std::vector<Tab>& tabs() const { return tabs_; }
    const Tab* tab(const std::string& name) const;
    bool hasPanel(const std::string& name) const { return tab(name) != nullptr; }
    // The conversation shown; none while the friend table is shown.
    const std::optional<std::string>& activeChatView() const { return active_; }
    bool friendTableShown() const { return friendTableShown_; }
    const std::string& friendTabImage() const { return friendTabImage_; }
    // Name -> decimal position the tab had in the strip when it opened (lowered as tabs before it close).
    const std::map<std::string, std::string>& listButtonIndex() const { return listButtonIndex_; }
    double contentWidth() const { return contentWidth_; }
    // The width of the strip on screen: a new tab past it scrolls the strip to show the newest tabs.
    void setVisibleWidth(double width) { visibleWidth_ = width; }
    // Where the strip scrolls to (animated) after the last change, if it does.
    std::optional<double> takeScrollTarget();

private:
    Tab* find(const std::string& name);
    void clearSelected();

    std::vector<Tab> tabs_;
    std::map<std::string, std::string> listButtonIndex_;
    std::optional<std::string> active_;
    bool friendTableShown_ = true;
    std::string friendTabImage_ = kFriendTabActive;
    double contentWidth_ = 0;
    double visibleWidth_ = 4 * kTabWidth;
    std::optional<double> scrollTarget_;
};

}  // namespace zuno
