#pragma once

#include <memory>

#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/View.h"

namespace zuno {

// The slide of a sheet's panel, shared by the sheets and the message box: in, from just under the top
// bar to the middle of the screen; out, down to 30 points above the bottom, after which the sheet's
// view is removed.
namespace sheet {

inline const char* const kRemoveAnimation = "removeFromSuperviewWithAnimation";

// Only an upright table on top turns the window (and so its sheets) upright; the game chosen does not.
inline bool isUpright() { return ui::Screen::isUpright(ui::Application::shared().statusBarOrientation()); }

// The sheet's view covers the screen (portrait 320 x 480 when `portrait`); the panel is added to it
// at (0, 30) and moves to the vertical middle.
void slideIn(ui::View& sheetView, const std::shared_ptr<ui::View>& panel, bool portrait);
// Moves the panel down in the animation that, when it stops, tells the sheet to remove its view. The
// animation keeps the sheet until then, and no longer: a sheet whose animation is dropped unrun goes
// with it.
void slideOut(ui::View& sheetView, ui::View* panel, std::shared_ptr<ui::AnimationDelegate> sheet);

}  // namespace sheet
}  // namespace zuno
