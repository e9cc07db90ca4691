#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "RecordingListener.h"
#include "net/MobileClient.h"
#include "platform/core/Clock.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "standin-server/StandinServer.h"
#include "support/LoopWaits.h"

using namespace zuno;
using zuno::standin::StandinServer;
using zuno::standin::StandinSession;
using zuno::testing::RecordingListener;
using zuno::testing::runWhatWasPosted;
using zuno::testing::waitOffLoop;
using sys::Data;

namespace {

class MobileClientTest : public ::testing::Test {
protected:
    void SetUp() override { client = MobileClient::create(&listener); }

    void TearDown() override {
        client->manualDisconnect();
        EXPECT_TRUE(pump([&] { return client->runningThreadCount() == 0; })) << "connection threads left running";
        server.stop();
    }

    // Runs the main loop (which receives the stream events) until the condition holds.
    static bool pump(const std::function<bool()>& condition, double seconds = 10) {
        return sys::RunLoop::main().runUntil(condition, seconds);
    }

    std::shared_ptr<StandinSession> connect() {
        if (server.port() == 0) {
            EXPECT_TRUE(server.start());
        }
        int before = listener.count("ok");
        EXPECT_TRUE(client->connectToHost("127.0.0.1", server.port()));
        EXPECT_TRUE(pump([&] { return listener.count("ok") == before + 1; }));
        EXPECT_TRUE(server.waitForClientCount(1, 5));
        return server.latestClient();
    }

    std::vector<Message> receivedByClient(size_t count) {
        EXPECT_TRUE(pump([&] { return listener.messages().size() >= count; })) << "client got "
                                                                               << listener.messages().size();
        return listener.messages();
    }

    StandinServer server;
    RecordingListener listener;
    std::shared_ptr<MobileClient> client;
};

Message numbered(int8_t command, int32_t number) {
    Message m(command);
    m.writeInt(number);
    return m;
}

TEST_F(MobileClientTest, HandshakeThenAMessageEachWayOnTheirThreads) {
    int64_t before = sys::currentTimeMillis();
    auto session = connect();
    int64_t after = sys::currentTimeMillis();
    ASSERT_TRUE(session && session->waitForHandshake(5));
    EXPECT_EQ(session->protocolId(), 5);
    EXPECT_GE(session->key(), before);
    EXPECT_LE(session->key(), after);
    EXPECT_EQ(client->protocolId(), 5);
    EXPECT_EQ(client->connectStatus(), MobileClient::kConnected);
    EXPECT_TRUE(client->isConnected());
    uint16_t open = MobileClient::kFlagConnectStarted | MobileClient::kFlagReadStreamOpen | MobileClient::kFlagWriteStreamOpen;
    EXPECT_EQ(client->flags() & open, open);

    Message hello(1);
    hello.writeUTF("xin chào");
    hello.writeLong(-7);
    client->sendMessage(hello);
    ASSERT_TRUE(session->waitForMessages(1, 5));
    Message got = session->received()[0];
    EXPECT_EQ(got._commandId(), 1);
    EXPECT_EQ(got.readUTF(), "xin chào");
    EXPECT_EQ(got.readLong(), -7);

    Message reply(-36);
    reply.writeByte(1);
    ASSERT_TRUE(session->send(reply));
    auto messages = receivedByClient(1);
    EXPECT_EQ(messages[0]._commandId(), -36);
    EXPECT_EQ(messages[0].readByte(), 1);

    // onConnectionOK on the handshake thread, onMessage on the reader thread.
    auto mainThread = std::this_thread::get_id();
    auto okThread = listener.threadOf("ok");
    auto messageThread = listener.threadOf("message");
    EXPECT_NE(okThread, mainThread);
    EXPECT_NE(messageThread, mainThread);
    EXPECT_NE(messageThread, okThread);
}

TEST_F(MobileClientTest, ManyMessagesFromSeveralThreadsArriveWholeAndInOrder) {
    auto session = connect();
    const int kThreads = 4, kEach = 50;
    std::vector<std::thread> senders;
    for (int t = 0; t < kThreads; ++t) {
        senders.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                Message m(20);
                m.writeByte(static_cast<int8_t>(t));
                m.writeInt(i);
                m.writeUTF(std::string(static_cast<size_t>(i * 13 % 700), static_cast<char>('a' + t)));
                client->sendMessage(std::move(m));
            }
        });
    }
    for (auto& s : senders) s.join();
    ASSERT_TRUE(session->waitForMessages(kThreads * kEach, 10));
    std::vector<int> next(kThreads, 0);
    for (Message m : session->received()) {
        int t = m.readByte();
        int i = m.readInt();
        ASSERT_GE(t, 0);
        ASSERT_LT(t, kThreads);
        EXPECT_EQ(i, next[static_cast<size_t>(t)]++);
        EXPECT_EQ(m.readUTF(), std::string(static_cast<size_t>(i * 13 % 700), static_cast<char>('a' + t)));
        EXPECT_FALSE(m.available());
    }
    EXPECT_EQ(session->receivedCount(), static_cast<size_t>(kThreads * kEach));
}

