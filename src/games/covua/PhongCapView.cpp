#include "games/covua/PhongCapView.h"

#include <string>

#include "games/covua/CoVuaService.h"
#include "games/covua/CoVuaView.h"
#include "platform/core/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "table/GameController.h"

namespace zuno {

const ui::BindingTable& PhongCapView::bindings() {
    using B = ui::Bind<PhongCapView>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("btnHau", &PhongCapView::btnHau),
                                         B::outlet("btnXe", &PhongCapView::btnXe),
                                         B::outlet("btnTuong", &PhongCapView::btnTuong),
                                         B::outlet("btnNgua", &PhongCapView::btnNgua),
                                         B::action("doSetQueen", &PhongCapView::doSetQueen),
                                         B::action("doSetRoot", &PhongCapView::doSetRoot),
                                         B::action("dosSetBishop", &PhongCapView::dosSetBishop),
                                         B::action("doSetKnight", &PhongCapView::doSetKnight)});
    return table;
}

PhongCapView::PhongCapView() : CustomUIActionSheetViewController(std::string("PhongCapView")) {}

void PhongCapView::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    auto screen = GameController::getCoVuaView();
    const int colour = !screen || screen->isWhite() ? CoVuaCodes::kWhite : CoVuaCodes::kBlack;
    const std::pair<const std::shared_ptr<ui::Button>*, int> choices[] = {
        {&btnHau, CoVuaCodes::kQueen}, {&btnXe, CoVuaCodes::kRook},
        {&btnTuong, CoVuaCodes::kBishop}, {&btnNgua, CoVuaCodes::kKnight}};
    for (const auto& [button, type] : choices)
        if (*button)
            (*button)->setImage(
                ui::Image::imageNamed(sys::format("qc_%d.png", int(CoVuaCodes::piece(colour, type)))));
}

void PhongCapView::doSetQueen() { choose(CoVuaService::kQueen); }
void PhongCapView::doSetRoot() { choose(CoVuaService::kRook); }
void PhongCapView::dosSetBishop() { choose(CoVuaService::kBishop); }
void PhongCapView::doSetKnight() { choose(CoVuaService::kKnight); }

void PhongCapView::choose(int8_t type) {
    slideOut();
    if (auto screen = GameController::getCoVuaView()) screen->sendElevateIndex(type);
}

ZUNO_REGISTER_SCREEN(PhongCapView)

}  // namespace zuno
