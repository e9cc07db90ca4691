#pragma once

// Values that one lobby message carries to the session logic together.

#include <cstdint>
#include <optional>
#include <string>

namespace zuno {

// Another player's card, from a player-detail reply (the id asked for is not repeated).
struct PlayerDetail {
    std::optional<std::string> name;
    int64_t money = 0;
    int16_t avatar = 0;
    // The five statistics in wire order: experience, games won, lost, drawn and given up.
    int32_t exp = 0;
    int32_t won = 0;
    int32_t lost = 0;
    int32_t drawn = 0;
    int32_t givenUp = 0;
};

// The result of a top-up or purchase.
struct PurchaseInfo {
    // 1 or 2: the server credited the purchase.
    int8_t status = 0;
    std::optional<std::string> message;
    std::optional<std::string> receiptString;
    // The new balance; absent when the server did not send one, so the balance stays as it is.
    std::optional<int64_t> money;
};

}  // namespace zuno
