#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "net/IMessageListener.h"
#include "net/IMobileClient.h"
#include "net/Message.h"
#include "net/TEA.h"
#include "platform/net/SocketStream.h"

namespace zuno {

// The one TCP connection to the game server.
//
// connectToHost opens a socket stream pair scheduled on the calling thread's run loop. When both
// streams are open a handshake thread sends the protocol id and a fresh 64-bit key; another reads the
// server's answer. On 6 the reader thread cuts, deciphers and delivers incoming frames and the writer
// thread enciphers and sends queued messages, in order. The end of a connection (failed or closed)
// reaches the listener on the run loop the connection was opened from, after what was posted there
// before it. Every thread belongs to one connection: it
// blocks on that connection's socket or on the write queue and ends when the connection closes, so a
// later connection never shares a thread with an earlier one. A close never waits for those threads.
class MobileClient : public IMobileClient, public std::enable_shared_from_this<MobileClient> {
public:
    // Connection status.
    static constexpr int32_t kNeverConnected = 0;
    static constexpr int32_t kConnecting = -1;
    static constexpr int32_t kConnected = 1;
    static constexpr int32_t kClosedByLogout = 2;
    static constexpr int32_t kClosedSilently = 3;

    // Event flags.
    static constexpr uint16_t kFlagConnectStarted = 0x0002;
    static constexpr uint16_t kFlagReadStreamOpen = 0x0004;
    static constexpr uint16_t kFlagWriteStreamOpen = 0x0008;
    static constexpr uint16_t kFlagClosingWithError = 0x0200;
    static constexpr uint16_t kFlagCanAcceptBytes = 0x1000;
    static constexpr uint16_t kFlagHasBytesAvailable = 0x2000;

    static constexpr int8_t kProtocolId = 5;
    static constexpr uint8_t kHandshakeAccepted = 6;

    // The shared connection, made on first use.
    static std::shared_ptr<MobileClient> getInstance();
    // A connection of its own (tests, tools). Its threads keep it alive while they run.
    static std::shared_ptr<MobileClient> create(IMessageListener* delegate = nullptr);
    ~MobileClient() override;

    void setHandler(IMessageListener* listener) override { setDelegate(listener); }
    void setDelegate(IMessageListener* listener) { delegate_.store(listener); }
    IMessageListener* delegate() const { return delegate_.load(); }

    // YES when the streams are opening or open (nothing else is done while connected); NO when they
    // cannot be made. Raises "MobileClientException" without a listener.
    bool connectToHost(const std::string& host, uint16_t port) override;
    void sendMessage(Message message) override;
    bool isConnected() const override;
    bool isDisconnected() const;
    void close() override;
    // The player's logout: status 2, then close (the listener hears onDisconnected).
    void disconnect();
    // A silent close before a reconnect: status 3, then close (the listener hears nothing).
    void manualDisconnect();

    bool hasBytesAvailable() const;
    bool canAcceptBytes() const;

    int32_t connectStatus() const { return connectStatus_.load(); }
    void setConnectStatus(int32_t status) { connectStatus_.store(status); }
    int64_t countOfSentSize() const { return countOfSentSize_.load(); }
    void setCountOfSentSize(int64_t count) { countOfSentSize_.store(count); }
    int64_t countOfGetSize() const { return countOfGetSize_.load(); }
    void setCountOfGetSize(int64_t count) { countOfGetSize_.store(count); }
    int8_t protocolId() const { return protocolId_.load(); }
    void setProtocolId(int8_t id) { protocolId_.store(id); }

    uint16_t flags() const { return theFlags_.load(); }
    // Messages waiting to be sent, and the one being written (not yet counted in countOfSentSize).
    size_t queuedMessageCount() const;
    // Threads of any connection of this client that have not ended yet.
    int runningThreadCount() const { return runningThreads_.load(); }

private:
    struct Connection;

    explicit MobileClient(IMessageListener* delegate) : delegate_(delegate) {}

    void onStreamEvent(const std::shared_ptr<Connection>& conn, sys::SocketStream::Side side,
                       sys::SocketStream::Event event);
    void startHandshake(const std::shared_ptr<Connection>& conn);
    void sendConnect(const std::shared_ptr<Connection>& conn);
    void readConnect(const std::shared_ptr<Connection>& conn);
    void readMessage(const std::shared_ptr<Connection>& conn);
    void onReadMessage(const std::shared_ptr<Connection>& conn, const uint8_t* body, size_t length);
    void scheduleDequeueWriteLoop(const std::shared_ptr<Connection>& conn);
    bool doSendBytes(const std::shared_ptr<Connection>& conn, const Message& message);
    bool writeAll(const std::shared_ptr<Connection>& conn, const uint8_t* bytes, size_t length);

    // Closes `conn` if it is still the current connection (any connection when null), reporting the
    // end to the listener by status when `report` is set and the connect had started. True when this
    // call closed it.
    bool closeConnection(const std::shared_ptr<Connection>& conn, bool report);
    void closeWithError(const std::shared_ptr<Connection>& conn);
    // Tells the listener of the connection's end on the connection's run loop.
    void reportOnLoop(const std::shared_ptr<Connection>& conn, void (IMessageListener::*event)());
    void startThread(const std::shared_ptr<Connection>& conn,
                     void (MobileClient::*body)(const std::shared_ptr<Connection>&));

    std::atomic<IMessageListener*> delegate_;

    mutable std::mutex mutex_;  // the current connection
    std::shared_ptr<Connection> connection_;

    mutable std::mutex queueMutex_;  // the write queue
    std::condition_variable queueChanged_;
    std::deque<Message> theWriteQueue_;
    size_t messagesBeingWritten_ = 0;

    std::atomic<uint16_t> theFlags_{0};
    std::atomic<int32_t> connectStatus_{kNeverConnected};
    std::atomic<int64_t> countOfSentSize_{0};
    std::atomic<int64_t> countOfGetSize_{0};
    std::atomic<int8_t> protocolId_{0};
    std::atomic<int> runningThreads_{0};
};

}  // namespace zuno
