#pragma once

#include <memory>

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

}  // namespace zuno::testing
