#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "platform/core/RunLoop.h"
#include "platform/net/CookieStore.h"
#include "platform/net/Http.h"
#include "platform/net/HttpMultipartForm.h"
#include "platform/net/HttpTransfer.h"
#include "standin-server/http/HttpServer.h"
#include "support/HeldAnswer.h"

using namespace zuno::sys;
using zuno::standin::HttpServer;
using zuno::standin::ServerRequest;
using zuno::standin::ServerResponse;
using zuno::testing::HeldAnswer;

namespace {

class HttpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(server.start(), 0); }
    void TearDown() override { server.stop(); }

    // Runs the main loop until the predicate holds (real time: the HTTP thread posts to it).
    bool runUntil(const std::function<bool()>& done, double seconds = 10.0) {
        return RunLoop::main().runUntil(done, seconds);
    }

    HttpServer server;
};

}  // namespace

TEST_F(HttpTest, SynchronousGetAnswersStatusAndBody) {
    server.route("/servers", ServerResponse::text("A|1.2.3.4:5000;B|5.6.7.8:5001"));
    HttpFetchResult r = Http::get(server.url("/servers"), 5);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "A|1.2.3.4:5000;B|5.6.7.8:5001");
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(server.requestCount(), 1u);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(server.requests()[0].path, "/servers");
}

TEST_F(HttpTest, AnErrorStatusIsAFailureNeverABody) {
    server.route("/gone", ServerResponse::text("<html>Not here</html>", 404));
    HttpFetchResult r = Http::get(server.url("/gone"), 5);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.status, 404);
    EXPECT_EQ(r.body, std::nullopt);
    EXPECT_EQ(r.error, "HTTP status 404");
    // An empty 200 is content, though: an empty text.
    server.route("/empty", ServerResponse::text(""));
    EXPECT_EQ(Http::get(server.url("/empty"), 5).body, "");
}

// A server that never answers: only the time-out ends the exchange, which ends as a time-out. Should
// nothing end it, a guard lets the answer go after half a minute (less than the default time-out of a
// minute) and the fetch then succeeds.
TEST_F(HttpTest, ATimeOutEndsAnExchangeThatGetsNoAnswer) {
    HeldAnswer held(server, "/held");
    std::mutex mutex;
    std::condition_variable ended;
    bool fetched = false;
    std::thread guard([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(30), [&] { return fetched; })) held.release();
    });
    HttpFetchResult r = Http::get(server.url("/held"), 0.3);
    {
        std::lock_guard<std::mutex> lock(mutex);
        fetched = true;
    }
    ended.notify_one();
    guard.join();
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.error, "timed out");
    EXPECT_EQ(r.status, 0);

    // What libcurl is given is the request's time-out, less what the hops before took; past it no hop
    // starts.
    double now = 10;
    HttpRequest request = HttpRequest::get(server.url("/held"));
    request.timeoutSeconds = 0.5;
    HttpTransfer transfer(request, [&] { return now; });
    ASSERT_TRUE(transfer.prepare());
    EXPECT_EQ(transfer.hopTimeoutMillis(), 500);
    now += 0.25;  // a first hop that took a quarter of a second and was redirected
    ASSERT_TRUE(transfer.prepare());
    EXPECT_EQ(transfer.hopTimeoutMillis(), 250);
    now += 0.25;
    EXPECT_FALSE(transfer.prepare());
    EXPECT_TRUE(transfer.outcome().timedOut);
    EXPECT_EQ(transfer.outcome().error, "timed out");
}

TEST_F(HttpTest, NoServerOrABadAddressIsAFailure) {
    HttpServer closed;
    uint16_t port = closed.start();
    closed.stop();  // nothing listens there now
    HttpFetchResult refused = Http::get("http://127.0.0.1:" + std::to_string(port) + "/", 5);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.empty());

    for (const char* bad : {"", "not a url", "file:///etc/passwd", "ftp://127.0.0.1/x"}) {
        HttpFetchResult r = Http::get(bad, 5);
        EXPECT_FALSE(r.ok()) << bad;
        EXPECT_NE(r.error.find("not an http or https address"), std::string::npos) << bad;
    }
}

TEST_F(HttpTest, RedirectsAreFollowedAndBounded) {
    server.route("/old", ServerResponse::redirect("/new"));
    server.route("/new", ServerResponse::text("moved here"));
    HttpOutcome o = Http::perform(HttpRequest::get(server.url("/old")));
    EXPECT_TRUE(o.succeeded());
    EXPECT_EQ(o.response.body, "moved here");
    EXPECT_EQ(o.response.url, server.url("/new"));

    server.route("/loop", ServerResponse::redirect("/loop"));
    HttpOutcome loop = Http::perform(HttpRequest::get(server.url("/loop")));
    EXPECT_FALSE(loop.succeeded());
    EXPECT_EQ(loop.error, "too many redirects");
    EXPECT_EQ(server.requests().size(), 2u + 11u);

    // Off another protocol is refused.
    server.route("/away", ServerResponse::redirect("file:///etc/passwd"));
    EXPECT_FALSE(Http::perform(HttpRequest::get(server.url("/away"))).succeeded());
}

