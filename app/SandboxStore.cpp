#include "SandboxStore.h"

#include <algorithm>

#include "platform/core/AtomicFile.h"
#include "platform/core/Clock.h"
#include "platform/core/Log.h"
#include "platform/core/PropertyList.h"
#include "platform/core/RunLoop.h"

namespace zuno::app {

namespace {
constexpr const char* kUnfinished = "unfinished";
constexpr const char* kPurchased = "purchased";

sys::Array listOf(const sys::Value& state, const char* key) {
    const sys::Value& list = state[key];
    return list.array() ? *list.array() : sys::Array();
}

void put(sys::Value& state, const char* key, sys::Array list) {
    if (auto* d = state.dictionary()) d->set(key, sys::Value(std::move(list)));
}

sys::Value entry(const std::string& id, const std::string& product, double date) {
    return sys::Value(sys::Dictionary{{"id", sys::Value(id)}, {"product", sys::Value(product)}, {"date", sys::Value(date)}});
}
}  // namespace

SandboxStore::SandboxStore(std::string folder) : path_(std::move(folder) + "/" + kFileName) {}

std::shared_ptr<SandboxStore> SandboxStore::install(const std::string& folder) {
    auto store = std::make_shared<SandboxStore>(folder);
    sys::Store::setBackend(store);
    auto left = store->unfinished();
    if (!left.empty()) sys::PaymentQueue::defaultQueue().updateTransactions(std::move(left));
    return store;
}

std::string SandboxStore::receiptText(const std::string& transactionId, const std::string& productId) {
    return std::string(kReceiptPrefix) + transactionId + ";" + productId;
}

sys::Value SandboxStore::load() const {
    if (!sys::readWholeFile(path_)) return sys::Value(sys::Dictionary());
    try {
        sys::Value state = sys::PropertyList::readFile(path_);
        if (state.dictionary()) return state;
    } catch (const std::exception&) {
    }
    sys::Log::line("sandbox store: " + path_ + " does not read; starting empty");
    return sys::Value(sys::Dictionary());
}

void SandboxStore::save(const sys::Value& state) const {
    if (auto error = sys::writeFileAtomically(path_, sys::PropertyList::write(state)))
        sys::Log::line("sandbox store: " + *error);
}

sys::TransactionPtr SandboxStore::makeTransaction(const std::string& id, const std::string& product, double date,
                                                  sys::TransactionState state) const {
    auto t = std::make_shared<sys::PaymentTransaction>();
    t->transactionIdentifier = id;
    t->transactionState = state;
    t->payment.productIdentifier = product;
    t->transactionDate = date;
    const std::string receipt = receiptText(id, product);
    t->transactionReceipt.assign(receipt.begin(), receipt.end());
    return t;
}

std::vector<sys::TransactionPtr> SandboxStore::unfinished() const {
    std::vector<sys::TransactionPtr> list;
    for (const sys::Value& e : listOf(load(), kUnfinished)) {
        if (!e["id"].isText() || !e["product"].isText()) continue;
        list.push_back(makeTransaction(*e["id"].text(), *e["product"].text(), e["date"].asReal(),
                                       sys::TransactionState::Purchased));
    }
    return list;
}

void SandboxStore::startProductsRequest(const std::shared_ptr<sys::ProductsRequest>& request) {
    sys::ProductsResponse response;
    for (const auto& id : request->productIdentifiers()) response.products.push_back({id, id, "Sandbox product", 0});
    sys::RunLoop::main().post([request, response] { request->respond(response); });
}

void SandboxStore::addPayment(sys::PaymentQueue&, const sys::Payment& payment) {
    if (!scripted_.empty()) {
        const Answer next = scripted_.front();
        scripted_.pop_front();
        answer(payment, next);
        return;
    }
    auto alert = std::make_shared<ui::AlertView>(
        std::string("Sandbox store"), "Buy " + payment.productIdentifier + "? No real money is taken.",
        std::static_pointer_cast<ui::AlertViewDelegate>(shared_from_this()), std::string("Cancel"),
        std::vector<std::string>{"Buy"});
    asked_.push_back({alert, payment});
    alert->show();
}

void SandboxStore::clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) {
    auto asked = std::find_if(asked_.begin(), asked_.end(), [&](const Asked& a) { return a.alert.get() == &alert; });
    if (asked == asked_.end()) return;
    const sys::Payment payment = asked->payment;
    asked_.erase(asked);
    answer(payment, buttonIndex == alert.cancelButtonIndex() ? Answer::Cancel : Answer::Approve);
}

void SandboxStore::answer(const sys::Payment& payment, Answer answer) {
    auto& queue = sys::PaymentQueue::defaultQueue();
    const double now = sys::currentTimeSeconds();
    const std::string id = "sandbox-" + std::to_string(static_cast<int64_t>(now * 1000)) + "-" + std::to_string(++count_);
    if (answer != Answer::Approve) {
        auto t = makeTransaction(id, payment.productIdentifier, now, sys::TransactionState::Failed);
        t->transactionReceipt.clear();
        t->error = answer == Answer::Cancel
                       ? sys::StoreError{sys::StoreError::kPaymentCancelled, "The payment was cancelled."}
                       : sys::StoreError{sys::StoreError::kUnknown, "The sandbox store refused the payment."};
        queue.updateTransactions({t});
        return;
    }
    // Kept before it is reported, so that a stop before the client finishes it loses nothing.
    sys::Value state = load();
    sys::Array unfinishedList = listOf(state, kUnfinished), purchased = listOf(state, kPurchased);
    unfinishedList.push_back(entry(id, payment.productIdentifier, now));
    purchased.push_back(entry(id, payment.productIdentifier, now));
    put(state, kUnfinished, std::move(unfinishedList));
    put(state, kPurchased, std::move(purchased));
    save(state);
    queue.updateTransactions({makeTransaction(id, payment.productIdentifier, now, sys::TransactionState::Purchased)});
}

void SandboxStore::restoreCompletedTransactions(sys::PaymentQueue& queue) {
    std::vector<sys::TransactionPtr> restored;
    for (const sys::Value& e : listOf(load(), kPurchased)) {
        if (!e["id"].isText() || !e["product"].isText()) continue;
        restored.push_back(makeTransaction(*e["id"].text(), *e["product"].text(), e["date"].asReal(),
                                           sys::TransactionState::Restored));
    }
    if (!restored.empty()) queue.updateTransactions(std::move(restored));
}

void SandboxStore::finishTransaction(const sys::PaymentTransaction& transaction) {
    sys::Value state = load();
    sys::Array left;
    for (sys::Value& e : listOf(state, kUnfinished))
        if (!(e["id"].isText() && *e["id"].text() == transaction.transactionIdentifier)) left.push_back(std::move(e));
    put(state, kUnfinished, std::move(left));
    save(state);
}

}  // namespace zuno::app
