#pragma once

#include <string>

#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

// An OK dialog with the text of a language key; nothing is pending when OK is pressed.
inline void showInfoDialog(const char* key) {
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(Resources::getInstance().textForKey(key));
}

}  // namespace zuno
