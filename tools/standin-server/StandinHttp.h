#pragma once

#include <cstdint>
#include <string>

#include "standin-server/http/HttpServer.h"

namespace zuno::standin {

// The HTTP side of the stand-in service, on the port the configuration names (20106 by default):
// the server list ("name|host:port;" entries, every one pointing at the stand-in game server), the
// guide and terms pages, the payment options (";"-separated query strings with "id" and "messenge")
// and the store download page.
class StandinHttp {
public:
    static constexpr uint16_t kDefaultPort = 20106;

    // Routes the pages on the server; the server list names the game server at gamePort.
    static void installOn(HttpServer& http, uint16_t gamePort);

    // The server-list text for a game server on 127.0.0.1 at the port.
    static std::string serverList(uint16_t gamePort);
    static const std::string& guidePage();
    static const std::string& termsPage();
    static const std::string& paymentOptions();
};

}  // namespace zuno::standin
