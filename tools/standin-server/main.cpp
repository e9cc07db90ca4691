// zuno-standin-server [--port N]: the stand-in game server on 127.0.0.1, until interrupted.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standin-server/StandinCardTables.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace {
int usage() {
    std::fprintf(stderr, "usage: zuno-standin-server [--port N]   (default %u; 0 takes any free port)\n",
                 zuno::standin::StandinServer::kDefaultPort);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    long port = zuno::standin::StandinServer::kDefaultPort;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            char* end = nullptr;
            port = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || port < 0 || port > 65535) return usage();
        } else {
            return usage();
        }
    }

    // Wait for the end signal in one place instead of being killed by it.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    zuno::standin::StandinServer server;
    // One account to sign in with: demo / demo.
    zuno::standin::StandinSignIn::installOn(server)->addAccount({"demo", "demo", 1001, 5000000, 1, 350});
    zuno::standin::StandinCardTables::installOn(server, zuno::standin::StandinLobbyLists::installOn(server));
    if (!server.start(static_cast<uint16_t>(port))) return 1;
    std::printf("zuno-standin-server listening on 127.0.0.1:%u\n", server.port());
    std::fflush(stdout);

    int received = 0;
    sigwait(&signals, &received);
    server.stop();
    return 0;
}
