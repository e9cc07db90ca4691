#include "standin-server/StandinSession.h"

#include "net/Frame.h"
#include "platform/core/Clock.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "standin-server/StandinServer.h"

namespace zuno::standin {

Message alertNotice(const std::string& text) {
    constexpr int8_t SC_NOTICE = 45, SC_SUB_SHOW_ALERT = 0;
    Message notice(SC_NOTICE);
    notice.writeByte(SC_SUB_SHOW_ALERT);
    notice.writeUTF(text);
    return notice;
}

std::string xu(int64_t amount) { return sys::formatNumber(amount) + " Xu"; }

Message moneyMessage(int64_t balance, const std::string& text) {
    Message m(kMoneyCommand);
    m.writeLong(balance);
    m.writeUTF(text);
    return m;
}

namespace {
template <typename Predicate>
bool waitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, double seconds, Predicate p) {
    if (seconds < 0) {
        cv.wait(lock, p);
        return true;
    }
    return cv.wait_for(lock, std::chrono::duration<double>(seconds), p);
}
}  // namespace

StandinSession::StandinSession(StandinServer& server, std::shared_ptr<sys::SocketStream> stream, uint8_t handshakeAnswer)
    : server_(server), stream_(std::move(stream)), handshakeAnswer_(handshakeAnswer) {}

StandinSession::~StandinSession() { stop(); }

void StandinSession::start() { thread_ = std::thread([this] { run(); }); }

void StandinSession::close() {
    stream_->close();
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void StandinSession::stop() {
    close();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

bool StandinSession::readExactly(uint8_t* bytes, size_t length) {
    size_t got = 0;
    while (got < length) {
        long n = stream_->read(bytes + got, length - got);
        if (n <= 0) return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

bool StandinSession::readHandshake() {
    uint8_t hello[9];
    if (!readExactly(hello, sizeof hello)) return false;
    uint64_t key = 0;
    for (int i = 1; i < 9; ++i) key = (key << 8) | hello[i];
    {
        std::lock_guard<std::mutex> lock(mutex_);
        protocolId_ = static_cast<int8_t>(hello[0]);
        key_ = static_cast<int64_t>(key);
        tea_.emplace(key_);
        handshakeDone_ = true;
        changed_.notify_all();
    }
    // The answer is no frame: the client reads it before it cuts frames.
    std::lock_guard<std::mutex> lock(writeMutex_);
    return writeAll(&handshakeAnswer_, 1);
}

void StandinSession::run() {
    if (readHandshake()) {
        FrameCutter cutter;
        std::vector<uint8_t> buffer(64 * 1024);
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return !paused_ || closed_; });
                if (closed_) break;
            }
            long n = stream_->read(buffer.data(), buffer.size());
            if (n <= 0) break;
            cutter.feed(buffer.data(), static_cast<size_t>(n), [&](const uint8_t* body, size_t length) {
                receive(body, length);
                handledFrameBytes_ += 2 + length;
                return true;
            });
        }
    }
    stream_->close();
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void StandinSession::receive(const uint8_t* body, size_t length) {
    std::optional<TEA> tea = cipher();
    std::optional<Message> message = Frame::decode(body, length, *tea);
    if (!message) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back(*message);
        changed_.notify_all();
    }
    try {
        server_.dispatch(*this, *message);
    } catch (const std::exception& e) {
        sys::Log::warningFormat("StandinServer: handler of %d failed: %s", message->_commandId(), sys::failureName(e).c_str());
    }
}

bool StandinSession::waitForHandshake(double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return waitUntil(lock, changed_, timeoutSeconds, [&] { return handshakeDone_; });
}

int8_t StandinSession::protocolId() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return protocolId_;
}

int64_t StandinSession::key() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return key_;
}

std::optional<TEA> StandinSession::cipher() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return tea_;
}

sys::Data StandinSession::frameFor(const Message& message) const {
    std::optional<TEA> tea = cipher();
    if (!tea) throw sys::Exception("StandinException", "no handshake yet: no key to encipher with");
    std::optional<sys::Data> frame = Frame::encode(message, *tea);
    if (!frame) throw sys::Exception("StandinException", "message too long for a frame");
    return *frame;
}

bool StandinSession::send(const Message& message) { return sendRaw(frameFor(message)); }

bool StandinSession::sendRaw(const uint8_t* bytes, size_t length) {
    std::lock_guard<std::mutex> lock(writeMutex_);
    if (!writeAll(bytes, length)) return false;
    sentFrames_.feed(bytes, length, [this](const uint8_t*, size_t body) {
        sentBodyBytes_ += body;
        return true;
    });
    return true;
}

bool StandinSession::writeAll(const uint8_t* bytes, size_t length) {
    size_t done = 0;
    while (done < length) {
        long n = stream_->write(bytes + done, length - done);
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::vector<Message> StandinSession::received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

size_t StandinSession::receivedCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_.size();
}

bool StandinSession::waitForMessages(size_t count, double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return waitUntil(lock, changed_, timeoutSeconds, [&] { return received_.size() >= count; });
}

void StandinSession::pauseReading() {
    std::lock_guard<std::mutex> lock(mutex_);
    paused_ = true;
}

void StandinSession::resumeReading() {
    std::lock_guard<std::mutex> lock(mutex_);
    paused_ = false;
    changed_.notify_all();
}

bool StandinSession::isClosed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}

bool StandinSession::waitForClose(double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return waitUntil(lock, changed_, timeoutSeconds, [&] { return closed_; });
}

std::string StandinSession::language() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return language_;
}

void StandinSession::setLanguage(std::string language) {
    std::lock_guard<std::mutex> lock(mutex_);
    language_ = std::move(language);
}

}  // namespace zuno::standin
