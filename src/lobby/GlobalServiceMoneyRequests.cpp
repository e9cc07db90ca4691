// Money, the avatar lists, item images and the shop command family (command 101 with a sub byte).
#include "lobby/GlobalService.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
constexpr int8_t kShopCommand = 101;
constexpr int8_t kGetImage = 79;

// A count and then the ids; the count is always the list's own length.
void writeIdList(Message& m, std::span<const int32_t> ids) {
    m.writeInt(static_cast<int32_t>(ids.size()));
    for (int32_t id : ids) m.writeInt(id);
}
}  // namespace

void GlobalService::requestChargeMoneyInfo() { send(44); }

void GlobalService::transferMoneyWithNick(const std::optional<std::string>& nick, int32_t quantity) {
    send(17, [&](Message& m) {
        writeTextInPlace(m, nick);
        m.writeInt(quantity);
    });
}

void GlobalService::sendChargeMoney(const ChargeMoneyInfo& info, const std::optional<std::string>& serial,
                                    const std::optional<std::string>& pin) {
    send(71, [&](Message& m) {
        m.writeByte(info.type());
        m.writeByte(info.subId());
        if (pin) {
            writeTextInPlace(m, serial);
            m.writeUTF(pin);
        } else {
            m.writeUTF(serial);
        }
    });
}

void GlobalService::sendReceiptString(const ChargeMoneyInfo& info, const std::optional<std::string>& receipt,
                                      const std::optional<std::string>& pin) {
    send(71, [&](Message& m) {
        m.writeByte(info.type());
        if (pin) {
            writeTextInPlace(m, receipt);
            m.writeUTF(pin);
        } else {
            m.writeUTF(receipt);
        }
    });
}

void GlobalService::requestAvatarShop() { send(39); }

void GlobalService::buyAvatarWithId(int16_t avatarId) {
    send(43, [&](Message& m) { m.writeShort(avatarId); });
}

void GlobalService::requestAvatar(int16_t avatarId) {
    send(38, [&](Message& m) { m.writeShort(avatarId); });
}

void GlobalService::getItemImageWithItemId(int32_t itemId) { getItemImageWithItemId(itemId, 1); }

void GlobalService::getFullItemImageWithId(int32_t itemId) { getItemImageWithItemId(itemId, 4); }

void GlobalService::getItemImageWithItemId(int32_t itemId, int32_t type) {
    send(kGetImage, [&](Message& m) {
        m.writeByte(static_cast<int8_t>(type));
        m.writeInt(itemId);
    });
}

void GlobalService::sendShopCommand(int8_t sub, const std::function<void(Message&)>& write) {
    send(kShopCommand, [&](Message& m) {
        m.writeByte(sub);
        if (write) write(m);
    });
}

void GlobalService::requestGetCategory(int32_t categoryId, int8_t gender, int8_t screen) {
    sys::Log::format("id:%d gender:%d screen:%d", categoryId, gender, screen);
    sendShopCommand(1, [&](Message& m) {
        m.writeInt(categoryId);
        m.writeByte(gender);
        m.writeByte(screen);
    });
}

void GlobalService::requestGetItemsByCategory(int32_t categoryId, int8_t page, int8_t gender) {
    sendShopCommand(2, [&](Message& m) {
        m.writeInt(categoryId);
        m.writeByte(page);
        m.writeByte(gender);
    });
}

void GlobalService::requestGetUserItemsByCategory(int32_t categoryId, int8_t page, int8_t gender) {
    sendShopCommand(3, [&](Message& m) {
        m.writeInt(categoryId);
        m.writeByte(page);
        m.writeByte(gender);
    });
}

void GlobalService::requestGetAvatarDetail(int32_t itemId) {
    sendShopCommand(5, [&](Message& m) { m.writeInt(itemId); });
}

void GlobalService::requestBuyItems(int32_t, std::span<const int32_t> itemIdList) { requestBuyItems(itemIdList); }

void GlobalService::requestBuyItems(std::span<const int32_t> itemIdList) {
    sendShopCommand(6, [&](Message& m) { writeIdList(m, itemIdList); });
}

void GlobalService::requestBuyGift(int32_t giftId, int8_t roomId, int8_t boardId, int32_t userId) {
    sendShopCommand(7, [&](Message& m) {
        m.writeByte(roomId);
        m.writeByte(boardId);
        m.writeInt(giftId);
        m.writeInt(userId);
    });
}

void GlobalService::requestBuyGift(int32_t giftId, int8_t roomId, int8_t boardId, int32_t userId, int32_t price) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        giftPrices_[giftId].push_back(price);
    }
    requestBuyGift(giftId, roomId, boardId, userId);
}

std::optional<int32_t> GlobalService::takePaidGiftPrice(int32_t giftId) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto prices = giftPrices_.find(giftId);
    if (prices == giftPrices_.end()) return std::nullopt;
    const int32_t price = prices->second.front();
    prices->second.pop_front();
    if (prices->second.empty()) giftPrices_.erase(prices);
    return price;
}

void GlobalService::requestGetUserAvatarDetail(int32_t userItemId) {
    sendShopCommand(9, [&](Message& m) { m.writeInt(userItemId); });
}

void GlobalService::requestRemoveItem(int32_t userItemId) {
    sendShopCommand(10, [&](Message& m) { m.writeInt(userItemId); });
}

void GlobalService::requestSetUsing(int32_t, std::span<const int32_t> userItemIdArray, bool isUsing) {
    requestSetUsing(userItemIdArray, isUsing);
}

void GlobalService::requestSetUsing(std::span<const int32_t> userItemIdArray, bool isUsing) {
    sendShopCommand(11, [&](Message& m) {
        writeIdList(m, userItemIdArray);
        m.writeBool(isUsing);
    });
}

void GlobalService::requestUsingAvatar(int32_t userId, int8_t gender) {
    sendShopCommand(12, [&](Message& m) {
        m.writeInt(userId);
        m.writeByte(gender);
    });
}

void GlobalService::requestListItemsByGift(int8_t, int32_t giftCategoryId, int8_t page) {
    sendShopCommand(15, [&](Message& m) {
        m.writeInt(giftCategoryId);
        m.writeByte(page);
    });
}

void GlobalService::requestUserItemsEvent() { sendShopCommand(16); }

void GlobalService::requestOpenGift(int32_t assetId) {
    sendShopCommand(17, [&](Message& m) { m.writeInt(assetId); });
}

}  // namespace zuno
