#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The top-up screen.
class MoneyView : public ZunoViewController {
public:
    MoneyView() : ZunoViewController("MoneyView") {}

    virtual void setListMoney(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) {}
    virtual std::shared_ptr<ui::TableView> tableView() const { return nullptr; }
    // The receipt the server confirmed.
    virtual void setReceiptStringFromServer(std::optional<std::string> receipt) {}
};

}  // namespace zuno
