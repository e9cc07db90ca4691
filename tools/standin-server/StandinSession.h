#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "net/Frame.h"
#include "net/Message.h"
#include "net/TEA.h"
#include "platform/core/Value.h"
#include "platform/net/SocketStream.h"

namespace zuno::standin {

class StandinServer;

// The notice (45) the client shows as a dialog with one OK button: what a refused request says.
Message alertNotice(const std::string& text);
// An amount as the client shows amounts: grouped, "20,000 Xu".
std::string xu(int64_t amount);
// The money command: the client's transfer request and the server's money message share it.
constexpr int8_t kMoneyCommand = 17;
// The money message: the account's balance as the server holds it now, and a text the client shows as a
// dialog (the answer to a transfer, and what the server tells a player whose table ended in a deal).
Message moneyMessage(int64_t balance, const std::string& text);

// One client of the stand-in server, served by a thread of its own: it reads the protocol id and the
// 8-byte key, answers, then cuts and deciphers the client's frames, keeps every message for tests and
// hands each to the server's handler for its command id.
class StandinSession : public std::enable_shared_from_this<StandinSession> {
public:
    StandinSession(StandinServer& server, std::shared_ptr<sys::SocketStream> stream, uint8_t handshakeAnswer);
    ~StandinSession();
    StandinSession(const StandinSession&) = delete;
    StandinSession& operator=(const StandinSession&) = delete;

    void start();
    // Closes the client's socket and waits for the session's thread (not from inside a handler).
    void stop();
    // Closes the client's socket; the session's thread ends by itself.
    void close();

    // What the client sent in the handshake (after waitForHandshake).
    bool waitForHandshake(double timeoutSeconds);
    int8_t protocolId() const;
    int64_t key() const;

    // Sends a message as an enciphered frame with the client's key; false once the socket is gone.
    bool send(const Message& message);
    // Sends bytes as they are: a test's own frames, cut where it likes.
    bool sendRaw(const uint8_t* bytes, size_t length);
    bool sendRaw(const sys::Data& bytes) { return sendRaw(bytes.data(), bytes.size()); }
    // Tests: the bytes of the frame bodies sent so far, counted as the client counts what it receives
    // (every frame that is not empty, its length bytes left out), so that a test can tell when the
    // client has heard everything sent.
    uint64_t sentBodyBytes() const { return sentBodyBytes_.load(); }
    // Tests: the bytes of the client's frames read and handled so far, length bytes included (as the
    // client counts what it sends).
    uint64_t handledFrameBytes() const { return handledFrameBytes_.load(); }
    // The frame that send() would write for the message.
    sys::Data frameFor(const Message& message) const;
    std::optional<TEA> cipher() const;

    // Every message received so far, in order.
    std::vector<Message> received() const;
    size_t receivedCount() const;
    bool waitForMessages(size_t count, double timeoutSeconds);

    // While paused the session reads nothing, so the client's writes back up.
    void pauseReading();
    void resumeReading();

    // The language the client shows (its client information) or asked for (command 100): "en", the
    // client's own first language, until it names another. Texts the server makes up for the player
    // follow it.
    std::string language() const;
    void setLanguage(std::string language);
    // The text in the client's language.
    std::string say(const std::string& english, const std::string& vietnamese) const {
        return language() == "vi" ? vietnamese : english;
    }

    // The client closed its end (or the session was closed).
    bool isClosed() const;
    bool waitForClose(double timeoutSeconds);

private:
    void run();
    bool readHandshake();
    bool readExactly(uint8_t* bytes, size_t length);
    // Writes the bytes with writeMutex_ held.
    bool writeAll(const uint8_t* bytes, size_t length);
    void receive(const uint8_t* body, size_t length);

    StandinServer& server_;
    std::shared_ptr<sys::SocketStream> stream_;
    const uint8_t handshakeAnswer_;
    std::thread thread_;
    std::mutex writeMutex_;
    FrameCutter sentFrames_;  // with writeMutex_ held: cuts what is sent as the client does
    std::atomic<uint64_t> sentBodyBytes_{0};
    std::atomic<uint64_t> handledFrameBytes_{0};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool handshakeDone_ = false;
    int8_t protocolId_ = 0;
    int64_t key_ = 0;
    std::optional<TEA> tea_;
    std::vector<Message> received_;
    bool paused_ = false;
    bool closed_ = false;
    std::string language_ = "en";
};

}  // namespace zuno::standin
