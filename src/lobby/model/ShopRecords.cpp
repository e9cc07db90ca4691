#include "lobby/model/ShopRecords.h"

#include "shell/Util.h"

namespace zuno {

std::string Avatar::priceString() const { return Util::formatNumber(price_); }

}  // namespace zuno
