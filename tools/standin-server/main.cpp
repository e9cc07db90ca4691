// zuno-standin-server [--port N] [--http-port N]: the stand-in game server and its HTTP pages on
// 127.0.0.1, until interrupted. "--port 0" alone takes free ports for both.
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standin-server/StandinDemo.h"
#include "standin-server/StandinHttp.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSocialNetwork.h"

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: zuno-standin-server [--port N] [--http-port N]   (defaults %u and %u; 0 takes any free port,\n"
                 "       and --port 0 alone takes a free HTTP port too)\n",
                 zuno::standin::StandinServer::kDefaultPort, zuno::standin::StandinHttp::kDefaultPort);
    return 2;
}

int cannotListen(const char* what, long port) {
    std::fprintf(stderr, "zuno-standin-server: cannot open the %s port %ld on 127.0.0.1 (%s); try --port 0\n", what,
                 port, std::strerror(errno));
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    long port = zuno::standin::StandinServer::kDefaultPort;
    long httpPort = -1;  // unless given: the default, or a free one with --port 0
    for (int i = 1; i < argc; ++i) {
        long* target = nullptr;
        if (std::strcmp(argv[i], "--port") == 0) target = &port;
        else if (std::strcmp(argv[i], "--http-port") == 0) target = &httpPort;
        if (target == nullptr || i + 1 >= argc) return usage();
        char* end = nullptr;
        *target = std::strtol(argv[++i], &end, 10);
        if (*end != '\0' || *target < 0 || *target > 65535) return usage();
    }
    if (httpPort < 0) httpPort = port == 0 ? 0 : zuno::standin::StandinHttp::kDefaultPort;

    // Wait for the end signal in one place instead of being killed by it.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    zuno::standin::StandinServer server;
    zuno::standin::StandinDemo::installOn(server);
    if (!server.start(static_cast<uint16_t>(port))) return cannotListen("game", port);
    zuno::standin::HttpServer http;
    zuno::standin::StandinHttp::installOn(http, server.port());
    zuno::standin::StandinSocialNetwork::installOn(http);
    if (http.start(static_cast<uint16_t>(httpPort)) == 0) return cannotListen("HTTP", httpPort);
    std::printf("zuno-standin-server listening on 127.0.0.1:%u (HTTP on 127.0.0.1:%u)\n", server.port(), http.port());
    std::fflush(stdout);

    int received = 0;
    sigwait(&signals, &received);
    http.stop();
    server.stop();
    return 0;
}
