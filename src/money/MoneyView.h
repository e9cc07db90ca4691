#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/NotificationCenter.h"
#include "platform/ui/TableView.h"
#include "shell/ProgressHUD.h"
#include "shell/ZunoViewController.h"

namespace zuno {

class napGate;

// The top-up screen: one row per channel the server offers (SMS, direct charge, scratch card, hotline,
// store purchase). A store purchase's receipt goes to the server as soon as the store reports it.
class MoneyView : public ZunoViewController,
                  public TopUpScreen,
                  public ui::TableViewDataSource,
                  public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    // The channels (a row's type).
    enum Channel : int8_t { kSMS = 0, kCharge = 1, kScratchCard = 2, kNone = 3, kHotline = 4, kStore = 5 };
    static constexpr double kRowHeight = 50;
    // The picture beside a row of the channel's type; channels this client does not handle share one.
    static const char* channelPicture(int8_t type);

    MoneyView() : MoneyView("MoneyView") {}
    explicit MoneyView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void setListMoney(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) override { listMoney = std::move(options); }
    std::shared_ptr<ui::TableView> tableView() const override { return tableView_; }
    void setReceiptStringFromServer(std::optional<std::string> receipt) override {
        receiptStringFromServer = std::move(receipt);
    }
    virtual std::shared_ptr<ChargeMoneyInfo> selectedMoneyInfo() const { return selectedMoneyInfo_; }

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    // Starts the channel of the row.
    void selectRow(size_t row);

    void doExit(ui::Object* sender);
    void productsLoaded(const sys::Notification& note);
    // The store's receipt goes to the server as a store purchase.
    void productPurchased(const sys::Notification& note);
    void productPurchaseFailed(const sys::Notification& note);
    // OK of the confirmation of a credited purchase (the session logic has already removed it).
    virtual void completeRechargeWithApp();

    std::vector<std::shared_ptr<ChargeMoneyInfo>> listMoney;
    std::shared_ptr<napGate> gateView;
    std::optional<std::string> receiptStringFromServer;
    std::shared_ptr<ProgressHUD> hud;

private:
    void subscribeOnce();

    std::shared_ptr<ui::TableView> tableView_;
    std::shared_ptr<ChargeMoneyInfo> selectedMoneyInfo_;
    bool subscribed_ = false;
};

}  // namespace zuno
