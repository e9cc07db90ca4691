#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "standin-server/http/HttpServer.h"

namespace zuno::standin {

// A stand-in for the social network, on the HTTP side under "/social/":
// - dialog/oauth: the login page, which sets the cookie "sn_login" for the host it was asked on;
//   "Allow" goes to the redirect address with access_token and expires_in in the fragment, "Cancel"
//   to "<scheme>://cancel?error=access_denied";
// - dialog/feed: "Publish" goes to the redirect address with post_id, "Cancel" to the cancel form,
//   "Fail" to it with error_code and error_msg;
// - graph/<path>: "me" (an object), "me/photos" (a POST of "message" and a PNG "source"), "true",
//   "false", "error" (an error object), "expired" (error_code 190), "friends" (an array), "count" (a
//   bare number), "broken" (a 500 HTML page);
// - method/<name>: "auth.extendSSOAccessToken" gives a new token and "expires_at"; any other an error.
// Every graph and method request must carry format=json, sdk=ios, sdk_version=2, a token it issued
// and the User-Agent "SocialConnect"; what is missing is answered with an error and noted.
class StandinSocial {
public:
    static constexpr int64_t kExpiresIn = 86400 * 60;
    static constexpr int64_t kFeedErrorCode = 4201;
    static constexpr const char* kFeedErrorMessage = "Feed posts are closed today";
    static constexpr const char* kPostId = "1001_42";

    static std::shared_ptr<StandinSocial> installOn(HttpServer& http);

    // The tokens handed out, the first by the login.
    std::vector<std::string> issuedTokens() const;
    // What requests lacked, one line each.
    std::vector<std::string> complaints() const;

private:
    ServerResponse answer(const ServerRequest& request);
    ServerResponse loginPage(const ServerRequest& request);
    ServerResponse feedPage(const ServerRequest& request);
    ServerResponse dialogAnswer(const ServerRequest& request);
    ServerResponse graph(const std::string& path, const ServerRequest& request);
    ServerResponse method(const std::string& name, const ServerRequest& request);
    ServerResponse photoUpload(const ServerRequest& request);
    // An error answer when a graph or method request lacks what every one must carry.
    std::optional<ServerResponse> refusal(const ServerRequest& request);
    std::string issueToken();

    mutable std::mutex mutex_;
    std::vector<std::string> tokens_;
    std::vector<std::string> complaints_;
};

}  // namespace zuno::standin
