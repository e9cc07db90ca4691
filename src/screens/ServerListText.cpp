#include "screens/ServerListText.h"

#include <cctype>

#include "lobby/GlobalService.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::shared_ptr<Server> parseEntry(std::string_view piece) {
    const size_t bar = piece.find('|');
    if (bar == std::string_view::npos) return nullptr;
    const size_t colon = piece.find(':', bar + 1);
    // No host to connect to, or a colon before the bar: not an entry.
    if (colon == std::string_view::npos || colon == bar + 1 || piece.find(':') < bar) return nullptr;
    auto server = std::make_shared<Server>();
    server->setSNAME(std::string(piece.substr(0, bar)));
    server->setSIP(std::string(piece.substr(bar + 1, colon - bar - 1)));
    server->setSPORT(std::string(piece.substr(colon + 1)));
    return server;
}
}  // namespace

std::vector<std::shared_ptr<Server>> parseServerList(std::string_view text) {
    std::vector<std::shared_ptr<Server>> servers;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        if (auto server = parseEntry(text.substr(start, end - start))) servers.push_back(std::move(server));
        start = end + 1;
    }
    return servers;
}

int32_t serverPortValue(const std::string& portText) {
    int64_t value = 0;
    size_t i = 0;
    while (i < portText.size() && std::isspace(static_cast<unsigned char>(portText[i]))) ++i;
    for (; i < portText.size() && std::isdigit(static_cast<unsigned char>(portText[i])); ++i) {
        value = value * 10 + (portText[i] - '0');
        if (value > 0x7fffffff) return 0;
    }
    return static_cast<int32_t>(value);
}

void useLastOrConfiguredServer() {
    auto& defaults = sys::UserDefaults::standard();
    if (auto ip = defaults.stringForKey("ipServer")) {
        GlobalService::setIP(*ip);
        GlobalService::setPORT(static_cast<int32_t>(defaults.integerForKey("portServer")));
    } else {
        const Resources& r = Resources::getInstance();
        GlobalService::setIP(r.configValue("Server").asText());
        GlobalService::setPORT(static_cast<int32_t>(r.configValue("Port").asInteger()));
    }
}

void forgetServerNotIn(const std::vector<std::shared_ptr<Server>>& servers) {
    if (servers.empty()) return;
    const std::string ip = GlobalService::IP();
    const int32_t port = GlobalService::PORT();
    for (const auto& server : servers)
        if (server->sIP() == ip && serverPortValue(server->sPORT()) == port) return;
    GlobalService::useConfiguredAddress();
}

}  // namespace zuno
