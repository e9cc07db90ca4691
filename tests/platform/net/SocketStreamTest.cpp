#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/core/RunLoop.h"
#include "platform/net/SocketStream.h"

using namespace zuno::sys;
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
    int fd() const { return fd_; }

private:
    int listenFd_ = -1;
    int fd_ = -1;
    uint16_t port_ = 0;
};

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
    peer.accept();
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2; }));
    peer.send("bye");
    peer.closePeer();
    RunLoop::main().runUntil([] { return false; }, 0.1);
    EXPECT_FALSE(seen(Event::EndEncountered));
    uint8_t buffer[8];
    EXPECT_EQ(stream->read(buffer, sizeof buffer), 3);
    EXPECT_EQ(stream->read(buffer, sizeof buffer), 0);
    EXPECT_EQ(stream->readStatus(), SocketStream::Status::AtEnd);
    ASSERT_TRUE(pump([&] { return seen(Event::EndEncountered); }));
    RunLoop::main().runUntil([] { return false; }, 0.05);
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
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2; }));
    peer.send("late");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the event is posted, not yet run
    stream->close();
    size_t before = events.size();
    RunLoop::main().runUntil([] { return false; }, 0.05);
    EXPECT_EQ(events.size(), before);
    EXPECT_FALSE(stream->open());
}

TEST_F(SocketStreamTest, CloseWakesEveryBlockedThread) {
    Peer peer;
    auto stream = openTo(peer.port());
    peer.accept();
    ASSERT_TRUE(pump([&] { return count(Event::OpenCompleted) == 2; }));
    bool waited = true;
    long readResult = 0;
    std::thread waiter([&] { waited = stream->waitForBytes(); });
    std::thread reader([&] {
        uint8_t b;
        readResult = stream->read(&b, 1);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    double start = monotonicSeconds();
    stream->close();
    waiter.join();
    reader.join();
    EXPECT_LT(monotonicSeconds() - start, 1.0);
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
