#include "standin-server/StandinSocial.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "platform/net/UrlEncoding.h"

namespace zuno::standin {

namespace {
constexpr const char* kPrefix = "/social/";
constexpr const char* kBoundary = "3i2ndDfv2rTHiSisAbouNdArYfORhtTPEefj3q2f";

ServerResponse typed(std::string body, int status, const char* contentType) {
    ServerResponse r = ServerResponse::text(std::move(body), status);
    r.headers.clear();
    r.headers.emplace_back("Content-Type", contentType);
    return r;
}

ServerResponse html(const std::string& body, int status = 200) {
    return typed("<html><body>" + body + "</body></html>", status, "text/html; charset=utf-8");
}

// The first line of a page starts clear of the dialog's close button.
std::string title(const std::string& text) { return "<h3>&#x2003;&#x2003;" + text + "</h3>"; }

ServerResponse json(const std::string& body, int status = 200) { return typed(body, status, "application/json"); }

std::string field(const sys::QueryPairs& pairs, std::string_view name) {
    for (const auto& [k, v] : pairs)
        if (k == name) return v;
    return {};
}

bool hasField(const sys::QueryPairs& pairs, std::string_view name) {
    for (const auto& [k, v] : pairs)
        if (k == name) return true;
    return false;
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// A form that comes back to the dialog's answer with its redirect address and the button pressed.
std::string answerForm(const std::string& dialog, const std::string& redirect, const std::vector<std::string>& buttons) {
    std::string form = "<form action=\"" + std::string(kPrefix) + "dialog/" + dialog + "/answer\" method=\"get\">" +
                       "<input type=\"hidden\" name=\"redirect_uri\" value=\"" + escapeHtml(redirect) + "\">";
    for (const auto& b : buttons) form += "<button name=\"answer\" value=\"" + b + "\">" + b + "</button> ";
    return form + "</form>";
}

std::string schemeOf(const std::string& address) {
    size_t colon = address.find("://");
    return colon == std::string::npos ? address : address.substr(0, colon);
}

std::string errorObject(const std::string& message) {
    return "{\"error\":{\"type\":\"OAuthException\",\"message\":\"" + message + "\"}}";
}

// The multipart part whose disposition names the field, its content after the blank line up to the
// next separator (the body needs no closing delimiter).
std::optional<std::string> multipartPart(const std::string& body, const std::string& disposition) {
    const std::string separator = "\r\n--" + std::string(kBoundary);
    size_t at = body.find(disposition);
    if (at == std::string::npos) return std::nullopt;
    size_t start = body.find("\r\n\r\n", at);
    if (start == std::string::npos) return std::nullopt;
    start += 4;
    size_t end = body.find(separator, start);
    if (end == std::string::npos) return std::nullopt;
    return body.substr(start, end - start);
}
}  // namespace

std::shared_ptr<StandinSocial> StandinSocial::installOn(HttpServer& http) {
    auto social = std::make_shared<StandinSocial>();
    http.routePrefix(kPrefix, [social](const ServerRequest& request) { return social->answer(request); });
    return social;
}

std::vector<std::string> StandinSocial::issuedTokens() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return tokens_;
}

std::vector<std::string> StandinSocial::complaints() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return complaints_;
}

std::string StandinSocial::issueToken() {
    std::lock_guard<std::mutex> lock(mutex_);
    tokens_.push_back("SNTOKEN" + std::to_string(tokens_.size() + 1) + "x9");
    return tokens_.back();
}

ServerResponse StandinSocial::answer(const ServerRequest& request) {
    const std::string path = request.path.substr(std::string(kPrefix).size());
    if (path == "dialog/oauth") return loginPage(request);
    if (path == "dialog/feed") return feedPage(request);
    if (path == "dialog/oauth/answer" || path == "dialog/feed/answer") return dialogAnswer(request);
    if (path.rfind("graph/", 0) == 0) return graph(path.substr(6), request);
    if (path.rfind("method/", 0) == 0) return method(path.substr(7), request);
    return html("<p>No such page.</p>", 404);
}

ServerResponse StandinSocial::loginPage(const ServerRequest& request) {
    const auto query = sys::parseQuery(request.query);
    return html(title("Zuno Social") + "<p>Zuno would like to use your name and your photos.</p>" +
                answerForm("oauth", field(query, "redirect_uri"), {"Allow", "Cancel"}))
        .withHeader("Set-Cookie", "sn_login=1; Path=/");
}

