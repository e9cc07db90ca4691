// The stand-in's answers about money and the figure's shop read in the language the client shows:
// English until it asks for Vietnamese.
#include <gtest/gtest.h>

#include "lobby/GlobalService.h"
#include "lobby/model/ShopRecords.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

constexpr int8_t kScratchCard = 2;
constexpr int32_t kHair = 3;

class StandinLanguageTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        StandinRobots::addTo(*signIn);
        StandinProfileShop::installOn(server, signIn);
        StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        ui->shopGender = 1;  // a shop screen shows, so that its pages reach the logic
        useStandinServer();
        signInAs("demo", "demo");
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    }
    static GlobalService& service() { return GlobalService::getInstance(); }
    template <typename T>
    T answer(const std::string& name) {
        const int count = ++asked[name];
        EXPECT_TRUE(pump([&] { return logic->count(name) == count; })) << name;
        return logic->last<T>(name);
    }
    std::string transferText(const std::string& nick, int32_t amount) {
        service().transferMoneyWithNick(nick, amount);
        return std::get<1>(answer<std::tuple<int64_t, std::optional<std::string>>>("onTransferMoneyWithNewMoney"))
            .value_or("");
    }
    std::string cardText(const std::string& serial) {
        ChargeMoneyInfo card(kScratchCard);
        card.setSubId(2);
        service().sendChargeMoney(card, serial, std::string(StandinMoney::kGoodPin));
        return answer<PurchaseInfo>("onPurchaseInfo").message.value_or("");
    }
    std::string firstHair() {
        service().requestGetItemsByCategory(kHair, 0, 1);
        auto hair = answer<std::shared_ptr<ItemsOfCategory>>("onItemsOfCategoryInfo");
        if (!hair || hair->itemList().empty()) {
            ADD_FAILURE() << "reading the first hair: the stand-in listed none";
            return {};
        }
        auto item = hair->itemList().front();
        return item->name().value_or("") + " | " + item->function_desc().value_or("");
    }
    std::string refusedCart() {
        const int32_t unknown[] = {999};
        service().requestBuyItems(unknown);
        return answer<std::optional<std::string>>("onBuyAvatarFail").value_or("");
    }
    std::string refusedRemoval() {
        service().requestRemoveItem(999);
        return answer<std::optional<std::string>>("onDeleteItemFail").value_or("");
    }
    std::string secondAvatar() {
        service().requestAvatarShop();
        return answer<std::vector<std::shared_ptr<Avatar>>>("onAvatarList").at(1)->name();
    }

    std::shared_ptr<StandinSignIn> signIn;
    std::map<std::string, int> asked;
};

}  // namespace

TEST_F(StandinLanguageTest, MoneyAndShopAnswersFollowTheClientsLanguage) {
    EXPECT_EQ(transferText("nobody", 1000), "There is no other player named nobody.");
    EXPECT_EQ(transferText("Chi", 20000), "You gave Chi 20,000 Xu.");
    EXPECT_EQ(cardText("0000"), StandinMoney::kCardRefused);
    EXPECT_EQ(cardText(StandinMoney::kGoodSerial), "Your card added 100,000 Xu.");
    EXPECT_EQ(firstHair(), "Hair 1 | An item of the figure");
    EXPECT_EQ(refusedCart(), "No such item.");
    EXPECT_EQ(refusedRemoval(), "You do not own this item.");
    EXPECT_EQ(secondAvatar(), "Cat");

    service().setLanguageForAppWithSubId(1, std::string("vi"));
    EXPECT_EQ(transferText("nobody", 1000), "Không có người chơi nào khác tên nobody.");
    EXPECT_EQ(transferText("Chi", 20000), "Đã chuyển cho Chi 20,000 Xu.");
    EXPECT_EQ(transferText("Chi", 900000000), "Bạn không có đủ số tiền này.");
    EXPECT_EQ(cardText("0000"), StandinMoney::kCardRefusedVi);
    EXPECT_EQ(firstHair(), "Tóc 1 | Trang phục cho nhân vật");
    EXPECT_EQ(refusedCart(), "Không có món đồ này.");
    EXPECT_EQ(refusedRemoval(), "Bạn không có món đồ này.");
    EXPECT_EQ(secondAvatar(), "Mèo");
}
