#pragma once

#include <memory>
#include <string>

#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The top-up screen.
class MoneyView : public ZunoViewController {
public:
    MoneyView() : MoneyView("MoneyView") {}
    explicit MoneyView(std::string nibName);
    // The top-up option the player selected.
    virtual std::shared_ptr<ChargeMoneyInfo> selectedMoneyInfo() const { return nullptr; }
    // The receipt text the server confirmed.
    const std::string& receiptStringFromServer() const { return receiptStringFromServer_; }
    void setReceiptStringFromServer(std::string receipt) { receiptStringFromServer_ = std::move(receipt); }
    // Forgets the stored purchase whose receipt the server confirmed.
    virtual void completeRechargeWithApp() {}

private:
    std::string receiptStringFromServer_;
};

}  // namespace zuno
