#include <gtest/gtest.h>

#include <vector>

#include "LobbyRequestFixture.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/Log.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::int32Bytes;
using zuno::testing::LobbyRequestTest;
using zuno::testing::utf;

namespace {
using MoneyRequestTest = LobbyRequestTest;

ChargeMoneyInfo option(int8_t type, int8_t subId) {
    ChargeMoneyInfo info;
    info.setType(type);
    info.setSubId(subId);
    return info;
}
}  // namespace

TEST_F(MoneyRequestTest, Money) {
    expectEach({
        {"top-up options", [](GlobalService& s) { s.requestChargeMoneyInfo(); }, {44}},
        {"transfer", [](GlobalService& s) { s.transferMoneyWithNick("lan", 1000); },
         bytes({{17}, utf("lan"), int32Bytes(1000)})},
        {"transfer without a nick keeps the amount in place",
         [](GlobalService& s) { s.transferMoneyWithNick(std::nullopt, 1000); },
         bytes({{17}, utf(""), int32Bytes(1000)})},
        {"card", [](GlobalService& s) { s.sendChargeMoney(option(2, 3), "S1", "P1"); },
         bytes({{71, 2, 3}, utf("S1"), utf("P1")})},
        {"card without a PIN ends after the serial",
         [](GlobalService& s) { s.sendChargeMoney(option(2, 3), "S1", std::nullopt); },
         bytes({{71, 2, 3}, utf("S1")})},
        {"card without a serial keeps the PIN in place",
         [](GlobalService& s) { s.sendChargeMoney(option(2, 3), std::nullopt, "P1"); },
         bytes({{71, 2, 3}, utf(""), utf("P1")})},
        {"receipt has no sub id", [](GlobalService& s) { s.sendReceiptString(option(5, 9), "R", std::nullopt); },
         bytes({{71, 5}, utf("R")})},
        {"receipt with a PIN", [](GlobalService& s) { s.sendReceiptString(option(5, 9), "R", "P"); },
         bytes({{71, 5}, utf("R"), utf("P")})},
    });
}

TEST_F(MoneyRequestTest, AvatarsAndItemImages) {
    expectEach({
        {"avatar shop", [](GlobalService& s) { s.requestAvatarShop(); }, {39}},
        {"buy avatar", [](GlobalService& s) { s.buyAvatarWithId(300); }, {43, 1, 0x2C}},
        {"avatar picture", [](GlobalService& s) { s.requestAvatar(-2); }, {38, 0xFF, 0xFE}},
        {"item image", [](GlobalService& s) { s.getItemImageWithItemId(77); }, bytes({{79, 1}, int32Bytes(77)})},
        {"full item image", [](GlobalService& s) { s.getFullItemImageWithId(77); }, bytes({{79, 4}, int32Bytes(77)})},
        {"asset image of a type", [](GlobalService& s) { s.getItemImageWithItemId(77, 258); },
         bytes({{79, 2}, int32Bytes(77)})},
    });
}

TEST_F(MoneyRequestTest, ShopCommands) {
    const std::vector<int32_t> worn{10, 11};
    expectEach({
        {"categories", [](GlobalService& s) { s.requestGetCategory(8, 0, 1); },
         bytes({{101, 1}, int32Bytes(8), {0, 1}})},
        {"shop page", [](GlobalService& s) { s.requestGetItemsByCategory(20, 3, 1); },
         bytes({{101, 2}, int32Bytes(20), {3, 1}})},
        {"wardrobe page", [](GlobalService& s) { s.requestGetUserItemsByCategory(20, 3, 1); },
         bytes({{101, 3}, int32Bytes(20), {3, 1}})},
        {"item details", [](GlobalService& s) { s.requestGetAvatarDetail(500); }, bytes({{101, 5}, int32Bytes(500)})},
        {"buy nothing", [](GlobalService& s) { s.requestBuyItems(0, {}); }, {101, 6, 0, 0, 0, 0}},
        {"buy two", [](GlobalService& s) { s.requestBuyItems(2, std::vector<int32_t>{3, -1}); },
         bytes({{101, 6}, int32Bytes(2), int32Bytes(3), int32Bytes(-1)})},
        {"a count out of step with the list", [](GlobalService& s) { s.requestBuyItems(5, std::vector<int32_t>{3}); },
         bytes({{101, 6}, int32Bytes(1), int32Bytes(3)})},
        {"gift: room and table before the gift", [](GlobalService& s) { s.requestBuyGift(500, 1, 2, 77); },
         {101, 7, 1, 2, 0, 0, 1, 0xF4, 0, 0, 0, 0x4D}},
        {"owned item details", [](GlobalService& s) { s.requestGetUserAvatarDetail(9); },
         bytes({{101, 9}, int32Bytes(9)})},
        {"remove item", [](GlobalService& s) { s.requestRemoveItem(9); }, bytes({{101, 10}, int32Bytes(9)})},
        {"wear two", [&](GlobalService& s) { s.requestSetUsing(2, worn, true); },
         {101, 0x0B, 0, 0, 0, 2, 0, 0, 0, 0x0A, 0, 0, 0, 0x0B, 1}},
        {"take off with too small a count", [&](GlobalService& s) { s.requestSetUsing(1, worn, false); },
         {101, 0x0B, 0, 0, 0, 2, 0, 0, 0, 0x0A, 0, 0, 0, 0x0B, 0}},
        {"take off none", [](GlobalService& s) { s.requestSetUsing({}, false); }, {101, 11, 0, 0, 0, 0, 0}},
        {"worn items", [](GlobalService& s) { s.requestUsingAvatar(77, 1); }, bytes({{101, 12}, int32Bytes(77), {1}})},
        {"gift items: first argument unsent", [](GlobalService& s) { s.requestListItemsByGift(15, 8, 2); },
         bytes({{101, 15}, int32Bytes(8), {2}})},
        {"event items", [](GlobalService& s) { s.requestUserItemsEvent(); }, {101, 16}},
        {"open gift", [](GlobalService& s) { s.requestOpenGift(42); }, bytes({{101, 17}, int32Bytes(42)})},
    });
}
