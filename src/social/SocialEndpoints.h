#pragma once

#include <optional>
#include <string>

namespace zuno {

// Where the social service lives. The service runs beside the game service, on the HTTP port of the
// configured server list ("LinkServer"), under "/social/". The login pages are reached by another
// name of the same machine (localhost for 127.0.0.1 and the other way round), so the cookies they set
// are kept apart from the rest and logging out can delete them alone. Any machine but this one is
// spoken to over https.
struct SocialEndpoints {
    std::string dialogBaseURL;      // the login and dialog pages, ends in "/dialog/"
    std::string graphBaseURL;       // ends in "/"
    std::string restserverBaseURL;  // ends in "/method/"
    std::string loginHost;          // the host whose cookies logging out deletes
    std::string redirectURL;        // where a finished dialog page goes, of the private scheme

    static constexpr const char* kRedirectScheme = "zunosn";

    // From the configuration, unless tests chose others.
    static SocialEndpoints current();
    // For the service at "scheme://host:port" (a loopback host keeps its scheme; any other gets https).
    static SocialEndpoints forService(const std::string& serviceUrl);
    static void overrideForTests(std::optional<SocialEndpoints> endpoints);
};

}  // namespace zuno
