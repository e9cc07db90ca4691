// Any bytes as the address the program is opened with after a social login, and as a dialog's final
// address: the parameters are read, a login is taken or refused; nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ui/WebView.h"
#include "social/SNDialog.h"
#include "social/SocialEndpoints.h"
#include "social/SocialSession.h"

using namespace zuno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        // No page is ever fetched, and the endpoints are fixed without reading the configuration.
        ui::WebView::setFetch([](const std::string&, std::function<void(const ui::WebFetchResult&)>) {});
        SocialEndpoints::overrideForTests(SocialEndpoints::forService("http://127.0.0.1:9"));
        return true;
    }();
    (void)ready;
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (const auto& [key, value] : SocialSession::parseURLParams(text)) {
        if (key.find('&') != std::string::npos) std::abort();
    }
    for (const char* needle : {"access_token=", "expires_in=", "error_code=", "error_msg="}) {
        if (auto value = SNDialog::getStringFromUrl(text, needle); value && value->size() > text.size()) std::abort();
    }

    auto session = SocialSession::initWithAppId("1", std::weak_ptr<SocialSessionDelegate>());
    if (session->handleOpenURL(text)) {
        if (text.rfind(session->getOwnBaseUrl(), 0) != 0) std::abort();
    }
    const bool answered = session->handleOpenURL(session->getOwnBaseUrl() + text);
    if (!answered) std::abort();
    if (session->accessToken() && !session->expirationDate()) std::abort();
    return 0;
}
