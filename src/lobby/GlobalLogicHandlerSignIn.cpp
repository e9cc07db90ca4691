// The session logic of the connection, signing in and registering.
#include <string>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalLogicHandlerSupport.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyShell.h"
#include "lobby/ILobbyUi.h"
#include "lobby/LobbyScreenEvents.h"
#include "lobby/SMSDelegate.h"
#include "lobby/TextToCopy.h"
#include "net/MobileClient.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

using namespace session;

namespace {
// Traffic of a session that ended by logout is worth telling from this many bytes on.
constexpr int64_t kTrafficShownAbove = 149;

std::string trafficText(int64_t total) {
    const float kilobytes = float(total) / 1024.0f;
    if (kilobytes >= 1.0f) return text("ZUNO_used_size") + sys::format("%.2f", double(kilobytes)) + " KB.";
    return text("ZUNO_used_size") + sys::format("%qi", total) + " bytes.";
}
}  // namespace

void GlobalLogicHandler::showAlertViewWithMessage(const std::string& message) { showInformation(message); }

void GlobalLogicHandler::onShowMessageBox(const std::string& message) { showInformation(message); }

void GlobalLogicHandler::closeDialog() { shell()->closeDialog(); }

void GlobalLogicHandler::onSetClientInfoOK() {
    // A new connection: whatever a refused login of an earlier one left behind is over.
    loginRefused_ = false;
    GlobalService::performConnectOKAction();
    onConnectOK();
}

void GlobalLogicHandler::onConnectOK() {
    GlobalService& service = GlobalService::getInstance();
    std::shared_ptr<ConnectOKListener> listener = service.getConnectOKListener();
    if (!listener) return;
    listener->onConnectOK();
    // The listener may have registered another one for a connection of its own.
    if (service.getConnectOKListener() == listener) service.setConnectOKListener({});
}

void GlobalLogicHandler::onConnectFail() {
    onMainThread([] {
        auto screen = topScreen();
        if (isOneOf<RegistrationScreen>(screen)) {
            // The registration screen tries the next server.
            if (auto listener = GlobalService::getInstance().getConnectOKListener()) listener->onConnectFail();
            return;
        }
        if (isOneOf<TellFriendScreen>(screen)) return;
        if (auto listener = GlobalService::getInstance().getConnectOKListener()) listener->onConnectFail();
        lobbyUi()->popToRootScreen(true);
        showAlertViewWithMessage(text("ZUNO_connectFail"));
    });
}

void GlobalLogicHandler::onLoginRefused() { loginRefused_ = true; }

void GlobalLogicHandler::onDisconnect() {
    // Read now: the next connection starts its own counts.
    auto client = MobileClient::getInstance();
    const int32_t status = client->connectStatus();
    const int64_t total = client->countOfGetSize() + client->countOfSentSize();
    const bool afterRefusedLogin = loginRefused_.exchange(false);
    const bool signedOut = signedIn_.exchange(false);
    onMainThread([status, total, afterRefusedLogin, signedOut] {
        lobbyUi()->popToRootScreen(true);
        // The account's screens are on their way out; whoever signs in next sees nothing of it.
        if (signedOut) shell()->forgetAccount();
        if (status != MobileClient::kClosedByLogout) {
            showAlertViewWithMessage(text("ZUNO_lostSignal"));
            return;
        }
        // The server's refusal is on screen and stays there.
        if (afterRefusedLogin) return;
        if (total <= kTrafficShownAbove) return;
        showAlertViewWithMessage(trafficText(total));
    });
}

void GlobalLogicHandler::onConnectionReplaced() {
    if (signedIn_.exchange(false)) shell()->forgetAccount();
}

void GlobalLogicHandler::onLoginSuccess() {
    signedIn_ = true;
    onMainThread(&GlobalLogicHandler::loginSuccess);
}

void GlobalLogicHandler::loginSuccess() {
    closeDialog();
    // The main menu belongs to a later subsystem: it is made by its name.
    if (auto menu = ui::ScreenFactory::create("MainView")) lobbyUi()->pushScreen(menu, true);
}

void GlobalLogicHandler::onSetMyUserData() {
    // Only the confirmation of the update that changed the password replaces it.
    if (!GlobalService::getInstance().takeConfirmedUpdateChangedPassword()) return;
    auto& defaults = sys::UserDefaults::standard();
    // Only an update that changed the password kept the new one aside for this moment.
    std::optional<std::string> newPass = defaults.stringForKey("ZUNO_LOGIN_NEWPASS");
    if (!newPass) return;
    defaults.setObject(sys::Value(*newPass), "ZUNO_LOGIN_OLDPASS");
    defaults.removeObjectForKey("ZUNO_LOGIN_NEWPASS");
    onMainThread([] { showAlertViewWithMessage(text("ZUNO_changePassSuccess")); });
}

void GlobalLogicHandler::onRegisterInfoWithUsername(Text username, bool avail, Text prefix, Text to) {
    onMainThread([username, avail, prefix, to] {
        closeDialog();
        if (!avail) {
            showAlertViewWithMessage(sys::format("%@", text("ZUNO_gameIDAlreadyUsed")));
            return;
        }
        auto ui = lobbyUi();
        if (ui->checkApStore()) return;
        if (ui->checkVersionToSendSMS()) {
            GlobalService::getInstance().sendSMSWithData(prefix, to, std::make_shared<SMSDelegate>(SMSDelegate::kRegistration));
            return;
        }
        // The player copies the text and sends the SMS by hand, from a phone; a server that opens the
        // account at once (the stand-in does) lets it sign in now, which the dialog says too.
        sys::Log::line(prefix.value_or(std::string()));
        showSmsToSendByHand(prefix.value_or(std::string()), to.value_or(std::string()), "ZUNO_registerWithoutSMS");
    });
}

void GlobalLogicHandler::onGetSMSSyntaxWithSubId(int8_t subId, Text data, Text address) {
    if (subId != 1) return;
    const std::string request = data.value_or(std::string());
    const std::string body =
        sys::format("%@%@", request.substr(0, request.find('?')),
                    sys::UserDefaults::standard().stringForKey("ZUNO_FORGET_PASSWORD_USERNAME"));
    onMainThread([body, address] {
        auto ui = lobbyUi();
        // A device that sends no SMS (a desktop) shows what to send from a phone, whatever the build.
        if (!ui->checkVersionToSendSMS()) {
            showSmsToSendByHand(body, address.value_or(std::string()), "ZUNO_passwordWithoutSMS");
            return;
        }
        // Unlike registration's, a phone writes the forgotten-password SMS only in the store build.
        if (ui->checkApStore()) GlobalService::getInstance().sendSMSWithData(body, address);
    });
}

}  // namespace zuno
