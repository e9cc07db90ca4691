#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/MenuLinks.h"

namespace zuno {

// The main menu, first screen after signing in: tiles that fly in to open the profile, friends,
// games, mail, top-up, shop, settings, rankings and events, and a strip of links (guide, terms,
// feedback, hotline, tell a friend, logout).
class MainView : public MenuLinksScreen {
    ZUNO_BINDINGS
public:
    MainView() : MainView("MainView") {}
    explicit MainView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    void doShowProfile(ui::Object* sender);
    void doShowFriends(ui::Object* sender);
    void doShowGames(ui::Object* sender);
    void doShowMail(ui::Object* sender);
    void doShowMoney(ui::Object* sender);
    void doShowShopping(ui::Object* sender);
    void doShowConfig(ui::Object* sender);
    void doShowRange(ui::Object* sender);
    void doShowEvent(ui::Object* sender);
    // From the side menu: the account sheet (menuMain) slides in, with its further sign-in.
    void showMenuMain();

    std::shared_ptr<ui::ImageView> imgAvatar;
    std::shared_ptr<ui::View> vieProfile, vieFriends, vieGames, vieMail, vieMoney, vieShopping, vieConfig, vieRange,
        vieEvent;
    std::shared_ptr<ui::Label> lblProfile, lblFriends, lblGames, lblMail, lblMoney, lblShopping, lblConfig, lblRange,
        lblEvent;
    std::shared_ptr<ui::Label> lblQuyDinh;
    std::shared_ptr<ui::Button> btnPlayGames;
    // The account sheet, made when first shown.
    std::shared_ptr<ui::ViewController> accountSheet;
};

}  // namespace zuno
