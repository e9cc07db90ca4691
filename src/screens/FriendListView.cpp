#include "screens/FriendListView.h"

#include <algorithm>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/InfoDialog.h"
#include "screens/PlayerRows.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
const ui::Rect kPanelFrame(0, 0, 440, 260);
// A tab's title stays readable on its picture: white on the blue tabs, dark on the light gold mark of
// an unread line.
const ui::Color kTitleOnGold = ui::Color::rgb255(0x3a, 0x24, 0x10);
}  // namespace

const ui::BindingTable& FriendListView::bindings() {
    using B = ui::Bind<FriendListView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("myTableView", &FriendListView::myTableView),
                                            B::outlet("mainTabView", &FriendListView::mainTabView),
                                            B::outlet("scrollView", &FriendListView::scrollView),
                                            B::outlet("btnTabFriend", &FriendListView::btnTabFriend),
                                            B::outlet("lblAddFriend", &FriendListView::lblAddFriend),
                                            B::outlet("lblGopY", &FriendListView::lblGopY),
                                            B::outlet("lblDangXuat", &FriendListView::lblDangXuat),
                                            B::outlet("addFriendView", &FriendListView::addFriendView),
                                            B::outlet("sendAdminView", &FriendListView::sendAdminView),
                                            B::optionalOutlet("viewButtons", &FriendListView::viewButtons),
                                            B::action("doAddFriend", &FriendListView::doAddFriend),
                                            B::action("showSendAdminView", &FriendListView::showSendAdminView),
                                            B::action("showMyTableView:", &FriendListView::showMyTableView),
                                            B::action("doSelectChatView:", &FriendListView::doSelectChatView),
                                            B::action("doBack", &FriendListView::doBack),
                                            B::action("doSearchFriend", &FriendListView::doSearchFriend),
                                        });
    return table;
}

FriendListView::FriendListView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void FriendListView::viewDidLoad() {
    showLoadingScreen();
    forceReload = false;
    ZunoViewController::viewDidLoad();
    delFriendResult = -1;
    auto self = std::dynamic_pointer_cast<FriendListView>(shared_from_this());
    myTableView->setDataSource(self);
    myTableView->setTableDelegate(self);
    // The title sits beside the tab's picture of two people.
    btnTabFriend->setTitleEdgeInsets({0, 18, 0, -18});
    strip_.setVisibleWidth(scrollView->bounds().width());
    showTabs();
}

void FriendListView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_friendI");
    lblGopY->setText(text("ZUNO_Comment"));
    lblAddFriend->setText(text("ZUNO_addFriend"));
    btnTabFriend->setTitle(text("ZUNO_friendI"));
    lblDangXuat->setText(text("ZUNO_logout"));
}

void FriendListView::setFriendList(std::vector<PlayerPtr> friends) { friendList = std::move(friends); }

void FriendListView::forceReloadTableView() {
    forceReload = true;
    myTableView->reloadData();
}

PlayerPtr FriendListView::friendNamed(const std::string& name) const {
    for (const auto& player : friendList)
        if (player && player->name() == name) return player;
    return nullptr;
}

std::shared_ptr<ChatView> FriendListView::chatView(const std::string& name) const {
    auto it = listChatView_.find(name);
    return it == listChatView_.end() ? nullptr : it->second;
}

std::shared_ptr<ChatView> FriendListView::activeChatView() const {
    const auto& active = strip_.activeChatView();
    return active ? chatView(*active) : nullptr;
}

// ---- tabs and panels

bool FriendListView::createChatViewForUser(const std::string& name) {
    PlayerPtr mate = friendNamed(name);
    if (!strip_.createChatViewForUser(name, mate != nullptr)) {
        showTabs();
        return false;
    }
    auto panel = std::make_shared<ChatView>();
    panel->player = mate;
    panel->parentViewController = std::dynamic_pointer_cast<ChatPanelOwner>(shared_from_this());
    panel->view()->setFrame(kPanelFrame);
    Resources::getInstance().assignAvatarId(mate->avatar(), panel->imgAvatar);
    panel->viewWillAppear(false);

    auto tab = ui::Button::buttonWithType(ui::Button::Type::Custom);
    tab->setTitle(name);
    tab->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(12));
    tab->setContentMode(ui::ContentMode::Center);
    tab->addTarget(this, "doSelectChatView:", ui::ControlEvent::TouchUpInside);
    scrollView->addSubview(tab);
    buttons_[name] = tab;
    listButtonChatView_.push_back(tab);

    mainTabView->addSubview(panel->view());
    listChatView_[name] = panel;
    showTabs();
    if (auto target = strip_.takeScrollTarget()) scrollView->setContentOffset(ui::Point{*target, 0}, true);
    return true;
}

bool FriendListView::showChatViewForUser(const std::string& name) {
    const bool shown = strip_.showChatViewForUser(name);
    showTabs();
    return shown;
}

void FriendListView::showTabs() {
    myTableView->setHidden(!strip_.friendTableShown());
    if (viewButtons) viewButtons->setHidden(!strip_.friendTableShown());
    btnTabFriend->setBackgroundImage(ui::Image::imageNamed(strip_.friendTabImage()));
    for (const auto& [name, panel] : listChatView_) panel->view()->setHidden(strip_.activeChatView() != name);
    for (const ChatTabStrip::Tab& t : strip_.tabs()) {
        auto it = buttons_.find(t.name);
        if (it == buttons_.end()) continue;
        it->second->setFrame(ui::Rect(t.x, 0, ChatTabStrip::kTabWidth, ChatTabStrip::kTabHeight));
        it->second->setTag(t.tag);
        it->second->setBackgroundImage(ui::Image::imageNamed(t.image));
        it->second->setTitleColor(t.tag == ChatTabStrip::kTagFlagged ? kTitleOnGold : ui::Color::white());
    }
    scrollView->setContentSize(ui::Size{strip_.contentWidth(), ChatTabStrip::kTabHeight});
}