TEST_F(MobileClientTest, FramesAreCutWhateverTheSegments) {
    auto session = connect();
    // The second frame's first bytes come in one segment with the first frame, its rest only once the
    // first was delivered: read in two parts, it is still delivered once, whole.
    Data first = session->frameFor(numbered(7, 1));
    Data second = session->frameFor(numbered(7, 2));
    Data segment = first;
    segment.insert(segment.end(), second.begin(), second.begin() + 5);
    ASSERT_TRUE(session->sendRaw(segment));
    ASSERT_EQ(receivedByClient(1).size(), 1u);
    ASSERT_TRUE(session->sendRaw(second.data() + 5, second.size() - 5));
    ASSERT_EQ(receivedByClient(2).size(), 2u);

    // Several frames in one segment, with an empty frame and one that does not decipher among them.
    Data batch;
    for (int i = 3; i <= 5; ++i) {
        Data f = session->frameFor(numbered(7, i));
        batch.insert(batch.end(), f.begin(), f.end());
        if (i == 3) batch.insert(batch.end(), {0, 0});
        if (i == 4) batch.insert(batch.end(), {0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    }
    ASSERT_TRUE(session->sendRaw(batch));
    auto messages = receivedByClient(5);
    ASSERT_EQ(messages.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(messages[static_cast<size_t>(i)].readInt(), i + 1);
    EXPECT_TRUE(sys::Log::contains("does not decipher"));
    EXPECT_TRUE(client->isConnected());
}

TEST_F(MobileClientTest, LargeFramesGoOutWholeWhenTheServerFallsBehind) {
    server.setReceiveBufferSize(4096);
    auto session = connect();
    session->pauseReading();
    // More than the two sockets' buffers hold (a loopback send buffer grows to about 4 MB): the
    // writer meets a full socket and has to go on from the middle of a frame.
    const int kCount = 200;
    const size_t kSize = 32000;  // with the command id and the int, within the 32760 bytes a frame carries
    auto bodyOf = [&](int i) {
        Data body(kSize);
        for (size_t k = 0; k < kSize; ++k) body[k] = static_cast<uint8_t>(k * 31 + static_cast<size_t>(i));
        return body;
    };
    for (int i = 0; i < kCount; ++i) {
        Message m(30);
        m.writeInt(i);
        Data payload = m._data();
        Data body = bodyOf(i);
        payload.insert(payload.end(), body.begin(), body.end());
        client->sendMessage(Message(30, payload));
    }
    // The loop stands still, so no can-accept event marks the stream: the socket itself is full.
    ASSERT_TRUE(waitOffLoop([&] { return !client->canAcceptBytes(); })) << "the client never backed up";
    EXPECT_GT(client->queuedMessageCount(), 0u);
    session->resumeReading();
    ASSERT_TRUE(session->waitForMessages(kCount, 30));
    auto received = session->received();
    for (int i = 0; i < kCount; ++i) {
        Message& m = received[static_cast<size_t>(i)];
        ASSERT_EQ(m.readInt(), i);
        Data body = m.readDataWithLength(static_cast<int16_t>(16000));
        Data rest = m.readDataWithLength(static_cast<int16_t>(16000));
        body.insert(body.end(), rest.begin(), rest.end());
        ASSERT_TRUE(body == bodyOf(i)) << "message " << i;
        EXPECT_FALSE(m.available());
    }
}

TEST_F(MobileClientTest, WhatCannotBeFramedOrCarriedIsDroppedWithALogLine) {
    auto session = connect();
    client->sendMessage(Message(2, Data(32760, 1)));  // a plaintext of 32761 bytes: a body of 32772
    Message longText(3);
    longText.writeUTF(std::string(40000, 'x'));
    client->sendMessage(longText);
    client->sendMessage(numbered(4, 9));
    client->sendMessage(numbered(5, 0));  // a marker: what the writer sent before it arrives before it
    ASSERT_TRUE(session->waitForMessages(2, 5));
    auto received = session->received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0]._commandId(), 4);
    EXPECT_EQ(received[1]._commandId(), 5);
    EXPECT_TRUE(sys::Log::contains("does not fit a frame"));
    EXPECT_TRUE(sys::Log::contains("too long to carry"));
    EXPECT_TRUE(client->isConnected());
}

TEST_F(MobileClientTest, CountersHoldTheBodyBytesOfThisConnection) {
    auto session = connect();
    client->sendMessage(Message(1));
    ASSERT_TRUE(pump([&] { return client->countOfSentSize() == 14; }));  // 2 length bytes + 12 body bytes

    // A body of 10 bytes cannot be deciphered; it is dropped but was received all the same.
    ASSERT_TRUE(session->sendRaw(Data{0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_TRUE(pump([&] { return client->countOfGetSize() == 10; }));
    ASSERT_TRUE(session->send(Message(5)));
    receivedByClient(1);
    ASSERT_TRUE(pump([&] { return client->countOfGetSize() == 22; }));

    // A connect while connected opens nothing but still zeroes the counters: the open connection
    // (a new one would still be opening) counts on from zero.
    EXPECT_TRUE(client->connectToHost("127.0.0.1", server.port()));
    EXPECT_EQ(client->countOfSentSize(), 0);
    EXPECT_EQ(client->countOfGetSize(), 0);
    EXPECT_TRUE(client->isConnected());
    client->sendMessage(Message(1));
    ASSERT_TRUE(session->waitForMessages(2, 5));
    ASSERT_TRUE(pump([&] { return client->countOfSentSize() == 14; }));
    ASSERT_TRUE(session->send(Message(5)));
    receivedByClient(2);
    ASSERT_TRUE(pump([&] { return client->countOfGetSize() == 12; }));
    EXPECT_EQ(server.clientCount(), 1u);
    EXPECT_EQ(listener.count("ok"), 1);
}

// The stand-in's session counts what it sends and handles as the client counts what it receives and
// sends, whatever the segments the frames come in (the roads wait on these counts to agree). The
// handshake's answer is no frame; an empty frame counts nothing, one that does not decipher its body.
TEST_F(MobileClientTest, TheStandinCountsTheBytesAsTheClientDoes) {
    auto session = connect();
    client->sendMessage(numbered(7, 1));
    client->sendMessage(Message(1));
    ASSERT_TRUE(session->waitForMessages(2, 5));
    const uint64_t frames = session->frameFor(numbered(7, 1)).size() + session->frameFor(Message(1)).size();
    ASSERT_TRUE(pump([&] { return client->countOfSentSize() == static_cast<int64_t>(frames); }));
    ASSERT_TRUE(waitOffLoop([&] { return session->handledFrameBytes() == frames; })) << session->handledFrameBytes();

    const Data first = session->frameFor(numbered(7, 2));
    const Data second = session->frameFor(numbered(7, 3));
    Data segment = first;
    segment.insert(segment.end(), second.begin(), second.begin() + 5);
    ASSERT_TRUE(session->sendRaw(segment));
    EXPECT_EQ(session->sentBodyBytes(), first.size() - 2) << "the second frame is not whole yet";
    ASSERT_TRUE(session->sendRaw(second.data() + 5, second.size() - 5));
    ASSERT_TRUE(session->sendRaw(Data{0, 0}));
    ASSERT_TRUE(session->sendRaw(Data{0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_TRUE(session->send(Message(5)));
    const uint64_t bodies = (first.size() - 2) + (second.size() - 2) + 10 + (session->frameFor(Message(5)).size() - 2);
    EXPECT_EQ(session->sentBodyBytes(), bodies);
    ASSERT_TRUE(pump([&] { return client->countOfGetSize() == static_cast<int64_t>(bodies); }))
        << client->countOfGetSize() << " of " << bodies;
}

TEST_F(MobileClientTest, ConnectWithoutAListenerRaises) {
    auto lonely = MobileClient::create();
    try {
        lonely->connectToHost("127.0.0.1", 1);
        FAIL() << "no exception";
    } catch (const sys::Exception& e) {
        EXPECT_EQ(e.name(), "MobileClientException");
        EXPECT_EQ(e.reason(), "Attempting to connect without a delegate. Set a delegate first.");
    }
    EXPECT_EQ(lonely->connectStatus(), MobileClient::kConnecting);
    EXPECT_TRUE(lonely->isDisconnected());
}

TEST_F(MobileClientTest, RefusedHandshakeReportsOnceThenClosesSilently) {
    server.setHandshakeAnswer(5);
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(client->connectToHost("127.0.0.1", server.port()));
    ASSERT_TRUE(pump([&] { return listener.count("fail") == 1; }));
    EXPECT_TRUE(pump([&] { return client->runningThreadCount() == 0; }));  // no reader, no writer
    EXPECT_TRUE(server.latestClient()->waitForClose(5));
    ASSERT_TRUE(runWhatWasPosted());  // the threads are gone: any late report was posted before
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"fail"}));
    EXPECT_EQ(listener.threadOf("fail"), std::this_thread::get_id());  // the main loop, not the handshake thread
    EXPECT_EQ(client->connectStatus(), MobileClient::kConnecting);
    EXPECT_TRUE(client->isDisconnected());

    // The refused connection is gone before the listener hears of it: a connect from the callback
    // opens a new one.
    listener.clear();
    bool reopened = false;
    listener.onEachFail = [&] {
        server.setHandshakeAnswer(6);
        reopened = client->connectToHost("127.0.0.1", server.port());
    };
    ASSERT_TRUE(client->connectToHost("127.0.0.1", server.port()));
    ASSERT_TRUE(pump([&] { return listener.count("ok") == 1; }));
    listener.onEachFail = nullptr;
    EXPECT_TRUE(reopened);
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"fail", "ok"}));
    EXPECT_EQ(server.clientCount(), 3u);
}

TEST_F(MobileClientTest, ServerClosingGivesOnDisconnectedAfterTheLastMessage) {
    auto session = connect();
    ASSERT_TRUE(session->send(numbered(9, 1)));
    ASSERT_TRUE(session->send(numbered(9, 2)));
    session->close();
    ASSERT_TRUE(pump([&] { return listener.count("disconnected") == 1; }));
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"ok", "message", "message", "disconnected"}));
    EXPECT_EQ(listener.threadOf("disconnected"), std::this_thread::get_id());  // the stream events' loop
    EXPECT_EQ(client->connectStatus(), MobileClient::kConnected);
    EXPECT_FALSE(client->isConnected());
    EXPECT_TRUE(client->isDisconnected());
}

