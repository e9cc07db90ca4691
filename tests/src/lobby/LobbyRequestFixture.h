#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lobby/GlobalService.h"
#include "platform/core/Device.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

// GlobalService writing into a recording connection, on a known device.
class LobbyRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = service()._session();
        session = std::make_shared<RecordingSession>();
        service().set_session(session);
        sys::DeviceInfo device;
        device.model = "Desktop";
        device.systemVersion = "6.1";
        device.uniqueIdentifier = "abc";
        device.preferredLanguages = {"en"};
        sys::Device::override(device);
    }
    void TearDown() override { service().set_session(previous_); }

    static GlobalService& service() { return GlobalService::getInstance(); }

    // One builder call and the bytes it must queue: the command id, then the payload.
    struct Expectation {
        std::string name;
        std::function<void(GlobalService&)> call;
        sys::Data bytes;
    };

    void expectEach(const std::vector<Expectation>& cases) {
        for (const auto& c : cases) {
            session->clear();
            c.call(service());
            EXPECT_EQ(session->sent().size(), 1u) << c.name;
            EXPECT_EQ(session->lastBytes(), c.bytes) << c.name;
        }
    }

    std::shared_ptr<RecordingSession> session;

private:
    std::shared_ptr<IMobileClient> previous_;
};

}  // namespace zuno::testing
