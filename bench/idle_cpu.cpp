// CPU used by a connected, idle client over 10 s of wall time, with its window open (SDL's dummy video
// driver stands in when there is no display), once before any sound and once after a sound and the
// quiet spell after which the sound device closes: the goals are under 0.5 % and under 0.05 % of one
// core. SDL's dummy audio driver stands in when no audio device opens. The first sound after the quiet
// spell opens the device again, within one frame. The stand-in server runs in the same process, so its
// idle threads count too.
//
// Then a Co Tuong table between games, its start button blinking every 0.2 s and each blink drawn in
// the window: under 1 % of one core.
//
// Last, a Blocks game runs at an upright table without input (pieces fall, land and pile up, the
// preview bobs, the opponent's marker moves to its place) with the window drawing its frames, over the
// same time: the goal is under 3 % of one core.
#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TwoSeatTables.h"
#include "net/MobileClient.h"
#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/Bundle.h"
#include "platform/core/Clock.h"
#include "platform/core/DataFolder.h"
#include "platform/core/RunLoop.h"
#include "platform/media/Sound.h"
#include "platform/ui/Application.h"
#include "platform/ui/View.h"
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

// Percent of one core used while the main loop idles for that long.
double idlePercent(sys::RunLoop& loop, double seconds) {
    double wallStart = sys::monotonicSeconds();
    double cpuStart = cpuSeconds();
    loop.runFor(seconds);  // the main loop idles too, as it would in the program
    return 100.0 * (cpuSeconds() - cpuStart) / (sys::monotonicSeconds() - wallStart);
}

bool audioDeviceOpens() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device != 0) SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return device != 0;
}

const char* verdict(bool met) { return met ? "goal met" : "GOAL MISSED"; }

// The application launched and seated at a Blocks table whose game has just started.
std::shared_ptr<ZunoOnlineAppDelegate> startBlocksGame() {
    sys::setDataFolder((std::filesystem::temp_directory_path() / "zuno-bench-idle-cpu").string());
    auto app = bench::openBlocksTable();
    GameController::getBlocksView()->startWithBricks({0, 1, 2, 3, 4, 5, 6});
    return app;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const double quietSpell = 3.0;  // past the device's closing delay of about 2 s
    const double frameSeconds = 1.0 / 60;
    sys::RunLoop& loop = sys::RunLoop::main();
    loop.bindToCurrentThread();
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (!audioDeviceOpens()) ::setenv("SDL_AUDIODRIVER", "dummy", 1);
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

    const double before = idlePercent(loop, seconds);

    sys::Sound::play(click);
    const char* driver = SDL_GetCurrentAudioDriver();
    const bool deviceOpened = sys::Sound::outputOpen();
    loop.runFor(quietSpell);  // the click plays out and the device closes
    const bool closedWhenQuiet = !sys::Sound::outputOpen();
    const double after = idlePercent(loop, seconds);

    double playStart = sys::monotonicSeconds();
    sys::Sound::play(click);
    const double reopenSeconds = sys::monotonicSeconds() - playStart;
    const bool reopened = sys::Sound::outputOpen() && sys::Sound::outputPlaying();

    std::printf("window %s, sound device %s (audio driver %s), closed %.0f s after the sound: %s\n",
                windowOpen ? "open" : "not available", deviceOpened ? "opened" : "not available",
                driver ? driver : "none", quietSpell, closedWhenQuiet ? "yes" : "NO");
    std::printf("idle connected client over %.1f s: %.3f%% of one core before any sound (goal < 0.5%%): %s;"
                " %.3f%% after a sound (goal < 0.05%%): %s\n",
                seconds, before, verdict(before < 0.5), after, verdict(after < 0.05));
    std::printf("next sound: device open and playing %.2f ms after the play (goal within a frame, %.1f ms): %s\n",
                reopenSeconds * 1000, frameSeconds * 1000, verdict(reopened && reopenSeconds < frameSeconds));

    // The window draws what changes, as in the program. SDL's dummy video driver waits for events by
    // polling every millisecond, so there the main loop waits by itself and draws each change once.
    const char* video = SDL_GetCurrentVideoDriver();
    const bool dummyVideo = video && std::string(video) == "dummy";
    bool drawPosted = false;
    auto drawChanges = [&](bool on) {
        if (!windowOpen) return;
        if (!dummyVideo) {
            loop.setEventSource(on ? &window : nullptr);
            return;
        }
        if (!on) {
            ui::Display::setListener(nullptr);
            return;
        }
        ui::Display::setListener([&] {
            if (drawPosted) return;
            drawPosted = true;
            loop.post([&] {
                drawPosted = false;
                window.present();
            });
        });
    };

    // A Co Tuong table I own, the opponent ready: the start button blinks. The table's join sound
    // plays out and the device closes first.
    {
        drawChanges(true);
        auto app = bench::openCoTuongTable("zuno-bench-idle-cpu", quietSpell);
        window.present(true);
        const int framesBefore = window.framesPresented();
        const double table = idlePercent(loop, seconds);
        const int blinks = window.framesPresented() - framesBefore;
        drawChanges(false);
        std::printf("board table between games, start blinking (%d frames drawn) over %.1f s: %.3f%% of one core"
                    " (goal < 1%%): %s\n",
                    blinks, seconds, table, verdict(table < 1.0));
        ui::Application::shared().reset();
    }

    // A Blocks game without input, drawn by the window as the program does.
    {
        auto app = startBlocksGame();
        drawChanges(true);
        window.present(true);
        const int framesBefore = window.framesPresented();
        const double blocks = idlePercent(loop, seconds);
        drawChanges(false);
        std::printf("Blocks game without input over %.1f s, %d frames drawn: %.3f%% of one core (goal < 3%%): %s\n",
                    seconds, window.framesPresented() - framesBefore, blocks, verdict(blocks < 3));
        GameController::getBlocksView()->gameEnd();
        ui::Application::shared().reset();
    }

    client->manualDisconnect();
    loop.runUntil([&] { return client->runningThreadCount() == 0; }, 5);
    server.stop();
    return 0;
}
