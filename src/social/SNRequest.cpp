#include "social/SNRequest.h"

#include "platform/core/Log.h"
#include "platform/net/UrlEncoding.h"
#include "social/json/JsonCoder.h"

namespace zuno {

namespace {
constexpr const char* kUrlErrorDomain = "NSURLErrorDomain";
constexpr int kUrlErrorTimedOut = -1001;
constexpr int kUrlErrorCannotConnect = -1004;

bool isImage(const SNParamValue& value) { return std::holds_alternative<ui::ImagePtr>(value); }

SNError transportError(const sys::HttpOutcome& outcome) {
    SNError error;
    error.domain = kUrlErrorDomain;
    error.code = outcome.timedOut ? kUrlErrorTimedOut : kUrlErrorCannotConnect;
    error.userInfo.set("NSLocalizedDescription", outcome.error.empty() ? "no answer" : outcome.error);
    return error;
}
}  // namespace

SNRequest::SNRequest(SNParams params, std::string httpMethod, std::weak_ptr<SNRequestDelegate> delegate,
                     std::string url)
    : delegate_(std::move(delegate)), url_(std::move(url)), httpMethod_(std::move(httpMethod)),
      params_(std::move(params)) {}

std::shared_ptr<SNRequest> SNRequest::getRequestWithParams(SNParams params, std::string httpMethod,
                                                           std::weak_ptr<SNRequestDelegate> delegate,
                                                           std::string requestURL) {
    return std::shared_ptr<SNRequest>(
        new SNRequest(std::move(params), std::move(httpMethod), std::move(delegate), std::move(requestURL)));
}

SNRequest::~SNRequest() {
    if (connection_) connection_->cancel();
}

std::string SNRequest::serializeURL(const std::string& baseUrl, const SNParams& params, const std::string& httpMethod) {
    const char* separator = baseUrl.find('?') == std::string::npos ? "?" : "&";
    if (httpMethod == "GET") {
        for (const auto& [key, value] : params.entries())
            if (SNParams::isUpload(value)) sys::Log::debug("can not use GET to upload a file");
    }
    return baseUrl + separator + params.queryString();
}

std::string SNRequest::generatePostBody(const SNParams& params) {
    const std::string boundary = kStringBoundary;
    const std::string separator = "\r\n--" + boundary + "\r\n";
    std::string body = "--" + boundary + "\r\n";
    for (const auto& [key, value] : params.entries()) {
        if (SNParams::isUpload(value)) continue;
        body += "Content-Disposition: form-data; name=\"" + key + "\"\r\n\r\n";
        body += std::get<std::string>(value);
        body += separator;
    }
    for (const auto& [key, value] : params.entries()) {
        if (!SNParams::isUpload(value)) continue;
        body += "Content-Disposition: form-data; filename=\"" + key + "\"\r\n";
        sys::Data bytes;
        if (isImage(value)) {
            body += "Content-Type: image/png\r\n\r\n";
            if (const auto& image = std::get<ui::ImagePtr>(value)) bytes = ui::encodePng(*image);
        } else {
            body += "Content-Type: content/unknown\r\n\r\n";
            bytes = std::get<sys::Data>(value);
        }
        body.append(bytes.begin(), bytes.end());
        body += separator;
    }
    return body;
}

SNError SNRequest::formError(int64_t code, sys::Dictionary userInfo) {
    SNError error;
    error.code = code;
    error.userInfo = std::move(userInfo);
    return error;
}

SNRequest::Response SNRequest::parseJsonResponse(std::string_view body, int httpStatus) {
    Response response;
    if (body == "true") {
        response.result = sys::Value(sys::Dictionary{{"result", "true"}});
    } else if (body == "false") {
        response.error = formError(kGenericErrorCode, {{"error_msg", "This operation can not be completed"}});
    } else if (auto value = JsonCoder().objectWithString(body, nullptr)) {
        if (value->isArray()) {
            response.result = std::move(*value);
        } else if (const sys::Dictionary* dict = value->dictionary()) {
            if (dict->contains("error")) {
                response.error = formError(kGenericErrorCode, *dict);
            } else if (const sys::Value* code = dict->find("error_code")) {
                response.error = formError(code->asInteger(), *dict);
            } else {
                if (dict->contains("error_msg") || dict->contains("error_reason"))
                    response.error = formError(kGenericErrorCode, *dict);
                response.result = std::move(*value);
            }
        }
    }
    const bool success = httpStatus >= 200 && httpStatus < 300;
    if (!success && !response.result && !response.error) {
        response.error = formError(httpStatus, {{"error_msg", "The service answered with status " + std::to_string(httpStatus)}});
    }
    return response;
}

std::string SNRequest::maskAccessToken(const std::string& url) {
    static const std::string needle = "access_token=";
    std::string masked = url;
    size_t at = 0;
    while ((at = masked.find(needle, at)) != std::string::npos) {
        at += needle.size();
        size_t end = masked.find_first_of("&#", at);
        if (end == std::string::npos) end = masked.size();
        masked.replace(at, end - at, "***");
        at += 3;
    }
    return masked;
}

sys::HttpRequest SNRequest::makeHttpRequest() const {
    sys::HttpRequest request;
    request.method = httpMethod_;
    request.url = serializeURL(url_, params_, httpMethod_);
    request.timeoutSeconds = kTimeoutSeconds;
    // Our HTTP client keeps no cache, so nothing is ever answered from one.
    request.headers.emplace_back("User-Agent", kUserAgent);
    if (httpMethod_ == "POST") {
        request.headers.emplace_back("Content-Type", std::string("multipart/form-data; boundary=") + kStringBoundary);
        request.body = generatePostBody(params_);
    }
    return request;
}

void SNRequest::connect() {
    auto self = shared_from_this();
    if (auto d = delegate(); d && (d->answers() & SNRequestDelegate::kLoading)) d->requestLoading(*this);

    sys::HttpRequest request = makeHttpRequest();
    sys::Log::debug(httpMethod_ + " " + maskAccessToken(request.url));
    std::weak_ptr<SNRequest> weak = self;
    sys::HttpHandlers handlers;
    handlers.onResponse = [weak](const sys::HttpResponse& head) {
        auto request = weak.lock();
        if (!request) return;
        request->responseText_ = std::string();
        request->responseStatus_ = head.status;
        auto d = request->delegate();
        if (d && (d->answers() & SNRequestDelegate::kDidReceiveResponse)) d->requestDidReceiveResponse(*request, head);
    };
    handlers.onData = [weak](std::string_view bytes) {
        if (auto request = weak.lock()) {
            if (!request->responseText_) request->responseText_ = std::string();
            request->responseText_->append(bytes);
        }
    };
    handlers.onFinish = [weak](const sys::HttpOutcome& outcome) {
        auto request = weak.lock();
        if (!request) return;
        if (outcome.response.status == 0) {
            request->failWithError(transportError(outcome));
        } else {
            std::string data = request->responseText_.value_or(outcome.response.body);
            request->handleResponseData(data, outcome.response.status);
        }
        request->finish();
    };
    connection_ = sys::Http::start(std::move(request), std::move(handlers));
    sessionDidExpire_ = false;
    setState(kLoading);
}

void SNRequest::handleResponseData(const std::string& data, int httpStatus) {
    auto d = delegate();
    if (d && (d->answers() & SNRequestDelegate::kDidLoadRawResponse)) d->requestDidLoadRawResponse(*this, data);
    Response response = parseJsonResponse(data, httpStatus);
    error_ = response.error;
    if (!d || !(d->answers() & (SNRequestDelegate::kDidLoad | SNRequestDelegate::kDidFailWithError))) return;
    if (response.error) {
        failWithError(*response.error);
    } else if (d->answers() & SNRequestDelegate::kDidLoad) {
        d->requestDidLoad(*this, response.result ? *response.result : sys::Value(sys::Data(data.begin(), data.end())));
    }
}

void SNRequest::failWithError(const SNError& error) {
    if (error.domain == SNError::kDomain && error.code == kExpiredSessionCode) sessionDidExpire_ = true;
    sys::Log::debug("Social request failed: " + error.debugDescription());
    auto d = delegate();
    if (d && (d->answers() & SNRequestDelegate::kDidFailWithError)) d->requestDidFailWithError(*this, error);
}

void SNRequest::finish() {
    responseText_.reset();
    connection_.reset();
    setState(kFinished);
}

void SNRequest::setState(unsigned state) {
    state_ = state;
    if (stateObserver_) {
        auto observer = stateObserver_;  // the observer may let go of this request
        observer(*this);
    }
}

}  // namespace zuno
