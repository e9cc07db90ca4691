#include "money/TransactionView.h"

#include "lobby/GlobalService.h"
#include "lobby/StoredPurchases.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/TableViewCell.h"
#include "shell/Resources.h"

namespace zuno {

const ui::BindingTable& TransactionView::bindings() {
    using B = ui::Bind<TransactionView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("myTableView", &TransactionView::myTableView)});
    return table;
}

TransactionView::TransactionView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void TransactionView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    auto self = std::static_pointer_cast<TransactionView>(shared_from_this());
    myTableView->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
    myTableView->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
    reloadTransactions();
}

void TransactionView::viewWillAppear(bool animated) {
    sys::Log::debug("Transaction View");
    ZunoViewController::viewWillAppear(animated);
}

void TransactionView::viewDidUnload() {
    ZunoViewController::viewDidUnload();
    hud.reset();
}

void TransactionView::reloadTransactions() {
    transactionList.clear();
    sys::Log::debugFormat("Transaction View Count:%zu", StoredPurchases::count());
    for (const StoredPurchase& purchase : StoredPurchases::ofUser(StoredPurchases::savedUserName())) {
        auto info = std::make_shared<TransactionMoneyInfo>();
        info->setInfo(purchase.product);
        info->setUserName(purchase.userName);
        info->setReceiptContent(purchase.receipt);
        info->setDateString(purchase.date);
        transactionList.push_back(std::move(info));
    }
    if (myTableView) myTableView->reloadData();
}

int TransactionView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(transactionList.size()); }

std::shared_ptr<ui::TableViewCell> TransactionView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier("CellMoneyView");
    if (!cell) {
        cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Subtitle, "CellMoneyView");
        cell->setBackgroundColor(std::nullopt);
        // Off the window's edge.
        cell->setIndentationLevel(1);
    }
    const auto& info = transactionList.at(static_cast<size_t>(path.row));
    cell->textLabel()->setText(info->info());
    cell->textLabel()->setTextColor(ui::Color::white());
    cell->textLabel()->setBackgroundColor(std::nullopt);
    cell->detailTextLabel()->setText(info->dateString());
    // Lighter than the cell's usual gray, which does not read on the teal background.
    cell->detailTextLabel()->setTextColor(ui::Color::rgb255(224, 232, 234));
    cell->detailTextLabel()->setBackgroundColor(std::nullopt);
    cell->imageView()->setImage(ui::Image::imageNamed("credit_card.png"));
    return cell;
}

std::shared_ptr<ui::View> TransactionView::viewForHeaderInSection(ui::TableView&, int) {
    auto header = std::make_shared<ui::View>(ui::Rect(0, 0, 480, kHeaderHeight));
    header->setBackgroundColor(std::nullopt);
    auto background = std::make_shared<ui::ImageView>(header->bounds());
    background->setImage(ui::Image::imageNamed("phong-tieu-de.png"));
    header->addSubview(background);
    auto title = std::make_shared<ui::Label>(ui::Rect(50, 5, 300, 30));
    title->setText(Resources::getInstance().textForKey("ZUNO_Title_Transaction"));
    title->setTextColor(ui::Color::red());
    title->setFont(ui::Font::boldSystemFontOfSize(15));
    title->setTextAlignment(ui::TextAlignment::Center);
    title->setBackgroundColor(std::nullopt);
    header->addSubview(title);
    return header;
}

void TransactionView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row >= 0) resendRow(static_cast<size_t>(path.row));
}

void TransactionView::resendRow(size_t row) {
    if (row >= transactionList.size()) return;
    selectedTransactionMoneyInfo_ = transactionList[row];
    resendSelected();
}

void TransactionView::resendSelected() {
    auto selected = selectedTransactionMoneyInfo();
    if (!selected) return;
    auto purchase = ChargeMoneyInfo::initWithType(5);
    purchase->setInfo(selected->info().value_or(std::string()));
    GlobalService::getInstance().sendReceiptString(*purchase, selected->receiptContent(), std::nullopt);
    // On the tab's own view: the session logic hides it there when the answer comes.
    if (hud) hud->hide(false);
    hud = ProgressHUD::showHUDAddedTo(view(), true);
    hud->setLabelText(Resources::getInstance().textForKey("ZUNO_Alert_Waiting_Transaction"));
    sys::RunLoop::main().cancel(timeoutTimer_);
    std::weak_ptr<TransactionView> weak = std::static_pointer_cast<TransactionView>(shared_from_this());
    std::weak_ptr<ProgressHUD> shown = hud;
    timeoutTimer_ = sys::RunLoop::main().postDelayed(kResendTimeoutSeconds, [weak, shown] {
        auto self = weak.lock();
        auto overlay = shown.lock();
        if (self && overlay && overlay == self->hud && overlay->superviewPointer()) self->timeout();
    });
}

void TransactionView::completeRechargeWithApp() {
    hideLoadingScreen();
    if (receiptStringFromServer_)
        StoredPurchases::removeReceipt(StoredPurchases::savedUserName(), *receiptStringFromServer_);
    reloadTransactions();
}

void TransactionView::timeout() {
    if (!hud) return;
    auto check = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 37, 37));
    check->setImage(ui::Image::imageNamed("37x-Checkmark.png"));
    hud->setCustomView(check);
    hud->setMode(ProgressHUD::kCustomView);
    hud->setLabelText(Resources::getInstance().textForKey("ZUNO_timeoutNotice"));
    hud->setDetailsLabelText(Resources::getInstance().textForKey("ZUNO_tryAgainLater"));
    std::weak_ptr<TransactionView> weak = std::static_pointer_cast<TransactionView>(shared_from_this());
    sys::RunLoop::main().postDelayed(kTimeoutNoticeSeconds, [weak] {
        if (auto self = weak.lock()) self->dismissHUD();
    });
}

void TransactionView::dismissHUD() {
    if (hud) hud->hide(true);
    hud.reset();
}

ZUNO_REGISTER_SCREEN(TransactionView)

}  // namespace zuno
