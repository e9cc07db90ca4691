#include "table/TableSettingsSheets.h"

#include <cinttypes>
#include <cstdio>
#include <limits>

#include "lobby/GlobalService.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/CardTableModel.h"
#include "table/CurrentTable.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

int64_t myBalance() {
    PlayerPtr me = UIController::myInfo();
    return me ? me->money() : 0;
}

double panelTop() { return tableIsPortrait() ? 180 : 30; }
}  // namespace

ui::Point movePanelTo(CustomUIActionSheetViewController& sheet, double y) {
    auto panel = sheet.actionSheetView();
    if (!panel) return {};
    const ui::Rect frame = panel->frame();
    ui::View::beginAnimations(std::string("presentWithSuperview"));
    panel->setFrame(ui::Rect(frame.origin.x, y, frame.size.width, frame.size.height));
    ui::View::commitAnimations();
    return frame.origin;
}

// ---- menuSetup

const ui::BindingTable& menuSetup::bindings() {
    using B = ui::Bind<menuSetup>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("btnCuoc", &menuSetup::btnCuoc),
                                         B::outlet("btnSoNguoi", &menuSetup::btnSoNguoi),
                                         B::outlet("btnPass", &menuSetup::btnPass),
                                         B::action("doSetupPassword", &menuSetup::doSetupPassword),
                                         B::action("doSetupPlayer", &menuSetup::doSetupPlayer),
                                         B::action("doSetupMoney", &menuSetup::doSetupMoney)});
    return table;
}

menuSetup::menuSetup() : CustomUIActionSheetViewController(std::string("menuSetup")) {}

void menuSetup::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (btnCuoc) {
        btnCuoc->setTitle(text("ZUNO_setMoney"));
        btnCuoc->setEnabled(GameRegistry::currentFamily() != TableFamily::Banker);
    }
    if (btnSoNguoi) btnSoNguoi->setTitle(text("ZUNO_setNumPlayers"));
    if (btnPass) btnPass->setTitle(text("ZUNO_setPass"));
}

namespace {
bool isSeatedCardGame(const CurrentTable& table) { return table.game && !table.game->isBoardGame(); }
}  // namespace

void menuSetup::doSetupPassword() {
    slideOut();
    CurrentTable table = CurrentTable::find();
    if (table.host && isSeatedCardGame(table)) table.host->showSetupPassword();
}

void menuSetup::doSetupPlayer() {
    slideOut();
    CurrentTable table = CurrentTable::find();
    if (table.host && isSeatedCardGame(table)) table.host->showSetupSoNguoi();
}

void menuSetup::doSetupMoney() {
    slideOut();
    CurrentTable table = CurrentTable::find();
    if (table.host && table.isOneOf({TableFamily::CardTable, TableFamily::Phom, TableFamily::Poker}))
        table.host->showCuoc();
}

// ---- menuCuoc

const ui::BindingTable& menuCuoc::bindings() {
    using B = ui::Bind<menuCuoc>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txtMoney", &menuCuoc::txtMoney),
                                         B::outlet("imgBg", &menuCuoc::imgBg),
                                         B::outlet("imgTextField", &menuCuoc::imgTextField),
                                         B::outlet("lblTitle", &menuCuoc::lblTitle),
                                         B::action("textFieldBeginEditting:", &menuCuoc::textFieldBeginEditting),
                                         B::action("textFieldDoneEditting:", &menuCuoc::textFieldDoneEditting),
                                         B::action("doCancel", &menuCuoc::doCancel),
                                         B::action("doSave", &menuCuoc::doSave)});
    return table;
}

menuCuoc::menuCuoc() : CustomUIActionSheetViewController(std::string("menuCuoc")) {}

void menuCuoc::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (lblTitle) lblTitle->setText(text("ZUNO_dat_cuoc"));
    if (imgBg) imgBg->setImage(ui::Image::imageNamed(tableWearsCaroSheets() ? "caro-khung-dat-cuoc.png" : "bg_submenu.png"));
    if (txtMoney) {
        txtMoney->becomeFirstResponder();
        txtMoney->setText("");
    }
    movePanelTo(*this, panelTop());
}

void menuCuoc::textFieldBeginEditting() { movePanelTo(*this, 30); }

void menuCuoc::textFieldDoneEditting() {
    if (txtMoney) txtMoney->resignFirstResponder();
    doSave();
    slideOut();
}

void menuCuoc::doCancel() { slideOut(); }

