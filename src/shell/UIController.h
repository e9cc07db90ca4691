#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/DialogActions.h"
#include "lobby/GlobalService.h"
#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"
#include "platform/core/Value.h"
#include "platform/ui/AlertView.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

// The session state every screen reads: the signed-in player, the game chosen, the pending dialog
// action and its payload, the in-memory inbox and the player's switches.
//
// The connection's reader thread replaces the player and appends to the inbox while screens read
// them, so those two slots are guarded; the rest belong to the main thread.
//
// Its one instance is the delegate of every dialog and the connect-OK listener of the hotline road.
class UIController : public ConnectOKListener,
                     public ui::AlertViewDelegate,
                     public std::enable_shared_from_this<UIController> {
public:
    // The one instance, made on first use; the application keeps it for the whole run.
    static std::shared_ptr<UIController> sharedController();

    // Dialog action codes (the lobby's DialogAction), as UIController::okNone and so on.
    using OkValue = DialogAction;
    using enum DialogAction;

    // No action is pending until an opener sets one.
    static int okValue();
    static void setOkValue(int value);
    // The action of a dialog opening now: the one set since the last dialog opened, else none.
    static int takeOkValueForDialog();
    // The pending dialog's payload: an invitation dictionary, a URL text, a text to copy.
    static sys::Value object();
    static void setObject(sys::Value value);

    static PlayerPtr myInfo();
    static void setMyInfo(PlayerPtr player);
    // The signed-in player's id, -1 before signing in.
    static int32_t myId();

    // The unread-mail button now shown, if any.
    static std::shared_ptr<ui::View> btnAlertMessage();
    static void setBtnAlertMessage(std::shared_ptr<ui::View> button);

    static int8_t gameType();
    static void setGameType(int8_t type);
    static std::string gameTitle();
    static void setGameTitle(std::string title);
    static std::string serverInfo();
    static void setServerInfo(std::string info);

    // Vibrate; accept table invitations.
    static bool rung();
    static void setRung(bool on);
    static bool inviting();
    static void setInviting(bool on);

    static int kindOfDialog();
    static void setKinkOfDialog(int kind);

    // The inbox of private messages, newest first (addMessage appends; the lobby stores at the front).
    using MessageList = std::vector<std::shared_ptr<ZunoMessage>>;
    static MessageList listMessage();
    static void setListMessage(MessageList list);
    static void addMessage(std::shared_ptr<ZunoMessage> message);
    static void insertMessageAtFront(std::shared_ptr<ZunoMessage> message);
    static void removeMessage(const std::shared_ptr<ZunoMessage>& message);
    static size_t unreadMessageCount();

    // Dialogs, on the main thread. The message is already localised. Each one first dismisses the
    // dialog shown before, so at most one is shown at a time.
    static void startOKDlg(const std::string& message);
    static void startCancelDlg(const std::string& message);
    static void startCancelOkDlg(const std::string& message, const std::string& cancelTitle,
                                 const std::string& okTitle);
    static void startNilDlg(const std::string& message);
    static void startReportDlg(const MatchResultInfo& result);
    static void closeDialog();
    // Closes, without running its action, a dialog shown for that action code.
    static void closeDialogOf(int actionCode);
    // The message of the dialog shown now, if any.
    static std::optional<std::string> shownDialogMessage();

    // A button of a dialog was pressed (a dialog closed by the program presses nothing): the action
    // that was pending when that dialog opened runs with its payload (none for a dialog opened with
    // none pending); Cancel also clears the kind of dialog.
    void clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) override;
    struct DialogAnswer {
        int okValue;      // the action pending when the dialog opened
        int buttonIndex;
        bool cancelled;   // the cancel button
    };
    static std::optional<DialogAnswer> lastDialogAnswer();
    // Leaves the table shown at once, as a confirmed leave does: the leave request, the table popped.
    static void leaveTableNow();

    // YES when the configuration's "AppStore" is on and the application switched SMS on.
    static bool checkApStore();
    // The system version is 4.0 (5.0) or later.
    static bool checkVersioniOS4();
    static bool checkVersioniOS5();
    // The device can compose SMS: an "iphone" on system 4.0 or later.
    static bool checkVersionToSendSMS();
    // Dials the number; where the system cannot dial, asks the server for the hotline number instead
    // (connecting first when there is no connection).
    static void callHotline(const std::string& number);
    // The hotline number the server sent: dial it; where nothing dials, show it in a dialog.
    static void callHotlineFromServer(const std::string& number);
    // The connection for the hotline is ready: ask for the number.
    void onConnectOK() override;

    // Where checkApStore reads the application's SMS switch (the application installs it at launch;
    // without one the switch counts as off).
    static void setSwitchOnSMSReader(std::function<bool()> reader);

    // Main thread: the signed-in player's session is over. What it held of that player goes: the
    // player, the inbox and its unread-mail button (taken off its screen). The switches, the game chosen
    // and the pending dialog are not the account's and stay.
    static void forgetAccount();
    // Back to the state at launch (tests, and a new session of the demo).
    static void resetSessionState();

private:
    static void forgetDialogAnswer();
    // Carries out the action of the code, for OK or for Cancel (the table of actions, which reaches
    // every screen, lives with the composition root).
    static void performDialogAction(int code, bool cancelled);
};

}  // namespace zuno
