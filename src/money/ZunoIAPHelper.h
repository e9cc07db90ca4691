#pragma once

#include <memory>
#include <vector>

#include "platform/services/Store.h"

namespace zuno {

// The shared in-app purchase object, the store payment queue's transaction observer from launch on.
class ZunoIAPHelper : public sys::PaymentTransactionObserver {
public:
    static std::shared_ptr<ZunoIAPHelper> sharedHelper();

    void paymentQueue(sys::PaymentQueue& queue, const std::vector<sys::TransactionPtr>& transactions) override {}

private:
    ZunoIAPHelper() = default;
};

}  // namespace zuno
