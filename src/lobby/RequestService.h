#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "net/IMobileClient.h"
#include "net/Message.h"

namespace zuno {

// The sending side that the lobby's request service and every game's service share: the connection
// requests are queued on and the one way a request is built. Builders return at once; answers come
// back as server messages.
class RequestService {
public:
    virtual ~RequestService() = default;
    RequestService(const RequestService&) = delete;
    RequestService& operator=(const RequestService&) = delete;

    // The connection requests go to: the shared MobileClient unless a test substitutes another.
    std::shared_ptr<IMobileClient> _session() const;
    void set_session(std::shared_ptr<IMobileClient> session);

protected:
    // `failureLog` begins the line logged when a request cannot be written; the failure's name follows.
    explicit RequestService(std::string failureLog = "Exception :");

    // Builds a message with the command id, lets `write` fill its fields and queues it. A failure while
    // writing (an exception, or a text too long to carry) drops the message with a log line: a
    // half-written request would be read by the server with its later fields out of place.
    void send(int8_t commandId, const std::function<void(Message&)>& write) const;
    // A request without fields.
    void send(int8_t commandId) const;
    // A table request: the room and table ids come first, then what `write` adds.
    void sendTableRequest(int8_t commandId, int8_t roomId, int8_t boardId,
                          const std::function<void(Message&)>& write = {}) const;

    // A text that other fields follow: a missing one goes out as an empty text, so the fields after it
    // keep their places.
    static void writeTextInPlace(Message& message, const std::optional<std::string>& text) {
        message.writeUTF(text.value_or(std::string()));
    }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<IMobileClient> session_;
    std::string failureLog_;
};

}  // namespace zuno
