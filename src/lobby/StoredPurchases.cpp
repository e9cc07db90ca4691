#include "lobby/StoredPurchases.h"

#include <ctime>

#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/core/Value.h"

namespace zuno {

namespace {
sys::Array storedList() {
    return sys::UserDefaults::standard().arrayForKey(StoredPurchases::kKey).value_or(sys::Array());
}

bool store(sys::Array list) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(std::move(list)), StoredPurchases::kKey);
    return defaults.synchronize();
}

// The product, receipt and date after the user's name and its ";".
std::optional<StoredPurchase> readAfterUser(std::string_view user, std::string_view rest) {
    const size_t dateAt = rest.rfind(';');
    if (dateAt == std::string_view::npos || dateAt == 0) return std::nullopt;
    const size_t receiptAt = rest.rfind(';', dateAt - 1);
    if (receiptAt == std::string_view::npos) return std::nullopt;
    return StoredPurchase{std::string(user), std::string(rest.substr(0, receiptAt)),
                          std::string(rest.substr(receiptAt + 1, dateAt - receiptAt - 1)),
                          std::string(rest.substr(dateAt + 1))};
}
}  // namespace

std::string StoredPurchases::format(const StoredPurchase& p) {
    return p.userName + ";" + p.product + ";" + p.receipt + ";" + p.date;
}

std::optional<StoredPurchase> StoredPurchases::parse(std::string_view entry, std::string_view userName) {
    if (entry.size() <= userName.size() || entry.substr(0, userName.size()) != userName ||
        entry[userName.size()] != ';')
        return std::nullopt;
    return readAfterUser(userName, entry.substr(userName.size() + 1));
}

std::optional<StoredPurchase> StoredPurchases::parse(std::string_view entry) {
    const size_t userEnd = entry.find(';');
    if (userEnd == std::string_view::npos) return std::nullopt;
    return readAfterUser(entry.substr(0, userEnd), entry.substr(userEnd + 1));
}

std::string StoredPurchases::savedUserName() {
    return sys::UserDefaults::standard().stringForKey(kUserNameKey).value_or(std::string());
}

std::vector<StoredPurchase> StoredPurchases::ofUser(const std::string& userName) {
    std::vector<StoredPurchase> purchases;
    for (const sys::Value& entry : storedList()) {
        if (!entry.isText()) continue;
        if (auto purchase = parse(*entry.text(), userName)) purchases.push_back(std::move(*purchase));
    }
    return purchases;
}

size_t StoredPurchases::count() { return storedList().size(); }

bool StoredPurchases::record(const StoredPurchase& purchase) {
    sys::Array list = storedList();
    list.push_back(sys::Value(format(purchase)));
    return store(std::move(list));
}

size_t StoredPurchases::removeReceipt(const std::string& userName, const std::string& receipt) {
    sys::Array list = storedList();
    if (list.empty()) return 0;
    sys::Log::debugFormat("Transaction Count Before:%zu", list.size());
    sys::Array kept;
    for (sys::Value& entry : list) {
        std::optional<StoredPurchase> purchase;
        if (entry.isText()) purchase = parse(*entry.text(), userName);
        if (!purchase || purchase->receipt != receipt) kept.push_back(std::move(entry));
    }
    const size_t removed = list.size() - kept.size();
    sys::Log::debugFormat("Transaction Count After:%zu", kept.size());
    if (removed > 0 && !store(std::move(kept))) sys::Log::line("stored purchases: the removal was not written");
    return removed;
}

std::string StoredPurchases::dateText(double secondsSince1970) {
    const std::time_t when = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    localtime_r(&when, &local);
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    std::snprintf(text, sizeof text, "%s %02d, %04d %02d:%02d", kMonths[local.tm_mon % 12], local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

}  // namespace zuno
