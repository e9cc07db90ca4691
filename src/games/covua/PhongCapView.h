#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/Button.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The promotion chooser: queen, rook, bishop or knight in the local player's colour. A choice slides
// the sheet out and goes to the Co Vua table screen, which sends it.
class PhongCapView : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    PhongCapView();
    void viewWillAppear(bool animated) override;
    // A promotion must be chosen: Escape leaves the chooser open.
    void cancelSheet() override {}

    void doSetQueen();
    void doSetRoot();
    void dosSetBishop();
    void doSetKnight();

    std::shared_ptr<ui::Button> btnHau, btnXe, btnTuong, btnNgua;

private:
    void choose(int8_t type);
};

}  // namespace zuno
