#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/services/Store.h"

namespace zuno {

// Program-wide: the display text of the top-up row being bought (the product of its stored
// purchase), and a receipt text that the top-up screen clears when it loads.
std::string& currentPurchaseName();
std::string& currentReceiptString();

// Talks to the store: looks products up, buys them, and keeps every completed transaction in the
// stored purchases before finishing it, so that its receipt outlives an unanswered or refused
// forwarding to the game server. Posts "ProductsLoaded" (the products), "ProductPurchased" (the
// receipt in base64) and "ProductPurchaseFailed" (the transaction). Main thread only.
class IAPHelper : public sys::PaymentTransactionObserver,
                  public sys::ProductsRequestDelegate,
                  public std::enable_shared_from_this<IAPHelper> {
public:
    // Keeps nothing of the identifiers.
    explicit IAPHelper(const std::set<std::string>& productIdentifiers);

    static std::string encode(const uint8_t* bytes, size_t length);

    // Stores the transaction (written to disk) and posts "ProductPurchased"; NO when the write failed.
    bool recordTransaction(const sys::PaymentTransaction& transaction);
    void requestProducts();
    void productsRequest(sys::ProductsRequest& request, const sys::ProductsResponse& response) override;
    void buyProductIdentifier(const std::string& productIdentifier);
    void paymentQueue(sys::PaymentQueue& queue, const std::vector<sys::TransactionPtr>& transactions) override;
    void completeTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction);
    void restoreTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction);
    void failedTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction);
    void provideContent(const std::string& productIdentifier) {}

    std::set<std::string> productIdentifiers;
    std::vector<sys::Product> products;
    std::shared_ptr<sys::ProductsRequest> request;

private:
    // Recorded, then finished; left unfinished (reported again at the next launch) when the record
    // could not be written.
    void recordAndFinish(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction);
};

}  // namespace zuno
