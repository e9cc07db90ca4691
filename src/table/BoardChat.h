#pragma once

#include <memory>
#include <vector>

#include "lobby/model/LobbyRecords.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "shell/ChatCell.h"
#include "shell/CustomLabel.h"
#include "shell/CustomTextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The table chat sheet: a line to type, emoticons to add to it, and the table's chat history, newest
// first.
class boardChat : public CustomUIActionSheetViewController,
                  public ui::TableViewDataSource,
                  public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr size_t kMaxLine = 100;  // characters

    boardChat();
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void onClickEmotion(ui::Button* button);
    // Hands the typed line to the current game's table screen and leaves.
    void textFieldDoneEditting();
    void doCancel();
    void beginEdit() { doBeginEditText(); }
    void doBeginEditText() {}

    std::vector<std::shared_ptr<Chat>>& historyChat() { return historyChat_; }
    void setHistoryChat(std::vector<std::shared_ptr<Chat>> history) { historyChat_ = std::move(history); }
    // A line of the table's chat, last in the history; an open sheet lists it at once.
    void addChatLine(std::shared_ptr<Chat> line);

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    // A row holds its line whole, wrapped: 15 points high for each row of the line.
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    std::shared_ptr<CustomTextField> txtChat;
    std::shared_ptr<ui::ImageView> imgTextField, imgBg;
    std::shared_ptr<ui::TableView> tblHistoryChat;
    std::shared_ptr<ui::Label> lblTitle;
    ui::Point oldPoint;
    bool istouchMove = false;

private:
    // The history's line shown at that row; none past its end.
    const Chat* lineAtRow(int row) const;

    std::vector<std::shared_ptr<Chat>> historyChat_;
    std::shared_ptr<cellChat> measuringRow_;  // a row kept to measure lines with
};

}  // namespace zuno
