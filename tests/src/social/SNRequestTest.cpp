#include <gtest/gtest.h>

#include "support/HeldAnswer.h"
#include "support/SocialRecorders.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/Http.h"
#include "social/SNRequest.h"
#include "standin-server/http/HttpServer.h"

namespace zuno::testing {
namespace {

using standin::HttpServer;
using standin::ServerResponse;
using sys::Array;
using sys::Dictionary;
using sys::Log;
using sys::Value;

ui::ImagePtr onePixel() { return ui::Image::fromPixels(1, 1, {0xff336699}); }

TEST(SNRequestUrl, SerialisesParametersInOrder) {
    struct Case {
        const char* name;
        std::string base;
        SNParams params;
        std::string method;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"blank escaped", "http://g.test/me", {{"a", "x y"}}, "GET", "http://g.test/me?a=x%20y"},
        {"base with a query", "http://g.test/me?v=1", {{"a", "x y"}}, "GET", "http://g.test/me?v=1&a=x%20y"},
        {"one parameter, however it reads", "http://g.test/me", {{"q", "a&b=c"}}, "GET", "http://g.test/me?q=a%26b%3Dc"},
        {"the reserved set", "http://g.test/me", {{"s", "!*'();:@&=+$,/?%#[]"}}, "GET",
         "http://g.test/me?s=%21%2A%27%28%29%3B%3A%40%26%3D%2B%24%2C%2F%3F%25%23%5B%5D"},
        {"UTF-8", "http://g.test/me", {{"n", "Việt"}}, "GET", "http://g.test/me?n=Vi%E1%BB%87t"},
        {"keys as they stand", "http://g.test/me", {{"a b", "1"}, {"c", "2"}}, "GET", "http://g.test/me?a b=1&c=2"},
        {"nothing: the bare separator", "http://g.test/me", {}, "GET", "http://g.test/me?"},
        {"POST keeps texts in the query", "http://g.test/me", {{"m", "hi"}}, "POST", "http://g.test/me?m=hi"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SNRequest::serializeURL(c.base, c.params, c.method), c.expected) << c.name;
    }
}

TEST(SNRequestUrl, UploadsAreLeftOutOfTheAddressAndAGetSaysSo) {
    Log::setVerbose(true);
    SNParams params{{"a", "1"}};
    params.set("picture", onePixel());
    params.set("b", std::string("2"));
    EXPECT_EQ(SNRequest::serializeURL("http://g.test/p", params, "POST"), "http://g.test/p?a=1&b=2");
    EXPECT_FALSE(Log::contains("can not use GET to upload a file"));
    EXPECT_EQ(SNRequest::serializeURL("http://g.test/p", params), "http://g.test/p?a=1&b=2");
    EXPECT_TRUE(Log::contains("can not use GET to upload a file"));
    Log::setVerbose(false);
}

TEST(SNRequestBody, MultipartBodyByteForByte) {
    SNParams params;
    params.set("file", sys::Data{0x00, 0x01, 0xff});
    params.set("message", std::string("hello"));
    params.set("name", std::string("Zuno"));
    const std::string expected =
        "--3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f\r\n"
        "Content-Disposition: form-data; name=\"message\"\r\n\r\n"
        "hello\r\n--3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f\r\n"
        "Content-Disposition: form-data; name=\"name\"\r\n\r\n"
        "Zuno\r\n--3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f\r\n"
        "Content-Disposition: form-data; filename=\"file\"\r\n"
        "Content-Type: content/unknown\r\n\r\n" +
        std::string("\x00\x01\xff", 3) + "\r\n--3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f\r\n";
    EXPECT_EQ(SNRequest::generatePostBody(params), expected);

    SNParams picture;
    picture.set("source", onePixel());
    const std::string body = SNRequest::generatePostBody(picture);
    const std::string head = "Content-Disposition: form-data; filename=\"source\"\r\nContent-Type: image/png\r\n\r\n\x89PNG";
    EXPECT_NE(body.find(head), std::string::npos);
}

TEST(SNRequestResponse, TheServiceMapping) {
    struct Case {
        const char* name;
        std::string body;
        int status;
        std::optional<Value> result;
        std::optional<int64_t> errorCode;
    };
    const Dictionary error{{"error", Dictionary{{"message", "no"}}}};
    const std::vector<Case> cases = {
        {"true", "true", 200, Value(Dictionary{{"result", "true"}}), std::nullopt},
        {"false", "false", 200, std::nullopt, 10000},
        {"array", "[1,2]", 200, Value(Array{1, 2}), std::nullopt},
        {"object", "{\"id\":\"7\"}", 200, Value(Dictionary{{"id", "7"}}), std::nullopt},
        {"error object", "{\"error\":{\"message\":\"no\"}}", 200, std::nullopt, 10000},
        {"error code", "{\"error_code\":190,\"error_msg\":\"expired\"}", 200, std::nullopt, 190},
        {"error code as text", "{\"error_code\":\"17\"}", 200, std::nullopt, 17},
        {"message beside a result", "{\"id\":1,\"error_msg\":\"m\"}", 200, Value(Dictionary{{"id", 1}, {"error_msg", "m"}}), 10000},
        {"reason beside a result", "{\"error_reason\":\"r\"}", 200, Value(Dictionary{{"error_reason", "r"}}), 10000},
        {"bare number", "7", 200, std::nullopt, std::nullopt},
        {"html", "<html>hi</html>", 200, std::nullopt, std::nullopt},
        {"empty", "", 200, std::nullopt, std::nullopt},
        {"html page of a failure", "<html>oops</html>", 500, std::nullopt, 500},
        {"bare number of a failure", "7", 404, std::nullopt, 404},
        {"object of a failure", "{\"id\":1}", 500, Value(Dictionary{{"id", 1}}), std::nullopt},
        {"array of a failure", "[]", 404, Value(Array{}), std::nullopt},
        {"true of a failure", "true", 500, Value(Dictionary{{"result", "true"}}), std::nullopt},
        {"false of a failure", "false", 500, std::nullopt, 10000},
    };
    for (const auto& c : cases) {
        auto response = SNRequest::parseJsonResponse(c.body, c.status);
        EXPECT_EQ(response.result, c.result) << c.name;
        ASSERT_EQ(response.error.has_value(), c.errorCode.has_value()) << c.name;
        if (response.error) {
            EXPECT_EQ(response.error->code, *c.errorCode) << c.name;
            EXPECT_EQ(response.error->domain, "socialErrDomain") << c.name;
        }
    }
    EXPECT_EQ(SNRequest::parseJsonResponse("false").error->userInfo,
              (Dictionary{{"error_msg", "This operation can not be completed"}}));
    EXPECT_EQ(SNRequest::parseJsonResponse("{\"error\":{\"message\":\"no\"}}").error->userInfo, error);
}

TEST(SNRequestLog, TheAccessTokenIsMasked) {
    EXPECT_EQ(SNRequest::maskAccessToken("http://g.test/me?access_token=SECRET&format=json"),
              "http://g.test/me?access_token=***&format=json");
    EXPECT_EQ(SNRequest::maskAccessToken("x?a=1&access_token=S"), "x?a=1&access_token=***");
    EXPECT_EQ(SNRequest::maskAccessToken("x?a=1"), "x?a=1");
}

class SNRequestExchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(server.start(), 0);
        server.route("/me", ServerResponse::text("{\"id\":\"1\"}"));
        server.route("/expired", ServerResponse::text("{\"error_code\":190,\"error_msg\":\"expired\"}"));
        server.route("/broken", ServerResponse::text("<html>Internal error</html>", 500));
        server.route("/number", ServerResponse::text("42"));
    }
    void TearDown() override {
        sys::Http::cancelAll();
        server.stop();
    }
    std::shared_ptr<SNRequest> start(const std::string& path, std::shared_ptr<SNRequestDelegate> delegate,
                                     SNParams params = {}, std::string method = "GET") {
        auto request = SNRequest::getRequestWithParams(std::move(params), std::move(method), delegate, server.url(path));
        request->connect();
        return request;
    }
    static bool finished(const std::shared_ptr<SNRequest>& request) {
        return sys::RunLoop::main().runUntil([&] { return request->state() == SNRequest::kFinished; }, 10.0);
    }

    HttpServer server;
};

