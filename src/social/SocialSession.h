#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "social/SNDialog.h"
#include "social/SNLoginDialog.h"
#include "social/SNRequest.h"

namespace zuno {

// What a session tells its delegate; every operation is optional.
class SocialSessionDelegate {
public:
    virtual ~SocialSessionDelegate() = default;
    virtual void snDidLogin() {}
    virtual void snDidNotLogin(bool cancelled) {}
    virtual void snDidExtendToken(const std::string& accessToken, double expiresAt) {}
    virtual void snDidLogout() {}
    virtual void snSessionInvalidated() {}
};

// The social network session: the application id, the access token and its expiry, kept in memory
// only. It logs in (through the social network's app, the browser or the in-app dialog), takes the
// login back through the application's own address, extends the token once a day, and makes the
// Graph and REST requests and the web dialogs. Nothing in the client opens one yet. Made with
// create(): requests and dialogs hold it weakly as their delegate.
class SocialSession : public SNRequestDelegate,
                      public SNLoginDialogDelegate,
                      public std::enable_shared_from_this<SocialSession> {
public:
    static constexpr const char* kLogin = "oauth";
    static constexpr const char* kSDK = "ios";
    static constexpr const char* kSDKVersion = "2";
    static constexpr const char* kSNAppAuthURLScheme = "snauth";
    static constexpr const char* kSNAppAuthURLPath = "authorize";

    static std::shared_ptr<SocialSession> initWithAppId(std::string appId, std::weak_ptr<SocialSessionDelegate> delegate);
    static std::shared_ptr<SocialSession> initWithAppId(std::string appId, std::optional<std::string> urlSchemeSuffix,
                                                        std::weak_ptr<SocialSessionDelegate> delegate);
    ~SocialSession() override;

    void authorize(std::vector<std::string> permissions);
    // The application calls this with an address it was opened with; answers whether it was the
    // return of a login.
    bool handleOpenURL(const std::string& url);
    bool isSessionValid() const;
    void logout();
    void logout(const std::shared_ptr<SocialSessionDelegate>& delegate);
    void invalidateSession();
    void extendAccessTokenIfNeeded();
    bool shouldExtendAccessToken() const;
    void extendAccessToken();

    std::shared_ptr<SNRequest> requestWithGraphPath(const std::string& graphPath, std::weak_ptr<SNRequestDelegate> delegate);
    std::shared_ptr<SNRequest> requestWithGraphPath(const std::string& graphPath, SNParams params,
                                                    std::weak_ptr<SNRequestDelegate> delegate);
    std::shared_ptr<SNRequest> requestWithGraphPath(const std::string& graphPath, SNParams params,
                                                    const std::string& httpMethod, std::weak_ptr<SNRequestDelegate> delegate);
    std::shared_ptr<SNRequest> requestWithMethodName(const std::string& methodName, SNParams params,
                                                     const std::string& httpMethod, std::weak_ptr<SNRequestDelegate> delegate);
    // The params name the method under "method"; without it nothing is sent (nullptr).
    std::shared_ptr<SNRequest> requestWithParams(SNParams params, std::weak_ptr<SNRequestDelegate> delegate);

    void dialog(const std::string& action, std::weak_ptr<SNDialogDelegate> delegate);
    void dialog(const std::string& action, SNParams params, std::weak_ptr<SNDialogDelegate> delegate);

    const std::string& appId() const { return appId_; }
    void setAppId(std::string appId) { appId_ = std::move(appId); }
    const std::optional<std::string>& urlSchemeSuffix() const { return urlSchemeSuffix_; }
    void setUrlSchemeSuffix(std::optional<std::string> suffix) { urlSchemeSuffix_ = std::move(suffix); }
    const std::vector<std::string>& permissions() const { return permissions_; }
    void setPermissions(std::vector<std::string> permissions) { permissions_ = std::move(permissions); }
    std::shared_ptr<SocialSessionDelegate> sessionDelegate() const { return sessionDelegate_.lock(); }
    void setSessionDelegate(std::weak_ptr<SocialSessionDelegate> delegate) { sessionDelegate_ = std::move(delegate); }
    const std::optional<std::string>& accessToken() const { return accessToken_; }
    void setAccessToken(std::optional<std::string> token) { accessToken_ = std::move(token); }
    // Seconds since 1970.
    const std::optional<double>& expirationDate() const { return expirationDate_; }
    void setExpirationDate(std::optional<double> date) { expirationDate_ = date; }
    double lastAccessTokenUpdate() const { return lastAccessTokenUpdate_; }
    bool isExtendingAccessToken() const { return isExtendingAccessToken_; }
    size_t requestsInFlight() const { return requests_.size(); }
    // The dialog shown last (the login dialog included), while the session keeps it.
    const std::shared_ptr<SNDialog>& currentDialog() const { return snDialog_; }

    // "sn<app id><suffix>://authorize": the address the app and the browser return through.
    std::string getOwnBaseUrl() const;
    // The pairs of a returned address's fragment (or its query when it has none): values decoded,
    // keys as they stand; a later key wins.
    static std::map<std::string, std::string> parseURLParams(const std::string& query);

    // As the login dialog's delegate (and the return through the own address).
    void snDialogLogin(const std::string& token, double expirationDate) override;
    void snDialogNotLogin(bool cancelled) override;
    // As the delegate of the token extension.
    unsigned answers() const override { return kDidLoad | kDidFailWithError; }
    void requestDidLoad(SNRequest& request, const sys::Value& result) override;
    void requestDidFailWithError(SNRequest& request, const SNError& error) override;

private:
    SocialSession(std::string appId, std::optional<std::string> suffix, std::weak_ptr<SocialSessionDelegate> delegate);

    void authorizeWithSNAppAuth(bool tryApp, bool tryBrowser);
    std::shared_ptr<SNRequest> openUrl(const std::string& url, SNParams params, const std::string& httpMethod,
                                       std::weak_ptr<SNRequestDelegate> delegate);
    void requestStateChanged(SNRequest& request);

    std::optional<std::string> accessToken_;
    std::optional<double> expirationDate_;
    std::weak_ptr<SocialSessionDelegate> sessionDelegate_;
    std::vector<std::shared_ptr<SNRequest>> requests_;
    std::shared_ptr<SNLoginDialog> loginDialog_;
    std::shared_ptr<SNDialog> snDialog_;
    std::string appId_;
    std::optional<std::string> urlSchemeSuffix_;
    std::vector<std::string> permissions_;
    bool isExtendingAccessToken_ = false;
    double lastAccessTokenUpdate_;
};

}  // namespace zuno
