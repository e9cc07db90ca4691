#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zuno::sys {

class RunLoop;

// The read and write streams of one TCP connection, as a pair.
//
// open() starts connecting in the background (the host name is resolved there too) and returns at once;
// the events open, has-bytes, can-accept, error and end are then delivered, each once per occurrence, on
// the run loop the pair is scheduled on. has-bytes and can-accept come again only after a read or a
// write. An end is reported once every byte the peer sent has been read.
//
// read() and write() may be called from any thread; they block until at least one byte moved, the
// stream ended, failed or was closed. waitForBytes() and waitForSpace() let worker threads sleep until
// the socket is ready. close() wakes every one of them; nothing here ever spins.
class SocketStream {
public:
    enum class Side { Read, Write };
    enum class Event { OpenCompleted, HasBytesAvailable, CanAcceptBytes, ErrorOccurred, EndEncountered };
    enum class Status { NotOpen, Opening, Open, AtEnd, Closed, Error };
    using Handler = std::function<void(Side, Event)>;

    // A pair to a host name or numeric address and a port. Nothing happens until open().
    SocketStream(std::string host, uint16_t port);
    // A pair around a socket that is already connected (a server's accepted client); it is open at once.
    // The stream owns the descriptor.
    static std::shared_ptr<SocketStream> adoptConnected(int fd);
    ~SocketStream();  // closes
    SocketStream(const SocketStream&) = delete;
    SocketStream& operator=(const SocketStream&) = delete;

    // Set before open(); events arrive only while scheduled and not closed.
    void setHandler(Handler handler);
    // The loop must outlive the schedule (unschedule() or close() ends it).
    void schedule(RunLoop& loop);
    void unschedule();

    // False when the connection cannot even be started; failures after that arrive as an error event.
    bool open();
    // Any thread, any number of times.
    void close();

    Status readStatus() const;
    Status writeStatus() const;
    // Without blocking: a read would not block / a write would take bytes now.
    bool hasBytesAvailable() const;
    bool canAcceptBytes() const;

    // Bytes read (> 0), 0 at the end of the stream, -1 on an error or after close.
    long read(uint8_t* buffer, size_t capacity);
    // Bytes written (possibly fewer than given), -1 on an error or after close.
    long write(const uint8_t* bytes, size_t length);

    // Sleep until a read would not block (true) or the stream is closed or the time is up (false).
    // A negative time waits without limit.
    bool waitForBytes(double timeoutSeconds = -1) const;
    bool waitForSpace(double timeoutSeconds = -1) const;

    // The system error behind an error status, 0 if none.
    int errorCode() const;
    // The thread open() started, which connects and watches the socket, still runs. It ends at the end
    // of the stream, an error or close, after posting all it reports.
    bool isWatching() const;

private:
    struct Core;
    explicit SocketStream(std::shared_ptr<Core> core);
    std::shared_ptr<Core> core_;
};

}  // namespace zuno::sys
