#include "screens/ChatView.h"

#include <algorithm>
#include <cmath>

#include "lobby/GlobalService.h"
#include "platform/ui/Color.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/EmoticonPalette.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ChatCell.h"

namespace zuno {

namespace {
constexpr const char* kCellIdentifier = "ChatCellIdentifier";
constexpr int kPaletteColumns = 15;
}  // namespace

const ui::BindingTable& ChatView::bindings() {
    using B = ui::Bind<ChatView>;
    static const ui::BindingTable table(&ui::ViewController::bindings(),
                                        {
                                            B::outlet("txtChat", &ChatView::txtChat),
                                            B::outlet("tblContent", &ChatView::tblContent),
                                            B::outlet("imgAvatar", &ChatView::imgAvatar),
                                            B::outlet("viewChat", &ChatView::viewChat),
                                            B::outlet("btnClose", &ChatView::btnClose),
                                            B::outlet("btnSend", &ChatView::btnSend),
                                            B::action("sendMessage", &ChatView::sendMessage),
                                            B::action("onClickEmotion:", &ChatView::onClickEmotion),
                                            B::action("beginEdit:", &ChatView::beginEdit),
                                            B::action("endEditing:", &ChatView::endEditing),
                                            B::action("onClose:", &ChatView::onClose),
                                        });
    return table;
}

ChatView::ChatView() : ui::ViewController(std::string("ChatView")) {}

void ChatView::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    isEdit = false;
    showCloseTitle();
    viewChat->bringSubviewToFront(btnSend.get());
    emoticons::addPalette(*viewChat, this, "onClickEmotion:", [](int i) {
        return ui::Rect((i % kPaletteColumns) * 26, (i / kPaletteColumns) * 22, 22, 22);
    });
    txtChat->setParentViewController(this);
    auto self = std::dynamic_pointer_cast<ChatView>(shared_from_this());
    tblContent->setDataSource(self);
    tblContent->setTableDelegate(self);
}


void ChatView::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    txtChat->setPlaceholder(Resources::getInstance().textForKey("ZUNO_chatHere"));
    showCloseTitle();
}

void ChatView::showCloseTitle() {
    btnClose->setTitle(Resources::getInstance().textForKey(isEdit ? "ZUNO_cancel" : "ZUNO_closeChat"));
}

void ChatView::hideView() { view()->setHidden(true); }

void ChatView::sendMessage() {
    const std::string line = txtChat->text();
    txtChat->setText("");
    if (line.empty() || !player) return;
    GlobalService::getInstance().chatToWithIDDB(player->IDDB(), line);
    auto chat = std::make_shared<Chat>();
    auto me = UIController::myInfo();
    chat->setName(me ? me->name() : std::string());
    chat->setContent(line);
    chat->setIsMe(true);
    appendLine(std::move(chat));
}

void ChatView::addLineFromFriend(const std::string& text) {
    auto chat = std::make_shared<Chat>();
    chat->setName(player ? player->name() : std::string());
    chat->setContent(text);
    chat->setIsMe(false);
    appendLine(std::move(chat));
}

void ChatView::appendLine(std::shared_ptr<Chat> line) {
    arrChat.push_back(std::move(line));
    tblContent->reloadData();
    // The newest line stays in sight.
    tblContent->scrollToRowAtIndexPath({0, static_cast<int>(arrChat.size()) - 1}, ui::ScrollPosition::Bottom, false);
}

void ChatView::onClickEmotion(ui::Button* sender) {
    if (!sender) return;
    if (auto token = emoticons::tokenForTag(sender->tag())) txtChat->setText(txtChat->text() + *token);
}

void ChatView::beginEdit() {
    if (isEdit) return;
    isEdit = true;
    showCloseTitle();
}

void ChatView::endEditing() {
    if (isEdit) {
        isEdit = false;
        showCloseTitle();
        txtChat->resignFirstResponder();
    }
    sendMessage();
}

void ChatView::onClose() {
    if (isEdit) {
        txtChat->resignFirstResponder();
        txtChat->setText("");
        isEdit = false;
        showCloseTitle();
        return;
    }
    view()->removeFromSuperview();
    if (auto owner = parentViewController.lock(); owner && player) owner->removeViewOfUsername(player->name());
}

int ChatView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(arrChat.size()); }

std::shared_ptr<ui::TableViewCell> ChatView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = std::dynamic_pointer_cast<cellChat>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = cellChat::load(kCellIdentifier);
        cell->setBackgroundColor(std::nullopt);
    }
    if (path.row < 0 || path.row >= static_cast<int>(arrChat.size()) || !arrChat[size_t(path.row)]) return cell;
    const Chat& chat = *arrChat[size_t(path.row)];
    // A light gray: the darker one is hard to read on the panel's navy.
    cell->lblName->setTextColor(chat.isMe() ? ui::Color::lightGray() : ui::Color::green());
    cell->showChat(chat, table.bounds().width(), kRowHeight);
    return cell;
}

std::optional<double> ChatView::heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(arrChat.size()) || !arrChat[size_t(path.row)]) return kRowHeight;
    if (!measuringRow_) measuringRow_ = cellChat::load(kCellIdentifier);
    return measuringRow_->showChat(*arrChat[size_t(path.row)], table.bounds().width(), kRowHeight);
}

ZUNO_REGISTER_SCREEN(ChatView)

}  // namespace zuno
