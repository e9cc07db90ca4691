#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "platform/services/Store.h"

using namespace zuno::sys;

namespace {
struct Observer : PaymentTransactionObserver {
    std::vector<TransactionPtr> seen;
    void paymentQueue(PaymentQueue& queue, const std::vector<TransactionPtr>& transactions) override {
        for (const auto& t : transactions) {
            seen.push_back(t);
            if (t->transactionState != TransactionState::Purchasing) queue.finishTransaction(t);
        }
    }
};

struct ProductsCatcher : ProductsRequestDelegate {
    std::optional<ProductsResponse> response;
    void productsRequest(ProductsRequest&, const ProductsResponse& r) override { response = r; }
};

// A store that sells what the test says and delivers the transactions the test chooses.
class ScriptedStore : public StoreBackend {
public:
    std::vector<std::vector<TransactionPtr>> script;  // one delivery per payment
    std::vector<std::string> finished;

    bool canMakePayments() override { return true; }
    void startProductsRequest(const std::shared_ptr<ProductsRequest>& request) override {
        ProductsResponse r;
        for (const auto& id : request->productIdentifiers()) r.products.push_back(Product{id, "Title", "", 0.99});
        RunLoop::main().post([request, r] { request->respond(r); });
    }
    void addPayment(PaymentQueue& queue, const Payment&) override {
        if (script.empty()) return;
        queue.updateTransactions(script.front());
        script.erase(script.begin());
    }
    void finishTransaction(const PaymentTransaction& t) override { finished.push_back(t.transactionIdentifier); }
};

TransactionPtr transaction(std::string id, TransactionState state, Data receipt = {}, std::optional<StoreError> error = {}) {
    auto t = std::make_shared<PaymentTransaction>();
    t->transactionIdentifier = std::move(id);
    t->transactionState = state;
    t->payment.productIdentifier = "vn.zuno.online.gold";
    t->transactionReceipt = std::move(receipt);
    t->transactionDate = 1304416800;
    t->error = std::move(error);
    return t;
}
}  // namespace

TEST(StoreTest, ADesktopStoreSellsNothing) {
    EXPECT_FALSE(PaymentQueue::canMakePayments());
    auto catcher = std::make_shared<ProductsCatcher>();
    auto request = ProductsRequest::create({"vn.zuno.online.gold"});
    request->setDelegate(catcher);
    request->start();
    RunLoop::main().runFor(0);
    ASSERT_TRUE(catcher->response);
    EXPECT_TRUE(catcher->response->products.empty());
    EXPECT_EQ(catcher->response->invalidProductIdentifiers, (std::vector<std::string>{"vn.zuno.online.gold"}));

    Observer observer;
    PaymentQueue::defaultQueue().addTransactionObserver(&observer);
    PaymentQueue::defaultQueue().addPayment(Payment{"vn.zuno.online.gold"});
    RunLoop::main().runFor(0);
    ASSERT_EQ(observer.seen.size(), 1u);
    EXPECT_EQ(observer.seen[0]->transactionState, TransactionState::Failed);
    ASSERT_TRUE(observer.seen[0]->error);
    EXPECT_EQ(observer.seen[0]->error->code, StoreError::kPaymentNotAllowed);  // an alert is due, unlike a cancel
    EXPECT_TRUE(PaymentQueue::defaultQueue().transactions().empty());
    PaymentQueue::defaultQueue().removeTransactionObserver(&observer);
}

TEST(StoreTest, AnInjectedStoreDeliversChosenTransactions) {
    auto store = std::make_shared<ScriptedStore>();
    store->script.push_back({transaction("t1", TransactionState::Purchasing),
                             transaction("t1", TransactionState::Purchased, Data{1, 2, 3})});
    store->script.push_back({transaction("t2", TransactionState::Failed, {}, StoreError{StoreError::kPaymentCancelled, "Cancelled"})});
    store->script.push_back({transaction("t3", TransactionState::Restored, Data{9})});
    Store::setBackend(store);
    EXPECT_TRUE(PaymentQueue::canMakePayments());

    auto catcher = std::make_shared<ProductsCatcher>();
    auto request = ProductsRequest::create({"a", "b"});
    request->setDelegate(catcher);
    request->start();

    Observer observer;
    PaymentQueue& queue = PaymentQueue::defaultQueue();
    queue.addTransactionObserver(&observer);
    queue.addPayment(Payment{"vn.zuno.online.gold"});
    queue.addPayment(Payment{"vn.zuno.online.gold"});
    queue.addPayment(Payment{"vn.zuno.online.gold"});
    EXPECT_TRUE(observer.seen.empty());  // reports come on the main loop
    RunLoop::main().runFor(0);

    ASSERT_TRUE(catcher->response);
    EXPECT_EQ(catcher->response->products.size(), 2u);
    ASSERT_EQ(observer.seen.size(), 4u);
    EXPECT_EQ(observer.seen[1]->transactionReceipt, (Data{1, 2, 3}));
    EXPECT_EQ(observer.seen[2]->error->code, StoreError::kPaymentCancelled);
    EXPECT_EQ(observer.seen[3]->transactionState, TransactionState::Restored);
    EXPECT_EQ(store->finished, (std::vector<std::string>{"t1", "t2", "t3"}));
    // The purchasing report is not finished and stays in the queue.
    ASSERT_EQ(queue.transactions().size(), 1u);
    EXPECT_EQ(queue.transactions()[0]->transactionState, TransactionState::Purchasing);
    EXPECT_EQ(queue.addedPayments().size(), 3u);
    queue.removeTransactionObserver(&observer);
}

TEST(StoreTest, ACancelledProductsRequestStaysSilentAndRemovedObserversHearNothing) {
    auto catcher = std::make_shared<ProductsCatcher>();
    auto request = ProductsRequest::create({"x"});
    request->setDelegate(catcher);
    request->start();
    request->cancel();
    Observer observer;
    PaymentQueue::defaultQueue().addTransactionObserver(&observer);
    PaymentQueue::defaultQueue().updateTransactions({transaction("late", TransactionState::Purchased)});
    PaymentQueue::defaultQueue().removeTransactionObserver(&observer);
    RunLoop::main().runFor(0);
    EXPECT_FALSE(catcher->response);
    EXPECT_TRUE(observer.seen.empty());
}
