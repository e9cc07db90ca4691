#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/core/RunLoop.h"
#include "platform/net/SocketStream.h"
#include "support/LoopWaits.h"

using namespace zuno::sys;
using zuno::testing::runWhatWasPosted;
using zuno::testing::waitOffLoop;
using Event = SocketStream::Event;
using Side = SocketStream::Side;

namespace {

// A listening socket on 127.0.0.1 and the one peer it accepts.
class Peer {
public:
    Peer() {
        listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listenFd_, 4);
        socklen_t len = sizeof addr;
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
    }
    ~Peer() {
        closePeer();
        ::close(listenFd_);
    }
    uint16_t port() const { return port_; }
    void accept() { fd_ = ::accept(listenFd_, nullptr, nullptr); }
    void send(const std::string& text) { ASSERT_EQ(::write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size())); }
    std::string receive(size_t n) {
        std::string out(n, '\0');
        size_t got = 0;
        while (got < n) {
            ssize_t r = ::read(fd_, out.data() + got, n - got);
            if (r <= 0) break;
            got += static_cast<size_t>(r);
        }
        out.resize(got);
        return out;
    }
    void closePeer() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Ends what the peer sends, keeping the socket.
    void shutDownSending() { ::shutdown(fd_, SHUT_WR); }
    // The other side acknowledged the end of what the peer sends: it has it behind every byte before.
    bool endWasAcknowledged() const {
        tcp_info info{};
        socklen_t len = sizeof info;
        return ::getsockopt(fd_, IPPROTO_TCP, TCP_INFO, &info, &len) == 0 && info.tcpi_state == TCP_FIN_WAIT2;
    }
    int fd() const { return fd_; }

private:
    int listenFd_ = -1;
    int fd_ = -1;
    uint16_t port_ = 0;
};

// The thread sleeps in poll(), as a wait on a socket does.
bool asleepInPoll(pid_t thread) {
    std::ifstream in("/proc/self/task/" + std::to_string(thread) + "/syscall");
    long number = -1;  // the file reads "running" when the thread is not in a system call
    if (!(in >> number)) return false;
#ifdef SYS_poll
    if (number == SYS_poll) return true;
#endif
    return number == SYS_ppoll;
}

struct Recorded {
    Side side;
    Event event;
    bool onMain;
};

class SocketStreamTest : public ::testing::Test {
protected:
    std::shared_ptr<SocketStream> openTo(uint16_t port, const std::string& host = "127.0.0.1") {
        auto stream = std::make_shared<SocketStream>(host, port);
        stream->setHandler([this](Side side, Event event) { events.push_back({side, event, RunLoop::isMainThread()}); });
        stream->schedule(RunLoop::main());
        EXPECT_TRUE(stream->open());
        return stream;
    }
    bool seen(Event e) const {
        for (const auto& r : events)
            if (r.event == e) return true;
        return false;
    }
    int count(Event e) const {
        int n = 0;
        for (const auto& r : events) n += r.event == e;
        return n;
    }
    static bool pump(const std::function<bool()>& condition) { return RunLoop::main().runUntil(condition, 10); }

    std::vector<Recorded> events;
};

TEST_F(SocketStreamTest, OpensAndReportsOnTheScheduledLoop) {
    Peer peer;
    auto stream = openTo(peer.port(), "localhost");  // a host name is resolved
    peer.accept();
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2 && seen(Event::CanAcceptBytes); }));
    EXPECT_EQ(events[0].side, Side::Read);
    EXPECT_EQ(events[1].side, Side::Write);
    for (const auto& r : events) EXPECT_TRUE(r.onMain);
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::Open);
    EXPECT_EQ(stream->writeStatus(), SocketStream::Status::Open);
    EXPECT_FALSE(seen(Event::HasBytesAvailable));

    EXPECT_EQ(stream->write(reinterpret_cast<const uint8_t*>("ping"), 4), 4);
    EXPECT_EQ(peer.receive(4), "ping");
    peer.send("pong");
    ASSERT_TRUE(pump([&] { return seen(Event::HasBytesAvailable); }));
    EXPECT_TRUE(stream->hasBytesAvailable());
    uint8_t buffer[16];
    EXPECT_EQ(stream->read(buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), "pong");
    stream->close();
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::Closed);
}

