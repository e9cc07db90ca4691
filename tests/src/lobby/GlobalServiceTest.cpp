#include <gtest/gtest.h>

#include "lobby/GlobalService.h"
#include "platform/core/Device.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"
#include "support/RecordingSession.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::RecordingSession;
using zuno::testing::utf;

namespace {
class GlobalServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_shared<RecordingSession>();
        GlobalService::getInstance().set_session(session);
        sys::DeviceInfo device;
        device.model = "Desktop";
        device.systemVersion = "6.1";
        device.uniqueIdentifier = "abc";
        device.preferredLanguages = {"en"};
        sys::Device::override(device);
    }
    void TearDown() override { GlobalService::getInstance().set_session(nullptr); }

    std::shared_ptr<RecordingSession> session;
};
}  // namespace

TEST_F(GlobalServiceTest, ClientInformationForProvider7InEnglish) {
    GlobalService::setPROVIDER(7);
    Resources::getInstance().setCurrentLanguage("en");
    GlobalService::getInstance().sendClientInformation();
    EXPECT_EQ(session->lastBytes(), bytes({{0xDC, 0x00, 0x07}, utf("2.3.0"), utf("2.3.0;Desktop;6.1"),
                                           {0x00, 0x00, 0x01, 0xE0, 0x00, 0x00, 0x01, 0x40}, utf("en")}));
    GlobalService::setPROVIDER(0);
}

TEST_F(GlobalServiceTest, SecondClientInformationWithAndWithoutACarrier) {
    GlobalService::getInstance().sendClientInformationV2();
    auto sent = session->sent();
    ASSERT_EQ(sent.size(), 1u);
    Message m = sent[0];
    EXPECT_EQ(m._commandId(), -35);
    std::vector<std::string> texts;
    while (m.available()) texts.push_back(m.readUTF().value_or("<none>"));
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[1], "6.1");
    EXPECT_EQ(texts[2], "Desktop");
    EXPECT_EQ(texts[3], "2.3.0");
    EXPECT_EQ(texts[4], "");
    EXPECT_EQ(texts[6], "abc");
    EXPECT_EQ(texts[8], "Apple");

    sys::DeviceInfo device = sys::Device::current();
    device.carrierName = "Viettel";
    sys::Device::override(device);
    session->clear();
    GlobalService::getInstance().sendClientInformationV2();
    Message withCarrier = session->sent().at(0);
    texts.clear();
    while (withCarrier.available()) texts.push_back(withCarrier.readUTF().value_or("<none>"));
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[8], "Viettel");
    EXPECT_EQ(texts[9], "Apple");
}

TEST_F(GlobalServiceTest, LoginStoresItsDefaultsBeforeSending) {
    GlobalService::getInstance().loginWithUsername("nam", "pw", GlobalService::VERSION());
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_USERNAME"), "nam");
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_OLDPASS"), "pw");
    EXPECT_EQ(session->lastBytes(), bytes({{0x01}, utf("nam"), utf("pw"), utf("2.3.0")}));
}

TEST_F(GlobalServiceTest, AddressFallsBackToTheConfiguration) {
    EXPECT_EQ(GlobalService::IP(), "127.0.0.1");
    EXPECT_EQ(GlobalService::PORT(), 20105);
    GlobalService::setPORT(4000);
    EXPECT_EQ(GlobalService::PORT(), 4000);
    GlobalService::setPORT(0);
    EXPECT_EQ(GlobalService::PORT(), 20105);
    GlobalService::setIP("10.0.0.2");
    EXPECT_EQ(GlobalService::IP(), "10.0.0.2");
}
