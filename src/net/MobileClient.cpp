#include "net/MobileClient.h"

#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "net/Frame.h"
#include "platform/core/Clock.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno {

using sys::SocketStream;

struct MobileClient::Connection {
    std::shared_ptr<SocketStream> stream;
    sys::RunLoop* runLoop = nullptr;  // where the stream events arrive
    std::shared_ptr<const TEA> tea;  // made by the handshake before the reader and writer start
    std::atomic<bool> cancelled{false};
    std::atomic<bool> readerRunning{false};
    bool handshakeStarted = false;  // guarded by the client's mutex_
};

std::shared_ptr<MobileClient> MobileClient::getInstance() {
    static const std::shared_ptr<MobileClient> instance = create();
    return instance;
}

std::shared_ptr<MobileClient> MobileClient::create(IMessageListener* delegate) {
    return std::shared_ptr<MobileClient>(new MobileClient(delegate));
}

MobileClient::~MobileClient() {
    delegate_.store(nullptr);
    closeConnection(nullptr, false);
}

bool MobileClient::connectToHost(const std::string& host, uint16_t port) {
    countOfSentSize_.store(0);
    countOfGetSize_.store(0);
    std::unique_lock<std::mutex> lock(mutex_);
    // Connected, or streams still present (opening, or a handshake under way): nothing more to do.
    if (connection_) return true;
    connectStatus_.store(kConnecting);
    if (!delegate_.load()) {
        throw sys::Exception("MobileClientException", "Attempting to connect without a delegate. Set a delegate first.");
    }
    {
        // Requests left over from an earlier connection must not go out before this one's first request.
        std::lock_guard<std::mutex> queueLock(queueMutex_);
        theWriteQueue_.clear();
    }
    auto conn = std::make_shared<Connection>();
    conn->stream = std::make_shared<SocketStream>(host, port);
    std::weak_ptr<MobileClient> weakSelf = weak_from_this();
    std::weak_ptr<Connection> weakConn = conn;
    conn->stream->setHandler([weakSelf, weakConn](SocketStream::Side side, SocketStream::Event event) {
        auto self = weakSelf.lock();
        auto c = weakConn.lock();
        if (self && c) self->onStreamEvent(c, side, event);
    });
    sys::RunLoop* loop = sys::RunLoop::current();
    conn->runLoop = loop ? loop : &sys::RunLoop::main();
    conn->stream->schedule(*conn->runLoop);
    connection_ = conn;
    if (!conn->stream->open()) {
        sys::Log::warningFormat("MobileClient %p couldn't open read stream,", static_cast<void*>(this));
        lock.unlock();
        closeConnection(conn, true);  // reports nothing: the connect never started
        return false;
    }
    theFlags_.fetch_or(kFlagConnectStarted);
    return true;
}

void MobileClient::sendMessage(Message message) {
    if (message.hasRefusedText()) {
        sys::Log::warningFormat("MobileClient: message %d not sent: it lost a text too long to carry", message._commandId());
        return;
    }
    {
        std::lock_guard<std::mutex> lock(queueMutex_);
        theWriteQueue_.push_back(std::move(message));
    }
    queueChanged_.notify_all();
}

size_t MobileClient::queuedMessageCount() const {
    std::lock_guard<std::mutex> lock(queueMutex_);
    return theWriteQueue_.size() + messagesBeingWritten_;
}

bool MobileClient::isConnected() const {
    std::shared_ptr<Connection> conn;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        conn = connection_;
    }
    if (!conn) return false;
    auto live = [](SocketStream::Status s) { return s == SocketStream::Status::Open || s == SocketStream::Status::Error; };
    return live(conn->stream->readStatus()) && live(conn->stream->writeStatus());
}

bool MobileClient::isDisconnected() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !connection_;
}

bool MobileClient::hasBytesAvailable() const {
    if (theFlags_.load() & kFlagHasBytesAvailable) return true;
    std::lock_guard<std::mutex> lock(mutex_);
    return connection_ && connection_->stream->hasBytesAvailable();
}

bool MobileClient::canAcceptBytes() const {
    if (theFlags_.load() & kFlagCanAcceptBytes) return true;
    std::lock_guard<std::mutex> lock(mutex_);
    return connection_ && connection_->stream->canAcceptBytes();
}

void MobileClient::close() { closeConnection(nullptr, true); }

void MobileClient::disconnect() {
    connectStatus_.store(kClosedByLogout);
    try {
        close();
    } catch (const std::exception& e) {
        sys::Log::warning(sys::failureName(e));
    }
}

void MobileClient::manualDisconnect() {
    connectStatus_.store(kClosedSilently);
    try {
        close();
    } catch (const std::exception& e) {
        sys::Log::warning(sys::failureName(e));
    }
}

void MobileClient::closeWithError(const std::shared_ptr<Connection>& conn) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (connection_ != conn) return;
        theFlags_.fetch_or(kFlagClosingWithError);
    }
    closeConnection(conn, true);
}

