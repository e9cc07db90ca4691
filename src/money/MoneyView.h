#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The top-up screen.
class MoneyView : public ZunoViewController, public TopUpScreen {
public:
    MoneyView() : MoneyView("MoneyView") {}
    explicit MoneyView(std::string nibName);
    // The top-up option the player selected.
    virtual std::shared_ptr<ChargeMoneyInfo> selectedMoneyInfo() const { return nullptr; }
    void setListMoney(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) override {}
    std::shared_ptr<ui::TableView> tableView() const override { return nullptr; }
    // The receipt text the server confirmed.
    const std::optional<std::string>& receiptStringFromServer() const { return receiptStringFromServer_; }
    void setReceiptStringFromServer(std::optional<std::string> receipt) override {
        receiptStringFromServer_ = std::move(receipt);
    }
    // Forgets the stored purchase whose receipt the server confirmed.
    virtual void completeRechargeWithApp() {}

private:
    std::optional<std::string> receiptStringFromServer_;
};

}  // namespace zuno
