#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lobby/StoredPurchases.h"
#include "money/IAPHelper.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Log.h"
#include "platform/core/NotificationCenter.h"
#include "platform/core/PropertyList.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "support/PlatformReset.h"

namespace zuno {
namespace {

class IAPHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::Store::resetForTests();
        queue().addTransactionObserver(helper.get());
        sys::UserDefaults::standard().setObject(sys::Value("lan"), StoredPurchases::kUserNameKey);
        currentPurchaseName() = "100,000 Xu";
        sys::Log::startCapture();
    }
    void TearDown() override {
        sys::Log::stopCapture();
        currentPurchaseName().clear();
        sys::Store::resetForTests();
    }
    static sys::PaymentQueue& queue() { return sys::PaymentQueue::defaultQueue(); }

    static sys::TransactionPtr transaction(const std::string& id, sys::TransactionState state, std::string receipt,
                                           std::optional<sys::StoreError> error = std::nullopt) {
        auto t = std::make_shared<sys::PaymentTransaction>();
        t->transactionIdentifier = id;
        t->transactionState = state;
        t->payment.productIdentifier = "vn.zuno.xu100k";
        t->transactionReceipt.assign(receipt.begin(), receipt.end());
        t->transactionDate = 1796000000;
        t->error = std::move(error);
        return t;
    }
    // The stored list as the file on disk holds it.
    static sys::Array storedOnDisk() {
        const sys::Value file = sys::PropertyList::readFile(sys::dataFolder() + "/" + sys::UserDefaults::kFileName);
        const sys::Value& list = file[StoredPurchases::kKey];
        return list.array() ? *list.array() : sys::Array();
    }
    void report(const sys::TransactionPtr& t) {
        queue().updateTransactions({t});
        sys::RunLoop::main().runFor(0);
    }

    std::shared_ptr<IAPHelper> helper = std::make_shared<IAPHelper>(std::set<std::string>{"ignored"});
};

TEST_F(IAPHelperTest, ReceiptsAreStandardBase64) {
    const uint8_t bytes[] = {'M', 'a', 'n'};
    EXPECT_EQ(IAPHelper::encode(bytes, 0), "");
    EXPECT_EQ(IAPHelper::encode(bytes, 1), "TQ==");
    EXPECT_EQ(IAPHelper::encode(bytes, 2), "TWE=");
    EXPECT_EQ(IAPHelper::encode(bytes, 3), "TWFu");
    EXPECT_TRUE(helper->productIdentifiers.empty());
}

TEST_F(IAPHelperTest, APurchaseIsWrittenToDiskThenAnnouncedThenFinished) {
    std::vector<std::string> order;
    auto observation = sys::NotificationCenter::defaultCenter().observe("ProductPurchased", [&](const sys::Notification& n) {
        order.push_back("posted " + *n.objectAs<std::string>());
        order.push_back(storedOnDisk().size() == 1 ? "on disk" : "not on disk");
        order.push_back(queue().finishedTransactionIdentifiers().empty() ? "unfinished" : "finished");
    });
    report(transaction("t1", sys::TransactionState::Purchased, "R1"));
    EXPECT_EQ(order, (std::vector<std::string>{"posted UjE=", "on disk", "unfinished"}));
    EXPECT_EQ(queue().finishedTransactionIdentifiers(), std::vector<std::string>{"t1"});
    auto stored = StoredPurchases::ofUser("lan");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].product, "100,000 Xu");
    EXPECT_EQ(stored[0].receipt, "UjE=");
    EXPECT_EQ(stored[0].date, StoredPurchases::dateText(1796000000));

    // A restore is recorded the same way; with no row chosen the product says what was bought.
    currentPurchaseName().clear();
    report(transaction("t1-restored", sys::TransactionState::Restored, "R1"));
    stored = StoredPurchases::ofUser("lan");
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].product, "vn.zuno.xu100k");
    EXPECT_EQ(stored[1].receipt, "UjE=");
}

TEST_F(IAPHelperTest, AWriteThatFailsLeavesTheTransactionUnfinished) {
    int posted = 0;
    auto observation = sys::NotificationCenter::defaultCenter().observe("ProductPurchased",
                                                                        [&](const sys::Notification&) { ++posted; });
    // A data folder under a plain file: nothing can be written there.
    const std::string blocked = testing::makeTemporaryFolder("blocked-purchase") + "/file";
    std::ofstream(blocked) << "not a folder";
    sys::UserDefaults::reopenStandard();
    sys::setDataFolder(blocked + "/data");
    sys::UserDefaults::standard().setObject(sys::Value("lan"), StoredPurchases::kUserNameKey);
    report(transaction("t2", sys::TransactionState::Purchased, "R2"));
    EXPECT_EQ(posted, 0);
    EXPECT_TRUE(queue().finishedTransactionIdentifiers().empty());
    EXPECT_EQ(queue().transactions().size(), 1u);  // the store reports it again at the next launch
    sys::UserDefaults::reopenStandard();
    sys::setDataFolder(testing::temporaryDataFolder());
}

TEST_F(IAPHelperTest, FailuresAreAnnouncedAndFinishedAndOnlyRealErrorsLogged) {
    std::vector<sys::TransactionPtr> failed;
    auto observation = sys::NotificationCenter::defaultCenter().observe("ProductPurchaseFailed", [&](const sys::Notification& n) {
        failed.push_back(*n.objectAs<sys::TransactionPtr>());
    });
    auto cancelled = transaction("t3", sys::TransactionState::Failed, "", sys::StoreError{2, "cancelled"});
    auto refused = transaction("t4", sys::TransactionState::Failed, "", sys::StoreError{0, "no network"});
    report(cancelled);
    EXPECT_FALSE(sys::Log::contains("Transaction error"));
    report(refused);
    EXPECT_TRUE(sys::Log::contains("Transaction error: no network"));
    EXPECT_EQ(failed, (std::vector<sys::TransactionPtr>{cancelled, refused}));
    EXPECT_EQ(queue().finishedTransactionIdentifiers(), (std::vector<std::string>{"t3", "t4"}));
    EXPECT_TRUE(StoredPurchases::ofUser("lan").empty());
    // A purchase still in progress is neither recorded nor finished.
    report(transaction("t5", sys::TransactionState::Purchasing, "R5"));
    EXPECT_EQ(queue().finishedTransactionIdentifiers().size(), 2u);
}

}  // namespace
}  // namespace zuno
