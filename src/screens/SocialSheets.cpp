#include "screens/SocialSheets.h"

#include "lobby/GlobalService.h"
#include "platform/core/Text.h"
#include "platform/core/Utf8.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/InfoDialog.h"
#include "screens/MessageView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
// The field of each sheet is the base's, under the name its interface file gives it.
template <class Sheet>
auto field() {
    return static_cast<std::shared_ptr<ui::TextField> Sheet::*>(&LineSheet::txtContent);
}
}  // namespace

// ---- AddFriendView

const ui::BindingTable& AddFriendView::bindings() {
    using B = ui::Bind<AddFriendView>;
    static const ui::BindingTable table(&LineSheet::bindings(),
                                        {B::outlet("txtName", field<AddFriendView>()),
                                         B::action("doAddFriend", &AddFriendView::doAddFriend)});
    return table;
}

AddFriendView::AddFriendView() : LineSheet("AddFriendView", "ZUNO_addFriend", 50) {}

void AddFriendView::doAddFriend() {
    slideOut();
    const std::string nick = typed();
    if (sys::characterCount(nick) < kShortestNick) {
        showInfoDialog("ZUNO_limit4Num");
        return;
    }
    GlobalService::getInstance().searchFriend(nick);
}

ZUNO_REGISTER_SCREEN(AddFriendView)

// ---- SendAdminView

const ui::BindingTable& SendAdminView::bindings() {
    using B = ui::Bind<SendAdminView>;
    static const ui::BindingTable table(&LineSheet::bindings(),
                                        {B::outlet("txtContent", field<SendAdminView>()),
                                         B::action("doSendMail", &SendAdminView::doSendMail)});
    return table;
}

SendAdminView::SendAdminView() : LineSheet("SendAdminView", "ZUNO_Comment", 50) {}

// Thanks at once: the server does not confirm feedback.
void SendAdminView::doSendMail() {
    slideOut();
    const std::string line = typed();
    if (line.empty()) return;
    GlobalService::getInstance().chatToWithIDDB(kAdminId, line);
    showInfoDialog("ZUNO_thankComment");
    clearText();
    sendType = -1;
}

ZUNO_REGISTER_SCREEN(SendAdminView)

// ---- SendMessageView

const ui::BindingTable& SendMessageView::bindings() {
    using B = ui::Bind<SendMessageView>;
    static const ui::BindingTable table(&LineSheet::bindings(),
                                        {B::outlet("txtContent", field<SendMessageView>()),
                                         B::action("doSendMail", &SendMessageView::doSendMail)});
    return table;
}

SendMessageView::SendMessageView() : LineSheet("SendMessageView", "ZUNO_sendMail", 30) {}

// "ZUNO_sentMail" as soon as the reply is queued: delivery is not confirmed. An empty reply is refused
// and the sheet stays for the reply to be written.
void SendMessageView::doSendMail() {
    auto shown = mailbox.lock();
    auto nav = shown ? shown->navigationController() : nullptr;
    auto target = shown && nav && nav->topViewController() == shown ? shown->model().replyTarget() : nullptr;
    if (target && sys::trimUnicodeWhitespace(typed()).empty()) {
        showInfoDialog("ZUNO_emptyReply");
        return;
    }
    slideOut();
    if (target) {
        GlobalService::getInstance().chatToWithIDDB(target->fromID(), typed());
        shown->replied();
        showInfoDialog("ZUNO_sentMail");
    }
    clearText();
    sendType = -1;
}

ZUNO_REGISTER_SCREEN(SendMessageView)

}  // namespace zuno