TEST_F(HttpTest, APostRedirectedBy303GoesOnAsAGet) {
    server.route("/form", ServerResponse::redirect("/done", 303));
    server.route("/done", [](const ServerRequest& r) { return ServerResponse::text(r.method + ":" + r.body); });
    HttpOutcome o = Http::perform(HttpRequest::postForm(server.url("/form"), {{"a", "1"}}));
    EXPECT_EQ(o.response.body, "GET:");
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].header("Content-Type"), std::nullopt);
}

TEST_F(HttpTest, AsynchronousGetReportsOnTheMainLoopInOrder) {
    server.route("/page", ServerResponse::text("hello").withHeader("X-Test", "yes"));
    std::vector<std::string> events;
    HttpHandlers handlers;
    handlers.onResponse = [&](const HttpResponse& head) {
        EXPECT_TRUE(RunLoop::isMainThread());
        events.push_back("response " + std::to_string(head.status) + " " + head.header("x-test").value_or("-"));
    };
    handlers.onData = [&](std::string_view bytes) { events.push_back("data " + std::string(bytes)); };
    handlers.onFinish = [&](const HttpOutcome& o) {
        EXPECT_TRUE(RunLoop::isMainThread());
        events.push_back(std::string("finish ") + (o.succeeded() ? "ok " : "failed ") + o.response.body);
    };
    auto call = Http::start(HttpRequest::get(server.url("/page")), handlers);
    ASSERT_TRUE(runUntil([&] { return call->isFinished(); }));
    EXPECT_EQ(events, (std::vector<std::string>{"response 200 yes", "data hello", "finish ok hello"}));
    // The HTTP thread counts the call out only after it posted the end, so the end may run first.
    EXPECT_TRUE(runUntil([] { return Http::activeCallCount() == 0; })) << Http::activeCallCount() << " calls still counted";
}

TEST_F(HttpTest, AsynchronousFailuresStillFinish) {
    server.route("/missing", ServerResponse::text("{\"error\":1}", 400));
    std::optional<HttpOutcome> outcome;
    auto call = Http::start(HttpRequest::get(server.url("/missing")), [&](const HttpOutcome& o) { outcome = o; });
    ASSERT_TRUE(runUntil([&] { return outcome.has_value(); }));
    EXPECT_FALSE(outcome->succeeded());
    EXPECT_EQ(outcome->response.status, 400);
    EXPECT_EQ(outcome->response.body, "{\"error\":1}");  // the caller may read an error reply
    EXPECT_EQ(outcome->error, "HTTP status 400");

    std::optional<HttpOutcome> bad;
    Http::start(HttpRequest::get("nonsense"), [&](const HttpOutcome& o) { bad = o; });
    ASSERT_TRUE(runUntil([&] { return bad.has_value(); }));
    EXPECT_FALSE(bad->succeeded());
}

TEST_F(HttpTest, AUrlEncodedPost) {
    server.route("/post", ServerResponse::text("ok"));
    bool done = false;
    Http::start(HttpRequest::postForm(server.url("/post"), {{"name", "x y"}, {"odd", "&=+%"}, {"vi", "chào"}}),
                [&](const HttpOutcome& o) { done = o.succeeded(); });
    ASSERT_TRUE(runUntil([&] { return done; }));
    ServerRequest r = server.requests().at(0);
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(r.body, "name=x%20y&odd=%26%3D%2B%25&vi=ch%C3%A0o");
}

TEST_F(HttpTest, AMultipartBodyArrivesByteForByte) {
    server.route("/upload", ServerResponse::text("ok"));
    HttpMultipartForm form("BOUNDARY42");
    form.addField("message", "hi there");
    form.addField("quote\"d", "line\r\nbreak");
    form.addFile("picture", "a.png", "image/png", std::string("\x89PNG\r\n\x1a\n\0\xff", 10));
    bool done = false;
    Http::start(HttpRequest::post(server.url("/upload"), form.body(), form.contentType()),
                [&](const HttpOutcome& o) { done = o.succeeded(); });
    ASSERT_TRUE(runUntil([&] { return done; }));
    ServerRequest r = server.requests().at(0);
    EXPECT_EQ(r.header("Content-Type"), "multipart/form-data; boundary=BOUNDARY42");
    std::string expected =
        "--BOUNDARY42\r\n"
        "Content-Disposition: form-data; name=\"message\"\r\n\r\n"
        "hi there\r\n"
        "--BOUNDARY42\r\n"
        "Content-Disposition: form-data; name=\"quote%22d\"\r\n\r\n"
        "line\r\nbreak\r\n"
        "--BOUNDARY42\r\n"
        "Content-Disposition: form-data; name=\"picture\"; filename=\"a.png\"\r\n"
        "Content-Type: image/png\r\n\r\n" +
        std::string("\x89PNG\r\n\x1a\n\0\xff", 10) +
        "\r\n"
        "--BOUNDARY42--\r\n";
    EXPECT_EQ(r.body, expected);
    // A raw body of the caller's own making goes as it is.
    std::string raw = "--X\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n1\r\n--X\r\n";
    HttpOutcome o = Http::perform(HttpRequest::post(server.url("/upload"), raw, "multipart/form-data; boundary=X"));
    EXPECT_TRUE(o.succeeded());
    EXPECT_EQ(server.requests().at(1).body, raw);
}