bool MobileClient::closeConnection(const std::shared_ptr<Connection>& only, bool report) {
    std::shared_ptr<Connection> conn;
    uint16_t oldFlags;
    // Owed to the connection's loop from before the connection can be seen closed until its end is
    // reported there.
    std::optional<sys::RunLoop::OwedWork> owedEnd;
    {
        // Taking the connection out under the lock makes exactly one closer report.
        std::lock_guard<std::mutex> lock(mutex_);
        if (!connection_ || (only && connection_ != only)) return false;
        owedEnd.emplace(*connection_->runLoop);
        conn = std::move(connection_);
        oldFlags = theFlags_.exchange(0);
    }
    conn->cancelled.store(true);
    {
        std::lock_guard<std::mutex> lock(queueMutex_);  // no writer can miss the wake-up
    }
    queueChanged_.notify_all();
    conn->stream->unschedule();
    conn->stream->close();  // wakes the threads blocked on the socket; they end by themselves

    if (!report || !(oldFlags & kFlagConnectStarted)) return true;
    switch (connectStatus_.load()) {
        case kConnecting:
        case kNeverConnected: reportOnLoop(conn, &IMessageListener::onConnectionFail); break;
        case kConnected:
        case kClosedByLogout: reportOnLoop(conn, &IMessageListener::onDisconnected); break;
        default: break;
    }
    return true;
}

void MobileClient::reportOnLoop(const std::shared_ptr<Connection>& conn, void (IMessageListener::*event)()) {
    // Behind everything already posted to the loop (the results of the messages read before the end),
    // and on the thread the screens run on, whichever thread closed.
    std::weak_ptr<MobileClient> weakSelf = weak_from_this();
    conn->runLoop->post([weakSelf, event] {
        auto self = weakSelf.lock();
        if (!self) return;
        if (IMessageListener* listener = self->delegate_.load()) (listener->*event)();
    });
}

void MobileClient::startThread(const std::shared_ptr<Connection>& conn,
                               void (MobileClient::*body)(const std::shared_ptr<Connection>&)) {
    runningThreads_.fetch_add(1);
    try {
        std::thread([self = shared_from_this(), conn, body] {
            try {
                (self.get()->*body)(conn);
            } catch (const std::exception& e) {
                sys::Log::warningFormat("MobileClient: a connection thread stopped on %s", sys::failureName(e).c_str());
            }
            self->runningThreads_.fetch_sub(1);
        }).detach();
    } catch (const std::system_error& e) {
        runningThreads_.fetch_sub(1);
        sys::Log::warningFormat("MobileClient: cannot start a thread: %s", e.what());
        closeWithError(conn);
    }
}

void MobileClient::onStreamEvent(const std::shared_ptr<Connection>& conn, SocketStream::Side side,
                                 SocketStream::Event event) {
    if (event == SocketStream::Event::ErrorOccurred || event == SocketStream::Event::EndEncountered) {
        // A running reader wakes on the same end or error and closes (an end through this loop) once
        // it has delivered every frame that arrived before it, so the listener never hears of the end
        // before the last message.
        if (!conn->readerRunning.load()) closeWithError(conn);
        return;
    }
    uint16_t bit = 0;
    switch (event) {
        case SocketStream::Event::OpenCompleted:
            bit = side == SocketStream::Side::Read ? kFlagReadStreamOpen : kFlagWriteStreamOpen;
            break;
        case SocketStream::Event::HasBytesAvailable: bit = kFlagHasBytesAvailable; break;
        case SocketStream::Event::CanAcceptBytes: bit = kFlagCanAcceptBytes; break;
        default: return;
    }
    uint16_t now;
    {
        // Checked and set together, so that an event of a connection closed meanwhile never marks the next.
        std::lock_guard<std::mutex> lock(mutex_);
        if (connection_ != conn) return;
        now = theFlags_.fetch_or(bit) | bit;
    }
    if (event == SocketStream::Event::OpenCompleted && (now & kFlagReadStreamOpen) && (now & kFlagWriteStreamOpen))
        startHandshake(conn);
}

void MobileClient::startHandshake(const std::shared_ptr<Connection>& conn) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (connection_ != conn || conn->handshakeStarted) return;
        conn->handshakeStarted = true;
    }
    startThread(conn, &MobileClient::sendConnect);
}

