#include "WindowRun.h"

#include <SDL.h>

#include <cstdio>
#include <optional>

#include "Program.h"
#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/RunLoop.h"

namespace zuno::app {

namespace {

std::optional<GameKey> gameKeyOf(SDL_Keycode key) {
    switch (key) {
        case SDLK_LEFT: return GameKey::Left;
        case SDLK_RIGHT: return GameKey::Right;
        case SDLK_UP: return GameKey::Up;
        case SDLK_DOWN: return GameKey::Down;
        case SDLK_SPACE: return GameKey::Space;
        default: return std::nullopt;
    }
}

// Tab and Escape are the program's own keys; the arrows and Space go to a game screen that plays with
// them (Blocks). The window hands the rest to the application, which gives them to the dialog on top
// (Enter is its main button) or else to the field that has the keyboard (Enter is its return key).
int desktopKeys(void*, SDL_Event* event) {
    if (event->type != SDL_KEYDOWN) return 1;
    const SDL_Keycode key = event->key.keysym.sym;
    if (key == SDLK_TAB) sys::RunLoop::main().post([] { focusNextField(); });
    if (key == SDLK_ESCAPE) sys::RunLoop::main().post([] { goBack(); });
    if (auto game = gameKeyOf(key)) sys::RunLoop::main().post([k = *game] { pressGameKey(k); });
    return 1;
}


}  // namespace

int runInWindow(Program& program) {
    if (!ui::SdlWindowBackend::hasDisplay()) {
        std::fprintf(stderr, "zuno: no display to show the window on; zuno --headless runs without one\n");
        return 2;
    }
    ui::SdlWindowBackend window("Zuno");
    if (!window.open()) {  // the backend has said why
        std::fprintf(stderr, "zuno: no window could be opened; zuno --headless runs without one\n");
        return 2;
    }
    SDL_AddEventWatch(desktopKeys, nullptr);
    sys::RunLoop::main().setEventSource(&window);
    if (!program.launch()) return 1;
    window.run();
    SDL_DelEventWatch(desktopKeys, nullptr);
    program.shutDown();
    sys::RunLoop::main().setEventSource(nullptr);
    window.close();
    return 0;
}

}  // namespace zuno::app