TEST_F(MobileClientTest, LogoutReportsAndSilentCloseDoesNot) {
    auto session = connect();
    client->disconnect();
    EXPECT_EQ(client->connectStatus(), MobileClient::kClosedByLogout);
    EXPECT_EQ(listener.count("disconnected"), 0);  // told on the next turn of the loop
    EXPECT_TRUE(pump([&] { return listener.count("disconnected") == 1; }));
    EXPECT_EQ(listener.threadOf("disconnected"), std::this_thread::get_id());
    EXPECT_TRUE(session->waitForClose(5));
    EXPECT_EQ(client->flags(), 0);

    EXPECT_TRUE(pump([&] { return client->runningThreadCount() == 0; }));

    // A new connection runs a reader and a writer of its own.
    listener.clear();
    auto second = connect();
    ASSERT_TRUE(pump([&] { return client->runningThreadCount() == 2; }));
    client->sendMessage(numbered(8, 1));
    ASSERT_TRUE(second->waitForMessages(1, 5));
    client->manualDisconnect();
    EXPECT_EQ(client->connectStatus(), MobileClient::kClosedSilently);
    EXPECT_TRUE(second->waitForClose(5));
    ASSERT_TRUE(pump([&] { return client->runningThreadCount() == 0; }));
    ASSERT_TRUE(runWhatWasPosted());
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"ok"}));

    client->close();  // nothing open: nothing to report
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"ok"}));
}

