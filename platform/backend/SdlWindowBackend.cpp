#include "platform/backend/SdlWindowBackend.h"

#include <SDL.h>

#include <cmath>

#include "platform/backend/RasterScreen.h"
#include "platform/core/Log.h"
#include "platform/core/PlatformOptions.h"
#include "platform/services/Pasteboard.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/View.h"

namespace zuno::ui {

namespace {
constexpr int kWidth = 480, kHeight = 320;
constexpr double kFrameSeconds = 1.0 / 60;
}  // namespace

SdlWindowBackend::SdlWindowBackend(std::string title, int scale)
    : title_(std::move(title)), scale_(scale == 1 || scale == 2 ? scale : 0) {}

int SdlWindowBackend::scaleForDisplay(int displayWidth, int displayHeight) {
    // Room for the doubled window with its frame and the desktop's panels around it.
    return displayWidth >= 2 * kWidth + 160 && displayHeight >= 2 * kHeight + 120 ? 2 : 1;
}

SdlWindowBackend::~SdlWindowBackend() { close(); }

bool SdlWindowBackend::open() {
    if (window_) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        sys::Log::warningFormat("cannot open a window: %s", SDL_GetError());
        return false;
    }
    if (!scale_) scale_ = sys::requestedDisplayScale();
    if (!scale_) {
        SDL_DisplayMode mode;
        scale_ = SDL_GetDesktopDisplayMode(0, &mode) == 0 ? scaleForDisplay(mode.w, mode.h) : 1;
    }
    Screen::setScale(scale_);
    window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth * scale_,
                               kHeight * scale_, SDL_WINDOW_RESIZABLE);
    if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_) {
        // Letterboxed when the window is resized; the renderer also maps mouse positions back to points.
        // At the window's own size the texture lands on the window pixel for pixel.
        SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kWidth * scale_,
                                     kHeight * scale_);
    }
    if (!texture_) {
        sys::Log::warningFormat("cannot open a window: %s", SDL_GetError());
        close();
        return false;
    }
    wakeEvent_ = SDL_RegisterEvents(1);
    screen_ = std::make_unique<RasterScreen>(kWidth, kHeight, scale_);
    SDL_StartTextInput();
    sys::Pasteboard::general().setBackend(sys::Pasteboard::Backend{
        [](const std::string& text) { SDL_SetClipboardText(text.c_str()); },
        []() -> std::optional<std::string> {
            if (!SDL_HasClipboardText()) return std::nullopt;
            char* text = SDL_GetClipboardText();
            std::string s = text ? text : "";
            SDL_free(text);
            return s;
        }});
    Display::invalidate();
    return true;
}

void SdlWindowBackend::close() {
    if (!window_ && !renderer_ && !texture_) return;
    sys::Pasteboard::general().setBackend({});
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlWindowBackend::turnIfNeeded() {
    const Size size = Screen::windowSize();
    const int width = int(size.width), height = int(size.height);
    if (screen_ && screen_->width() == width && screen_->height() == height) return;
    // The window turns with the screen on top (upright 320 x 480, else 480 x 320).
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                             width * scale_, height * scale_);
    if (!texture) {
        sys::Log::warningFormat("cannot turn the window: %s", SDL_GetError());
        return;
    }
    SDL_DestroyTexture(texture_);
    texture_ = texture;
    SDL_SetWindowSize(window_, width * scale_, height * scale_);
    SDL_RenderSetLogicalSize(renderer_, width, height);
    screen_ = std::make_unique<RasterScreen>(width, height, scale_);
    Display::invalidate();
}

void SdlWindowBackend::present(bool force) {
    if (!texture_) return;
    turnIfNeeded();
    if (force) Display::invalidate();
    if (!screen_->renderIfNeeded()) return;
    SDL_UpdateTexture(texture_, nullptr, screen_->pixels(), screen_->stride());
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    ++frames_;
}

void SdlWindowBackend::run() {
    if (!open()) return;
    auto& loop = sys::RunLoop::main();
    loop.setEventSource(this);
    present(true);
    loop.run();
    loop.setEventSource(nullptr);
}

void SdlWindowBackend::wake() {
    if (!wakeEvent_) return;
    SDL_Event e;
    SDL_zero(e);
    e.type = wakeEvent_;
    SDL_PushEvent(&e);
}

void SdlWindowBackend::wait(double maxSeconds) {
    present();
    double limit = maxSeconds;
    // Only while something animates does the screen need frames without input.
    if (Animator::shared().hasRunningAnimations()) limit = limit < 0 ? kFrameSeconds : std::min(limit, kFrameSeconds);
    SDL_Event e;
    int got;
    if (limit < 0) {
        got = SDL_WaitEvent(&e);
    } else {
        got = SDL_WaitEventTimeout(&e, int(std::ceil(limit * 1000)));
    }
    if (!got) return;
    handle(e);
    while (SDL_PollEvent(&e)) handle(e);
}

void SdlWindowBackend::handle(const SDL_Event& e) {
    auto& app = Application::shared();
    switch (e.type) {
        case SDL_QUIT:
            sys::RunLoop::main().stop();
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                Display::invalidate();
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                mouseDown_ = true;
                app.touchDown({double(e.button.x), double(e.button.y)});
            }
            break;
        case SDL_MOUSEMOTION:
            mouseAt_ = {double(e.motion.x), double(e.motion.y)};
            if (mouseDown_) app.touchMove(mouseAt_);
            break;
        case SDL_MOUSEWHEEL: {
            // SDL counts up and right as positive; content moves on towards its end downwards.
            const double flip = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
            app.scrollWheel(mouseAt_, flip * e.wheel.x, -flip * e.wheel.y);
            break;
        }
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT && mouseDown_) {
                mouseDown_ = false;
                app.touchUp({double(e.button.x), double(e.button.y)});
            } else if (e.button.button == SDL_BUTTON_RIGHT && !mouseDown_) {
                app.twoFingerTap({double(e.button.x), double(e.button.y)});
            }
            break;
        case SDL_TEXTINPUT:
            app.sendText(e.text.text);
            break;
        case SDL_KEYDOWN: {
            auto key = e.key.keysym.sym;
            bool ctrl = (e.key.keysym.mod & KMOD_CTRL) != 0;
            if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
                app.sendReturn();
            } else if (key == SDLK_BACKSPACE) {
                app.sendDeleteBackward();
            } else if (ctrl && key == SDLK_v) {
                if (auto text = Clipboard::text()) app.sendText(*text);
            } else if (ctrl && key == SDLK_c) {
                if (auto text = app.firstResponderText()) Clipboard::setText(*text);
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace zuno::ui
