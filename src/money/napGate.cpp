#include "money/napGate.h"

#include "lobby/GlobalService.h"
#include "money/MoneyView.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/TableSettingsSheets.h"

namespace zuno {

const ui::BindingTable& napGate::bindings() {
    using B = ui::Bind<napGate>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("txfSerial", &napGate::txfSerial),
                                         B::outlet("txfID", &napGate::txfID),
                                         B::outlet("lblTitle", &napGate::lblTitle),
                                         B::outlet("btnOK", &napGate::btnOK),
                                         B::action("doOK", &napGate::doOK),
                                         B::action("backGroundHidden:", &napGate::backGroundHidden),
                                         B::action("textFieldDoneEditting:", &napGate::textFieldDoneEditting)});
    return table;
}

napGate::napGate() : CustomUIActionSheetViewController(std::string("napGate")) {}

void napGate::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    const Resources& r = Resources::getInstance();
    answered_ = false;
    txfID->setPlaceholder(r.textForKey("ZUNO_idSerial"));
    txfSerial->setPlaceholder(r.textForKey("ZUNO_serial"));
    btnOK->setTitle(r.textForKey("ZUNO_OK"));
    txfID->setText(std::string());
    txfSerial->setText(std::string());
    txfSerial->becomeFirstResponder();
    movePanelTo(*this, 30);
}

void napGate::doOK() {
    // A second press (OK, then Enter in a field) while the sheet slides out sends nothing more.
    if (answered_) return;
    answered_ = true;
    auto delegate = ZunoOnlineAppDelegate::current();
    auto top = delegate && delegate->navigationController ? delegate->navigationController->topViewController() : nullptr;
    if (auto screen = std::dynamic_pointer_cast<MoneyView>(top)) {
        if (auto option = screen->selectedMoneyInfo())
            GlobalService::getInstance().sendChargeMoney(*option, txfSerial->text(), txfID->text());
    }
    slideOut();
}

void napGate::backGroundHidden() {
    txfSerial->resignFirstResponder();
    txfID->resignFirstResponder();
}

void napGate::textFieldDoneEditting(ui::Object* sender) {
    if (auto* field = dynamic_cast<ui::TextField*>(sender)) field->resignFirstResponder();
    doOK();
}

ZUNO_REGISTER_SCREEN(napGate)

}  // namespace zuno