TEST_F(MobileClientTest, StreamFailureBeforeTheAnswerGivesOnConnectionFailOnTheLoop) {
    // Nobody listening: the streams fail to open.
    ASSERT_TRUE(server.start());
    uint16_t port = server.port();
    server.stop();
    ASSERT_TRUE(client->connectToHost("127.0.0.1", port));
    ASSERT_TRUE(pump([&] { return listener.count("fail") == 1; }));
    EXPECT_EQ(client->connectStatus(), MobileClient::kConnecting);
    EXPECT_TRUE(client->isDisconnected());

    // A server that takes the handshake and hangs up without an answer.
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    std::thread hangUp([fd] {
        int c = ::accept(fd, nullptr, nullptr);
        uint8_t hello[9];
        size_t got = 0;
        while (got < 9) {
            ssize_t n = ::read(c, hello + got, 9 - got);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        ::close(c);
    });
    ASSERT_TRUE(client->connectToHost("127.0.0.1", ntohs(addr.sin_port)));
    EXPECT_TRUE(pump([&] { return listener.count("fail") == 2; }));
    hangUp.join();
    ::close(fd);
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"fail", "fail"}));
    for (const auto& call : listener.calls()) EXPECT_EQ(call.thread, std::this_thread::get_id());  // the events' loop
}

