#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The table owner's settings sheets. Each acts on the table screen of the current game type.

// The choice of the three settings: stake, number of players, password.
class menuSetup : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuSetup();
    void viewWillAppear(bool animated) override;
    void doSetupPassword();
    void doSetupPlayer();
    void doSetupMoney();

    std::shared_ptr<ui::Button> btnCuoc, btnSoNguoi, btnPass;
};

// The stake.
class menuCuoc : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuCuoc();
    void viewWillAppear(bool animated) override;
    void textFieldBeginEditting();
    void textFieldDoneEditting();
    void doCancel();
    // Checks the typed amount against my balance and sets it as the table's stake.
    void doSave();

    std::shared_ptr<ui::TextField> txtMoney;
    std::shared_ptr<ui::ImageView> imgBg, imgTextField;
    std::shared_ptr<ui::Label> lblTitle;
};

// The table's password (an empty one clears it).
class menuPassword : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuPassword();
    void viewWillAppear(bool animated) override;
    void doBeginEditText();
    void textFieldDoneEditting();
    void doCancel();
    void doSave();

    std::shared_ptr<ui::TextField> txtPassword;
    ui::Point oldPoint;
    std::shared_ptr<ui::ImageView> imgBg, imgTextField;
    std::shared_ptr<ui::Label> lblTitle;
};

// The number of seats: four, three or two.
class menuSoNguoi : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuSoNguoi();
    void viewWillAppear(bool animated) override;
    void doSet4Players();
    void doSet3Players();
    void doSetSoloPlayers();

    std::shared_ptr<ui::Button> btn4Nguoi, btn3Nguoi, btn2nguoi;

private:
    void setMaxPlayers(int8_t count);
};

// An empty sheet that only hides itself.
class menuAuto : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuAuto();
    void doHideView();
    std::shared_ptr<ui::View> getActionSheetView() { return view(); }

    std::shared_ptr<ui::Label> lblColor;
};

// Moves a sheet's panel to a height (animation "presentWithSuperview"); answers the origin before.
ui::Point movePanelTo(CustomUIActionSheetViewController& sheet, double y);

}  // namespace zuno
