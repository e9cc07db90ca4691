#include "screens/ScreenTitle.h"

#include <glib.h>

#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

std::string upperCased(std::string_view text) {
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) return std::string(text);
    gchar* upper = g_utf8_strup(text.data(), static_cast<gssize>(text.size()));
    std::string result(upper);
    g_free(upper);
    return result;
}

void setWindowTitle(const std::string& text) {
    if (auto delegate = ZunoOnlineAppDelegate::current(); delegate && delegate->lblWindowTitle)
        delegate->lblWindowTitle->setText(text);
}

void setUpperCasedWindowTitle(std::string_view key) {
    setWindowTitle(upperCased(Resources::getInstance().textForKey(key)));
}

}  // namespace zuno
