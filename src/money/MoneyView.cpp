#include "money/MoneyView.h"

#include "lobby/GlobalService.h"
#include "lobby/StoredPurchases.h"
#include "money/IAPHelper.h"
#include "money/ZunoIAPHelper.h"
#include "money/napGate.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/services/Store.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/TableViewCell.h"
#include "screens/BoardView.h"
#include "screens/MainView.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& MoneyView::bindings() {
    using B = ui::Bind<MoneyView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("tableView", &MoneyView::tableView_),
                                         B::outlet("gateView", &MoneyView::gateView),
                                         B::action("doExit:", &MoneyView::doExit)});
    return table;
}

MoneyView::MoneyView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void MoneyView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    auto self = std::static_pointer_cast<MoneyView>(shared_from_this());
    tableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
    tableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
    currentReceiptString().clear();
    // Without a connection the list of channels cannot come: no spinner waits for it.
    if (!isConnectedToServer()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_signInToTopUp"));
        return;
    }
    showLoadingScreen();
    GlobalService::getInstance().requestChargeMoneyInfo();
}

void MoneyView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    subscribeOnce();
    setUpperCasedWindowTitle("ZUNO_napWin");
}

// Once for the life of the screen: a screen shown again must not send a receipt twice.
void MoneyView::subscribeOnce() {
    if (subscribed_) return;
    subscribed_ = true;
    auto& centre = sys::NotificationCenter::defaultCenter();
    auto self = shared_from_this();
    centre.addObserver(self, "ProductsLoaded", [this](const sys::Notification& n) { productsLoaded(n); });
    centre.addObserver(self, "ProductPurchased", [this](const sys::Notification& n) { productPurchased(n); });
    centre.addObserver(self, "ProductPurchaseFailed", [this](const sys::Notification& n) { productPurchaseFailed(n); });
}

int MoneyView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listMoney.size()); }

std::shared_ptr<ui::TableViewCell> MoneyView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier("CellMoneyView");
    if (!cell) {
        cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Default, "CellMoneyView");
        cell->setBackgroundColor(std::nullopt);
        // The picture in line with the separator rather than on the window's edge.
        cell->setIndentationLevel(1);
        auto line = std::make_shared<ui::ImageView>(ui::Rect(10, 48, 460, 2));
        line->setImage(ui::Image::imageNamed("line_server_list.png"));
        cell->addSubview(line);
    }
    const auto& option = listMoney.at(static_cast<size_t>(path.row));
    cell->textLabel()->setText(option ? option->info() : std::string());
    cell->textLabel()->setTextColor(ui::Color::white());
    cell->textLabel()->setBackgroundColor(std::nullopt);
    cell->imageView()->setImage(ui::Image::imageNamed(channelPicture(option ? option->type() : int8_t{kNone})));
    return cell;
}

const char* MoneyView::channelPicture(int8_t type) {
    switch (type) {
        case kSMS: return "icon-nap-sms.png";
        case kCharge: return "icon-nap-tru-tien.png";
        case kScratchCard: return "icon-nap-the-cao.png";
        case kHotline: return "icon-nap-hotline.png";
        case kStore: return "icon-nap-store.png";
        default: return "icon-nap-win.png";
    }
}

void MoneyView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row >= 0) selectRow(static_cast<size_t>(path.row));
}

void MoneyView::selectRow(size_t row) {
    if (row >= listMoney.size() || !listMoney[row]) return;
    selectedMoneyInfo_ = listMoney[row];
    const ChargeMoneyInfo& option = *selectedMoneyInfo_;
    auto me = UIController::myInfo();
    const std::string body = sys::format("%@%@", option.smsContent(), me ? me->name() : std::string());
    const std::string to = option.smsTo();
    switch (option.type()) {
        case kSMS:
            if (UIController::checkVersionToSendSMS()) {
                GlobalService::getInstance().sendSMSWithData(body, to);
            } else {
                UIController::setOkValue(UIController::okNone);
                UIController::startOKDlg(sys::format(text("ZUNO_syntaxSMS1"), body, to));
            }
            break;
        case kCharge:
            UIController::setOkValue(UIController::okChargeMoney);
            UIController::startCancelOkDlg(option.info(), text("ZUNO_cancel"), text("ZUNO_OK"));
            break;
        case kScratchCard:
            if (!gateView) break;
            view()->addSubview(gateView->view());  // loads the sheet and its outlets
            gateView->lblTitle->setText(option.info());
            gateView->viewWillAppear(false);
            break;
        case kNone:
            break;
        case kHotline:
            UIController::setOkValue(UIController::okCallHotline);
            UIController::startCancelOkDlg(option.smsContent(), text("ZUNO_cancel"), text("ZUNO_OK"));
            break;
        case kStore:
            showLoadingScreen();
            currentPurchaseName() = option.info();
            ZunoIAPHelper::sharedHelper()->buyProductIdentifier(option.smsContent());
            break;
        default:
            UIController::setOkValue(UIController::okNone);
            UIController::startOKDlg(text("ZUNO_notAllowFunction"));
            break;
    }
}

void MoneyView::doExit(ui::Object*) {
    auto navigation = navigationController();
    if (!navigation) return;
    navigation->popViewControllerAnimated(true);
    auto top = navigation->topViewController();
    if (std::dynamic_pointer_cast<MainView>(top)) {
        setWindowTitle(text("ZUNO_Zuno"));
    } else if (auto tables = std::dynamic_pointer_cast<BoardView>(top)) {
        tables->setTitle();
    }
}

void MoneyView::productsLoaded(const sys::Notification&) {
    if (tableView_) tableView_->reloadData();
    hideLoadingScreen();
}

void MoneyView::productPurchased(const sys::Notification& note) {
    const std::string* receipt = note.objectAs<std::string>();
    if (!receipt) return;
    // Whatever row is chosen now, a receipt is a store purchase.
    auto purchase = ChargeMoneyInfo::initWithType(kStore);
    if (selectedMoneyInfo_) purchase->setInfo(selectedMoneyInfo_->info());
    GlobalService::getInstance().sendReceiptString(*purchase, *receipt, std::nullopt);
}

void MoneyView::productPurchaseFailed(const sys::Notification& note) {
    const auto* transaction = note.objectAs<sys::TransactionPtr>();
    const bool cancelled = transaction && *transaction && (*transaction)->error &&
                           (*transaction)->error->code == sys::StoreError::kPaymentCancelled;
    if (!cancelled) {
        std::string description;
        if (transaction && *transaction && (*transaction)->error) description = (*transaction)->error->localizedDescription;
        auto alert = std::make_shared<ui::AlertView>(std::string("Error!"), description, std::weak_ptr<ui::AlertViewDelegate>(), std::nullopt,
                                                     std::vector<std::string>{"OK"});
        alert->show();
    }
    hideLoadingScreen();
}

void MoneyView::completeRechargeWithApp() {
    hideLoadingScreen();
    if (receiptStringFromServer)
        StoredPurchases::removeReceipt(StoredPurchases::savedUserName(), *receiptStringFromServer);
}

ZUNO_REGISTER_SCREEN(MoneyView)

}  // namespace zuno
