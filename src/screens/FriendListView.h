#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "lobby/model/ZunoMessage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableView.h"
#include "screens/ChatTabStrip.h"
#include "screens/ChatView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The friends screen: the friend table with money, status line, avatar and online mark, and above it
// a strip of tabs, the friend tab and one per open conversation (ChatTabStrip holds their state; the
// buttons and panels follow it). A line that cannot open a conversation here (its sender is not in
// the list) goes to the mailbox.
class FriendListView : public ZunoViewController,
                       public ForceReloadTableView,
                       public FriendListScreen,
                       public ChatPanelOwner,
                       public ui::TableViewDataSource,
                       public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr const char* kCellIdentifier = "cellFriendList ";

    FriendListView() : FriendListView("FriendListView") {}
    explicit FriendListView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void setFriendList(std::vector<PlayerPtr> friends) override;
    void forceReloadTableView() override;
    // 0: the friend was deleted.
    void onDelFriendResult(int result) override;
    void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) override;
    void removeViewOfUsername(const std::string& name) override;

    void doAddFriend();
    void showSendAdminView();
    void showMyTableView(ui::Object* sender);
    void doSelectChatView(ui::Button* sender);
    bool createChatViewForUser(const std::string& name);
    bool showChatViewForUser(const std::string& name);
    void doBack();
    void doSearchFriend() {}
    // Escape while typing in a panel ends the typing.
    bool takeEscapeKey();

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    bool canEditRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::CellEditingStyle style, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    const ChatTabStrip& tabs() const { return strip_; }
    std::shared_ptr<ChatView> chatView(const std::string& name) const;
    std::shared_ptr<ChatView> activeChatView() const;
    const std::vector<std::shared_ptr<ui::Button>>& listButtonChatView() const { return listButtonChatView_; }

    std::vector<PlayerPtr> friendList;
    bool forceReload = false;  // set once the first list arrived, never cleared
    int delFriendResult = -1;
    std::shared_ptr<ui::TableView> myTableView;
    std::shared_ptr<ui::View> mainTabView;
    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ui::Button> btnTabFriend;
    std::shared_ptr<ui::Label> lblAddFriend, lblGopY, lblDangXuat;
    std::shared_ptr<ui::ViewController> addFriendView, sendAdminView;
    // The bottom bar (add friend, feedback, logout); a conversation's panel takes its place.
    std::shared_ptr<ui::View> viewButtons;

private:
    PlayerPtr friendNamed(const std::string& name) const;
    // Buttons and panels show what the strip holds.
    void showTabs();
    void present(const std::shared_ptr<ui::ViewController>& sheet, const char* titleKey);

    ChatTabStrip strip_;
    std::map<std::string, std::shared_ptr<ChatView>> listChatView_;
    std::map<std::string, std::shared_ptr<ui::Button>> buttons_;
    std::vector<std::shared_ptr<ui::Button>> listButtonChatView_;
    // The friend whose deletion waits for the server's answer.
    std::optional<int32_t> deletingId_;
};

}  // namespace zuno
