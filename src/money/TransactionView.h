#pragma once

#include <memory>
#include <optional>
#include <string>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The stored purchases (the fourth tab of the own profile).
class TransactionView : public ZunoViewController, public PurchasesTab {
public:
    TransactionView() : TransactionView("TransactionView") {}
    explicit TransactionView(std::string nibName);
    // The stored purchase the player selected.
    virtual std::shared_ptr<TransactionMoneyInfo> selectedTransactionMoneyInfo() const { return nullptr; }
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
