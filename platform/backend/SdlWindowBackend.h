#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/Geometry.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace zuno::ui {

class RasterScreen;

// Shows the 480 x 320 screen in an SDL window, drawn at the window's device scale (1 or 2 pixels per
// point) and fitted to the window, and turns the mouse into touches and the keyboard into text for the
// first responder (Ctrl+C and Ctrl+V use the system clipboard). It is the main run loop's event source:
// an idle program sleeps in the window system's wait, and wakes for input, posted work, timers, or one
// frame in 60 while something animates.
class SdlWindowBackend : public sys::RunLoop::EventSource {
public:
    // A scale of 0 takes the --scale option, else what the display has room for.
    explicit SdlWindowBackend(std::string title = "Zuno", int scale = 0);
    ~SdlWindowBackend() override;

    // Opens the window; false (and a log line) when no display is available.
    bool open();
    void close();
    bool isOpen() const { return window_ != nullptr; }
    // Runs the main loop until the window is closed or the loop is stopped.
    void run();
    // Draws the screen now if anything changed.
    void present(bool force = false);

    void wait(double maxSeconds) override;
    void wake() override;

    int framesPresented() const { return frames_; }
    // The device scale the window draws at, once open.
    int scale() const { return scale_; }
    // 2 when a display of that size has room for the window twice as large, else 1.
    static int scaleForDisplay(int displayWidth, int displayHeight);

private:
    void handle(const SDL_Event& e);
    void turnIfNeeded();

    std::string title_;
    int scale_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::unique_ptr<RasterScreen> screen_;
    uint32_t wakeEvent_ = 0;
    bool mouseDown_ = false;
    Point mouseAt_;  // where the mouse last moved, for the wheel
    int frames_ = 0;
};

}  // namespace zuno::ui
