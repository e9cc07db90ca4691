#include "screens/ServerListText.h"

#include <cctype>

namespace zuno {

std::vector<std::shared_ptr<Server>> parseServerList(const std::string& text) {
    std::vector<std::shared_ptr<Server>> servers;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string piece = text.substr(start, end - start);
        start = end + 1;
        const size_t bar = piece.find('|');
        const size_t colon = piece.find(':');
        if (bar == std::string::npos || colon == std::string::npos || colon < bar + 2) continue;
        auto server = std::make_shared<Server>();
        server->setSNAME(piece.substr(0, bar));
        server->setSIP(piece.substr(bar + 1, colon - bar - 1));
        server->setSPORT(piece.substr(colon + 1));
        servers.push_back(std::move(server));
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

}  // namespace zuno
