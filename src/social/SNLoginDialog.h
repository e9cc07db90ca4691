#pragma once

#include <memory>
#include <string>

#include "social/SNDialog.h"

namespace zuno {

// Who a login dialog hands its result to (the session).
class SNLoginDialogDelegate {
public:
    virtual ~SNLoginDialogDelegate() = default;
    // expirationDate: seconds since 1970.
    virtual void snDialogLogin(const std::string& token, double expirationDate) = 0;
    virtual void snDialogNotLogin(bool cancelled) = 0;
};

// The login page: reads the access token and its lifetime out of the page's final address.
class SNLoginDialog : public SNDialog {
public:
    static std::shared_ptr<SNLoginDialog> initWithURL(std::string loginURL, SNParams loginParams,
                                                      std::weak_ptr<SNLoginDialogDelegate> delegate);

    void dialogDidSucceed(const std::string& url) override;
    void dialogDidCancel(const std::optional<std::string>& url) override;
    void didFailLoadWithError(ui::WebView& view, const ui::WebError& error) override;

    // The expiry of "expires_in" seconds from now: 0, absent or not a number means it never expires.
    static double expirationDateFor(const std::optional<std::string>& expiresIn);

protected:
    bool ignoresLoadError(const ui::WebError& error) const override;

private:
    std::weak_ptr<SNLoginDialogDelegate> loginDelegate_;
};

}  // namespace zuno