void menuCuoc::doSave() {
    const int64_t amount = tabletext::readAmount(txtMoney ? txtMoney->text() : std::string());
    if (amount < 0) return;
    slideOut();
    try {
        const int64_t balance = myBalance();
        // The request carries 32 bits: a larger amount is refused like one above the balance.
        if (amount > balance || amount > std::numeric_limits<int32_t>::max()) {
            char number[32];
            std::snprintf(number, sizeof number, "%" PRId64, balance);
            UIController::startOKDlg(text("ZUNO_banChiCo") + " " + number + " " + text("ZUNO_win") + " " +
                                     text("ZUNO_setMaxMoney"));
            return;
        }
        CurrentTable table = CurrentTable::find();
        const int32_t stake = static_cast<int32_t>(amount);
        // Poker takes a bet instead of a stake.
        if (table.isOneOf({TableFamily::Poker})) {
            if (table.host) table.host->sendBetRaise(stake);
        } else if (table.game && table.hasTable()) {
            GlobalService::getInstance().setMoneyWithRoomId(*table.roomId, *table.boardId, stake);
        }
    } catch (const std::exception& e) {
        sys::Log::line(e.what());
    }
}

// ---- menuPassword

const ui::BindingTable& menuPassword::bindings() {
    using B = ui::Bind<menuPassword>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txtPassword", &menuPassword::txtPassword),
                                         B::outlet("imgBg", &menuPassword::imgBg),
                                         B::outlet("imgTextField", &menuPassword::imgTextField),
                                         B::outlet("lblTitle", &menuPassword::lblTitle),
                                         B::action("doBeginEditText", &menuPassword::doBeginEditText),
                                         B::action("textFieldDoneEditting:", &menuPassword::textFieldDoneEditting),
                                         B::action("doCancel", &menuPassword::doCancel),
                                         B::action("doSave", &menuPassword::doSave)});
    return table;
}

menuPassword::menuPassword() : CustomUIActionSheetViewController(std::string("menuPassword")) {}

void menuPassword::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (lblTitle) lblTitle->setText(text("ZUNO_dat_pass"));
    if (imgBg) imgBg->setImage(ui::Image::imageNamed(tableWearsCaroSheets() ? "caro-bg-menu.png" : "bg_submenu.png"));
    if (txtPassword) {
        txtPassword->becomeFirstResponder();
        txtPassword->setText("");
    }
    oldPoint = movePanelTo(*this, panelTop());
}

void menuPassword::doBeginEditText() { movePanelTo(*this, 30); }

void menuPassword::textFieldDoneEditting() {
    if (txtPassword) txtPassword->resignFirstResponder();
    doSave();
    slideOut();
}

void menuPassword::doCancel() { slideOut(); }

void menuPassword::doSave() {
    CurrentTable table = CurrentTable::find();
    // Every described game takes a password.
    if (table.game && table.hasTable()) {
        GlobalService::getInstance().setPasswordWithRoomId(*table.roomId, *table.boardId,
                                                           txtPassword ? txtPassword->text() : std::string());
    }
    slideOut();
}

// ---- menuSoNguoi

const ui::BindingTable& menuSoNguoi::bindings() {
    using B = ui::Bind<menuSoNguoi>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("btn4Nguoi", &menuSoNguoi::btn4Nguoi),
                                         B::outlet("btn3Nguoi", &menuSoNguoi::btn3Nguoi),
                                         B::outlet("btn2nguoi", &menuSoNguoi::btn2nguoi),
                                         B::action("doSet4Players", &menuSoNguoi::doSet4Players),
                                         B::action("doSet3Players", &menuSoNguoi::doSet3Players),
                                         B::action("doSetSoloPlayers", &menuSoNguoi::doSetSoloPlayers)});
    return table;
}

menuSoNguoi::menuSoNguoi() : CustomUIActionSheetViewController(std::string("menuSoNguoi")) {}

void menuSoNguoi::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (btn4Nguoi) btn4Nguoi->setTitle(text("ZUNO_player_4"));
    if (btn3Nguoi) btn3Nguoi->setTitle(text("ZUNO_player_3"));
    if (btn2nguoi) btn2nguoi->setTitle(text("ZUNO_solo"));
}

void menuSoNguoi::doSet4Players() { setMaxPlayers(4); }
void menuSoNguoi::doSet3Players() { setMaxPlayers(3); }
void menuSoNguoi::doSetSoloPlayers() { setMaxPlayers(2); }

void menuSoNguoi::setMaxPlayers(int8_t count) {
    CurrentTable table = CurrentTable::find();
    if (table.hasTable()) {
        if (table.game && table.game->setMaxPlayers) table.game->setMaxPlayers(*table.roomId, *table.boardId, count);
    }
    slideOut();
}

// ---- menuAuto

const ui::BindingTable& menuAuto::bindings() {
    using B = ui::Bind<menuAuto>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("lblColor", &menuAuto::lblColor),
                                         B::action("doHideView", &menuAuto::doHideView)});
    return table;
}

menuAuto::menuAuto() : CustomUIActionSheetViewController(std::string("menuAuto")) {}

void menuAuto::doHideView() { slideOut(); }

ZUNO_REGISTER_SCREEN(menuSetup)
ZUNO_REGISTER_SCREEN(menuCuoc)
ZUNO_REGISTER_SCREEN(menuPassword)
ZUNO_REGISTER_SCREEN(menuSoNguoi)
ZUNO_REGISTER_SCREEN(menuAuto)

}  // namespace zuno
