#include "screens/InviteFriendView.h"

#include "lobby/GlobalService.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerRows.h"
#include "screens/ScreenTitle.h"

namespace zuno {

namespace {
constexpr const char* kCellIdentifier = "cellInvitingFriendList";
}  // namespace

const ui::BindingTable& InviteFriendView::bindings() {
    using B = ui::Bind<InviteFriendView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("myTableView", &InviteFriendView::myTableView),
                                            B::action("doBack", &InviteFriendView::doBack),
                                        });
    return table;
}

InviteFriendView::InviteFriendView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void InviteFriendView::viewDidLoad() {
    showLoadingScreen();
    auto self = std::dynamic_pointer_cast<InviteFriendView>(shared_from_this());
    myTableView->setDataSource(self);
    myTableView->setTableDelegate(self);
    showDataTableView();
    ZunoViewController::viewDidLoad();
}

void InviteFriendView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle(typeInvite == kFriends ? "ZUNO_friendI" : "ZUNO_waitingList");
}

void InviteFriendView::showDataTableView() { myTableView->reloadData(); }

void InviteFriendView::doBack() {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

int InviteFriendView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(onlineList.size()); }

std::optional<double> InviteFriendView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) {
    return playerrow::kRowHeight;
}

std::shared_ptr<ui::TableViewCell> InviteFriendView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) {
        cell = playerrow::newCell(ui::TableViewCell::Style::Subtitle, kCellIdentifier);
        cell->setSelectionStyle(ui::TableViewCell::SelectionStyle::None);
    }
    playerrow::clear(*cell);
    if (path.row < 0 || path.row >= static_cast<int>(onlineList.size()) || !onlineList[size_t(path.row)]) return cell;
    const Player& player = *onlineList[size_t(path.row)];
    auto content = cell->contentView();
    content->addSubview(playerrow::nameLabel(player.name()));
    content->addSubview(playerrow::infoLabel(playerrow::moneyText(player.money())));
    content->addSubview(playerrow::statusLabel(playerrow::statusOf(player)));
    content->addSubview(playerrow::avatarView(player.avatar()));
    cell->setAccessoryView(playerrow::onlineMark(player.isReady()));
    return cell;
}

void InviteFriendView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(onlineList.size()) || !onlineList[size_t(path.row)]) return;
    GlobalService::getInstance().requestInviteWithUserId(onlineList[size_t(path.row)]->IDDB());
    doBack();
}

ZUNO_REGISTER_SCREEN(InviteFriendView)

}  // namespace zuno
