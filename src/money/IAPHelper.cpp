#include "money/IAPHelper.h"

#include "lobby/StoredPurchases.h"
#include "platform/core/Base64.h"
#include "platform/core/Log.h"
#include "platform/core/NotificationCenter.h"

namespace zuno {

std::string& currentPurchaseName() {
    static std::string name;
    return name;
}

std::string& currentReceiptString() {
    static std::string receipt;
    return receipt;
}

IAPHelper::IAPHelper(const std::set<std::string>&) {}

std::string IAPHelper::encode(const uint8_t* bytes, size_t length) { return sys::base64Encode(bytes, length); }

bool IAPHelper::recordTransaction(const sys::PaymentTransaction& transaction) {
    const std::string receipt = encode(transaction.transactionReceipt.data(), transaction.transactionReceipt.size());
    // Without a chosen row (a transaction reported at launch) the product says what was bought.
    std::string product = currentPurchaseName();
    if (product.empty()) product = transaction.payment.productIdentifier;
    const bool written = StoredPurchases::record({StoredPurchases::savedUserName(), product, receipt,
                                                  StoredPurchases::dateText(transaction.transactionDate)});
    if (!written) {
        sys::Log::line("stored purchases: the purchase could not be written; the store will report it again");
        return false;
    }
    sys::NotificationCenter::defaultCenter().postNotificationName("ProductPurchased", receipt);
    return true;
}

void IAPHelper::requestProducts() {
    request = sys::ProductsRequest::create(productIdentifiers);
    request->setDelegate(weak_from_this());
    request->start();
}

void IAPHelper::productsRequest(sys::ProductsRequest&, const sys::ProductsResponse& response) {
    sys::Log::debug("Received products results...");
    products = response.products;
    sys::Log::debugFormat("Count:%zu", products.size());
    request.reset();
    sys::NotificationCenter::defaultCenter().postNotificationName("ProductsLoaded", products);
}

void IAPHelper::buyProductIdentifier(const std::string& productIdentifier) {
    sys::Log::debug("Buying " + productIdentifier + "...");
    sys::PaymentQueue::defaultQueue().addPayment(sys::Payment{productIdentifier, 1});
}

void IAPHelper::paymentQueue(sys::PaymentQueue& queue, const std::vector<sys::TransactionPtr>& transactions) {
    for (const auto& transaction : transactions) {
        if (!transaction) continue;
        switch (transaction->transactionState) {
            case sys::TransactionState::Purchased: completeTransaction(queue, transaction); break;
            case sys::TransactionState::Failed: failedTransaction(queue, transaction); break;
            case sys::TransactionState::Restored: restoreTransaction(queue, transaction); break;
            default: break;
        }
    }
}

void IAPHelper::recordAndFinish(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction) {
    if (recordTransaction(*transaction)) queue.finishTransaction(transaction);
}

void IAPHelper::completeTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction) {
    sys::Log::debug("completeTransaction...");
    recordAndFinish(queue, transaction);
}

void IAPHelper::restoreTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction) {
    sys::Log::debug("restoreTransaction...");
    recordAndFinish(queue, transaction);
}

void IAPHelper::failedTransaction(sys::PaymentQueue& queue, const sys::TransactionPtr& transaction) {
    const bool cancelled = transaction->error && transaction->error->code == sys::StoreError::kPaymentCancelled;
    if (!cancelled)
        sys::Log::line("Transaction error: " + (transaction->error ? transaction->error->localizedDescription : ""));
    sys::NotificationCenter::defaultCenter().postNotificationName("ProductPurchaseFailed", transaction);
    queue.finishTransaction(transaction);
}

}  // namespace zuno
