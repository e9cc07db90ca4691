#include "standin-server/StandinHttp.h"

#include <string_view>

namespace zuno::standin {

namespace {
ServerResponse html(const std::string& page) {
    return ServerResponse::text(page).withHeader("Content-Type", "text/html; charset=utf-8");
}
}  // namespace

std::string StandinHttp::serverList(uint16_t gamePort) {
    const std::string address = "127.0.0.1:" + std::to_string(gamePort);
    // The trailing ";" is the usual form of the list.
    return "Zuno 1|" + address + ";Zuno 2|" + address + ";";
}

const std::string& StandinHttp::guidePage() {
    static const std::string page =
        "<html><body><h3>Zuno</h3>"
        "<p>Sign in, choose a server, a game, a room and a table, then press Ready.</p>"
        "<p>The stake of a table is taken from the loser and given to the winner.</p>"
        "</body></html>";
    return page;
}

const std::string& StandinHttp::termsPage() {
    static const std::string page =
        "<html><body><h3>Terms of use</h3>"
        "<p>This is a demonstration server: accounts and money live only while it runs.</p>"
        "</body></html>";
    return page;
}

const std::string& StandinHttp::paymentOptions() {
    static const std::string options =
        "id=xu100k&messenge=100,000 Xu;"
        "id=xu500k&messenge=500,000 Xu;";
    return options;
}

void StandinHttp::installOn(HttpServer& http, uint16_t gamePort) {
    http.route("/serverlist", ServerResponse::text(serverList(gamePort)));
    http.route("/guide", html(guidePage()));
    http.route("/terms", html(termsPage()));
    http.route("/payment", ServerResponse::text(paymentOptions()));
    http.route("/download", html("<html><body><p>Zuno for the desktop.</p></body></html>"));
}

}  // namespace zuno::standin
