#include "social/SocialEndpoints.h"

#include <mutex>

#include "platform/net/UrlEncoding.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::mutex& overrideMutex() {
    static std::mutex m;
    return m;
}
std::optional<SocialEndpoints>& overrideSlot() {
    static std::optional<SocialEndpoints> slot;
    return slot;
}

bool isLoopback(const std::string& host) { return host == "127.0.0.1" || host == "localhost"; }

// The stand-in answers on 127.0.0.1 when nothing is configured.
constexpr const char* kDefaultService = "http://127.0.0.1:20106";
}  // namespace

SocialEndpoints SocialEndpoints::forService(const std::string& serviceUrl) {
    auto parts = sys::parseUrl(serviceUrl);
    if (!parts || parts->host.empty()) parts = sys::parseUrl(kDefaultService);
    const bool loopback = isLoopback(parts->host);
    const std::string scheme = loopback ? parts->scheme : "https";
    std::string loginHost = parts->host;
    if (loopback) loginHost = parts->host == "localhost" ? "127.0.0.1" : "localhost";
    const std::string port = parts->port ? ":" + std::to_string(parts->port) : "";
    const std::string service = scheme + "://" + parts->host + port + "/social/";
    const std::string login = scheme + "://" + loginHost + port + "/social/";

    SocialEndpoints endpoints;
    endpoints.dialogBaseURL = login + "dialog/";
    endpoints.graphBaseURL = service + "graph/";
    endpoints.restserverBaseURL = service + "method/";
    endpoints.loginHost = loginHost;
    endpoints.redirectURL = std::string(kRedirectScheme) + "://success";
    return endpoints;
}

SocialEndpoints SocialEndpoints::current() {
    {
        std::lock_guard<std::mutex> lock(overrideMutex());
        if (overrideSlot()) return *overrideSlot();
    }
    std::string serverList = Resources::getInstance().configValue("LinkServer").asText();
    return forService(serverList.empty() ? kDefaultService : serverList);
}

void SocialEndpoints::overrideForTests(std::optional<SocialEndpoints> endpoints) {
    std::lock_guard<std::mutex> lock(overrideMutex());
    overrideSlot() = std::move(endpoints);
}

}  // namespace zuno
