// The lobby screens' fixture with the money screens' own steps.
#pragma once

#include <memory>
#include <string>

#include "money/TransferMoneyView.h"
#include "shell/ZunoViewController.h"
#include "src/screens/LobbyScreensFixture.h"

namespace zuno::testing {

class MoneyScreensFixture : public LobbyScreensTest {
protected:
    // The transfer sheet laid over a plain screen, as the profile and the tables lay it, with the
    // receiver and the amount typed in.
    std::shared_ptr<TransferMoneyView> openTransferSheet(const std::string& receiver, const std::string& amount) {
        auto host = std::make_shared<ZunoViewController>();
        show(host);
        auto sheet = std::make_shared<TransferMoneyView>();
        host->view()->addSubview(sheet->view());
        sheet->viewWillAppear(false);
        sheet->txtName->setText(receiver);
        sheet->txtMoney->setText(amount);
        return sheet;
    }
};

}  // namespace zuno::testing
