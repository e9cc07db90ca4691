#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
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
//
// Unless a scale is given (or --scale), the window takes the largest scale at which it fits the
// display's usable area; while the screen is upright (320 x 480) it takes the upright window's own,
// and the landscape one again when it turns back, and it is kept on the display. Pictures are loaded
// at the larger of the two shapes' scales. A scale given that makes either shape larger than the
// usable area is named in one warning when the window opens; the window keeps that scale.
class SdlWindowBackend : public sys::RunLoop::EventSource {
public:
    // What the backend asks of the display; tests put their own answers in place of SDL's.
    struct DisplayProbe {
        // Whether there is a display to show a window on: one named in the environment (DISPLAY,
        // WAYLAND_DISPLAY) or a video driver chosen with SDL_VIDEODRIVER.
        std::function<bool()> present;
        // The part of a display (SDL's number) a window may take, without the desktop's panels, in
        // pixels, once the video system runs; none when unknown.
        std::function<std::optional<Size>(int display)> usableArea;
    };
    // On the main thread; an empty probe goes back to SDL's.
    static void setDisplayProbe(DisplayProbe probe);
    static bool hasDisplay();
    // The largest scale, 2 or 1, at which a window of `points` fits `area` with its frame.
    static int scaleToFit(Size points, Size area);
    // The scale for a window of `points`: the one asked for (1 or 2; 0 lets the display decide), else
    // the largest that fits the usable area (1 while that is unknown).
    static int chooseScale(int askedScale, Size points, std::optional<Size> area);
    // The warning due when the scale asked for makes the landscape or the upright window larger than
    // the usable area; empty when both fit, the display decides or its area is unknown.
    static std::string scaleWarning(int askedScale, std::optional<Size> area);

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
    // How long a wait of at most maxSeconds (negative: no limit) sleeps when no input comes: a frame
    // while something animates, else as long as the loop lets it.
    double sleepLimit(double maxSeconds) const;

    int framesPresented() const { return frames_; }
    // The wake-ups (posted work, a new timer) handled so far: each ends the wait it arrives in, or the
    // next one at once.
    int wakeUpsHandled() const { return wakeUps_; }
    // The device scale the window draws at now, once open.
    int scale() const { return scale_; }
    // The window's size in pixels; 0 x 0 while closed.
    Size pixelSize() const;

private:
    void handle(const SDL_Event& e);
    void turnIfNeeded();
    // The usable area of the window's display (the first display's before it opens).
    std::optional<Size> usableArea() const;
    void keepOnDisplay();

    std::string title_;
    int askedScale_;  // 0 when the display decides
    int scale_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::unique_ptr<RasterScreen> screen_;
    uint32_t wakeEvent_ = 0;
    bool mouseDown_ = false;
    Point mouseAt_;  // where the mouse last moved, for the wheel
    int frames_ = 0;
    int wakeUps_ = 0;
};

}  // namespace zuno::ui
