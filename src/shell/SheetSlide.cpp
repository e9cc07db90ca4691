#include "shell/SheetSlide.h"

namespace zuno::sheet {

void slideIn(ui::View& sheetView, const std::shared_ptr<ui::View>& panel, bool portrait) {
    const double width = portrait ? 320 : 480;
    const double height = portrait ? 480 : 320;
    sheetView.setFrame(ui::Rect(0, 0, width, height));
    if (!panel) return;
    const ui::Size size = panel->frame().size;
    panel->setFrame(ui::Rect(0, 30, size.width, size.height));
    sheetView.addSubview(panel);
    ui::View::beginAnimations();
    panel->setFrame(ui::Rect(0, (height - size.height) / 2, size.width, size.height));
    ui::View::commitAnimations();
}

void slideOut(ui::View& sheetView, ui::View* panel, std::shared_ptr<ui::AnimationDelegate> sheet) {
    ui::View::beginAnimations(std::string(kRemoveAnimation));
    ui::View::setAnimationDidStop([sheet = std::move(sheet)](const std::string& animationId, bool finished) {
        sheet->animationDidStop(animationId, finished, nullptr);
    });
    if (panel) {
        const ui::Size size = panel->frame().size;
        panel->setFrame(ui::Rect(0, sheetView.frame().size.height - 30, size.width, size.height));
    }
    ui::View::commitAnimations();
}

}  // namespace zuno::sheet
