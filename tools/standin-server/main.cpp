// zuno-standin-server [--port N] [--http-port N]: the stand-in game server and its HTTP pages on
// 127.0.0.1, until interrupted. "--port 0" alone takes free ports for both.
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standin-server/StandinBanker.h"
#include "standin-server/StandinBoardTables.h"
#include "standin-server/StandinCardTables.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinHttp.h"
#include "standin-server/StandinLobbyJoins.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinSocial.h"
#include "standin-server/StandinSocialNetwork.h"
#include "standin-server/StandinTienLen.h"

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
    // One account to sign in with, demo / demo, and the robots.
    auto signIn = zuno::standin::StandinSignIn::installOn(server);
    zuno::standin::StandinRobots::addTo(*signIn);
    signIn->setInfo(6, "This week: double Win on every Tien Len table.");
    auto lists = zuno::standin::StandinLobbyLists::installOn(server);
    zuno::standin::StandinBoardTables::installOn(server, lists);
    zuno::standin::StandinCardTables::installOn(server, lists);
    // Robots invite the signed-in player to the tables of the games reached only by invitation, one
    // game after another with each leave.
    auto robots = zuno::standin::StandinRobotTables::installOn(server, signIn, lists, {});
    zuno::standin::StandinTienLen::addTo(*robots, 3);
    zuno::standin::StandinTienLen::addTo(*robots, 12);
    zuno::standin::StandinPhom::addTo(*robots);
    zuno::standin::StandinBanker::addTo(*robots, zuno::standin::StandinBanker::kBaiCao);
    zuno::standin::StandinBanker::addTo(*robots, zuno::standin::StandinBanker::kXiZach);
    zuno::standin::StandinCoTuong::addTo(*robots);
    zuno::standin::StandinCoVua::addTo(*robots);
    zuno::standin::StandinCaro::addTo(*robots);
    robots->setInvitationRotation({3, 12, zuno::standin::StandinBanker::kBaiCao, zuno::standin::StandinBanker::kXiZach,
                                   zuno::standin::StandinCoTuong::kGameType, zuno::standin::StandinCoVua::kGameType,
                                   zuno::standin::StandinCaro::kGameType});
    // Friends, chat, details and rankings; a robot friend greets the player a moment after signing in.
    zuno::standin::StandinSocial::Options social;
    social.greetingDelay = 8;
    zuno::standin::StandinSocial::installOn(server, signIn, social);
    // Top-up channels, transfers, presents, flat avatars and table gifts.
    zuno::standin::StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
    // The profile, the avatar shop and the wardrobe; what they do not serve goes on to the money's.
    zuno::standin::StandinProfileShop::installOn(server, signIn);
    // Last, so that full tables and wrong passwords are refused before any game seats the player.
    zuno::standin::StandinLobbyJoins::installOn(server, lists);
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
