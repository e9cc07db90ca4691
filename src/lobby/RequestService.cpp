#include "lobby/RequestService.h"

#include "net/MobileClient.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

namespace zuno {

RequestService::RequestService(std::string failureLog)
    : session_(MobileClient::getInstance()), failureLog_(std::move(failureLog)) {}

std::shared_ptr<IMobileClient> RequestService::_session() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return session_;
}

void RequestService::set_session(std::shared_ptr<IMobileClient> session) {
    std::lock_guard<std::mutex> lock(mutex_);
    session_ = std::move(session);
}

void RequestService::send(int8_t commandId, const std::function<void(Message&)>& write) const {
    Message message(commandId);
    try {
        write(message);
    } catch (const std::exception& e) {
        sys::Log::warning(failureLog_ + sys::failureName(e));
        return;
    }
    if (message.hasRefusedText()) {
        sys::Log::warningFormat("Request %d not sent: one of its texts is too long to carry", commandId);
        return;
    }
    if (auto session = _session()) session->sendMessage(std::move(message));
}

void RequestService::send(int8_t commandId) const {
    if (auto session = _session()) session->sendMessage(Message(commandId));
}

void RequestService::sendTableRequest(int8_t commandId, int8_t roomId, int8_t boardId,
                                      const std::function<void(Message&)>& write) const {
    send(commandId, [&](Message& m) {
        m.writeByte(roomId);
        m.writeByte(boardId);
        if (write) write(m);
    });
}

}  // namespace zuno