TEST_F(MobileClientTest, ConnectDropsRequestsLeftFromBefore) {
    client->sendMessage(numbered(50, 1));
    client->sendMessage(numbered(50, 2));
    EXPECT_EQ(client->queuedMessageCount(), 2u);
    auto session = connect();
    client->sendMessage(numbered(51, 1));
    client->sendMessage(numbered(52, 1));
    client->sendMessage(numbered(53, 1));  // a marker: anything left from before would come ahead of it
    ASSERT_TRUE(session->waitForMessages(3, 5));
    auto received = session->received();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0]._commandId(), 51);
    EXPECT_EQ(received[1]._commandId(), 52);
    EXPECT_EQ(received[2]._commandId(), 53);
}

TEST_F(MobileClientTest, AFailingListenerDoesNotStopTheReader) {
    auto session = connect();
    listener.onEachMessage = [](Message& m) {
        if (m._commandId() == 1) throw sys::Exception("TestException", "listener failed");
        m.readInt();  // a decoder reading past the end is caught the same way
    };
    ASSERT_TRUE(session->send(Message(1)));
    ASSERT_TRUE(session->send(Message(2)));
    ASSERT_TRUE(session->send(numbered(3, 4)));
    receivedByClient(3);
    EXPECT_TRUE(pump([] { return sys::Log::contains("Exception RangeException"); }));
    EXPECT_TRUE(sys::Log::contains("Exception TestException"));
    EXPECT_TRUE(client->isConnected());
}

TEST_F(MobileClientTest, CloseFromTheMainThreadNeverWaitsForABusyReader) {
    auto session = connect();
    // The reader hands the message to the main thread and waits for it, as the login success does.
    bool handedOver = false;
    listener.onEachMessage = [&](Message&) { sys::RunLoop::main().postAndWait([&] { handedOver = true; }); };
    ASSERT_TRUE(session->send(Message(3)));
    ASSERT_TRUE(waitOffLoop([&] { return listener.count("message") == 1; }));
    client->disconnect();  // on the main thread, while the reader waits for it
    EXPECT_TRUE(pump([&] { return handedOver && client->runningThreadCount() == 0; }));
    EXPECT_EQ(listener.count("disconnected"), 1);
}

TEST_F(MobileClientTest, TheReaderMayCloseFromInsideOnMessageAndTheEndFollowsWhatItPosted) {
    auto session = connect();
    std::vector<std::string> onMain;
    listener.onEachMessage = [&](Message&) {
        sys::RunLoop::main().post([&] { onMain.push_back("decoded"); });  // as a decoder hands on its result
        client->disconnect();
    };
    listener.onEachDisconnect = [&] { onMain.push_back("disconnected"); };
    ASSERT_TRUE(session->send(Message(3)));
    session->send(Message(4));  // not delivered: the connection closes before it (the send may fail)
    ASSERT_TRUE(pump([&] { return listener.count("disconnected") == 1; }));
    EXPECT_EQ(listener.threadOf("disconnected"), std::this_thread::get_id());
    EXPECT_NE(listener.threadOf("message"), std::this_thread::get_id());
    EXPECT_EQ(onMain, (std::vector<std::string>{"decoded", "disconnected"}));
    EXPECT_TRUE(pump([&] { return client->runningThreadCount() == 0; }));
    EXPECT_EQ(listener.count("message"), 1);
}

// What the reader owes the main loop holds its virtual clock, however late the reader is: the work of
// the message it hands over and the end its decoder's close reports (as a refused login's) run before
// a timer due later.
TEST_F(MobileClientTest, WhatTheReaderStillOwesTheLoopHoldsTheVirtualClock) {
    auto session = connect();
    auto& loop = sys::RunLoop::main();
    std::vector<std::string> onMain;
    std::atomic<bool> reading{false};
    listener.onEachMessage = [&](Message&) {
        reading = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a reader the machine holds up
        loop.post([&] { onMain.push_back("decoded"); });
        client->disconnect();
    };
    listener.onEachDisconnect = [&] { onMain.push_back("disconnected"); };
    loop.postDelayed(1, [&] { onMain.push_back("a second later"); });
    ASSERT_TRUE(session->send(Message(3)));
    ASSERT_TRUE(waitOffLoop([&] { return reading.load(); }));
    loop.runFor(2);
    EXPECT_EQ(onMain, (std::vector<std::string>{"decoded", "disconnected", "a second later"}));
}

}  // namespace