void FriendListView::doSelectChatView(ui::Button* sender) {
    if (!sender) return;
    strip_.doSelectChatView(sender->currentTitle().value_or(std::string()));
    showTabs();
}

void FriendListView::showMyTableView(ui::Object*) {
    strip_.showMyTableView();
    showTabs();
}

void FriendListView::onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) {
    if (!message) return;
    const std::string& sender = message->fromName();
    createChatViewForUser(sender);
    if (!strip_.onChatFrom(sender, friendNamed(sender) != nullptr)) {
        // No conversation can show it: it waits in the mailbox.
        sys::Log::line("friends: no conversation with " + sender + ", the line goes to the mailbox");
        GlobalLogicHandler::keepInMailbox(message);
        return;
    }
    showTabs();
    if (auto panel = chatView(sender)) panel->addLineFromFriend(message->message());
}

void FriendListView::removeViewOfUsername(const std::string& name) {
    strip_.removeViewOfUsername(name);
    listChatView_.erase(name);
    auto it = buttons_.find(name);
    if (it != buttons_.end()) {
        it->second->removeFromSuperview();
        listButtonChatView_.erase(std::remove(listButtonChatView_.begin(), listButtonChatView_.end(), it->second),
                                  listButtonChatView_.end());
        buttons_.erase(it);
    }
    showTabs();
}

bool FriendListView::takeEscapeKey() {
    auto panel = activeChatView();
    if (!panel || !panel->isEdit) return false;
    panel->onClose();
    return true;
}

// ---- sheets and navigation

void FriendListView::present(const std::shared_ptr<ui::ViewController>& sheet, const char* titleKey) {
    if (!sheet) return;
    sheet->setTitle(text(titleKey));
    view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
}

void FriendListView::doAddFriend() { present(addFriendView, "ZUNO_addFriend"); }
void FriendListView::showSendAdminView() { present(sendAdminView, "ZUNO_Comment"); }

void FriendListView::doBack() {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

// ---- friend table

int FriendListView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(friendList.size()); }

std::optional<double> FriendListView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) {
    return playerrow::kRowHeight;
}

std::shared_ptr<ui::TableViewCell> FriendListView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    std::shared_ptr<ui::TableViewCell> cell = forceReload ? nullptr : table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) {
        cell = playerrow::newCell(ui::TableViewCell::Style::Subtitle, kCellIdentifier);
        cell->setSelectionStyle(ui::TableViewCell::SelectionStyle::None);
    }
    playerrow::clear(*cell);
    if (path.row < 0 || path.row >= static_cast<int>(friendList.size()) || !friendList[size_t(path.row)]) return cell;
    const Player& mate = *friendList[size_t(path.row)];
    auto content = cell->contentView();
    content->addSubview(playerrow::statusLabel(playerrow::statusOf(mate)));
    content->addSubview(playerrow::nameLabel(mate.name()));
    content->addSubview(playerrow::infoLabel(playerrow::moneyText(mate.money())));
    content->addSubview(playerrow::imageAt(ui::Rect(29, 56, 422, 4), "line_server_list.png"));
    content->addSubview(playerrow::avatarView(mate.avatar()));
    cell->setAccessoryView(playerrow::onlineMark(mate.isReady()));
    return cell;
}

void FriendListView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    sys::Log::line(sys::format("did select row at index: %d", {int64_t(path.row)}));
    if (path.row < 0 || path.row >= static_cast<int>(friendList.size()) || !friendList[size_t(path.row)]) return;
    const std::string name = friendList[size_t(path.row)]->name();
    createChatViewForUser(name);
    strip_.doSelectChatView(name);
    showTabs();
}

void FriendListView::commitEditingStyle(ui::TableView&, ui::CellEditingStyle style, ui::IndexPath path) {
    if (style != ui::CellEditingStyle::Delete) return;
    if (path.row < 0 || path.row >= static_cast<int>(friendList.size()) || !friendList[size_t(path.row)]) return;
    deletingId_ = friendList[size_t(path.row)]->IDDB();
    GlobalService::getInstance().deleteFriend(*deletingId_);
}

// The answer removes the friend asked for, wherever the list now holds him (or nobody when it no
// longer does).
void FriendListView::onDelFriendResult(int result) {
    delFriendResult = result;
    const char* key = "ZUNO_delFriendFail";
    if (result == 0) {
        key = "ZUNO_deleteFriendOK";
        auto gone = std::find_if(friendList.begin(), friendList.end(),
                                 [&](const PlayerPtr& p) { return p && deletingId_ && p->IDDB() == *deletingId_; });
        if (gone != friendList.end()) {
            const int row = static_cast<int>(gone - friendList.begin());
            friendList.erase(gone);
            myTableView->beginUpdates();
            myTableView->deleteRowsAtIndexPaths({{0, row}}, ui::RowAnimation::Fade);
            myTableView->endUpdates();
        }
    }
    deletingId_.reset();
    showInfoDialog(key);
}

ZUNO_REGISTER_SCREEN(FriendListView)

}  // namespace zuno
