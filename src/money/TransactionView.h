#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ProgressHUD.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The stored purchases of the signed-in user (a tab of the own profile): a tap sends the chosen
// receipt to the server again.
class TransactionView : public ZunoViewController,
                        public PurchasesTab,
                        public ui::TableViewDataSource,
                        public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 40;
    static constexpr double kHeaderHeight = 30;
    // How long the re-send overlay waits for the server's answer.
    static constexpr double kResendTimeoutSeconds = 30;
    static constexpr double kTimeoutNoticeSeconds = 3.0;

    TransactionView() : TransactionView("TransactionView") {}
    explicit TransactionView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidUnload() override;

    // Rebuilds the list from the stored purchases.
    void reloadTransactions();

    virtual std::shared_ptr<TransactionMoneyInfo> selectedTransactionMoneyInfo() const {
        return selectedTransactionMoneyInfo_;
    }
    const std::optional<std::string>& receiptStringFromServer() const { return receiptStringFromServer_; }
    void setReceiptStringFromServer(std::optional<std::string> receipt) override {
        receiptStringFromServer_ = std::move(receipt);
    }

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return kRowHeight; }
    std::shared_ptr<ui::View> viewForHeaderInSection(ui::TableView& table, int section) override;
    std::optional<double> heightForHeaderInSection(ui::TableView&, int) override { return kHeaderHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    // Sends the receipt of the row again, under a waiting overlay.
    void resendRow(size_t row);
    // The chosen row's stored receipt again (not the server's echo of it).
    void resendSelected();

    // OK of the confirmation of a credited receipt: the list without it.
    virtual void completeRechargeWithApp();
    // The server did not answer the re-send in time.
    void timeout();
    void dismissHUD();
    void buyButtonTapped(ui::Object*) {}

    std::shared_ptr<ui::TableView> myTableView;
    std::vector<std::shared_ptr<TransactionMoneyInfo>> transactionList;
    std::shared_ptr<ProgressHUD> hud;

private:
    std::shared_ptr<TransactionMoneyInfo> selectedTransactionMoneyInfo_;
    std::optional<std::string> receiptStringFromServer_;
    uint64_t timeoutTimer_ = 0;
};

}  // namespace zuno
