#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "net/Message.h"
#include "standin-server/StandinSession.h"

namespace zuno::standin {

// A stand-in for the game server on 127.0.0.1: it accepts clients, answers their handshake and
// exchanges enciphered frames with them. Tests run it in-process and drive it directly. It learns the
// protocol through handlers per command id: each piece of protocol lives in a file of its own with a
// function that registers its handlers with on().
class StandinServer {
public:
    using Handler = std::function<void(StandinSession& session, Message& message)>;

    static constexpr uint16_t kDefaultPort = 20105;

    StandinServer();
    ~StandinServer();  // stops
    StandinServer(const StandinServer&) = delete;
    StandinServer& operator=(const StandinServer&) = delete;

    // Listens on 127.0.0.1; port 0 takes any free port. False (with a log line) when it cannot.
    bool start(uint16_t port = 0);
    // Closes every client and waits for the server's threads.
    void stop();
    uint16_t port() const { return port_; }

    // The byte that answers the next clients' handshakes: 6 accepts, anything else refuses.
    void setHandshakeAnswer(uint8_t answer);
    // A small receive buffer for the next clients, so that a paused session backs the client up soon.
    void setReceiveBufferSize(int bytes);

    // Handlers run on the session's thread, for each message with their command id.
    void on(int8_t commandId, Handler handler);
    // The handler of a command id (null when none), so that a newer one can pass on what it does not serve.
    Handler handlerFor(int8_t commandId) const;
    // For command ids without a handler of their own; none by default.
    void onOther(Handler handler);

    // The most recent client, waiting up to the time for one to arrive; nothing if none came.
    std::shared_ptr<StandinSession> waitForClient(double timeoutSeconds);
    bool waitForClientCount(size_t count, double timeoutSeconds);
    std::shared_ptr<StandinSession> latestClient() const;
    size_t clientCount() const;

private:
    friend class StandinSession;
    void acceptLoop();
    void dispatch(StandinSession& session, Message& message);
    // The language a client shows (its client information, -36) or asks for (100) is the session's,
    // whoever handles the request.
    static void noteLanguage(StandinSession& session, Message& message);
    static void noteClientLanguage(StandinSession& session, Message& message);

    int listenFd_ = -1;
    int stopEvent_ = -1;
    uint16_t port_ = 0;
    std::thread acceptThread_;

    mutable std::mutex mutex_;
    std::condition_variable clientArrived_;
    std::vector<std::shared_ptr<StandinSession>> sessions_;
    std::map<int8_t, Handler> handlers_;
    Handler other_;
    uint8_t handshakeAnswer_ = 6;
    int receiveBufferSize_ = 0;
};

}  // namespace zuno::standin
