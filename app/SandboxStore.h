#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/services/Store.h"
#include "platform/ui/AlertView.h"

namespace zuno::app {

// A store for trying purchases on the desktop (off unless the program is started with
// --sandbox-store). A payment asks in a dialog: "Buy" reports a purchase, Cancel a payment the person
// cancelled (error 2). The receipt names the sandbox, and only the stand-in server credits it. A
// transaction stays in the data folder until the client finishes it, and one left unfinished is
// reported again when the store is next installed. Every purchase is remembered for a restore.
// Main thread only.
class SandboxStore : public sys::StoreBackend,
                     public ui::AlertViewDelegate,
                     public std::enable_shared_from_this<SandboxStore> {
public:
    static constexpr const char* kFileName = "SandboxStore.plist";
    static constexpr const char* kReceiptPrefix = "ZUNO-SANDBOX-RECEIPT;";

    // What the next payment does instead of asking (tests script it).
    enum class Answer { Approve, Fail, Cancel };

    explicit SandboxStore(std::string folder);
    // Makes it the store, and reports the transactions left unfinished by an earlier run.
    static std::shared_ptr<SandboxStore> install(const std::string& folder);

    void script(Answer answer) { scripted_.push_back(answer); }
    // The receipt of a sandbox transaction: "ZUNO-SANDBOX-RECEIPT;<transaction id>;<product id>".
    static std::string receiptText(const std::string& transactionId, const std::string& productId);

    bool canMakePayments() override { return true; }
    void startProductsRequest(const std::shared_ptr<sys::ProductsRequest>& request) override;
    void addPayment(sys::PaymentQueue& queue, const sys::Payment& payment) override;
    void restoreCompletedTransactions(sys::PaymentQueue& queue) override;
    void finishTransaction(const sys::PaymentTransaction& transaction) override;
    void clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) override;

    // Transactions recorded and not finished.
    std::vector<sys::TransactionPtr> unfinished() const;

private:
    struct Asked {
        std::shared_ptr<ui::AlertView> alert;
        sys::Payment payment;
    };
    void answer(const sys::Payment& payment, Answer answer);
    sys::TransactionPtr makeTransaction(const std::string& id, const std::string& product, double date,
                                        sys::TransactionState state) const;
    sys::Value load() const;
    void save(const sys::Value& state) const;

    std::string path_;
    std::deque<Answer> scripted_;
    std::vector<Asked> asked_;
    uint64_t count_ = 0;
};

}  // namespace zuno::app