TEST_F(HttpTest, ACancelledCallReportsNothing) {
    HeldAnswer held(server, "/held");
    server.route("/marker", ServerResponse::text("marker"));
    int callbacks = 0;
    HttpHandlers handlers;
    handlers.onResponse = [&](const HttpResponse&) { ++callbacks; };
    handlers.onData = [&](std::string_view) { ++callbacks; };
    handlers.onFinish = [&](const HttpOutcome&) { ++callbacks; };
    auto call = Http::start(HttpRequest::get(server.url("/held")), handlers);
    ASSERT_TRUE(server.waitForRequests(1, 5));
    call->cancel();
    EXPECT_TRUE(call->isCancelled());
    held.release();
    ASSERT_TRUE(server.waitForAnswers(1, 5));
    // A marker asked for once the held answer is out: the HTTP thread meets that answer before the
    // marker's, which needs a round trip more, and posts what it reports in that order.
    bool marked = false;
    Http::start(HttpRequest::get(server.url("/marker")), [&](const HttpOutcome& o) { marked = o.succeeded(); });
    ASSERT_TRUE(runUntil([&] { return marked; }));
    EXPECT_EQ(callbacks, 0);
    EXPECT_FALSE(call->isFinished());
}

TEST_F(HttpTest, ManyCallsAtOnce) {
    server.route("/n", [](const ServerRequest& r) { return ServerResponse::text(r.query); });
    std::vector<std::string> bodies(20);
    int done = 0;
    for (int i = 0; i < 20; ++i)
        Http::start(HttpRequest::get(server.url("/n?" + std::to_string(i))), [&, i](const HttpOutcome& o) {
            bodies[i] = o.response.body;
            ++done;
        });
    ASSERT_TRUE(runUntil([&] { return done == 20; }));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(bodies[i], std::to_string(i));
}

TEST_F(HttpTest, CookiesGoBackToTheirHostAndCanBeDeletedPerHost) {
    server.route("/login", [](const ServerRequest&) {
        return ServerResponse::redirect("/home")
            .withHeader("Set-Cookie", "session=abc; Path=/; HttpOnly")
            .withHeader("Set-Cookie", "lang=vi");
    });
    server.route("/home", [](const ServerRequest& r) { return ServerResponse::text(r.header("Cookie").value_or("none")); });
    // The cookie set with the redirect is sent on the very next hop.
    EXPECT_EQ(Http::get(server.url("/login"), 5).body, "session=abc; lang=vi");
    EXPECT_EQ(Http::get(server.url("/home"), 5).body, "session=abc; lang=vi");

    // Another host's cookie (the same server under its name) is not sent here and survives the delete.
    std::string otherHost = "http://localhost:" + std::to_string(server.port());
    CookieStore::shared().setCookiesFromHeaders(otherHost + "/", {"other=1"});
    EXPECT_EQ(CookieStore::shared().cookiesForUrl(otherHost + "/home").size(), 1u);

    EXPECT_EQ(CookieStore::shared().deleteCookiesForHost("127.0.0.1"), 2u);
    EXPECT_EQ(Http::get(server.url("/home"), 5).body, "none");
    EXPECT_EQ(CookieStore::shared().cookiesForUrl(otherHost + "/home").size(), 1u);

    // A request may leave the store out.
    CookieStore::shared().setCookiesFromHeaders(server.url("/"), {"session=again"});
    HttpRequest plain = HttpRequest::get(server.url("/home"));
    plain.useCookies = false;
    EXPECT_EQ(Http::perform(plain).response.body, "none");
}

TEST_F(HttpTest, HeaderValuesCannotAddLines) {
    server.route("/h", [](const ServerRequest& r) { return ServerResponse::text(r.header("X-Evil").value_or("")); });
    HttpRequest request = HttpRequest::get(server.url("/h"));
    request.headers.emplace_back("X-Evil", "a\r\nX-Injected: yes");
    HttpOutcome o = Http::perform(request);
    EXPECT_EQ(o.response.body, "a  X-Injected: yes");
    EXPECT_EQ(server.requests().at(0).header("X-Injected"), std::nullopt);
}
