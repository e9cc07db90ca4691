#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lobby/RequestService.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

// Points a request service at a recording connection while this object lives.
class ServiceRecording {
public:
    explicit ServiceRecording(RequestService& service)
        : session(std::make_shared<RecordingSession>()), service_(service), previous_(service._session()) {
        service_.set_session(session);
    }
    ~ServiceRecording() { service_.set_session(previous_); }
    ServiceRecording(const ServiceRecording&) = delete;
    ServiceRecording& operator=(const ServiceRecording&) = delete;

    // The bytes of the one message sent since the last call (empty unless exactly one was sent).
    sys::Data takeOne() {
        sys::Data out = session->sent().size() == 1 ? session->lastBytes() : sys::Data{};
        session->clear();
        return out;
    }

    const std::shared_ptr<RecordingSession> session;

private:
    RequestService& service_;
    std::shared_ptr<IMobileClient> previous_;
};

// One request of a service and the bytes it must queue: the command id, then the payload.
struct RequestExpectation {
    std::string name;
    RequestService& service;
    std::function<void()> call;
    sys::Data bytes;  // empty: nothing may be sent
};

// Each call sends exactly its bytes, as one message (or nothing when no bytes are expected).
inline void expectEach(const std::vector<RequestExpectation>& cases) {
    for (const auto& c : cases) {
        ServiceRecording rec(c.service);
        c.call();
        EXPECT_EQ(rec.session->sent().size(), c.bytes.empty() ? 0u : 1u) << c.name;
        EXPECT_EQ(rec.takeOne(), c.bytes) << c.name;
    }
}

}  // namespace zuno::testing
