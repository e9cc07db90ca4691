#include "screens/MessageView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerRows.h"
#include "screens/ScreenTitle.h"
#include "screens/SocialSheets.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr const char* kCellIdentifier = "Cell";
constexpr int kAddButtonTag = 5;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& MessageView::bindings() {
    using B = ui::Bind<MessageView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("myTableView", &MessageView::myTableView),
                                            B::outlet("lblNoMail", &MessageView::lblNoMail),
                                            B::outlet("lblNhanTin", &MessageView::lblNhanTin),
                                            B::outlet("lblDeleteAll", &MessageView::lblDeleteAll),
                                            B::outlet("lblDangXuat", &MessageView::lblDangXuat),
                                            B::outlet("sendMessage", &MessageView::sendMessage),
                                            B::action("onRemoveAll:", &MessageView::onRemoveAll),
                                            B::action("onAddFriend:", &MessageView::onAddFriend),
                                            B::action("doSendMail", &MessageView::doSendMail),
                                            B::action("onDidBeginEditing:", &MessageView::onDidBeginEditing),
                                            B::action("onDidEndEditing:", &MessageView::onDidEndEditing),
                                            B::action("doExit:", &MessageView::doExit),
                                        });
    return table;
}

MessageView::MessageView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void MessageView::viewDidLoad() {
    showLoadingScreen();
    ZunoViewController::viewDidLoad();
    model_.setListMessage(UIController::listMessage());
    auto self = std::dynamic_pointer_cast<MessageView>(shared_from_this());
    myTableView->setDataSource(self);
    myTableView->setTableDelegate(self);
    showList();
    hideLoadingScreen();
}

void MessageView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    // On every appearance: a screen pushed from here (Write opens the friends) puts its own title up.
    setUpperCasedWindowTitle("ZUNO_viewMessage");
    lblDeleteAll->setText(text("ZUNO_deleteAll"));
    lblNhanTin->setText(text("ZUNO_sendMessage"));
    lblNoMail->setText(text("ZUNO_noMail"));
    lblDangXuat->setText(text("ZUNO_logout"));
    // Mail that came while another screen covered the mailbox waits in the shared inbox.
    if (model_.listMessage() != UIController::listMessage()) {
        model_.setListMessage(UIController::listMessage());
        myTableView->reloadData();
        lblNoMail->setHidden(!model_.listMessage().empty());
    }
}

void MessageView::showList() {
    const bool empty = model_.listMessage().empty();
    if (!empty) myTableView->reloadData();
    lblNoMail->setHidden(!empty);
}

void MessageView::showSendMailView() {
    if (!sendMessage) return;
    sendMessage->mailbox = std::dynamic_pointer_cast<MessageView>(shared_from_this());
    view()->addSubview(sendMessage->view());
    sendMessage->viewWillAppear(false);
}

void MessageView::onNewMessage(std::shared_ptr<ZunoMessage> message) {
    if (!message) return;
    model_.insertNewest(message);
    UIController::insertMessageAtFront(std::move(message));
    forceReloadTableView();
}

void MessageView::forceReloadTableView() {
    showLoadingScreen();
    forceReload = true;
    myTableView->reloadData();
    lblNoMail->setHidden(!model_.listMessage().empty());
    hideLoadingScreen();
}

void MessageView::replied() {
    model_.replied();
    showList();
}

void MessageView::onRemoveAll(ui::Object*) {
    showLoadingScreen();
    model_.removeAll();
    UIController::setListMessage({});
    myTableView->reloadData();
    lblNoMail->setHidden(false);
    hideLoadingScreen();
}

void MessageView::onAddFriend(ui::Object* sender) {
    auto* button = dynamic_cast<ui::View*>(sender);
    for (ui::View* v = button; v; v = v->superview().get()) {
        auto* cell = dynamic_cast<ui::TableViewCell*>(v);
        if (!cell) continue;
        auto path = myTableView->indexPathForCell(cell);
        const auto& list = model_.listMessage();
        if (path && path->row >= 0 && path->row < static_cast<int>(list.size()) && list[size_t(path->row)])
            GlobalService::getInstance().searchFriend(list[size_t(path->row)]->fromName());
        return;
    }
}

