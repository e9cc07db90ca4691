#pragma once

#include <memory>
#include <string>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/ZunoMessage.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "screens/MailboxModel.h"
#include "shell/ZunoViewController.h"

namespace zuno {

class SendMessageView;

// The mailbox: the private messages that came while neither the friends screen nor the mailbox was
// shown, newest first (the shared inbox of UIController). A tap reads a message and offers to reply;
// a row deletes with a swipe and adds its sender as a friend with its button. Each change is made to
// the shared inbox itself, so mail that came while another screen covered this one is never lost.
class MessageView : public ZunoViewController,
                    public MailboxScreen,
                    public ui::TableViewDataSource,
                    public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    MessageView() : MessageView("MessageView") {}
    explicit MessageView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    // Opens the reply sheet for the message of the dialog.
    virtual void showSendMailView();
    // A private message that arrived while the mailbox is shown.
    void onNewMessage(std::shared_ptr<ZunoMessage> message) override;
    void forceReloadTableView();
    // The reply went to the message's sender.
    void replied();

    void onRemoveAll(ui::Object* sender);
    void onAddFriend(ui::Object* sender);
    // The friends screen, to write to a friend.
    void doSendMail();
    void onDidBeginEditing(ui::Object* sender);
    void onDidEndEditing(ui::Object* sender);
    void doExit(ui::Object* sender);

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    bool canEditRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::CellEditingStyle style, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override {
        return MailboxModel::kRowHeight;
    }
    std::string titleForDeleteConfirmationButton(ui::TableView&, ui::IndexPath) override { return std::string(); }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    const MailboxModel& model() const { return model_; }

    std::shared_ptr<ui::TableView> myTableView;
    std::shared_ptr<ui::Label> lblNoMail, lblNhanTin, lblDeleteAll, lblDangXuat;
    std::shared_ptr<SendMessageView> sendMessage;
    std::string msg;
    bool forceReload = false;

private:
    void showList();

    MailboxModel model_;
};

}  // namespace zuno
