#include "lobby/model/ShopRecords.h"

#include "platform/core/Format.h"

namespace zuno {

std::string Avatar::priceString() const { return sys::formatNumber(price_); }

}  // namespace zuno
