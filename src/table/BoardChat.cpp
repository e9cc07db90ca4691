#include "table/BoardChat.h"

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/CardTableModel.h"
#include "table/CurrentTable.h"
#include "table/TableSettingsSheets.h"

namespace zuno {

// ---- cellChat

const ui::BindingTable& cellChat::bindings() {
    using B = ui::Bind<cellChat>;
    static const ui::BindingTable table(&ui::Responder::bindings(),
                                        {B::outlet("lblName", &cellChat::lblName),
                                         B::outlet("lblContent", &cellChat::lblContent)});
    return table;
}

cellChat::cellChat(std::optional<std::string> reuseIdentifier)
    : ui::TableViewCell(ui::TableViewCell::Style::Default, std::move(reuseIdentifier)) {}

std::shared_ptr<cellChat> cellChat::load(const std::string& reuseIdentifier) {
    auto cell = std::make_shared<cellChat>(reuseIdentifier);
    auto result = ui::InterfaceLoader::load("cellChat", *cell);
    ui::InterfaceLoader::check("cellChat", result);
    for (const auto& view : result.topLevelViews) cell->contentView()->addSubview(view);
    return cell;
}

ZUNO_REGISTER_VIEW(cellChat)

// ---- boardChat

const ui::BindingTable& boardChat::bindings() {
    using B = ui::Bind<boardChat>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txtChat", &boardChat::txtChat),
                                         B::outlet("imgTextField", &boardChat::imgTextField),
                                         B::outlet("imgBg", &boardChat::imgBg),
                                         B::outlet("tblHistoryChat", &boardChat::tblHistoryChat),
                                         B::action("onClickEmotion:", &boardChat::onClickEmotion),
                                         B::action("textFieldDoneEditting:", &boardChat::textFieldDoneEditting),
                                         B::action("endEditing:", &boardChat::textFieldDoneEditting),
                                         B::action("beginEdit:", &boardChat::beginEdit),
                                         B::action("doCancel", &boardChat::doCancel)});
    return table;
}

boardChat::boardChat() : CustomUIActionSheetViewController(std::string("boardChat")) {}

void boardChat::viewDidLoad() {
    CustomUIActionSheetViewController::viewDidLoad();
    historyChat_.clear();
    istouchMove = false;
    if (txtChat) txtChat->setParentViewController(this);
    auto panel = actionSheetView();
    if (!panel) return;
    const bool portrait = tableIsPortrait();
    int index = 0;
    for (const auto& [key, value] : Resources::getInstance().xDictEmotion()) {
        auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom);
        const double x = portrait ? 20 + 30 * (index % 9) : 30 + 30 * (index % 13);
        const double y = portrait ? 170 + 24 * (index / 9) : 80 + 24 * (index / 13);
        button->setFrame(ui::Rect(x, y, 24, 24));
        if (const std::string* name = value.text()) button->setBackgroundImage(ui::Image::imageNamed(*name));
        button->setTag(1000 + index);
        button->addTarget(this, "onClickEmotion:", ui::ControlEvent::TouchUpInside);
        panel->addSubview(button);
        ++index;
    }
}

void boardChat::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    const bool caro = tableWearsCaroSheets();
    if (imgBg) imgBg->setImage(ui::Image::imageNamed(caro ? "caro-bg-chat.png" : "bg-chat.png"));
    if (imgTextField) imgTextField->setImage(ui::Image::imageNamed(caro ? "caro-k1.png" : "bg-chat-text-dau.png"));
    if (txtChat) {
        txtChat->setBackgroundColor(std::nullopt);
        txtChat->setText("");
        txtChat->becomeFirstResponder();
    }
    if (tblHistoryChat) {
        tblHistoryChat->setDataSource(std::dynamic_pointer_cast<ui::TableViewDataSource>(shared_from_this()));
        tblHistoryChat->setTableDelegate(std::dynamic_pointer_cast<ui::TableViewDelegate>(shared_from_this()));
        tblHistoryChat->reloadData();
    }
    auto panel = actionSheetView();
    if (panel) oldPoint = movePanelTo(*this, panel->frame().origin.y - (tableIsPortrait() ? 120 : 80));
}

void boardChat::onClickEmotion(ui::Button* button) {
    if (!button || !txtChat) return;
    const size_t index = static_cast<size_t>(button->tag() - 1000);
    size_t i = 0;
    for (const auto& entry : Resources::getInstance().xDictEmotion()) {
        if (i++ == index) {
            txtChat->setText(txtChat->text() + entry.first);
            return;
        }
    }
}

void boardChat::textFieldDoneEditting() {
    const std::string line = tabletext::firstCharacters(txtChat ? txtChat->text() : std::string(), kMaxLine);
    CurrentTable table = CurrentTable::find();
    if (table.host) table.host->onChatFromMeWithText(line);
    slideOut();
}

void boardChat::doCancel() { slideOut(); }

int boardChat::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(historyChat_.size()); }

std::shared_ptr<ui::TableViewCell> boardChat::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    static const std::string kIdentifier = "ChatCellIdentifier";
    auto cell = std::dynamic_pointer_cast<cellChat>(table.dequeueReusableCellWithIdentifier(kIdentifier));
    if (!cell) cell = cellChat::load(kIdentifier);
    const int index = static_cast<int>(historyChat_.size()) - 1 - path.row;
    if (index >= 0 && index < static_cast<int>(historyChat_.size()) && historyChat_[index]) {
        const Chat& chat = *historyChat_[index];
        if (cell->lblName) cell->lblName->setText(chat.name().value_or(""));
        if (cell->lblContent) cell->lblContent->setText(chat.content().value_or(""));
    }
    return cell;
}

void boardChat::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath) { slideOut(); }

ZUNO_REGISTER_SCREEN(boardChat)

}  // namespace zuno
