#include "platform/backend/SdlWindowBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

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
// Room around a window for its frame and title bar, in pixels.
constexpr double kFrameAllowance = 80;

bool environmentNames(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

SdlWindowBackend::DisplayProbe sdlDisplayProbe() {
    return {[] { return environmentNames("DISPLAY") || environmentNames("WAYLAND_DISPLAY") ||
                        environmentNames("SDL_VIDEODRIVER"); },
            [](int display) -> std::optional<Size> {
                SDL_Rect area;
                if (SDL_GetDisplayUsableBounds(display, &area) != 0) return std::nullopt;
                return Size{double(area.w), double(area.h)};
            }};
}

// The screen's raster is opaque (drawn over black): a texture without alpha is copied to the window,
// not blended.
SDL_Texture* screenTexture(SDL_Renderer* renderer, int width, int height) {
    return SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
}

SdlWindowBackend::DisplayProbe& displayProbe() {
    static SdlWindowBackend::DisplayProbe probe = sdlDisplayProbe();
    return probe;
}
}  // namespace

void SdlWindowBackend::setDisplayProbe(DisplayProbe probe) {
    displayProbe() = probe.present && probe.usableArea ? std::move(probe) : sdlDisplayProbe();
}

bool SdlWindowBackend::hasDisplay() { return displayProbe().present(); }

int SdlWindowBackend::scaleToFit(Size points, Size area) {
    const bool twiceFits = 2 * points.width + kFrameAllowance <= area.width &&
                           2 * points.height + kFrameAllowance <= area.height;
    return twiceFits ? 2 : 1;
}

int SdlWindowBackend::chooseScale(int askedScale, Size points, std::optional<Size> area) {
    if (askedScale == 1 || askedScale == 2) return askedScale;
    return area ? scaleToFit(points, *area) : 1;
}

std::string SdlWindowBackend::scaleWarning(int askedScale, std::optional<Size> area) {
    if ((askedScale != 1 && askedScale != 2) || !area) return "";
    std::string tooLarge;
    int count = 0;
    for (const auto& [shape, points] : {std::pair{"landscape", Size{kWidth, kHeight}},
                                        std::pair{"upright", Size{kHeight, kWidth}}}) {
        const int width = int(points.width) * askedScale, height = int(points.height) * askedScale;
        if (width <= area->width && height <= area->height) continue;
        if (count++) tooLarge += " and the ";
        tooLarge += std::string(shape) + " window (" + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels)";
    }
    if (!count) return "";
    return "--scale " + std::to_string(askedScale) + ": the " + tooLarge + (count > 1 ? " do" : " does") +
           " not fit the display's usable area (" + std::to_string(int(area->width)) + " x " +
           std::to_string(int(area->height)) + " pixels); part of the window will be out of sight";
}

SdlWindowBackend::SdlWindowBackend(std::string title, int scale)
    : title_(std::move(title)), askedScale_(scale == 1 || scale == 2 ? scale : 0) {}

std::optional<Size> SdlWindowBackend::usableArea() const {
    return displayProbe().usableArea(window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0);
}

SdlWindowBackend::~SdlWindowBackend() { close(); }

bool SdlWindowBackend::open() {
    if (window_) return true;
    if (!hasDisplay()) {
        sys::Log::warning("cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are not set)");
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        sys::Log::warningFormat("cannot open a window: %s", SDL_GetError());
        return false;
    }
    // With no display that answers, SDL settles for a driver that shows nothing; only one asked for
    // by name (the tests' dummy) will do.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!environmentNames("SDL_VIDEODRIVER") && driver &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        sys::Log::warningFormat("cannot open a window: no display answers (SDL offers only its %s driver)", driver);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return false;
    }
    if (!askedScale_) askedScale_ = sys::requestedDisplayScale();
    const std::optional<Size> area = usableArea();
    scale_ = chooseScale(askedScale_, {kWidth, kHeight}, area);
    // Pictures are loaded once, at the finer scale of the two shapes: the upright window may take 2
    // where the landscape one takes 1.
    Screen::setScale(std::max(scale_, chooseScale(askedScale_, {kHeight, kWidth}, area)));
    if (const std::string tooLarge = scaleWarning(askedScale_, area); !tooLarge.empty()) sys::Log::warning(tooLarge);
    window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth * scale_,
                               kHeight * scale_, SDL_WINDOW_RESIZABLE);
    if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_) {
        // Letterboxed when the window is resized; the renderer also maps mouse positions back to points.
        // At the window's own size the texture lands on the window pixel for pixel.
        SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        texture_ = screenTexture(renderer_, kWidth * scale_, kHeight * scale_);
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
    // The window turns with the screen on top (upright 320 x 480, else 480 x 320), at the scale that
    // fits the display in that direction.
    const int scale = chooseScale(askedScale_, size, usableArea());
    SDL_Texture* texture = screenTexture(renderer_, width * scale, height * scale);
    if (!texture) {
        sys::Log::warningFormat("cannot turn the window: %s", SDL_GetError());
        return;
    }
    SDL_DestroyTexture(texture_);
    texture_ = texture;
    scale_ = scale;
    SDL_SetWindowSize(window_, width * scale_, height * scale_);
    SDL_RenderSetLogicalSize(renderer_, width, height);
    screen_ = std::make_unique<RasterScreen>(width, height, scale_);
    keepOnDisplay();
    Display::invalidate();
}

Size SdlWindowBackend::pixelSize() const {
    int width = 0, height = 0;
    if (window_) SDL_GetWindowSize(window_, &width, &height);
    return {double(width), double(height)};
}

void SdlWindowBackend::keepOnDisplay() {
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &area) != 0) return;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &width, &height);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    const int lowestX = area.x + left, lowestY = area.y + top;
    const int toX = std::clamp(x, lowestX, std::max(lowestX, area.x + area.w - right - width));
    const int toY = std::clamp(y, lowestY, std::max(lowestY, area.y + area.h - bottom - height));
    if (toX != x || toY != y) SDL_SetWindowPosition(window_, toX, toY);
}

void SdlWindowBackend::present(bool force) {
    if (!texture_) return;
    turnIfNeeded();
    if (force) Display::invalidate();
    if (!screen_->renderIfNeeded()) return;
    // The texture keeps the last frame: only what this one drew goes to it.
    const auto* pixels = reinterpret_cast<const unsigned char*>(screen_->pixels());
    const int stride = screen_->stride();
    for (const PixelRect& r : screen_->drawnPixels()) {
        const SDL_Rect rect{r.x, r.y, r.width, r.height};
        SDL_UpdateTexture(texture_, &rect, pixels + size_t(r.y) * size_t(stride) + size_t(r.x) * 4, stride);
    }
    // Only a window resized by hand shows bands around the screen; else the screen covers every pixel.
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    if (width != screen_->pixelWidth() || height != screen_->pixelHeight()) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
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

double SdlWindowBackend::sleepLimit(double maxSeconds) const {
    // Only while something animates does the screen need frames without input.
    if (!Animator::shared().hasRunningAnimations()) return maxSeconds;
    return maxSeconds < 0 ? kFrameSeconds : std::min(maxSeconds, kFrameSeconds);
}

void SdlWindowBackend::wait(double maxSeconds) {
    present();
    const double limit = sleepLimit(maxSeconds);
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
    if (wakeEvent_ && e.type == wakeEvent_) {
        ++wakeUps_;
        return;
    }
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
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            // The texture's pixels may be lost with the renderer's: the next frame sends them all.
            Display::invalidate();
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
