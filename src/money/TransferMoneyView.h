#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The sheet that sends part of the balance to another player named by nick. The server checks the
// nick and the balance; the sheet only checks the amount. One OK per showing; the typed texts stay
// for the next showing.
class TransferMoneyView : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    static constexpr int32_t kSmallestAmount = 10000;

    TransferMoneyView();

    // The amount typed (its leading integer, as the field's integer value reads it) when it may be
    // sent: at least 10000 and within 32 bits.
    static std::optional<int32_t> amountToSend(std::string_view typed);

    void viewWillAppear(bool animated) override;
    void doBeginEditText(ui::Object* sender);
    void textFieldDoneEditting(ui::Object* sender);
    void doTransferMoney();
    void onCancel(ui::Object* sender);

    std::shared_ptr<ui::TextField> txtName, txtMoney;
    std::shared_ptr<ui::Label> lblTitle;
    std::shared_ptr<ui::Button> btnOK, btnCancel;
    bool isModed = false;
    ui::Point oldOrigin;

protected:
    bool keepsTypedTextBetweenShowings() const override { return true; }

private:
    void moveUp();
    bool answered_ = false;
};

}  // namespace zuno
