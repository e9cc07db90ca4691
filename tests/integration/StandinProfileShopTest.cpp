// The stand-in's profile and avatar shop keep every account's own: what demo fills in, buys and wears,
// a newly registered account signed in after him does not get; it starts with its name and the
// starting figure, and what it changes leaves demo's as they were.
#include <gtest/gtest.h>

#include "lobby/GlobalService.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "support/SignedInClientTest.h"
#include "support/LoopWaits.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

constexpr int32_t kDemo = StandinRobots::kDemoId;
constexpr int32_t kHats = 7;
constexpr int32_t kHat = 10701;  // the man's first hat
// The starting figure: the man's body, first hair and first trousers.
const std::vector<int32_t> kStartingFigure = {11201, 10301, 10501};

class StandinProfileShopTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        StandinRobots::addTo(*signIn);
        shop = StandinProfileShop::installOn(server, signIn);
        // A shop screen and a profile screen show, so that their pages reach the logic.
        ui->shopGender = 1;
        ui->profileGender = 1;
        useStandinServer();
    }
    static GlobalService& service() { return GlobalService::getInstance(); }
    void waitFor(const std::string& name) {
        const int count = ++asked[name];
        EXPECT_TRUE(pump([&] { return logic->count(name) == count; })) << name;
    }
    template <typename T>
    T answer(const std::string& name) {
        waitFor(name);
        return logic->last<T>(name);
    }

    // Signs in on a new connection (the last one ends first).
    void signInAgainAs(const std::string& name, const std::string& password,
                       std::function<void()> beforeLogin = {}) {
        const int before = logic->count("onLoginSuccess");
        if (before > 0) {
            MobileClient::getInstance()->manualDisconnect();
            ASSERT_TRUE(zuno::testing::connectionThreadsEnded());
        }
        signInAs(name, password, std::move(beforeLogin));
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == before + 1; }));
    }
    void update(const User& user) {
        service().updateDateProfileWithUser(user);
        waitFor("onSetMyUserData");
    }
    UserPtr personalData() {
        service().requestUserData();
        return answer<UserPtr>("onMyUserDataWithUser");
    }
    std::vector<int32_t> wornBy(int32_t userId) {
        service().requestUsingAvatar(userId, 1);
        std::vector<int32_t> ids;
        for (const auto& item : answer<std::vector<std::shared_ptr<UsingAvatar>>>("onListUsingAvatar"))
            ids.push_back(item->itemId());
        return ids;
    }
    std::vector<std::shared_ptr<ItemInfo>> hatsForSale() {
        service().requestGetItemsByCategory(kHats, 0, 1);
        return answer<std::shared_ptr<ItemsOfCategory>>("onItemsOfCategoryInfo")->itemList();
    }
    std::vector<std::shared_ptr<UserItemInfo>> hatsOwned() {
        service().requestGetUserItemsByCategory(kHats, 0, 1);
        return answer<std::shared_ptr<UserItemsOfCategory>>("onUserItemsOfCategoryInfo")->userItemsList();
    }

    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinProfileShop> shop;
    std::map<std::string, int> asked;
};

User demosData() {
    User user;
    user.setFullname(std::string("Tran Van Demo"));
    user.setGender(1);
    user.setBirthYear(1985);
    user.setAddress(std::string("9 Ly Thai To"));
    user.setIdnumber(std::string("012345678"));
    user.setStatus(std::string("Demo's own status"));
    user.setPhoneNum(std::string("0987000111"));
    user.setProvinceId(3);
    return user;
}

}  // namespace

TEST_F(StandinProfileShopTest, ANewAccountStartsWithItsOwnAndChangesOnlyItsOwn) {
    ASSERT_NO_FATAL_FAILURE(signInAgainAs("demo", "demo"));
    update(demosData());
    const int32_t hat[] = {kHat};
    service().requestBuyItems(hat);
    waitFor("onBuyAvatarSuccess");
    const int32_t demosHat = shop->owned(kDemo).back().userItemId;
    const int32_t wearIt[] = {demosHat};
    service().requestSetUsing(wearIt, true);
    waitFor("onUpdateSetUsing");
    ASSERT_EQ(wornBy(kDemo), (std::vector<int32_t>{11201, 10301, 10501, kHat}));

    // Registered on the connection that signs in with it.
    ASSERT_NO_FATAL_FAILURE(signInAgainAs("mai", "hoa mai", [] {
        service().requestRegisterWithUsername(std::string("mai"), std::string("hoa mai"));
    }));
    const int32_t mai = UIController::myInfo()->IDDB();
    ASSERT_NE(mai, kDemo);

    auto data = personalData();
    EXPECT_EQ(data->fullname(), "mai");
    EXPECT_EQ(std::make_tuple(data->gender(), data->birthYear(), data->provinceId()),
              std::make_tuple(int8_t(0), int16_t(0), int8_t(-1)));
    for (const auto& text : {data->address(), data->idnumber(), data->status(), data->phoneNum()})
        EXPECT_EQ(text.value_or(""), "");
    EXPECT_EQ(wornBy(mai), kStartingFigure);
    for (const auto& item : hatsForSale()) EXPECT_FALSE(item->is_bought()) << item->itemId();
    EXPECT_TRUE(hatsOwned().empty());
    // Demo's hat is not hers to take off or throw away.
    service().requestRemoveItem(demosHat);
    EXPECT_EQ(answer<std::optional<std::string>>("onDeleteItemFail"), "You do not own this item.");
    service().requestSetUsing(wearIt, false);

    // Hers change, demo's stay; demo's figure is his whoever asks for it.
    User hers;
    hers.setFullname(std::string("Mai Hoa"));
    hers.setGender(2);
    hers.setProvinceId(-1);
    update(hers);
    service().requestBuyItems(hat);
    waitFor("onBuyAvatarSuccess");
    EXPECT_EQ(personalData()->fullname(), "Mai Hoa");
    EXPECT_EQ(hatsOwned().size(), 1u);
    EXPECT_EQ(wornBy(mai), kStartingFigure);
    EXPECT_EQ(wornBy(kDemo), (std::vector<int32_t>{11201, 10301, 10501, kHat}));
    EXPECT_EQ(shop->profile(kDemo)->fullname, "Tran Van Demo");
    EXPECT_EQ(shop->owned(kDemo).size(), 4u);

    ASSERT_NO_FATAL_FAILURE(signInAgainAs("demo", "demo"));
    data = personalData();
    EXPECT_EQ(std::make_tuple(*data->fullname(), *data->address(), *data->phoneNum(), data->provinceId()),
              std::make_tuple(std::string("Tran Van Demo"), std::string("9 Ly Thai To"), std::string("0987000111"),
                              int8_t(3)));
    const auto hats = hatsOwned();
    ASSERT_EQ(hats.size(), 1u);
    EXPECT_EQ(hats.front()->userItemId(), demosHat);
    EXPECT_TRUE(hats.front()->is_using());
}
