#pragma once

#include <memory>
#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "shell/UIController.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The application delegate: it owns the window and the one navigation stack, builds the 30-point top
// bar over every screen (title, event marquee, back and menu buttons), follows the screens shown
// (bar place, buttons, background, unread-mail button) and runs the marquee of server event texts.
// It opens no connection. Main thread only.
//
// Every screen reaches the window and the stack through this class; its operations are defined by the
// composition root (src/client), the one folder that knows every screen and game.
class ZunoOnlineAppDelegate : public ui::Responder,
                              public ui::ApplicationDelegate,
                              public ui::NavigationControllerDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kBarWidth = 480;
    static constexpr double kMarqueeStep = 1.5;
    static constexpr double kMarqueeInterval = 0.033;

    // The application's delegate, when it is this class.
    static std::shared_ptr<ZunoOnlineAppDelegate> current();

    // Set at launch; the store build offers SMS top-up only while it is on.
    static bool switchOnSMS();
    static void setSwitchOnSMS(bool on);

    // The launch sequence; answers YES.
    bool didFinishLaunching(ui::Application& app) override;

    void doBack(ui::Object* sender);
    // Opens the mailbox from the unread-mail button.
    void onOpenMessage(ui::Object* sender);
    void removePresent(const std::shared_ptr<ui::View>& view);

    // The marquee of an event text: a block animation, or a 33 ms timer moving it 1.5 points a step.
    void startEventWithiOS4(const std::string& text);
    void startEventWithiOS3(const std::string& text);
    void stopEvent();
    void runEvent();
    void scrollEvent();

    void willShowViewController(ui::NavigationController& nav, ui::ViewController& screen, bool animated) override;
    void didShowViewController(ui::NavigationController& nav, ui::ViewController& screen, bool animated) override;

    // The centre of the top bar on screen and out of sight.
    static ui::Point barShownCenter();
    static ui::Point barHiddenCenter();

    std::shared_ptr<ui::Window> window;
    std::shared_ptr<ui::NavigationController> navigationController;
    std::shared_ptr<ui::Label> lblWindowTitle;
    std::shared_ptr<ui::Label> lblServerInfo;
    float lenEvent = 0;
    sys::RunLoop::TimerId mytimer = 0;
    std::shared_ptr<UIController> controller;
    std::shared_ptr<ui::View> viewTopBar;
    std::shared_ptr<ui::Button> btnBack;
    std::shared_ptr<ui::Button> btnMenu;
    std::shared_ptr<ui::ImageView> imgBG;
    std::weak_ptr<ZunoViewController> previousController;

private:
    void loadMainInterface();
    void buildTopBar();
    void buildButtons();
    void showUnreadMailButton(ui::ViewController& screen);
    void beginMarquee(const std::string& text);
    void slideBarInOverTableScreen();
    void cancelMytimer();
    std::shared_ptr<ui::ViewController> topScreen() const;

    sys::RunLoop::TimerId pendingStop_ = 0;
};

}  // namespace zuno
