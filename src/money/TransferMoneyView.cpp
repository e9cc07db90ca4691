#include "money/TransferMoneyView.h"

#include <cctype>
#include <limits>

#include "lobby/GlobalService.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/TableSettingsSheets.h"

namespace zuno {

const ui::BindingTable& TransferMoneyView::bindings() {
    using B = ui::Bind<TransferMoneyView>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txtName", &TransferMoneyView::txtName),
                                         B::outlet("txtMoney", &TransferMoneyView::txtMoney),
                                         B::outlet("lblTitle", &TransferMoneyView::lblTitle),
                                         B::outlet("btnOK", &TransferMoneyView::btnOK),
                                         B::outlet("btnCancel", &TransferMoneyView::btnCancel),
                                         B::action("doBeginEditText:", &TransferMoneyView::doBeginEditText),
                                         B::action("textFieldDoneEditting:", &TransferMoneyView::textFieldDoneEditting),
                                         B::action("doTransferMoney", &TransferMoneyView::doTransferMoney),
                                         B::action("onCancel:", &TransferMoneyView::onCancel)});
    return table;
}

TransferMoneyView::TransferMoneyView() : CustomUIActionSheetViewController(std::string("TransferMoneyView")) {}

std::optional<int32_t> TransferMoneyView::amountToSend(std::string_view typed) {
    size_t at = 0;
    while (at < typed.size() && std::isspace(static_cast<unsigned char>(typed[at]))) ++at;
    bool negative = false;
    if (at < typed.size() && (typed[at] == '-' || typed[at] == '+')) negative = typed[at++] == '-';
    int64_t amount = 0;
    bool tooLarge = false;
    for (; at < typed.size() && std::isdigit(static_cast<unsigned char>(typed[at])); ++at) {
        amount = amount * 10 + (typed[at] - '0');
        if (amount > std::numeric_limits<int32_t>::max()) tooLarge = true, amount = std::numeric_limits<int32_t>::max();
    }
    if (negative || tooLarge || amount < kSmallestAmount) return std::nullopt;
    return static_cast<int32_t>(amount);
}

void TransferMoneyView::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    const Resources& r = Resources::getInstance();
    answered_ = false;
    btnOK->setTitle(r.textForKey("ZUNO_OK"));
    btnCancel->setTitle(r.textForKey("ZUNO_cancel"));
    txtName->setPlaceholder(r.textForKey("ZUNO_transferredUser"));
    txtMoney->setPlaceholder(r.textForKey("ZUNO_transferredMoney"));
    txtName->becomeFirstResponder();
    isModed = false;
    moveUp();
}

void TransferMoneyView::moveUp() {
    if (isModed) return;
    oldOrigin = movePanelTo(*this, 20);
    isModed = true;
}

void TransferMoneyView::doBeginEditText(ui::Object*) { moveUp(); }

void TransferMoneyView::textFieldDoneEditting(ui::Object* sender) {
    if (auto* field = dynamic_cast<ui::TextField*>(sender)) field->resignFirstResponder();
    doTransferMoney();
}

void TransferMoneyView::doTransferMoney() {
    // OK, then Enter in a field, while the sheet slides out: one transfer.
    if (answered_) return;
    answered_ = true;
    if (auto amount = amountToSend(txtMoney->text())) {
        GlobalService::getInstance().transferMoneyWithNick(txtName->text(), *amount);
    } else {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg("Số tiền không hợp lệ");
    }
    slideOut();
}

void TransferMoneyView::onCancel(ui::Object*) { slideOut(); }

ZUNO_REGISTER_SCREEN(TransferMoneyView)

}  // namespace zuno
