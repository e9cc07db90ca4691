#include <gtest/gtest.h>

#include "LobbyRequestFixture.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::LobbyRequestTest;
using zuno::testing::RecordingSession;
using zuno::testing::utf;

namespace {
using GlobalServiceTest = LobbyRequestTest;

std::vector<std::string> textsOf(Message m) {
    std::vector<std::string> texts;
    while (m.available()) texts.push_back(m.readUTF().value_or("<none>"));
    return texts;
}

// Reaches the shared sending machinery directly.
class ProbeService : public RequestService {
public:
    using RequestService::send;
};
}  // namespace

TEST_F(GlobalServiceTest, ClientInformationForProvider7InEnglish) {
    GlobalService::setPROVIDER(7);
    Resources::getInstance().setCurrentLanguage("en");
    service().sendClientInformation();
    EXPECT_EQ(session->lastBytes(), bytes({{0xDC, 0x00, 0x07}, utf("2.3.0"), utf("2.3.0;Desktop;6.1"),
                                           {0x00, 0x00, 0x01, 0xE0, 0x00, 0x00, 0x01, 0x40}, utf("en")}));
    GlobalService::setPROVIDER(0);
}

TEST_F(GlobalServiceTest, SecondClientInformationWithAndWithoutACarrier) {
    service().sendClientInformationV2();
    auto sent = session->sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]._commandId(), -35);
    auto texts = textsOf(sent[0]);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[1], "6.1");
    EXPECT_EQ(texts[2], "Desktop");
    EXPECT_EQ(texts[3], "2.3.0");
    EXPECT_EQ(texts[4], "");
    EXPECT_EQ(texts[6], "abc");
    EXPECT_EQ(texts[7], "Desktop");
    EXPECT_EQ(texts[8], "Apple");

    sys::DeviceInfo device = sys::Device::current();
    device.carrierName = "Viettel";
    sys::Device::override(device);
    session->clear();
    service().sendClientInformationV2();
    texts = textsOf(session->sent().at(0));
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[8], "Viettel");
    EXPECT_EQ(texts[9], "Apple");
}

TEST_F(GlobalServiceTest, LoginStoresItsDefaultsBeforeSending) {
    service().loginWithUsername("nam", "pw", GlobalService::VERSION());
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_USERNAME"), "nam");
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_OLDPASS"), "pw");
    EXPECT_EQ(session->lastBytes(), bytes({{0x01}, utf("nam"), utf("pw"), utf("2.3.0")}));

    // Whatever the server answers, the builder has already stored them on disk.
    sys::UserDefaults::reopenStandard();
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_USERNAME"), "nam");
}

TEST_F(GlobalServiceTest, LoginWithoutAPasswordKeepsTheVersionInItsPlace) {
    service().loginWithUsername("nam", std::nullopt, GlobalService::VERSION());
    EXPECT_EQ(session->lastBytes(), bytes({{0x01}, utf("nam"), utf(""), utf("2.3.0")}));
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_OLDPASS"), std::nullopt);
}

TEST_F(GlobalServiceTest, AddressFallsBackToTheConfiguration) {
    EXPECT_EQ(GlobalService::IP(), "127.0.0.1");
    EXPECT_EQ(GlobalService::PORT(), 20105);
    GlobalService::setPORT(4000);
    EXPECT_EQ(GlobalService::PORT(), 4000);
    GlobalService::setPORT(0);
    EXPECT_EQ(GlobalService::PORT(), 20105);
    GlobalService::setIP("10.0.0.2");
    GlobalService::setPORT(4000);
    EXPECT_EQ(GlobalService::IP(), "10.0.0.2");
    GlobalService::useConfiguredAddress();
    EXPECT_EQ(GlobalService::IP(), "127.0.0.1");
    EXPECT_EQ(GlobalService::PORT(), 20105);
}

TEST_F(GlobalServiceTest, ConnectOKActionIsOneForTheWholeProgramAndEmptyUntilSet) {
    EXPECT_FALSE(GlobalService::connectOKAction());
    GlobalService::performConnectOKAction();
    int runs = 0;
    GlobalService::setConnectOKAction([&runs] { ++runs; });
    GlobalService::getInstance().performConnectOKAction();
    EXPECT_EQ(runs, 1);
    GlobalService::setConnectOKAction({});
}

TEST_F(GlobalServiceTest, ARequestThatFailsWhileBeingWrittenIsNotSent) {
    ProbeService probe;
    probe.set_session(session);
    probe.send(9, [](Message& m) {
        m.writeByte(1);
        throw sys::Exception(sys::Exception::kRange, "no such element");
    });
    EXPECT_TRUE(session->sent().empty());
    EXPECT_TRUE(sys::Log::contains("Exception :RangeException"));

    // A text too long for its 16-bit count would leave the fields after it out of place.
    service().chatToBoardWithRoom(1, 2, std::string(Message::kMaxTextBytes + 1, 'x'));
    EXPECT_TRUE(session->sent().empty());
    service().chatToBoardWithRoom(1, 2, std::string(Message::kMaxTextBytes, 'x'));
    EXPECT_EQ(session->sent().size(), 1u);
}
