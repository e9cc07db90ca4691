#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/ScreenEvents.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"

namespace zuno {

// The base of most screens: the side menu that the top bar's menu button slides in and out, a centred
// loading spinner, the top-up and logout actions, landscape-right only, and the two-image logo
// animation of the registration screen.
//
// The menu button carries the menu state in its tag: 0 closed ("show.png"), 1 open ("hide.png").
class ZunoViewController : public ui::ViewController, public LoadingScreen {
    ZUNO_BINDINGS
public:
    static constexpr ui::Point kMenuOpenCenter{420, 175};
    static constexpr ui::Point kMenuClosedCenter{540, 175};  // off the right edge

    explicit ZunoViewController(std::optional<std::string> nibName = std::nullopt);

    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;

    // Pushes the top-up screen.
    void napWin(ui::Object* sender);
    // The player's logout: the session logic then returns to the login screen.
    void logout(ui::Object* sender);

    void viewDidDisappear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // Moves the next logo image to its place; the images follow each other 0.3 s apart.
    void startAnimationLogo();
    void initAnimationLogo();

    // Removes every spinner that is a direct subview of the screen's view.
    void hideLoadingScreen() override;
    // Replaces any spinner of the screen with a new one, 50 x 50, centred and turning.
    virtual void showLoadingScreen();

    // Opens the side menu when it is closed, closes it when it is open.
    virtual void showMenu();
    // A screen that shows the menu button gets the shared side menu (top-up and logout) at its closed
    // place, unless its own interface file gives it one. Before sign-in it offers neither and says
    // to sign in first.
    void loadSideMenu();

    // The server reads requests: the connection is open.
    static bool isConnectedToServer();
    // The connection is open and a login on it gave the session its player.
    static bool isSignedIn();

    std::shared_ptr<ui::View> viewMenu;
    // The shared side menu's entries: only one of the two sides shows.
    std::shared_ptr<ui::Button> btnMenuTopUp, btnMenuLogout;
    std::shared_ptr<ui::Label> lblMenuSignInFirst;
    std::vector<std::shared_ptr<ui::ImageView>> arrZunoOnline;
    std::vector<ui::Point> arrPoint;
    int indexShow = 0;

private:
    void moveMenu(const char* animationId, ui::Point center);
    void offerSignedInEntries();
};

}  // namespace zuno
