#include "social/SocialSession.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Device.h"
#include "platform/core/Log.h"
#include "platform/net/CookieStore.h"
#include "platform/net/UrlEncoding.h"
#include "platform/services/UrlOpener.h"
#include "social/SocialClock.h"
#include "social/SocialEndpoints.h"

namespace zuno {

namespace {
constexpr double kSecondsPerHour = 3600;
constexpr double kHoursBeforeExtension = 23;

std::string joined(const std::vector<std::string>& names, const char* separator) {
    std::string out;
    for (const auto& name : names) out += (out.empty() ? "" : separator) + name;
    return out;
}
}  // namespace

std::shared_ptr<SocialSession> SocialSession::initWithAppId(std::string appId, std::weak_ptr<SocialSessionDelegate> delegate) {
    return initWithAppId(std::move(appId), std::nullopt, std::move(delegate));
}

std::shared_ptr<SocialSession> SocialSession::initWithAppId(std::string appId, std::optional<std::string> urlSchemeSuffix,
                                                            std::weak_ptr<SocialSessionDelegate> delegate) {
    return std::shared_ptr<SocialSession>(new SocialSession(std::move(appId), std::move(urlSchemeSuffix), std::move(delegate)));
}

SocialSession::SocialSession(std::string appId, std::optional<std::string> suffix, std::weak_ptr<SocialSessionDelegate> delegate)
    : sessionDelegate_(std::move(delegate)), appId_(std::move(appId)), urlSchemeSuffix_(std::move(suffix)),
      lastAccessTokenUpdate_(kDistantPast) {}

SocialSession::~SocialSession() {
    for (const auto& request : requests_) request->setStateObserver(nullptr);
}

std::string SocialSession::getOwnBaseUrl() const {
    return "sn" + appId_ + urlSchemeSuffix_.value_or("") + "://authorize";
}

void SocialSession::authorize(std::vector<std::string> permissions) {
    permissions_ = std::move(permissions);
    authorizeWithSNAppAuth(true, true);
}

void SocialSession::authorizeWithSNAppAuth(bool tryApp, bool tryBrowser) {
    const SocialEndpoints endpoints = SocialEndpoints::current();
    SNParams params{{"client_id", appId_},
                    {"type", "user_agent"},
                    {"redirect_uri", endpoints.redirectURL},
                    {"display", "touch"},
                    {"sdk", kSDK}};
    if (!permissions_.empty()) params.set("scope", joined(permissions_, ","));
    if (urlSchemeSuffix_) params.set("local_client_id", *urlSchemeSuffix_);
    const std::string loginDialogURL = endpoints.dialogBaseURL + kLogin;

    bool didOpenOtherApp = false;
    if (sys::Device::isMultitaskingSupported()) {
        if (tryApp) {
            const std::string scheme = std::string(kSNAppAuthURLScheme) + (urlSchemeSuffix_ ? "2" : "");
            const std::string appUrl = SNRequest::serializeURL(scheme + "://" + kSNAppAuthURLPath, params);
            didOpenOtherApp = sys::UrlOpener::openURL(appUrl);
        }
        if (tryBrowser && !didOpenOtherApp) {
            // The browser returns through the own address; the in-app dialog, should it come to that,
            // still needs the dialog redirect to see the end of the login.
            SNParams browserParams = params;
            browserParams.set("redirect_uri", getOwnBaseUrl());
            didOpenOtherApp = sys::UrlOpener::openURL(SNRequest::serializeURL(loginDialogURL, browserParams));
        }
    }
    if (!didOpenOtherApp) {
        loginDialog_ = SNLoginDialog::initWithURL(loginDialogURL, params, weak_from_this());
        loginDialog_->show();
    }
}

std::map<std::string, std::string> SocialSession::parseURLParams(const std::string& query) {
    std::map<std::string, std::string> params;
    size_t start = 0;
    while (start <= query.size()) {
        size_t end = query.find('&', start);
        if (end == std::string::npos) end = query.size();
        const std::string pair = query.substr(start, end - start);
        // A pair without "=" names nothing.
        if (size_t eq = pair.find('='); eq != std::string::npos) {
            // The value ends at a second "=", if any.
            const size_t valueEnd = pair.find('=', eq + 1);
            const size_t length = valueEnd == std::string::npos ? std::string::npos : valueEnd - eq - 1;
            params[pair.substr(0, eq)] = sys::percentDecode(pair.substr(eq + 1, length));
        }
        start = end + 1;
    }
    return params;
}

bool SocialSession::handleOpenURL(const std::string& url) {
    if (url.rfind(getOwnBaseUrl(), 0) != 0) return false;

    std::string query;
    if (size_t hash = url.find('#'); hash != std::string::npos) {
        query = url.substr(hash + 1);
    } else if (size_t mark = url.find('?'); mark != std::string::npos) {
        query = url.substr(mark + 1);
    }
    const auto params = parseURLParams(query);
    auto find = [&](const char* key) -> const std::string* {
        auto it = params.find(key);
        return it == params.end() ? nullptr : &it->second;
    };

    const std::string* accessToken = find("access_token");
    if (!accessToken) {
        const std::string* error = find("error");
        if (error && *error == "service_disabled_use_browser") {
            authorizeWithSNAppAuth(false, true);
            return true;
        }
        if (error && *error == "service_disabled") {
            authorizeWithSNAppAuth(false, false);
            return true;
        }
        const bool cancelled = find("error_code") ? false : (!error || *error == "access_denied");
        snDialogNotLogin(cancelled);
        return true;
    }
    const std::string* expiresIn = find("expires_in");
    snDialogLogin(*accessToken, SNLoginDialog::expirationDateFor(expiresIn ? std::optional<std::string>(*expiresIn) : std::nullopt));
    return true;
}

bool SocialSession::isSessionValid() const {
    return accessToken_ && expirationDate_ && *expirationDate_ > socialNow();
}

void SocialSession::logout() {
    invalidateSession();
    if (auto d = sessionDelegate()) d->snDidLogout();
}

void SocialSession::logout(const std::shared_ptr<SocialSessionDelegate>& delegate) {
    auto own = sessionDelegate();
    logout();
    if (delegate && delegate != own) delegate->snDidLogout();
}

void SocialSession::invalidateSession() {
    accessToken_.reset();
    expirationDate_.reset();
    sys::CookieStore::shared().deleteCookiesForHost(SocialEndpoints::current().loginHost);
}

bool SocialSession::shouldExtendAccessToken() const {
    if (!isSessionValid()) return false;
    const double hours = std::floor((socialNow() - lastAccessTokenUpdate_) / kSecondsPerHour);
    return hours > kHoursBeforeExtension;
}

void SocialSession::extendAccessTokenIfNeeded() {
    if (shouldExtendAccessToken()) extendAccessToken();
}

void SocialSession::extendAccessToken() {
    if (isExtendingAccessToken_) return;
    isExtendingAccessToken_ = true;
    requestWithParams(SNParams{{"method", "auth.extendSSOAccessToken"}}, weak_from_this());
}

std::shared_ptr<SNRequest> SocialSession::requestWithGraphPath(const std::string& graphPath,
                                                               std::weak_ptr<SNRequestDelegate> delegate) {
    return requestWithGraphPath(graphPath, SNParams(), "GET", std::move(delegate));
}

std::shared_ptr<SNRequest> SocialSession::requestWithGraphPath(const std::string& graphPath, SNParams params,
                                                               std::weak_ptr<SNRequestDelegate> delegate) {
    return requestWithGraphPath(graphPath, std::move(params), "GET", std::move(delegate));
}

std::shared_ptr<SNRequest> SocialSession::requestWithGraphPath(const std::string& graphPath, SNParams params,
                                                               const std::string& httpMethod,
                                                               std::weak_ptr<SNRequestDelegate> delegate) {
    return openUrl(SocialEndpoints::current().graphBaseURL + graphPath, std::move(params), httpMethod, std::move(delegate));
}

std::shared_ptr<SNRequest> SocialSession::requestWithMethodName(const std::string& methodName, SNParams params,
                                                                const std::string& httpMethod,
                                                                std::weak_ptr<SNRequestDelegate> delegate) {
    return openUrl(SocialEndpoints::current().restserverBaseURL + methodName, std::move(params), httpMethod,
                   std::move(delegate));
}

std::shared_ptr<SNRequest> SocialSession::requestWithParams(SNParams params, std::weak_ptr<SNRequestDelegate> delegate) {
    auto method = params.text("method");
    if (!method) {
        sys::Log::debug("API Method must be specified");
        return nullptr;
    }
    params.erase("method");
    return requestWithMethodName(*method, std::move(params), "GET", std::move(delegate));
}

std::shared_ptr<SNRequest> SocialSession::openUrl(const std::string& url, SNParams params, const std::string& httpMethod,
                                                  std::weak_ptr<SNRequestDelegate> delegate) {
    params.set("format", std::string("json"));
    params.set("sdk", std::string(kSDK));
    params.set("sdk_version", std::string(kSDKVersion));
    if (isSessionValid()) params.set("access_token", *accessToken_);
    extendAccessTokenIfNeeded();

    auto request = SNRequest::getRequestWithParams(std::move(params), httpMethod, std::move(delegate), url);
    requests_.push_back(request);
    std::weak_ptr<SocialSession> weak = weak_from_this();
    request->setStateObserver([weak](SNRequest& changed) {
        if (auto self = weak.lock()) self->requestStateChanged(changed);
    });
    request->connect();
    return request;
}

void SocialSession::requestStateChanged(SNRequest& request) {
    if (request.state() != SNRequest::kFinished) return;
    if (request.sessionDidExpire()) {
        invalidateSession();
        if (auto d = sessionDelegate()) d->snSessionInvalidated();
    }
    request.setStateObserver(nullptr);
    std::erase_if(requests_, [&](const std::shared_ptr<SNRequest>& r) { return r.get() == &request; });
}

void SocialSession::dialog(const std::string& action, std::weak_ptr<SNDialogDelegate> delegate) {
    dialog(action, SNParams(), std::move(delegate));
}

void SocialSession::dialog(const std::string& action, SNParams params, std::weak_ptr<SNDialogDelegate> delegate) {
    snDialog_.reset();
    const SocialEndpoints endpoints = SocialEndpoints::current();
    const std::string dialogURL = endpoints.dialogBaseURL + action;
    params.set("display", std::string("touch"));
    params.set("sdk", std::string(kSDKVersion));
    params.set("redirect_uri", endpoints.redirectURL);

    if (action == kLogin) {
        params.set("type", std::string("user_agent"));
        snDialog_ = SNLoginDialog::initWithURL(dialogURL, std::move(params), weak_from_this());
    } else {
        params.set("app_id", appId_);
        if (isSessionValid()) {
            params.set("access_token", sys::percentDecode(*accessToken_));
            extendAccessTokenIfNeeded();
        }
        snDialog_ = SNDialog::initWithURL(dialogURL, std::move(params), std::move(delegate));
    }
    snDialog_->show();
}

void SocialSession::snDialogLogin(const std::string& token, double expirationDate) {
    accessToken_ = token;
    expirationDate_ = expirationDate;
    lastAccessTokenUpdate_ = socialNow();
    if (auto d = sessionDelegate()) d->snDidLogin();
}

void SocialSession::snDialogNotLogin(bool cancelled) {
    if (auto d = sessionDelegate()) d->snDidNotLogin(cancelled);
}

void SocialSession::requestDidLoad(SNRequest&, const sys::Value& result) {
    isExtendingAccessToken_ = false;
    const sys::Value& token = result["access_token"];
    const sys::Value& expiresAt = result["expires_at"];
    if (token.isNull() || expiresAt.isNull()) return;
    accessToken_ = token.asText();
    const double seconds = expiresAt.asReal();
    expirationDate_ = seconds == 0 ? kDistantFuture : seconds;
    lastAccessTokenUpdate_ = socialNow();
    if (auto d = sessionDelegate()) d->snDidExtendToken(*accessToken_, *expirationDate_);
}

void SocialSession::requestDidFailWithError(SNRequest&, const SNError&) { isExtendingAccessToken_ = false; }

}  // namespace zuno
