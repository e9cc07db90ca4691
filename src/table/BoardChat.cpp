#include "table/BoardChat.h"

#include <cmath>

#include "platform/core/Utf8.h"
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

namespace {
const ui::Color kCaroInk = ui::Color::rgb255(58, 51, 38);  // on the Caro skin's paper

// The lines lie in a dark well in the panel, where the white of the chat line reads on either skin.
ui::Color wellColour(bool caro) { return caro ? kCaroInk.withAlpha(0.9) : ui::Color::rgb255(10, 26, 40, 0.55); }

constexpr const char* kRowIdentifier = "ChatCellIdentifier";
constexpr double kRowHeight = 15;  // a line of one row

void lookOfRow(cellChat& cell, bool caro) {
    cell.setBackgroundColor(std::nullopt);
    cell.contentView()->setBackgroundColor(std::nullopt);
    if (cell.lblName) {
        cell.lblName->setTextColor(caro ? ui::Color::rgb255(242, 213, 138) : ui::Color::rgb255(143, 227, 143));
        cell.lblName->setTruncatesOnPurpose(true);
    }
    if (cell.lblContent) cell.lblContent->setTextColor(ui::Color::white());  // as the emoticon label draws it
}
}  // namespace

// ---- boardChat

const ui::BindingTable& boardChat::bindings() {
    using B = ui::Bind<boardChat>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txtChat", &boardChat::txtChat),
                                         B::outlet("imgTextField", &boardChat::imgTextField),
                                         B::outlet("imgBg", &boardChat::imgBg),
                                         B::outlet("tblHistoryChat", &boardChat::tblHistoryChat),
                                         B::outlet("lblTitle", &boardChat::lblTitle),
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
    // The history exists from the sheet's making: the lines of the table before its first showing stay.
    istouchMove = false;
    if (txtChat) {
        txtChat->setParentViewController(this);
        txtChat->setMaxCharacters(kMaxLine);  // what shows in the field is what is sent
    }
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
    if (lblTitle) lblTitle->setTextColor(caro ? kCaroInk : ui::Color::white());
    if (txtChat) {
        txtChat->setBackgroundColor(std::nullopt);
        txtChat->setText("");
        txtChat->becomeFirstResponder();
    }
    if (tblHistoryChat) {
        tblHistoryChat->setBackgroundColor(wellColour(caro));
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
            // A token that does not fit whole is not added: half of it would show as text.
            if (sys::characterCount(entry.first) <= txtChat->roomLeft()) txtChat->setText(txtChat->text() + entry.first);
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

void boardChat::addChatLine(std::shared_ptr<Chat> line) {
    historyChat_.push_back(std::move(line));
    if (isViewLoaded() && tblHistoryChat) tblHistoryChat->reloadData();
}

int boardChat::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(historyChat_.size()); }

const Chat* boardChat::lineAtRow(int row) const {
    const int index = static_cast<int>(historyChat_.size()) - 1 - row;  // the newest first
    if (index < 0 || index >= static_cast<int>(historyChat_.size())) return nullptr;
    return historyChat_[static_cast<size_t>(index)].get();
}

std::shared_ptr<ui::TableViewCell> boardChat::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = std::dynamic_pointer_cast<cellChat>(table.dequeueReusableCellWithIdentifier(kRowIdentifier));
    if (!cell) cell = cellChat::load(kRowIdentifier);
    lookOfRow(*cell, tableWearsCaroSheets());
    if (const Chat* chat = lineAtRow(path.row)) cell->showChat(*chat, table.bounds().width(), kRowHeight);
    return cell;
}

std::optional<double> boardChat::heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    const Chat* chat = lineAtRow(path.row);
    if (!chat) return kRowHeight;
    if (!measuringRow_) measuringRow_ = cellChat::load(kRowIdentifier);
    // Whole rows of the list, so that the rows in sight end where the list does.
    return std::ceil(measuringRow_->showChat(*chat, table.bounds().width(), kRowHeight) / kRowHeight) * kRowHeight;
}

void boardChat::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath) { slideOut(); }

ZUNO_REGISTER_SCREEN(boardChat)

}  // namespace zuno
