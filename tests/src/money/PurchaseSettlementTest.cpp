// The server's answer to a store receipt, whatever screen is on top.
#include <gtest/gtest.h>

#include "lobby/StoredPurchases.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "platform/core/UserDefaults.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "shell/CustomAlertView.h"
#include "src/lobby/SessionLogicFixture.h"

namespace zuno::testing {
namespace {

class PurchaseSettlementTest : public SessionLogicTest {
protected:
    void SetUp() override {
        SessionLogicTest::SetUp();
        me = std::make_shared<Player>();
        me->setName("lan");
        me->setMoney(1000);
        UIController::setMyInfo(me);
        sys::UserDefaults::standard().setObject(sys::Value("lan"), StoredPurchases::kUserNameKey);
        storeEntries();
    }
    static void storeEntries() {
        sys::UserDefaults::standard().setObject(sys::Value(sys::Array{sys::Value("lan;pack;R1;d1"), sys::Value("hoa;pack;R1;d1"),
                                                 sys::Value("lan;pack;R1;d2"), sys::Value("lan;pack;R2;d1")}),
                           StoredPurchases::kKey);
    }
    static std::vector<std::string> receiptsOf(const std::string& user) {
        std::vector<std::string> out;
        for (const auto& p : StoredPurchases::ofUser(user)) out.push_back(p.receipt);
        return out;
    }
    // The action the dialog shown will run.
    static int shownAction() {
        auto shown = ui::AlertView::visibleAlerts();
        auto alert = shown.empty() ? nullptr : std::dynamic_pointer_cast<CustomAlertView>(shown.back());
        return alert ? alert->actionCode : -100;
    }

    PlayerPtr me;
};

TEST_F(PurchaseSettlementTest, ACreditedReceiptIsSettledAtTheReplyOnAnyScreen) {
    struct Case {
        const char* name;
        std::function<std::shared_ptr<ui::ViewController>()> screen;
        int action;  // of the dialog; okNone for a plain notice
    } cases[] = {
        {"top-up", [] { return std::make_shared<MoneyView>(); }, UIController::okCompleteRecharge},
        {"profile",
         [] {
             auto profile = std::make_shared<ProfileView>();
             profile->setTransactionView(std::make_shared<TransactionView>());
             return profile;
         },
         UIController::okCompleteTransaction},
        {"main menu", [] { return std::make_shared<MainView>(); }, UIController::okNone},
    };
    for (const auto& c : cases) {
        screens->stack = {c.screen()};
        for (int8_t status : {1, 2}) {
            storeEntries();
            logic().onPurchaseInfo(PurchaseInfo{status, "credited", std::string("R1"), 50000});
            EXPECT_EQ(dialog(), "credited") << c.name;
            EXPECT_EQ(shownAction(), c.action) << c.name;
            EXPECT_EQ(me->money(), 50000) << c.name;
            // Both copies of the user's receipt went at once; the other user's stays.
            EXPECT_EQ(receiptsOf("lan"), std::vector<std::string>{"R2"}) << c.name;
            EXPECT_EQ(receiptsOf("hoa"), std::vector<std::string>{"R1"}) << c.name;
            me->setMoney(1000);
        }
    }
}

TEST_F(PurchaseSettlementTest, ARefusalOrAnUnknownReceiptRemovesNothing) {
    onTop<MainView>();
    logic().onPurchaseInfo(PurchaseInfo{3, "refused", std::string("R1"), 50000});
    logic().onPurchaseInfo(PurchaseInfo{1, "credited", std::string("not stored"), 60000});
    dialog();
    EXPECT_EQ(receiptsOf("lan"), (std::vector<std::string>{"R1", "R1", "R2"}));
    EXPECT_EQ(me->money(), 60000);
    // A result without a balance keeps the balance.
    logic().onPurchaseInfo(PurchaseInfo{1, "credited", std::string("R2"), std::nullopt});
    dialog();
    EXPECT_EQ(me->money(), 60000);
    EXPECT_EQ(receiptsOf("lan"), (std::vector<std::string>{"R1", "R1"}));
}

}  // namespace
}  // namespace zuno::testing
