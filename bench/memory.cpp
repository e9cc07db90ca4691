// Resident memory of the client after signing in and opening the game list, headless, against the
// stand-in server running in the same process (its few threads count too). Goal: under 40 MB.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "HeadlessRun.h"
#include "HeadlessWalk.h"
#include "Program.h"
#include "standin-server/StandinHttp.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace {

constexpr double kGoalMb = 40;

double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

}  // namespace

int main() {
    using namespace zuno;
    standin::StandinServer server;
    auto signIn = standin::StandinSignIn::installOn(server);
    signIn->addAccount({"demo", "demo", 1001, 5000000, 1, 350});
    standin::StandinLobbyLists::installOn(server);
    standin::HttpServer http;
    if (!server.start()) return 1;
    standin::StandinHttp::installOn(http, server.port());
    if (http.start() == 0) return 1;

    const bench::HeadlessRun run = bench::prepareHeadlessRun("memory", http.port());
    const app::ProgramOptions& options = run.options;
    const double before = residentMb();
    int result = 1;
    {
        app::Program program(options);
        if (program.launch()) {
            app::HeadlessWalk walk(program, "demo", "demo");
            if (walk.run()) {
                const double after = residentMb();
                std::printf("resident memory at the game list: %.1f MB (%.1f MB before launch; goal under %.0f MB): %s\n",
                            after, before, kGoalMb, after < kGoalMb ? "met" : "NOT met");
                result = after < kGoalMb ? 0 : 1;
            } else {
                std::fprintf(stderr, "the walk failed: %s\n", walk.why().c_str());
            }
        }
        program.shutDown();
    }
    http.stop();
    server.stop();
    std::filesystem::remove_all(run.folder);
    return result;
}
