#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/Bundle.h"
#include "platform/core/Device.h"
#include "platform/core/Log.h"
#include "platform/services/UrlOpener.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/PlatformReset.h"
#include "support/RecordingShellRequests.h"

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

TEST(UIControllerHotline, DialsWhenTheDeviceCan) {
    zuno::testing::InstalledShellRequests requests;
    sys::UrlOpener::setOpener([](const std::string&) { return true; }, [](const std::string&) { return true; });
    UIController::callHotline("19001234");
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:19001234"}));
    EXPECT_TRUE(requests->sent().empty());
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), nullptr);
}

TEST(UIControllerHotline, WithoutDialingItConnectsAndAsksTheServerForTheNumber) {
    zuno::testing::InstalledShellRequests requests;
    UIController::callHotline("19001234");
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:19001234"}));
    // Not connected: the controller waits for the connection to be accepted.
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), UIController::sharedController());
    EXPECT_NE(MobileClient::getInstance()->connectStatus(), MobileClient::kNeverConnected);
    MobileClient::getInstance()->manualDisconnect();
    GlobalService::getInstance().setConnectOKListener({});

    UIController::sharedController()->onConnectOK();
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"getInfoWithKey 2"}));
}

TEST(UIControllerHotline, TheServersNumberIsDialled) {
    UIController::callHotlineFromServer("0912345678");
    EXPECT_TRUE(sys::Log::contains("callHotlineFromServer 0912345678"));
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:0912345678"}));
}
