#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>

#include "DemoScreens.h"
#include "platform/backend/RasterScreen.h"
#include "platform/core/Log.h"
#include "platform/backend/SdlWindowBackend.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

// The window as the loop's event source, telling when the loop has gone to sleep in its wait.
struct SleepWatch : sys::RunLoop::EventSource {
    explicit SleepWatch(SdlWindowBackend& window) : window(window) {}
    void wait(double maxSeconds) override {
        asleep = true;
        window.wait(maxSeconds);
        asleep = false;
    }
    void wake() override { window.wake(); }

    SdlWindowBackend& window;
    std::atomic<bool> asleep{false};
};

class DemoTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        window->close();  // the demo brings its own window
    }
    Point centerOf(const View& v) { return v.convertPointToView(v.bounds().center(), nullptr); }
    void tap(Point p) {
        Application::shared().touchDown(p);
        Application::shared().touchUp(p);
    }
    // With ZUNO_DEMO_SNAPSHOT_DIR set, the screens are kept as PNG files for a look by eye.
    void keep(const char* name) {
        if (const char* dir = std::getenv("ZUNO_DEMO_SNAPSHOT_DIR")) {
            RasterScreen screen;
            screen.renderApplication();
            screen.writePng(std::string(dir) + "/" + name + ".png");
        }
    }
};

TEST_F(DemoTest, TwoScreensATableAndAnAlertHeadless) {
    auto app = demo::launchDemo(tempDir().string());
    auto& home = *app.home;
    ASSERT_TRUE(home.btnNext && home.tableView && home.lblTitle);
    EXPECT_FALSE(sys::Log::contains("interface file"));
    EXPECT_EQ(home.tableView->visibleCells().size(), 6u);

    tap(centerOf(*home.btnNext));
    run(1);
    auto detail = std::dynamic_pointer_cast<demo::DemoDetail>(app.nav->topViewController());
    ASSERT_TRUE(detail);
    RasterScreen screen;
    screen.renderApplication();
    auto p = screen.rgba(240, 300);
    EXPECT_EQ(p.g, 157);  // the second screen's colour fills the screen
    keep("detail");

    tap(centerOf(*detail->backButton));
    run(1);
    EXPECT_EQ(app.nav->topViewController(), app.home);

    tap({240, 48 + 2 * 48 + 24});  // the third row
    ASSERT_TRUE(home.alert && home.alert->isVisible());
    EXPECT_EQ(home.alert->message(), "Join Poker?");
    run(0.3);
    keep("alert");
    tap(centerOf(*home.alert->buttonAtIndex(1)));
    run(0.3);
    EXPECT_FALSE(home.alert->isVisible());
    EXPECT_EQ(home.lblTitle->text(), "Phòng: Poker");

    // Cancel leaves the title alone.
    tap({240, 48 + 24});
    run(0.3);
    tap(centerOf(*home.alert->buttonAtIndex(home.alert->cancelButtonIndex())));
    run(0.3);
    EXPECT_EQ(home.lblTitle->text(), "Phòng: Poker");
}