TEST_F(SocketStreamTest, TheEndComesAfterTheLastByteIsRead) {
    Peer peer;
    auto stream = openTo(peer.port());
    ASSERT_TRUE(stream->isWatching()) << "a thread watches the socket";
    peer.accept();
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2; }));
    peer.send("bye");
    ASSERT_TRUE(pump([&] { return count(Event::HasBytesAvailable) == 1; }));
    peer.shutDownSending();
    ASSERT_TRUE(pump([&] { return peer.endWasAcknowledged(); }));
    // Each byte read makes the stream look at the socket again, where the end now waits; the
    // has-bytes event of the second look comes after anything the first look reported.
    uint8_t buffer[8];
    for (int looks = 1; looks <= 2; ++looks) {
        ASSERT_EQ(stream->read(buffer, 1), 1);
        ASSERT_TRUE(pump([&] { return count(Event::HasBytesAvailable) == 1 + looks; }));
    }
    EXPECT_FALSE(seen(Event::EndEncountered)) << "an end while a byte was unread";

    // The last byte and, at once, the end: the reader meets the end while the watching thread does.
    EXPECT_EQ(stream->read(buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 1), "e");
    EXPECT_EQ(stream->read(buffer, sizeof buffer), 0);
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::AtEnd);
    // The watching thread ends with the end; once it is gone every report of it has been posted.
    ASSERT_TRUE(pump([&] { return !stream->isWatching(); }));
    ASSERT_TRUE(runWhatWasPosted());
    EXPECT_EQ(count(Event::EndEncountered), 1);
}

TEST_F(SocketStreamTest, PeerHangingUpIsAnEndEvenWithoutAReader) {
    Peer peer;
    auto stream = openTo(peer.port());
    peer.accept();
    peer.closePeer();
    ASSERT_TRUE(pump([&] { return seen(Event::EndEncountered); }));
}

TEST_F(SocketStreamTest, ARefusedConnectionIsAnErrorEvent) {
    uint16_t port;
    {
        Peer gone;
        port = gone.port();
    }
    auto stream = openTo(port);
    ASSERT_TRUE(pump([&] { return seen(Event::ErrorOccurred); }));
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::Error);
    EXPECT_EQ(stream->errorCode(), ECONNREFUSED);
    EXPECT_FALSE(seen(Event::OpenCompleted));
}

TEST_F(SocketStreamTest, NothingIsDeliveredAfterClose) {
    Peer peer;
    auto stream = openTo(peer.port());
    peer.accept();
    // Past the opening events nothing is posted until bytes come.
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2 && seen(Event::CanAcceptBytes); }));
    ASSERT_EQ(RunLoop::main().pendingTaskCount(), 0u);
    peer.send("late");
    ASSERT_TRUE(waitOffLoop([] { return RunLoop::main().pendingTaskCount() == 1; }));  // posted, not yet run
    stream->close();
    size_t before = events.size();
    ASSERT_TRUE(runWhatWasPosted());
    EXPECT_EQ(events.size(), before);
    EXPECT_FALSE(stream->open());
}

TEST_F(SocketStreamTest, CloseWakesEveryBlockedThread) {
    Peer peer;
    auto stream = openTo(peer.port());
    peer.accept();
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2; }));
    std::atomic<pid_t> waiterId{0}, readerId{0};
    std::atomic<int> ended{0};
    bool waited = true;
    long readResult = 0;
    std::thread waiter([&] {
        waiterId = ::gettid();
        waited = stream->waitForBytes();
        ++ended;
    });
    std::thread reader([&] {
        readerId = ::gettid();
        uint8_t b;
        readResult = stream->read(&b, 1);
        ++ended;
    });
    const bool bothAsleep = waitOffLoop([&] { return asleepInPoll(waiterId) && asleepInPoll(readerId); });
    stream->close();
    const bool bothWoke = waitOffLoop([&] { return ended == 2; });
    if (!bothWoke) peer.send("x");  // frees them, so that the test fails instead of hanging
    waiter.join();
    reader.join();
    ASSERT_TRUE(bothAsleep) << "the threads were not waiting on the socket when it closed";
    EXPECT_TRUE(bothWoke) << "close left a thread waiting";
    EXPECT_FALSE(waited);
    EXPECT_EQ(readResult, -1);
    uint8_t b = 0;
    EXPECT_EQ(stream->write(&b, 1), -1);
    EXPECT_FALSE(stream->waitForSpace(0));
}

TEST_F(SocketStreamTest, WritesCanBePartialAndWaitsCanTimeOut) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    int small = 4096;
    ::setsockopt(pair[0], SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    auto stream = SocketStream::adoptConnected(pair[0]);
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::Open);
    EXPECT_FALSE(stream->waitForBytes(0.01));
    std::vector<uint8_t> big(1 << 20, 7);
    long n = stream->write(big.data(), big.size());
    EXPECT_GT(n, 0);
    EXPECT_LT(n, static_cast<long>(big.size()));
    EXPECT_FALSE(stream->waitForSpace(0.01));  // full until the other end reads
    ::close(pair[1]);
    EXPECT_TRUE(stream->waitForSpace(1));  // a hung-up peer wakes the writer, whose write then fails
    EXPECT_EQ(stream->write(big.data(), big.size()), -1);
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::Error);
}

}  // namespace
