#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/core/Value.h"

namespace zuno::sys {

// In-app purchases: product look-ups, payments and the queue that reports what became of them.
// The store itself is a backend: on a desktop it sells nothing (it cannot make payments, knows no
// product, and fails every payment); tests put in a backend that delivers the transactions they choose.

struct Product {
    std::string productIdentifier;
    std::string localizedTitle;
    std::string localizedDescription;
    double price = 0;
};

struct ProductsResponse {
    std::vector<Product> products;
    std::vector<std::string> invalidProductIdentifiers;
};

struct StoreError {
    static constexpr int kUnknown = 0;
    static constexpr int kPaymentCancelled = 2;   // the person cancelled: no alert is due
    static constexpr int kPaymentNotAllowed = 4;
    int code = kUnknown;
    std::string localizedDescription;
};

struct Payment {
    std::string productIdentifier;
    int32_t quantity = 1;
};

enum class TransactionState : int { Purchasing = 0, Purchased = 1, Failed = 2, Restored = 3 };

struct PaymentTransaction {
    std::string transactionIdentifier;
    TransactionState transactionState = TransactionState::Purchasing;
    Payment payment;
    Data transactionReceipt;
    double transactionDate = 0;  // seconds since 1970
    std::optional<StoreError> error;  // for a failed transaction
};
using TransactionPtr = std::shared_ptr<PaymentTransaction>;

class ProductsRequest;

class ProductsRequestDelegate {
public:
    virtual ~ProductsRequestDelegate() = default;
    virtual void productsRequest(ProductsRequest& request, const ProductsResponse& response) = 0;
    virtual void request(ProductsRequest& request, const StoreError& error) {}  // didFailWithError
};

// A look-up of products by identifier; the answer comes on the main thread.
class ProductsRequest : public std::enable_shared_from_this<ProductsRequest> {
public:
    static std::shared_ptr<ProductsRequest> create(std::set<std::string> productIdentifiers);

    const std::set<std::string>& productIdentifiers() const { return identifiers_; }
    void setDelegate(std::weak_ptr<ProductsRequestDelegate> delegate) { delegate_ = std::move(delegate); }
    void start();
    void cancel() { cancelled_ = true; }

    // The backend's answer (main thread); nothing happens after a cancel.
    void respond(const ProductsResponse& response);
    void fail(const StoreError& error);

private:
    explicit ProductsRequest(std::set<std::string> ids) : identifiers_(std::move(ids)) {}
    std::set<std::string> identifiers_;
    std::weak_ptr<ProductsRequestDelegate> delegate_;
    bool cancelled_ = false;
    bool answered_ = false;
};

class PaymentQueue;

class PaymentTransactionObserver {
public:
    virtual ~PaymentTransactionObserver() = default;
    // paymentQueue:updatedTransactions:
    virtual void paymentQueue(PaymentQueue& queue, const std::vector<TransactionPtr>& transactions) = 0;
};

// The one payment queue. Its observers hear of every transaction until it is finished.
class PaymentQueue {
public:
    static PaymentQueue& defaultQueue();
    static bool canMakePayments();

    // The observer is not owned; it must be removed before it goes.
    void addTransactionObserver(PaymentTransactionObserver* observer);
    void removeTransactionObserver(PaymentTransactionObserver* observer);

    void addPayment(const Payment& payment);
    void restoreCompletedTransactions();
    void finishTransaction(const TransactionPtr& transaction);
    // Transactions reported and not yet finished.
    std::vector<TransactionPtr> transactions() const;

    // The backend (or a test) reports transactions; the observers hear of them on the main thread.
    void updateTransactions(std::vector<TransactionPtr> transactions);

    // What callers asked of the queue, for tests.
    std::vector<Payment> addedPayments() const;
    std::vector<std::string> finishedTransactionIdentifiers() const;

    void resetForTests();

private:
    PaymentQueue() = default;
    void deliver(const std::vector<TransactionPtr>& transactions);

    mutable std::mutex mutex_;
    std::vector<PaymentTransactionObserver*> observers_;
    std::vector<TransactionPtr> pending_;
    std::vector<Payment> added_;
    std::vector<std::string> finished_;
    uint64_t generation_ = 0;  // deliveries posted before a reset are dropped
};

// Where purchases really go.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    virtual bool canMakePayments() = 0;
    // Answers with request->respond() or fail(), on the main thread.
    virtual void startProductsRequest(const std::shared_ptr<ProductsRequest>& request) = 0;
    // Reports the payment's transactions with queue.updateTransactions().
    virtual void addPayment(PaymentQueue& queue, const Payment& payment) = 0;
    virtual void restoreCompletedTransactions(PaymentQueue& queue) {}
    virtual void finishTransaction(const PaymentTransaction& transaction) {}
};

class Store {
public:
    static std::shared_ptr<StoreBackend> backend();
    static void setBackend(std::shared_ptr<StoreBackend> backend);
    // Back to the desktop store, with an empty queue and no observers.
    static void resetForTests();
};

}  // namespace zuno::sys
