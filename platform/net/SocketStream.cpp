#include "platform/net/SocketStream.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <mutex>
#include <thread>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {

int toPollTimeout(double seconds) {
    if (seconds < 0) return -1;
    double ms = std::ceil(seconds * 1000.0);
    return ms > 2e9 ? 2000000000 : static_cast<int>(ms);
}

void signal(int eventFd) {
    uint64_t one = 1;
    ssize_t ignored = ::write(eventFd, &one, sizeof one);
    (void)ignored;
}

void drain(int eventFd) {
    uint64_t value;
    ssize_t ignored = ::read(eventFd, &value, sizeof value);
    (void)ignored;
}

}  // namespace

struct SocketStream::Core {
    std::string host;
    uint16_t port = 0;
    std::weak_ptr<Core> self;

    // Signalled once, at close, and left signalled: it wakes every waiter, now and later.
    int closedEvent = -1;
    // Wakes the watcher when a read or write wants the next has-bytes / can-accept event.
    int rearmEvent = -1;

    mutable std::mutex mutex;
    int fd = -1;
    bool closed = false;
    bool started = false;
    bool watching = false;  // the background thread runs
    Status readStatus = Status::NotOpen;
    Status writeStatus = Status::NotOpen;
    int error = 0;
    bool readArmed = false;
    bool writeArmed = false;
    bool endReported = false;
    bool errorReported = false;
    RunLoop* loop = nullptr;
    Handler handler;

    Core() {
        closedEvent = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        rearmEvent = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    }

    ~Core() {
        if (fd >= 0) ::close(fd);
        if (closedEvent >= 0) ::close(closedEvent);
        if (rearmEvent >= 0) ::close(rearmEvent);
    }

    int socket() const {
        std::lock_guard<std::mutex> lock(mutex);
        return closed ? -1 : fd;
    }

