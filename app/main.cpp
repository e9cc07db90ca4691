// zuno: the Zuno client as a Linux program, in a 480 x 320 window (or headless). `zuno --help`.
#include <SDL.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "HeadlessWalk.h"
#include "Program.h"
#include "ProgramOptions.h"
#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/Bundle.h"
#include "platform/core/RunLoop.h"

namespace {

std::optional<zuno::GameKey> gameKeyOf(SDL_Keycode key) {
    switch (key) {
        case SDLK_LEFT: return zuno::GameKey::Left;
        case SDLK_RIGHT: return zuno::GameKey::Right;
        case SDLK_UP: return zuno::GameKey::Up;
        case SDLK_DOWN: return zuno::GameKey::Down;
        case SDLK_SPACE: return zuno::GameKey::Space;
        default: return std::nullopt;
    }
}

// Tab and Escape are the program's own keys; the arrows and Space go to a game screen that plays with
// them (Blocks); the window hands the rest to the screens.
int desktopKeys(void*, SDL_Event* event) {
    if (event->type != SDL_KEYDOWN) return 1;
    const SDL_Keycode key = event->key.keysym.sym;
    if (key == SDLK_TAB) zuno::sys::RunLoop::main().post([] { zuno::app::focusNextField(); });
    if (key == SDLK_ESCAPE) zuno::sys::RunLoop::main().post([] { zuno::app::goBack(); });
    if (auto game = gameKeyOf(key)) zuno::sys::RunLoop::main().post([k = *game] { zuno::app::pressGameKey(k); });
    return 1;
}

int runHeadless(zuno::app::Program& program, const zuno::app::ProgramOptions& options) {
    zuno::app::HeadlessWalk walk(program, options.user, options.password);
    const bool reached = walk.run();
    program.shutDown();
    if (!reached) {
        std::fprintf(stderr, "zuno: %s\n", walk.why().c_str());
        return 1;
    }
    std::printf("zuno: signed in as %s and reached the game list\n", options.user.c_str());
    return 0;
}

int runWindow(zuno::app::Program& program) {
    zuno::ui::SdlWindowBackend window("Zuno");
    if (!window.open()) {
        std::fprintf(stderr, "zuno: no display to open a window on (try --headless)\n");
        return 1;
    }
    SDL_AddEventWatch(desktopKeys, nullptr);
    zuno::sys::RunLoop::main().setEventSource(&window);
    if (!program.launch()) return 1;
    window.run();
    SDL_DelEventWatch(desktopKeys, nullptr);
    program.shutDown();
    zuno::sys::RunLoop::main().setEventSource(nullptr);
    window.close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    zuno::app::ParsedOptions parsed = zuno::app::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "zuno: %s\n%s", parsed.error.c_str(), zuno::app::usageText().c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::printf("%s", zuno::app::usageText().c_str());
        return 0;
    }
    const zuno::sys::Bundle& bundle = zuno::sys::Bundle::main();
    std::optional<std::string> problem = bundle.problem();
    // The first screen's file above all: a bundle without it could show nothing at all.
    if (!problem && !bundle.pathForResource("ui/LoginView.xml")) problem = "no ui/LoginView.xml";
    if (problem) {
        std::fprintf(stderr, "zuno: no usable application bundle in %s (%s); name its folder with --bundle DIR\n",
                     bundle.bundlePath().c_str(), problem->c_str());
        return 2;
    }
    zuno::app::Program program(parsed.options);
    if (!parsed.options.headless) return runWindow(program);
    if (!program.launch()) return 1;
    return runHeadless(program, parsed.options);
}
