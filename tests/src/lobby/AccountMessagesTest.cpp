#include "DispatcherFixture.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
using Text = std::optional<std::string>;
using Options = std::vector<std::shared_ptr<ChargeMoneyInfo>>;

class AccountMessagesTest : public DispatcherTest {
protected:
    void TearDown() override {
        Province::setList({});
        DispatcherTest::TearDown();
    }
};

sys::Data userData(int8_t provinceId) {
    return bytes({{1}, utf("Nguyễn Văn A"), {1}, i16(1990), utf("Hà Nội"), utf("0123"), utf("vui"), utf("0912"),
                  {uint8_t(provinceId)}});
}
}  // namespace


TEST_F(AccountMessagesTest, AvatarImageLengthIsCheckedBeforeAnyByteIsTaken) {
    deliver(38, bytes({i16(12), i16(3), {0x89, 0x50, 0x4E}}));
    auto avatar = logic->last<std::shared_ptr<Avatar>>("onAvatar");
    EXPECT_EQ(avatar->avatarId(), 12);
    EXPECT_TRUE(avatar->img());
    EXPECT_EQ(ui->decodedBytes, (sys::Data{0x89, 0x50, 0x4E}));

    deliver(38, bytes({i16(13), i16(-1), {0x89}}));
    deliver(38, bytes({i16(14), i16(4), {0x89, 0x50}}));
    EXPECT_EQ(logic->count("onAvatar"), 1);
    EXPECT_EQ(exceptionsLogged(), 2);
}

TEST_F(AccountMessagesTest, TransferProfileSavedAndAvatarShop) {
    deliver(17, bytes({i64(-5), utf("done")}));
    deliver(41, {});
    deliver(43, i16(-3));
    deliver(39, bytes({i16(1), utf("Mèo"), i32(500), i16(2), utf("Chó"), i32(700)}));
    EXPECT_EQ(calls(), (std::vector<std::string>{"onTransferMoneyWithNewMoney", "onSetMyUserData",
                                                 "onBuyAvatarSuccessWithId", "onAvatarList"}));
    EXPECT_EQ((logic->last<std::tuple<int64_t, Text>>("onTransferMoneyWithNewMoney")), std::make_tuple(int64_t(-5), Text("done")));
    EXPECT_EQ(logic->last<int16_t>("onBuyAvatarSuccessWithId"), -3);
    auto avatars = logic->last<std::vector<std::shared_ptr<Avatar>>>("onAvatarList");
    ASSERT_EQ(avatars.size(), 2u);
    EXPECT_EQ(avatars[1]->avatarId(), 2);
    EXPECT_EQ(avatars[1]->name(), "Chó");
    EXPECT_EQ(avatars[1]->price(), 700);
}

TEST_F(AccountMessagesTest, OwnDataWithAndWithoutProvince) {
    deliver(40, userData(-1));
    UserPtr user = logic->last<UserPtr>("onMyUserDataWithUser");
    EXPECT_EQ(user->fullname(), "Nguyễn Văn A");
    EXPECT_EQ(user->gender(), 1);
    EXPECT_EQ(user->birthYear(), 1990);
    EXPECT_EQ(user->address(), "Hà Nội");
    EXPECT_EQ(user->idnumber(), "0123");
    EXPECT_EQ(user->status(), "vui");
    EXPECT_EQ(user->phoneNum(), "0912");
    EXPECT_EQ(user->provinceId(), -1);
    EXPECT_TRUE(Province::list().empty());

    deliver(40, bytes({userData(5), utf("Huế")}));
    ASSERT_EQ(Province::list().size(), 1u);
    EXPECT_EQ(Province::getProviceNameWithId(5), "Huế");
    deliver(40, bytes({userData(5), utf("Thừa Thiên")}));
    EXPECT_EQ(Province::list().size(), 1u);
    EXPECT_EQ(logic->count("onMyUserDataWithUser"), 3);
}

TEST_F(AccountMessagesTest, AssetsAndAchievement) {
    deliver(40, bytes({{2}, i32(3), utf("Nhẫn"), utf("vàng"), i32(2)}));
    auto assets = logic->last<GlobalLogicHandler::Assets>("onMyAssets");
    ASSERT_EQ(assets.size(), 1u);
    EXPECT_EQ(assets[0]->assetId(), 3);
    EXPECT_EQ(assets[0]->description(), "vàng");
    EXPECT_EQ(assets[0]->amount(), 2);

    deliver(40, bytes({{3}, {7}, i32(10), i32(20), i32(30), i32(40), i32(50)}));
    EXPECT_EQ(logic->last<std::vector<int32_t>>("onMyAchievement"), (std::vector<int32_t>{7, 10, 20, 30, 40, 50}));
}

TEST_F(AccountMessagesTest, TopUpChannelsCarryASubIdOnlyForSomeTypes) {
    const sys::Data channels = bytes({{3}, utf("thẻ"), utf(""), utf(""),  //
                                      {1, 9}, utf("SMS 10k"), utf("ZN NAP"), utf("8785")});
    deliver(44, channels);
    Options options = logic->last<Options>("onMoneyInfo");
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0]->type(), 3);
    EXPECT_EQ(options[0]->subId(), -1);
    EXPECT_EQ(options[0]->info(), "thẻ");
    EXPECT_EQ(options[1]->subId(), 9);
    EXPECT_EQ(options[1]->smsContent(), "ZN NAP");
    EXPECT_EQ(options[1]->smsTo(), "8785");

    ui->apStore = true;
    deliver(44, channels);
    EXPECT_TRUE(logic->last<Options>("onMoneyInfo").empty());
}

TEST_F(AccountMessagesTest, PurchaseWithoutMoneyLeavesTheBalanceAlone) {
    deliver(71, bytes({{0, 0xFF}, utf("lỗi"), utf("rc")}));
    auto info = logic->last<PurchaseInfo>("onPurchaseInfo");
    EXPECT_EQ(info.status, -1);
    EXPECT_EQ(info.message, "lỗi");
    EXPECT_EQ(info.receiptString, "rc");
    EXPECT_EQ(info.money, std::nullopt);
    EXPECT_EQ(exceptionsLogged(), 0);

    deliver(71, bytes({{0, 1}, utf("ok"), utf("rc"), i64(3000000000LL)}));
    EXPECT_EQ(logic->last<PurchaseInfo>("onPurchaseInfo").money, 3000000000LL);
}

TEST_F(AccountMessagesTest, ItemImages) {
    deliver(79, bytes({{1}, i32(8), i16(0)}));
    deliver(79, bytes({{4}, i32(8), i16(-2), {1, 2}}));
    EXPECT_TRUE(calls().empty());

    deliver(79, bytes({{1}, i32(8), i16(2), {0xFF, 0xD8}}));
    auto [itemId, image] = logic->last<std::tuple<int32_t, ImagePtr>>("onItemImageWithItemId");
    EXPECT_EQ(itemId, 8);
    EXPECT_TRUE(image);

    deliver(79, bytes({{4}, i32(9), i16(3), {1, 2, 3}}));
    EXPECT_EQ((logic->last<std::tuple<int32_t, sys::Data>>("onItemImageWithId")), std::make_tuple(9, sys::Data{1, 2, 3}));

    deliver(79, bytes({{4}, i32(9), i16(30), {1, 2, 3}}));
    EXPECT_EQ(logic->count("onItemImageWithId"), 1);
    EXPECT_EQ(exceptionsLogged(), 1);
}