TEST_F(SNRequestExchange, ASuccessReachesEveryOperationInOrder) {
    auto delegate = std::make_shared<RecordingRequestDelegate>();
    auto request = start("/me", delegate, {{"m", "hi"}}, "POST");
    EXPECT_EQ(request->state(), SNRequest::kLoading);
    EXPECT_TRUE(request->loading());
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(delegate->log, (Transcript{"loading", "response 200", "raw {\"id\":\"1\"}", "load"}));
    EXPECT_EQ(delegate->result, Value(Dictionary{{"id", "1"}}));
    EXPECT_FALSE(request->loading());

    auto sent = server.requests().at(0);
    EXPECT_EQ(sent.method, "POST");
    EXPECT_EQ(sent.query, "m=hi");
    EXPECT_EQ(sent.header("User-Agent"), "SocialConnect");
    EXPECT_EQ(sent.header("Content-Type"), "multipart/form-data; boundary=3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f");
    EXPECT_EQ(sent.body, SNRequest::generatePostBody({{"m", "hi"}}));
}

TEST_F(SNRequestExchange, FailuresExpiryAndRawBytes) {
    auto expired = std::make_shared<RecordingRequestDelegate>();
    auto request = start("/expired", expired);
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(expired->log.back(), "fail socialErrDomain 190");
    EXPECT_TRUE(request->sessionDidExpire());
    EXPECT_EQ(request->error()->code, 190);

    auto broken = std::make_shared<RecordingRequestDelegate>();
    request = start("/broken", broken);
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(broken->log.back(), "fail socialErrDomain 500");

    auto number = std::make_shared<RecordingRequestDelegate>();
    request = start("/number", number);
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(number->log.back(), "load");
    EXPECT_EQ(number->result, Value(sys::Data{'4', '2'}));

    auto refused = std::make_shared<RecordingRequestDelegate>();
    request = SNRequest::getRequestWithParams({}, "GET", refused, "http://127.0.0.1:1/none");
    request->connect();
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(refused->log, (Transcript{"loading", "fail NSURLErrorDomain -1004"}));
}

