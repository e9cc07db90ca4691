#include "standin-server/StandinServer.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/core/Log.h"
#include "standin-server/LoopbackListener.h"

namespace zuno::standin {

StandinServer::StandinServer() = default;

StandinServer::~StandinServer() { stop(); }

bool StandinServer::start(uint16_t port) {
    if (listenFd_ >= 0) return true;
    int receiveBufferSize;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        receiveBufferSize = receiveBufferSize_;
    }
    LoopbackListener listener = listenOnLoopback(port, 16, receiveBufferSize);
    if (listener.fd < 0) {
        sys::Log::format("StandinServer: cannot listen on 127.0.0.1:%u: %s", port, std::strerror(errno));
        return false;
    }
    port_ = listener.port;
    stopEvent_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    listenFd_ = listener.fd;
    acceptThread_ = std::thread([this] { acceptLoop(); });
    return true;
}

void StandinServer::stop() {
    if (listenFd_ < 0) return;
    uint64_t one = 1;
    ssize_t ignored = ::write(stopEvent_, &one, sizeof one);
    (void)ignored;
    if (acceptThread_.joinable()) acceptThread_.join();
    std::vector<std::shared_ptr<StandinSession>> sessions;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sessions.swap(sessions_);
    }
    for (auto& s : sessions) s->stop();
    ::close(listenFd_);
    ::close(stopEvent_);
    listenFd_ = stopEvent_ = -1;
}

void StandinServer::acceptLoop() {
    for (;;) {
        pollfd fds[2] = {{stopEvent_, POLLIN, 0}, {listenFd_, POLLIN, 0}};
        int n = ::poll(fds, 2, -1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || fds[0].revents) return;
        int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        std::shared_ptr<StandinSession> session;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            session = std::make_shared<StandinSession>(*this, sys::SocketStream::adoptConnected(client), handshakeAnswer_);
            sessions_.push_back(session);
        }
        session->start();
        clientArrived_.notify_all();
    }
}

void StandinServer::setHandshakeAnswer(uint8_t answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    handshakeAnswer_ = answer;
}

void StandinServer::setReceiveBufferSize(int bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    receiveBufferSize_ = bytes;
}

void StandinServer::on(int8_t commandId, Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    handlers_[commandId] = std::move(handler);
}

StandinServer::Handler StandinServer::handlerFor(int8_t commandId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = handlers_.find(commandId);
    return it != handlers_.end() ? it->second : Handler();
}

void StandinServer::onOther(Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    other_ = std::move(handler);
}

void StandinServer::dispatch(StandinSession& session, Message& message) {
    constexpr int8_t kSetLanguage = 100;
    constexpr int8_t kClientInformation = -36;
    if (message._commandId() == kSetLanguage) noteLanguage(session, message);
    if (message._commandId() == kClientInformation) noteClientLanguage(session, message);
    Handler handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = handlers_.find(message._commandId());
        handler = it != handlers_.end() ? it->second : other_;
    }
    if (handler) handler(session, message);
}

void StandinServer::noteLanguage(StandinSession& session, Message& message) {
    const int32_t start = message._idx();
    try {
        message.readInt();  // the sub id
        auto language = message.readUTF();
        if (language == "en" || language == "vi") session.setLanguage(*language);
    } catch (const std::exception&) {
        // A short request names no language; the handlers judge it.
    }
    message.set_idx(start);
}

// The client information names the language the client shows, last after its type, provider,
// version, device and screen size.
void StandinServer::noteClientLanguage(StandinSession& session, Message& message) {
    const int32_t start = message._idx();
    try {
        message.readByte();
        message.readByte();
        message.readUTF();
        message.readUTF();
        message.readInt();
        message.readInt();
        auto language = message.readUTF();
        if (language == "en" || language == "vi") session.setLanguage(*language);
    } catch (const std::exception&) {
        // An older client's information names no language.
    }
    message.set_idx(start);
}

std::shared_ptr<StandinSession> StandinServer::waitForClient(double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    clientArrived_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds), [&] { return !sessions_.empty(); });
    return sessions_.empty() ? nullptr : sessions_.back();
}

bool StandinServer::waitForClientCount(size_t count, double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return clientArrived_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                                   [&] { return sessions_.size() >= count; });
}

std::shared_ptr<StandinSession> StandinServer::latestClient() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sessions_.empty() ? nullptr : sessions_.back();
}

size_t StandinServer::clientCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sessions_.size();
}

}  // namespace zuno::standin
