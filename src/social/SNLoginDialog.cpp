#include "social/SNLoginDialog.h"

#include <cstdlib>

#include "social/SocialClock.h"

namespace zuno {

std::shared_ptr<SNLoginDialog> SNLoginDialog::initWithURL(std::string loginURL, SNParams loginParams,
                                                          std::weak_ptr<SNLoginDialogDelegate> delegate) {
    auto dialog = std::make_shared<SNLoginDialog>();
    dialog->serverURL_ = std::move(loginURL);
    dialog->setParams(std::move(loginParams));
    dialog->loginDelegate_ = std::move(delegate);
    return dialog;
}

double SNLoginDialog::expirationDateFor(const std::optional<std::string>& expiresIn) {
    const long long seconds = expiresIn ? std::strtoll(expiresIn->c_str(), nullptr, 10) : 0;
    return seconds == 0 ? kDistantFuture : socialNow() + static_cast<double>(seconds);
}

void SNLoginDialog::dialogDidSucceed(const std::string& url) {
    auto token = getStringFromUrl(url, "access_token=");
    if (!token || token->empty()) {
        dialogDidCancel(url);
        return;
    }
    // Without a lifetime the token never expires, as when it comes back through the own address.
    const double expiry = expirationDateFor(getStringFromUrl(url, "expires_in="));
    if (auto d = loginDelegate_.lock()) d->snDialogLogin(*token, expiry);
    dismissWithSuccess(true, true);
}

void SNLoginDialog::dialogDidCancel(const std::optional<std::string>&) {
    dismissWithSuccess(false, true);
    if (auto d = loginDelegate_.lock()) d->snDialogNotLogin(true);
}

bool SNLoginDialog::ignoresLoadError(const ui::WebError& error) const {
    return SNDialog::ignoresLoadError(error) || (error.domain == ui::kUrlErrorDomain && error.code == ui::kUrlErrorCancelled);
}

void SNLoginDialog::didFailLoadWithError(ui::WebView&, const ui::WebError& error) {
    if (ignoresLoadError(error)) return;
    auto keep = sharedFromThis();
    dismissWithError(errorOfLoad(error), true);
    if (auto d = loginDelegate_.lock()) d->snDialogNotLogin(false);
}

}  // namespace zuno