ServerResponse StandinSocial::feedPage(const ServerRequest& request) {
    const auto query = sys::parseQuery(request.query);
    return html(title("Post to your wall") + "<p>" + escapeHtml(field(query, "message")) + "</p>" +
                answerForm("feed", field(query, "redirect_uri"), {"Publish", "Cancel", "Fail"}));
}

ServerResponse StandinSocial::dialogAnswer(const ServerRequest& request) {
    const auto query = sys::parseQuery(request.query);
    const std::string redirect = field(query, "redirect_uri");
    const std::string answer = field(query, "answer");
    const std::string cancel = schemeOf(redirect) + "://cancel";
    if (answer == "Allow")
        return ServerResponse::redirect(redirect + "#access_token=" + issueToken() + "&expires_in=" + std::to_string(kExpiresIn));
    if (answer == "Publish") return ServerResponse::redirect(redirect + "?post_id=" + kPostId);
    if (answer == "Fail") {
        return ServerResponse::redirect(cancel + "?error_code=" + std::to_string(kFeedErrorCode) +
                                        "&error_msg=" + sys::percentEncode(kFeedErrorMessage));
    }
    if (request.path.find("oauth") != std::string::npos) return ServerResponse::redirect(cancel + "?error=access_denied");
    return ServerResponse::redirect(cancel);
}

std::optional<ServerResponse> StandinSocial::refusal(const ServerRequest& request) {
    const auto query = sys::parseQuery(request.query);
    std::vector<std::string> missing;
    if (field(query, "format") != "json") missing.push_back("format");
    if (field(query, "sdk") != "ios") missing.push_back("sdk");
    if (field(query, "sdk_version") != "2") missing.push_back("sdk_version");
    if (request.header("User-Agent") != "SocialConnect") missing.push_back("User-Agent");
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& m : missing) complaints_.push_back(request.path + ": " + m);
    if (!missing.empty()) return json(errorObject("Missing " + missing.front()), 400);
    const std::string token = field(query, "access_token");
    if (std::find(tokens_.begin(), tokens_.end(), token) == tokens_.end()) {
        complaints_.push_back(request.path + ": access_token");
        return json("{\"error_code\":190,\"error_msg\":\"Invalid OAuth access token\"}", 400);
    }
    return std::nullopt;
}

ServerResponse StandinSocial::graph(const std::string& path, const ServerRequest& request) {
    if (auto refused = refusal(request)) return *refused;
    if (path == "me") return json("{\"id\":\"1001\",\"name\":\"Demo Player\"}");
    if (path == "me/photos") return photoUpload(request);
    if (path == "true") return ServerResponse::text("true");
    if (path == "false") return ServerResponse::text("false");
    if (path == "error") return json(errorObject("This graph path fails"), 400);
    if (path == "expired") return json("{\"error_code\":190,\"error_msg\":\"Session has expired\"}", 400);
    if (path == "friends") return json("[{\"id\":\"7\",\"name\":\"An\"},{\"id\":\"8\",\"name\":\"Binh\"}]");
    if (path == "count") return json("42");
    if (path == "broken") return html("<h1>Internal Server Error</h1>", 500);
    return json(errorObject("Unknown path " + path), 404);
}

ServerResponse StandinSocial::photoUpload(const ServerRequest& request) {
    if (request.method != "POST") return json(errorObject("A photo is posted"), 400);
    const auto query = sys::parseQuery(request.query);
    const std::string message = field(query, "message");
    const auto bodyMessage = multipartPart(request.body, "Content-Disposition: form-data; name=\"message\"");
    const auto picture = multipartPart(request.body, "Content-Disposition: form-data; filename=\"source\"\r\nContent-Type: image/png");
    if (!hasField(query, "message") || bodyMessage != message) return json(errorObject("The message differs"), 400);
    if (!picture || picture->rfind("\x89PNG\r\n\x1a\n", 0) != 0) return json(errorObject("No PNG source"), 400);
    return json("{\"id\":\"photo_1\",\"post_id\":\"" + std::string(kPostId) + "\"}");
}

ServerResponse StandinSocial::method(const std::string& name, const ServerRequest& request) {
    if (auto refused = refusal(request)) return *refused;
    if (name == "auth.extendSSOAccessToken") {
        const long long expiresAt = static_cast<long long>(std::time(nullptr)) + kExpiresIn;
        return json("{\"access_token\":\"" + issueToken() + "\",\"expires_at\":" + std::to_string(expiresAt) + "}");
    }
    return json(errorObject("Unknown method " + name), 400);
}

}  // namespace zuno::standin