    void post(Side side, Event event) {
        RunLoop* target;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (closed || !loop) return;
            target = loop;
        }
        std::weak_ptr<Core> weak = self;
        target->post([weak, side, event] {
            auto core = weak.lock();
            if (!core) return;
            Handler h;
            {
                std::lock_guard<std::mutex> lock(core->mutex);
                if (core->closed || !core->loop) return;
                h = core->handler;
            }
            if (h) h(side, event);
        });
    }

    void rearm(bool readSide) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            bool& armed = readSide ? readArmed : writeArmed;
            if (armed || closed) return;
            armed = true;
        }
        signal(rearmEvent);
    }

    void reportEnd() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (endReported || closed) return;
            endReported = true;
            readStatus = Status::AtEnd;
        }
        post(Side::Read, Event::EndEncountered);
    }

    void reportError(Side side, int code) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (errorReported || closed) return;
            errorReported = true;
            error = code;
            readStatus = Status::Error;
            writeStatus = Status::Error;
        }
        post(side, Event::ErrorOccurred);
    }

    // Waits for the socket to be ready for the events, or for close. True when the socket is ready.
    bool waitFor(short events, double timeoutSeconds) const {
        int s = socket();
        if (s < 0) return false;
        // A peer that stopped sending makes a reader ready (the read answers the end); a writer keeps
        // waiting for space, or it would wake for ever.
        short wanted = static_cast<short>((events & POLLIN) ? (events | POLLRDHUP) : events);
        pollfd fds[2] = {{s, wanted, 0}, {closedEvent, POLLIN, 0}};
        for (;;) {
            int n = ::poll(fds, 2, toPollTimeout(timeoutSeconds));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            if (fds[1].revents) return false;
            return fds[0].revents != 0;
        }
    }

    // Resolves and connects, interruptible by close. The connected socket, or -1 (error code set).
    int connect(int& code) {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        std::string service = std::to_string(port);
        int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
        if (rc != 0) {
            Log::warningFormat("SocketStream: cannot resolve %s: %s", host.c_str(), ::gai_strerror(rc));
            code = EHOSTUNREACH;
            return -1;
        }
        code = ECONNREFUSED;
        int result = -1;
        for (addrinfo* ai = found; ai && result < 0; ai = ai->ai_next) {
            int s = ::socket(ai->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (s < 0) {
                code = errno;
                continue;
            }
            if (::connect(s, ai->ai_addr, ai->ai_addrlen) == 0) {
                result = s;
                break;
            }
            if (errno != EINPROGRESS) {
                code = errno;
                ::close(s);
                continue;
            }
            pollfd fds[2] = {{s, POLLOUT, 0}, {closedEvent, POLLIN, 0}};
            int n;
            do {
                n = ::poll(fds, 2, -1);
            } while (n < 0 && errno == EINTR);
            if (n < 0 || fds[1].revents) {
                ::close(s);
                break;
            }
            int err = 0;
            socklen_t len = sizeof err;
            ::getsockopt(s, SOL_SOCKET, SO_ERROR, &err, &len);
            if (err == 0) {
                result = s;
            } else {
                code = err;
                ::close(s);
            }
        }
        ::freeaddrinfo(found);
        if (result >= 0) {
            // Frames are small and interactive: send each at once.
            int one = 1;
            ::setsockopt(result, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        }
        return result;
    }

    // The background thread: watches, and says when it is done (after everything it posted).
    void runWatcher() {
        watch();
        std::lock_guard<std::mutex> lock(mutex);
        watching = false;
    }

    // The background half: connects, then turns readiness of the socket into events until the end.
    void watch() {
        int code = 0;
        int s = connect(code);
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (closed) {
                if (s >= 0) ::close(s);
                return;
            }
            if (s >= 0) {
                fd = s;
                readStatus = writeStatus = Status::Open;
                readArmed = writeArmed = true;
            }
        }
        if (s < 0) {
            reportError(Side::Read, code);
            return;
        }
        post(Side::Read, Event::OpenCompleted);
        post(Side::Write, Event::OpenCompleted);

        // After the peer hung up with bytes still unread, the socket stays ready for ever: leave it out
        // of the poll until the reader has taken something.
        bool waitingForReader = false;
        for (;;) {
            short events = POLLRDHUP;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (closed) return;
                if (readArmed) events |= POLLIN;
                if (writeArmed) events |= POLLOUT;
            }
            pollfd fds[3] = {{closedEvent, POLLIN, 0}, {rearmEvent, POLLIN, 0}, {s, events, 0}};
            int n = ::poll(fds, waitingForReader ? 2 : 3, -1);
            if (n < 0) {
                if (errno == EINTR) continue;
                reportError(Side::Read, errno);
                return;
            }
            if (fds[0].revents) return;
            if (fds[1].revents) {
                drain(rearmEvent);
                waitingForReader = false;
                continue;
            }
            short ready = fds[2].revents;
            if (ready & POLLERR) {
                int err = 0;
                socklen_t len = sizeof err;
                ::getsockopt(s, SOL_SOCKET, SO_ERROR, &err, &len);
                reportError(Side::Read, err ? err : EIO);
                return;
            }
            bool bytes = false, space = false;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if ((ready & POLLIN) && readArmed) readArmed = false, bytes = true;
                if ((ready & POLLOUT) && writeArmed) writeArmed = false, space = true;
            }
            if (bytes) post(Side::Read, Event::HasBytesAvailable);
            if (space) post(Side::Write, Event::CanAcceptBytes);
            if (ready & (POLLRDHUP | POLLHUP)) {
                int pending = 0;
                if (::ioctl(s, FIONREAD, &pending) == 0 && pending == 0) {
                    reportEnd();
                    return;
                }
                waitingForReader = true;
            }
        }
    }
};

SocketStream::SocketStream(std::string host, uint16_t port) : core_(std::make_shared<Core>()) {
    core_->self = core_;
    core_->host = std::move(host);
    core_->port = port;
}

SocketStream::SocketStream(std::shared_ptr<Core> core) : core_(std::move(core)) { core_->self = core_; }

std::shared_ptr<SocketStream> SocketStream::adoptConnected(int fd) {
    auto core = std::make_shared<Core>();
    core->fd = fd;
    core->started = true;
    core->readStatus = core->writeStatus = Status::Open;
    int flags = ::fcntl(fd, F_GETFL, 0);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return std::shared_ptr<SocketStream>(new SocketStream(std::move(core)));
}

