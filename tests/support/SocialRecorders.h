// Delegates of the social client that write what they are told into one transcript.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "social/SocialSession.h"

namespace zuno::testing {

using Transcript = std::vector<std::string>;

class RecordingRequestDelegate : public SNRequestDelegate {
public:
    explicit RecordingRequestDelegate(unsigned answered = kAll) : answered_(answered) {}
    unsigned answers() const override { return answered_; }
    void requestLoading(SNRequest&) override { log.push_back("loading"); }
    void requestDidReceiveResponse(SNRequest&, const sys::HttpResponse& r) override {
        log.push_back("response " + std::to_string(r.status));
    }
    void requestDidLoadRawResponse(SNRequest&, const std::string& data) override { log.push_back("raw " + data); }
    void requestDidLoad(SNRequest&, const sys::Value& value) override {
        result = value;
        log.push_back("load");
    }
    void requestDidFailWithError(SNRequest&, const SNError& e) override {
        error = e;
        log.push_back("fail " + e.domain + " " + std::to_string(e.code));
    }

    Transcript log;
    sys::Value result;
    SNError error;

private:
    unsigned answered_;
};

class RecordingSessionDelegate : public SocialSessionDelegate {
public:
    void snDidLogin() override { log.push_back("login"); }
    void snDidNotLogin(bool cancelled) override { log.push_back(cancelled ? "not login, cancelled" : "not login"); }
    void snDidExtendToken(const std::string& token, double expiresAt) override {
        log.push_back("extended " + token + " " + std::to_string(static_cast<long long>(expiresAt)));
    }
    void snDidLogout() override { log.push_back("logout"); }
    void snSessionInvalidated() override { log.push_back("invalidated"); }

    Transcript log;
};

class RecordingDialogDelegate : public SNDialogDelegate {
public:
    void dialogDidComplete(SNDialog&) override { log.push_back("complete"); }
    void dialogCompleteWithUrl(const std::string& url) override { log.push_back("complete " + url); }
    void dialogDidNotCompleteWithUrl(const std::optional<std::string>& url) override {
        log.push_back("not complete " + url.value_or("(none)"));
    }
    void dialogDidNotComplete(SNDialog&) override { log.push_back("not complete"); }
    void dialogDidFailWithError(SNDialog&, const SNError& e) override {
        error = e;
        log.push_back("fail " + e.domain + " " + std::to_string(e.code));
    }
    std::optional<bool> dialogShouldOpenURLInExternalBrowser(SNDialog&, const std::string& url) override {
        log.push_back("external? " + url);
        return openExternal;
    }

    Transcript log;
    SNError error;
    std::optional<bool> openExternal;
};

}  // namespace zuno::testing
