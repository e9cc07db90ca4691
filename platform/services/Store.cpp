#include "platform/services/Store.h"

#include <algorithm>

#include "platform/core/Clock.h"
#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {
// Nothing is sold on a desktop.
class DesktopStore : public StoreBackend {
public:
    bool canMakePayments() override { return false; }

    void startProductsRequest(const std::shared_ptr<ProductsRequest>& request) override {
        ProductsResponse response;
        for (const auto& id : request->productIdentifiers()) response.invalidProductIdentifiers.push_back(id);
        RunLoop::main().post([request, response] { request->respond(response); });
    }

    void addPayment(PaymentQueue& queue, const Payment& payment) override {
        auto t = std::make_shared<PaymentTransaction>();
        t->transactionIdentifier = "desktop-" + std::to_string(++count_);
        t->transactionState = TransactionState::Failed;
        t->payment = payment;
        t->transactionDate = currentTimeSeconds();
        t->error = StoreError{StoreError::kPaymentNotAllowed, "Purchases are not available on this computer."};
        queue.updateTransactions({t});
    }

private:
    uint64_t count_ = 0;
};

std::mutex& backendMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<StoreBackend>& backendSlot() {
    static std::shared_ptr<StoreBackend> slot = std::make_shared<DesktopStore>();
    return slot;
}
}  // namespace

std::shared_ptr<StoreBackend> Store::backend() {
    std::lock_guard<std::mutex> lock(backendMutex());
    return backendSlot();
}

void Store::setBackend(std::shared_ptr<StoreBackend> backend) {
    std::lock_guard<std::mutex> lock(backendMutex());
    backendSlot() = backend ? std::move(backend) : std::make_shared<DesktopStore>();
}

void Store::resetForTests() {
    setBackend(nullptr);
    PaymentQueue::defaultQueue().resetForTests();
}

std::shared_ptr<ProductsRequest> ProductsRequest::create(std::set<std::string> productIdentifiers) {
    return std::shared_ptr<ProductsRequest>(new ProductsRequest(std::move(productIdentifiers)));
}

void ProductsRequest::start() { Store::backend()->startProductsRequest(shared_from_this()); }

void ProductsRequest::respond(const ProductsResponse& response) {
    if (cancelled_ || answered_) return;
    answered_ = true;
    if (auto d = delegate_.lock()) d->productsRequest(*this, response);
}

void ProductsRequest::fail(const StoreError& error) {
    if (cancelled_ || answered_) return;
    answered_ = true;
    if (auto d = delegate_.lock()) d->request(*this, error);
}

PaymentQueue& PaymentQueue::defaultQueue() {
    static PaymentQueue* queue = new PaymentQueue();
    return *queue;
}

bool PaymentQueue::canMakePayments() { return Store::backend()->canMakePayments(); }

void PaymentQueue::addTransactionObserver(PaymentTransactionObserver* observer) {
    if (!observer) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void PaymentQueue::removeTransactionObserver(PaymentTransactionObserver* observer) {
    std::lock_guard<std::mutex> lock(mutex_);
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void PaymentQueue::addPayment(const Payment& payment) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        added_.push_back(payment);
    }
    Store::backend()->addPayment(*this, payment);
}

void PaymentQueue::restoreCompletedTransactions() { Store::backend()->restoreCompletedTransactions(*this); }

void PaymentQueue::finishTransaction(const TransactionPtr& transaction) {
    if (!transaction) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.erase(std::remove(pending_.begin(), pending_.end(), transaction), pending_.end());
        finished_.push_back(transaction->transactionIdentifier);
    }
    Store::backend()->finishTransaction(*transaction);
}

std::vector<TransactionPtr> PaymentQueue::transactions() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return pending_;
}

void PaymentQueue::updateTransactions(std::vector<TransactionPtr> transactions) {
    uint64_t generation;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& t : transactions)
            if (t && std::find(pending_.begin(), pending_.end(), t) == pending_.end()) pending_.push_back(t);
        generation = generation_;
    }
    RunLoop::main().post([this, transactions = std::move(transactions), generation] {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (generation != generation_) return;
        }
        deliver(transactions);
    });
}

void PaymentQueue::deliver(const std::vector<TransactionPtr>& transactions) {
    std::vector<PaymentTransactionObserver*> observers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        observers = observers_;
    }
    for (auto* o : observers) {
        // An observer removed by an earlier one in this round is not called.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (std::find(observers_.begin(), observers_.end(), o) == observers_.end()) continue;
        }
        o->paymentQueue(*this, transactions);
    }
}

std::vector<Payment> PaymentQueue::addedPayments() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return added_;
}

std::vector<std::string> PaymentQueue::finishedTransactionIdentifiers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return finished_;
}

void PaymentQueue::resetForTests() {
    std::lock_guard<std::mutex> lock(mutex_);
    observers_.clear();
    pending_.clear();
    added_.clear();
    finished_.clear();
    ++generation_;
}

}  // namespace zuno::sys
