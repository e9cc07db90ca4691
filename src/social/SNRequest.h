#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"
#include "platform/net/Http.h"
#include "social/SNParams.h"

namespace zuno {

class SNRequest;

// What a request tells its delegate. Every operation is optional: a delegate names the ones it has in
// answers(); a request that finds neither didLoad nor didFailWithError there reports no result at all.
class SNRequestDelegate {
public:
    enum Operation : unsigned {
        kLoading = 1 << 0,
        kDidReceiveResponse = 1 << 1,
        kDidLoadRawResponse = 1 << 2,
        kDidLoad = 1 << 3,
        kDidFailWithError = 1 << 4,
        kAll = (1 << 5) - 1,
    };

    virtual ~SNRequestDelegate() = default;
    virtual unsigned answers() const { return kAll; }

    virtual void requestLoading(SNRequest& request) {}
    virtual void requestDidReceiveResponse(SNRequest& request, const sys::HttpResponse& response) {}
    virtual void requestDidLoadRawResponse(SNRequest& request, const std::string& data) {}
    // The decoded result: an object or an array, {"result": "true"}, or the raw bytes (data) when the
    // body was none of these.
    virtual void requestDidLoad(SNRequest& request, const sys::Value& result) {}
    virtual void requestDidFailWithError(SNRequest& request, const SNError& error) {}
};

// One asynchronous request to the Graph or REST side of the social service. String parameters travel
// in the address (for POST too); a POST also carries every parameter in a multipart body. The answer
// is read as JSON and the service's error replies become errors. Going away cancels the exchange.
class SNRequest : public std::enable_shared_from_this<SNRequest> {
public:
    enum State : unsigned { kCreated = 0, kLoading = 1, kFinished = 2 };

    static constexpr const char* kUserAgent = "SocialConnect";
    static constexpr const char* kStringBoundary = "3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f";
    static constexpr double kTimeoutSeconds = 180;
    static constexpr int64_t kGenericErrorCode = 10000;
    static constexpr int64_t kExpiredSessionCode = 190;

    static std::shared_ptr<SNRequest> getRequestWithParams(SNParams params, std::string httpMethod,
                                                           std::weak_ptr<SNRequestDelegate> delegate,
                                                           std::string requestURL);
    ~SNRequest();

    static std::string serializeURL(const std::string& baseUrl, const SNParams& params,
                                    const std::string& httpMethod = "GET");
    // The multipart body of a POST. It ends with the separator line of the last part: no closing
    // delimiter is written, as the service has always read it.
    static std::string generatePostBody(const SNParams& params);

    // How an answer reads: a result, an error, or neither (the delegate then gets the raw bytes).
    struct Response {
        std::optional<sys::Value> result;
        std::optional<SNError> error;
    };
    // The service's mapping of a body; an answer of a status other than 2xx that gives neither a
    // result nor an error fails with the status as its code.
    static Response parseJsonResponse(std::string_view body, int httpStatus = 200);
    static SNError formError(int64_t code, sys::Dictionary userInfo);
    // The address with the access token's value hidden, for logs.
    static std::string maskAccessToken(const std::string& url);

    void connect();
    bool loading() const { return connection_ != nullptr; }

    std::shared_ptr<SNRequestDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<SNRequestDelegate> delegate) { delegate_ = std::move(delegate); }
    const std::string& url() const { return url_; }
    const std::string& httpMethod() const { return httpMethod_; }
    const SNParams& params() const { return params_; }
    SNParams& params() { return params_; }
    const std::shared_ptr<sys::HttpCall>& connection() const { return connection_; }
    const std::optional<std::string>& responseText() const { return responseText_; }
    unsigned state() const { return state_; }
    const std::optional<SNError>& error() const { return error_; }
    bool sessionDidExpire() const { return sessionDidExpire_; }
    void setSessionDidExpire(bool on) { sessionDidExpire_ = on; }

    // One observer of `state` (the session that made the request).
    using StateObserver = std::function<void(SNRequest& request)>;
    void setStateObserver(StateObserver observer) { stateObserver_ = std::move(observer); }

    // The exchange as the service would see it, without sending it (tests).
    sys::HttpRequest makeHttpRequest() const;

private:
    SNRequest(SNParams params, std::string httpMethod, std::weak_ptr<SNRequestDelegate> delegate, std::string url);

    void handleResponseData(const std::string& data, int httpStatus);
    void failWithError(const SNError& error);
    void finish();
    void setState(unsigned state);

    std::weak_ptr<SNRequestDelegate> delegate_;
    std::string url_;
    std::string httpMethod_;
    SNParams params_;
    std::shared_ptr<sys::HttpCall> connection_;
    std::optional<std::string> responseText_;
    unsigned state_ = kCreated;
    std::optional<SNError> error_;
    bool sessionDidExpire_ = false;
    StateObserver stateObserver_;
    int responseStatus_ = 0;
};

}  // namespace zuno