TEST_F(SNRequestExchange, ADelegateWithSomeOperationsHearsOnlyThose) {
    // Without didLoad and didFailWithError nothing reads the answer: the expiry is not even noted.
    auto partial = std::make_shared<RecordingRequestDelegate>(SNRequestDelegate::kLoading | SNRequestDelegate::kDidLoadRawResponse);
    auto request = start("/expired", partial);
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(partial->log, (Transcript{"loading", "raw {\"error_code\":190,\"error_msg\":\"expired\"}"}));
    EXPECT_FALSE(request->sessionDidExpire());

    auto failuresOnly = std::make_shared<RecordingRequestDelegate>(SNRequestDelegate::kDidFailWithError);
    request = start("/me", failuresOnly);
    ASSERT_TRUE(finished(request));
    EXPECT_TRUE(failuresOnly->log.empty());
    request = start("/expired", failuresOnly);
    ASSERT_TRUE(finished(request));
    EXPECT_EQ(failuresOnly->log, (Transcript{"fail socialErrDomain 190"}));

    // No delegate at all.
    request = start("/me", nullptr);
    EXPECT_TRUE(finished(request));
}

TEST_F(SNRequestExchange, NoLogLineShowsTheToken) {
    Log::setVerbose(true);
    auto delegate = std::make_shared<RecordingRequestDelegate>();
    auto request = start("/expired", delegate, {{"access_token", "TOKEN123"}});
    ASSERT_TRUE(finished(request));
    const auto lines = Log::captured();
    Log::setVerbose(false);
    EXPECT_FALSE(lines.empty());
    for (const auto& line : lines) EXPECT_EQ(line.find("TOKEN123"), std::string::npos) << line;
    EXPECT_EQ(server.requests().at(0).query, "access_token=TOKEN123");
}

TEST_F(SNRequestExchange, ARequestThatGoesCancelsItsExchange) {
    HeldAnswer held(server, "/held");
    auto delegate = std::make_shared<RecordingRequestDelegate>();
    auto request = start("/held", delegate);
    ASSERT_TRUE(server.waitForRequests(1, 5));
    auto call = request->connection();
    ASSERT_TRUE(call);
    request.reset();
    EXPECT_TRUE(call->isCancelled());
    held.release();
    ASSERT_TRUE(server.waitForAnswers(1, 5));
    // A marker asked for once the held answer is out: what that answer set off would come before it.
    auto marker = start("/me", std::make_shared<RecordingRequestDelegate>());
    ASSERT_TRUE(finished(marker));
    EXPECT_EQ(delegate->log, (Transcript{"loading"}));
}

}  // namespace
}  // namespace zuno::testing