bool MobileClient::writeAll(const std::shared_ptr<Connection>& conn, const uint8_t* bytes, size_t length) {
    // The stream may take part of the bytes; keep the place and go on when it takes more.
    size_t done = 0;
    while (done < length) {
        long n = conn->stream->write(bytes + done, length - done);
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void MobileClient::sendConnect(const std::shared_ptr<Connection>& conn) {
    if (!conn->stream->waitForSpace() || conn->cancelled.load()) return;
    protocolId_.store(kProtocolId);
    auto key = static_cast<int64_t>(sys::currentTimeSeconds() * 1000.0);
    conn->tea = std::make_shared<TEA>(key);
    uint8_t hello[9];
    hello[0] = static_cast<uint8_t>(kProtocolId);
    for (int i = 0; i < 8; ++i) hello[1 + i] = static_cast<uint8_t>(static_cast<uint64_t>(key) >> (56 - 8 * i));
    // A failed write is reported by the stream's error event, which closes on the run loop.
    if (!writeAll(conn, hello, sizeof hello)) return;
    startThread(conn, &MobileClient::readConnect);
}

void MobileClient::readConnect(const std::shared_ptr<Connection>& conn) {
    if (!conn->stream->waitForBytes()) return;
    uint8_t answer = 0;
    // The server hung up or failed before it answered: the stream's end or error event closes the
    // connection on the run loop, which reports the failure there.
    if (conn->stream->read(&answer, 1) != 1) return;
    if (answer == kHandshakeAccepted) {
        IMessageListener* listener = delegate_.load();
        if (!listener) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (connection_ != conn || conn->cancelled.load()) return;
            connectStatus_.store(kConnected);
            conn->readerRunning.store(true);
        }
        startThread(conn, &MobileClient::readMessage);
        startThread(conn, &MobileClient::scheduleDequeueWriteLoop);
        listener->onConnectionOK();
        return;
    }
    sys::Log::warningFormat("MobileClient: the server refused the connection with %d", answer);
    // Report the refusal once, then close without a second report. The connection is gone before the
    // listener hears of it, so a connect from the callback opens a new one.
    sys::RunLoop::OwedWork refusal(*conn->runLoop);
    if (!closeConnection(conn, false)) return;  // someone else closed it, and reported
    reportOnLoop(conn, &IMessageListener::onConnectionFail);
}

void MobileClient::readMessage(const std::shared_ptr<Connection>& conn) {
    FrameCutter cutter;
    std::vector<uint8_t> buffer(64 * 1024);
    while (!conn->cancelled.load()) {
        if (!conn->stream->waitForBytes()) break;
        // What is read is owed to the loop until its messages' work (or the end) is posted there.
        sys::RunLoop::OwedWork handingOver(*conn->runLoop);
        theFlags_.fetch_and(static_cast<uint16_t>(~kFlagHasBytesAvailable));
        long n = conn->stream->read(buffer.data(), buffer.size());
        if (n == 0) {
            // Every frame before the end is delivered: the end closes on the run loop, as its event would.
            std::weak_ptr<MobileClient> weakSelf = weak_from_this();
            conn->runLoop->post([weakSelf, conn] {
                if (auto self = weakSelf.lock()) self->closeWithError(conn);
            });
            break;
        }
        if (n < 0) {
            closeWithError(conn);  // a read error (after our own close: nothing to do)
            break;
        }
        cutter.feed(buffer.data(), static_cast<size_t>(n), [&](const uint8_t* body, size_t length) {
            if (conn->cancelled.load()) return false;
            onReadMessage(conn, body, length);
            return true;
        });
    }
}

void MobileClient::onReadMessage(const std::shared_ptr<Connection>& conn, const uint8_t* body, size_t length) {
    try {
        std::optional<Message> message = Frame::decode(body, length, *conn->tea);
        if (message) {
            if (IMessageListener* listener = delegate_.load()) listener->onMessage(*message);
        }
    } catch (const std::exception& e) {
        sys::Log::warningFormat("Exception %s", sys::failureName(e).c_str());
    }
    if (!conn->cancelled.load()) countOfGetSize_.fetch_add(static_cast<int64_t>(length));
}

void MobileClient::scheduleDequeueWriteLoop(const std::shared_ptr<Connection>& conn) {
    for (;;) {
        Message message;
        {
            std::unique_lock<std::mutex> lock(queueMutex_);
            queueChanged_.wait(lock, [&] { return conn->cancelled.load() || !theWriteQueue_.empty(); });
            if (conn->cancelled.load()) return;
            message = std::move(theWriteQueue_.front());
            theWriteQueue_.pop_front();
            ++messagesBeingWritten_;
        }
        const bool sent = doSendBytes(conn, message);
        {
            std::lock_guard<std::mutex> lock(queueMutex_);
            --messagesBeingWritten_;
        }
        if (!sent) return;
    }
}

bool MobileClient::doSendBytes(const std::shared_ptr<Connection>& conn, const Message& message) {
    std::optional<sys::Data> frame = Frame::encode(message, *conn->tea);
    if (!frame) {
        sys::Log::warningFormat("MobileClient: message %d with %zu payload bytes does not fit a frame; dropped",
                                message._commandId(), message._data().size());
        return true;
    }
    if (!writeAll(conn, frame->data(), frame->size())) {
        closeWithError(conn);
        return false;
    }
    theFlags_.fetch_and(static_cast<uint16_t>(~kFlagCanAcceptBytes));
    if (!conn->cancelled.load()) countOfSentSize_.fetch_add(static_cast<int64_t>(frame->size()));
    return true;
}

}  // namespace zuno
