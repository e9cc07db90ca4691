#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno {

// A completed store purchase whose receipt the game server has not yet confirmed.
struct StoredPurchase {
    std::string userName;  // the saved user name at the time of the purchase
    std::string product;   // the display text of the top-up entry bought
    std::string receipt;   // the store's receipt, in base64
    std::string date;      // "MMM dd, yyyy HH:mm", English, local time
};

// The one reader and writer of the purchases kept until the server credits them: a list of texts
// "user;product;receipt;date" under "ZUNO_DATA_TRANSACTION_LIST_" in the user defaults, shared by
// every user of the computer and never bounded. A user name or product may hold ";": an entry reads as
// its user first, its receipt and date last (neither holds ";"), the product in between. An entry
// that does not read (not a text, too few fields) is kept as it is and shown nowhere.
class StoredPurchases {
public:
    static constexpr const char* kKey = "ZUNO_DATA_TRANSACTION_LIST_";
    static constexpr const char* kUserNameKey = "ZUNO_LOGIN_USERNAME";

    static std::string format(const StoredPurchase& purchase);
    // The entry when it belongs to the user and reads.
    static std::optional<StoredPurchase> parse(std::string_view entry, std::string_view userName);
    // The entry read with its first field as the user.
    static std::optional<StoredPurchase> parse(std::string_view entry);

    // The saved user name, empty when none.
    static std::string savedUserName();
    // The purchases of that user, oldest first.
    static std::vector<StoredPurchase> ofUser(const std::string& userName);
    // How many entries the list holds, readable or not.
    static size_t count();
    // Appends the entry and writes the defaults to disk; NO when the write failed (the entry then
    // waits in memory for the next write).
    static bool record(const StoredPurchase& purchase);
    // Removes every entry of the user with exactly that receipt (a restore can store one twice) and
    // writes the change; answers how many went.
    static size_t removeReceipt(const std::string& userName, const std::string& receipt);

    // The stored form of a date given in seconds since 1970.
    static std::string dateText(double secondsSince1970);
};

}  // namespace zuno
