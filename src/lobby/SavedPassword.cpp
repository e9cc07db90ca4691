#include "lobby/SavedPassword.h"

#include "platform/core/UserDefaults.h"

namespace zuno {

void keepPasswordInFile(bool staySignedIn) {
    auto& defaults = sys::UserDefaults::standard();
    for (const char* key : {"password", "ZUNO_REGISTER_PASSWORD", "ZUNO_LOGIN_NEWPASS"})
        defaults.setKeptInMemoryOnly(key, !staySignedIn);
    defaults.synchronize();
}

}  // namespace zuno