SocketStream::~SocketStream() { close(); }

void SocketStream::setHandler(Handler handler) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    core_->handler = std::move(handler);
}

void SocketStream::schedule(RunLoop& loop) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    core_->loop = &loop;
}

void SocketStream::unschedule() {
    std::lock_guard<std::mutex> lock(core_->mutex);
    core_->loop = nullptr;
}

bool SocketStream::open() {
    {
        std::lock_guard<std::mutex> lock(core_->mutex);
        if (core_->closed || core_->closedEvent < 0 || core_->rearmEvent < 0) return false;
        if (core_->started) return true;
        if (core_->host.empty()) return false;
        core_->started = true;
        core_->watching = true;
        core_->readStatus = core_->writeStatus = Status::Opening;
    }
    try {
        std::thread([core = core_] { core->runWatcher(); }).detach();
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> lock(core_->mutex);
        core_->watching = false;
        core_->readStatus = core_->writeStatus = Status::Error;
        return false;
    }
    return true;
}

void SocketStream::close() {
    Handler dropped;  // released outside the lock: it may hold the last reference to its owner
    int s;
    {
        std::lock_guard<std::mutex> lock(core_->mutex);
        if (core_->closed) return;
        core_->closed = true;
        core_->readStatus = core_->writeStatus = Status::Closed;
        core_->loop = nullptr;
        dropped = std::move(core_->handler);
        core_->handler = nullptr;
        s = core_->fd;
    }
    if (core_->closedEvent >= 0) signal(core_->closedEvent);
    // The descriptor itself is closed with the last reference, so that no thread still inside a call
    // can meet a reused number.
    if (s >= 0) ::shutdown(s, SHUT_RDWR);
}

SocketStream::Status SocketStream::readStatus() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return core_->readStatus;
}

SocketStream::Status SocketStream::writeStatus() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return core_->writeStatus;
}

bool SocketStream::hasBytesAvailable() const { return core_->waitFor(POLLIN, 0); }
bool SocketStream::canAcceptBytes() const { return core_->waitFor(POLLOUT, 0); }

bool SocketStream::waitForBytes(double timeoutSeconds) const { return core_->waitFor(POLLIN, timeoutSeconds); }
bool SocketStream::waitForSpace(double timeoutSeconds) const { return core_->waitFor(POLLOUT, timeoutSeconds); }

long SocketStream::read(uint8_t* buffer, size_t capacity) {
    for (;;) {
        int s;
        {
            std::lock_guard<std::mutex> lock(core_->mutex);
            if (core_->closed || core_->fd < 0) return -1;
            if (core_->readStatus == Status::AtEnd) return 0;
            if (core_->readStatus == Status::Error) return -1;
            s = core_->fd;
        }
        ssize_t n = ::recv(s, buffer, capacity, MSG_DONTWAIT);
        if (n > 0) {
            core_->rearm(true);
            return static_cast<long>(n);
        }
        if (n == 0) {
            if (core_->socket() < 0) return -1;  // our own close, not the peer's
            core_->reportEnd();
            return 0;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!core_->waitFor(POLLIN, -1)) return -1;
            continue;
        }
        if (core_->socket() < 0) return -1;
        core_->reportError(Side::Read, errno);
        return -1;
    }
}

long SocketStream::write(const uint8_t* bytes, size_t length) {
    for (;;) {
        int s;
        {
            std::lock_guard<std::mutex> lock(core_->mutex);
            if (core_->closed || core_->fd < 0 || core_->writeStatus == Status::Error) return -1;
            s = core_->fd;
        }
        ssize_t n = ::send(s, bytes, length, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n >= 0) {
            core_->rearm(false);
            return static_cast<long>(n);
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!core_->waitFor(POLLOUT, -1)) return -1;
            continue;
        }
        if (core_->socket() < 0) return -1;
        core_->reportError(Side::Write, errno);
        return -1;
    }
}

bool SocketStream::isWatching() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return core_->watching;
}

int SocketStream::errorCode() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return core_->error;
}

}  // namespace zuno::sys
