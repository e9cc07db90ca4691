#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/Bundle.h"
#include "platform/core/Device.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/services/UrlOpener.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/PlatformReset.h"
#include "support/RecordingSession.h"

using namespace zuno;

namespace {
void pretendDevice(const std::string& model, const std::string& version) {
    sys::DeviceInfo device = sys::Device::current();
    device.model = model;
    device.systemVersion = version;
    sys::Device::override(device);
}

// A bundle whose configuration turns the store-review mode on.
class StoreReviewBundle {
public:
    StoreReviewBundle() {
        std::string folder = zuno::testing::makeTemporaryFolder("store-review-bundle");
        std::filesystem::copy_file(std::string(ZUNO_BUNDLE_DIR) + "/Info.plist", folder + "/Info.plist");
        std::ofstream(folder + "/ZunoOnlineConfig.plist")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
               "<key>AppStore</key><true/></dict></plist>\n";
        sys::Bundle::setMainPath(folder);
        Resources::resetForTests();
    }
    ~StoreReviewBundle() {
        sys::Bundle::setMainPath(ZUNO_BUNDLE_DIR);
        Resources::resetForTests();
        UIController::setSwitchOnSMSReader(nullptr);
    }
};
}  // namespace

TEST(UIControllerChecks, SystemVersionsCompareNumerically) {
    pretendDevice("iPhone", "4.3.1");
    EXPECT_TRUE(UIController::checkVersioniOS4());
    EXPECT_FALSE(UIController::checkVersioniOS5());
    EXPECT_TRUE(UIController::checkVersionToSendSMS());
    pretendDevice("iPhone", "10.0");
    EXPECT_TRUE(UIController::checkVersioniOS5());
    pretendDevice("IPHONE", "4");
    EXPECT_TRUE(UIController::checkVersionToSendSMS());
    pretendDevice("iPhone", "3.9.9");
    EXPECT_FALSE(UIController::checkVersioniOS4());
    EXPECT_FALSE(UIController::checkVersionToSendSMS());
    pretendDevice("iPad", "6.1");
    EXPECT_FALSE(UIController::checkVersionToSendSMS());
}

TEST(UIControllerChecks, StoreReviewNeedsTheConfigurationAndTheSmsSwitch) {
    UIController::setSwitchOnSMSReader([] { return true; });
    EXPECT_FALSE(UIController::checkApStore());  // the shipped configuration has it off
    StoreReviewBundle bundle;
    UIController::setSwitchOnSMSReader(nullptr);
    EXPECT_FALSE(UIController::checkApStore());
    bool sms = false;
    UIController::setSwitchOnSMSReader([&] { return sms; });
    EXPECT_FALSE(UIController::checkApStore());
    sms = true;
    EXPECT_TRUE(UIController::checkApStore());
}

namespace {
class UIControllerHotline : public ::testing::Test {
protected:
    void SetUp() override { GlobalService::getInstance().set_session(session); }
    void TearDown() override {
        GlobalService::getInstance().set_session(nullptr);
        GlobalService::getInstance().setConnectOKListener({});
    }
    std::shared_ptr<zuno::testing::RecordingSession> session = std::make_shared<zuno::testing::RecordingSession>();
};
}  // namespace

TEST_F(UIControllerHotline, DialsWhenTheDeviceCan) {
    sys::UrlOpener::setOpener([](const std::string&) { return true; }, [](const std::string&) { return true; });
    UIController::callHotline("19001234");
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:19001234"}));
    EXPECT_TRUE(session->sent().empty());
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), nullptr);
}

TEST_F(UIControllerHotline, WithoutDialingItConnectsAndAsksTheServerForTheNumber) {
    UIController::callHotline("19001234");
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:19001234"}));
    // Not connected: the controller waits for the connection to be accepted.
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), UIController::sharedController());
    EXPECT_NE(MobileClient::getInstance()->connectStatus(), MobileClient::kNeverConnected);
    MobileClient::getInstance()->manualDisconnect();

    // Once the server accepted the connection: the hotline information, key 2.
    UIController::sharedController()->onConnectOK();
    EXPECT_EQ(session->lastBytes(), (sys::Data{72, 2}));
}

TEST_F(UIControllerHotline, TheServersNumberIsDialledWhereTheDeviceCan) {
    sys::UrlOpener::setOpener([](const std::string&) { return true; }, [](const std::string&) { return true; });
    UIController::callHotlineFromServer("0912345678");
    EXPECT_TRUE(sys::Log::contains("callHotlineFromServer 0912345678"));
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:0912345678"}));
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
}

// A desktop dials nothing: the player reads the server's number in a dialog whose OK does nothing more.
TEST_F(UIControllerHotline, WhereNothingDialsTheServersNumberIsShownInADialog) {
    const Resources& r = Resources::getInstance();
    UIController::setOkValue(UIController::okLeaveBoard);
    UIController::callHotlineFromServer("0912345678");
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:0912345678"}));
    EXPECT_EQ(UIController::shownDialogMessage(), sys::format(r.textForKey("ZUNO_hotlineFromServer"), "0912345678"));
    EXPECT_EQ(UIController::okValue(), UIController::okNone);

    UIController::callHotlineFromServer("");
    EXPECT_EQ(UIController::shownDialogMessage(), r.textForKey("ZUNO_noHotline"));
    UIController::closeDialog();
}