// The same program in the SDL window, driven by mouse events through SDL's own queue, on the loop's
// virtual clock. Under ctest the dummy video driver stands in for a display; by hand it runs under Xvfb:
//   SDL_VIDEODRIVER=x11 xvfb-run -a build/test/tests/test_platform_ui --gtest_filter='*SdlWindow*'
TEST_F(DemoTest, TheSameDemoInTheSdlWindow) {
    auto& loop = sys::RunLoop::main();
    SdlWindowBackend backend("Zuno demo", 2);
    if (!backend.open()) GTEST_SKIP() << "no video driver";
    auto app = demo::launchDemo(tempDir().string());

    auto click = [&](Point p) {
        // SDL maps window pixels to the 480 x 320 screen; the window is twice the screen's size.
        int w = 0, h = 0;
        SDL_Window* win = SDL_GetWindowFromID(1);
        if (win) SDL_GetWindowSize(win, &w, &h);
        double k = w > 0 ? w / 480.0 : 2.0;
        SDL_Event e;
        SDL_zero(e);
        e.button.button = SDL_BUTTON_LEFT;
        e.button.windowID = win ? SDL_GetWindowID(win) : 0;
        // SDL maps the coordinates in the event it is given, so each push gets them afresh.
        for (auto type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            e.type = type;
            e.button.x = int(p.x * k);
            e.button.y = int(p.y * k);
            SDL_PushEvent(&e);
        }
    };
    // A frame at a time: the window hands the loop what came and draws, then the clock moves on a
    // frame; ten seconds of the clock at most.
    auto runUntil = [&](const std::function<bool()>& done) {
        for (int frame = 0; frame < 600 && !done(); ++frame) {
            loop.runOnce(0);
            loop.runFor(1.0 / 60);
        }
        return done();
    };
    auto animationsEnded = [] { return !Animator::shared().hasRunningAnimations(); };

    loop.setEventSource(&backend);
    backend.present(true);
    click({410, 23});
    EXPECT_TRUE(runUntil([&] { return app.nav->viewControllers().size() == 2 && !app.nav->isTransitioning(); }));
    auto detail = std::dynamic_pointer_cast<demo::DemoDetail>(app.nav->topViewController());
    ASSERT_TRUE(detail);
    click({50, 23});
    EXPECT_TRUE(runUntil([&] { return app.nav->viewControllers().size() == 1 && !app.nav->isTransitioning(); }));
    click({240, 48 + 2 * 48 + 24});
    EXPECT_TRUE(runUntil([&] { return app.home->alert && app.home->alert->isVisible(); }));
    EXPECT_TRUE(runUntil(animationsEnded));
    auto ok = app.home->alert->buttonAtIndex(1);
    click(centerOf(*ok));
    EXPECT_TRUE(runUntil([&] { return app.home->lblTitle->text() == std::string("Phòng: Poker"); }));
    EXPECT_TRUE(runUntil(animationsEnded));
    backend.present();
    EXPECT_GT(backend.framesPresented(), 3);

    // Idle: nothing would wake the loop from the window's wait: no animation asks the window for frames
    // (it would sleep until input), no timer is set and no work waits; and over 400 ms of the clock the
    // loop's turns draw no frame. What an idle window costs the processor is measured by bench/idle_cpu.
    EXPECT_LT(backend.sleepLimit(-1), 0);
    EXPECT_EQ(loop.timerCount(), 0u);
    EXPECT_EQ(loop.pendingTaskCount(), 0u);
    const int frames = backend.framesPresented();
    for (int turn = 0; turn < 4; ++turn) {
        loop.runOnce(0);
        loop.runFor(0.1);
    }
    EXPECT_EQ(backend.framesPresented(), frames);

    // Work posted from another thread while the loop sleeps in the window's wait wakes it: the wait
    // ends by the window's wake-up, not when its time is up.
    SleepWatch watch(backend);
    loop.setEventSource(&watch);
    const int wakeUps = backend.wakeUpsHandled();
    bool woke = false;
    std::atomic<bool> gaveUp{false};
    std::thread poster([&] {
        while (!watch.asleep && !gaveUp) std::this_thread::yield();
        if (!gaveUp) loop.post([&] { woke = true; });
    });
    // A turn that finds work left runs it without sleeping; the next one sleeps.
    for (int turn = 0; turn < 3 && !woke; ++turn) loop.runOnce(5);
    gaveUp = true;
    poster.join();
    EXPECT_TRUE(woke);
    EXPECT_GT(backend.wakeUpsHandled(), wakeUps);
    loop.setEventSource(&backend);

    if (const char* shot = std::getenv("ZUNO_DEMO_SNAPSHOT")) {
        RasterScreen screen;
        screen.renderApplication();
        screen.writePng(shot);
    }
    loop.setEventSource(nullptr);
    backend.close();
}

}  // namespace
}  // namespace zuno::ui::test
