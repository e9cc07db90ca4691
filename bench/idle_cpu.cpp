// CPU used by a connected, idle client over 10 s of wall time, with its window open (SDL's dummy video
// driver stands in when there is no display) and after one sound was played: the goal is under 0.5%
// of one core. The stand-in server runs in the same process, so its idle threads count too.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "net/MobileClient.h"
#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/Bundle.h"
#include "platform/core/Clock.h"
#include "platform/core/RunLoop.h"
#include "platform/media/Sound.h"
#include "standin-server/StandinServer.h"

using namespace zuno;

namespace {

class Listener : public IMessageListener {
public:
    std::atomic<bool> connected{false};
    void onMessage(Message&) override {}
    void onConnectionOK() override { connected = true; }
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    sys::RunLoop& loop = sys::RunLoop::main();
    loop.bindToCurrentThread();
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ui::SdlWindowBackend window;
    bool windowOpen = window.open();
    sys::SystemSoundID click = sys::Sound::createSystemSound(sys::Bundle::main().bundlePath() + "/sounds/CLICK.WAV");

    standin::StandinServer server;
    if (!server.start()) return 1;
    Listener listener;
    auto client = MobileClient::create(&listener);
    client->connectToHost("127.0.0.1", server.port());
    if (!loop.runUntil([&] { return listener.connected.load(); }, 10)) {
        std::fprintf(stderr, "could not connect to the stand-in server\n");
        return 1;
    }

    sys::Sound::play(click);
    loop.runFor(1);  // the click plays out

    double wallStart = sys::monotonicSeconds();
    double cpuStart = cpuSeconds();
    loop.runFor(seconds);  // the main loop idles too, as it would in the program
    double wall = sys::monotonicSeconds() - wallStart;
    double cpu = cpuSeconds() - cpuStart;

    double percent = 100.0 * cpu / wall;
    std::printf("window %s, sound device %s, now %s\n", windowOpen ? "open" : "not available",
                sys::Sound::outputOpen() ? "open" : "not available", sys::Sound::outputPlaying() ? "playing" : "paused");
    std::printf("idle connected client: %.3f s of CPU over %.1f s of wall time = %.3f%% of one core (goal < 0.5%%): %s\n",
                cpu, wall, percent, percent < 0.5 ? "goal met" : "GOAL MISSED");
    client->manualDisconnect();
    loop.runUntil([&] { return client->runningThreadCount() == 0; }, 5);
    server.stop();
    return 0;
}
