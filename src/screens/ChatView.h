#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"
#include "shell/CustomTextField.h"

namespace zuno {

class cellChat;

// What a chat panel tells the screen that holds it.
class ChatPanelOwner {
public:
    virtual ~ChatPanelOwner() = default;
    // The conversation with that name was closed; its panel has removed its view.
    virtual void removeViewOfUsername(const std::string& name) = 0;
};

// One private conversation with a friend, a 440 x 260 panel of the friends screen: the lines (oldest
// first), a field with an emoticon palette, send and close. The close button closes the conversation
// at rest and cancels the typing while the field is typed in (isEdit). The bar stays below the lines
// while typing: with no keyboard on the screen to clear, a lift would only hide the conversation.
class ChatView : public ui::ViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 20;

    ChatView();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void hideView();

    void sendMessage();
    void onClickEmotion(ui::Button* sender);
    // The field was touched: the bar goes up.
    void beginEdit();
    // The return key: the bar goes down and the line is sent.
    void endEditing();
    // While typing, ends the typing; at rest, ends the conversation.
    void onClose();
    // A line from the friend.
    void addLineFromFriend(const std::string& text);

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    // A row holds its line wrapped at the row's width: one line is kRowHeight high, each more line adds
    // a line of the text's font.
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    PlayerPtr player;
    std::vector<std::shared_ptr<Chat>> arrChat;
    std::weak_ptr<ChatPanelOwner> parentViewController;
    bool isEdit = false;

    std::shared_ptr<CustomTextField> txtChat;
    std::shared_ptr<ui::TableView> tblContent;
    std::shared_ptr<ui::ImageView> imgAvatar;
    std::shared_ptr<ui::View> viewChat;
    std::shared_ptr<ui::Button> btnClose, btnSend;

private:
    // The close button's title for the state: close at rest, cancel while typing.
    void showCloseTitle();
    void appendLine(std::shared_ptr<Chat> line);
    // A row kept to measure lines with.
    std::shared_ptr<cellChat> measuringRow_;
};

}  // namespace zuno