void MessageView::doSendMail() {
    auto friends = ui::ScreenFactory::create("FriendListView");
    if (!friends) return;
    if (auto nav = navigationController()) nav->pushViewController(friends, true);
    GlobalService::getInstance().requestFriendList();
}

void MessageView::onDidBeginEditing(ui::Object*) {
    if (auto top = model_.selectedRowTop()) myTableView->setContentOffset(ui::Point{0, *top}, true);
}

void MessageView::onDidEndEditing(ui::Object* sender) {
    if (auto* field = dynamic_cast<ui::TextField*>(sender)) {
        field->resignFirstResponder();
        msg = field->text();
    }
}

void MessageView::doExit(ui::Object*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
    setWindowTitle(text("ZUNO_Zuno"));
}

int MessageView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(model_.listMessage().size()); }

std::shared_ptr<ui::TableViewCell> MessageView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    std::shared_ptr<CustomLabel> preview;
    if (!cell) {
        cell = playerrow::newCell(ui::TableViewCell::Style::Subtitle, kCellIdentifier);
        auto add = ui::Button::buttonWithType(ui::Button::Type::Custom);
        add->setFrame(ui::Rect(380, 2, 40, 38));
        add->setImage(ui::Image::imageNamed("add.png"));
        add->setTag(kAddButtonTag);
        add->addTarget(this, "onAddFriend:", ui::ControlEvent::TouchUpInside);
        cell->setAccessoryView(add);
        // The name keeps to the upper half of the row, above the preview.
        cell->textLabel()->setFont(ui::Font::boldSystemFontOfSize(16));
        cell->detailTextLabel()->setText(std::string());
        preview = std::make_shared<CustomLabel>(ui::Rect(50, 25, 300, 20));
        preview->setTag(playerrow::kStatusTag);
        // The mail's first characters: a long first line is cut at the row's edge.
        preview->setTruncatesOnPurpose(true);
        preview->setClipsToBounds(true);
        cell->contentView()->addSubview(preview);
    } else {
        preview = std::dynamic_pointer_cast<CustomLabel>(cell->contentView()->viewWithTag(playerrow::kStatusTag));
    }
    const auto& list = model_.listMessage();
    if (path.row < 0 || path.row >= static_cast<int>(list.size()) || !list[size_t(path.row)]) return cell;
    const ZunoMessage& message = *list[size_t(path.row)];
    cell->imageView()->setImage(ui::Image::imageNamed(message.isRead() ? "email_old.png" : "email_new.png"));
    cell->textLabel()->setText(message.fromName());
    cell->textLabel()->setTextColor(ui::Color::white());
    if (preview) preview->setText(MailboxModel::preview(message.message()));
    return cell;
}

void MessageView::commitEditingStyle(ui::TableView& table, ui::CellEditingStyle style, ui::IndexPath path) {
    if (style != ui::CellEditingStyle::Delete) return;
    if (path.row < 0 || path.row >= static_cast<int>(model_.listMessage().size())) return;
    const auto message = model_.listMessage()[static_cast<size_t>(path.row)];
    model_.remove(path.row);
    UIController::removeMessage(message);
    table.beginUpdates();
    table.deleteRowsAtIndexPaths({path}, ui::RowAnimation::Fade);
    table.endUpdates();
    showList();
}

void MessageView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    auto message = model_.select(path.row);
    if (!message) return;
    showList();
    UIController::setOkValue(UIController::okReplyMail);
    UIController::startCancelOkDlg(message->message(), text("ZUNO_cancel"), text("ZUNO_answer"));
}

ZUNO_REGISTER_SCREEN(MessageView)

}  // namespace zuno
