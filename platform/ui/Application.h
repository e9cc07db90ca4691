#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Responder.h"
#include "platform/ui/Window.h"

namespace zuno::ui {

class Application;
class Canvas;

enum class InterfaceOrientation { Portrait = 1, PortraitUpsideDown = 2, LandscapeRight = 3, LandscapeLeft = 4 };

// The phone's screen: 320 x 480 points upright, held in landscape (so the window is 480 x 320). A
// screen that turns the phone upright (the status bar's orientation) turns the windows to 320 x 480.
class Screen {
public:
    static Rect bounds() { return Rect(0, 0, 320, 480); }
    static Rect applicationFrame() { return bounds(); }
    static constexpr double kWidth = 480;   // of the landscape window
    static constexpr double kHeight = 320;
    // The windows' size now: 480 x 320, or 320 x 480 while the status bar is upright.
    static Size windowSize();
    static bool isUpright(InterfaceOrientation orientation);
    // Pixels per point of what is drawn (1 or 2). The window backend sets it when it opens, from the
    // --scale option or the display; snapshots and headless runs draw at it too.
    static int scale();
    static void setScale(int scale);
};

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual bool didFinishLaunching(Application& app) { return true; }
    virtual void willResignActive(Application& app) {}
    virtual void didEnterBackground(Application& app) {}
    virtual void willEnterForeground(Application& app) {}
    virtual void didBecomeActive(Application& app) {}
    virtual void willTerminate(Application& app) {}
};

// The one application object: its delegate, its windows, the badge, opening addresses in other
// programs, and the hand-over of input from a backend to the windows.
class Application : public Responder {
public:
    static Application& shared();

    void setDelegate(std::shared_ptr<ApplicationDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<ApplicationDelegate> delegate() const { return delegate_; }
    // Tells the delegate that the program has started.
    bool launch();
    void terminate();

    // Visible windows, lowest level first (in the order they were shown within a level).
    std::vector<WindowPtr> windows() const;
    WindowPtr keyWindow() const;
    void addWindow(const WindowPtr& window);
    void removeWindow(const Window* window);
    void makeKey(const Window* window);

    int applicationIconBadgeNumber() const { return badge_; }
    void setApplicationIconBadgeNumber(int n) { badge_ = n; }
    InterfaceOrientation statusBarOrientation() const { return orientation_; }
    // Turning between upright and landscape turns every window with it.
    void setStatusBarOrientation(InterfaceOrientation o);
    bool isIdleTimerDisabled() const { return idleTimerDisabled_; }
    void setIdleTimerDisabled(bool on) { idleTimerDisabled_ = on; }

    // Opens an address in another program; the URL opener service is wired in here. Without one,
    // nothing opens and the answer is false.
    using UrlOpener = std::function<bool(const std::string& url)>;
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    bool openURL(const std::string& url);
    bool canOpenURL(const std::string& url) const;

    // Input from a backend, in the coordinates of the 480 x 320 screen: touches go to the top window,
    // key input to the alert on top while one shows, else to the first responder.
    // The mouse wheel turned over that point: the innermost scroll view there that can move takes it.
    void scrollWheel(Point p, double notchesX, double notchesY);
    void touchDown(Point p);
    // The mouse's right button: a two-finger tap on the topmost window under the point.
    void twoFingerTap(Point p);
    void touchMove(Point p);
    void touchUp(Point p);
    void sendText(const std::string& text);
    void sendReturn();
    void sendDeleteBackward();
    // The text of the first responder when it takes text (for copying), else nothing.
    std::optional<std::string> firstResponderText() const;
    // The responder whose return key is being handled, while it is (none otherwise): what it does
    // may give up the keyboard and open an alert, which gives the keyboard back to it afterwards.
    Responder* responderTakingReturn() const { return returning_; }

    // Lays out and draws every window, lowest first.
    void render(Canvas& canvas);
    void layoutIfNeeded();

    // Forgets windows, delegate, badge and hooks (between tests).
    void reset();

private:
    Application() = default;
    WindowPtr touchWindow_;
    std::shared_ptr<ApplicationDelegate> delegate_;
    std::vector<WindowPtr> windows_;
    const Window* key_ = nullptr;
    Responder* returning_ = nullptr;
    int badge_ = 0;
    InterfaceOrientation orientation_ = InterfaceOrientation::LandscapeRight;
    bool idleTimerDisabled_ = false;
    UrlOpener urlOpener_;
};

}  // namespace zuno::ui
